#include "core/MansionReading.h"

#include "core/modEphemeris.h"
#include "core/modArabicLunarMansionInformation.h"

MansionReading ReadingForChart(ChartRecord& chart)
{
    modEphemeris::ComputeMoonPosition(chart);
    return ReadingForPositionText(chart.MoonPositionText);
}

MansionReading ReadingForPositionText(std::string_view text)
{
    MansionReading reading;
    MansionSignState state;
    const MansionChoice choice = ChooseMansion(text, state);
    if (choice.status != PositionTextStatus::WellFormed)
        return reading;
    reading.status = PositionTextStatus::WellFormed;
    reading.position = std::string(text);
    reading.mansion = choice.mansion;
    reading.texts = modArabicLunarMansionInformation::MansionRowFor(choice.mansion);
    return reading;
}
