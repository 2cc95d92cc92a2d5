#include "shell/WindowTurns.h"

#include "mansions/frmArabicLunarMansionResult.h"
#include "reading/ReadingState.h"
#include "reading/frmMain.h"
#include "shell/frmExit.h"

frmMain* WindowTurns::CreateMainWindow()
{
    return new frmMain(*this);
}

frmMain* WindowTurns::ShowMainWindow()
{
    frmMain* window = CreateMainWindow();
    window->show();
    return window;
}

frmArabicLunarMansionResult* WindowTurns::ShowResultWindow()
{
    auto* window = new frmArabicLunarMansionResult(*this);
    window->ShowReading(state_.currentMansion);
    window->show();
    return window;
}

void WindowTurns::WindowClosedByUser()
{
    // The exit window ends the program when it is closed in turn.
    auto* exit = new frmExit;
    exit->show();
}
