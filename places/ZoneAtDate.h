#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

#include <vector>

// The clocks of a place at a local date and time, from the system's IANA
// time-zone database with its whole history (summer, double summer and war
// time, changes of zone).
struct ZoneAtDate {
    enum class LocalTime {
        Normal,    // the time happened once
        Skipped,   // it did not exist: the clocks moved forward over it
        Repeated,  // it happened twice: the clocks moved back over it
    };

    bool known = false;         // the zone is in the database
    int offsetSeconds = 0;      // total offset from universal time, East positive
    int standardSeconds = 0;    // its standard part
    int daylightSeconds = 0;    // its summer-time part (0 when none; negative for winter time)
    bool summerTime = false;    // the database flags daylight-saving time, and it is not behind standard time
    bool localMeanTime = false; // before the place kept standard time: an offset in seconds, or "LMT"
    QString abbreviation;       // the database's, e.g. "CDT", "CEMT"; "+01" where it has none
    QString zoneName;           // e.g. "Central Daylight Time", where it agrees with the abbreviation
    LocalTime localTime = LocalTime::Normal;
    int otherOffsetSeconds = 0; // Skipped/Repeated: the offset after the change
};

// ZoneAt — the offset in force at a local date and time
// Notes: a time that did not exist, or that happened twice, is taken with the
//        offset in force before the change: the clocks still showed that time
//        in the old reckoning (Skipped), or showed it first (Repeated).
ZoneAtDate ZoneAt(const QByteArray& zone, const QDate& date, const QTime& time);

// What was used, in words, e.g. "Springfield, Illinois: UTC−5 on 1 June 1969
// at 12:00 (Central Daylight Time)"; `place` is the place's name, or the
// zone's when empty. Winter time, local mean time, and summer time of more
// than the one hour the form's DST box holds are said, and a time that did
// not exist or happened twice gets a sentence.
QString DescribeZoneAt(const QString& place, const QByteArray& zone, const QDate& date, const QTime& time,
                       const ZoneAtDate& at);
