#include "cli/CommandLine.h"

#include "base/TextBasics.h"
#include "base/Utf8Text.h"
#include "core/ReadingFile.h"

#include <cctype>
#include <set>
#include <string_view>

namespace {

// What an option asks for: the birth data of one reading, or one of the other modes.
enum class Asks { Nothing, Birth, Places, Open, Batch, Calendar, Help, Version };

// One option of the tool: its name, whether it takes a value, what it sets,
// and its lines in --help (the first beside the name, the rest under it; none
// for the options --help explains in its paragraphs).
struct ToolOption {
    std::string_view name;
    std::string_view alias;
    bool takesValue;
    Asks asks;
    void (*apply)(ReadingCommand& command, std::string&& value);
    std::string_view help;
};

// The one list of the tool's options: parsing and --help both read it.
const ToolOption Options[] = {
    {"--date", "", true, Asks::Birth, [](ReadingCommand& c, std::string&& v) { c.birth.date = std::move(v); },
     "birth date, 1901-01-01 to 2050-12-31, always with two-digit\n"
     "month and day"},
    {"--time", "", true, Asks::Birth, [](ReadingCommand& c, std::string&& v) { c.birth.time = std::move(v); },
     "local clock time of birth, H:MM or HH:MM, or with :SS (seconds\n"
     "unused); minutes and seconds always have two digits"},
    {"--longitude", "", true, Asks::Birth,
     [](ReadingCommand& c, std::string&& v) { c.birth.longitude = std::move(v); },
     "degrees 0-180 and minutes, then E or W, e.g. 77:13E"},
    {"--latitude", "", true, Asks::Birth, [](ReadingCommand& c, std::string&& v) { c.birth.latitude = std::move(v); },
     "degrees 0-90 and minutes, then N or S, e.g. 28:36N"},
    {"--zone", "", true, Asks::Birth, [](ReadingCommand& c, std::string&& v) { c.birth.zone = std::move(v); },
     "time-zone offset, H or H:MM (two-digit minutes), 0:00 to\n"
     "14:59; +1:00 is ahead of universal time and -5:00 behind it\n"
     "(ISO 8601; the minus sign U+2212 is taken as -); unsigned, its\n"
     "direction follows the longitude (East ahead of UT, West behind it)"},
    {"--dst", "", false, Asks::Birth, [](ReadingCommand& c, std::string&&) { c.birth.dst = true; },
     "summer time was in force"},
    {"--place", "", true, Asks::Birth, [](ReadingCommand& c, std::string&& v) { c.place = std::move(v); },
     "instead of --longitude, --latitude, --zone and --dst: the best\n"
     "match of the offline place list (GeoNames), its coordinates\n"
     "and its time zone's offset at the birth date and time, from the\n"
     "system's time-zone database; the output says what was used"},
    {"--places", "", true, Asks::Places, [](ReadingCommand& c, std::string&& v) { c.placeQuery = std::move(v); },
     "list the places that match, best first"},
    {"--name", "", true, Asks::Birth, [](ReadingCommand& c, std::string&& v) { c.name = std::move(v); },
     "the person's name, echoed in the output"},
    {"--save", "", true, Asks::Birth, [](ReadingCommand& c, std::string&& v) { c.savePath = std::move(v); },
     "also save the reading to a file, as the program's Save does\n"
     "(.qmz is added when the name does not end in it); a name that\n"
     "is only a folder (\".\", \"dir/\") is refused"},
    {"--picture", "", true, Asks::Nothing, [](ReadingCommand& c, std::string&& v) { c.picturePath = std::move(v); },
     "also write the mansion wheel as a PNG picture, or the whole\n"
     "reading on one page as a PDF document, by the name's ending;\n"
     "with --save, both are written or neither"},
    {"--open", "", true, Asks::Open, [](ReadingCommand& c, std::string&& v) { c.path = std::move(v); },
     "show the reading saved in a .qmz file"},
    {"--batch", "", true, Asks::Batch, [](ReadingCommand& c, std::string&& v) { c.path = std::move(v); },
     "read CSV with the header name,date,time,longitude,latitude,zone,dst\n"
     "(dst 0 or 1), or name,date,time,place, and write\n"
     "name,position,mansion,lunar_mansion_name,entered,left,error,place"},
    {"--calendar", "", true, Asks::Calendar,
     [](ReadingCommand& c, std::string&& v) { c.calendarSpan = std::move(v); },
     "the Moon's stays in the mansions over a month (YYYY-MM) or the\n"
     "days YYYY-MM-DD..YYYY-MM-DD (at most 10 years, 1901 to 2050):\n"
     "one stay a line, when it entered and left the mansion; in the\n"
     "clocks of --zone (with its sign, e.g. +11:00) or of --place\n"
     "(its zone's changes included), else in universal time"},
    {"--favours", "", true, Asks::Nothing, [](ReadingCommand& c, std::string&& v) { c.favours = std::move(v); },
     "with --calendar: only the stays whose mansion favours the word\n"
     "(\"travel\", \"medicine\"; any case)"},
    {"--csv", "", false, Asks::Nothing, [](ReadingCommand& c, std::string&&) { c.csv = true; },
     "with --calendar: CSV instead of text"},
    {"--ics", "", true, Asks::Nothing, [](ReadingCommand& c, std::string&& v) { c.icsPath = std::move(v); },
     "with --calendar: write the stays as an iCalendar file (RFC 5545),\n"
     "one event a stay in UTC, for calendar programs"},
    {"--json", "", false, Asks::Nothing, [](ReadingCommand& c, std::string&&) { c.json = true; },
     "JSON instead of text (one object per line with --batch)"},
    {"--no-passage", "", false, Asks::Nothing, [](ReadingCommand& c, std::string&&) { c.passage = false; }, ""},
    {"--help", "-h", false, Asks::Help, [](ReadingCommand&, std::string&&) {}, ""},
    {"--version", "", false, Asks::Version, [](ReadingCommand&, std::string&&) {}, ""},
};

const ToolOption* FindOption(std::string_view name)
{
    for (const ToolOption& option : Options)
        if (option.name == name || (!option.alias.empty() && option.alias == name))
            return &option;
    return nullptr;
}

// The options' lines of --help: the name in a column of 14, the text beside
// it, its further lines under the text.
std::string OptionList()
{
    std::string list;
    for (const ToolOption& option : Options) {
        if (option.help.empty())
            continue;
        std::string_view help = option.help;
        std::string line = "  " + std::string(option.name);
        line.resize(16, ' ');
        for (std::size_t end; (end = help.find('\n')) != std::string_view::npos; help.remove_prefix(end + 1)) {
            list += line + std::string(help.substr(0, end)) + "\n";
            line.assign(16, ' ');
        }
        list += line + std::string(help) + "\n";
    }
    return list;
}

}  // namespace

