#include "cli/PictureOutput.h"

#include "pictures/CompanionModules.h"
#include "pictures/PictureModule.h"

std::string WriteReadingPicture(const std::string& path, const MansionReading& reading, const std::string& name,
                                const std::optional<ChartRecord>& birth, const std::optional<MansionPassage>& passage)
{
    std::string problem;
    const auto write = reinterpret_cast<WritePictureFunction>(LoadCompanionSymbol(PicturesModule, WritePictureSymbol, problem));
    if (!write)
        return problem;
    write({path, reading, name, birth, passage}, problem);
    return problem;
}
