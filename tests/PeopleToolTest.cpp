// The people book through the reading tool: --import-people, --people and
// --calendar --people, each on a book of its own in a temporary data folder.

#include "cli/ReadingTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <sstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int status;
    std::string out, err;
};

ToolRun Tool(const std::vector<std::string>& args, const std::string& input = {})
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunReadingTool(args, in, out, err);
    return {status, out.str(), err.str()};
}

// Ada: the reading of 2000-01-01 12:00 at Greenwich is in mansion 16,
// Azubene or Ahubene (the reading tool's reference birth); Omar's, 1992-04-12
// 00:00 there, in mansion 9, Archaam or Arcaph.
const std::string Header = "name,date,time,longitude,latitude,zone,dst\n";
const std::string Ada = "Ada,2000-01-01,12:00,0:00W,51:28N,0:00,0\n";
const std::string Omar = "Omar,1992-04-12,00:00,0:00W,51:28N,0:00,0\n";

class PeopleToolTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string name = (fs::temp_directory_path() / "qamarel-people-tool-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        dir_ = name;
        const char* old = std::getenv("XDG_DATA_HOME");
        oldData_ = old ? std::optional<std::string>(old) : std::nullopt;
        UseDataFolder("data");
    }
    void TearDown() override
    {
        oldData_ ? ::setenv("XDG_DATA_HOME", oldData_->c_str(), 1) : ::unsetenv("XDG_DATA_HOME");
        fs::remove_all(dir_);
    }
    void UseDataFolder(const std::string& name) { ::setenv("XDG_DATA_HOME", (dir_ / name).c_str(), 1); }
    std::string Book() const { return (fs::path(std::getenv("XDG_DATA_HOME")) / "qamarel" / "people.sqlite").string(); }

    fs::path dir_;
    std::optional<std::string> oldData_;
};

// Bad rows are reported as --batch reports them, the good ones added, and
// the same person is never added twice.
TEST_F(PeopleToolTest, ImportReportsBadRowsAsABatchDoesAndAddsNoOneTwice)
{
    const std::string csv = Header + Ada + "Bad,1999-02-29,0:00,0:00W,51:28N,0:00,0\n" + Omar + Ada;
    const ToolRun batch = Tool({"--batch", "-"}, csv);
    const ToolRun import = Tool({"--import-people", "-"}, csv);
    EXPECT_EQ(import.status, ToolSomeRowsFailed);
    EXPECT_EQ(import.err, "qamarel-reading: line 3: date \"1999-02-29\" does not exist\n");
    EXPECT_EQ(import.err, batch.err);
    EXPECT_EQ(import.out, "2 people added to " + Book() + "; 1 already there\n");

    const ToolRun again = Tool({"--import-people", "-"}, Header + Omar);
    EXPECT_EQ(again.status, ToolSuccess);
    EXPECT_EQ(again.out, "0 people added to " + Book() + "; 1 already there\n");

    const ToolRun list = Tool({"--people"});
    EXPECT_EQ(list.status, ToolSuccess);
    EXPECT_EQ(list.out,
              "Ada  2000-01-01 12:00 UTC+0  mansion 16 Azubene or Ahubene\n"
              "Omar  1992-04-12 00:00 UTC+0  mansion 9 Archaam or Arcaph\n");
    const ToolRun json = Tool({"--people", "--json"});
    EXPECT_NE(json.out.find("{\"name\":\"Ada\",\"date\":\"2000-01-01\",\"time\":\"12:00\",\"zone\":\"+00:00\",\"dst\":false,"
                            "\"latitude\":51.466667,\"longitude\":0.000000,\"note\":\"\""),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("\"mansion\":16,\"latinName\":\"Azubene or Ahubene\"}"), std::string::npos) << json.out;
}

// What cannot be read is refused before the book is touched; a book that
// is not one is said to be damaged and left as it is.
TEST_F(PeopleToolTest, RefusalsLeaveTheBookAsItWas)
{
    EXPECT_EQ(Tool({"--import-people", "-"}, "name,date\n").err,
              "qamarel-reading: standard input: the header must be name,date,time,longitude,latitude,zone,dst or "
              "name,date,time,place\n");
    fs::create_directories(fs::path(Book()).parent_path());
    std::ofstream(Book()) << Header << Ada;
    for (const auto& args : {std::vector<std::string>{"--people"}, {"--import-people", "-"}, {"--calendar", "2026-02", "--people"}}) {
        const ToolRun run = Tool(args, Header + Omar);
        EXPECT_EQ(run.status, ToolRefused) << args[0];
        EXPECT_NE(run.err.find(Book() + " is damaged"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    std::ifstream in(Book());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), Header + Ada);
}

// Each stay names the people whose birth mansion it is.
TEST_F(PeopleToolTest, CalendarNamesEachStaysPeople)
{
    ASSERT_EQ(Tool({"--import-people", "-"}, Header + Ada + Omar + "Zoe,2000-01-01,12:05,0:00W,51:28N,0:00,0\n").status,
              ToolSuccess);
    // February 2026 at Greenwich: mansion 9 from 2026-02-01T12:04, mansion 16
    // from 2026-02-08T07:06 (the tool's calendar of that month).
    const ToolRun csv = Tool({"--calendar", "2026-02", "--people", "--csv"});
    EXPECT_NE(csv.out.find("english_meaning,zone,people\n"), std::string::npos) << csv.out;
    EXPECT_NE(csv.out.find("\n9,2026-02-01T12:04+00:00,"), std::string::npos) << csv.out;
    std::istringstream lines(csv.out);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        const std::string mansion = line.substr(0, line.find(','));
        const std::string people = line.substr(line.find(",UTC+00:00,") + 11);
        EXPECT_EQ(people, mansion == "16" ? "\"Ada, Zoe\"" : mansion == "9" ? "Omar" : "") << line;
    }
    const ToolRun json = Tool({"--calendar", "2026-02", "--people", "--json"});
    EXPECT_NE(json.out.find("\"people\":[\"Ada\",\"Zoe\"]}"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"people\":[]}"), std::string::npos) << json.out;
    const ToolRun text = Tool({"--calendar", "2026-02", "--people"});
    EXPECT_NE(text.out.find("(The Glance of the Lion's Eye)  people: Omar\n"), std::string::npos) << text.out;
    const ToolRun ics = Tool({"--calendar", "2026-02", "--people", "--ics", "-"});
    EXPECT_NE(ics.out.find("DESCRIPTION:People: Omar\\nFavours:"), std::string::npos) << ics.out;
    // Without --people, nothing of the book.
    EXPECT_EQ(Tool({"--calendar", "2026-02", "--csv"}).out.find("people"), std::string::npos);
}