const std::string& ReadingToolUsage()
{
    static const std::string usage =
        "Usage:\n"
        "  qamarel-reading --date YYYY-MM-DD --time HH:MM --longitude D:MM(E|W)\n"
        "                  --latitude D:MM(N|S) --zone H:MM [--dst] [--name TEXT] [--json]\n"
        "                  [--save FILE.qmz] [--picture FILE.png|FILE.pdf]\n"
        "  qamarel-reading --date YYYY-MM-DD --time HH:MM --place \"CITY[, STATE][, COUNTRY]\"\n"
        "                  [--name TEXT] [--json] [--save FILE.qmz]\n"
        "  qamarel-reading --places QUERY [--json]\n"
        "  qamarel-reading --open FILE.qmz [--json] [--picture FILE.png|FILE.pdf]\n"
        "  qamarel-reading --batch FILE.csv|- [--json] [--no-passage]\n"
        "  qamarel-reading --calendar YYYY-MM|YYYY-MM-DD..YYYY-MM-DD\n"
        "                  [--zone +H:MM|--place PLACE] [--favours WORD]\n"
        "                  [--json|--csv|--ics FILE.ics]\n"
        "  qamarel-reading --help | --version\n"
        "\n"
        "Gives the Arabic lunar mansion reading of a birth: the Moon's sidereal\n"
        "position, its mansion (1 to 28) and the mansion's ten texts.\n"
        "\n" +
        OptionList() +
        "\n"
        "A reading from birth data also gives the Moon's passage through its mansion:\n"
        "when it entered and when it left, to the minute, as ISO 8601 local times\n"
        "(text: two last lines; JSON: \"passage\"; CSV: the entered and left\n"
        "columns). With --place each time is the clocks' time at that moment, with\n"
        "that moment's own offset: across a change of the clocks the two offsets\n"
        "differ (London, 31 March 2013: entered 2013-03-30T10:07+00:00, left\n"
        "2013-03-31T08:38+01:00). Without a place both carry the birth's offset.\n"
        "The instants are the same either way. A reading opened from a file has none.\n"
        "--no-passage leaves it out: a batch then takes about half the time\n"
        "(its columns stay, empty).\n"
        "\n"
        "The calendar (--calendar) lists every stay of the Moon in a mansion that\n"
        "touches the span, in order and without gaps: the minute it entered the\n"
        "mansion and the minute it entered the next, as ISO 8601 local times, found\n"
        "as a reading finds the mansion of a minute (HH:MM:00). JSON:\n"
        "{\"calendar\": [{\"mansion\", \"entered\", \"left\", \"latinName\",\n"
        "\"arabicName\", \"englishMeaning\"}]}; CSV: the same columns.\n"
        "\n"
        "In CSV output, a field that a spreadsheet would run as a formula (it begins\n"
        "with =, +, -, @, a tab or a carriage return) is quoted and begins with an\n"
        "apostrophe. A row over 64 KiB is skipped and reported. A quoted field that\n"
        "is never closed is reported on its row, and the lines after that row are\n"
        "read again as rows of their own.\n"
        "\n"
        "Exit status: 0 success; 1 some batch rows failed, or the batch input failed\n"
        "after some rows; 2 refused input (arguments, birth data, a file that is not\n"
        "a reading, a batch input that cannot be read); 3 output failed (standard\n"
        "output, the --save or the --picture file could not be written; a file set\n"
        "read-only is not replaced).\n";
    return usage;
}

