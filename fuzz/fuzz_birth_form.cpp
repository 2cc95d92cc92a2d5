// The main window's birth data, as any texts: the checks and the conversion
// never fail badly, and a form they accept always gives a position text.
#include "core/modEphemeris.h"
#include "core/BirthForm.h"
#include "core/MansionChoice.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Fields separated by NUL: name, day, year, hour, minute, four angle boxes, two zone boxes.
    std::vector<std::string> fields(11);
    std::size_t f = 0;
    int flags = size > 0 ? data[0] : 0;
    for (std::size_t i = 1; i < size && f < fields.size(); ++i) {
        if (data[i] == 0)
            ++f;
        else
            fields[f] += static_cast<char>(data[i]);
    }
    BirthFormValues form;
    form.name = fields[0];
    form.monthIndex = flags % 12;
    form.dayIndex = (flags / 12) % 31;
    form.day = fields[1];
    form.year = fields[2];
    form.hour = fields[3];
    form.minute = fields[4];
    form.lonDegrees = fields[5];
    form.lonMinutes = fields[6];
    form.latDegrees = fields[7];
    form.latMinutes = fields[8];
    form.zoneHours = fields[9];
    form.zoneMinutes = fields[10];
    form.east = (flags & 1) != 0;
    form.north = (flags & 2) != 0;
    form.dst = (flags & 4) != 0;

    if (ValidateBirthData(form) != BirthFormCheck::Passed)
        return 0;
    const ChartRecord previous;
    ChartInputsResult inputs = ChartInputsFromForm(form, previous);
    if (inputs.failed)
        return 0;
    if (inputs.chart.ZoneHours < 0 || inputs.chart.ZoneMinutes < 0)
        std::abort();  // zone sizes are stored without a sign
    modEphemeris::ComputeMoonPosition(inputs.chart);
    if (!IsWellFormedPositionText(inputs.chart.MoonPositionText))
        std::abort();
    return 0;
}
