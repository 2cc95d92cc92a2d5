#include "core/ReadingState.h"

#include "core/modArabicLunarMansionInformation.h"

PositionTextStatus ChooseCurrentMansion(ReadingState& state, std::string_view text)
{
    MansionSignState sign = state.sign;
    const MansionChoice choice = ChooseMansion(text, sign);
    if (choice.status != PositionTextStatus::WellFormed)
        return choice.status;
    state.sign = sign;
    state.currentMansion[LunarMansionName] = modArabicLunarMansionInformation::MansionRowFor(choice.mansion)[LunarMansionName];
    modArabicLunarMansionInformation::FillCurrentMansion(state.currentMansion);
    return choice.status;
}
