#pragma once

#include <QIcon>
#include <QPixmap>

// The program's picture: a crescent Moon among stars, drawn at any size.
QPixmap ProgramPicture(int size);
QIcon ProgramIcon();
