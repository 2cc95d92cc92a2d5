#include "shell/WindowTurns.h"

#include "mansions/frmArabicLunarMansionResult.h"
#include "reading/ReadingState.h"
#include "reading/frmMain.h"
#include "shell/frmExit.h"

frmMain* WindowTurns::CreateMainWindow()
{
    auto* window = new frmMain(state_);
    QObject::connect(window, &frmMain::readingChosen, window, [this] { ShowResultWindow(); });
    QObject::connect(window, &frmMain::closedByUser, window, [this] { WindowClosedByUser(); });
    return window;
}

frmMain* WindowTurns::ShowMainWindow()
{
    frmMain* window = CreateMainWindow();
    window->show();
    return window;
}

frmArabicLunarMansionResult* WindowTurns::ShowResultWindow()
{
    auto* window = new frmArabicLunarMansionResult(state_);
    QObject::connect(window, &frmArabicLunarMansionResult::backRequested, window, [this] { ShowMainWindow(); });
    QObject::connect(window, &frmArabicLunarMansionResult::closedByUser, window, [this] { WindowClosedByUser(); });
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
