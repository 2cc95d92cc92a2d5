#include "cli/PictureOutput.h"

#include "base/CompanionModules.h"
#include "pictures/PictureModule.h"

std::string WriteReadingPicture(const std::string& path, const MansionReading& reading,
                                const std::optional<BirthMoment>& birth, const std::optional<MansionPassage>& passage)
{
    std::string problem;
    const PicturesModuleEntry* pictures = LoadCompanionModule<PicturesModuleEntry>(problem);
    if (!pictures)
        return problem;
    pictures->writePicture({path, reading, birth, passage}, problem);
    return problem;
}
