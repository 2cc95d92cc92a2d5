#include "places/ZoneAtDate.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

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
    return at;
}

QString OffsetText(int offsetSeconds)
{
    const int minutes = std::abs(offsetSeconds) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(offsetSeconds < 0 ? QStringLiteral("\u2212") : QStringLiteral("+"))
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString DescribeZoneAt(const QByteArray& zone, const QDate& date, const QTime& time, const ZoneAtDate& at)
{
    const QLocale english(QLocale::English);
    const QString when = QStringLiteral("%1 on %2 at %3")
                             .arg(QString::fromUtf8(zone), english.toString(date, QStringLiteral("d MMMM yyyy")),
                                  time.toString(QStringLiteral("HH:mm")));
    if (!at.known)
        return QStringLiteral("%1: the time zone is not known on this computer").arg(when);
    QString kind;
    if (at.daylightSeconds == 3600)
        kind = QStringLiteral(" (summer time)");
    else if (at.daylightSeconds != 0)
        kind = QStringLiteral(" (summer time, %1 ahead of standard time)").arg(OffsetText(at.daylightSeconds).mid(4));
    QString text = QStringLiteral("%1: %2%3").arg(when, OffsetText(at.offsetSeconds), kind);
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

std::vector<ZoneOffsetChange> ZoneChangesOver(const QByteArray& zone, qint64 fromUtcSeconds, qint64 toUtcSeconds)
{
    std::vector<ZoneOffsetChange> changes;
    const QTimeZone tz(zone);
    if (!tz.isValid())
        return changes;
    const QDateTime from = QDateTime::fromSecsSinceEpoch(fromUtcSeconds, Qt::UTC);
    changes.push_back({fromUtcSeconds, tz.offsetFromUtc(from)});
    if (tz.hasTransitions()) {
        for (const QTimeZone::OffsetData& t :
             tz.transitions(from.addSecs(1), QDateTime::fromSecsSinceEpoch(toUtcSeconds, Qt::UTC)))
            changes.push_back({t.atUtc.toSecsSinceEpoch(), t.offsetFromUtc});
    }
    return changes;
}
