#include "cli/ReadingTool.h"

#include "base/ProgramVersion.h"
#include "base/UniqueFd.h"
#include "base/Utf8Text.h"

#include "cli/BatchInput.h"
#include "cli/CalendarArguments.h"
#include "cli/CalendarOutput.h"
#include "cli/CommandLine.h"
#include "people/CsvReader.h"
#include "cli/FdStreams.h"
#include "cli/PeopleOutput.h"
#include "cli/PictureOutput.h"
#include "cli/PlaceArguments.h"
#include "cli/ReadingOutput.h"
#include "core/ReadingFile.h"
#include "core/BirthReading.h"
#include "core/ClockText.h"
#include "files/FileWriting.h"
#include "files/ReadingFileAccess.h"
#include "people/PeopleBook.h"
#include "people/PeopleImport.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* ToolName = "qamarel-reading";

int Refuse(std::ostream& err, const std::string& message)
{
    err << ToolName << ": " << OneLineText(message) << '\n';
    return ToolRefused;
}

// Standard output could not take what was written: said once, with the
// system's reason when it is known.
int OutputFailed(std::ostream& out, std::ostream& err)
{
    const std::string reason = OutputFailureReason(out.rdbuf());
    err << ToolName << ": output failed" << (reason.empty() ? "" : ": " + reason) << '\n';
    return ToolOutputFailed;
}

// Flushes what is buffered; a write that failed on the way, or now, is reported.
int Finish(int status, std::ostream& out, std::ostream& err)
{
    out.flush();
    return out ? status : OutputFailed(out, err);
}

// A reading as text or JSON: the name, the place and zone lines when a place
// was given, the reading, its passage.
void WriteReading(std::ostream& out, const MansionReading& reading, const std::optional<std::string>& name, bool json,
                  const PlaceBirth* place = nullptr, const MansionPassage* passage = nullptr)
{
    if (json) {
        out << ReadingJson(reading, name, std::nullopt, place ? ReadingPlaceJson(*place) : std::string(), passage) << '\n';
        return;
    }
    if (name)
        out << "Name: " << OneLineText(*name) << '\n';  // a name cannot add lines of its own
    if (place)
        out << PlaceLines(place->moment.where, place->moment.zoneInWords);
    WriteReadingText(out, reading, std::nullopt, passage);
}

int PictureFailed(const std::string& path, const std::string& problem, std::ostream& err)
{
    err << ToolName << ": " << OneLineText("the picture was not written to " + path + ": " + problem) << '\n';
    return ToolOutputFailed;
}

// --picture: the wheel as PNG, or the whole reading as PDF, by the name's
// ending, written whole and durable into `file` beside its place, which it
// takes when put in place. The place is checked before the picture is drawn.
std::string StagePicture(StagedFile& file, const std::string& path, const MansionReading& reading,
                         const std::optional<BirthMoment>& birth, const std::optional<MansionPassage>& passage)
{
    if (!file.problem().empty())
        return file.problem();
    std::string problem;
    const std::string bytes = DrawReadingPicture(path, reading, birth, passage, problem);
    if (!problem.empty())
        return problem;
    file.Write(bytes);
    return file.Finish();
}

int RunSingle(const ReadingCommand& command, std::ostream& out, std::ostream& err)
{
    // The birth at its place on its clocks, made once: every output renders it.
    PlaceBirth place;
    if (command.place || command.zoneName) {
        place = command.place ? ResolvePlaceBirth(*command.place, command.birth.date, command.birth.time)
                              : ResolveZoneBirth(*command.zoneName, command.birth);
        if (!place.ok)
            return Refuse(err, place.error);
    } else {
        const BirthParse typed = ParseBirth(command.birth);
        if (!typed.ok)
            return Refuse(err, typed.error);
        place.moment = MomentOfTypedBirth(typed.chart);
    }
    BirthMoment& moment = place.moment;
    moment.name = command.name.value_or(std::string());
    const BirthReading read = ReadBirth(moment, command.passage ? PassageWanted::Whole : PassageWanted::None);
    const MansionReading& reading = read.reading;
    const std::optional<MansionPassage>& passage = read.passage;
    // --picture and --save are written together or not at all: the picture
    // is written beside its place first and takes it once the reading is saved.
    std::optional<StagedFile> picture;
    if (command.picturePath) {
        picture.emplace(*command.picturePath, ReadOnlyFiles::Refuse);
        if (const std::string problem = StagePicture(*picture, *command.picturePath, reading, moment, passage); !problem.empty())
            return PictureFailed(*command.picturePath, problem, err);
    }
    if (command.savePath) {
        // The bytes the program's Save writes, under the name it would use.
        const std::string path = WithReadingFileExtension(*command.savePath);
        const std::optional<std::string> bytes = ReadingFileBytes(reading.position);
        const std::string problem = bytes ? WriteFileAtomically(path, *bytes) : "the position cannot be kept";
        if (!problem.empty()) {
            err << ToolName << ": " << OneLineText("the reading was not saved to " + path + ": " + problem) << '\n';
            return ToolOutputFailed;  // the picture is not put in place
        }
    }
    if (picture && !picture->PutInPlace().empty())
        return PictureFailed(*command.picturePath, picture->problem(), err);
    WriteReading(out, reading, command.name, command.json, command.place || command.zoneName ? &place : nullptr,
                 passage ? &*passage : nullptr);
    return Finish(ToolSuccess, out, err);
}

