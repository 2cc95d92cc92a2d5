// The place index made at build time against the live list read through
// libgeonames and its catalogues: the same places in the same order for the
// typed queries of the place tests and for a sample of the list's own places;
// and the index's checks, which refuse a damaged file with one line.
#include "places/PlaceIndex.h"
#include "places/PlaceListSource.h"
#include "places/PlaceNameTable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstring>
#include <iterator>
#include <map>
#include <set>
#include <string>

namespace {

const PlaceList& LiveList()
{
    static const PlaceList list = LoadPlaceList();
    return list;
}

std::string Described(const Place& p)
{
    return std::to_string(p.id) + " " + FullName(p).toStdString() + " (" + p.matchedName.toStdString() + ") " +
           std::to_string(p.latitude) + " " + std::to_string(p.longitude) + " " + p.zone.toStdString() + " " +
           std::to_string(p.population) + " " + p.stateCode.toStdString() + " " + p.countryCode.toStdString();
}

std::vector<std::string> Described(const QList<Place>& places)
{
    std::vector<std::string> lines;
    for (const Place& p : places)
        lines.push_back(Described(p));
    return lines;
}

void ExpectSameAnswer(const QString& city, const QString& state = {}, const QString& country = {})
{
    SCOPED_TRACE((city + QStringLiteral(" | ") + state + QStringLiteral(" | ") + country).toStdString());
    const PlaceSearch live = FindPlacesInList(LiveList(), city, state, country);
    const PlaceSearch indexed = FindPlaces(city, state, country);
    EXPECT_EQ(indexed.status, live.status);
    EXPECT_EQ(Described(indexed.places), Described(live.places));
    EXPECT_EQ(Described(indexed.suggestions), Described(live.suggestions));
    EXPECT_EQ(SearchMessage(indexed).toStdString(), SearchMessage(live).toStdString());
}

// The capitals table held to the list: every id names a place of it, one a
// country; the countries left without one are those whose capital the list
// lacks (GeoNames: Kralendijk, Jamestown, Longyearbyen, Port-aux-Français and
// Mata-Utu have fewer than 15,000 people; Nouakchott is missing from it).
TEST(PlaceIndexTest, CapitalsAreInTheListOnePerCountry)
{
    ASSERT_TRUE(LiveList().loaded) << LiveList().problem.toStdString();
    std::map<std::string, int> capitals;
    std::set<std::string> countries;
    for (const Entry& e : LiveList().entries) {
        countries.insert(e.place.countryCode.toStdString());
        capitals[e.place.countryCode.toStdString()] += e.capital;
    }
    std::size_t found = 0;
    std::set<std::string> without;
    for (const auto& [country, count] : capitals) {
        EXPECT_LE(count, 1) << country;
        found += static_cast<std::size_t>(count);
        if (count == 0)
            without.insert(country);
    }
    EXPECT_EQ(found, PlaceNameTable::CapitalCount());
    EXPECT_EQ(without, (std::set<std::string>{"BQ", "MR", "SH", "SJ", "TF", "WF"}));
}

TEST(PlaceIndexTest, MadeFromTheSourcesOfThisMachine)
{
    ASSERT_TRUE(LiveList().loaded) << LiveList().problem.toStdString();
    QString problem;
    const PlaceIndex& index = ThePlaceIndex(problem);
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    EXPECT_EQ(index.fingerprint, LiveList().fingerprint);
    EXPECT_EQ(index.places.count, LiveList().entries.size());
    EXPECT_GT(index.places.count, 20000u);
}

// Every typed query of the place tests and the place finder's window tests.
TEST(PlaceIndexTest, TypedQueriesFindWhatTheLiveListFinds)
{
    ASSERT_TRUE(LiveList().loaded) << LiveList().problem.toStdString();
    const struct {
        const char* city;
        const char* state;
        const char* country;
    } queries[] = {
        {"London", "", "United Kingdom"}, {"Berlin", "", "Germany"}, {"Kolkata", "", "India"}, {"Kathmandu", "", "Nepal"},
        {"Madrid", "", "Spain"}, {"New York", "", "United States"}, {"Beirut", "", "Lebanon"}, {"Paris", "", "France"},
        {"New York", "", ""}, {"Chatham", "", "United Kingdom"}, {"Chatham", "Ontario", ""},
        {"Paris, TX", "", ""}, {"Paris", "TX", ""}, {"Melbourne, US", "", ""}, {"Melbourne", "", "US"},
        {"Melbourne, Australia", "", ""}, {"Melbourne, VIC", "", ""}, {"Athens, GA", "", ""}, {"Rome, GA", "", ""},
        {"Columbus, GA", "", ""}, {"Portland, ME", "", ""}, {"Alexandria, VA", "", ""}, {"Moscow, USA", "", ""},
        {"Moscow", "ID", "USA"}, {"Washington, DC, USA", "", ""}, {"Washington, D.C.", "", ""}, {"London, ON", "", ""},
        {"London", "Ontario", "Canada"}, {"London, UK", "", ""}, {"London", "", "GBR"}, {"Chatham", "Kent", "United Kingdom"},
        {"Vancouver, BC", "", ""}, {"Vancouver, WA", "", ""}, {"Newcastle, NSW", "", ""}, {"Perth, WA", "", ""},
        {"Perth, Scotland", "", ""}, {"Dubai, UAE", "", ""}, {"Berlin, DE", "", ""}, {"Berlin", "", "DEU"},
        {"Springfield, IL", "", ""}, {"Springfield, MA", "", ""}, {"Birmingham, AL", "", ""}, {"Manchester, NH", "", ""},
        {"Halifax, NS", "", ""}, {"Saint Louis, MO", "", ""}, {"St. Louis", "", ""}, {"Mecca", "", ""},
        {"München", "", ""}, {"Munchen", "", ""}, {"Calcutta", "", ""}, {"Bombay", "", ""}, {"Madras", "", ""},
        {"Kiev", "", ""}, {"Lisboa", "", ""}, {"Peking", "", ""}, {"Saigon", "", ""}, {"Rangoon", "", ""},
        {"Constantinople", "", ""}, {"Roma", "", ""}, {"Wien", "", ""}, {"Köln", "", ""}, {"Firenze", "", ""},
        {"Den Haag", "", ""}, {"Praha", "", ""}, {"Москва", "", ""}, {"Leningrad", "", ""}, {"Bangalore", "", ""},
        {"Sao Paulo", "", ""}, {"Mumbai", "Maharashtra", "India"}, {"Munich", "Bayern", "Deutschland"},
        {"Washington", "", ""}, {"Santiago", "", ""}, {"Springfield", "", ""}, {"Columbus", "", ""},
        {"Kingston", "", ""}, {"Paris", "", ""}, {"Athens", "", ""}, {"Moscow", "", ""}, {"Birmingham", "", ""},
        {"Alexandria", "", ""}, {"York", "", ""}, {"San Juan", "", ""}, {"Dover", "", ""}, {"Victoria", "", ""},
        {"Hamilton", "", ""}, {"Paris, France", "", ""}, {"Sydney, Australia", "", ""}, {"Frankfurt, Germany", "", ""},
        {"Cordoba, Argentina", "", ""}, {"Córdoba, Spain", "", ""}, {"Santiago, Spain", "", ""}, {"San Jose, CA", "", ""},
        {"San José, Costa Rica", "", ""}, {"Springfield, IL", "", "USA"}, {"Springfield, USA", "Massachusetts", ""},
        {"London, , UK", "", ""}, {"Lodnon", "", ""}, {"Pariss", "", ""}, {"Mosow", "", ""}, {"London, Texas", "", ""},
        {"Paris", "Ontario", ""}, {"Melbourne", "", "Austria"}, {"Springfield, XX", "", ""}, {"Xqzzyville", "", ""},
        {"Lond", "", ""}, {"Melbourne", "", "US"}, {"Paris, TX, US, Earth", "", ""}, {"Paris, TX, US", "", ""},
        {"Canton", "", ""}, {"Sevilla", "", ""}, {"Straßburg", "", ""}, {"Tromsø", "", ""}, {"Mumbai", "", ""}, {"Bonn", "", ""}, {"", "", ""}, {"  ,  ", "", ""},
    };
    static_assert(std::size(queries) > 100);
    for (const auto& q : queries)
        ExpectSameAnswer(QString::fromUtf8(q.city), QString::fromUtf8(q.state), QString::fromUtf8(q.country));
}

// Every seventh place of the list by its own name, by its name and country
// code, or by its second name where it has one: some 3,500 searches.
TEST(PlaceIndexTest, ASampleOfTheListFindsWhatTheLiveListFinds)
{
    ASSERT_TRUE(LiveList().loaded) << LiveList().problem.toStdString();
    const std::vector<Entry>& entries = LiveList().entries;
    int searched = 0;
    for (std::size_t i = 0; i < entries.size(); i += 7) {
        const Entry& e = entries[i];
        switch ((i / 7) % 3) {
        case 0: ExpectSameAnswer(e.place.name); break;
        case 1: ExpectSameAnswer(e.place.name + QStringLiteral(", ") + e.place.countryCode); break;
        default: ExpectSameAnswer(e.names.size() > 1 ? e.names[1].shown : e.place.name, e.place.state); break;
        }
        ++searched;
        if (HasFailure())
            break;
    }
    EXPECT_GT(searched, 3000);
}

// A file that is not a whole index of this format is refused, its name and the
// reason in one line.
TEST(PlaceIndexTest, DamagedFilesAreRefusedWithTheReason)
{
    QString problem;
    ThePlaceIndex(problem);
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    QFile whole(PlaceIndexPath());
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray good = whole.readAll();
    ASSERT_GT(good.size(), static_cast<qsizetype>(sizeof(PlaceIndexFormat::Header)));

    auto withField = [&](std::size_t offset, const void* value, std::size_t size) {
        QByteArray bytes = good;
        std::memcpy(bytes.data() + offset, value, size);
        return bytes;
    };
    const std::uint32_t otherVersion = PlaceIndexFormat::Version + 1, swapped = 0x04030201;
    const std::uint64_t farAway = std::uint64_t{1} << 40;
    const struct {
        const char* label;
        QByteArray bytes;
        std::string problem;
    } cases[] = {
        {"empty", QByteArray(), "places.index is not a Qamarel place index"},
        {"text", QByteArray("not a place index\n"), "places.index is not a Qamarel place index"},
        {"other magic", withField(0, "QAMPLACX", 8), "places.index is not a Qamarel place index"},
        {"other format", withField(offsetof(PlaceIndexFormat::Header, version), &otherVersion, 4),
         "places.index is of format " + std::to_string(otherVersion) + ", not " +
             std::to_string(PlaceIndexFormat::Version) + " as this Qamarel reads"},
        {"other byte order", withField(offsetof(PlaceIndexFormat::Header, byteOrder), &swapped, 4),
         "places.index was made on a machine of another byte order"},
        {"cut short", good.left(good.size() - 8),
         "places.index is " + std::to_string(good.size() - 8) + " bytes where its header says " + std::to_string(good.size())},
        {"longer", good + QByteArray(8, 'x'),
         "places.index is " + std::to_string(good.size() + 8) + " bytes where its header says " + std::to_string(good.size())},
        {"a section outside", withField(offsetof(PlaceIndexFormat::Header, pool) + offsetof(PlaceIndexFormat::Section, count), &farAway, 8),
         "places.index has a section outside the file"},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("places.index"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(c.bytes), c.bytes.size());
        file.close();
        PlaceIndex index;
        QString why;
        EXPECT_FALSE(OpenPlaceIndex(path, index, why));
        EXPECT_EQ(why.toStdString(), c.problem);
        EXPECT_EQ(index.places.count, 0u);
    }
    PlaceIndex index;
    QString why;
    EXPECT_FALSE(OpenPlaceIndex(folder.filePath(QStringLiteral("none.index")), index, why));
    EXPECT_EQ(why.toStdString(), folder.filePath(QStringLiteral("none.index")).toStdString() + " is not installed");
}

}  // namespace
