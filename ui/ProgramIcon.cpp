#include "ui/ProgramIcon.h"

namespace {

constexpr int IconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QString IconFile(int size)
{
    return QStringLiteral(":/icons/qamarel-%1.png").arg(size);
}

}  // namespace

QPixmap ProgramPicture(int size)
{
    for (int drawn : IconSizes)
        if (drawn >= size)
            return QPixmap(IconFile(drawn)).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QPixmap(IconFile(256)).scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QIcon ProgramIcon()
{
    // The window's own icon, in the sizes a title bar and a task bar use: every
    // size given here is decoded and handed to the window system at start-up.
    // The desktop takes larger ones from the installed icon theme.
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addFile(IconFile(size), QSize(size, size));
    return icon;
}
