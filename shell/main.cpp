// Qamarel: an Arabic lunar mansion reading from birth data.
#include "base/ProgramVersion.h"
#include "core/ReadingState.h"
#include "windows/frmMain.h"
#include "shell/FirstExposeQuit.h"
#include "shell/HandOver.h"
#include "ui/FileNameText.h"
#include "ui/MessageBox.h"
#include "ui/ProgramIcon.h"
#include "shell/SingleInstance.h"
#include "shell/UpdateReminder.h"
#include "shell/WindowTurns.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <QRandomGenerator>
#include <QTranslator>
#include <QtPlugin>

namespace {

// The argument `decoded` as the system gave it, bytes and all: Qt's arguments
// turn the bytes of a name that is not UTF-8 into U+FFFD, and the file could
// not be found under that name.
QString FileArgument(int argc, char** argv, const QString& decoded)
{
    for (int i = 1; i < argc; ++i)
        if (QString::fromLocal8Bit(argv[i]) == decoded)
            return FileNameText(QByteArray(argv[i]));
    return decoded;
}

}  // namespace

// PNG pictures read without loading every image-format plugin (ui/PngReadingPlugin.h).
Q_IMPORT_PLUGIN(PngReadingPlugin)

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The settings and the lock go by the executable's name.
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QApplication::setApplicationName(name);
    QApplication::setApplicationVersion(QStringLiteral(QAMAREL_VERSION));
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setDesktopFileName(QStringLiteral("example.qamarel.Qamarel"));
    // The user's language, when the program carries a translation into it
    // (translations/); English, the texts' own language, otherwise.
    QTranslator translation;
    if (translation.load(QLocale(), QStringLiteral("qamarel"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QApplication::installTranslator(&translation);
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

    // One copy at a time. A second start hands its reading file to the copy
    // that runs, which shows it; without a file (or when the running copy does
    // not answer) it says so before anything else, and the running window
    // comes to the front.
    const QStringList files = arguments.positionalArguments();
    const QString reading =
        files.isEmpty() ? QString() : QFileInfo(FileArgument(argc, argv, files.constFirst())).absoluteFilePath();
    const QString runtime = ProgramRuntimeFolder();
    const QString handOverSocket = HandOverSocketIn(runtime);
    SingleInstance instance(LockPathIn(runtime));
    if (instance.IsAnotherRunning()) {
        if (reading.isEmpty() || !HandToRunningCopy(handOverSocket, reading)) {
            Messages::Show(nullptr, QObject::tr("Application is already running"), Messages::Icon::Information);
            HandToRunningCopy(handOverSocket, QString());
        }
        return 0;
    }

    // Listening starts before the start-up question: a reading handed over
    // while it is asked waits and opens after it.
    ReadingState state;
    WindowTurns turns(state);
    HandOverServer handOver;
    QObject::connect(&handOver, &HandOverServer::raiseRequested, [&turns] { turns.RaiseCurrentWindow(); });
    QObject::connect(&handOver, &HandOverServer::readingFileReceived,
                     [&turns](const QString& path) { turns.OpenReadingFile(path); });
    handOver.Listen(handOverSocket);

#ifdef QAMAREL_UPDATE_REMINDER
    RemindOfUpdate(UpdateReminderSettingsPath(name), QDate::currentDate());
#endif

    QPointer<frmMain> main = turns.CreateMainWindow();
    // One number from the system's generator: the seeded global one costs
    // more to set up than this start needs.
    main->ChoosePromotionLabel(static_cast<int>(QRandomGenerator::system()->bounded(1, 7)));
    // A reading named on the command line (a double-click on a .qmz file) is
    // shown without the form; a file that is no reading leaves the form.
    if (reading.isEmpty() || !main->OpenReadingFile(reading)) {
        QuitAfterFirstExposeIfAsked(main);
        turns.ShowMainWindow(main);
    }
    return QApplication::exec();
}
