#pragma once

#include "core/MansionRecord.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QLabel;
class QPushButton;
struct ReadingState;

// frmArabicLunarMansionResult — the ten texts of the reading's mansion under
// their captions, green on black, laid out in a fixed client area of
// 8295 by 6165 twips (15 twips a pixel at 96 dpi, scaled with the screen).
// Captions and values are lblCaption_0..9 and lblResult_0..9; under the client
// area, lblReadingLine gives the position, the mansion and its passage in one line.
class frmArabicLunarMansionResult : public QMainWindow {
    Q_OBJECT

public:
    explicit frmArabicLunarMansionResult(const ReadingState& state, QWidget* parent = nullptr);

    // Sets the ten values, lblResult(i) to field i, and the reading's line; a
    // wheel open for an earlier reading is made again for this one.
    void ShowReading(const MansionRecord& mansion);

signals:
    // Back: a fresh form is wanted. This window hides right after, for the
    // turn, and waits for the next reading.
    void backRequested();
    // The user closed this window (not a close for a turn).
    void closedByUser();
    // File > Mansion Calendar: the calendar is wanted.
    void calendarRequested();
    // File > Add to People added the reading's birth to the people book.
    void addedToPeople();

private slots:
    void cmdBack_Click();
    void cmdSave_Click();
    void mnuWheel_Click();
    void mnuPrint_Click();
    void mnuExportPdf_Click();
    void mnuAddToPeople_Click();
    void mnuCopy_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    // Opens a web page; says so when none could be opened.
    void OpenLink(const QString& address);
    void ShowReadingLine();
    bool CloseWheel();  // true when one was open
    int Twips(int twips) const;
    // A control at its place in twips-made pixels, mirrored right to left.
    void Place(QWidget* widget, int left, int top, int width, int height) const;
    struct ReadingSheet Sheet() const;

    const ReadingState& state_;
    double scale_ = 1.0;

    std::array<QLabel*, MansionFieldCount> lblCaption{};
    std::array<QLabel*, MansionFieldCount> lblResult{};
    QLabel* homePageLink;    // objectName "Label61"
    QLabel* coBrandingLink;  // objectName "Label1"
    QLabel* lblFullBrand;
    QLabel* lblReadingLine;  // the reading in one line, under the client area
    QPushButton* cmdSave;
    QPushButton* cmdBack;
    QAction* mnuBack;
    QAction* mnuSave;
    QAction* mnuWheel;
    QAction* mnuPrint;
    QAction* mnuExportPdf;
    QAction* mnuAddToPeople;
    QAction* mnuCopy;
    QPointer<class frmMansionWheel> wheel_;  // the open wheel window, if any
};
