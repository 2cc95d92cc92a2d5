#include "places/ZoneAtDate.h"

#include "base/QtStdText.h"
#include "core/ClockText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QStringList>
#include <QTimeZone>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

// The messages in the program's language (the reading tool, which loads no
// translation, keeps them English).
struct ZoneAtDateText {
    Q_DECLARE_TR_FUNCTIONS(ZoneAtDateText)
};

}  // namespace


namespace {

// One stretch of time with one offset: from `start` (UTC seconds) to the next.
struct Stretch {
    qint64 start;
    QTimeZone::OffsetData data;
};

// The daylight-saving flags of a zone's stretches as its TZif file holds them.
// Qt 6.4 derives its own flag from the offsets, and so loses it where summer
// time kept the standard offset's size (Paris's WEST in the winter of 1944-45,
// Buenos Aires 1999-2000).
// Source: RFC 8536, "The Time Zone Information Format (TZif)", sections 3.1-3.2.
struct ZoneFlags {
    std::vector<qint64> changes;  // UTC seconds, rising
    std::vector<bool> flagged;    // of the stretch that each change begins
    bool first = false;           // before the first change
};

ZoneFlags ReadZoneFlags(const QByteArray& zone)
{
    ZoneFlags flags;
    const QString folder = qEnvironmentVariableIsSet("TZDIR") ? qEnvironmentVariable("TZDIR")
                                                               : QStringLiteral("/usr/share/zoneinfo");
    if (zone.contains("..") || zone.startsWith('/'))
        return flags;
    QFile file(folder + QLatin1Char('/') + QString::fromUtf8(zone));
    if (!file.open(QIODevice::ReadOnly))
        return flags;
    const QByteArray data = file.read(1 << 20);  // the largest zone file is some 4 KiB
    auto number = [&](qsizetype at, int bytes) -> qint64 {
        if (at < 0 || at + bytes > data.size())
            return -1;
        quint64 v = 0;
        for (int i = 0; i < bytes; ++i)
            v = v << 8 | static_cast<quint8>(data[at + i]);
        return bytes == 8 ? static_cast<qint64>(v) : static_cast<qint64>(static_cast<qint32>(static_cast<quint32>(v)));
    };
    auto counts = [&](qsizetype at, qint64 c[6]) {
        for (int i = 0; i < 6; ++i)
            c[i] = number(at + 20 + 4 * i, 4);  // isut, isstd, leap, time, type, char
    };
    if (!data.startsWith("TZif") || data.size() < 44)
        return flags;
    qint64 c[6];
    counts(0, c);
    qsizetype at = 44;
    int timeSize = 4;
    if (data[4] >= '2') {  // skip the 32-bit block to the 64-bit one
        at += c[3] * 4 + c[3] + c[4] * 6 + c[5] + c[2] * 8 + c[1] + c[0];
        if (number(at, 4) < 0 || data.mid(at, 4) != "TZif")
            return flags;
        counts(at, c);
        at += 44;
        timeSize = 8;
    }
    const qint64 times = c[3], types = c[4];
    if (times < 0 || types <= 0 || at + times * (timeSize + 1) + types * 6 > data.size())
        return flags;
    auto isDst = [&](qint64 type) { return type >= 0 && type < types && data[at + times * (timeSize + 1) + type * 6 + 4] != 0; };
    for (qint64 i = 0; i < times; ++i) {
        flags.changes.push_back(number(at + i * timeSize, timeSize));
        flags.flagged.push_back(isDst(static_cast<quint8>(data[at + times * timeSize + i])));
    }
    flags.first = isDst(0);
    return flags;
}

// The database's daylight-saving flag at a UTC instant; Qt's own after the
// file's last change (where the zone's rule string takes over) or without a file.
bool DaylightFlag(const QTimeZone& tz, const QByteArray& zone, const QDateTime& instant)
{
    static QHash<QByteArray, ZoneFlags> read;  // one file a zone, read once
    auto it = read.find(zone);
    if (it == read.end())
        it = read.insert(zone, ReadZoneFlags(zone));
    const ZoneFlags& flags = *it;
    const qint64 utc = instant.toSecsSinceEpoch();
    if (flags.changes.empty() || utc >= flags.changes.back())
        return tz.isDaylightTime(instant);
    const auto next = std::upper_bound(flags.changes.begin(), flags.changes.end(), utc);
    return next == flags.changes.begin() ? flags.first : flags.flagged[static_cast<std::size_t>(next - flags.changes.begin() - 1)];
}

// A zone made once a run: making one looks its name up among all of ICU's.
const QTimeZone& ZoneNamed(const QByteArray& zone)
{
    static QHash<QByteArray, QTimeZone> made;
    const auto found = made.constFind(zone);
    if (found != made.cend())
        return *found;
    if (made.size() >= 1024)
        made.clear();
    return *made.insert(zone, QTimeZone(zone));
}

}  // namespace

