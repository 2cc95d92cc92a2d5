#include "shell/FirstExposeQuit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

class FirstExposeQuit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            QCoreApplication::exit(0);
        return false;
    }
};

}  // namespace

void QuitAfterFirstExposeIfAsked(QWidget* window)
{
    if (qEnvironmentVariableIsEmpty("QAMAREL_QUIT_AFTER_FIRST_EXPOSE"))
        return;
    window->winId();  // makes the native window, so that its expose can be seen
    window->windowHandle()->installEventFilter(new FirstExposeQuit(window));
}
