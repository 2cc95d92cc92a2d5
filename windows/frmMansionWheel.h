#pragma once

#include "pictures/ReadingSheet.h"

#include <QDialog>

// frmMansionWheel — the reading's mansion wheel in the result window's
// colours, with the legend of the day's path and the Moon's passage in words
// under it; it grows with the window, whose title names the person.
class frmMansionWheel : public QDialog {
    Q_OBJECT

public:
    explicit frmMansionWheel(const ReadingSheet& sheet, QWidget* parent = nullptr);

    // Brings the open window to the front, restored when minimised.
    void ShowAgain();
};
