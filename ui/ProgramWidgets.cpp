#include "ui/ProgramWidgets.h"

#include "ui/AccessibleLists.h"
#include "ui/ProgramFont.h"
#include "ui/WebLinks.h"

#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>

namespace {

// A label drawn as a link and used as one: its plain text underlined in the
// link colour, the pointing hand over it; a click on it, or Enter or Space
// when it has the focus, emits linkActivated("#"). (A link in rich text would
// carry a whole text document, the dearest thing on the form to lay out and
// draw, and QLabel's own keyboard links need a Tab onto the label and another
// onto the link, the first of which shows nothing.)
class LinkLabel : public QLabel {
public:
    LinkLabel(const QColor& colour, QWidget* parent) : QLabel(parent), colour_(colour) {}

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

    void mousePressEvent(QMouseEvent* event) override
    {
        pressed_ = event->button() == Qt::LeftButton;
        event->accept();
    }

    // As a button: the link is followed where the press began and ended on it.
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const bool follow = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
        pressed_ = false;
        event->accept();
        if (follow)
            emit linkActivated(QStringLiteral("#"));
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QFont underlined = font();
        underlined.setUnderline(true);
        painter.setFont(underlined);
        painter.setPen(colour_.isValid() ? colour_ : palette().color(QPalette::Link));
        painter.drawText(contentsRect(), int(alignment()) | (wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine), text());
        if (!hasFocus())
            return;
        // Drawn here rather than by the style, which may show it only after
        // a Tab and not on the black of the result window.
        painter.setPen(QPen(colour_.isValid() ? colour_ : palette().color(foregroundRole()), 1, Qt::DotLine));
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

private:
    QColor colour_;
    bool pressed_ = false;
};

// While a list is open (a drop-down's or a completer's), its keys are its
// own: Escape closes the list and not the window, Page Up moves in the list
// and not to the calendar's month before. A window's shortcuts are asked
// first (ShortcutOverride); taking that question leaves the key to the list.
// Menus keep their own handling of keys.
class OpenListKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return QObject::eventFilter(watched, event);
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup || qobject_cast<QMenu*>(popup))
            return false;
        event->accept();
        return true;
    }
};

void KeepKeysInOpenLists()
{
    static const bool installed = [] {
        qApp->installEventFilter(new OpenListKeys(qApp));
        return true;
    }();
    (void)installed;
}

}  // namespace

void SetUpProgramWindow(QWidget* window, const char* name)
{
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowRole(window->objectName());
    window->setWindowTitle(ProgramCaption);
    window->setFont(ProgramFont());
    InstallAccessibleLists();
    KeepKeysInOpenLists();
}

QString InWindowDirection(const QWidget* window, const QString& text)
{
    return window->isRightToLeft() && !text.isRightToLeft() ? QChar(0x200F) + text : text;
}

QLabel* MakeLinkLabel(const QString& text, const QString& objectName, QWidget* parent, const QColor& colour)
{
    auto* label = new LinkLabel(colour, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFocusPolicy(Qt::TabFocus);
    label->setAccessibleName(text);
    label->setCursor(Qt::PointingHandCursor);
    return label;
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
