#include "ui/ListBox.h"

#include <QEvent>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>

QSize ListBox::sizeHint() const
{
    if (size_.isValid())
        return size_;
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (int i = 0; i < count(); ++i) {
        int width = 1;  // a pixel for the glyphs' side bearings
        for (const QChar c : itemText(i))
            width += metrics.horizontalAdvance(c);
        widest = std::max(widest, width);
    }
    // As QComboBox finishes its own size: the text's line height, at least 14
    // pixels, with 2 to spare, then the style's frame, arrow and margins.
    const QSize text(widest, std::max(int(std::ceil(QFontMetricsF(font()).height())), 14) + 2);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    size_ = style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
    return size_;
}

QSize ListBox::minimumSizeHint() const
{
    return sizeHint();
}

void ListBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        size_ = QSize();
        updateGeometry();
    }
    QComboBox::changeEvent(event);
}

void ListBox::showEvent(QShowEvent* event)
{
    // QComboBox's own (passed over on purpose) forgets the size at the first
    // show, so that the whole window is laid out a second time before it is
    // drawn; the size here does not change with showing.
    QWidget::showEvent(event);
}
