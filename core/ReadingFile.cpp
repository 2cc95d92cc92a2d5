#include "core/ReadingFile.h"

#include "base/TextBasics.h"
#include "core/ReadingTextCodec.h"
#include "core/SingleByteText.h"

bool HasReadingFileExtension(std::string_view path)
{
    return EndsWith(path, ReadingFileExtension);
}

std::string WithFileExtension(std::string_view path, std::string_view extension)
{
    std::string name(path);
    const std::string dotted = "." + std::string(extension);
    if (EndsWith(name, dotted))
        return name;
    if (name.empty() || name.back() != '.')
        name += '.';
    return name += extension;
}

std::string WithReadingFileExtension(std::string_view path)
{
    return WithFileExtension(path, ReadingFileExtension);
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

ReadingFileText ReadingFileFromBytes(std::string_view start)
{
    const std::size_t end = start.find_first_of("\r\n");
    if (end == std::string_view::npos && start.size() > ReadingFileLineLimit)
        return {ReadingFileStatus::LineTooLong, {}};
    return {ReadingFileStatus::Read, DecodeReadingFileLine(start)};
}
