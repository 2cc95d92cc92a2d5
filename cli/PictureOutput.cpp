#include "cli/PictureOutput.h"

#include "base/CompanionModules.h"
#include "pictures/PictureModule.h"

std::string WriteReadingPicture(const std::string& path, const MansionReading& reading, const std::string& name,
                                const std::optional<ChartRecord>& birth, const std::optional<MansionPassage>& passage)
{
    std::string problem;
    const ModuleHeader* header = LoadCompanionModule(PicturesModule, PicturesModuleKind, PicturesModuleLayout,
                                                     sizeof(PicturesModuleEntry), problem);
    if (!header)
        return problem;
    reinterpret_cast<const PicturesModuleEntry*>(header)->writePicture({path, reading, name, birth, passage}, problem);
    return problem;
}
