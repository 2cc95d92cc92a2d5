#include "shell/WindowTurns.h"

#include "windows/frmArabicLunarMansionResult.h"
#include "core/ReadingState.h"
#include "windows/frmMain.h"
#include "shell/frmExit.h"
#include "ui/MessageBox.h"
#include "ui/ProgramWidgets.h"

#include "core/MansionStays.h"
#include "core/modEphemeris.h"
#include "places/ZoneClocks.h"
#include "windows/frmMansionCalendar.h"
#include "windows/frmPeople.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QEvent>

#include <utility>

// A reading handed over while a modal dialog is open, kept by the shell (a
// dialog on the stack would take a call queued on it with it when it goes).
// It is opened once no modal dialog is open and the dialog's own event loop has
// returned to the code that opened it, so that code never finds its window
// replaced under it.
class ReadingAfterDialogs : public QObject {
public:
    explicit ReadingAfterDialogs(WindowTurns& turns) : turns_(turns) {}

    void Keep(const QString& path, QWidget* dialog)
    {
        path_ = path;
        chosenBefore_ = turns_.chosenReadings_;
        Watch(dialog);
    }
    // A later reading was opened at once: the earlier one is not shown after it.
    void Forget() { path_.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == watched_ && event->type() == QEvent::Hide)
            Closed();
        return false;
    }

private:
    void Watch(QWidget* dialog)
    {
        if (watched_ == dialog)
            return;
        Unwatch();
        watched_ = dialog;
        dialog->installEventFilter(this);
        destroyed_ = connect(dialog, &QObject::destroyed, this, [this] { Closed(); });
    }

    void Unwatch()
    {
        if (watched_)
            watched_->removeEventFilter(this);
        disconnect(destroyed_);
        watched_ = nullptr;
    }

    void Closed()
    {
        Unwatch();
        // The dialog is hidden inside its own event loop, which ends with its
        // current pass: before a call posted from a posted call runs (posted
        // calls posted while posted calls run wait for the next pass).
        QMetaObject::invokeMethod(
            this, [this] { QMetaObject::invokeMethod(this, [this] { AfterDialog(); }, Qt::QueuedConnection); },
            Qt::QueuedConnection);
    }

    void AfterDialog()
    {
        if (path_.isEmpty() || watched_)
            return;
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            Watch(dialog);  // another one is still open, or opened meanwhile
            return;
        }
        const QString path = std::exchange(path_, QString());
        // A reading the user chose under the dialog (the Open dialog's own)
        // is the one to stay on screen; the handed one is offered.
        if (turns_.chosenReadings_ != chosenBefore_)
            turns_.OfferHandedReading(path);
        else
            turns_.ShowHandedReading(path);
    }

    WindowTurns& turns_;
    QString path_;
    int chosenBefore_ = 0;  // the user's readings when it came
    QPointer<QWidget> watched_;
    QMetaObject::Connection destroyed_;
};

WindowTurns::WindowTurns(ReadingState& state) : state_(state), waiting_(std::make_unique<ReadingAfterDialogs>(*this)) {}

WindowTurns::~WindowTurns()
{
    delete result_.data();
    delete kept_.data();
    delete momentWindow_.data();  // before the state it shows
}

frmMain* WindowTurns::CreateMainWindow()
{
    auto* window = new frmMain(state_);
    QObject::connect(window, &frmMain::readingChosen, window, [this] { ShowResultWindow(); });
    QObject::connect(window, &frmMain::closedByUser, window, [this] { WindowClosedByUser(); });
    QObject::connect(window, &frmMain::calendarRequested, window, [this, window] { ShowCalendar(window->chosenPlaceClocks()); });
    QObject::connect(window, &frmMain::peopleRequested, window, [this] { ShowPeople(); });
    QObject::connect(window, &frmMain::filesDropped, window, [this](const QStringList& files) {
        ShowPeople();
        people_->ImportFiles(files);
    });
    QObject::connect(window, &frmMain::personSaved, window, [this] {
        if (people_)
            people_->Reload();
    });
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
    if (!result_) {
        auto* made = new frmArabicLunarMansionResult(state_);
        QObject::connect(made, &frmArabicLunarMansionResult::backRequested, made, [this] { ShowFormAgain(); });
        QObject::connect(made, &frmArabicLunarMansionResult::closedByUser, made, [this] { WindowClosedByUser(); });
        // The reading's own place and clocks; a reading from a file has none.
        QObject::connect(made, &frmArabicLunarMansionResult::calendarRequested, made,
                         [this] { ShowCalendar(state_.birth ? state_.birth->where : PlaceClocks{}); });
        QObject::connect(made, &frmArabicLunarMansionResult::addedToPeople, made, [this] {
            if (people_)
                people_->Reload();
        });
        result_ = made;
    }
    if (!handing_)
        ++chosenReadings_;
    frmArabicLunarMansionResult* window = result_;
    window->ShowReading(state_.currentMansion);
    window->show();
    current_ = window;
    return window;
}

void WindowTurns::GiveWay(QWidget* before)
{
    // The result window that shows the new reading is the one that was open.
    if (!before || before == current_)
        return;
    before->hide();
    if (before != result_)
        before->deleteLater();
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

void WindowTurns::ShowFormAgain()
{
    if (frmMain* form = kept_) {
        kept_ = nullptr;
        form->show();
        current_ = form;
    } else {
        ShowMainWindow();
    }
}

void WindowTurns::OpenReadingFile(const QString& path)
{
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        waiting_->Keep(path, dialog);
        RaiseCurrentWindow();
        return;
    }
    waiting_->Forget();
    ShowHandedReading(path);
}

