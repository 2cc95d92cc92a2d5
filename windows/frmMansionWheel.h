#pragma once

#include "pictures/ReadingSheet.h"

#include <QDialog>

// frmMansionWheel — the reading's mansion wheel in the result window's
// colours, with the Moon's passage in words under it; it grows with the window.
class frmMansionWheel : public QDialog {
    Q_OBJECT

public:
    explicit frmMansionWheel(const ReadingSheet& sheet, QWidget* parent = nullptr);
};
