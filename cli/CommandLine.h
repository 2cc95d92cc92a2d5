#pragma once

#include "people/BirthArguments.h"

#include <optional>
#include <string>
#include <vector>

// What the command line asks the tool to do.
struct ReadingCommand {
    enum class Mode { Single, Open, Batch, Places, Calendar, People, ImportPeople, Help, Version };
    Mode mode = Mode::Single;
    BirthFields birth;                // Single
    std::optional<std::string> name;  // Single
    std::optional<std::string> savePath;  // Single: also save the reading to this file
    std::optional<std::string> picturePath;  // Single, Open: the wheel (.png) or the reading (.pdf)
    std::optional<std::string> place;     // Single: "City[, State][, Country]" for the place columns
    std::optional<std::string> zoneName;  // Single, Calendar: an IANA zone ("Pacific/Chatham") instead of --zone
    std::string placeQuery;               // Places
    std::string path;                 // Open, Batch, ImportPeople ("-" is standard input for the last two)
    bool json = false;
    bool passage = true;  // --no-passage: leave the Moon's passage out (faster batches)
    std::string calendarSpan;             // Calendar: "YYYY-MM" or "YYYY-MM-DD..YYYY-MM-DD"
    std::optional<std::string> favours;   // Calendar: only the mansions favouring this topic (or one of its words)
    std::optional<std::string> hinders;   // Calendar: only the mansions hindering this topic
    std::optional<std::string> icsPath;   // Calendar: write an iCalendar file instead
    bool csv = false;                     // Calendar, People: CSV instead of text
    bool people = false;                  // People; Calendar: each stay's people from the book
};

struct CommandLineParse {
    bool ok = false;
    std::string error;  // one line, when !ok
    ReadingCommand command;
};

// ParseCommandLine — the arguments after the program name
// Notes: options take their value as the next argument or after "="
//        (--zone=-5:00); a value is never empty but --name's; every option
//        may be given once, and only in the modes it goes with. "--" ends
//        the options; the tool takes no other arguments.
CommandLineParse ParseCommandLine(const std::vector<std::string>& args);

// The text of --help.
const std::string& ReadingToolUsage();