int RunPlaces(const ReadingCommand& command, std::ostream& out, std::ostream& err)
{
    const PlaceListing listing = ListPlaces(command.placeQuery, command.json);
    if (listing.lines.empty())
        return Refuse(err, listing.error);
    for (const std::string& line : listing.lines)
        out << line << '\n';
    return Finish(ToolSuccess, out, err);
}

std::string ReadingFileProblem(const std::string& path, ReadingFileStatus status)
{
    switch (status) {
    case ReadingFileStatus::NotAFile: return path + " does not exist or is not a regular file";
    case ReadingFileStatus::CannotRead: return path + " cannot be read";
    case ReadingFileStatus::LineTooLong: return path + " is not a saved reading (its first line is too long)";
    case ReadingFileStatus::Read: break;
    }
    return {};
}

int RunOpen(const ReadingCommand& command, std::ostream& out, std::ostream& err)
{
    const std::string& path = command.path;
    if (!HasReadingFileExtension(path))
        return Refuse(err, path + " is not a reading file: its name must end in .qmz");
    const ReadingFileText file = ReadReadingFile(path);
    if (file.status != ReadingFileStatus::Read)
        return Refuse(err, ReadingFileProblem(path, file.status));
    const MansionReading reading = ReadingForPositionText(file.text);
    if (reading.status != PositionTextStatus::WellFormed)
        return Refuse(err, path + " is not a saved reading: its first line is not a Moon position");
    if (command.picturePath) {
        StagedFile picture(*command.picturePath, ReadOnlyFiles::Refuse);
        std::string problem = StagePicture(picture, *command.picturePath, reading, std::nullopt, std::nullopt);
        if (problem.empty())
            problem = picture.PutInPlace();
        if (!problem.empty())
            return PictureFailed(*command.picturePath, problem, err);
    }
    WriteReading(out, reading, std::nullopt, command.json);
    return Finish(ToolSuccess, out, err);
}

// Rows of a batch, one at a time, so that memory stays flat.
class BatchRun {
public:
    BatchRun(std::ostream& out, std::ostream& err, bool json) : out_(out), err_(err), json_(json) {}

    // Whether every row so far reached the output.
    bool written() const { return static_cast<bool>(out_); }
    std::size_t rows() const { return rows_; }

    void Reading(std::size_t line, const std::string& name, const MansionReading& reading, const MansionPassage* passage,
                 std::string_view place = {}, const std::string& placeName = {})
    {
        row_.clear();
        if (json_) {
            row_ = ReadingJson(reading, name, line, place, passage);
        } else {
            AppendCsvField(row_, name);
            row_ += ',';
            AppendCsvField(row_, reading.position);
            row_ += ',';
            row_ += std::to_string(reading.mansion);
            row_ += ',';
            AppendCsvField(row_, reading.texts[LunarMansionName]);
            row_ += ',';
            if (passage) {
                row_ += IsoLocalTime(passage->entered);
                row_ += ',';
                row_ += IsoLocalTime(passage->left);
                row_ += ',';
            } else {
                row_ += ",,";
            }
            row_ += ',';  // no error
            AppendCsvField(row_, placeName);
        }
        Write();
    }

    void Failure(std::size_t line, const std::string& name, const std::string& error)
    {
        failed_ = true;
        err_ << ToolName << ": line " << line << ": " << OneLineText(error) << '\n';
        row_.clear();
        if (json_) {
            row_ = "{\"line\":" + std::to_string(line) + ",\"name\":" + JsonString(name) +
                   ",\"error\":" + JsonString(error) + "}";
        } else {
            AppendCsvField(row_, name);
            row_ += ",,,,,,";
            AppendCsvField(row_, error);
            row_ += ',';
        }
        Write();
    }

    bool failed() const { return failed_; }

private:
    void Write()
    {
        row_ += '\n';
        out_.write(row_.data(), static_cast<std::streamsize>(row_.size()));
        ++rows_;
    }

    std::ostream& out_;
    std::ostream& err_;
    bool json_;
    bool failed_ = false;
    std::size_t rows_ = 0;
    std::string row_;  // one output row, its storage reused
};

