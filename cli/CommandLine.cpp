#include "cli/CommandLine.h"

#include "base/TextBasics.h"
#include "base/Utf8Text.h"
#include "core/ReadingFile.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <string_view>
#include <utility>

namespace {

using Mode = ReadingCommand::Mode;

// The modes as bits, for the modes an option goes with.
constexpr unsigned Bit(Mode mode)
{
    return 1u << static_cast<unsigned>(mode);
}
constexpr unsigned Single = Bit(Mode::Single), Open = Bit(Mode::Open), Batch = Bit(Mode::Batch),
                   Places = Bit(Mode::Places), Calendar = Bit(Mode::Calendar), People = Bit(Mode::People),
                   ImportPeople = Bit(Mode::ImportPeople), Help = Bit(Mode::Help), Version = Bit(Mode::Version);
constexpr unsigned AnyMode = Single | Open | Batch | Places | Calendar | People | ImportPeople;

// The modes in words, for "--picture goes with one reading or --open".
constexpr std::pair<unsigned, std::string_view> ModeWords[] = {
    {Single, "one reading"}, {Open, "--open"}, {Batch, "--batch"}, {Places, "--places"}, {Calendar, "--calendar"},
    {People, "--people"}, {ImportPeople, "--import-people"}};

// Whether an option takes a value; only --name's may be empty.
enum class Value { None, Needed, MayBeEmpty };

// What may stand instead of an option: --place for all four of the birth's
// place and clock, --zone-name for the clock alone (--zone and --dst).
constexpr unsigned ByPlace = 1, ByZoneName = 2;

// One option of the tool: its name, its value, the mode it asks for (none
// for the options that only add to a mode), the modes it goes with and those
// it must be given in, what may stand instead of it, whether it is
// one of the output forms (one at most), what it sets, and its lines in
// --help (the first beside the name, the rest under it; none for the options
// --help explains in its paragraphs).
struct ToolOption {
    std::string_view name;
    std::string_view alias;
    Value value;
    unsigned asks;
    unsigned goesWith;
    unsigned neededIn;
    unsigned standsInstead;  // ByPlace, ByZoneName
    bool outputForm;
    void (*apply)(ReadingCommand& command, std::string&& value);
    std::string_view help;
};

// The one list of the tool's options: parsing, the rules of which options go
// together and --help all read it.
const ToolOption Options[] = {
    {"--date", "", Value::Needed, Single, Single, Single, false, false,
     [](ReadingCommand& c, std::string&& v) { c.birth.date = std::move(v); },
     "birth date, 1901-01-01 to 2050-12-31, always with two-digit\n"
     "month and day"},
    {"--time", "", Value::Needed, Single, Single, Single, false, false,
     [](ReadingCommand& c, std::string&& v) { c.birth.time = std::move(v); },
     "local clock time of birth, H:MM or HH:MM, or with :SS (seconds\n"
     "unused); minutes and seconds always have two digits"},
    {"--longitude", "", Value::Needed, Single, Single, Single, ByPlace, false,
     [](ReadingCommand& c, std::string&& v) { c.birth.longitude = std::move(v); },
     "degrees 0-180 and minutes, then E or W, e.g. 77:13E"},
    {"--latitude", "", Value::Needed, Single, Single, Single, ByPlace, false,
     [](ReadingCommand& c, std::string&& v) { c.birth.latitude = std::move(v); },
     "degrees 0-90 and minutes, then N or S, e.g. 28:36N"},
    {"--zone", "", Value::Needed, 0, Single | Calendar, Single, ByPlace | ByZoneName, false,
     [](ReadingCommand& c, std::string&& v) { c.birth.zone = std::move(v); },
     "time-zone offset, H or H:MM (two-digit minutes), 0:00 to\n"
     "14:59; +1:00 is ahead of universal time and -5:00 behind it\n"
     "(ISO 8601; the minus sign U+2212 is taken as -); unsigned, its\n"
     "direction follows the longitude (East ahead of UT, West behind it)"},
    {"--dst", "", Value::None, Single, Single, 0, ByPlace | ByZoneName, false,
     [](ReadingCommand& c, std::string&&) { c.birth.dst = true; }, "summer time was in force"},
    {"--zone-name", "", Value::Needed, 0, Single | Calendar, 0, false, false,
     [](ReadingCommand& c, std::string&& v) { c.zoneName = std::move(v); },
     "instead of --zone and --dst: a zone of the system's time-zone\n"
     "database by its name (Area/City, e.g. Pacific/Chatham), whose\n"
     "offset at the birth (or over the calendar) is taken from its\n"
     "history; with --longitude and --latitude, for a place not in\n"
     "the list"},
    {"--place", "", Value::Needed, 0, Single | Calendar, 0, false, false,
     [](ReadingCommand& c, std::string&& v) { c.place = std::move(v); },
     "instead of --longitude, --latitude, --zone and --dst: the best\n"
     "match of the offline place list (GeoNames), its coordinates\n"
     "and its time zone's offset at the birth date and time, from the\n"
     "system's time-zone database; the output says what was used"},
    {"--places", "", Value::Needed, Places, Places, 0, false, false,
     [](ReadingCommand& c, std::string&& v) { c.placeQuery = std::move(v); },
     "list the places that match, best first"},
    {"--name", "", Value::MayBeEmpty, 0, Single, 0, false, false,
     [](ReadingCommand& c, std::string&& v) { c.name = std::move(v); }, "the person's name, echoed in the output"},
    {"--save", "", Value::Needed, 0, Single, 0, false, false,
     [](ReadingCommand& c, std::string&& v) { c.savePath = std::move(v); },
     "also save the reading to a file, as the program's Save does\n"
     "(.qmz is added when the name does not end in it); a name that\n"
     "is only a folder (\".\", \"dir/\") is refused"},
    {"--picture", "", Value::Needed, 0, Single | Open, 0, false, false,
     [](ReadingCommand& c, std::string&& v) { c.picturePath = std::move(v); },
     "also write the mansion wheel as a PNG picture, or the whole\n"
     "reading on one page as a PDF document, by the name's ending;\n"
     "with --save, both are written or neither"},
    {"--open", "", Value::Needed, Open, Open, 0, false, false,
     [](ReadingCommand& c, std::string&& v) { c.path = std::move(v); }, "show the reading saved in a .qmz file"},
    {"--batch", "", Value::Needed, Batch, Batch, 0, false, false,
     [](ReadingCommand& c, std::string&& v) { c.path = std::move(v); },
     "read CSV with the header name,date,time,longitude,latitude,zone,dst\n"
     "(dst 0 or 1), or name,date,time,place, and write\n"
     "name,position,mansion,lunar_mansion_name,entered,left,error,place"},
    {"--calendar", "", Value::Needed, Calendar, Calendar, 0, false, false,
     [](ReadingCommand& c, std::string&& v) { c.calendarSpan = std::move(v); },
     "the Moon's stays in the mansions over a month (YYYY-MM) or the\n"
     "days YYYY-MM-DD..YYYY-MM-DD (at most 10 years, 1901 to 2050):\n"
     "one stay a line, when it entered and left the mansion; in the\n"
     "clocks of --zone (with its sign, e.g. +11:00) or of --place\n"
     "(its zone's changes included), else in universal time"},
    {"--favours", "", Value::Needed, 0, Calendar, 0, false, false,
     [](ReadingCommand& c, std::string&& v) { c.favours = std::move(v); },
     "with --calendar: only the stays whose mansion favours a topic,\n"
     "given by its name or one of its words, whole (\"travel\",\n"
     "\"journey\", \"medicine\"; any case)"},
    {"--hinders", "", Value::Needed, 0, Calendar, 0, false, false,
     [](ReadingCommand& c, std::string&& v) { c.hinders = std::move(v); },
     "with --calendar: only the stays whose mansion hinders a topic"},
    {"--people", "", Value::None, People, People | Calendar, 0, false, false,
     [](ReadingCommand& c, std::string&&) { c.people = true; },
     "list the people book (people.sqlite in $XDG_DATA_HOME/qamarel,\n"
     "by default ~/.local/share/qamarel): each person's birth, place\n"
     "and mansion; with --csv in the batch format, to be imported\n"
     "again; with --calendar: each stay's people, whose birth\n"
     "mansion it is"},
    {"--import-people", "", Value::Needed, ImportPeople, ImportPeople, 0, false, false,
     [](ReadingCommand& c, std::string&& v) { c.path = std::move(v); },
     "add the people of a batch file (as --batch reads it; - for\n"
     "standard input) to the people book; a person already there,\n"
     "with the same name and birth, is not added again"},
    {"--csv", "", Value::None, 0, Calendar | People, 0, false, true, [](ReadingCommand& c, std::string&&) { c.csv = true; },
     "with --calendar or --people: CSV instead of text"},
    {"--ics", "", Value::Needed, 0, Calendar, 0, false, true,
     [](ReadingCommand& c, std::string&& v) { c.icsPath = std::move(v); },
     "with --calendar: write the stays as an iCalendar file (RFC 5545),\n"
     "one event a stay in UTC, for calendar programs; - for standard\n"
     "output"},
    {"--json", "", Value::None, 0, AnyMode & ~ImportPeople, 0, false, true, [](ReadingCommand& c, std::string&&) { c.json = true; },
     "JSON instead of text (one object per line with --batch)"},
    {"--no-passage", "", Value::None, 0, Single | Batch, 0, false, false,
     [](ReadingCommand& c, std::string&&) { c.passage = false; }, ""},
    {"--help", "-h", Value::None, Help, AnyMode, 0, false, false, [](ReadingCommand&, std::string&&) {}, ""},
    {"--version", "-v", Value::None, Version, AnyMode, 0, false, false, [](ReadingCommand&, std::string&&) {}, ""},
};

const ToolOption* FindOption(std::string_view name)
{
    for (const ToolOption& option : Options)
        if (option.name == name || (!option.alias.empty() && option.alias == name))
            return &option;
    return nullptr;
}

// The option a misspelt one most likely meant: the nearest by edit distance,
// when it is near enough (one edit in three letters); the first of a tie.
const ToolOption* NearestOption(std::string_view word)
{
    const std::size_t allowed = std::max<std::size_t>(1, (word.size() - std::min<std::size_t>(word.size(), 2)) / 3);
    const ToolOption* nearest = nullptr;
    std::size_t best = allowed + 1;
    for (const ToolOption& option : Options)
        if (const std::size_t distance = AsciiEditDistance(word, option.name); distance < best) {
            best = distance;
            nearest = &option;
        }
    return nearest;
}

// "one reading", "one reading or --open", "one reading, --open or --batch".
std::string ModesInWords(unsigned modes)
{
    std::vector<std::string_view> words;
    for (const auto& [mode, word] : ModeWords)
        if ((modes & mode) != 0)
            words.push_back(word);
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i)
        text += (i == 0 ? "" : i + 1 == words.size() ? " or " : ", ") + std::string(words[i]);
    return text;
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
        if (line.size() >= 16) {  // a name longer than its column: its text under it
            list += line + "\n";
            line.clear();
        }
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
        "  qamarel-reading --date YYYY-MM-DD --time HH:MM --longitude D:MM(E|W)\n"
        "                  --latitude D:MM(N|S) --zone-name AREA/CITY [--name TEXT] [--json]\n"
        "  qamarel-reading --places QUERY [--json]\n"
        "  qamarel-reading --open FILE.qmz [--json] [--picture FILE.png|FILE.pdf]\n"
        "  qamarel-reading --batch FILE.csv|- [--json] [--no-passage]\n"
        "  qamarel-reading --calendar YYYY-MM|YYYY-MM-DD..YYYY-MM-DD\n"
        "                  [--zone +H:MM|--zone-name AREA/CITY|--place PLACE]\n"
        "                  [--favours TOPIC] [--hinders TOPIC] [--people]\n"
        "                  [--json|--csv|--ics FILE.ics|-]\n"
        "  qamarel-reading --people [--json|--csv]\n"
        "  qamarel-reading --import-people FILE.csv|-\n"
        "  qamarel-reading -h|--help | -v|--version\n"
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
        "A batch whose header is separated by semicolons (as spreadsheets set to\n"
        "German or French save CSV) is read with semicolons. \"--\" ends the\n"
        "options; the tool takes no other arguments.\n"
        "\n"
        "The people book is the program's: --people lists it (JSON: {\"people\":\n"
        "[{\"name\", \"date\", \"time\", \"zone\", \"dst\", \"latitude\", \"longitude\",\n"
        "\"place\", \"note\", \"mansion\", \"latinName\"}]}; CSV: the batch format,\n"
        "a person of the place list given by its coordinates and the offset then in\n"
        "force). --import-people reports each bad row as a batch does and adds the\n"
        "others, all in one change of the book. With --calendar, --people adds each\n"
        "stay's people: text, a last column; JSON, \"people\"; CSV, a people column;\n"
        "iCalendar, a line of the event's description.\n"
        "\n"
        "Exit status: 0 success; 1 some batch rows failed, or the batch input failed\n"
        "after some rows (--import-people: the rows that failed were not added); 2\n"
        "refused input (arguments, birth data, a file that is not a reading, a batch\n"
        "input that cannot be read, a people book that cannot be opened or is\n"
        "damaged); 3 output failed (standard output, the people book, or the\n"
        "--save, --picture or --ics file could not be written; a\n"
        "file set read-only, or one that is not a regular file, is not replaced;\n"
        "a link is followed to the file it leads to, which is replaced).\n";
    return usage;
}