ZoneAtDate ZoneAt(const QByteArray& zone, const QDate& date, const QTime& time)
{
    ZoneAtDate at;
    const QTimeZone& tz = ZoneNamed(zone);
    if (!tz.isValid() || !date.isValid() || !time.isValid())
        return at;
    at.known = true;

    // The local time read as if it were UTC; a UTC instant u shows it when
    // u + offset(u) == local. Offsets change only at transitions, so each
    // stretch between them is solved on its own.
    const qint64 local = QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();
    constexpr qint64 Margin = 3 * 86400;  // wider than any offset and any change
    const QDateTime from = QDateTime::fromSecsSinceEpoch(local - Margin, Qt::UTC);
    const QDateTime to = QDateTime::fromSecsSinceEpoch(local + Margin, Qt::UTC);
    std::vector<Stretch> stretches{{std::numeric_limits<qint64>::min(), tz.offsetData(from)}};
    for (const QTimeZone::OffsetData& change : tz.transitions(from, to))
        stretches.push_back({change.atUtc.toSecsSinceEpoch(), change});

    std::vector<std::size_t> solutions;
    for (std::size_t i = 0; i < stretches.size(); ++i) {
        const qint64 utc = local - stretches[i].data.offsetFromUtc;
        const qint64 end = i + 1 < stretches.size() ? stretches[i + 1].start : std::numeric_limits<qint64>::max();
        if (utc >= stretches[i].start && utc < end)
            solutions.push_back(i);
    }

    std::size_t used = 0, other = 0;
    if (solutions.size() == 1) {
        used = other = solutions[0];
    } else if (solutions.size() >= 2) {
        at.localTime = ZoneAtDate::LocalTime::Repeated;
        used = solutions.front();  // the first time it happened
        other = solutions[1];
    } else {
        // Skipped: the change whose old offset puts the time after it and whose
        // new offset before it.
        at.localTime = ZoneAtDate::LocalTime::Skipped;
        for (std::size_t i = 1; i < stretches.size(); ++i) {
            if (local - stretches[i - 1].data.offsetFromUtc >= stretches[i].start &&
                local - stretches[i].data.offsetFromUtc < stretches[i].start) {
                used = i - 1;
                other = i;
                break;
            }
        }
    }
    const QTimeZone::OffsetData& data = stretches[used].data;
    at.offsetSeconds = data.offsetFromUtc;
    at.standardSeconds = data.standardTimeOffset;
    at.daylightSeconds = data.daylightTimeOffset;
    at.otherOffsetSeconds = stretches[other].data.offsetFromUtc;
    // The database's own flag for the stretch; the size of a summer (or
    // winter) time is measured from the last stretch before it that the
    // database does not flag: Moscow's 1919 summer time was 2:00 ahead of its
    // mean time, Dublin's winter time is 1:00 behind its standard time.
    const QDateTime instant = data.atUtc.isValid() ? data.atUtc : from;
    const bool flagged = DaylightFlag(tz, zone, instant);
    if (flagged) {
        QDateTime before = instant;
        for (int step = 0; step < 64; ++step) {  // bound: no zone has so many flagged changes in a row
            const QTimeZone::OffsetData previous = tz.previousTransition(before);
            if (!previous.atUtc.isValid())
                break;
            if (!DaylightFlag(tz, zone, previous.atUtc)) {
                at.standardSeconds = previous.offsetFromUtc;
                at.daylightSeconds = at.offsetSeconds - at.standardSeconds;
                break;
            }
            before = previous.atUtc;
        }
    }
    at.summerTime = flagged && at.daylightSeconds >= 0;
    at.abbreviation = data.abbreviation;
    at.localMeanTime = !at.summerTime && (at.offsetSeconds % 60 != 0 || at.abbreviation == QLatin1String("LMT"));
    // Qt's long names come from today's zones; one is used only where its
    // initials are the database's abbreviation for that time.
    const QString name = tz.displayName(instant, QTimeZone::LongName, QLocale(QLocale::English));
    QString initials;
    for (const QString& word : name.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        initials += word.front();
    if (!at.abbreviation.isEmpty() && initials == at.abbreviation)
        at.zoneName = name;
    return at;
}

namespace {

// An offset as the database gives it, to the second where it has seconds.
QString SecondsText(int offsetSeconds)
{
    return ToQString(UtcOffsetTextWithSeconds(offsetSeconds));
}

// "1:00", "0:20": a length of time in hours and minutes.
QString HoursAndMinutes(int seconds)
{
    const int minutes = (std::abs(seconds) + 30) / 60;
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// What kind of time it was, for the brackets after the offset.
QStringList KindOfTime(const ZoneAtDate& at)
{
    QStringList words;
    const bool lettered = !at.abbreviation.isEmpty() && std::all_of(at.abbreviation.cbegin(), at.abbreviation.cend(),
                                                                     [](QChar c) { return c.isLetter(); });
    if (at.localMeanTime) {
        words << ZoneAtDateText::tr("local mean time");
        if (lettered && at.abbreviation != QLatin1String("LMT"))
            words << at.abbreviation;
        return words;
    }
    if (!at.zoneName.isEmpty())
        words << at.zoneName;
    else if (lettered)
        words << at.abbreviation;
    if (at.daylightSeconds < 0)
        words << ZoneAtDateText::tr("winter time, %1 behind standard time").arg(HoursAndMinutes(at.daylightSeconds));
    else if (at.summerTime && at.daylightSeconds > 0 && at.daylightSeconds != 3600)
        // The DST box holds one hour: the zone boxes carry the whole offset.
        words << ZoneAtDateText::tr("summer time of %1: the zone boxes hold all of %2, DST unticked")
                     .arg(HoursAndMinutes(at.daylightSeconds), SecondsText(at.offsetSeconds));
    else if (at.summerTime && at.daylightSeconds == 0)
        // Summer time the size of which the database does not give: kept whole.
        words << ZoneAtDateText::tr("summer time: the zone boxes hold all of %1, DST unticked").arg(SecondsText(at.offsetSeconds));
    else if (at.summerTime && !words.join(QLatin1Char(' ')).contains(QLatin1String("Summer")) &&
             !words.join(QLatin1Char(' ')).contains(QLatin1String("Daylight")))
        words << ZoneAtDateText::tr("summer time");
    return words;
}

}  // namespace

QString DescribeZoneAt(const QString& place, const QByteArray& zone, const QDate& date, const QTime& time,
                       const ZoneAtDate& at)
{
    const QLocale english(QLocale::English);
    const QString who = place.isEmpty() ? QString::fromUtf8(zone) : place;
    const QString when = ZoneAtDateText::tr("on %1 at %2").arg(english.toString(date, QStringLiteral("d MMMM yyyy")),
                                               time.toString(QStringLiteral("HH:mm")));
    if (!at.known)
        return ZoneAtDateText::tr("%1 %2: the time zone %3 is not known on this computer").arg(who, when, QString::fromUtf8(zone));
    const QStringList kind = KindOfTime(at);
    QString text = ZoneAtDateText::tr("%1: %2 %3").arg(who, SecondsText(at.offsetSeconds), when);
    if (!kind.isEmpty())
        text += ZoneAtDateText::tr(" (%1)").arg(kind.join(QStringLiteral(", ")));
    if (RoundedOffsetMinutes(at.offsetSeconds) * 60 != at.offsetSeconds)
        text += ZoneAtDateText::tr(", taken as %1").arg(ToQString(UtcOffsetText(RoundedOffsetMinutes(at.offsetSeconds))));
    if (at.localTime == ZoneAtDate::LocalTime::Skipped)
        text += ZoneAtDateText::tr(". That time did not exist there: the clocks moved forward from %1 to %2. "
                   "It is taken as the time before the change.")
                    .arg(SecondsText(at.offsetSeconds), SecondsText(at.otherOffsetSeconds));
    else if (at.localTime == ZoneAtDate::LocalTime::Repeated)
        text += ZoneAtDateText::tr(". That time happened twice there: the clocks moved back from %1 to %2. "
                   "The first time is taken.")
                    .arg(SecondsText(at.offsetSeconds), SecondsText(at.otherOffsetSeconds));
    return text;
}
