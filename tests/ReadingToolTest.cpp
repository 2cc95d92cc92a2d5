#include "cli/ReadingTool.h"

#include "people/CsvReader.h"
#include "base/Utf8Text.h"
#include "core/ReadingFile.h"
#include "WriteTargets.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <set>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

ToolRun Tool(const std::vector<std::string>& args, const std::string& input = {})
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunReadingTool(args, in, out, err);
    return {status, out.str(), err.str()};
}

const std::vector<std::string> J2000 = {"--date", "2000-01-01", "--time", "12:00", "--longitude", "0:00W",
                                        "--latitude", "51:28N", "--zone", "0:00"};

std::vector<std::string> With(std::vector<std::string> args, std::initializer_list<std::string> more)
{
    args.insert(args.end(), more);
    return args;
}

TEST(ReadingToolTest, SingleReading)
{
    const ToolRun run = Tool(J2000);
    EXPECT_EQ(run.status, ToolSuccess);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("Position: 19\xC2\xB0 27' 45\" Lib\nMansion: 16\nLunar Mansion Name: Azubene or Ahubene\n", 0),
              0u)
        << run.out;
}

TEST(ReadingToolTest, SingleReadingAsJson)
{
    const ToolRun run = Tool(With(J2000, {"--json", "--name", "Ada"}));
    EXPECT_EQ(run.status, ToolSuccess);
    // 19° 27′ 45″ of Libra, the seventh sign: 180° + 19.4625°.
    EXPECT_EQ(run.out.rfind("{\"name\":\"Ada\",\"position\":\"19\xC2\xB0 27' 45\\\" Lib\",\"siderealLongitude\":199.4625,\"mansion\":16,", 0), 0u)
        << run.out;
    EXPECT_EQ(run.out.back(), '\n');
}

TEST(ReadingToolTest, SecondReferenceBirth)
{
    const ToolRun run = Tool({"--date=1992-04-12", "--time=0:00", "--longitude=0:00W", "--latitude=51:28N", "--zone=0:00"});
    EXPECT_EQ(run.status, ToolSuccess);
    EXPECT_NE(run.out.find("Position: 19\xC2\xB0 24' 14\" Can\nMansion: 9\n"), std::string::npos) << run.out;
}

// Whatever a name holds, the reading is the same and the output stays valid
// text: one JSON line, or the same lines of text.
TEST(ReadingToolTest, HostileNamesChangeNothing)
{
    const std::string names[] = {
        "Ada\nPosition: 0\xC2\xB0 0' 0\" Ari",      // a line break that would forge a line
        "\x1b[31m\x07\r",                            // terminal escapes and controls
        "\xD8\xB9\xD9\x84\xD9\x8A \xE2\x80\x8F",       // Arabic and a right-to-left mark
        "e\xCC\x81\xCC\x81\xCC\x81",                    // stacked combining accents
        "\xFF\xC0\xAF\xED\xA0\x80",                     // invalid UTF-8
        std::string(1 << 20, 'x'),                      // a megabyte
    };
    const ToolRun plain = Tool(With(J2000, {"--json"}));
    const ToolRun plainText = Tool(J2000);
    for (const std::string& name : names) {
        const ToolRun text = Tool(With(J2000, {"--name", name}));
        EXPECT_EQ(text.out.substr(text.out.find('\n') + 1), plainText.out);  // one "Name:" line, then the same
        const ToolRun run = Tool(With(J2000, {"--json", "--name", name}));
        EXPECT_EQ(run.status, ToolSuccess);
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
        EXPECT_EQ(run.out.substr(run.out.find("\"position\"")), plain.out.substr(plain.out.find("\"position\"")));
        EXPECT_EQ(run.out, SanitizeUtf8(run.out));
        for (const char c : run.out)
            EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 && c != '\n');
    }
}

TEST(ReadingToolTest, HelpAndVersion)
{
    const ToolRun help = Tool({"--help"});
    EXPECT_EQ(help.status, ToolSuccess);
    EXPECT_EQ(help.out.rfind("Usage:\n", 0), 0u);
    const ToolRun version = Tool({"--version"});
    EXPECT_EQ(version.status, ToolSuccess);
    EXPECT_EQ(version.out, "qamarel-reading 1.15\n");
}

