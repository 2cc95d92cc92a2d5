// Qamarel: an Arabic lunar mansion reading from birth data.
#include "reading/ReadingState.h"
#include "reading/frmMain.h"
#include "shell/FirstExposeQuit.h"
#include "ui/MessageBox.h"
#include "ui/ProgramIcon.h"
#include "shell/SingleInstance.h"
#include "shell/UpdateReminder.h"
#include "shell/WindowTurns.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QPointer>
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
    QApplication::setDesktopFileName(QStringLiteral("example.qamarel.Qamarel"));
    // The program ends through its exit window, never because a window closed
    // during a turn between the main and the result window.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser arguments;
    arguments.setApplicationDescription(QObject::tr("Arabic lunar mansion reading from birth data."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("reading"), QObject::tr("A saved reading (.qmz) to show."),
                                    QStringLiteral("[reading.qmz]"));
    arguments.process(app);

    // One copy at a time: a second one says so before anything else and ends,
    // leaving the first untouched.
    SingleInstance instance(DefaultLockPath());
    if (instance.IsAnotherRunning()) {
        Messages::Show(nullptr, QObject::tr("Application is already running"), Messages::Icon::Information);
        return 0;
    }

#ifdef QAMAREL_UPDATE_REMINDER
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, name);
    RemindOfUpdate(settings, QDate::currentDate());
#endif

    ReadingState state;
    WindowTurns turns(state);
    QPointer<frmMain> main = turns.CreateMainWindow();
    main->ChoosePromotionLabel(static_cast<int>(QRandomGenerator::global()->bounded(1, 7)));
    // A reading named on the command line (a double-click on a .qmz file) is
    // shown without the form; a file that is no reading leaves the form.
    const QStringList files = arguments.positionalArguments();
    if (files.isEmpty() || !main->OpenReadingFile(files.constFirst())) {
        QuitAfterFirstExposeIfAsked(main);
        main->show();
    }
    return QApplication::exec();
}
