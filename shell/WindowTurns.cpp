#include "shell/WindowTurns.h"

#include "windows/frmArabicLunarMansionResult.h"
#include "core/ReadingState.h"
#include "windows/frmMain.h"
#include "shell/frmExit.h"

#include "core/MansionStays.h"
#include "windows/frmMansionCalendar.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QTimeZone>

frmMain* WindowTurns::CreateMainWindow()
{
    auto* window = new frmMain(state_);
    QObject::connect(window, &frmMain::readingChosen, window, [this] { ShowResultWindow(); });
    QObject::connect(window, &frmMain::closedByUser, window, [this] { WindowClosedByUser(); });
    QObject::connect(window, &frmMain::calendarRequested, window, [this, window] { ShowCalendar(window->placeZone()); });
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
    QObject::connect(window, &frmArabicLunarMansionResult::calendarRequested, window, [this] { ShowCalendar({}); });
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

void WindowTurns::ShowCalendar(const QByteArray& zone)
{
    if (!calendar_) {
        const QByteArray clocks = zone.isEmpty() ? QTimeZone::systemTimeZoneId() : zone;
        MansionSignState sign;
        const int own = IsWellFormedPositionText(state_.chart.MoonPositionText)
                            ? ChooseMansion(state_.chart.MoonPositionText, sign).mansion
                            : 0;
        auto* calendar = new frmMansionCalendar(clocks, own, QDateTime::currentSecsSinceEpoch());
        calendar->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(calendar, &frmMansionCalendar::readingRequested, calendar,
                         [this](qint64 minute, int offset) { ShowReadingOfMoment(minute, offset); });
        calendar_ = calendar;
    }
    calendar_->show();
    calendar_->raise();
    calendar_->activateWindow();
}

void WindowTurns::ShowReadingOfMoment(qint64 utcMinute, int offsetMinutes)
{
    state_.chart = ChartAtInstant(static_cast<long>(utcMinute), offsetMinutes);
    state_.name.clear();
    state_.passage = FindMansionPassage(state_.chart);
    if (ChooseCurrentMansion(state_, state_.chart.MoonPositionText) != PositionTextStatus::WellFormed)
        return;
    QPointer<QWidget> before = current_;
    ShowResultWindow();
    if (before) {
        before->hide();  // gives way for the turn, without asking to exit
        before->deleteLater();
    }
}