CommandLineParse ParseCommandLine(const std::vector<std::string>& args)
{
    CommandLineParse result;
    ReadingCommand& command = result.command;
    std::set<std::string> seen;
    bool single = false, open = false, batch = false, places = false, calendar = false, help = false, version = false;

    auto fail = [&](std::string error) {
        result.error = std::move(error);
        return result;
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const std::size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (!seen.insert(name).second)
            return fail(name + " is given more than once");

        const ToolOption* option = FindOption(name);
        if (option == nullptr)
            return fail("unknown option \"" + std::string(Utf8Prefix(name, 40)) + "\"; see --help");
        if (!option->takesValue && inlineValue)
            return fail(name + " takes no value");

        std::string value;
        if (option->takesValue) {
            if (inlineValue) {
                value = *inlineValue;
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return fail(name + " needs a value");
            }
        }
        option->apply(command, std::move(value));
        switch (option->asks) {
        case Asks::Nothing: break;
        case Asks::Birth: single = true; break;
        case Asks::Places: places = true; break;
        case Asks::Open: open = true; break;
        case Asks::Batch: batch = true; break;
        case Asks::Calendar: calendar = true; break;
        case Asks::Help: help = true; break;
        case Asks::Version: version = true; break;
        }
    }

    if (command.savePath && NamesOnlyAFolder(*command.savePath))
        return fail("--save needs a file name: \"" + std::string(Utf8Prefix(*command.savePath, 60)) + "\" names only a folder");
    for (const char* calendarOnly : {"--favours", "--csv", "--ics"})
        if (seen.count(calendarOnly) != 0 && !calendar)
            return fail(std::string(calendarOnly) + " goes with --calendar");
    if (command.picturePath && (batch || places))
        return fail("--picture goes with one reading or --open");
    if (command.picturePath) {
        if (!EndsWithIgnoringCase(*command.picturePath, ".png") && !EndsWithIgnoringCase(*command.picturePath, ".pdf"))
            return fail("--picture takes a name ending in .png (the wheel) or .pdf (the reading)");
    }
    if (help) {
        command.mode = ReadingCommand::Mode::Help;
    } else if (version) {
        command.mode = ReadingCommand::Mode::Version;
    } else if (calendar) {
        command.mode = ReadingCommand::Mode::Calendar;
        for (const char* other : {"--date", "--time", "--longitude", "--latitude", "--dst", "--name", "--save",
                                  "--picture", "--open", "--batch", "--places", "--no-passage"})
            if (seen.count(other) != 0)
                return fail(std::string(other) + " does not go with --calendar");
        if (seen.count("--zone") != 0 && command.place)
            return fail("give either --place or --zone, not both");
        if (command.json + command.csv + command.icsPath.has_value() > 1)
            return fail("give one of --json, --csv and --ics");
    } else if (single + open + batch + places > 1) {
        return fail("give either the birth data, --open, --batch or --places, not more than one");
    } else if (places) {
        command.mode = ReadingCommand::Mode::Places;
    } else if (open) {
        command.mode = ReadingCommand::Mode::Open;
    } else if (batch) {
        command.mode = ReadingCommand::Mode::Batch;
    } else {
        command.mode = ReadingCommand::Mode::Single;
        if (command.place) {
            for (const char* instead : {"--longitude", "--latitude", "--zone", "--dst"})
                if (seen.count(instead) != 0)
                    return fail(std::string("give either --place or ") + instead + ", not both");
        }
        const std::vector<const char*> required =
            command.place ? std::vector<const char*>{"--date", "--time"}
                          : std::vector<const char*>{"--date", "--time", "--longitude", "--latitude", "--zone"};
        for (const char* option : required)
            if (seen.count(option) == 0)
                return fail(std::string(option) + " is missing; see --help");
    }
    result.ok = true;
    return result;
}
