// The iCalendar module: StaysCalendar.h behind one checked entry (see IcsModule.h).
#include "calendar/IcsModule.h"

#include "base/ProgramVersion.h"
#include "calendar/StaysCalendar.h"

namespace {

const IcsModuleEntry Entry{
    ModuleHeaderOf<IcsModuleEntry>(QAMAREL_VERSION),
    StaysCalendarText,
};

}  // namespace

extern "C" __attribute__((visibility("default"))) const ModuleHeader* QamarelModuleEntry()
{
    return &Entry.header;
}
