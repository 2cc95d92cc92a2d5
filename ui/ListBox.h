#pragma once

#include <QComboBox>

// ListBox — a drop-down list as wide as its longest entry, measured cheaply.
//
// QComboBox measures every entry by laying out its text, twice (for its size
// and its least size), when the window is first laid out: for the form's six
// lists of 337 numbers and months that was 1.5 ms of the start-up. Here an
// entry's width is the sum of its characters' advances, which the font keeps
// (the entries are digits and month names, with no kerning worth a pixel), and
// the size is worked out once, again when the font or the style changes.
class ListBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    mutable QSize size_;
};
