#include "cli/ReadingTool.h"

#include "cli/CommandLine.h"
#include "cli/CsvReader.h"
#include "cli/ReadingOutput.h"
#include "mansions/ReadingFile.h"
#include "reading/MansionReading.h"

#include <filesystem>
#include <fstream>

namespace {

constexpr const char* ToolName = "qamarel-reading";
constexpr const char* BatchHeader = "name,date,time,longitude,latitude,zone,dst";
constexpr std::size_t BatchFieldCount = 7;

int Refuse(std::ostream& err, const std::string& message)
{
    err << ToolName << ": " << OneLineText(message) << '\n';
    return ToolRefused;
}

void WriteReading(std::ostream& out, const MansionReading& reading,
                  const std::optional<std::string>& name, bool json)
{
    if (json)
        out << ReadingJson(reading, name) << '\n';
    else
        WriteReadingText(out, reading, name);
}

int RunSingle(const ReadingCommand& command, std::ostream& out, std::ostream& err)
{
    BirthParse birth = ParseBirth(command.birth);
    if (!birth.ok)
        return Refuse(err, birth.error);
    WriteReading(out, ReadingForChart(birth.chart), command.name, command.json);
    return ToolSuccess;
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
    WriteReading(out, reading, std::nullopt, command.json);
    return ToolSuccess;
}

// Rows of a batch, one at a time, so that memory stays flat.
class BatchRun {
public:
    BatchRun(std::ostream& out, std::ostream& err, bool json) : out_(out), err_(err), json_(json) {}

    void Reading(std::size_t line, const std::string& name, const MansionReading& reading)
    {
        row_.clear();
        if (json_) {
            row_ = ReadingJson(reading, name, line);
        } else {
            AppendCsvField(row_, name);
            row_ += ',';
            AppendCsvField(row_, reading.position);
            row_ += ',';
            row_ += std::to_string(reading.mansion);
            row_ += ',';
            AppendCsvField(row_, reading.texts[LunarMansionName]);
            row_ += ',';
        }
        row_ += '\n';
        out_.write(row_.data(), static_cast<std::streamsize>(row_.size()));
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
            row_ += ",,,,";
            AppendCsvField(row_, error);
        }
        row_ += '\n';
        out_.write(row_.data(), static_cast<std::streamsize>(row_.size()));
    }

    bool failed() const { return failed_; }

private:
    std::ostream& out_;
    std::ostream& err_;
    bool json_;
    bool failed_ = false;
    std::string row_;  // one output row, its storage reused
};

int RunBatch(const ReadingCommand& command, std::istream& stdIn, std::ostream& out, std::ostream& err)
{
    std::ifstream file;
    std::istream* in = &stdIn;
    if (command.path != "-") {
        std::error_code error;
        if (std::filesystem::is_directory(command.path, error))
            return Refuse(err, command.path + " is a folder");
        file.open(command.path, std::ios::binary);
        if (!file)
            return Refuse(err, command.path + " cannot be read");
        in = &file;
    }

    CsvReader reader(*in);
    std::vector<std::string> fields;
    std::size_t line = 0;
    if (reader.Next(fields, line) != CsvReader::Status::Record)
        return Refuse(err, command.path + ": no header line; expected " + BatchHeader);
    if (!fields.empty() && fields[0].rfind("\xEF\xBB\xBF", 0) == 0)
        fields[0].erase(0, 3);  // byte-order mark written by some spreadsheets
    std::string header;
    for (std::size_t i = 0; i < fields.size(); ++i)
        header += (i ? "," : "") + fields[i];
    if (header != BatchHeader)
        return Refuse(err, command.path + ": the header must be " + BatchHeader);

    if (!command.json)
        out << "name,position,mansion,lunar_mansion_name,error\n";
    BatchRun run(out, err, command.json);
    for (;;) {
        const CsvReader::Status status = reader.Next(fields, line);
        if (status == CsvReader::Status::End)
            break;
        if (status == CsvReader::Status::TooLong) {
            run.Failure(line, {}, "the row is longer than " + std::to_string(CsvReader::RecordLimit) + " bytes");
            continue;
        }
        if (fields.size() == 1 && fields[0].empty())
            continue;  // blank line
        const std::string& name = fields[0];
        if (fields.size() != BatchFieldCount) {
            run.Failure(line, name, "expected " + std::to_string(BatchFieldCount) + " fields, found " +
                                        std::to_string(fields.size()));
            continue;
        }
        if (fields[6] != "0" && fields[6] != "1") {
            run.Failure(line, name, "dst \"" + fields[6].substr(0, 40) + "\" must be 0 or 1");
            continue;
        }
        BirthParse birth = ParseBirth({fields[1], fields[2], fields[3], fields[4], fields[5], fields[6] == "1"});
        if (!birth.ok) {
            run.Failure(line, name, birth.error);
            continue;
        }
        run.Reading(line, name, ReadingForChart(birth.chart));
    }
    if (in->bad())
        return Refuse(err, command.path + ": reading stopped by an input error");
    return run.failed() ? ToolSomeRowsFailed : ToolSuccess;
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
        return ToolSuccess;
    case ReadingCommand::Mode::Version:
        out << ToolName << ' ' << QAMAREL_VERSION << '\n';
        return ToolSuccess;
    case ReadingCommand::Mode::Single: return RunSingle(command, out, err);
    case ReadingCommand::Mode::Open: return RunOpen(command, out, err);
    case ReadingCommand::Mode::Batch: return RunBatch(command, in, out, err);
    }
    return ToolRefused;
}