CommandLineParse ParseCommandLine(const std::vector<std::string>& args)
{
    CommandLineParse result;
    ReadingCommand& command = result.command;
    std::set<std::string_view> given;  // the options' names, without aliases
    unsigned asked = 0;                // the modes the options ask for

    auto fail = [&](std::string error) {
        result.error = std::move(error);
        return result;
    };

    bool optionsEnded = false;  // after "--", no word is an option
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        if (name == "--" && !optionsEnded) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || name.empty() || name[0] != '-' || name == "-")
            return fail("unexpected argument \"" + std::string(Utf8Prefix(name, 40)) + "\"; see --help");
        std::optional<std::string> inlineValue;
        if (const std::size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        const ToolOption* option = FindOption(name);
        if (option == nullptr) {
            const std::string unknown = "unknown option \"" + std::string(Utf8Prefix(name, 40)) + "\"";
            if (const ToolOption* nearest = NearestOption(name))
                return fail(unknown + "; did you mean " + std::string(nearest->name) + "?");
            return fail(unknown + "; see --help");
        }
        if (!given.insert(option->name).second)
            return fail(name + " is given more than once");
        if (option->value == Value::None && inlineValue)
            return fail(name + " takes no value");

        std::string value;
        if (option->value != Value::None) {
            if (inlineValue)
                value = std::move(*inlineValue);
            else if (i + 1 < args.size())
                value = args[++i];
            else
                return fail(name + " needs a value");
            if (value.empty() && option->value == Value::Needed)
                return fail(name + " needs a value");
        }
        option->apply(command, std::move(value));
        asked |= option->asks;
    }

    if (asked & Help) {
        command.mode = Mode::Help;
        result.ok = true;
        return result;
    }
    if (asked & Version) {
        command.mode = Mode::Version;
        result.ok = true;
        return result;
    }
    // The mode: the calendar's, whatever else is given; else the one mode asked for, by default one reading.
    if (asked & Calendar)
        command.mode = Mode::Calendar;
    else if (asked & Places)
        command.mode = Mode::Places;
    else if (asked & Open)
        command.mode = Mode::Open;
    else if (asked & Batch)
        command.mode = Mode::Batch;
    else if (asked & People)
        command.mode = Mode::People;
    else if (asked & ImportPeople)
        command.mode = Mode::ImportPeople;
    else
        command.mode = Mode::Single;
    const unsigned mode = Bit(command.mode);
    if (mode != Calendar && (asked & ~mode) != 0)
        return fail("give either the birth data, --open, --batch, --places, --people or --import-people, not more than one");

    const auto isGiven = [&](const ToolOption& option) { return given.count(option.name) != 0; };
    for (const ToolOption& option : Options) {
        if (!isGiven(option) || (option.goesWith & mode) != 0)
            continue;
        if (mode == Calendar)
            return fail(std::string(option.name) + " does not go with --calendar");
        return fail(std::string(option.name) + " goes with " + ModesInWords(option.goesWith));
    }
    std::size_t outputForms = 0;
    if (command.place && command.zoneName)
        return fail("give either --place or --zone-name, not both");
    // What stands instead of an option: --place, or --zone-name.
    const auto replaced = [&](const ToolOption& option) -> const char* {
        if (command.place && (option.standsInstead & ByPlace))
            return "--place";
        if (command.zoneName && (option.standsInstead & ByZoneName))
            return "--zone-name";
        return nullptr;
    };
    for (const ToolOption& option : Options) {
        if (const char* instead = replaced(option); instead && isGiven(option))
            return fail("give either " + std::string(instead) + " or " + std::string(option.name) + ", not both");
        outputForms += option.outputForm && isGiven(option);
    }
    if (outputForms > 1)
        return fail("give one of --json, --csv and --ics");
    for (const ToolOption& option : Options)
        if ((option.neededIn & mode) != 0 && !isGiven(option) && !replaced(option))
            return fail(std::string(option.name) + " is missing; see --help");

    // The files written: each needs a name of its own. "-" is standard
    // output only for --ics: a reading file's and a picture's kind come from
    // the name's ending, which "-" has not.
    for (const auto& [option, path] : {std::pair{"--save", &command.savePath}, std::pair{"--picture", &command.picturePath},
                                       std::pair{"--ics", &command.icsPath}}) {
        if (!*path)
            continue;
        if (NamesOnlyAFolder(**path))
            return fail(std::string(option) + " needs a file name: \"" + std::string(Utf8Prefix(**path, 60)) +
                        "\" names only a folder");
        if (**path == "-" && path != &command.icsPath)
            return fail(std::string(option) + " needs a file name, not \"-\" (standard output)");
    }
    if (command.picturePath && !EndsWithIgnoringCase(*command.picturePath, ".png") &&
        !EndsWithIgnoringCase(*command.picturePath, ".pdf"))
        return fail("--picture takes a name ending in .png (the wheel) or .pdf (the reading)");
    result.ok = true;
    return result;
}
