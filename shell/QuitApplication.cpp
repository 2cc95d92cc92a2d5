#include "shell/QuitApplication.h"

#include <QApplication>
#include <QThread>
#include <QWidget>

void QuitApplication()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->parentWidget() == nullptr) {
            window->hide();
            window->deleteLater();
        }
    }
    // Only a running event loop is told to end: told before it starts, Qt
    // would end the next one at once, even a message box's.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}
