#include "shell/UpdateReminder.h"

#include "core/ReadingTextCodec.h"
#include "ui/MessageBox.h"
#include "core/UpdateReminderRule.h"
#include "ui/WebLinks.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

// The setting holds single-byte codes; Latin-1 carries each one as a character.
QString Latin1(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

void RemindOfUpdate(QSettings& settings, const QDate& today, QWidget* parent)
{
    const QString key = QStringLiteral("Settings/") + Latin1(ReminderSettingKey());
    const QByteArray stored = settings.value(key).toString().toLatin1();
    const CivilDate date{today.year(), today.month(), today.day()};
    const ReminderAction action = DecideReminder(DecodeReadingText(stored.toStdString()), date);
    if (action == ReminderAction::Nothing)
        return;

    bool yes = false;
    if (action == ReminderAction::AskAndWrite)
        yes = Messages::Show(parent,
                             QObject::tr("There maybe an update to this software available\r"
                                         "Do you want to check for an update?"),
                             Messages::Icon::Information, Messages::Buttons::YesNo) == Messages::Answer::Yes;
    settings.setValue(key, Latin1(EncodeReadingText(ReminderDateText(date))));
    settings.sync();
    if (yes)
        WebLinks::OpenDownloadPage();
}

void RemindOfUpdate(const QString& path, const QDate& today, QWidget* parent)
{
    const QFileInfo file(path);
    if (file.exists() && (!file.isFile() || file.size() > SettingsFileLimit))
        return;
    QSettings settings(path, QSettings::IniFormat);
    RemindOfUpdate(settings, today, parent);
}

QString UpdateReminderSettingsPath(const QString& program)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(program + QStringLiteral(".ini"));
}
