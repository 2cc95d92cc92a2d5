// The floor of start-up: a bare Qt Widgets window that quits once it is first
// exposed, timed and measured exactly as the program is.
#include <QApplication>
#include <QWidget>
#include <QWindow>

class QuitOnExpose : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            QCoreApplication::exit(0);
        return false;
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(600, 460);
    window.winId();
    QuitOnExpose quit;
    window.windowHandle()->installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