// 1,000 random people out as CSV and into an empty book: the same people.
TEST_F(PeopleToolTest, ExportedPeopleImportIntoAnEmptyBookAsTheSamePeople)
{
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
    const char* const pieces[] = {"a", "Z", " ", ",", "\"", "'", "\xC3\xA9", "\xC5\x81", "\xE4\xB8\xAD", "-", ";", "\n"};
    // A text of the pieces, begun with a letter (a first "-" would be written
    // with an apostrophe before it, as a spreadsheet's formula is), as CSV.
    auto text = [&](std::string first) {
        for (int n = pick(0, 10); n > 0; --n)
            first += pieces[pick(0, 11)];
        const bool quoted = first.find_first_of(",\"\n") != std::string::npos;
        for (std::size_t at = 0; (at = first.find('"', at)) != std::string::npos; at += 2)
            first.insert(at, "\"");
        return quoted ? "\"" + first + "\"" : first;
    };
    std::vector<std::string> rows;
    for (int i = 0; i < 1000; ++i) {
        std::string row = text("P" + std::to_string(i));
        char rest[96];
        const int longitude = pick(0, 180 * 60 - 1), latitude = pick(0, 90 * 60 - 1);
        const int zone = pick(-12, 14) * 60 + (pick(0, 3) == 0 ? 30 : 0) * (pick(0, 1) ? 1 : -1);
        char zoneText[16] = "0:00";
        if (zone != 0)
            std::snprintf(zoneText, sizeof zoneText, "%c%02d:%02d", zone > 0 ? '+' : '-', std::abs(zone) / 60, std::abs(zone) % 60);
        std::snprintf(rest, sizeof rest, ",%04d-%02d-%02d,%02d:%02d,%d:%02d%c,%d:%02d%c,%s,%d", pick(1901, 2050),
                      pick(1, 12), pick(1, 28), pick(0, 23), pick(0, 59), longitude / 60, longitude % 60,
                      longitude == 0 || pick(0, 1) ? 'E' : 'W', latitude / 60, latitude % 60,
                      latitude == 0 || pick(0, 1) ? 'N' : 'S', zoneText, pick(0, 1));
        // The rest of an entry: a third without a place, a third without a note.
        const std::string place = i % 3 == 0 ? ",,,," : "," + text("T") + "," + text("S") + "," + text("C") + ",Europe/Paris";
        rows.push_back(row + rest + place + "," + (i % 3 == 1 ? "" : text("N")) + "\n");
    }
    const std::string peopleHeader = "name,date,time,longitude,latitude,zone,dst,place,state,country,timezone,note\n";
    std::string csv = peopleHeader;
    for (const std::string& row : rows)
        csv += row;
    const ToolRun first = Tool({"--import-people", "-"}, csv);
    ASSERT_EQ(first.status, ToolSuccess) << first.err;
    const ToolRun exported = Tool({"--people", "--csv"});
    ASSERT_EQ(exported.status, ToolSuccess);

    UseDataFolder("empty");
    const ToolRun second = Tool({"--import-people", "-"}, exported.out);
    ASSERT_EQ(second.status, ToolSuccess) << second.err;
    EXPECT_EQ(second.out, "1000 people added to " + Book() + "\n");
    EXPECT_EQ(Tool({"--people", "--csv"}).out, exported.out);
    // And the rows are the ones first given, in the book's order.
    std::multiset<std::string> given(rows.begin(), rows.end());
    std::multiset<std::string> out;
    ASSERT_EQ(exported.out.rfind(peopleHeader, 0), 0u);
    std::string rest = exported.out.substr(peopleHeader.size());
    for (const std::string& row : rows) {
        EXPECT_NE(rest.find(row), std::string::npos) << row;
        out.insert(row);
    }
    EXPECT_EQ(out, given);
    // --batch reads the births of the export as it reads its own format.
    const ToolRun readings = Tool({"--batch", "-", "--json"}, exported.out);
    EXPECT_EQ(readings.status, ToolSuccess) << readings.err;
    EXPECT_EQ(std::count(readings.out.begin(), readings.out.end(), '\n'), 1000) << readings.out.substr(0, 400);
}

}  // namespace
