#pragma once

#include "core/BirthMoment.h"
#include "core/MansionStays.h"
#include "core/MansionTopics.h"
#include "people/Person.h"

#include <QMainWindow>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
struct CalendarSheet;

// frmMansionCalendar — the Moon's stays in the mansions a month at a time, in
// the clocks of a place: when it enters each mansion, the mansion's names and
// what it favours; the reading's own mansion marked. "Now" at the top; a
// filter by a topic the mansions favour, and a warning of those that hinder
// one (core/MansionTopics), each a list that takes typing to search.
// Controls: lblNow, cmdPrevious, cboMonth, spnYear, cmdNext, cmdToday,
// cboFavours, cboHinders, cboPerson (with people), lblWarning, tblStays;
// menus mnuPrint, mnuExportPdf,
// mnuExportCalendar, mnuClose (also Escape), mnuPreviousMonth (Page Up),
// mnuNextMonth (Page Down), mnuToday (Home).
class frmMansionCalendar : public QMainWindow {
    Q_OBJECT

public:
    // where: the place and the clocks the times are told in (a reading's, a
    // chosen place's, or the system's); ownMansion: the reading's mansion,
    // 1..28, or 0 for none; nowUtcSeconds: the moment of the "Now" line and of
    // the month first shown.
    frmMansionCalendar(PlaceClocks where, int ownMansion, qint64 nowUtcSeconds, QWidget* parent = nullptr);

    void ShowMonth(int year, int month);
    int year() const { return year_; }
    int month() const { return month_; }
    // The month of the "Now" line.
    void ShowToday();
    // The stays shown, in order (after the favours filter).
    const std::vector<MansionStay>& shownStays() const { return shown_; }
    // The place and clocks it tells the times in.
    const PlaceClocks& where() const { return where_; }
    // The people of the people book: each stay names those born in its
    // mansion, "Now" those the Moon is with, and a list keeps the stays of
    // one person's mansion ("when is the Moon next in Anna's mansion?").
    void SetPeople(const std::vector<Person>& people);
    // The same from the user's people book, when there is one (none is made):
    // a book that cannot be read leaves the calendar without people.
    void ReadPeopleBook();

signals:
    // Enter on a row: the reading of the moment the Moon entered that mansion
    // (UTC minutes), on the calendar's clocks.
    void readingRequested(qint64 utcMinute);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void MoveMonths(int months);
    void Refill();
    void OpenRow(int row);
    void mnuPrint_Click();
    void mnuExportPdf_Click();
    void mnuExportCalendar_Click();

private:
    void BuildControls();
    void BuildMenus();
    void ColourWarning();
    // The topic chosen or typed in a list: none for "" or a word of no topic.
    std::optional<Topic> ChosenTopic(const QComboBox* list) const;
    CalendarSheet Sheet() const;
    // The title as a file name, with `ending` (".pdf").
    QString OfferedFileName(const QString& ending) const;

    PlaceClocks where_;
    int ownMansion_;
    qint64 now_;
    int year_ = 0, month_ = 0;
    std::vector<MansionStay> month_stays_, shown_;
    std::vector<QStringList> peopleByMansion_ = std::vector<QStringList>(29);  // 1..28
    std::vector<int> personMansions_;  // of cboPerson's entries after the first
    QString nowText_;                  // "The Moon is in mansion …", before the people
    int nowMansion_ = 0;

    QLabel* lblNow;
    QPushButton* cmdPrevious;
    QComboBox* cboMonth;
    QSpinBox* spnYear;
    QPushButton* cmdNext;
    QPushButton* cmdToday;
    QComboBox* cboFavours;
    QComboBox* cboHinders;
    QLabel* lblPerson;
    QComboBox* cboPerson;
    QLabel* lblWarning;
    QTableWidget* tblStays;
};
