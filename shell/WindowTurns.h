#pragma once

#include "core/BirthMoment.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

struct Person;
struct ReadingState;
class frmMain;
class frmArabicLunarMansionResult;
class ReadingAfterDialogs;

// The main window and the result window take turns: exactly one of them is
// open. The main window is created anew when its turn comes, so it always
// opens with its defaults (but for one a handed-over reading took the place
// of, which comes back as it was); the result window, which holds nothing but the
// reading it shows, is made at the first reading and hidden between readings. The closes the program makes for a turn do not end
// it; a close by the user does. The windows only say what the user asked for
// (a reading to show, Back, a close); this is the one place that answers, so
// that no window knows another.
class WindowTurns {
public:
    explicit WindowTurns(ReadingState& state);
    ~WindowTurns();
    WindowTurns(const WindowTurns&) = delete;  // (the destructor deletes the hidden result window)
    WindowTurns& operator=(const WindowTurns&) = delete;

    ReadingState& state() { return state_; }

    // A fresh main window, shown.
    frmMain* ShowMainWindow();
    // A fresh main window, not yet shown (to open a reading without it), and
    // the showing of such a window when it is wanted after all.
    frmMain* CreateMainWindow();
    void ShowMainWindow(frmMain* created);
    // The result window showing the current mansion's ten texts.
    frmArabicLunarMansionResult* ShowResultWindow();
    // The user closed the main or the result window: the exit window comes up.
    void WindowClosedByUser();

    // The main or result window that is open (none while the exit window is up).
    QWidget* CurrentWindow() const { return current_; }

    // A second start asked for the program: the window in front of the user
    // (a dialog open over the windows, else the open window) comes to the front.
    void RaiseCurrentWindow();
    // A second start handed over a reading file: it is shown as Open shows it,
    // in place of the open window (a file that is no reading is said, and the
    // open window stays). A form it takes the place of is kept as the user
    // left it, for Back. While any modal dialog is open (a finder, a
    // message, a file dialog, the start-up question), it waits here until the
    // last one has closed; one waits at a time, and a later one takes the
    // place of one not yet shown. When the user chose a reading meanwhile
    // (in the Open dialog, say), the user's stays and the handed one is
    // offered instead.
    void OpenReadingFile(const QString& path);

    // The Mansion Calendar at `where` (a reading's or a chosen place's; the
    // system's zone when its clocks have no change), the current reading's
    // mansion marked. One at a time: a second request brings it to the front.
    void ShowCalendar(PlaceClocks where);
    // A reading of one moment at the calendar's place and on its clocks,
    // without a name, shown in front in a result window of its own: the
    // person's own reading and the form stay as they were. One such window,
    // shown again for the next moment; its Back and its close leave the
    // program running, and the calendar in front.
    // Returns the window, or none when the moment gives no reading.
    frmArabicLunarMansionResult* ShowReadingOfMoment(qint64 utcMinute, const PlaceClocks& where);
    // A birth's reading (a person of the people book's), shown in the result
    // window in place of the open window.
    void ShowReadingOfBirth(BirthMoment moment);
    // The people book's window. One at a time: a second request brings it to the front.
    void ShowPeople();
    // An entry of the book at `bookPath` in the form, to be changed: the open
    // form takes it, else a fresh one in place of the result window.
    void EditPerson(const Person& person, const QString& bookPath);

private:
    friend class ReadingAfterDialogs;

    // The window that was open gives way to the one now open, for the turn.
    void GiveWay(QWidget* before);
    // Back from the result window: the kept form, else a fresh one.
    void ShowFormAgain();
    // A handed-over reading shown now, and offered with a question.
    void ShowHandedReading(const QString& path);
    void OfferHandedReading(const QString& path);

    ReadingState& state_;
    QPointer<QWidget> current_;  // the main or result window that is open
    QPointer<frmArabicLunarMansionResult> result_;  // made at the first reading, hidden between readings
    QPointer<QWidget> exit_;     // the exit window, while it is up
    QPointer<QWidget> calendar_; // the Mansion Calendar, while it is open
    QPointer<class frmPeople> people_;  // the people book's window, while it is open
    std::unique_ptr<ReadingAfterDialogs> waiting_;  // a reading handed over under a dialog
    QPointer<frmMain> kept_;     // the form a handed-over reading took the place of, hidden, for Back
    std::unique_ptr<ReadingState> momentState_;               // the calendar's moment, apart from the person's reading
    QPointer<frmArabicLunarMansionResult> momentWindow_;      // the window that shows it
    int chosenReadings_ = 0;     // the readings the user chose so far (handed-over ones not counted)
    bool handing_ = false;       // a handed-over reading is being shown
};