// --place resolves as the program's finder does; the reading equals the same
// universal time given by hand with zone 0:00 and the place's coordinates.
TEST(ReadingToolTest, PlaceGivesTheRightInstant)
{
    const struct {
        const char* place;
        const char* date;
        const char* time;
        const char* utDate;
        const char* utTime;
        const char* longitude;
        const char* used;
    } cases[] = {
        {"London, England", "1969-01-15", "12:00", "1969-01-15", "11:00", "0:08W", "London, England: UTC+1 on 15 January 1969 at 12:00 (BST)"},
        {"Berlin, Germany", "1945-06-01", "12:00", "1945-06-01", "09:00", "13:25E", "UTC+3 on 1 June 1945 at 12:00 (CEMT, summer time of 2:00: the zone boxes hold all of UTC+3, DST unticked)"},
        {"Kolkata, India", "1943-06-01", "12:00", "1943-06-01", "05:30", "88:22E", "UTC+6:30 on 1 June 1943 at 12:00 (summer time)"},
        {"Kathmandu, Nepal", "1990-01-01", "12:00", "1990-01-01", "06:15", "85:19E", "UTC+5:45"},
        {"Madrid, Spain", "1975-07-01", "12:00", "1975-07-01", "10:00", "3:42W", "UTC+2 on 1 July 1975 at 12:00 (Central European Summer Time)"},
        {"New York, United States", "1950-07-01", "12:00", "1950-07-01", "16:00", "74:00W", "UTC\u22124 on 1 July 1950 at 12:00 (Eastern Daylight Time)"},
        {"Beirut, Lebanon", "1987-03-21", "12:00", "1987-03-21", "10:00", "35:30E", "UTC+2 on 21 March 1987"},
        {"Paris, France", "1986-03-30", "02:30", "1986-03-30", "01:30", "2:21E", "did not exist"},
        {"New York", "2008-11-02", "01:30", "2008-11-02", "05:30", "74:00W", "happened twice"},
        {"Chatham, Ontario", "2000-01-01", "12:00", "2000-01-01", "17:00", "82:11W", "Chatham, Ontario: UTC\u22125"},
        {"Chatham, United Kingdom", "2000-01-01", "12:00", "2000-01-01", "12:00", "0:32E", "Chatham, England: UTC+0"},
        // Summer time, East: an hour ahead; seconds both ways, to the nearest minute; minutes West.
        {"London, England", "1990-07-15", "12:00", "1990-07-15", "11:00", "0:08W", "London, England: UTC+1 on 15 July 1990"},
        {"Amsterdam, Netherlands", "1920-01-15", "12:00", "1920-01-15", "11:40", "4:53E", "UTC+0:19:32 on 15 January 1920"},
        {"Dublin, Ireland", "1910-01-15", "12:00", "1910-01-15", "12:25", "6:16W", "UTC\u22120:25:21 on 15 January 1910"},
        {"Monrovia, Liberia", "1950-01-15", "12:00", "1950-01-15", "12:45", "10:48W", "UTC\u22120:44:30 on 15 January 1950"},
        {"St. John's, Canada", "1990-01-15", "12:00", "1990-01-15", "15:30", "52:43W", "UTC\u22123:30 on 15 January 1990"},
    };
    // The instant of "1990-07-15T12:00+01:00" in minutes since 1970.
    auto instant = [](const std::string& iso) {
        std::tm t{};
        t.tm_year = std::stoi(iso.substr(0, 4)) - 1900;
        t.tm_mon = std::stoi(iso.substr(5, 2)) - 1;
        t.tm_mday = std::stoi(iso.substr(8, 2));
        t.tm_hour = std::stoi(iso.substr(11, 2));
        t.tm_min = std::stoi(iso.substr(14, 2));
        const long offset = std::stol(iso.substr(17, 2)) * 60 + std::stol(iso.substr(20, 2));
        return static_cast<long>(::timegm(&t) / 60) - (iso[16] == '-' ? -offset : offset);
    };
    auto passage = [](const std::string& out, const char* end) {
        const std::size_t at = out.find(end);
        return at == std::string::npos ? std::string("1970-01-01T00:00+00:00") : out.substr(at + std::strlen(end), 22);
    };
    for (const auto& c : cases) {
        const ToolRun byPlace = Tool({"--date", c.date, "--time", c.time, "--place", c.place});
        ASSERT_EQ(byPlace.status, ToolSuccess) << c.place << ": " << byPlace.err;
        EXPECT_NE(byPlace.out.find(c.used), std::string::npos) << byPlace.out;
        const ToolRun byHand = Tool({"--date", c.utDate, "--time", c.utTime, "--longitude", c.longitude,
                                     "--latitude", "0:00N", "--zone", "0:00"});
        // The same reading; the passage's times differ only in their zone.
        auto reading = [](const std::string& out) {
            return out.substr(out.find("Position:"), out.find("Entered this mansion:") - out.find("Position:"));
        };
        EXPECT_EQ(reading(byPlace.out), reading(byHand.out)) << c.place;
        // The passage: the same two instants, each on the place's clocks.
        for (const char* end : {"Entered this mansion: ", "Left this mansion: "})
            EXPECT_EQ(instant(passage(byPlace.out, end)), instant(passage(byHand.out, end))) << c.place << ": " << end
                                                                                           << passage(byPlace.out, end);
    }
    const ToolRun json = Tool({"--date", "1975-07-01", "--time", "12:00", "--place", "Madrid, Spain", "--json"});
    EXPECT_EQ(json.out.rfind("{\"place\":{\"name\":\"Madrid\",\"state\":\"Madrid\",\"country\":\"Spain\","
                             "\"latitude\":\"40\xC2\xB0" "25\xE2\x80\xB2N\",\"longitude\":\"3\xC2\xB0" "42\xE2\x80\xB2W\","
                             "\"latitudeDegrees\":40.4165,\"longitudeDegrees\":-3.7026,\"zone\":\"Europe/Madrid\",\"offset\":\"+02:00\",\"summerTime\":true,\"localTime\":\"normal\",",
                             0),
              0u)
        << json.out;
}

// Each end of the passage in the offset of the clocks at its moment: London's
// clocks went from GMT to BST at 01:00 UTC on 31 March 2013; born there at
// 00:30 GMT, the Moon came in at 10:07 GMT the day before and left at 07:38
// GMT, which the clocks showed as 08:38 BST. By hand, with no place, both
// keep the birth's offset. The instants agree.
TEST(ReadingToolTest, PassageInTheClocksOfItsMoment)
{
    const ToolRun place = Tool({"--date", "2013-03-31", "--time", "00:30", "--place", "London, England", "--json"});
    EXPECT_NE(place.out.find("\"passage\":{\"entered\":\"2013-03-30T10:07+00:00\",\"left\":\"2013-03-31T08:38+01:00\"}"),
              std::string::npos)
        << place.out;
    const ToolRun text = Tool({"--date", "2013-03-31", "--time", "00:30", "--place", "London, England"});
    EXPECT_NE(text.out.find("Left this mansion: 2013-03-31T08:38+01:00\n"), std::string::npos) << text.out;
    const ToolRun byHand = Tool({"--date", "2013-03-31", "--time", "00:30", "--longitude", "0:07W", "--latitude", "51:30N",
                                 "--zone", "0:00"});
    EXPECT_NE(byHand.out.find("Left this mansion: 2013-03-31T07:38+00:00\n"), std::string::npos) << byHand.out;
}

// What people type as --place: the place they mean, said in the output, and
// near names where there is none.
TEST(ReadingToolTest, TypedPlacesAndNearNames)
{
    const struct {
        const char* place;
        const char* used;  // the output's "Place:" line
    } cases[] = {
        {"Paris, TX", "Place: Paris, Texas, United States of America (33\xC2\xB0" "40\xE2\x80\xB2N 95\xC2\xB0" "33\xE2\x80\xB2W)\n"},
        {"Washington, DC, USA", "Place: Washington D.C., District of Columbia, United States of America ("},
        {"Melbourne, US", "Place: Melbourne, Florida, United States of America ("},
        {"Bombay", "Place: Mumbai, Maharashtra, India (Bombay) ("},
        {"Calcutta", "Place: Kolkata, State of West Bengal, India (Calcutta) ("},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tool({"--date", "1969-06-01", "--time", "12:00", "--place", c.place});
        EXPECT_EQ(run.status, ToolSuccess) << c.place << ": " << run.err;
        EXPECT_NE(run.out.find(c.used), std::string::npos) << run.out;
    }
    const ToolRun springfield = Tool({"--date", "1969-06-01", "--time", "12:00", "--place", "Springfield, IL"});
    EXPECT_NE(springfield.out.find("Time zone: Springfield, Illinois: UTC\u22125 on 1 June 1969 at 12:00 (Central Daylight Time)\n"),
              std::string::npos) << springfield.out;
    const ToolRun misspelt = Tool({"--date", "1969-06-01", "--time", "12:00", "--place", "Lodnon"});
    EXPECT_EQ(misspelt.status, ToolRefused);
    EXPECT_EQ(misspelt.err, "qamarel-reading: No place called Lodnon. Did you mean London, England; London, Ontario or "
                            "Lādnūn, India? Give --longitude, --latitude and --zone for a place not in the list.\n");
    // Winter time is not summer time; the JSON says which place.
    const ToolRun dublin = Tool({"--date", "2000-01-15", "--time", "12:00", "--place", "Dublin, Ireland", "--json"});
    EXPECT_NE(dublin.out.find("\"offset\":\"+00:00\",\"summerTime\":false,"), std::string::npos) << dublin.out;
    EXPECT_NE(dublin.out.find("winter time, 1:00 behind standard time"), std::string::npos) << dublin.out;
    const ToolRun amsterdam = Tool({"--date", "1901-01-01", "--time", "12:00", "--place", "Amsterdam", "--json"});
    EXPECT_NE(amsterdam.out.find("\"offset\":\"+00:20\",\"summerTime\":false,"), std::string::npos) << amsterdam.out;
}

