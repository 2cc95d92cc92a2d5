#include "shell/WindowTurns.h"

#include "windows/frmArabicLunarMansionResult.h"
#include "core/ReadingState.h"
#include "windows/frmMain.h"
#include "shell/frmExit.h"

#include <QApplication>
#include <QDialog>

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
    ShowMainWindow(window);
    return window;
}

void WindowTurns::ShowMainWindow(frmMain* created)
{
    created->show();
    current_ = created;
}

frmArabicLunarMansionResult* WindowTurns::ShowResultWindow()
{
    auto* window = new frmArabicLunarMansionResult(state_);
    QObject::connect(window, &frmArabicLunarMansionResult::backRequested, window, [this] { ShowMainWindow(); });
    QObject::connect(window, &frmArabicLunarMansionResult::closedByUser, window, [this] { WindowClosedByUser(); });
    window->ShowReading(state_.currentMansion);
    window->show();
    current_ = window;
    return window;
}

void WindowTurns::WindowClosedByUser()
{
    // The exit window ends the program when it is closed in turn.
    auto* exit = new frmExit;
    exit->show();
    exit_ = exit;
}

void WindowTurns::RaiseCurrentWindow()
{
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = exit_ ? exit_.data() : current_.data();
    if (!front)
        return;
    front->show();
    front->setWindowState((front->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    front->raise();
    front->activateWindow();
}

void WindowTurns::OpenReadingFile(const QString& path)
{
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        // A picker, a message or a file dialog is open: the reading follows it.
        QObject::connect(dialog, &QDialog::finished, dialog, [this, path] { OpenReadingFile(path); },
                         Qt::QueuedConnection);
        RaiseCurrentWindow();
        return;
    }
    // The open form opens it itself; over a reading, or the exit window, a
    // fresh form that is never shown does, as at a start with a file.
    auto* form = qobject_cast<frmMain*>(current_.data());
    const bool fresh = !form;
    if (fresh)
        form = CreateMainWindow();
    QPointer<QWidget> before = current_;
    if (form->OpenReadingFile(path)) {
        if (fresh && before) {
            before->hide();
            before->deleteLater();
        }  // the reading it showed gives way, without asking to exit
        if (exit_) {
            exit_->hide();
            exit_->deleteLater();
        }
    } else if (fresh) {
        form->deleteLater();
    }
    RaiseCurrentWindow();
}
