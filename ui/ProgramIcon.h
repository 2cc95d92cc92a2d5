#pragma once

#include <QIcon>
#include <QPixmap>

// The program's picture (a crescent Moon among stars), from the same drawing
// as the icons the desktop shows.
QPixmap ProgramPicture(int size);
QIcon ProgramIcon();
