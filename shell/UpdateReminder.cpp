#include "shell/UpdateReminder.h"

#include "core/ReadingTextCodec.h"
#include "ui/MessageBox.h"
#include "ui/ProgramSettings.h"
#include "core/UpdateReminderRule.h"
#include "ui/LinkOpening.h"
#include "ui/WebLinks.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

// The setting holds single-byte codes; Latin-1 carries each one as a character.
QString Latin1(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

struct UpdateReminderText {
    Q_DECLARE_TR_FUNCTIONS(UpdateReminderText)
};

QString ReminderKey()
{
    return QStringLiteral("Settings/") + Latin1(ReminderSettingKey());
}

CivilDate Civil(const QDate& day)
{
    return {day.year(), day.month(), day.day()};
}

ReminderAction ActionFor(const QSettings& settings, const QDate& today)
{
    const QByteArray stored = settings.value(ReminderKey()).toString().toLatin1();
    return DecideReminder(DecodeReadingText(stored.toStdString()), Civil(today));
}

}  // namespace

void RemindOfUpdate(QSettings& settings, const QDate& today, QWidget* parent)
{
    const ReminderAction action = ActionFor(settings, today);
    if (action == ReminderAction::Nothing)
        return;

    bool yes = false;
    if (action == ReminderAction::AskAndWrite)
        yes = Messages::Show(parent,
                             QObject::tr("There maybe an update to this software available\r"
                                         "Do you want to check for an update?"),
                             Messages::Icon::Information, Messages::Buttons::YesNo) == Messages::Answer::Yes;
    settings.setValue(ReminderKey(), Latin1(EncodeReadingText(ReminderDateText(Civil(today)))));
    settings.sync();
    if (yes)
        OpenPageOrSay(parent, WebLinks::DownloadPage());
}

void RemindOfUpdate(const QString& path, const QDate& today, QWidget* parent)
{
    // Most starts only read the date, which takes no lock: the lock (whose
    // making syncs the disk) and the folder are for a start that writes.
    QString problem;
    if (const auto stored = SettingsToRead(path, problem); stored && ActionFor(*stored, today) == ReminderAction::Nothing)
        return;
    const std::unique_ptr<QSettings> settings = problem.isEmpty() ? SettingsToWrite(path, problem) : nullptr;
    if (!settings) {
        qWarning("%s", qPrintable(UpdateReminderText::tr("%1: the settings are not kept: %2").arg(QCoreApplication::applicationName(), problem)));
        return;
    }
    RemindOfUpdate(*settings, today, parent);
}