int RunBatch(const ReadingCommand& command, std::istream& stdIn, std::ostream& out, std::ostream& err)
{
    BatchInput input(command.path, stdIn);
    if (!input.ok())
        return Refuse(err, input.error());
    if (!command.json)
        out << "name,position,mansion,lunar_mansion_name,entered,left,error,place\n";
    BatchRun run(out, err, command.json);
    // A row shows the passage's times only, unless it was left out: on the
    // place's clocks for a row with a place, else in the row's own offset.
    const PassageWanted passage = command.passage ? PassageWanted::TimesOnly : PassageWanted::None;
    for (; run.written();) {
        const BatchRow row = input.Next();
        if (row.kind == BatchRow::Kind::End)
            break;
        if (row.kind == BatchRow::Kind::InputError) {
            err << ToolName << ": " << OneLineText(row.error) << '\n';
            const int stopped = run.rows() == 0 ? ToolRefused : ToolSomeRowsFailed;
            return Finish(stopped, out, err);
        }
        if (row.kind == BatchRow::Kind::Problem) {
            run.Failure(row.line, row.name, row.error);
            continue;
        }
        const PlaceBirth* place = row.birth.ok ? &row.birth : nullptr;
        const BirthReading read = ReadBirth(row.birth.moment, passage);
        run.Reading(row.line, row.name, read.reading, read.passage ? &*read.passage : nullptr,
                    place ? ReadingPlaceJson(*place) : std::string(),
                    place && place->moment.where.place ? place->moment.where.place->FullName() : std::string());
    }
    return Finish(run.failed() ? ToolSomeRowsFailed : ToolSuccess, out, err);
}

// Opens the people book at its place; a problem is said on `err`. A book
// of a newer version is read, with its message.
int OpenBook(PeopleBook& book, std::ostream& err)
{
    const BookResult opened = book.Open(DefaultBookPath());
    if (opened.status == BookStatus::NewerVersion)
        err << ToolName << ": " << OneLineText(opened.message) << '\n';
    else if (!opened.ok())
        return Refuse(err, opened.message + (opened.status == BookStatus::Damaged
                                                 ? "; the program offers to keep it aside and start a new one"
                                                 : ""));
    return ToolSuccess;
}

int ReadBook(PeopleBook& book, std::vector<Person>& people, std::ostream& err)
{
    if (const int status = OpenBook(book, err); status != ToolSuccess)
        return status;
    BookResult read;
    people = book.List(read);
    return read.ok() ? ToolSuccess : Refuse(err, read.message);
}

// --people: the book as text, JSON or CSV in the batch format.
int RunPeople(const ReadingCommand& command, std::ostream& out, std::ostream& err)
{
    PeopleBook book;
    std::vector<Person> people;
    if (const int status = ReadBook(book, people, err); status != ToolSuccess)
        return status;
    out << (command.json ? PeopleJson(people) : command.csv ? PeopleCsv(people) : PeopleText(people));
    return Finish(ToolSuccess, out, err);
}

// --import-people: the good rows of a batch file added to the book in one
// change, a person already there (same name and birth) left as it is; each
// bad row reported as --batch reports it.
int RunImportPeople(const ReadingCommand& command, std::istream& stdIn, std::ostream& out, std::ostream& err)
{
    PeopleBook book;
    if (const int status = OpenBook(book, err); status != ToolSuccess)
        return status;
    if (book.readOnly())
        return Refuse(err, "nothing was added to the people book " + book.path() + ": it is read-only");
    BatchInput input(command.path, stdIn);
    if (!input.ok())
        return Refuse(err, input.error());
    std::vector<Person> people;
    bool failed = false;
    for (;;) {
        const BatchRow row = input.Next();
        if (row.kind == BatchRow::Kind::End)
            break;
        if (row.kind == BatchRow::Kind::InputError) {
            err << ToolName << ": " << OneLineText(row.error + "; nothing was added") << '\n';
            return people.empty() && !failed ? ToolRefused : ToolSomeRowsFailed;
        }
        if (row.kind == BatchRow::Kind::Problem) {
            failed = true;
            err << ToolName << ": line " << row.line << ": " << OneLineText(row.error) << '\n';
            continue;
        }
        people.push_back(PersonOfBatchRow(row));
    }
    PeopleBook::Added added;
    if (const BookResult result = book.AddAll(people, added); !result.ok()) {
        err << ToolName << ": " << OneLineText("nothing was added: " + result.message) << '\n';
        return ToolOutputFailed;
    }
    out << added.added << (added.added == 1 ? " person" : " people") << " added to " << book.path();
    if (added.alreadyThere != 0)
        out << "; " << added.alreadyThere << " already there";
    out << '\n';
    return Finish(failed ? ToolSomeRowsFailed : ToolSuccess, out, err);
}

