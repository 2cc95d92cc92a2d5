// The place finder's answers: the place a person means by what they type,
// the near names when nothing matches; and for births whose clocks history
// remembers, the offset that day (from the time-zone database), the form's
// boxes and words, and a reading equal to the one typed by hand for the same
// universal time.
#include "core/modEphemeris.h"
#include "core/BirthMoment.h"
#include "core/ClockText.h"
#include "places/PlaceFill.h"
#include "places/ZoneClocks.h"
#include "core/BirthForm.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QStringList>

#include <iterator>

namespace {

struct HistoricalBirth {
    const char* city;
    const char* state;
    const char* country;
    QDate date;
    QTime time;
    const char* zone;
    int offsetMinutes;  // total, East positive
    ZoneAtDate::LocalTime localTime;
    const char* zoneHours;  // the form's boxes and tick
    const char* zoneMinutes;
    bool dst;
};

const HistoricalBirth Births[] = {
    // British Standard Time: one hour ahead all year, West of Greenwich.
    {"London", "", "United Kingdom", {1969, 1, 15}, {12, 0}, "Europe/London", 60, ZoneAtDate::LocalTime::Normal, "-1", "0", false},
    // Double summer time: the whole offset, no tick.
    {"Berlin", "", "Germany", {1945, 6, 1}, {12, 0}, "Europe/Berlin", 180, ZoneAtDate::LocalTime::Normal, "3", "0", false},
    {"Kolkata", "", "India", {1943, 6, 1}, {12, 0}, "Asia/Kolkata", 390, ZoneAtDate::LocalTime::Normal, "5", "30", true},
    {"Kathmandu", "", "Nepal", {1990, 1, 1}, {12, 0}, "Asia/Kathmandu", 345, ZoneAtDate::LocalTime::Normal, "5", "45", false},
    {"Madrid", "", "Spain", {1975, 7, 1}, {12, 0}, "Europe/Madrid", 120, ZoneAtDate::LocalTime::Normal, "-1", "0", true},
    {"New York", "", "United States", {1950, 7, 1}, {12, 0}, "America/New_York", -240, ZoneAtDate::LocalTime::Normal, "5", "0", true},
    {"Beirut", "", "Lebanon", {1987, 3, 21}, {12, 0}, "Asia/Beirut", 120, ZoneAtDate::LocalTime::Normal, "2", "0", false},
    // Clocks forward over 02:30: taken with the offset before the change.
    {"Paris", "", "France", {1986, 3, 30}, {2, 30}, "Europe/Paris", 60, ZoneAtDate::LocalTime::Skipped, "1", "0", false},
    // Clocks back over 01:30: the first time it happened.
    {"New York", "", "", {2008, 11, 2}, {1, 30}, "America/New_York", -240, ZoneAtDate::LocalTime::Repeated, "5", "0", true},
    // The typed state or country decides between two Chathams.
    {"Chatham", "", "United Kingdom", {2000, 1, 1}, {12, 0}, "Europe/London", 0, ZoneAtDate::LocalTime::Normal, "0", "0", false},
    {"Chatham", "Ontario", "", {2000, 1, 1}, {12, 0}, "America/Toronto", -300, ZoneAtDate::LocalTime::Normal, "5", "0", false},
};

BirthFormValues Form(const QDate& date, const QTime& time, const PlaceFill& fill, const std::string& zoneHours,
                     const std::string& zoneMinutes, bool dst)
{
    BirthFormValues form;
    form.name = "x";
    form.monthIndex = date.month() - 1;
    form.dayIndex = date.day() - 1;
    form.day = std::to_string(date.day());
    form.year = std::to_string(date.year());
    form.hour = std::to_string(time.hour());
    form.minute = std::to_string(time.minute());
    form.lonDegrees = std::to_string(fill.longitudeDegrees);
    form.lonMinutes = std::to_string(fill.longitudeMinutes);
    form.latDegrees = std::to_string(fill.latitudeDegrees);
    form.latMinutes = std::to_string(fill.latitudeMinutes);
    form.east = fill.east;
    form.north = fill.north;
    form.zoneHours = zoneHours;
    form.zoneMinutes = zoneMinutes;
    form.dst = dst;
    return form;
}

std::string Reading(const BirthFormValues& form)
{
    EXPECT_EQ(ValidateBirthData(form), BirthFormCheck::Passed);
    const ChartInputsResult inputs = ChartInputsFromForm(form, ChartRecord{});
    EXPECT_FALSE(inputs.failed.has_value());
    ChartRecord chart = inputs.chart;
    modEphemeris::ComputeMoonPosition(chart);
    return chart.MoonPositionText;
}

TEST(PlacesTest, HistoricalOffsetsFillTheFormForTheRightInstant)
{
    for (const HistoricalBirth& b : Births) {
        SCOPED_TRACE(std::string(b.city) + " " + b.date.toString(Qt::ISODate).toStdString());
        const QList<Place> found = FindPlaces(QString::fromUtf8(b.city), QString::fromUtf8(b.state), QString::fromUtf8(b.country)).places;
        ASSERT_FALSE(found.isEmpty());
        const Place& place = found.first();
        EXPECT_EQ(place.zone, QByteArray(b.zone));

        const PlaceFill fill = FillForPlace(place, b.date, b.time);
        EXPECT_TRUE(fill.zoneAt.known);
        EXPECT_EQ(fill.zoneAt.offsetSeconds, b.offsetMinutes * 60);
        EXPECT_EQ(fill.zoneAt.localTime, b.localTime);
        EXPECT_EQ(fill.zoneHours.toStdString(), b.zoneHours);
        EXPECT_EQ(fill.zoneMinutes.toStdString(), b.zoneMinutes);
        EXPECT_EQ(fill.dst, b.dst);
        EXPECT_TRUE(fill.description.contains(QString::fromStdString(UtcOffsetText(b.offsetMinutes)))) << fill.description.toStdString();

        // The same universal time typed by hand, with zone 0.
        const QDateTime ut = QDateTime(b.date, b.time, Qt::UTC).addSecs(-b.offsetMinutes * 60);
        EXPECT_EQ(Reading(Form(b.date, b.time, fill, b.zoneHours, b.zoneMinutes, b.dst)),
                  Reading(Form(ut.date(), ut.time(), fill, "0", "0", false)));
    }
}

// What people type, and the place they mean: the first of the list.
struct Typed {
    const char* city;
    const char* state;
    const char* country;
    const char* name;         // the list's name of the place meant
    const char* countryCode;
    const char* stateCode;    // GeoNames admin1
    const char* matchedName;  // the other name shown beside it, or ""
};

const Typed Queries[] = {
    // Country and state codes and short forms: whole codes, never letters
    // inside another name ("us" in "Australia").
    {"Paris, TX", "", "", "Paris", "US", "TX", ""},
    {"Paris", "TX", "", "Paris", "US", "TX", ""},
    {"Melbourne, US", "", "", "Melbourne", "US", "FL", ""},
    {"Melbourne", "", "US", "Melbourne", "US", "FL", ""},
    {"Melbourne, Australia", "", "", "Melbourne", "AU", "07", ""},
    {"Melbourne, VIC", "", "", "Melbourne", "AU", "07", ""},
    {"Athens, GA", "", "", "Athens", "US", "GA", ""},
    {"Rome, GA", "", "", "Rome", "US", "GA", ""},
    {"Columbus, GA", "", "", "Columbus", "US", "GA", ""},
    {"Portland, ME", "", "", "Portland", "US", "ME", ""},
    {"Alexandria, VA", "", "", "Alexandria", "US", "VA", ""},
    {"Moscow, USA", "", "", "Moscow", "US", "ID", ""},
    {"Moscow", "ID", "USA", "Moscow", "US", "ID", ""},
    {"Washington, DC, USA", "", "", "Washington D.C.", "US", "DC", ""},
    {"Washington, D.C.", "", "", "Washington D.C.", "US", "DC", ""},
    {"London, ON", "", "", "London", "CA", "08", ""},
    {"London", "Ontario", "Canada", "London", "CA", "08", ""},
    {"London, UK", "", "", "London", "GB", "ENG", ""},
    {"London", "", "GBR", "London", "GB", "ENG", ""},
    {"London", "", "United Kingdom", "London", "GB", "ENG", ""},
    {"Chatham", "Kent", "United Kingdom", "Chatham", "GB", "ENG", ""},  // a county: the country decides
    {"Vancouver, BC", "", "", "Vancouver", "CA", "02", ""},
    {"Vancouver, WA", "", "", "Vancouver", "US", "WA", ""},
    {"Newcastle, NSW", "", "", "Newcastle", "AU", "02", ""},
    {"Perth, WA", "", "", "Perth", "AU", "08", ""},
    {"Perth, Scotland", "", "", "Perth", "GB", "SCT", ""},
    {"Dubai, UAE", "", "", "Dubai", "AE", "03", ""},
    {"Berlin, DE", "", "", "Berlin", "DE", "16", ""},
    {"Berlin", "", "DEU", "Berlin", "DE", "16", ""},
    {"Springfield, IL", "", "", "Springfield", "US", "IL", ""},
    {"Springfield, MA", "", "", "Springfield", "US", "MA", ""},
    {"Birmingham, AL", "", "", "Birmingham", "US", "AL", ""},
    {"Manchester, NH", "", "", "Manchester", "US", "NH", ""},
    {"Halifax, NS", "", "", "Halifax", "CA", "07", ""},
    {"Saint Louis, MO", "", "", "St Louis", "US", "MO", ""},
    {"St. Louis", "", "", "St Louis", "US", "MO", ""},
    // Other names: the catalogues' languages, and former and English names.
    {"Mecca", "", "", "Makkah al Mukarramah", "SA", "14", "Mecca"},
    {"München", "", "", "Munich", "DE", "02", "München"},
    {"Munchen", "", "", "Munich", "DE", "02", "München"},
    {"Calcutta", "", "", "Kolkata", "IN", "28", "Calcutta"},
    {"Bombay", "", "", "Mumbai", "IN", "16", "Bombay"},
    {"Madras", "", "", "Chennai", "IN", "25", "Madras"},
    {"Kiev", "", "", "Kyiv", "UA", "12", "Kiev"},
    {"Lisboa", "", "", "Lisbon", "PT", "14", "Lisboa"},
    {"Peking", "", "", "Beijing", "CN", "22", "Peking"},
    {"Saigon", "", "", "Ho Chi Minh City", "VN", "20", "Saigon"},
    {"Rangoon", "", "", "Yangon", "MM", "17", "Rangoon"},
    {"Constantinople", "", "", "Istanbul", "TR", "34", "Constantinople"},
    {"Roma", "", "", "Rome", "IT", "07", "Roma"},
    {"Wien", "", "", "Vienna", "AT", "09", "Wien"},
    {"Köln", "", "", "Cologne", "DE", "07", "Köln"},
    {"Firenze", "", "", "Florence", "IT", "16", "Firenze"},
    {"Den Haag", "", "", "The Hague", "NL", "11", "Den Haag"},
    {"Praha", "", "", "Prague", "CZ", "52", "Praha"},
    {"Москва", "", "", "Moscow", "RU", "48", "Москва"},
    {"孟買", "", "", "Mumbai", "IN", "16", "孟買"},  // Chinese as written in Taiwan (the zh_TW catalogue)
    {"Leningrad", "", "", "Saint Petersburg", "RU", "66", "Leningrad"},
    {"Bangalore", "", "", "Bengaluru", "IN", "19", "Bangalore"},
    // Former names and short forms, with the list's own names of the places.
    {"Stalingrad", "", "", "Volgograd", "RU", "84", "Stalingrad"},
    {"Gorky", "", "", "Nizhny Novgorod", "RU", "51", "Gorky"},
    {"Sverdlovsk", "", "", "Yekaterinburg", "RU", "71", "Sverdlovsk"},
    {"Karl-Marx-Stadt", "", "", "Chemnitz", "DE", "13", "Karl-Marx-Stadt"},
    {"Leopoldville", "", "", "Kinshasa", "CD", "06", "Léopoldville"},
    {"Lemberg", "", "", "Lviv", "UA", "15", "Lemberg"},
    {"Pressburg", "", "", "Bratislava", "SK", "02", "Pressburg"},
    {"Konigsberg", "", "", "Kaliningrad", "RU", "23", "Königsberg"},
    {"Danzig", "", "", "Gdansk", "PL", "82", "Danzig"},
    {"Breslau", "", "", "Wroclaw", "PL", "72", "Breslau"},
    {"NYC", "", "", "New York", "US", "NY", "NYC"},
    {"LA", "", "", "Los Angeles", "US", "CA", "LA"},
    {"Sao Paulo", "", "", "São Paulo", "BR", "27", ""},
    {"Mumbai", "Maharashtra", "India", "Mumbai", "IN", "16", ""},
    {"Munich", "Bayern", "Deutschland", "Munich", "DE", "02", ""},
    // A name in another language of a place ten times larger than a namesake's.
    {"Canton", "", "", "Guangzhou", "CN", "30", "Canton"},
    {"Sevilla", "", "", "Seville", "ES", "51", "Sevilla"},
    // Capitals and seats of states before larger or exact namesakes.
    {"Washington", "", "", "Washington D.C.", "US", "DC", ""},
    {"Santiago", "", "", "Santiago", "CL", "12", ""},
    {"Springfield", "", "", "Springfield", "US", "IL", ""},
    {"Columbus", "", "", "Columbus", "US", "OH", ""},
    {"Kingston", "", "", "Kingston", "JM", "17", ""},
    {"Paris", "", "", "Paris", "FR", "11", ""},
    {"Athens", "", "", "Athens", "GR", "ESYE31", ""},
    {"Moscow", "", "", "Moscow", "RU", "48", ""},
    {"Birmingham", "", "", "Birmingham", "GB", "ENG", ""},
    {"Alexandria", "", "", "Alexandria", "EG", "06", ""},
    {"York", "", "", "York", "GB", "ENG", ""},
    {"New York", "", "", "New York", "US", "NY", ""},
    {"San Juan", "", "", "San Juan", "PR", "127", ""},  // the capital before a larger San Juan, Argentina
    {"Dover", "", "", "Dover", "US", "DE", ""},         // a state's seat before a larger Dover, England
    {"Victoria", "", "", "Victoria", "CA", "02", ""},    // a province's seat before the capital of 23,000
    {"Hamilton", "", "", "Hamilton", "CA", "08", ""},    // not the capital of 902 people
    // "City, Country" in the one box.
    {"Paris, France", "", "", "Paris", "FR", "11", ""},
    {"Sydney, Australia", "", "", "Sydney", "AU", "02", ""},
    {"Frankfurt, Germany", "", "", "Frankfurt am Main", "DE", "05", ""},
    {"Cordoba, Argentina", "", "", "Córdoba", "AR", "05", ""},
    {"Córdoba, Spain", "", "", "Córdoba", "ES", "51", ""},
    {"Santiago, Spain", "", "", "Santiago de Compostela", "ES", "58", ""},
    {"San Jose, CA", "", "", "San Jose", "US", "CA", ""},
    {"San José, Costa Rica", "", "", "San José", "CR", "08", ""},
    // Parts in City and the boxes together.
    {"Springfield, IL", "", "USA", "Springfield", "US", "IL", ""},
    {"Springfield, USA", "Massachusetts", "", "Springfield", "US", "MA", ""},
    {"London, , UK", "", "", "London", "GB", "ENG", ""},
};

TEST(PlacesTest, TypedPlacesFindThePlaceMeant)
{
    static_assert(std::size(Queries) >= 60);
    for (const Typed& q : Queries) {
        SCOPED_TRACE(std::string(q.city) + " | " + q.state + " | " + q.country);
        const PlaceSearch search = FindPlaces(QString::fromUtf8(q.city), QString::fromUtf8(q.state), QString::fromUtf8(q.country));
        ASSERT_EQ(search.status, PlaceSearch::Status::Found) << SearchMessage(search).toStdString();
        const Place& p = search.places.first();
        EXPECT_EQ(p.name.toStdString(), q.name);
        EXPECT_EQ(p.countryCode.toStdString(), q.countryCode);
        EXPECT_EQ(p.stateCode.toStdString(), q.stateCode);
        EXPECT_EQ(p.matchedName.toStdString(), q.matchedName);
    }
}

// A misspelling, a place the list lacks, or a typed state or country that
// none of the places of that name lie in: no place, the nearest names instead.
TEST(PlacesTest, NothingMatchesSaysSoWithTheNearestNames)
{
    const struct {
        const char* city;
        const char* state;
        const char* country;
        const char* message;
        const char* first;  // the first suggestion's list name, or ""
    } cases[] = {
        {"Lodnon", "", "", "No place called Lodnon. Did you mean London, England; London, Ontario or Lādnūn, India?", "London"},
        {"Pariss", "", "", "No place called Pariss. Did you mean Paris, France; Paris, Texas or Larissa, Greece?", "Paris"},
        {"Mosow", "", "", "No place called Mosow. Did you mean Moscow, Russia; Moscow, Idaho or Mosul, Iraq?", "Moscow"},
        {"London, Texas", "", "", "No place called London, Texas. Did you mean London, England; London, Ontario or Ondo, Nigeria?", "London"},
        {"Paris", "Ontario", "", "No place called Paris, Ontario. Did you mean Paris, France; Paris, Texas or Parys, South Africa?", "Paris"},
        {"Melbourne", "", "Austria", "No place called Melbourne, Austria. Did you mean Melbourne, Victoria; Melbourne, Florida or Cleburne, Texas?", "Melbourne"},
        {"Springfield, XX", "", "", "No place called Springfield, XX. Did you mean Springfield, Missouri; Springfield, Massachusetts or Springfield, Illinois?", "Springfield"},
        {"Xqzzyville", "", "", "No place called Xqzzyville.", ""},
        // Every part of City names something, or no place is found.
        {"Paris, TX, US, Earth", "", "", "No place called Paris, TX, US, Earth. Did you mean Paris, Texas; Paris, France or Parys, South Africa?", "Paris"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.city);
        const PlaceSearch search = FindPlaces(QString::fromUtf8(c.city), QString::fromUtf8(c.state), QString::fromUtf8(c.country));
        EXPECT_EQ(search.status, PlaceSearch::Status::NoMatch);
        EXPECT_TRUE(search.places.isEmpty());
        EXPECT_LE(search.suggestions.size(), 3);
        EXPECT_EQ(SearchMessage(search).toStdString(), c.message);
        EXPECT_EQ(search.suggestions.isEmpty() ? std::string() : search.suggestions.first().name.toStdString(), c.first);
    }
}

// The other spellings of letters people cannot type: ß as ss, an umlaut as
// its vowel and e, ø and å as their plain letters; and a city of no letters,
// which is said to be empty rather than searched.
TEST(PlacesTest, OtherSpellingsFindThePlaceMeant)
{
    const struct {
        const char* typed;
        const char* name;  // the list's name of the place meant
        const char* countryCode;
    } cases[] = {
        {"Strassburg", "Strasbourg", "FR"}, {"Straßburg", "Strasbourg", "FR"}, {"Muenchen", "Munich", "DE"},
        {"München", "Munich", "DE"},         {"Koeln", "Cologne", "DE"},        {"Köln", "Cologne", "DE"},
        {"Zuerich", "Zurich", "CH"},         {"Zürich", "Zurich", "CH"},        {"Duesseldorf", "Düsseldorf", "DE"},
        {"Düsseldorf", "Düsseldorf", "DE"},  {"Goettingen", "Göttingen", "DE"}, {"Göttingen", "Göttingen", "DE"},
        {"Malmoe", "Malmo", "SE"},           {"Malmö", "Malmo", "SE"},          {"Aarhus", "Aarhus", "DK"},
        {"Århus", "Aarhus", "DK"},           {"Tromsø", "Tromsø", "NO"},        {"Tromso", "Tromsø", "NO"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const PlaceSearch search = FindPlaces(QString::fromUtf8(c.typed));
        ASSERT_EQ(search.status, PlaceSearch::Status::Found) << SearchMessage(search).toStdString();
        EXPECT_EQ(search.places.first().name.toStdString(), c.name);
        EXPECT_EQ(search.places.first().countryCode.toStdString(), c.countryCode);
    }
    for (const char* empty : {"", "   ", " , TX", "...", "\u2019"}) {
        SCOPED_TRACE(empty);
        const PlaceSearch search = FindPlaces(QString::fromUtf8(empty));
        EXPECT_EQ(search.status, PlaceSearch::Status::EmptyName);
        EXPECT_TRUE(search.places.isEmpty() && search.suggestions.isEmpty());
        EXPECT_EQ(SearchMessage(search), QStringLiteral("The place name is empty."));
    }
}

TEST(PlacesTest, CityMatchesWholeWordsOnly)
{
    auto names = [](const char* city) {
        QStringList found;
        for (const Place& p : FindPlaces(QString::fromUtf8(city)).places)
            found << p.name;
        return found;
    };
    // A word inside a name, after the names that equal or begin with it.
    const QStringList york = names("York");
    EXPECT_TRUE(york.contains(QStringLiteral("New York")));
    EXPECT_LT(york.indexOf(QStringLiteral("York")), york.indexOf(QStringLiteral("New York")));
    // Not the beginning of a word: "Wien" is not "Wiener Neustadt", "Lond" not London.
    EXPECT_FALSE(names("Wien").contains(QStringLiteral("Wiener Neustadt")));
    EXPECT_EQ(FindPlaces(QStringLiteral("Lond")).status, PlaceSearch::Status::NoMatch);
    // A country code never matches letters inside a country's name.
    for (const Place& p : FindPlaces(QStringLiteral("Melbourne"), {}, QStringLiteral("US")).places.mid(0, 2))
        EXPECT_EQ(p.countryCode, QStringLiteral("US"));
}

TEST(PlacesTest, NamesAsShown)
{
    const QList<Place> bombay = FindPlaces(QStringLiteral("Bombay")).places;
    const QList<Place> texas = FindPlaces(QStringLiteral("Paris, TX")).places;
    const QList<Place> france = FindPlaces(QStringLiteral("Paris")).places;
    ASSERT_FALSE(bombay.isEmpty() || texas.isEmpty() || france.isEmpty());
    const Place& mumbai = bombay.first();
    EXPECT_EQ(ShownName(mumbai), QStringLiteral("Mumbai (Bombay)"));
    EXPECT_EQ(FullName(mumbai), QStringLiteral("Mumbai, Maharashtra, India"));
    const Place& paris = texas.first();
    EXPECT_EQ(FullName(paris), QStringLiteral("Paris, Texas, United States of America"));
    EXPECT_EQ(ShortName(paris), QStringLiteral("Paris, Texas"));
    EXPECT_EQ(ShortName(france.first()), QStringLiteral("Paris, France"));
}

// Where the place list cannot be loaded, that is said, never "no place".
// Runs as PlacesTestWithoutPlaceList, with a file that is not a place index
// given in its place.
TEST(PlacesTest, PlaceListUnavailable)
{
    const PlaceSearch search = FindPlaces(QStringLiteral("London"));
    if (search.status != PlaceSearch::Status::ListUnavailable)
        GTEST_SKIP() << "the place list loads here";
    EXPECT_TRUE(search.places.isEmpty());
    EXPECT_TRUE(search.suggestions.isEmpty());
    const QString message = SearchMessage(search);
    EXPECT_EQ(message, QStringLiteral("The place index could not be read: places.index is not a Qamarel place index"));
}

// The zone at a date in the database's own terms: negative summer time is
// winter time, double summer time is said as the boxes hold it, a local mean
// time is rounded to the nearest minute.
struct ZoneCase {
    const char* label;
    const char* zone;
    QDate date;
    QTime time;
    bool east;
    int offsetSeconds;
    bool summerTime;
    int daylightSeconds;
    const char* zoneHours;
    const char* zoneMinutes;
    bool dst;
    const char* words;  // the whole description
};

const ZoneCase Zones[] = {
    {"Dublin, Ireland", "Europe/Dublin", {2000, 1, 15}, {12, 0}, false, 0, false, -3600, "0", "0", false,
     "Dublin, Ireland: UTC+0 on 15 January 2000 at 12:00 (Greenwich Mean Time, winter time, 1:00 behind standard time)"},
    {"Dublin, Ireland", "Europe/Dublin", {2000, 7, 15}, {12, 0}, false, 3600, false, 0, "-1", "0", false,
     "Dublin, Ireland: UTC+1 on 15 July 2000 at 12:00 (Irish Standard Time)"},
    {"Windhoek, Namibia", "Africa/Windhoek", {1994, 7, 1}, {12, 0}, true, 3600, false, -3600, "1", "0", false,
     "Windhoek, Namibia: UTC+1 on 1 July 1994 at 12:00 (WAT, winter time, 1:00 behind standard time)"},
    {"Casablanca, Morocco", "Africa/Casablanca", {2020, 5, 1}, {12, 0}, false, 0, false, -3600, "0", "0", false,
     "Casablanca, Morocco: UTC+0 on 1 May 2020 at 12:00 (winter time, 1:00 behind standard time)"},
    {"Casablanca, Morocco", "Africa/Casablanca", {2020, 7, 1}, {12, 0}, false, 3600, false, 0, "-1", "0", false,
     "Casablanca, Morocco: UTC+1 on 1 July 2020 at 12:00"},
    // Double summer time: the whole offset in the boxes, and the words say so.
    {"Berlin, Germany", "Europe/Berlin", {1945, 6, 1}, {12, 0}, true, 10800, true, 7200, "3", "0", false,
     "Berlin, Germany: UTC+3 on 1 June 1945 at 12:00 (CEMT, summer time of 2:00: the zone boxes hold all of UTC+3, DST unticked)"},
    // Summer time of less than an hour is no DST box either: Accra's 20
    // minutes, Lord Howe Island's half hour.
    {"Accra, Ghana", "Africa/Accra", {1936, 10, 1}, {12, 0}, false, 1200, true, 1200, "-0", "-20", false,
     "Accra, Ghana: UTC+0:20 on 1 October 1936 at 12:00 (summer time of 0:20: the zone boxes hold all of UTC+0:20, DST unticked)"},
    {"Lord Howe Island", "Australia/Lord_Howe", {2000, 1, 15}, {12, 0}, true, 39600, true, 1800, "11", "0", false,
     "Lord Howe Island: UTC+11 on 15 January 2000 at 12:00 (summer time of 0:30: the zone boxes hold all of UTC+11, DST unticked)"},
    // Moscow's 1919 summer time: two hours ahead of its mean time.
    {"Moscow, Russia", "Europe/Moscow", {1919, 6, 15}, {12, 0}, true, 16279, true, 7200, "4", "31", false,
     "Moscow, Russia: UTC+4:31:19 on 15 June 1919 at 12:00 (MDST, summer time of 2:00: the zone boxes hold all of "
     "UTC+4:31:19, DST unticked), taken as UTC+4:31"},
    // Summer time under the liberation: on, though an hour.
    {"Paris, France", "Europe/Paris", {1944, 10, 1}, {12, 0}, true, 7200, true, 3600, "1", "0", true,
     "Paris, France: UTC+2 on 1 October 1944 at 12:00 (WEMT, summer time)"},
    // Summer time of the standard offset's size, which Qt does not flag: the
    // database's own flag says it, and the boxes hold the whole offset.
    {"Paris, France", "Europe/Paris", {1945, 1, 15}, {12, 0}, true, 3600, true, 0, "1", "0", false,
     "Paris, France: UTC+1 on 15 January 1945 at 12:00 (WEST, summer time: the zone boxes hold all of UTC+1, DST unticked)"},
    {"Buenos Aires, Argentina", "America/Argentina/Buenos_Aires", {1999, 12, 1}, {12, 0}, false, -10800, true, 0, "3", "0", false,
     "Buenos Aires, Argentina: UTC\u22123 on 1 December 1999 at 12:00 (summer time: the zone boxes hold all of UTC\u22123, DST unticked)"},
    {"Springfield, Illinois", "America/Chicago", {1969, 6, 1}, {12, 0}, false, -18000, true, 3600, "6", "0", true,
     "Springfield, Illinois: UTC\u22125 on 1 June 1969 at 12:00 (Central Daylight Time)"},
    // Local mean time, +0:19:32: the nearest minute is 0:20, not 0:19.
    {"Amsterdam, Netherlands", "Europe/Amsterdam", {1901, 1, 1}, {12, 0}, true, 1172, false, 0, "0", "20", false,
     "Amsterdam, Netherlands: UTC+0:19:32 on 1 January 1901 at 12:00 (local mean time, AMT), taken as UTC+0:20"},
    // Local mean time West of Greenwich: −4:56:02 is −4:56.
    {"New York, New York", "America/New_York", {1883, 1, 1}, {12, 0}, false, -17762, false, 0, "4", "56", false,
     "New York, New York: UTC\u22124:56:02 on 1 January 1883 at 12:00 (local mean time), taken as UTC\u22124:56"},
};

TEST(PlacesTest, ZoneWordsAndBoxesAgree)
{
    for (const ZoneCase& z : Zones) {
        SCOPED_TRACE(std::string(z.zone) + " " + z.date.toString(Qt::ISODate).toStdString());
        PlaceFill fill;
        fill.east = z.east;
        FillZone(z.zone, QString::fromUtf8(z.label), z.date, z.time, fill);
        EXPECT_TRUE(fill.zoneAt.known);
        EXPECT_EQ(fill.zoneAt.offsetSeconds, z.offsetSeconds);
        EXPECT_EQ(fill.zoneAt.summerTime, z.summerTime);
        EXPECT_EQ(fill.zoneAt.daylightSeconds, z.daylightSeconds);
        EXPECT_EQ(fill.zoneHours.toStdString(), z.zoneHours);
        EXPECT_EQ(fill.zoneMinutes.toStdString(), z.zoneMinutes);
        EXPECT_EQ(fill.dst, z.dst);
        EXPECT_EQ(fill.description.toStdString(), z.words);
    }
}

// The minutes on either side of a change of the clocks: the last minute
// before, the first and last minutes that did not exist or happened twice,
// and the first minute after.
TEST(PlacesTest, ChangesOfTheClocksToTheMinute)
{
    using Kind = ZoneAtDate::LocalTime;
    const struct {
        const char* zone;
        QDate date;
        QTime time;
        Kind kind;
        int offsetMinutes;
    } cases[] = {
        // Paris, 30 March 1986: 02:00 CET became 03:00 CEST.
        {"Europe/Paris", {1986, 3, 30}, {1, 59}, Kind::Normal, 60},
        {"Europe/Paris", {1986, 3, 30}, {2, 0}, Kind::Skipped, 60},
        {"Europe/Paris", {1986, 3, 30}, {2, 59}, Kind::Skipped, 60},
        {"Europe/Paris", {1986, 3, 30}, {3, 0}, Kind::Normal, 120},
        // New York, 2 November 2008: 02:00 EDT became 01:00 EST.
        {"America/New_York", {2008, 11, 2}, {0, 59}, Kind::Normal, -240},
        {"America/New_York", {2008, 11, 2}, {1, 0}, Kind::Repeated, -240},
        {"America/New_York", {2008, 11, 2}, {1, 59}, Kind::Repeated, -240},
        {"America/New_York", {2008, 11, 2}, {2, 0}, Kind::Normal, -300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + c.date.toString(Qt::ISODate).toStdString() + " " +
                     c.time.toString(QStringLiteral("HH:mm")).toStdString());
        const ZoneAtDate at = ZoneAt(c.zone, c.date, c.time);
        EXPECT_EQ(at.localTime, c.kind);
        EXPECT_EQ(at.offsetSeconds, c.offsetMinutes * 60);
    }
}

// A zone's whole history as the clocks of the program's years, rounded to the
// minute once: Amsterdam's mean time (+0:19:32) is +0:20; London keeps summer
// time in 2050, from the zone's rule beyond its listed changes.
TEST(PlacesTest, ZoneHistoryAsClocks)
{
    const Clocks amsterdam = ClocksOfZone("Europe/Amsterdam");
    EXPECT_EQ(amsterdam.zone, "Europe/Amsterdam");
    EXPECT_EQ(amsterdam.OffsetAt(UtcMinuteOf({1901, 1, 1, 0, 0}, 0)), 20);
    EXPECT_EQ(amsterdam.OffsetAt(UtcMinuteOf({1920, 1, 1, 0, 0}, 0)), 20);  // after the summer of 1919: +0:19:32 again
    EXPECT_EQ(amsterdam.OffsetAt(UtcMinuteOf({1920, 7, 1, 0, 0}, 0)), 80);  // its summer time, +1:19:32
    const Clocks london = ClocksOfZone("Europe/London");
    const ClockTime summer2050 = london.At(UtcMinuteOf({2050, 7, 1, 12, 0}, 0));
    EXPECT_EQ(summer2050.offsetMinutes, 60);
    EXPECT_EQ(summer2050.abbreviation, "BST");
    EXPECT_EQ(london.OffsetAt(UtcMinuteOf({2050, 12, 31, 12, 0}, 0)), 0);
    EXPECT_TRUE(ClocksOfZone("Nowhere/Atlantis").changes.empty());
}

TEST(PlacesTest, ZonesOutsideThePlaceList)
{
    // Chatham Islands: 13:45 ahead in the southern summer of 2000.
    const ZoneAtDate at = ZoneAt("Pacific/Chatham", {2000, 1, 1}, {12, 0});
    EXPECT_TRUE(at.known);
    EXPECT_EQ(at.offsetSeconds, (13 * 60 + 45) * 60);
    EXPECT_EQ(at.daylightSeconds, 3600);
    EXPECT_EQ(UtcOffsetTextWithSeconds(at.offsetSeconds), "UTC+13:45");
    EXPECT_TRUE(at.summerTime);
    EXPECT_FALSE(ZoneAt("Nowhere/Atlantis", {2000, 1, 1}, {12, 0}).known);
}

TEST(PlacesTest, CoordinatesToTheNearestMinute)
{
    Place place;
    place.latitude = -33.8678;   // 33°52.07'S
    place.longitude = -3.70256;  // 3°42.15'W
    PlaceFill fill;
    FillCoordinates(place, fill);
    EXPECT_EQ(fill.latitudeDegrees, 33);
    EXPECT_EQ(fill.latitudeMinutes, 52);
    EXPECT_FALSE(fill.north);
    EXPECT_EQ(fill.longitudeDegrees, 3);
    EXPECT_EQ(fill.longitudeMinutes, 42);
    EXPECT_FALSE(fill.east);
    place.longitude = 10.9999;  // rounds up into the next degree
    FillCoordinates(place, fill);
    EXPECT_EQ(fill.longitudeDegrees, 11);
    EXPECT_EQ(fill.longitudeMinutes, 0);
    EXPECT_EQ(AngleText(-3.70256, false), "3\u00B042\u2032W");
}

}  // namespace
