// The printing module: the page printing of SheetPrinting.h behind one
// checked entry (see PrintingModule.h).
#include "pictures/PrintingModule.h"

#include "base/ProgramVersion.h"
#include "pictures/SheetPrinting.h"

namespace {

const PrintingModuleEntry Entry{
    ModuleHeaderOf<PrintingModuleEntry>(QAMAREL_VERSION),
    PrintReadingWithDialog,
    PrintCalendarWithDialog,
};

}  // namespace

extern "C" Q_DECL_EXPORT const ModuleHeader* QamarelModuleEntry()
{
    return &Entry.header;
}