void WindowTurns::ShowHandedReading(const QString& path)
{
    // A fresh form that is never shown opens it, as at a start with a file:
    // the open form keeps what the user typed in it.
    frmMain* opener = CreateMainWindow();
    QPointer<QWidget> before = current_;
    handing_ = true;
    const bool shown = opener->OpenReadingFile(path);
    handing_ = false;
    if (shown) {
        if (auto* form = qobject_cast<frmMain*>(before.data())) {
            form->hide();  // not closed: Back brings it again as it was
            kept_ = form;
        } else {
            GiveWay(before);  // the reading it showed, without asking to exit
        }
        if (exit_) {
            exit_->hide();
            exit_->deleteLater();
        }
    } else {
        opener->deleteLater();
    }
    RaiseCurrentWindow();
}

void WindowTurns::OfferHandedReading(const QString& path)
{
    const QString question =
        QCoreApplication::translate("WindowTurns", "Another start of the program asked to show %1.\r"
                                                   "Show it in place of the reading you chose?")
            .arg(QDir::toNativeSeparators(path));
    using namespace Messages;
    if (Show(current_, question, Icon::Information, Buttons::YesNo) == Answer::Yes)
        ShowHandedReading(path);
}

void WindowTurns::ShowCalendar(PlaceClocks where)
{
    if (!calendar_) {
        if (where.clocks.changes.empty())
            where = {std::nullopt, SystemClocks()};
        MansionSignState sign;
        const int own = IsWellFormedPositionText(state_.chart.MoonPositionText)
                            ? ChooseMansion(state_.chart.MoonPositionText, sign).mansion
                            : 0;
        auto* calendar = new frmMansionCalendar(std::move(where), own, QDateTime::currentSecsSinceEpoch());
        calendar->setAttribute(Qt::WA_DeleteOnClose);
        calendar->ReadPeopleBook();
        QObject::connect(calendar, &frmMansionCalendar::readingRequested, calendar,
                         [this, calendar](qint64 minute) { ShowReadingOfMoment(minute, calendar->where()); });
        calendar_ = calendar;
    }
    calendar_->show();
    calendar_->raise();
    calendar_->activateWindow();
}

void WindowTurns::ShowPeople()
{
    if (!people_) {
        auto* people = new frmPeople;
        people->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(people, &frmPeople::readingRequested, people,
                         [this, people] { ShowReadingOfBirth(people->chosenBirth()); });
        QObject::connect(people, &frmPeople::editRequested, people,
                         [this, people] { EditPerson(people->editedPerson(), people->bookPath()); });
        people_ = people;
    }
    people_->show();
    people_->raise();
    people_->activateWindow();
}

void WindowTurns::EditPerson(const Person& person, const QString& bookPath)
{
    auto* form = qobject_cast<frmMain*>(current_.data());
    if (!form) {
        QPointer<QWidget> before = current_;
        form = ShowMainWindow();
        GiveWay(before);  // without asking to exit
    }
    form->EditPerson(person, bookPath);
    form->raise();
    form->activateWindow();
}

void WindowTurns::ShowReadingOfBirth(BirthMoment moment)
{
    state_.chart = moment.chart;
    modEphemeris::ComputeMoonPosition(state_.chart);
    state_.passage = FindMansionPassage(moment);
    state_.birth = std::move(moment);
    if (ChooseCurrentMansion(state_, state_.chart.MoonPositionText) != PositionTextStatus::WellFormed)
        return;
    QPointer<QWidget> before = current_;
    ShowResultWindow();
    GiveWay(before);  // without asking to exit
}

frmArabicLunarMansionResult* WindowTurns::ShowReadingOfMoment(qint64 utcMinute, const PlaceClocks& where)
{
    auto state = std::make_unique<ReadingState>();
    BirthMoment moment = MomentAtInstant(static_cast<long>(utcMinute), where);
    state->chart = moment.chart;
    modEphemeris::ComputeMoonPosition(state->chart);
    state->passage = FindMansionPassage(moment);
    state->birth = std::move(moment);
    if (ChooseCurrentMansion(*state, state->chart.MoonPositionText) != PositionTextStatus::WellFormed)
        return nullptr;
    if (!momentWindow_) {
        // The window reads its state at each showing: the state lives here,
        // longer than the window.
        momentState_ = std::make_unique<ReadingState>(*state);
        auto* made = new frmArabicLunarMansionResult(*momentState_);
        made->setWindowTitle(QCoreApplication::translate("WindowTurns", "Reading of a Moment") + QStringLiteral(" \u2014 ") +
                             ProgramCaption);
        auto toCalendar = [this] {
            if (calendar_) {
                calendar_->raise();
                calendar_->activateWindow();
            }
        };
        QObject::connect(made, &frmArabicLunarMansionResult::backRequested, made, toCalendar);
        QObject::connect(made, &frmArabicLunarMansionResult::closedByUser, made, toCalendar);
        QObject::connect(made, &frmArabicLunarMansionResult::calendarRequested, made, toCalendar);
        momentWindow_ = made;
    } else {
        *momentState_ = *state;
    }
    frmArabicLunarMansionResult* window = momentWindow_;
    window->ShowReading(momentState_->currentMansion);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
