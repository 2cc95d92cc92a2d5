#include "shell/ProgramFont.h"

#include <QFontDatabase>

QFont ProgramFont()
{
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPointSize(8);
    return font;
}