// A zone by its name, for coordinates the list does not hold: the offset in
// force from the zone's history (the time-zone database's rules), on each side
// of a change; the calendar on the same clocks.
TEST(ReadingToolTest, ZonesByNameTakeTheirHistory)
{
    const struct {
        const char* zone;
        const char* longitude;
        const char* latitude;
        const char* date;
        const char* offset;
        bool summer;
    } births[] = {
        {"Pacific/Chatham", "176:33W", "43:57S", "2000-03-18", "+13:45", true},  // summer time ends 19 March
        {"Pacific/Chatham", "176:33W", "43:57S", "2000-03-20", "+12:45", false},
        {"Australia/Lord_Howe", "159:05E", "31:33S", "2000-01-01", "+11:00", true},  // half an hour of summer time
        {"australia/lord_howe", "159:05E", "31:33S", "2000-07-01", "+10:30", false},
        {"Asia/Kathmandu", "85:19E", "27:43N", "1985-12-31", "+05:30", false},  // +5:45 from 1 January 1986
        {"Asia/Kathmandu", "85:19E", "27:43N", "1986-01-01", "+05:45", false},
        {"Pacific/Apia", "171:46W", "13:50S", "2011-12-29", "-10:00", true},  // 30 December 2011 skipped
        {"Pacific/Apia", "171:46W", "13:50S", "2011-12-31", "+14:00", true},
    };
    for (const auto& b : births) {
        SCOPED_TRACE(std::string(b.zone) + " " + b.date);
        const ToolRun run = Tool({"--date", b.date, "--time", "12:00", "--longitude", b.longitude, "--latitude",
                                  b.latitude, "--zone-name", b.zone, "--json"});
        ASSERT_EQ(run.status, ToolSuccess) << run.err;
        EXPECT_NE(run.out.find(std::string("\"offset\":\"") + b.offset + "\",\"summerTime\":" + (b.summer ? "true" : "false")),
                  std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("\"name\":\"\""), std::string::npos) << run.out;  // coordinates, not a place
    }
    const ToolRun text = Tool({"--date", "2000-03-20", "--time", "12:00", "--longitude", "176:33W", "--latitude", "43:57S",
                               "--zone-name", "Pacific/Chatham"});
    EXPECT_EQ(text.out.rfind("Place: 43\u00B057\u2032S 176\u00B033\u2032W\nTime zone: Pacific/Chatham: UTC+12:45 on "
                             "20 March 2000 at 12:00\n", 0), 0u) << text.out;
    const ToolRun calendar = Tool({"--calendar", "2011-12-29..2011-12-31", "--zone-name", "Pacific/Apia", "--csv"});
    EXPECT_EQ(calendar.status, ToolSuccess) << calendar.err;
    EXPECT_NE(calendar.out.find("-10:00,"), std::string::npos) << calendar.out;
    EXPECT_NE(calendar.out.find("+14:00,"), std::string::npos) << calendar.out;
    EXPECT_NE(calendar.out.find(",Pacific/Apia\n"), std::string::npos) << calendar.out;
    for (const auto& [zone, message] : {
             std::pair{"Pacific/Chatam", "qamarel-reading: no time zone called Pacific/Chatam; did you mean Pacific/Chatham"},
             std::pair{"Mars/Olympus", "qamarel-reading: no time zone called Mars/Olympus\n"}}) {
        const ToolRun unknown = Tool({"--calendar", "2026-02", "--zone-name", zone});
        EXPECT_EQ(unknown.status, ToolRefused);
        EXPECT_EQ(unknown.err.rfind(message, 0), 0u) << unknown.err;
    }
    // A name with many near ones: the first three, "A, B or C".
    const ToolRun many = Tool({"--calendar", "2026-02", "--zone-name", "America/Indiana"});
    const std::string asked = "qamarel-reading: no time zone called America/Indiana; did you mean America/";
    ASSERT_EQ(many.err.rfind(asked, 0), 0u) << many.err;
    const std::string names = many.err.substr(asked.size());
    const std::size_t comma = names.find(", America/"), either = names.find(" or America/");
    EXPECT_TRUE(comma != std::string::npos && either > comma && names.find(", ", comma + 1) == std::string::npos &&
                names.size() > either && names.substr(names.size() - 2) == "?\n")
        << many.err;
}

TEST(ReadingToolTest, PlacesAndTheirRefusals)
{
    const ToolRun list = Tool({"--places", "Chatham"});
    EXPECT_EQ(list.status, ToolSuccess);
    EXPECT_EQ(list.out.rfind("Chatham, England, United Kingdom\t51\xC2\xB0" "23\xE2\x80\xB2N 0\xC2\xB0" "32\xE2\x80\xB2" "E\tEurope/London\n"
                             "Chatham, Ontario, Canada\t", 0), 0u) << list.out;
    // The other name typed stays beside the place's own, in text and in JSON.
    const ToolRun bombay = Tool({"--places", "Bombay"});
    EXPECT_EQ(bombay.out.rfind("Mumbai, Maharashtra, India (Bombay)\t", 0), 0u) << bombay.out;
    const ToolRun bombayJson = Tool({"--places", "Bombay", "--json"});
    EXPECT_EQ(bombayJson.out.rfind("{\"name\":\"Mumbai\",\"matchedName\":\"Bombay\",\"state\":\"Maharashtra\",\"country\":\"India\",", 0), 0u)
        << bombayJson.out;
    const ToolRun mumbaiJson = Tool({"--places", "Mumbai", "--json"});
    EXPECT_EQ(mumbaiJson.out.rfind("{\"name\":\"Mumbai\",\"state\":", 0), 0u) << mumbaiJson.out;
    const struct {
        std::vector<std::string> args;
        std::string message;
    } refusals[] = {
        {{"--places", "Xqzzyville"}, "qamarel-reading: No place called Xqzzyville.\n"},
        {{"--places", "Lodnon"}, "qamarel-reading: No place called Lodnon. Did you mean London, England; London, Ontario or Lādnūn, India?\n"},
        {{"--places", "London, Texas"}, "qamarel-reading: No place called London, Texas. Did you mean London, England; London, Ontario or Ondo, Nigeria?\n"},
        {{"--date", "2000-01-01", "--time", "12:00", "--place", "Xqzzyville"},
         "qamarel-reading: No place called Xqzzyville. Give --longitude, --latitude and --zone for a place not in the list.\n"},
        {{"--date", "2000-01-01", "--time", "12:00", "--place", "Paris", "--zone", "1:00"},
         "qamarel-reading: give either --place or --zone, not both\n"},
        {{"--date", "2000-1-01", "--time", "12:00", "--place", "Paris"},
         "qamarel-reading: date \"2000-1-01\" is not of the form YYYY-MM-DD\n"},
    };
    for (const auto& r : refusals) {
        const ToolRun run = Tool(r.args);
        EXPECT_EQ(run.status, ToolRefused);
        EXPECT_EQ(run.err, r.message);
    }
    const ToolRun batch = Tool({"--batch", "-"}, "name,date,time,place\nA,1975-07-01,12:00,\"Madrid, Spain\"\nB,1975-07-01,12:00,Xqzzyville\n");
    EXPECT_EQ(batch.status, ToolSomeRowsFailed);
    const ToolRun single = Tool({"--date", "1975-07-01", "--time", "12:00", "--place", "Madrid, Spain"});
    const std::string position = single.out.substr(single.out.find("Position: ") + 10, single.out.find('\n', single.out.find("Position: ")) - single.out.find("Position: ") - 10);
    EXPECT_NE(batch.out.find("A,\"" + position.substr(0, position.find('"')) ), std::string::npos) << batch.out;
    EXPECT_NE(batch.out.find("B,,,,,,\"No place called Xqzzyville. Give --longitude, --latitude and --zone for a place not in the list.\",\n"), std::string::npos) << batch.out;
    // The place column says which place was used.
    EXPECT_NE(batch.out.find(",\"Madrid, Spain\"\n"), std::string::npos) << batch.out;
}

class ReadingToolFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("qamarel-tool-" + std::to_string(::getpid()) + "-" +
                                            testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    fs::path dir_;
};

TEST_F(ReadingToolFileTest, OpensASavedReading)
{
    const std::string path = Write("j2000.qmz", ReadingFileBytes("19\xC2\xB0 27' 45\" Lib").value());
    const ToolRun run = Tool({"--open", path});
    EXPECT_EQ(run.status, ToolSuccess) << run.err;
    // The file keeps no degree sign; the reading is the same as the calculated one.
    EXPECT_EQ(run.out.rfind("Position: 19 27' 45\" Lib\nMansion: 16\nLunar Mansion Name: Azubene or Ahubene\n", 0), 0u)
        << run.out;
    // A file keeps no birth data: the same reading, without the passage.
    const ToolRun calculated = Tool(J2000);
    EXPECT_EQ(run.out.substr(run.out.find("Mansion:")),
              calculated.out.substr(calculated.out.find("Mansion:"), calculated.out.find("Entered this mansion:") - calculated.out.find("Mansion:")));
    EXPECT_NE(calculated.out.find("Entered this mansion: 1999-12-31T22:53+00:00\nLeft this mansion: 2000-01-02T00:32+00:00\n"),
              std::string::npos);
}

TEST_F(ReadingToolFileTest, RefusesWhatIsNotASavedReading)
{
    const std::string good = ReadingFileBytes("1\xC2\xB0 2' 3\" Ari").value();
    fs::create_directory(dir_ / "folder.qmz");
    const struct {
        std::string path;
        std::string problem;
    } cases[] = {
        {Write("upper.QMZ", good), "is not a reading file: its name must end in .qmz"},
        {Write("empty.qmz", ""), "is not a saved reading: its first line is not a Moon position"},
        {Write("blank-first.qmz", "\r\n" + good), "is not a saved reading: its first line is not a Moon position"},
        {Write("damaged.qmz", "\x8E\x96\x7D\x8F\x94\r\n"), "is not a saved reading: its first line is not a Moon position"},
        {Write("text.qmz", "19 27' 45\" Lib\r\n"), "is not a saved reading: its first line is not a Moon position"},
        {Write("huge.qmz", std::string(1 << 20, '\x8E')), "is not a saved reading (its first line is too long)"},
        {(dir_ / "missing.qmz").string(), "does not exist or is not a regular file"},
        {(dir_ / "folder.qmz").string(), "does not exist or is not a regular file"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tool({"--open", c.path, "--json"});
        EXPECT_EQ(run.status, ToolRefused) << c.path;
        EXPECT_EQ(run.err, "qamarel-reading: " + c.path + " " + c.problem + "\n");
        EXPECT_EQ(run.out, "") << c.path;
    }
}

TEST_F(ReadingToolFileTest, BatchGoesOnPastBadRows)
{
    const std::string csv =
        "name,date,time,longitude,latitude,zone,dst\r\n"
        "Ada,2000-01-01,12:00,0:00W,51:28N,0:00,0\r\n"
        "\"Smith, Jo\",1992-04-12,0:00,0:00W,51:28N,0:00,0\r\n"
        "Bad,1999-02-29,0:00,0:00W,51:28N,0:00,0\r\n"
        "\r\n"
        "Short,2000-01-01\r\n"
        "Dst,2000-01-01,12:00,0:00W,51:28N,0:00,yes\r\n"
        "Kit,2000-01-01,13:00,0:00W,51:28N,0:00,1\r\n";
    const ToolRun run = Tool({"--batch", Write("clients.csv", csv)});
    EXPECT_EQ(run.status, ToolSomeRowsFailed);
    EXPECT_EQ(run.out,
              "name,position,mansion,lunar_mansion_name,entered,left,error,place\n"
              "Ada,\"19\xC2\xB0 27' 45\"\" Lib\",16,Azubene or Ahubene,1999-12-31T22:53+00:00,2000-01-02T00:32+00:00,,\n"
              "\"Smith, Jo\",\"19\xC2\xB0 24' 14\"\" Can\",9,Archaam or Arcaph,1992-04-11T13:00+00:00,1992-04-12T10:36+00:00,,\n"
              "Bad,,,,,,\"date \"\"1999-02-29\"\" does not exist\",\n"
              "Short,,,,,,\"expected 7 fields, found 2\",\n"
              "Dst,,,,,,\"dst \"\"yes\"\" must be 0 or 1\",\n"
              // The same instant as Ada's, in the zone of this row: one hour of summer time.
              "Kit,\"19\xC2\xB0 27' 45\"\" Lib\",16,Azubene or Ahubene,1999-12-31T23:53+01:00,2000-01-02T01:32+01:00,,\n");
    EXPECT_EQ(run.err,
              "qamarel-reading: line 4: date \"1999-02-29\" does not exist\n"
              "qamarel-reading: line 6: expected 7 fields, found 2\n"
              "qamarel-reading: line 7: dst \"yes\" must be 0 or 1\n");
}

// A batch row gives the very reading of the single-reading form.
TEST_F(ReadingToolFileTest, BatchRowsMatchSingleReadings)
{
    const std::vector<std::vector<std::string>> births = {
        {"1961-07-01", "19:45", "0:30E", "52:50N", "0:00", "1"},
        {"1942-01-17", "18:35", "85:46W", "38:15N", "6:00", "0"},
        {"1917-11-19", "23:11", "81:51E", "25:27N", "+5:30", "0"},
        {"2050-12-31", "23:59", "179:59W", "89:59S", "14:59", "1"},
    };
    std::string csv = "name,date,time,longitude,latitude,zone,dst\n";
    for (const auto& b : births)
        csv += "x," + b[0] + "," + b[1] + "," + b[2] + "," + b[3] + "," + b[4] + "," + b[5] + "\n";
    const ToolRun batch = Tool({"--batch", "-", "--json"}, csv);
    ASSERT_EQ(batch.status, ToolSuccess) << batch.err;
    std::istringstream lines(batch.out);
    std::string line;
    std::size_t row = 0;
    while (std::getline(lines, line)) {
        const auto& b = births.at(row);
        std::vector<std::string> args = {"--date", b[0], "--time", b[1], "--longitude", b[2],
                                         "--latitude", b[3], "--zone", b[4], "--json", "--name", "x"};
        if (b[5] == "1")
            args.push_back("--dst");
        const ToolRun single = Tool(args);
        EXPECT_EQ(line, "{\"line\":" + std::to_string(row + 2) + "," + single.out.substr(1, single.out.size() - 2))
            << b[0];
        ++row;
    }
    EXPECT_EQ(row, births.size());
}

TEST_F(ReadingToolFileTest, BatchHeaderMustMatch)
{
    for (const std::string& csv : {std::string(""), std::string("name,date\n"),
                                   std::string("Name,Date,Time,Longitude,Latitude,Zone,DST\n")}) {
        const ToolRun run = Tool({"--batch", "-"}, csv);
        EXPECT_EQ(run.status, ToolRefused) << csv;
        EXPECT_NE(run.err.find("name,date,time,longitude,latitude,zone,dst"), std::string::npos);
    }
    // A spreadsheet's byte-order mark is not part of the header.
    const ToolRun bom = Tool({"--batch", "-"}, "\xEF\xBB\xBFname,date,time,longitude,latitude,zone,dst\n");
    EXPECT_EQ(bom.status, ToolSuccess) << bom.err;
}

TEST_F(ReadingToolFileTest, BatchJsonFailureRows)
{
    const ToolRun run = Tool({"--batch", "-", "--json"},
                         "name,date,time,longitude,latitude,zone,dst\n\"Ad\xFF\",2000-01-01,25:00,0:00W,51:28N,0:00,0\n");
    EXPECT_EQ(run.status, ToolSomeRowsFailed);
    EXPECT_EQ(run.out, "{\"line\":2,\"name\":\"Ad\xEF\xBF\xBD\",\"error\":\"time \\\"25:00\\\": hour must be 0 to 23, "
                       "minutes and seconds 0 to 59\"}\n");
}

// An output that takes `room` bytes and then fails, as a full disk or a
// closed descriptor does.
class FailingOutput : public std::streambuf {
public:
    explicit FailingOutput(std::size_t room) : room_(room) {}

protected:
    int_type overflow(int_type c) override
    {
        if (room_ == 0)
            return traits_type::eof();
        --room_;
        return c;
    }

private:
    std::size_t room_;
};

// A calendar says where it was made for, in every form; a span the clocks
// skipped still gives the stay at the change; a filter that keeps nothing
// says so and writes no file.
TEST(ReadingToolTest, CalendarSaysItsPlaceAndNeverAnswersWithNothing)
{
    const ToolRun text = Tool({"--calendar", "2026-03-29..2026-03-29", "--place", "London, United Kingdom"});
    EXPECT_EQ(text.status, ToolSuccess) << text.err;
    EXPECT_EQ(text.out.rfind("Place: London, England, United Kingdom (51\u00B031\u2032N 0\u00B008\u2032W)\n"
                             "Time zone: Europe/London\n",
                             0),
              0u)
        << text.out;
    const ToolRun json = Tool({"--calendar", "2026-03-29..2026-03-29", "--place", "London, United Kingdom", "--json"});
    EXPECT_EQ(json.out.rfind("{\"place\":{\"name\":\"London\",\"state\":\"England\",\"country\":\"United Kingdom\","
                             "\"latitude\":\"51\u00B031\u2032N\",\"longitude\":\"0\u00B008\u2032W\",\"latitudeDegrees\":51.5085,"
                             "\"longitudeDegrees\":-0.1257,\"zone\":\"Europe/London\"},"
                             "\"zone\":\"Europe/London\",\"calendar\":[",
                             0),
              0u)
        << json.out;
    const ToolRun csv = Tool({"--calendar", "2026-03-29..2026-03-29", "--place", "London, United Kingdom", "--csv"});
    EXPECT_NE(csv.out.find(",Europe/London\n"), std::string::npos) << csv.out;

    // Samoa skipped 30 December 2011: the stay at 10:00 UTC that day, which
    // the clocks entered at UTC-10 and left at UTC+14.
    const ToolRun apia = Tool({"--calendar", "2011-12-30..2011-12-30", "--place", "Apia"});
    EXPECT_EQ(apia.status, ToolSuccess);
    EXPECT_NE(apia.out.find("\n2011-12-29T19:18-10:00  2011-12-31T20:31+14:00  mansion 26  "), std::string::npos) << apia.out;
    EXPECT_EQ(apia.err, "qamarel-reading: the clocks of Pacific/Apia skipped 2011-12-30..2011-12-30: the stay at the change is given\n");

    const fs::path ics = fs::temp_directory_path() / ("qamarel-nothing-" + std::to_string(::getpid()) + ".ics");
    // 1 January 2026 (UTC) holds mansions 4 and 5: 5 favours learning, and
    // neither hinders travel.
    const ToolRun nothing = Tool({"--calendar", "2026-01-01..2026-01-01", "--favours", "Learning", "--hinders", "journey",
                                  "--ics", ics.string()});
    EXPECT_EQ(nothing.status, ToolSomeRowsFailed);
    EXPECT_EQ(nothing.out, "");
    EXPECT_EQ(nothing.err,
              "qamarel-reading: no stay in 2026-01-01..2026-01-01 favours learning and hinders travel and journeys\n");
    EXPECT_FALSE(fs::exists(ics));
    // A word that names no topic is refused with the topics.
    const ToolRun unknown = Tool({"--calendar", "2026-01", "--hinders", "trav"});
    EXPECT_EQ(unknown.status, ToolRefused);
    EXPECT_EQ(unknown.err.rfind("qamarel-reading: --hinders takes a topic or one of its words, not \"trav\"; the topics: "
                                "travel and journeys, the sea, ",
                                0),
              0u)
        << unknown.err;
    // By meaning, not by letters: "hinders travel" finds 9, 12, 14, 16 and 27
    // (among them "Bad for journeys" and "Danger to seamen"), and only them.
    const ToolRun hinders = Tool({"--calendar", "2026-01", "--hinders", "travel", "--csv"});
    std::set<std::string> hindering;
    std::istringstream hinderRows(hinders.out);
    std::string hinderRow;
    std::getline(hinderRows, hinderRow);
    while (std::getline(hinderRows, hinderRow))
        hindering.insert(hinderRow.substr(0, hinderRow.find(',')));
    EXPECT_EQ(hindering, (std::set<std::string>{"9", "12", "14", "16", "27"}));
}

// A month of the Moon's stays: the first and last touch the month's ends,
// each left is the next entered, in the zone asked for.
TEST(ReadingToolTest, CalendarOfAMonth)
{
    const ToolRun text = Tool({"--calendar", "2026-01", "--zone", "+11:00"});
    EXPECT_EQ(text.status, ToolSuccess);
    EXPECT_EQ(text.err, "");
    // Reference: the minute-by-minute search of the core's tests, 1 Jan 2026 at UTC+11:00.
    EXPECT_EQ(text.out.rfind("Time zone: UTC+11\n"
                             "2025-12-31T07:56+11:00  2026-01-01T04:44+11:00  mansion 3  Achaomazon or Athoray  "
                             "Al Thurayya (The Many Little Ones)\n2026-01-01T04:44+11:00  2026-01-02T01:17+11:00  mansion 4  ",
                             0),
              0u)
        << text.out.substr(0, 300);
    EXPECT_GE(std::count(text.out.begin(), text.out.end(), '\n'), 31);

    const ToolRun json = Tool({"--calendar", "2026-01", "--zone=+11:00", "--json"});
    EXPECT_EQ(json.out.rfind("{\"zone\":\"UTC+11:00\",\"calendar\":[{\"mansion\":3,\"entered\":\"2025-12-31T07:56+11:00\",\"left\":"
                             "\"2026-01-01T04:44+11:00\",\"latinName\":\"Achaomazon or Athoray\",\"arabicName\":"
                             "\"Al Thurayya\",\"englishMeaning\":\"The Many Little Ones\"},{\"mansion\":4,",
                             0),
              0u)
        << json.out.substr(0, 300);
    EXPECT_EQ(json.out.substr(json.out.size() - 4), "}]}\n");

    const ToolRun csv = Tool({"--calendar", "2026-01", "--zone", "+11:00", "--csv"});
    EXPECT_EQ(csv.out.rfind("mansion,entered,left,latin_name,arabic_name,english_meaning,zone\n"
                            "3,2025-12-31T07:56+11:00,2026-01-01T04:44+11:00,Achaomazon or Athoray,Al Thurayya,The Many "
                            "Little Ones,UTC+11:00\n",
                            0),
              0u)
        << csv.out.substr(0, 300);

    // Only the mansions whose favourable lines speak of health and medicine: 1, 14, 22, 23, 27.
    const ToolRun medicine = Tool({"--calendar", "2026-01", "--favours", "MEDICINE", "--csv"});
    std::istringstream rows(medicine.out);
    std::string row;
    std::getline(rows, row);
    int count = 0;
    while (std::getline(rows, row)) {
        const std::string mansion = row.substr(0, row.find(','));
        EXPECT_TRUE(mansion == "1" || mansion == "14" || mansion == "22" || mansion == "23" || mansion == "27") << row;
        ++count;
    }
    EXPECT_GE(count, 4);
}

// A calendar at a place keeps the place's clocks in every line and every
// output, to the nearest minute: a local mean time with seconds either way
// (halves away from zero), minutes West and East.
TEST(ReadingToolTest, CalendarOnThePlacesClocks)
{
    const struct {
        const char* place;
        const char* month;
        const char* offset;  // ISO 8601, in every line
        const char* zone;    // the JSON's zone
    } months[] = {
        {"Amsterdam, Netherlands", "1920-01", "+00:20", "Europe/Amsterdam"},
        {"Dublin, Ireland", "1910-01", "-00:25", "Europe/Dublin"},
        {"Monrovia, Liberia", "1950-01", "-00:45", "Africa/Monrovia"},
        {"St. John's, Canada", "1990-01", "-03:30", "America/St_Johns"},
        {"Kathmandu, Nepal", "1990-01", "+05:45", "Asia/Kathmandu"},
        {"London, England", "1990-07", "+01:00", "Europe/London"},
    };
    for (const auto& m : months) {
        SCOPED_TRACE(m.place);
        const ToolRun text = Tool({"--calendar", m.month, "--place", m.place});
        ASSERT_EQ(text.status, ToolSuccess) << text.err;
        std::istringstream lines(text.out);
        int stays = 0;
        for (std::string line; std::getline(lines, line);) {
            if (line.empty() || line[0] < '0' || line[0] > '9')
                continue;
            EXPECT_EQ(line.substr(16, 6) + line.substr(40, 6), std::string(m.offset) + m.offset) << line;
            ++stays;
        }
        EXPECT_GE(stays, 28);
        const ToolRun json = Tool({"--calendar", m.month, "--place", m.place, "--json"});
        EXPECT_NE(json.out.find(std::string("\"zone\":\"") + m.zone + "\",\"calendar\":[{\"mansion\":"), std::string::npos) << json.out;
        EXPECT_EQ(static_cast<int>(std::count(json.out.begin(), json.out.end(), '{')), stays + 2);  // the place, and each stay
        std::size_t offsets = 0;
        for (std::size_t at = json.out.find(std::string(m.offset) + "\""); at != std::string::npos;
             at = json.out.find(std::string(m.offset) + "\"", at + 1))
            ++offsets;
        EXPECT_EQ(offsets, 2u * static_cast<std::size_t>(stays));
        const ToolRun csv = Tool({"--calendar", m.month, "--place", m.place, "--csv"});
        std::size_t inCsv = 0;
        for (std::size_t at = csv.out.find(std::string(m.offset) + ","); at != std::string::npos;
             at = csv.out.find(std::string(m.offset) + ",", at + 1))
            ++inCsv;
        EXPECT_EQ(inCsv, 2u * static_cast<std::size_t>(stays)) << csv.out.substr(0, 400);
    }
}

TEST_F(ReadingToolFileTest, CalendarFileAndItsFailedWrite)
{
    const std::string path = (dir_ / "month.ics").string();
    const ToolRun written = Tool({"--calendar", "2026-02", "--ics", path});
    EXPECT_EQ(written.status, ToolSuccess);
    EXPECT_EQ(written.out, "");
    std::ifstream file(path, std::ios::binary);
    const std::string ics((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(ics.rfind("BEGIN:VCALENDAR\r\n", 0), 0u) << ics.substr(0, 100);
    EXPECT_EQ(ics.find("\n", 0), ics.find("\r\n", 0) + 1);
    const ToolRun failed = Tool({"--calendar", "2026-02", "--ics", (dir_ / "missing" / "month.ics").string()});
    EXPECT_EQ(failed.status, ToolOutputFailed);
    EXPECT_EQ(failed.err.rfind("qamarel-reading: the calendar was not written to ", 0), 0u) << failed.err;
    EXPECT_EQ(std::count(failed.err.begin(), failed.err.end(), '\n'), 1);
}

TEST_F(ReadingToolFileTest, EveryModeReportsAFailedWrite)
{
    const std::string reading = Write("r.qmz", ReadingFileBytes("19\xC2\xB0 27' 45\" Lib").value());
    const std::string batch = "name,date,time,longitude,latitude,zone,dst\n" +
                              std::string("A,2000-01-01,12:00,0:00W,51:28N,0:00,0\n") +
                              "B,2000-01-01,12:00,0:00W,51:28N,0:00,0\n";
    const std::vector<std::vector<std::string>> modes = {
        {"--help"}, {"--version"}, J2000, With(J2000, {"--json"}), {"--open", reading},
        {"--batch", "-"}, {"--batch", "-", "--json"},
        {"--calendar", "2026-02"}, {"--calendar", "2026-02", "--json"}, {"--calendar", "2026-02", "--csv"},
    };
    for (const auto& args : modes) {
        for (const std::size_t room : {std::size_t{0}, std::size_t{20}}) {
            std::istringstream in(batch);
            FailingOutput failing(room);
            std::ostream out(&failing);
            std::ostringstream err;
            EXPECT_EQ(RunReadingTool(args, in, out, err), ToolOutputFailed) << args[0] << " " << room;
            EXPECT_EQ(err.str(), "qamarel-reading: output failed\n") << args[0];
        }
    }
}

// An input that gives `good` and then fails to read.
class FailingInput : public std::streambuf {
public:
    explicit FailingInput(std::string good) : good_(std::move(good)) {}

protected:
    int_type underflow() override
    {
        if (given_)
            throw std::runtime_error("Input/output error");
        given_ = true;
        setg(good_.data(), good_.data(), good_.data() + good_.size());
        return good_.empty() ? underflow() : traits_type::to_int_type(good_[0]);
    }

private:
    std::string good_;
    bool given_ = false;
};

TEST_F(ReadingToolFileTest, BatchInputErrorsAreReportedNotCrashed)
{
    const struct {
        std::string good;
        int status;
        std::string rows;
    } cases[] = {
        {"", ToolRefused, ""},
        {"name,date,time,longitude,latitude,zone,dst\nA,2000-01-01,12:00,0:00W,51:28N,0:00,0\n", ToolSomeRowsFailed,
         "name,position,mansion,lunar_mansion_name,entered,left,error,place\nA,\"19\xC2\xB0 27' 45\"\" Lib\",16,Azubene or Ahubene,"
         "1999-12-31T22:53+00:00,2000-01-02T00:32+00:00,,\n"},
    };
    for (const auto& c : cases) {
        FailingInput failing(c.good);
        std::istream in(&failing);
        std::ostringstream out, err;
        EXPECT_EQ(RunReadingTool({"--batch", "-"}, in, out, err), c.status);
        EXPECT_EQ(err.str(), "qamarel-reading: standard input cannot be read: Input/output error\n");
        EXPECT_EQ(out.str(), c.rows);
    }
    fs::create_directory(dir_ / "folder");
    const ToolRun folder = Tool({"--batch", (dir_ / "folder").string()});
    EXPECT_EQ(folder.status, ToolRefused);
    EXPECT_EQ(folder.err, "qamarel-reading: " + (dir_ / "folder").string() + " is a folder\n");
}

TEST_F(ReadingToolFileTest, BatchReportsWhatItCannotRead)
{
    const std::string header = "name,date,time,longitude,latitude,zone,dst\n";
    const std::string row = "R,2000-01-01,12:00,0:00W,51:28N,0:00,0\n";
    const struct {
        std::string input;
        int status;
        std::string err;
        std::size_t rows;  // output rows after the header
    } cases[] = {
        {header + "A,\"2000-01-01,12:00,0:00W,51:28N,0:00,0\n" + row + row, ToolSomeRowsFailed,
         "qamarel-reading: line 2: a quoted field is not closed\n", 3},
        {"\xEF\xBB\xBF\"name\",date,time,longitude,latitude,zone,dst\n" + row, ToolSuccess, "", 1},
        {std::string(CsvReader::RecordLimit + 1, 'n') + "\n" + row, ToolRefused,
         "qamarel-reading: standard input: the header line is longer than 65536 bytes; expected "
         "name,date,time,longitude,latitude,zone,dst\n", 0},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tool({"--batch", "-"}, c.input);
        EXPECT_EQ(run.status, c.status) << c.input.substr(0, 60);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(static_cast<std::size_t>(std::count(run.out.begin(), run.out.end(), '\n')), c.rows + (c.status == ToolRefused ? 0 : 1));
    }
}

TEST_F(ReadingToolFileTest, SavesTheBytesOfTheProgramsSave)
{
    const std::string j2000File = "\x8E\x96\x7D\x8F\x94\x84\x7D\x91\x92\x7F\x7D\xA9\xC6\xBF\r\n";
    const struct {
        std::string typed, saved;
    } cases[] = {
        {"plain", "plain.qmz"},
        {"Reading for Dr. Smith", "Reading for Dr. Smith.qmz"},
        {"Amira 21.03.1987", "Amira 21.03.1987.qmz"},
        {"ends.", "ends.qmz"},
        {"given.qmz", "given.qmz"},
    };
    for (const auto& c : cases) {
        const ToolRun run = Tool(With(J2000, {"--save", (dir_ / c.typed).string()}));
        EXPECT_EQ(run.status, ToolSuccess) << run.err;
        std::ifstream file(dir_ / c.saved, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), j2000File) << c.saved;
        EXPECT_EQ(Tool({"--open", (dir_ / c.saved).string()}).status, ToolSuccess);
    }
    const ToolRun missing = Tool(With(J2000, {"--save", (dir_ / "no" / "r").string()}));
    EXPECT_EQ(missing.status, ToolOutputFailed);
    EXPECT_EQ(missing.err, "qamarel-reading: the reading was not saved to " + (dir_ / "no" / "r.qmz").string() +
                               ": No such file or directory\n");
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(Tool({"--open", "x.qmz", "--save", "y"}).status, ToolRefused);

    // A name that is only a folder is refused before anything is computed or
    // written; no hidden ".qmz" appears. The message quotes the name, or the
    // beginning of a long one (the temporary folder may be long).
    for (const std::string& folder : {std::string("."), dir_.string() + "/", dir_.string() + "/..",
                                      dir_.string() + "/."}) {
        const ToolRun run = Tool(With(J2000, {"--save", folder}));
        EXPECT_EQ(run.status, ToolRefused) << folder;
        const std::string head = "qamarel-reading: --save needs a file name: \"", tail = "\" names only a folder\n";
        ASSERT_GT(run.err.size(), head.size() + tail.size()) << run.err;
        EXPECT_EQ(run.err.substr(0, head.size()), head) << run.err;
        EXPECT_EQ(run.err.substr(run.err.size() - tail.size()), tail) << run.err;
        const std::string quoted = run.err.substr(head.size(), run.err.size() - head.size() - tail.size());
        EXPECT_EQ(folder.rfind(quoted, 0), 0u) << quoted;
        EXPECT_TRUE(quoted == folder || quoted.size() >= 40) << quoted;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(fs::exists(dir_ / ".qmz"));
    EXPECT_FALSE(fs::exists(".qmz"));
}

// Every file the tool writes (--save, --picture, --ics) meets what its name
// leads to by one policy: each kind of target a row, each row for every
// writer. A refusal is status 3 with one line, and leaves everything as it was.
TEST_F(ReadingToolFileTest, EveryWriterMeetsEveryKindOfTarget)
{
    using namespace WriteTargets;
    struct Writer {
        const char* option;
        std::string ending;     // of the name given
        std::string failed;     // the message's start
        std::string start;      // the new file's first bytes
        std::vector<std::string> (*args)(const std::string& path);
    };
    const Writer writers[] = {
        {"--save", ".qmz", "the reading was not saved to ", "\x8E\x96\x7D",
         [](const std::string& path) { return With(J2000, {"--save", path}); }},
        {"--picture", ".png", "the picture was not written to ", "\x89PNG\r\n",
         [](const std::string& path) { return With(J2000, {"--picture", path}); }},
        {"--ics", ".ics", "the calendar was not written to ", "BEGIN:VCALENDAR\r\n",
         [](const std::string& path) { return std::vector<std::string>{"--calendar", "2026-02", "--ics", path}; }},
    };
    const UmaskForTest umask;
    int row = 0;
    for (const Target& target : Targets()) {
        for (const Writer& writer : writers) {
            SCOPED_TRACE(std::string(writer.option) + " to " + target.kind);
            const fs::path dir = dir_ / std::to_string(++row);
            fs::create_directory(dir);
            const std::string path = (dir / ("target" + writer.ending)).string();
            const std::optional<fs::path> written = target.make(dir, "target" + writer.ending);
            if (!written)
                continue;  // a device, as a user
            const auto before = Tree(dir);
            const ToolRun run = Tool(writer.args(path));
            const auto after = Tree(dir);
            if (target.outcome != Outcome::Written) {
                const std::string why = target.outcome == Outcome::ReadOnly ? " is read-only" : " is not a regular file";
                EXPECT_EQ(run.status, ToolOutputFailed);
                EXPECT_EQ(run.err, "qamarel-reading: " + writer.failed + path + ": " + path + why + "\n");
                EXPECT_EQ(after, before);
                continue;
            }
            EXPECT_EQ(run.status, ToolSuccess) << run.err;
            std::ifstream file(*written, std::ios::binary);
            const std::string content(std::istreambuf_iterator<char>(file), {});
            EXPECT_EQ(content.substr(0, writer.start.size()), writer.start);
            // Only the file the name leads to changed: links stay links, and nothing is left beside it.
            EXPECT_EQ(after, TreeAfterWrite(before, dir, *written, WrittenMode(target), content));
        }
    }
    // The device of the system itself, only where it cannot be replaced (/dev
    // is not writable), so that a fault here never harms the machine.
    if (::access("/dev", W_OK) != 0) {
        const ToolRun full = Tool({"--calendar", "2026-02", "--ics", "/dev/full"});
        EXPECT_EQ(full.status, ToolOutputFailed);
        EXPECT_EQ(full.err, "qamarel-reading: the calendar was not written to /dev/full: /dev/full is not a regular file\n");
    }
}

// --picture and --save are written together or not at all, and nothing is
// left beside them.
TEST_F(ReadingToolFileTest, PictureAndSaveAreWrittenTogether)
{
    const auto FileText = [](const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    const auto Entries = [this] { return std::distance(fs::directory_iterator(dir_), fs::directory_iterator()); };
    const std::string picture = Write("wheel.png", "old picture");

    // The save fails after the picture is drawn: the old picture stays.
    const ToolRun saveFails = Tool(With(J2000, {"--picture", picture, "--save", (dir_ / "no" / "r").string()}));
    EXPECT_EQ(saveFails.status, ToolOutputFailed);
    EXPECT_EQ(saveFails.err, "qamarel-reading: the reading was not saved to " + (dir_ / "no" / "r.qmz").string() +
                                 ": No such file or directory\n");
    EXPECT_EQ(FileText(picture), "old picture");
    EXPECT_EQ(Entries(), 1);

    // The picture cannot be written: the reading is not saved.
    const ToolRun pictureFails = Tool(With(J2000, {"--picture", (dir_ / "no" / "w.png").string(), "--save", (dir_ / "r").string()}));
    EXPECT_EQ(pictureFails.status, ToolOutputFailed);
    EXPECT_FALSE(fs::exists(dir_ / "r.qmz"));
    EXPECT_EQ(Entries(), 1);

    // Both can: both are written.
    const ToolRun both = Tool(With(J2000, {"--picture", picture, "--save", (dir_ / "r").string()}));
    EXPECT_EQ(both.status, ToolSuccess) << both.err;
    EXPECT_EQ(FileText(picture).substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(FileText(dir_ / "r.qmz"), "\x8E\x96\x7D\x8F\x94\x84\x7D\x91\x92\x7F\x7D\xA9\xC6\xBF\r\n");
    EXPECT_EQ(Entries(), 2);
}

TEST_F(ReadingToolFileTest, PicturesAndThePassage)
{
    const ToolRun png = Tool(With(J2000, {"--picture", (dir_ / "wheel.png").string()}));
    EXPECT_EQ(png.status, ToolSuccess) << png.err;
    std::ifstream wheel(dir_ / "wheel.png", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(wheel), {}).substr(0, 8), "\x89PNG\r\n\x1A\n");
    const std::string saved = Write("j2000.qmz", ReadingFileBytes("19\xC2\xB0 27' 45\" Lib").value());
    const ToolRun pdf = Tool({"--open", saved, "--picture", (dir_ / "reading.PDF").string()});
    EXPECT_EQ(pdf.status, ToolSuccess) << pdf.err;
    std::ifstream page(dir_ / "reading.PDF", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(page), {}).substr(0, 5), "%PDF-");
    const ToolRun wrong = Tool(With(J2000, {"--picture", (dir_ / "wheel.jpg").string()}));
    EXPECT_EQ(wrong.status, ToolRefused);
    EXPECT_EQ(wrong.err, "qamarel-reading: --picture takes a name ending in .png (the wheel) or .pdf (the reading)\n");

    // The passage, as ISO 8601 local times: J2000 at Greenwich, and the same
    // instant with one hour of summer time.
    EXPECT_NE(Tool(With(J2000, {"--json"})).out.find(
                  "\"mansion\":16,\"passage\":{\"entered\":\"1999-12-31T22:53+00:00\",\"left\":\"2000-01-02T00:32+00:00\"},"),
              std::string::npos);
    const ToolRun summer = Tool({"--date", "2000-01-01", "--time", "13:00", "--longitude", "0:00W", "--latitude",
                                 "51:28N", "--zone", "0:00", "--dst"});
    EXPECT_NE(summer.out.find("\nEntered this mansion: 1999-12-31T23:53+01:00\nLeft this mansion: 2000-01-02T01:32+01:00\n"),
              std::string::npos);
    EXPECT_EQ(Tool({"--open", saved, "--json"}).out.find("passage"), std::string::npos);  // a file has none
    const ToolRun quick = Tool({"--batch", "-", "--no-passage"},
                               "name,date,time,longitude,latitude,zone,dst\nA,2000-01-01,12:00,0:00W,51:28N,0:00,0\n");
    EXPECT_EQ(quick.out, "name,position,mansion,lunar_mansion_name,entered,left,error,place\n"
                         "A,\"19\xC2\xB0 27' 45\"\" Lib\",16,Azubene or Ahubene,,,,\n");
}

}  // namespace
