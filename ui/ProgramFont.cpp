#include "ui/ProgramFont.h"

#include <QStringList>

QFont ProgramFont()
{
    // Verdana where it is installed, else DejaVu Sans. Resolved by the font
    // matcher when text is first drawn, without listing every installed family
    // at start-up.
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(8);
    return font;
}
