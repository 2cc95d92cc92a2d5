#include "places/ZoneAtDate.h"

#include <QLocale>
#include <QStringList>
#include <QTimeZone>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

// One stretch of time with one offset: from `start` (UTC seconds) to the next.
struct Stretch {
    qint64 start;
    QTimeZone::OffsetData data;
};

}  // namespace

ZoneAtDate ZoneAt(const QByteArray& zone, const QDate& date, const QTime& time)
{
    ZoneAtDate at;
    const QTimeZone tz(zone);
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
    const bool flagged = tz.isDaylightTime(instant);
    if (flagged) {
        QDateTime before = instant;
        for (int step = 0; step < 64; ++step) {  // bound: no zone has so many flagged changes in a row
            const QTimeZone::OffsetData previous = tz.previousTransition(before);
            if (!previous.atUtc.isValid())
                break;
            if (!tz.isDaylightTime(previous.atUtc)) {
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

int RoundedOffsetSeconds(int offsetSeconds)
{
    const int minutes = (std::abs(offsetSeconds) + 30) / 60;
    return (offsetSeconds < 0 ? -minutes : minutes) * 60;
}

QString OffsetText(int offsetSeconds)
{
    const int seconds = std::abs(offsetSeconds);
    QString text = QStringLiteral("UTC%1%2").arg(offsetSeconds < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")).arg(seconds / 3600);
    if (seconds % 3600 != 0)
        text += QStringLiteral(":%1").arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
    if (seconds % 60 != 0)
        text += QStringLiteral(":%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return text;
}

namespace {

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
        words << QStringLiteral("local mean time");
        if (lettered && at.abbreviation != QLatin1String("LMT"))
            words << at.abbreviation;
        return words;
    }
    if (!at.zoneName.isEmpty())
        words << at.zoneName;
    else if (lettered)
        words << at.abbreviation;
    if (at.daylightSeconds < 0)
        words << QStringLiteral("winter time, %1 behind standard time").arg(HoursAndMinutes(at.daylightSeconds));
    else if (at.summerTime && at.daylightSeconds > 0 && at.daylightSeconds != 3600)
        // The DST box holds one hour: the zone boxes carry the whole offset.
        words << QStringLiteral("summer time of %1: the zone boxes hold all of %2, DST unticked")
                     .arg(HoursAndMinutes(at.daylightSeconds), OffsetText(at.offsetSeconds));
    else if (at.summerTime && !words.join(QLatin1Char(' ')).contains(QLatin1String("Summer")) &&
             !words.join(QLatin1Char(' ')).contains(QLatin1String("Daylight")))
        words << QStringLiteral("summer time");
    return words;
}

}  // namespace

QString DescribeZoneAt(const QString& place, const QByteArray& zone, const QDate& date, const QTime& time,
                       const ZoneAtDate& at)
{
    const QLocale english(QLocale::English);
    const QString who = place.isEmpty() ? QString::fromUtf8(zone) : place;
    const QString when = QStringLiteral("on %1 at %2").arg(english.toString(date, QStringLiteral("d MMMM yyyy")),
                                                          time.toString(QStringLiteral("HH:mm")));
    if (!at.known)
        return QStringLiteral("%1 %2: the time zone %3 is not known on this computer").arg(who, when, QString::fromUtf8(zone));
    const QStringList kind = KindOfTime(at);
    QString text = QStringLiteral("%1: %2 %3").arg(who, OffsetText(at.offsetSeconds), when);
    if (!kind.isEmpty())
        text += QStringLiteral(" (%1)").arg(kind.join(QStringLiteral(", ")));
    if (RoundedOffsetSeconds(at.offsetSeconds) != at.offsetSeconds)
        text += QStringLiteral(", taken as %1").arg(OffsetText(RoundedOffsetSeconds(at.offsetSeconds)));
    if (at.localTime == ZoneAtDate::LocalTime::Skipped)
        text += QStringLiteral(". That time did not exist there: the clocks moved forward from %1 to %2. "
                               "It is taken as the time before the change.")
                    .arg(OffsetText(at.offsetSeconds), OffsetText(at.otherOffsetSeconds));
    else if (at.localTime == ZoneAtDate::LocalTime::Repeated)
        text += QStringLiteral(". That time happened twice there: the clocks moved back from %1 to %2. "
                               "The first time is taken.")
                    .arg(OffsetText(at.offsetSeconds), OffsetText(at.otherOffsetSeconds));
    return text;
}

ClockAt ClockAtInstant(const QByteArray& zone, qint64 utcSeconds)
{
    ClockAt clock;
    const QTimeZone tz(zone);
    if (!tz.isValid())
        return clock;
    const QDateTime at = QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc());
    clock.known = true;
    clock.offsetSeconds = RoundedOffsetSeconds(tz.offsetFromUtc(at));
    clock.abbreviation = tz.abbreviation(at);
    return clock;
}
