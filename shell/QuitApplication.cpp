#include "shell/QuitApplication.h"

#include <QApplication>
#include <QWidget>

void QuitApplication()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->parentWidget() == nullptr) {
            window->hide();
            window->deleteLater();
        }
    }
    QCoreApplication::exit(0);
}
