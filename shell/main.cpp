// Qamarel: an Arabic lunar mansion reading from birth data.
#include "reading/ReadingState.h"
#include "reading/frmMain.h"
#include "shell/MessageBox.h"
#include "shell/ProgramIcon.h"
#include "shell/SingleInstance.h"
#include "shell/UpdateReminder.h"
#include "shell/WindowTurns.h"

#include <QApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The settings and the lock go by the executable's name.
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QApplication::setApplicationName(name);
    QApplication::setApplicationVersion(QStringLiteral(QAMAREL_VERSION));
    QApplication::setWindowIcon(ProgramIcon());
    // The program ends through its exit window, never because a window closed
    // during a turn between the main and the result window.
    QApplication::setQuitOnLastWindowClosed(false);

    // One copy at a time: a second one says so before anything else and ends,
    // leaving the first untouched.
    SingleInstance instance(DefaultLockPath());
    if (instance.IsAnotherRunning()) {
        Messages::Show(nullptr, QObject::tr("Application is already running"), Messages::Icon::Information);
        return 0;
    }

    QSettings settings(QSettings::IniFormat, QSettings::UserScope, name);
    RemindOfUpdate(settings, QDate::currentDate());

    ReadingState state;
    WindowTurns turns(state);
    frmMain* main = turns.ShowMainWindow();
    main->ChoosePromotionLabel(static_cast<int>(QRandomGenerator::global()->bounded(1, 7)));
    return QApplication::exec();
}
