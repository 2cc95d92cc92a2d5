#include "core/ReadingText.h"

#include "base/Utf8Text.h"
#include "core/ClockText.h"
#include "core/MansionVocabulary.h"

void WriteReadingText(std::ostream& out, const MansionReading& reading,
                      const std::optional<std::string>& name, const MansionPassage* passage)
{
    if (name)
        out << "Name: " << OneLineText(*name) << '\n';  // a name cannot add lines of its own
    out << "Position: " << reading.position << '\n';
    out << "Mansion: " << reading.mansion << '\n';
    for (std::size_t i = 0; i < MansionFieldCount; ++i) {
        if (i == FavorableCircumstances || i == UnfavorableCircumstances) {
            out << MansionFieldCaptions[i] << ":\n";
            for (const std::string_view item : FieldItems(reading.mansion, static_cast<MansionField>(i)))
                out << "  " << item << '\n';
        } else {
            out << MansionFieldCaptions[i] << ": " << reading.texts[i] << '\n';
        }
    }
    if (passage) {
        out << "Entered this mansion: " << IsoLocalTime(passage->entered) << '\n';
        out << "Left this mansion: " << IsoLocalTime(passage->left) << '\n';
    }
}
