// The tool's grammar as a user meets it: argument vectors for readings and
// calendars, each with its exit status, its one line on standard error and
// the end of its standard output.
#include "base/ProgramVersion.h"
#include "cli/ReadingTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <utility>
#include <vector>

namespace {

const std::string Minus = "\xE2\x88\x92";  // U+2212 MINUS SIGN

// A reading East of Greenwich: an unsigned zone would be ahead of universal time.
std::vector<std::string> Reading(std::initializer_list<std::string> more, const std::string& zone = "0:00")
{
    std::vector<std::string> args = {"--date", "2000-01-01", "--time", "12:00", "--longitude", "0:00E",
                                     "--latitude", "51:28N", "--zone", zone};
    args.insert(args.end(), more);
    return args;
}

std::vector<std::string> Calendar(const std::string& span, std::initializer_list<std::string> more = {})
{
    std::vector<std::string> args = {"--calendar", span};
    args.insert(args.end(), more);
    return args;
}

struct Row {
    std::vector<std::string> args;
    int status;
    std::string err;     // the message after "qamarel-reading: ", or "" for none
    std::string outEnd;  // how standard output ends; a refusal writes none
};

// The passage of the reading above, in the offsets -05:00 and +00:00.
const std::string BehindFive = "Entered this mansion: 1999-12-31T17:53-05:00\nLeft this mansion: 2000-01-01T19:32-05:00\n";
const std::string AtGreenwich = "Entered this mansion: 1999-12-31T22:53+00:00\nLeft this mansion: 2000-01-02T00:32+00:00\n";
// The last stay of February 2026 in the offsets -05:00 and +00:00.
const std::string FebruaryBehindFive =
    "2026-02-28T15:32-05:00  2026-03-01T13:53-05:00  mansion 9  Archaam or Arcaph  Al Tarf (The Glance of the Lion's Eye)\n";
const std::string FebruaryAtGreenwich =
    "2026-02-28T20:32+00:00  2026-03-01T18:53+00:00  mansion 9  Archaam or Arcaph  Al Tarf (The Glance of the Lion's Eye)\n";
const std::string SignNeeded = "--zone for the calendar is an offset with its sign, e.g. +11:00 or -4:00, not ";

TEST(ToolGrammarTest, EachArgumentVectorGetsItsStatusMessageAndOutput)
{
    const Row rows[] = {
        // Zones of a reading: U+2212 is "-", the sign gives the direction, the ranges hold.
        {Reading({}, Minus + "5:00"), ToolSuccess, "", BehindFive},
        {Reading({}, "-5:00"), ToolSuccess, "", BehindFive},
        {Reading({}, "+5:75"), ToolRefused, "zone \"+5:75\": hours must be 0 to 14 and minutes 0 to 59", ""},
        {Reading({}, "15:00"), ToolRefused, "zone \"15:00\": hours must be 0 to 14 and minutes 0 to 59", ""},
        {Reading({}, "5:3"), ToolRefused, "zone \"5:3\" is not of the form H:MM, e.g. 5:30", ""},
        {Reading({}, "5:30:00"), ToolRefused, "zone \"5:30:00\" is not of the form H:MM, e.g. 5:30", ""},
        {Reading({}, Minus), ToolRefused, "zone \"" + Minus + "\" is not of the form H:MM, e.g. 5:30", ""},
        // Dates of a reading.
        {{"--date", "1900-12-31", "--time", "12:00", "--longitude", "0:00E", "--latitude", "51:28N", "--zone", "0:00"},
         ToolRefused, "date \"1900-12-31\": the year must be 1901 to 2050", ""},
        {{"--date", "2051-01-01", "--time", "12:00", "--longitude", "0:00E", "--latitude", "51:28N", "--zone", "0:00"},
         ToolRefused, "date \"2051-01-01\": the year must be 1901 to 2050", ""},
        {{"--date", "1999-02-29", "--time", "12:00", "--longitude", "0:00E", "--latitude", "51:28N", "--zone", "0:00"},
         ToolRefused, "date \"1999-02-29\" does not exist", ""},
        {{"--date", "2000-04-31", "--time", "12:00", "--longitude", "0:00E", "--latitude", "51:28N", "--zone", "0:00"},
         ToolRefused, "date \"2000-04-31\" does not exist", ""},
        {{"--date", "2000-13-01", "--time", "12:00", "--longitude", "0:00E", "--latitude", "51:28N", "--zone", "0:00"},
         ToolRefused, "date \"2000-13-01\" does not exist", ""},
        {{"--date", "2000-1-1", "--time", "12:00", "--longitude", "0:00E", "--latitude", "51:28N", "--zone", "0:00"},
         ToolRefused, "date \"2000-1-1\" is not of the form YYYY-MM-DD", ""},
        {{"--date", "01/02/2000", "--time", "12:00", "--longitude", "0:00E", "--latitude", "51:28N", "--zone", "0:00"},
         ToolRefused, "date \"01/02/2000\" is not of the form YYYY-MM-DD", ""},

        // Zones of a calendar: the same grammar, with a sign unless the offset is zero.
        {Calendar("2026-02", {"--zone", Minus + "5:00"}), ToolSuccess, "", FebruaryBehindFive},
        {Calendar("2026-02", {"--zone=-5:00"}), ToolSuccess, "", FebruaryBehindFive},
        {Calendar("2026-02", {"--zone", "0:00"}), ToolSuccess, "", FebruaryAtGreenwich},
        {Calendar("2026-02", {"--zone", "0"}), ToolSuccess, "", FebruaryAtGreenwich},
        {Calendar("2026-02", {"--zone", "11:00"}), ToolRefused, SignNeeded + "\"11:00\"", ""},
        {Calendar("2026-02", {"--zone", "+11"}), ToolSuccess, "",
         "2026-02-28T09:27+11:00  2026-03-01T07:32+11:00  mansion 8  Alnaza or Anatchtraya  Al Nathrah (The Gap or Crib)\n"},
        {Calendar("2026-02", {"--zone", "+5:75"}), ToolRefused, "zone \"+5:75\": hours must be 0 to 14 and minutes 0 to 59", ""},
        {Calendar("2026-02", {"--zone", "+15:00"}), ToolRefused, "zone \"+15:00\": hours must be 0 to 14 and minutes 0 to 59", ""},
        {Calendar("2026-02", {"--zone", "+5:3"}), ToolRefused, SignNeeded + "\"+5:3\"", ""},

        // Spans at the edges of the years taken, at most 10 years (their
        // ends: SpansCoverEveryMonthsEndAndEveryYearsEnd).
        {Calendar("1901-01-01..1901-01-02", {"--zone", "+14:00"}), ToolSuccess, "",
         "1901-01-02T11:44+14:00  1901-01-03T09:45+14:00  mansion 4  Aldebaram or Aldelamen  Al Dabaran (The Follower)\n"},
        {Calendar("2041-01-01..2050-12-31", {"--zone", "-12:00"}), ToolSuccess, "",
         "2050-12-31T03:13-12:00  2051-01-01T04:30-12:00  mansion 10  Algelioche or Albgebh  Al Jabhah (The Forehead)\n"},
        {Calendar("2026-03-01..2026-02-01"), ToolRefused, "the span ends (2026-02-01) before it starts (2026-03-01)", ""},
        {Calendar("2020-01-01..2030-01-01"), ToolRefused,
         "a calendar span is at most 10 years; 2020-01-01..2030-01-01 is longer", ""},
        {Calendar("2026-1"), ToolRefused, "--calendar takes YYYY-MM or YYYY-MM-DD..YYYY-MM-DD, not \"2026-1\"", ""},
        {Calendar("2026-01-01..2026-02"), ToolRefused,
         "--calendar takes YYYY-MM or YYYY-MM-DD..YYYY-MM-DD, not \"2026-01-01..2026-02\"", ""},
        {Calendar("2026-13"), ToolRefused, "month \"2026-13\" does not exist", ""},
        {Calendar("1900-12"), ToolRefused, "month \"1900-12\": the year must be 1901 to 2050", ""},
        {Calendar("2026-02-29..2026-03-01"), ToolRefused, "date \"2026-02-29\" does not exist", ""},
        {Calendar("2040-01-01..2051-01-01"), ToolRefused, "date \"2051-01-01\": the year must be 1901 to 2050", ""},

        // Empty values, in every mode; only a name may be empty.
        {Calendar("2026-02", {"--place", ""}), ToolRefused, "--place needs a value", ""},
        {Calendar("2026-02", {"--zone", ""}), ToolRefused, "--zone needs a value", ""},
        {Calendar("2026-02", {"--favours", ""}), ToolRefused, "--favours needs a value", ""},
        {Calendar("2026-02", {"--ics="}), ToolRefused, "--ics needs a value", ""},
        {Calendar(""), ToolRefused, "--calendar needs a value", ""},
        {{"--batch", ""}, ToolRefused, "--batch needs a value", ""},
        {{"--open", ""}, ToolRefused, "--open needs a value", ""},
        {{"--places", ""}, ToolRefused, "--places needs a value", ""},
        {{"--date", "", "--time", "12:00", "--place", "Paris"}, ToolRefused, "--date needs a value", ""},
        {{"--date", "2000-01-01", "--time", "12:00", "--place", ""}, ToolRefused, "--place needs a value", ""},
        {Reading({}, ""), ToolRefused, "--zone needs a value", ""},
        {Reading({"--save", ""}), ToolRefused, "--save needs a value", ""},
        {Reading({"--picture="}), ToolRefused, "--picture needs a value", ""},
        {{"--open"}, ToolRefused, "--open needs a value", ""},

        // The files written need a name of their own; "-" is standard output for --ics alone.
        {Reading({"--save", "-"}), ToolRefused, "--save needs a file name, not \"-\" (standard output)", ""},
        {Reading({"--picture", "-"}), ToolRefused, "--picture needs a file name, not \"-\" (standard output)", ""},
        {Reading({"--picture", "pictures/"}), ToolRefused, "--picture needs a file name: \"pictures/\" names only a folder", ""},
        {Calendar("2026-02", {"--ics", "."}), ToolRefused, "--ics needs a file name: \".\" names only a folder", ""},
        {Calendar("2026-02", {"--ics", ".."}), ToolRefused, "--ics needs a file name: \"..\" names only a folder", ""},
        {Calendar("2026-02", {"--ics", "calendars/"}), ToolRefused, "--ics needs a file name: \"calendars/\" names only a folder", ""},
        {Calendar("2026-02", {"--ics", "-"}), ToolSuccess, "", "END:VEVENT\r\nEND:VCALENDAR\r\n"},
        {Reading({"--name", ""}), ToolSuccess, "", AtGreenwich},

        // Which options go together.
        {Reading({"--ics", "month.ics"}), ToolRefused, "--ics goes with --calendar", ""},
        {{"--ics", "month.ics"}, ToolRefused, "--ics goes with --calendar", ""},
        {Reading({"--favours", "travel"}), ToolRefused, "--favours goes with --calendar", ""},
        {Calendar("2026-02", {"--date", "2026-02-01"}), ToolRefused, "--date does not go with --calendar", ""},
        {Calendar("2026-02", {"--json", "--csv"}), ToolRefused, "give one of --json, --csv and --ics", ""},
        {Calendar("2026-02", {"--zone", "+1:00", "--place", "Paris"}), ToolRefused,
         "give either --place or --zone, not both", ""},
        {Reading({"--zone-name", "Europe/London"}), ToolRefused, "give either --zone-name or --zone, not both", ""},
        {{"--date", "2000-01-01", "--time", "12:00", "--longitude", "0:00E", "--latitude", "51:28N", "--zone-name",
          "Europe/London", "--dst"}, ToolRefused, "give either --zone-name or --dst, not both", ""},
        {{"--date", "2000-01-01", "--time", "12:00", "--zone-name", "Europe/London"}, ToolRefused,
         "--longitude is missing; see --help", ""},
        {{"--date", "2000-01-01", "--time", "12:00", "--place", "Paris", "--zone-name", "Europe/Paris"}, ToolRefused,
         "give either --place or --zone-name, not both", ""},
        {Calendar("2026-02", {"--zone", "+1:00", "--zone-name", "Europe/Paris"}), ToolRefused,
         "give either --zone-name or --zone, not both", ""},
        {{"--open", "r.qmz", "--zone-name", "Europe/Paris"}, ToolRefused, "--zone-name goes with one reading or --calendar", ""},
        {Calendar("2026-02", {"--zone-name", ""}), ToolRefused, "--zone-name needs a value", ""},
        {{"--batch", "-", "--picture", "w.png"}, ToolRefused, "--picture goes with one reading or --open", ""},
        {{"--open", "r.qmz", "--zone", "1:00"}, ToolRefused, "--zone goes with one reading or --calendar", ""},
        {{"--open", "r.qmz", "--no-passage"}, ToolRefused, "--no-passage goes with one reading or --batch", ""},
        {Reading({"--open", "r.qmz"}), ToolRefused,
         "give either the birth data, --open, --batch, --places, --people or --import-people, not more than one", ""},
        {{"--people", "--batch", "-"}, ToolRefused,
         "give either the birth data, --open, --batch, --places, --people or --import-people, not more than one", ""},
        {Reading({"--import-people", "p.csv"}), ToolRefused,
         "give either the birth data, --open, --batch, --places, --people or --import-people, not more than one", ""},
        {{"--import-people", "p.csv", "--json"}, ToolRefused,
         "--json goes with one reading, --open, --batch, --places, --calendar or --people", ""},
        {{"--people", "--csv", "--json"}, ToolRefused, "give one of --json, --csv and --ics", ""},
        {{"--people", "--favours", "travel"}, ToolRefused, "--favours goes with --calendar", ""},
        {{"--people", "--ics", "-"}, ToolRefused, "--ics goes with --calendar", ""},
        {Reading({"--csv"}), ToolRefused, "--csv goes with --calendar or --people", ""},
        {{"--import-people", ""}, ToolRefused, "--import-people needs a value", ""},
        {{"--import-people"}, ToolRefused, "--import-people needs a value", ""},
        {{"--people=1"}, ToolRefused, "--people takes no value", ""},
        {{}, ToolRefused, "--date is missing; see --help", ""},
        {{"--date", "2000-01-01", "--time", "12:00", "--zone", "0:00"}, ToolRefused, "--longitude is missing; see --help", ""},
        {Reading({"--date", "2000-01-02"}), ToolRefused, "--date is given more than once", ""},
        {{"-h", "--help"}, ToolRefused, "--help is given more than once", ""},
        {{"--bogus"}, ToolRefused, "unknown option \"--bogus\"; see --help", ""},
        {{"--x\ny\r\x1b[2J"}, ToolRefused, "unknown option \"--x?y??[2J\"; see --help", ""},
        {{"--json=1"}, ToolRefused, "--json takes no value", ""},

        // "--" ends the options; a word that is no option is an unexpected argument.
        {Reading({"--"}), ToolSuccess, "", AtGreenwich},
        {Reading({"--", "--json"}), ToolRefused, "unexpected argument \"--json\"; see --help", ""},
        {Reading({"--", "--"}), ToolRefused, "unexpected argument \"--\"; see --help", ""},
        {Reading({"extra"}), ToolRefused, "unexpected argument \"extra\"; see --help", ""},
        {{"-"}, ToolRefused, "unexpected argument \"-\"; see --help", ""},
        {{"--open", "r.qmz", "-", "x"}, ToolRefused, "unexpected argument \"-\"; see --help", ""},
        {Reading({"--name", "--"}), ToolSuccess, "", AtGreenwich},  // a value, not the end of the options

        // A misspelt option: the nearest by edit distance, when one is near enough.
        {{"--dat", "2000-01-01"}, ToolRefused, "unknown option \"--dat\"; did you mean --date?", ""},
        {Calendar("2026-02", {"--favors=travel"}), ToolRefused, "unknown option \"--favors\"; did you mean --favours?", ""},
        {Reading({"--lattitude", "1:00N"}), ToolRefused, "unknown option \"--lattitude\"; did you mean --latitude?", ""},
        {Reading({"-json"}), ToolRefused, "unknown option \"-json\"; did you mean --json?", ""},
        {Reading({"--nopassage"}), ToolRefused, "unknown option \"--nopassage\"; did you mean --no-passage?", ""},
        {{"--calender", "2026-02"}, ToolRefused, "unknown option \"--calender\"; did you mean --calendar?", ""},
        {{"-x"}, ToolRefused, "unknown option \"-x\"; see --help", ""},

        // The short forms the window program takes too.
        {{"-v"}, ToolSuccess, "", "qamarel-reading " QAMAREL_VERSION "\n"},
        {{"-v", "--version"}, ToolRefused, "--version is given more than once", ""},
        {{"-h"}, ToolSuccess, "", "file set read-only, or one that is not a regular file, is not replaced;\n"
                                  "a link is followed to the file it leads to, which is replaced).\n"},
    };
    for (const Row& row : rows) {
        std::string shown;
        for (const std::string& arg : row.args)
            shown += " " + arg;
        std::istringstream in;
        std::ostringstream out, err;
        EXPECT_EQ(RunReadingTool(row.args, in, out, err), row.status) << shown;
        EXPECT_EQ(err.str(), row.err.empty() ? "" : "qamarel-reading: " + row.err + "\n") << shown;
        const std::string output = out.str();
        if (row.outEnd.empty())
            EXPECT_EQ(output, "") << shown;
        else
            EXPECT_EQ(output.substr(output.size() - std::min(output.size(), row.outEnd.size())), row.outEnd) << shown;
    }
}

// Batches: the header's separator, comma or semicolon, is the rows' too.
TEST(ToolGrammarTest, EachBatchInputGetsItsStatusMessageAndOutput)
{
    const std::string Reading = ",\"19\u00B0 27' 45\"\" Lib\",16,Azubene or Ahubene,1999-12-31T22:53+00:00,"
                                "2000-01-02T00:32+00:00,,\n";
    const struct {
        std::string in;
        int status;
        std::string err;
        std::string outEnd;
    } rows[] = {
        {"name,date,time,longitude,latitude,zone,dst\nDoe,2000-01-01,12:00,0:00E,51:28N,0:00,0\n", ToolSuccess, "",
         "\nDoe" + Reading},
        {"name;date;time;longitude;latitude;zone;dst\nDoe;2000-01-01;12:00;0:00E;51:28N;0:00;0\n", ToolSuccess, "",
         "\nDoe" + Reading},
        // A comma in a semicolon file is text; a quoted field may hold a semicolon.
        {"name;date;time;longitude;latitude;zone;dst\r\nDoe, Jane;2000-01-01;12:00;0:00E;51:28N;0:00;0\r\n", ToolSuccess,
         "", "\n\"Doe, Jane\"" + Reading},
        {"\xEF\xBB\xBFname;date;time;longitude;latitude;zone;dst\n\"Doe; Jane\";2000-01-01;12:00;0:00E;51:28N;0:00;0\n",
         ToolSuccess, "", "\nDoe; Jane" + Reading},
        // Rows separated otherwise than their header are rows of one field.
        {"name;date;time;longitude;latitude;zone;dst\nDoe,2000-01-01,12:00,0:00E,51:28N,0:00,0\n", ToolSomeRowsFailed,
         "line 2: expected 7 fields, found 1", ""},
        {"name;date;time\n", ToolRefused,
         "standard input: the header must be name,date,time,longitude,latitude,zone,dst or name,date,time,place", ""},
    };
    for (const auto& row : rows) {
        std::istringstream in(row.in);
        std::ostringstream out, err;
        EXPECT_EQ(RunReadingTool({"--batch", "-"}, in, out, err), row.status) << row.in;
        EXPECT_EQ(err.str(), row.err.empty() ? "" : "qamarel-reading: " + row.err + "\n") << row.in;
        const std::string output = out.str();
        EXPECT_EQ(output.substr(output.size() - std::min(output.size(), row.outEnd.size())), row.outEnd) << row.in;
    }
}

// Calendar spans as a user reads them: a month from 00:00 on its first day to
// 00:00 on the next month's first (December's into January; February's 28 or
// 29 days), a day span to 00:00 after its last day. The first stay shown holds
// the span's first minute, the last one its last minute, each stay begins as
// the one before ends, and text, JSON and CSV list the same stays.
TEST(ToolGrammarTest, SpansCoverEveryMonthsEndAndEveryYearsEnd)
{
    const struct {
        const char* span;
        const char* first;  // the first minute, local time
        const char* end;    // the minute after the last
    } spans[] = {
        {"2023-01", "2023-01-01T00:00", "2023-02-01T00:00"}, {"2023-02", "2023-02-01T00:00", "2023-03-01T00:00"},
        {"2023-03", "2023-03-01T00:00", "2023-04-01T00:00"}, {"2023-04", "2023-04-01T00:00", "2023-05-01T00:00"},
        {"2023-05", "2023-05-01T00:00", "2023-06-01T00:00"}, {"2023-06", "2023-06-01T00:00", "2023-07-01T00:00"},
        {"2023-07", "2023-07-01T00:00", "2023-08-01T00:00"}, {"2023-08", "2023-08-01T00:00", "2023-09-01T00:00"},
        {"2023-09", "2023-09-01T00:00", "2023-10-01T00:00"}, {"2023-10", "2023-10-01T00:00", "2023-11-01T00:00"},
        {"2023-11", "2023-11-01T00:00", "2023-12-01T00:00"}, {"2023-12", "2023-12-01T00:00", "2024-01-01T00:00"},
        {"2024-02", "2024-02-01T00:00", "2024-03-01T00:00"}, {"2000-02", "2000-02-01T00:00", "2000-03-01T00:00"},
        {"1999-12", "1999-12-01T00:00", "2000-01-01T00:00"}, {"1901-01", "1901-01-01T00:00", "1901-02-01T00:00"},
        {"2050-12", "2050-12-01T00:00", "2051-01-01T00:00"},
        {"2023-01-31..2023-01-31", "2023-01-31T00:00", "2023-02-01T00:00"},
        {"2023-02-28..2023-02-28", "2023-02-28T00:00", "2023-03-01T00:00"},
        {"2024-02-28..2024-02-29", "2024-02-28T00:00", "2024-03-01T00:00"},
        {"2023-04-30..2023-04-30", "2023-04-30T00:00", "2023-05-01T00:00"},
        {"2023-06-30..2023-07-01", "2023-06-30T00:00", "2023-07-02T00:00"},
        {"2023-09-30..2023-09-30", "2023-09-30T00:00", "2023-10-01T00:00"},
        {"2023-11-30..2023-11-30", "2023-11-30T00:00", "2023-12-01T00:00"},
        {"2023-12-31..2023-12-31", "2023-12-31T00:00", "2024-01-01T00:00"},
        {"2023-12-30..2024-01-02", "2023-12-30T00:00", "2024-01-03T00:00"},
        {"2026-03-01..2026-03-10", "2026-03-01T00:00", "2026-03-11T00:00"},
        {"2050-12-31..2050-12-31", "2050-12-31T00:00", "2051-01-01T00:00"},
    };
    const struct {
        const char* zone;
        const char* iso;
    } zones[] = {{"0", "+00:00"}, {"-3:30", "-03:30"}, {"+5:45", "+05:45"}};
    auto run = [](const std::vector<std::string>& args) {
        std::istringstream in;
        std::ostringstream out, err;
        const int status = RunReadingTool(args, in, out, err);
        return status == ToolSuccess ? out.str() : "status " + std::to_string(status) + ": " + err.str();
    };
    for (const auto& z : zones) {
        for (const auto& span : spans) {
            const std::string first = span.first + std::string(z.iso), end = span.end + std::string(z.iso);
            SCOPED_TRACE(std::string(span.span) + " at " + z.iso);
            std::istringstream text(run(Calendar(span.span, {"--zone", z.zone})));
            std::vector<std::pair<std::string, std::string>> stays;  // entered, left
            for (std::string line; std::getline(text, line);)
                if (!line.empty() && line[0] >= '0' && line[0] <= '9')
                    stays.emplace_back(line.substr(0, 22), line.substr(24, 22));
            ASSERT_GE(stays.size(), 1u) << text.str();
            EXPECT_LE(stays.front().first, first);
            EXPECT_GT(stays.front().second, first);
            EXPECT_LT(stays.back().first, end);
            EXPECT_GE(stays.back().second, end);
            const std::string csv = run(Calendar(span.span, {"--zone", z.zone, "--csv"}));
            for (std::size_t i = 0; i < stays.size(); ++i) {
                if (i + 1 < stays.size()) {
                    EXPECT_EQ(stays[i].second, stays[i + 1].first);
                }
                EXPECT_NE(csv.find("," + stays[i].first + "," + stays[i].second + ","), std::string::npos) << i;
            }
            EXPECT_EQ(static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')), stays.size() + 1) << csv;
            const std::string asJson = run(Calendar(span.span, {"--zone", z.zone, "--json"}));
            EXPECT_EQ(static_cast<std::size_t>(std::count(asJson.begin(), asJson.end(), '{')), stays.size() + 1);
            EXPECT_NE(asJson.find("\"entered\":\"" + stays.front().first + "\""), std::string::npos) << asJson;
            EXPECT_NE(asJson.find("\"left\":\"" + stays.back().second + "\""), std::string::npos) << asJson;
        }
    }
}

}  // namespace
