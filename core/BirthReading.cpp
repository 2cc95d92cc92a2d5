#include "core/BirthReading.h"

BirthReading ReadBirth(const BirthMoment& moment, PassageWanted passage)
{
    BirthReading result;
    ChartRecord chart = moment.chart;
    result.reading = ReadingForChart(chart);
    if (passage != PassageWanted::None)
        result.passage = FindMansionPassage(moment, passage == PassageWanted::Whole ? DayPath::Computed : DayPath::Skipped);
    return result;
}
