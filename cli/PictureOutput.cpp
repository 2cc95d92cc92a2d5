#include "cli/PictureOutput.h"

#include "base/CompanionModules.h"
#include "pictures/PictureModule.h"

std::string DrawReadingPicture(const std::string& name, const MansionReading& reading,
                               const std::optional<BirthMoment>& birth, const std::optional<MansionPassage>& passage,
                               std::string& problem)
{
    const PicturesModuleEntry* pictures = LoadCompanionModule<PicturesModuleEntry>(problem);
    if (!pictures)
        return {};
    std::string bytes;
    pictures->drawPicture({name, reading, birth, passage}, bytes, problem);
    return bytes;
}
