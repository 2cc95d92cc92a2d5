// Bytes of a reading file in; a reading or a refusal out.
//  - a refused file changes nothing of what the program remembers;
//  - an accepted file shows its mansion, and saving it gives a file that opens
//    to the same text and saves again to the very same bytes;
//  - a file whose line holds only codes the shift keeps re-saves byte for byte.
#include "core/ReadingFile.h"
#include "core/ReadingState.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ReadingFileText file = ReadingFileFromBytes(bytes.substr(0, ReadingFileLineLimit + 1));
    if (file.status != ReadingFileStatus::Read)
        return 0;

    ReadingState state;
    ChooseCurrentMansion(state, "5\xC2\xB0 6' 7\" Leo");  // an earlier reading
    const ReadingState before = state;
    const PositionTextStatus status = ChooseCurrentMansion(state, file.text);
    Require(status == (IsWellFormedPositionText(file.text) ? PositionTextStatus::WellFormed
                                                           : PositionTextStatus::Malformed));
    if (status == PositionTextStatus::Malformed) {
        Require(state.currentMansion.fields == before.currentMansion.fields);
        Require(state.sign.MoonSignDegrees == before.sign.MoonSignDegrees);
        Require(state.sign.MoonSignMinutes == before.sign.MoonSignMinutes);
        return 0;
    }

    Require(!state.currentMansion[LunarMansionName].empty());
    const std::optional<std::string> saved = ReadingFileBytes(file.text);
    Require(saved.has_value());
    const ReadingFileText reopened = ReadingFileFromBytes(*saved);
    Require(reopened.status == ReadingFileStatus::Read && reopened.text == file.text);
    Require(ReadingFileBytes(reopened.text) == saved);

    const std::string_view line = bytes.substr(0, bytes.find_first_of("\r\n"));
    bool everyCodeKept = true;
    for (const char c : line)
        everyCodeKept = everyCodeKept && static_cast<unsigned char>(c) >= 93;
    if (everyCodeKept)
        Require(*saved == std::string(line) + "\r\n");
    return 0;
}
