#include "ui/AccessibleLists.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

class NamedListAccessible : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox)
    {
        addControllingSignal(QStringLiteral("activated(int)"));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->isEditable() && list()->lineEdit() ? list()->lineEdit()->text() : list()->currentText();
        if (t == QAccessible::Name && !list()->accessibleName().isEmpty())
            return list()->accessibleName();
        return QAccessibleWidget::text(t);
    }

    // The popup's list, then the edit line of an editable list, as Qt orders them.
    int childCount() const override { return list()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (list()->view() == child->object())
            return 0;
        if (list()->isEditable() && list()->lineEdit() == child->object())
            return 1;
        return -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(object()); }
};

// Asked with each class of an object from its own up to QObject.
QAccessibleInterface* NamedListFactory(const QString& className, QObject* object)
{
    if (className != QLatin1String("QComboBox"))
        return nullptr;
    auto* list = qobject_cast<QComboBox*>(object);
    return list && !list->accessibleName().isEmpty() ? new NamedListAccessible(list) : nullptr;
}

}  // namespace

void InstallAccessibleLists()
{
    static const bool installed = [] {
        QAccessible::installFactory(NamedListFactory);
        return true;
    }();
    (void)installed;
}
