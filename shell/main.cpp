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
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QRandomGenerator>
#include <QTranslator>
#include <QtPlugin>

#include <memory>

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

// The program's name (the executable's: the settings and the lock go by it),
// its version and its texts in the user's language (LANGUAGE, LC_ALL, LANG, as
// QLocale reads them), when the program carries a translation into it
// (translations/), with Qt's own texts (its dialogs' buttons) in the same
// language where the system has them; English, the texts' own language,
// otherwise. A right-to-left language turns the windows round: Qt reads the
// direction from the translation's QT_LAYOUT_DIRECTION.
void SetUpApplication(QTranslator& translation, QTranslator& qtTranslation)
{
    QCoreApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    QCoreApplication::setApplicationVersion(QStringLiteral(QAMAREL_VERSION));
    if (!translation.load(QLocale(), QStringLiteral("qamarel"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return;
    QCoreApplication::installTranslator(&translation);
    if (qtTranslation.load(QStringLiteral("qtbase_") + translation.language().section(QLatin1Char('_'), 0, 0),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslation);
}

// The direction of the program's own translation, for Qt to find when the
// system carries no Qt translation into the language.
//: "RTL" in a language written right to left, "LTR" otherwise.
[[maybe_unused]] constexpr const char* LayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// The options and the argument the program takes.
void AddProgramOptions(QCommandLineParser& arguments)
{
    arguments.setApplicationDescription(QObject::tr("Arabic lunar mansion reading from birth data."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("reading"), QObject::tr("A saved reading (.qmz) to show."),
                                    QStringLiteral("[reading.qmz]"));
}

// What the command line asks for, when it asks only for a text: the usage or
// the version, which need no display (a QApplication ends the run where it
// finds none), or the usage with Qt's own options, which only a QApplication
// knows (it is given the offscreen platform, which needs no display either).
// A command line the parser refuses here (it may hold Qt's own options, which
// QApplication takes out first) goes to the QApplication as before.
enum class TextAsked { None, Plain, WithQtOptions };
TextAsked AsksOnlyForText(int argc, char** argv)
{
    QStringList words;
    for (int i = 0; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser arguments;
    AddProgramOptions(arguments);
    if (!arguments.parse(words))
        return TextAsked::None;
    if (arguments.isSet(QStringLiteral("help-all")))
        return TextAsked::WithQtOptions;
    if (arguments.isSet(QStringLiteral("help")) || arguments.isSet(QStringLiteral("version")))
        return TextAsked::Plain;
    return TextAsked::None;
}

}  // namespace

// PNG pictures read without loading every image-format plugin (ui/PngReadingPlugin.h).
Q_IMPORT_PLUGIN(PngReadingPlugin)

int main(int argc, char** argv)
{
    if (const TextAsked text = AsksOnlyForText(argc, argv); text != TextAsked::None) {
        if (text == TextAsked::WithQtOptions)
            qputenv("QT_QPA_PLATFORM", "offscreen");
        const std::unique_ptr<QCoreApplication> app = text == TextAsked::WithQtOptions
                                                          ? std::make_unique<QApplication>(argc, argv)
                                                          : std::make_unique<QCoreApplication>(argc, argv);
        QTranslator translation, qtTranslation;
        SetUpApplication(translation, qtTranslation);
        QCommandLineParser arguments;
        AddProgramOptions(arguments);
        arguments.process(*app);  // prints the text and ends the run
        return 0;
    }

    QApplication app(argc, argv);
    QTranslator translation, qtTranslation;
    SetUpApplication(translation, qtTranslation);
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setDesktopFileName(QStringLiteral("example.qamarel.Qamarel"));
    // The program ends through its exit window, never because a window closed
    // during a turn between the main and the result window.
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser arguments;
    AddProgramOptions(arguments);
    arguments.process(app);

    // One copy at a time. A second start hands its reading file to the copy
    // that runs, which shows it; without a file it says so before anything
    // else, and the running window comes to the front. A file the running
    // copy does not take is shown here, in a copy of its own, rather than
    // lost; so is every start when the lock cannot be had, which is said.
    const QStringList files = arguments.positionalArguments();
    const QString reading =
        files.isEmpty() ? QString() : QFileInfo(FileArgument(argc, argv, files.constFirst())).absoluteFilePath();
    const QString runtime = ProgramRuntimeFolder();
    const QString handOverSocket = HandOverSocketIn(runtime);
    SingleInstance instance(LockPathIn(runtime));
    const SingleInstance::Lock lock = instance.TakeLock();
    const QString program = QCoreApplication::applicationName();
    if (lock == SingleInstance::Lock::Unavailable)
        qWarning("%s", qPrintable(QObject::tr("%1: more than one copy may run: %2").arg(program, instance.problem())));
    if (lock == SingleInstance::Lock::Held) {
        if (reading.isEmpty()) {
            Messages::Show(nullptr, QObject::tr("Application is already running"), Messages::Icon::Information);
            HandToRunningCopy(handOverSocket, QString());
            return 0;
        }
        if (HandToRunningCopy(handOverSocket, reading))
            return 0;
        qWarning("%s", qPrintable(QObject::tr("%1: the running copy did not take %2: it is shown in a copy of its own")
                                      .arg(program, QDir::toNativeSeparators(reading))));
    }

    // Listening starts before the start-up question: a reading handed over
    // while it is asked waits and opens after it. Only the copy that holds the
    // lock listens: the socket is the lock holder's.
    ReadingState state;
    WindowTurns turns(state);
    HandOverServer handOver;
    QObject::connect(&handOver, &HandOverServer::raiseRequested, [&turns] { turns.RaiseCurrentWindow(); });
    QObject::connect(&handOver, &HandOverServer::readingFileReceived,
                     [&turns](const QString& path) { turns.OpenReadingFile(path); });
    if (lock == SingleInstance::Lock::Taken && !handOver.Listen(handOverSocket))
        qWarning("%s", qPrintable(QObject::tr("%1: no second start can hand its reading to this copy: %2 cannot be made")
                                      .arg(program, handOverSocket)));

#ifdef QAMAREL_UPDATE_REMINDER
    RemindOfUpdate(ProgramSettingsPath(QCoreApplication::applicationName()), QDate::currentDate());
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
    } else {
        QuitAfterFirstExposeIfAsked(turns.CurrentWindow());
    }
    return QApplication::exec();
}
