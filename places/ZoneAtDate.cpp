#include "places/ZoneAtDate.h"

#include "base/QtStdText.h"
#include "core/CivilCalendar.h"
#include "core/ClockText.h"
#include "language/ShownDates.h"
#include "places/ZoneHistory.h"
#include "places/ZoneLongNames.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

namespace {

// The messages in the program's language (the reading tool, which loads no
// translation, keeps them English).
struct ZoneAtDateText {
    Q_DECLARE_TR_FUNCTIONS(ZoneAtDateText)
};

}  // namespace


namespace {

// The zone's long name for a time with the abbreviation `abbreviation`, its
// summer name where `summer`. The names are today's: one is taken only where
// its initials are that abbreviation (London's "BST" of January 1969 was
// British Standard Time, not today's British Summer Time).
QString LongNameFor(const QByteArray& zone, const QString& abbreviation, bool summer)
{
    const ZoneLongNames names = LongNamesOf(StdView(zone));
    const std::string_view name = summer ? names.daylight : names.standard;
    const QString text = ToQString(name);
    QString initials;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        initials += word.front();
    return !abbreviation.isEmpty() && initials == abbreviation ? text : QString();
}

// The standard time a flagged stretch is measured from: the last unflagged
// one before it, else the first after it. Bound: no zone has 64 flagged
// stretches in a row.
std::optional<ZoneStretch> StandardAround(const ZoneHistory& history, const ZoneStretch& flagged)
{
    ZoneStretch s = flagged;
    for (int step = 0; step < 64 && s.start != std::numeric_limits<std::int64_t>::min(); ++step) {
        s = history.At(s.start - 1);
        if (!s.daylight)
            return s;
    }
    const std::int64_t year = 366 * 86400;
    for (const ZoneStretch& next : history.ChangesIn(flagged.start, flagged.start + 64 * year))
        if (!next.daylight)
            return next;
    return std::nullopt;
}

}  // namespace

ZoneAtDate ZoneAt(const QByteArray& zone, const QDate& date, const QTime& time)
{
    ZoneAtDate at;
    const auto history = ZoneHistory::Of(StdView(zone));
    if (!history || !date.isValid() || !time.isValid())
        return at;
    at.known = true;

    // The local time read as if it were UTC; a UTC instant u shows it when
    // u + offset(u) == local. Offsets change only at the stretches' starts,
    // so each stretch is solved on its own.
    const std::int64_t local = static_cast<std::int64_t>(DaysFromCivil({date.year(), date.month(), date.day()})) * 86400 +
                               time.hour() * 3600 + time.minute() * 60 + time.second();
    constexpr std::int64_t Margin = 3 * 86400;  // wider than any offset and any change
    std::vector<ZoneStretch> stretches{history->At(local - Margin)};
    for (ZoneStretch& change : history->ChangesIn(local - Margin, local + Margin))
        stretches.push_back(std::move(change));

    std::vector<std::size_t> solutions;
    for (std::size_t i = 0; i < stretches.size(); ++i) {
        const std::int64_t utc = local - stretches[i].offsetSeconds;
        const std::int64_t end = i + 1 < stretches.size() ? stretches[i + 1].start : std::numeric_limits<std::int64_t>::max();
        if ((i == 0 || utc >= stretches[i].start) && utc < end)
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
            if (local - stretches[i - 1].offsetSeconds >= stretches[i].start &&
                local - stretches[i].offsetSeconds < stretches[i].start) {
                used = i - 1;
                other = i;
                break;
            }
        }
    }
    const ZoneStretch& stretch = stretches[used];
    at.offsetSeconds = stretch.offsetSeconds;
    at.standardSeconds = stretch.offsetSeconds;
    at.otherOffsetSeconds = stretches[other].offsetSeconds;
    // The database's own flag for the stretch; the size of a summer (or
    // winter) time is measured from the standard time around it: Moscow's
    // 1919 summer time was 2:00 ahead of its mean time, Dublin's winter time
    // is 1:00 behind its standard time.
    if (stretch.daylight) {
        const std::optional<ZoneStretch> standard = StandardAround(*history, stretch);
        at.standardSeconds = standard ? standard->offsetSeconds : stretch.offsetSeconds;
    }
    at.daylightSeconds = at.offsetSeconds - at.standardSeconds;
    at.summerTime = stretch.daylight && at.daylightSeconds >= 0;
    at.abbreviation = QString::fromStdString(stretch.abbreviation);
    at.localMeanTime = !at.summerTime && (at.offsetSeconds % 60 != 0 || at.abbreviation == QLatin1String("LMT"));
    // The half of the year the names call summer: summer time, or the time
    // before a winter time (Dublin's IST, its standard time since 1971).
    bool summerHalf = at.summerTime;
    if (!stretch.daylight) {
        const std::int64_t from = stretch.start == std::numeric_limits<std::int64_t>::min() ? local - Margin : stretch.start;
        const std::vector<ZoneStretch> next = history->ChangesIn(from, from + 400 * 86400);
        summerHalf = !next.empty() && next.front().daylight && next.front().offsetSeconds < at.offsetSeconds;
    }
    at.zoneName = LongNameFor(zone, at.abbreviation, summerHalf);
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
    const QString who = place.isEmpty() ? QString::fromUtf8(zone) : place;
    const QString when = ZoneAtDateText::tr("on %1 at %2").arg(ShownDay({date.year(), date.month(), date.day()}),
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
