#pragma once

struct ReadingState;
class frmMain;
class frmArabicLunarMansionResult;

// The main window and the result window take turns: exactly one of them is
// open. Each is created anew when its turn comes, so the main window always
// opens with its defaults. The closes the program makes for a turn do not end
// it; a close by the user does. The windows only say what the user asked for
// (a reading to show, Back, a close); this is the one place that answers, so
// that no window knows another.
class WindowTurns {
public:
    explicit WindowTurns(ReadingState& state) : state_(state) {}

    ReadingState& state() { return state_; }

    // A fresh main window, shown.
    frmMain* ShowMainWindow();
    // A fresh main window, not yet shown (to open a reading without it).
    frmMain* CreateMainWindow();
    // A fresh result window showing the current mansion's ten texts.
    frmArabicLunarMansionResult* ShowResultWindow();
    // The user closed the main or the result window: the exit window comes up.
    void WindowClosedByUser();

private:
    ReadingState& state_;
};
