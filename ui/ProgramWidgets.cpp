#include "ui/ProgramWidgets.h"

#include "ui/ProgramFont.h"
#include "ui/WebLinks.h"
#include "ui/frmAbout.h"

#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>

namespace {

// A QLabel whose link is the label itself for the keyboard: QLabel's own
// keyboard links need a Tab onto the label and another onto the link, and the
// first shows nothing.
class LinkLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            emit linkActivated(QStringLiteral("#"));
            return;
        default:
            QLabel::keyPressEvent(event);
        }
    }

    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (!hasFocus())
            return;
        // Drawn here rather than by the style, which may show it only after
        // a Tab and not on the black of the result window.
        QPainter painter(this);
        painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    void focusInEvent(QFocusEvent* event) override
    {
        QLabel::focusInEvent(event);
        update();
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        QLabel::focusOutEvent(event);
        update();
    }
};

}  // namespace

void SetUpProgramWindow(QWidget* window, const char* name)
{
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowRole(window->objectName());
    window->setWindowTitle(ProgramCaption);
    window->setFont(ProgramFont());
}

QLabel* MakeLinkLabel(const QString& text, const QString& objectName, QWidget* parent, const QColor& colour)
{
    auto* label = new LinkLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::RichText);
    const QString style = colour.isValid() ? QStringLiteral(" style=\"color:%1\"").arg(colour.name()) : QString();
    label->setText(QStringLiteral("<a href=\"#\"%1>%2</a>").arg(style, text.toHtmlEscaped()));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setFocusPolicy(Qt::TabFocus);
    label->setAccessibleName(text);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QMenu* AddHelpMenu(QMainWindow* window)
{
    QMenu* menu = window->menuBar()->addMenu(QObject::tr("&Help"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    auto add = [&](const char* name, const QString& caption, auto action) {
        QAction* entry = menu->addAction(caption);
        entry->setObjectName(QString::fromLatin1(name));
        QObject::connect(entry, &QAction::triggered, window, action);
    };
    auto separator = [&](const char* name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };
    add("mnuOnline", QObject::tr("&Online Help"), &WebLinks::OpenHelpPage);
    add("mnuVisit", QObject::tr("&Visit Us Online"), &WebLinks::OpenHomePage);
    separator("mnuHelp1");
    add("mnuUpdate", QObject::tr("Check for Software &Update"), &WebLinks::OpenDownloadPage);
    separator("mnuHelp2");
    add("mnuAbout", QObject::tr("&About Software"), [window]() {
        frmAbout about(window);
        ExecDialog(about);
    });
    return menu;
}

int ExecDialog(QDialog& dialog)
{
    QWidget* opener = dialog.parentWidget() ? dialog.parentWidget()->window() : QApplication::activeWindow();
    const QPointer<QWidget> focused = QApplication::focusWidget();
    const QPointer<QWidget> window = opener;
    const int result = dialog.exec();
    if (window && window->isVisible()) {
        window->activateWindow();
        if (focused && focused->window() == window && focused->isVisible())
            focused->setFocus(Qt::ActiveWindowFocusReason);
    }
    return result;
}
