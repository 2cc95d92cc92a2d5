#include "shell/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>

QPixmap ProgramPicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // Night sky disc.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(16, 24, 64));
    p.drawEllipse(QRectF(0.02 * s, 0.02 * s, 0.96 * s, 0.96 * s));
    // Crescent: a disc with a smaller disc taken out of it.
    QPainterPath moon;
    moon.addEllipse(QRectF(0.18 * s, 0.18 * s, 0.56 * s, 0.56 * s));
    QPainterPath bite;
    bite.addEllipse(QRectF(0.34 * s, 0.10 * s, 0.52 * s, 0.52 * s));
    p.setBrush(QColor(240, 220, 140));
    p.drawPath(moon.subtracted(bite));
    // Two small stars.
    p.setBrush(QColor(192, 255, 192));
    p.drawEllipse(QPointF(0.72 * s, 0.66 * s), 0.035 * s, 0.035 * s);
    p.drawEllipse(QPointF(0.60 * s, 0.80 * s), 0.025 * s, 0.025 * s);
    return pixmap;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(ProgramPicture(size));
    return icon;
}
