// The reading tool's command line and batch input, as any bytes.
//  - whatever the arguments, the tool ends with status 0, 1 or 2, and a
//    refusal (2) is exactly one line on standard error with nothing on standard output;
//  - each batch row gives either the very reading of the single-reading form
//    for the same fields, or one clear error line that names it.
#include "people/CsvReader.h"
#include "cli/ReadingTool.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <sstream>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

struct Run {
    int status;
    std::string out, err;
};

Run Tool(const std::vector<std::string>& args, const std::string& input)
{
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunReadingTool(args, in, out, err);
    return {status, out.str(), err.str()};
}

std::size_t Lines(const std::string& text)
{
    std::size_t lines = 0;
    for (const char c : text)
        lines += c == '\n';
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // As arguments, split at NUL bytes (no file access: --open and --batch are dropped).
    std::vector<std::string> args;
    std::string arg;
    for (const char c : bytes) {
        if (c == '\0') {
            args.push_back(arg);
            arg.clear();
        } else {
            arg += c;
        }
    }
    args.push_back(arg);
    bool touchesFiles = false;
    for (const std::string& a : args)
        touchesFiles = touchesFiles || a.rfind("--open", 0) == 0 || a.rfind("--batch", 0) == 0;
    if (!touchesFiles) {
        const Run run = Tool(args, {});
        Require(run.status == ToolSuccess || run.status == ToolRefused);
        if (run.status == ToolRefused)
            Require(run.out.empty() && Lines(run.err) == 1 && run.err.back() == '\n');
    }

    // As a batch, behind the header.
    const std::string csv = "name,date,time,longitude,latitude,zone,dst\n" + bytes;
    const Run batch = Tool({"--batch", "-", "--json"}, csv);
    Require(batch.status == ToolSuccess || batch.status == ToolSomeRowsFailed);

    // The rows as the reader sees them, by the line they start on.
    std::map<std::size_t, std::vector<std::string>> rows;
    std::istringstream in(csv);
    CsvReader reader(in);
    std::vector<std::string> fields;
    std::size_t line = 0;
    reader.Next(fields, line);
    for (CsvReader::Status s; (s = reader.Next(fields, line)) != CsvReader::Status::End;)
        if (s == CsvReader::Status::Record)
            rows[line] = fields;

    std::istringstream out(batch.out);
    std::string object;
    std::size_t errors = 0;
    while (std::getline(out, object)) {
        Require(object.rfind("{\"line\":", 0) == 0);
        const std::size_t at = std::stoul(object.substr(8));
        if (object.find(",\"error\":\"") != std::string::npos) {
            // The same error, with its line number, on standard error.
            Require(batch.err.find("qamarel-reading: line " + std::to_string(at) + ": ") != std::string::npos);
            ++errors;
            continue;
        }
        const auto row = rows.find(at);
        Require(row != rows.end() && row->second.size() == 7);
        const std::vector<std::string>& r = row->second;
        std::vector<std::string> single = {"--date", r[1], "--time", r[2], "--longitude", r[3], "--latitude",
                                           r[4], "--zone", r[5], "--name", r[0], "--json"};
        if (r[6] == "1")
            single.push_back("--dst");
        const Run one = Tool(single, {});
        Require(one.status == ToolSuccess);
        Require(object == "{\"line\":" + std::to_string(at) + "," + one.out.substr(1, one.out.size() - 2));
    }
    Require(Lines(batch.err) == errors);
    Require((batch.status == ToolSomeRowsFailed) == (errors > 0));
    return 0;
}
