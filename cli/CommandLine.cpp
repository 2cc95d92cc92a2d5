#include "cli/CommandLine.h"

#include "base/Utf8Text.h"

#include "core/ReadingFile.h"

#include <cctype>
#include <set>

const char* ReadingToolUsage()
{
    return "Usage:\n"
           "  qamarel-reading --date YYYY-MM-DD --time HH:MM --longitude D:MM(E|W)\n"
           "                  --latitude D:MM(N|S) --zone H:MM [--dst] [--name TEXT] [--json]\n"
           "                  [--save FILE.qmz] [--picture FILE.png|FILE.pdf]\n"
           "  qamarel-reading --date YYYY-MM-DD --time HH:MM --place \"CITY[, STATE][, COUNTRY]\"\n"
           "                  [--name TEXT] [--json] [--save FILE.qmz]\n"
           "  qamarel-reading --places QUERY [--json]\n"
           "  qamarel-reading --open FILE.qmz [--json] [--picture FILE.png|FILE.pdf]\n"
           "  qamarel-reading --batch FILE.csv|- [--json] [--no-passage]\n"
           "  qamarel-reading --help | --version\n"
           "\n"
           "Gives the Arabic lunar mansion reading of a birth: the Moon's sidereal\n"
           "position, its mansion (1 to 28) and the mansion's ten texts.\n"
           "\n"
           "  --date        birth date, 1901-01-01 to 2050-12-31, always with two-digit\n"
           "                month and day\n"
           "  --time        local clock time of birth, H:MM or HH:MM, or with :SS (seconds\n"
           "                unused); minutes and seconds always have two digits\n"
           "  --longitude   degrees 0-180 and minutes, then E or W, e.g. 77:13E\n"
           "  --latitude    degrees 0-90 and minutes, then N or S, e.g. 28:36N\n"
           "  --zone        time-zone offset, H or H:MM (two-digit minutes), 0:00 to\n"
           "                14:59; +1:00 is ahead of universal time and -5:00 behind it\n"
           "                (ISO 8601; the minus sign U+2212 is taken as -); unsigned, its\n"
           "                direction follows the longitude (East ahead of UT, West behind it)\n"
           "  --dst         summer time was in force\n"
           "  --place       instead of --longitude, --latitude, --zone and --dst: the best\n"
           "                match of the offline place list (GeoNames), its coordinates\n"
           "                and its time zone's offset at the birth date and time, from the\n"
           "                system's time-zone database; the output says what was used\n"
           "  --places      list the places that match, best first\n"
           "  --name        the person's name, echoed in the output\n"
           "  --save        also save the reading to a file, as the program's Save does\n"
           "                (.qmz is added when the name does not end in it); a name that\n"
           "                is only a folder (\".\", \"dir/\") is refused\n"
           "  --picture     also write the mansion wheel as a PNG picture, or the whole\n"
           "                reading on one page as a PDF document, by the name's ending;\n"
           "                with --save, both are written or neither\n"
           "  --open        show the reading saved in a .qmz file\n"
           "  --batch       read CSV with the header name,date,time,longitude,latitude,zone,dst\n"
           "                (dst 0 or 1), or name,date,time,place, and write\n"
           "                name,position,mansion,lunar_mansion_name,entered,left,error\n"
           "  --json        JSON instead of text (one object per line with --batch)\n"
           "\n"
           "A reading from birth data also gives the Moon's passage through its mansion:\n"
           "when it entered and when it left, to the minute, as ISO 8601 local times\n"
           "with the birth's offset (text: two last lines; JSON: \"passage\"; CSV: the\n"
           "entered and left columns). A reading opened from a file has none.\n"
           "--no-passage leaves it out: a batch then runs some seven times faster\n"
           "(its columns stay, empty).\n"
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
}

CommandLineParse ParseCommandLine(const std::vector<std::string>& args)
{
    CommandLineParse result;
    ReadingCommand& command = result.command;
    std::set<std::string> seen;
    bool single = false, open = false, batch = false, places = false, help = false, version = false;

    auto fail = [&](std::string error) {
        result.error = std::move(error);
        return result;
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::optional<std::string> inlineValue;
        if (const std::size_t eq = option.find('='); option.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = option.substr(eq + 1);
            option.resize(eq);
        }
        if (!seen.insert(option).second)
            return fail(option + " is given more than once");

        const bool takesValue = option == "--date" || option == "--time" || option == "--longitude" ||
                                option == "--latitude" || option == "--zone" || option == "--name" ||
                                option == "--open" || option == "--batch" || option == "--save" ||
                                option == "--place" || option == "--places" || option == "--picture";
        const bool isFlag = option == "--dst" || option == "--json" || option == "--no-passage" || option == "--help" ||
                            option == "-h" || option == "--version";
        if (!takesValue && !isFlag)
            return fail("unknown option \"" + std::string(Utf8Prefix(option, 40)) + "\"; see --help");
        if (isFlag && inlineValue)
            return fail(option + " takes no value");

        std::string value;
        if (takesValue) {
            if (inlineValue) {
                value = *inlineValue;
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return fail(option + " needs a value");
            }
        }

        if (option == "--date") { command.birth.date = value; single = true; }
        else if (option == "--time") { command.birth.time = value; single = true; }
        else if (option == "--longitude") { command.birth.longitude = value; single = true; }
        else if (option == "--latitude") { command.birth.latitude = value; single = true; }
        else if (option == "--zone") { command.birth.zone = value; single = true; }
        else if (option == "--dst") { command.birth.dst = true; single = true; }
        else if (option == "--name") { command.name = value; single = true; }
        else if (option == "--save") { command.savePath = value; single = true; }
        else if (option == "--place") { command.place = value; single = true; }
        else if (option == "--places") { command.placeQuery = value; places = true; }
        else if (option == "--picture") { command.picturePath = value; }
        else if (option == "--open") { command.path = value; open = true; }
        else if (option == "--batch") { command.path = value; batch = true; }
        else if (option == "--json") { command.json = true; }
        else if (option == "--no-passage") { command.passage = false; }
        else if (option == "--help" || option == "-h") { help = true; }
        else if (option == "--version") { version = true; }
    }

    if (command.savePath && NamesOnlyAFolder(*command.savePath))
        return fail("--save needs a file name: \"" + std::string(Utf8Prefix(*command.savePath, 60)) + "\" names only a folder");
    if (command.picturePath && (batch || places))
        return fail("--picture goes with one reading or --open");
    if (command.picturePath) {
        std::string ending = command.picturePath->size() >= 4 ? command.picturePath->substr(command.picturePath->size() - 4) : "";
        for (char& c : ending)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ending != ".png" && ending != ".pdf")
            return fail("--picture takes a name ending in .png (the wheel) or .pdf (the reading)");
    }
    if (help) {
        command.mode = ReadingCommand::Mode::Help;
    } else if (version) {
        command.mode = ReadingCommand::Mode::Version;
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
