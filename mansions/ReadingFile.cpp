#include "mansions/ReadingFile.h"

#include "mansions/ReadingTextCodec.h"
#include "mansions/SingleByteText.h"

#include <fstream>
#include <system_error>

bool HasReadingFileExtension(std::string_view path)
{
    return path.size() >= ReadingFileExtension.size() &&
           path.substr(path.size() - ReadingFileExtension.size()) == ReadingFileExtension;
}

std::optional<std::string> ReadingFileBytes(std::string_view positionText)
{
    const std::optional<std::string> bytes = Utf8ToSingleByte(positionText);
    if (!bytes)
        return std::nullopt;
    return EncodeReadingText(*bytes) + "\r\n";
}

std::string DecodeReadingFileLine(std::string_view bytes)
{
    const std::size_t end = bytes.find_first_of("\r\n");
    const std::string_view line = end == std::string_view::npos ? bytes : bytes.substr(0, end);
    return SingleByteToUtf8(DecodeReadingText(line));
}

ReadingFileText ReadReadingFile(const std::filesystem::path& path)
{
    std::error_code error;
    // Only regular files: opening a pipe or a device could block or never end.
    if (!std::filesystem::is_regular_file(path, error))
        return {ReadingFileStatus::NotAFile, {}};

    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {ReadingFileStatus::CannotRead, {}};
    std::string bytes(ReadingFileLineLimit + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return {ReadingFileStatus::CannotRead, {}};
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return ReadingFileFromBytes(bytes);
}

ReadingFileText ReadingFileFromBytes(std::string_view start)
{
    const std::size_t end = start.find_first_of("\r\n");
    if (end == std::string_view::npos && start.size() > ReadingFileLineLimit)
        return {ReadingFileStatus::LineTooLong, {}};
    return {ReadingFileStatus::Read, DecodeReadingFileLine(start)};
}