// The Moon's stays over a month or a span, as text, JSON, CSV or an iCalendar
// file, each saying the place and clocks it was made for.
int RunCalendar(const ReadingCommand& command, std::ostream& out, std::ostream& err)
{
    const CalendarRequest request =
        ReadCalendarRequest(command.calendarSpan, command.birth.zone, command.place.value_or(std::string()),
                            command.zoneName.value_or(std::string()));
    if (!request.ok)
        return Refuse(err, request.error);
    for (const auto& [word, option] : {std::pair{command.favours, "--favours"}, std::pair{command.hinders, "--hinders"}})
        if (word && !FindTopic(*word))
            return Refuse(err, std::string(option) + " takes a topic or one of its words, not \"" +
                                   std::string(Utf8Prefix(*word, 40)) + "\"; the topics: " + TopicList());
    // The book's people, by birth mansion, for --people.
    std::optional<MansionPeople> people;
    if (command.people) {
        PeopleBook book;
        std::vector<Person> everyone;
        if (const int status = ReadBook(book, everyone, err); status != ToolSuccess)
            return status;
        people = NamesByMansion(everyone);
    }
    const MansionPeople* const marks = people ? &*people : nullptr;
    const PlaceClocks& where = request.where;
    const MansionStays found = FindMansionStays(request.fromMinute, request.toMinute, where.clocks);
    if (found.status != StaysStatus::Found)
        return Refuse(err, "the calendar covers 1901 to 2050");
    if (request.skipped)
        err << ToolName << ": " << OneLineText("the clocks of " + where.ZoneName() + " skipped " + command.calendarSpan +
                                                ": the stay at the change is given")
            << '\n';
    // --favours and --hinders keep the stays on a topic; a filter that keeps
    // nothing says so, and nothing is written.
    std::vector<MansionStay> stays = found.stays;
    std::string filters;
    for (const auto& [word, field, verb] : {std::tuple{command.favours, FavorableCircumstances, "favours"},
                                            std::tuple{command.hinders, UnfavorableCircumstances, "hinders"}}) {
        if (!word)
            continue;
        stays = StaysOnTopic(stays, field, *FindTopic(*word));
        filters += std::string(filters.empty() ? "" : " and ") + verb + " " + std::string(TopicName(*FindTopic(*word)));
    }
    if (stays.empty() && !found.stays.empty()) {
        err << ToolName << ": " << OneLineText("no stay in " + command.calendarSpan + " " + filters) << '\n';
        return Finish(ToolSomeRowsFailed, out, err);
    }
    if (command.icsPath) {
        // "-" is standard output; a file is checked before the calendar is made.
        const bool toOutput = *command.icsPath == "-";
        std::optional<StagedFile> file;
        if (!toOutput)
            file.emplace(*command.icsPath, ReadOnlyFiles::Refuse);
        std::string problem = file ? file->problem() : std::string();
        std::string ics;
        if (problem.empty())
            ics = CalendarIcs(stays, where, static_cast<long>(std::time(nullptr) / 60), problem, marks);
        if (problem.empty() && file) {
            file->Write(ics);
            problem = file->PutInPlace();
        }
        if (!problem.empty()) {
            err << ToolName << ": "
                << OneLineText("the calendar was not written to " + (toOutput ? "standard output" : *command.icsPath) + ": " + problem)
                << '\n';
            return ToolOutputFailed;
        }
        if (toOutput)
            out << ics;
        return Finish(ToolSuccess, out, err);
    }
    out << (command.json  ? CalendarJson(stays, where, marks)
            : command.csv ? CalendarCsv(stays, where, marks)
                          : CalendarText(stays, where, marks));
    return Finish(ToolSuccess, out, err);
}

}  // namespace

int RunReadingTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err)
{
    const CommandLineParse parse = ParseCommandLine(args);
    if (!parse.ok)
        return Refuse(err, parse.error);
    const ReadingCommand& command = parse.command;
    switch (command.mode) {
    case ReadingCommand::Mode::Help:
        out << ReadingToolUsage();
        return Finish(ToolSuccess, out, err);
    case ReadingCommand::Mode::Version:
        out << ToolName << ' ' << QAMAREL_VERSION << '\n';
        return Finish(ToolSuccess, out, err);
    case ReadingCommand::Mode::Single: return RunSingle(command, out, err);
    case ReadingCommand::Mode::Open: return RunOpen(command, out, err);
    case ReadingCommand::Mode::Batch: return RunBatch(command, in, out, err);
    case ReadingCommand::Mode::Places: return RunPlaces(command, out, err);
    case ReadingCommand::Mode::Calendar: return RunCalendar(command, out, err);
    case ReadingCommand::Mode::People: return RunPeople(command, out, err);
    case ReadingCommand::Mode::ImportPeople: return RunImportPeople(command, in, out, err);
    }
    return ToolRefused;
}
