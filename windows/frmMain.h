#pragma once

#include "core/BirthForm.h"
#include "core/BirthMoment.h"
#include "core/MansionChoice.h"
#include "people/Person.h"

#include <QByteArray>
#include <QMainWindow>

#include <optional>
#include <string_view>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedLayout;
struct ReadingState;

// frmMain — the birth-data form: the person's name, date and time of birth,
// place, longitude, latitude and time zone, and the request for a reading.
// Controls carry their own names as objectNames; the option pairs are
// optLong_0 "East" / optLong_1 "West" and optLat_0 "North" / optLat_1 "South",
// each pair also a QButtonGroup named optLong / optLat with ids 0 and 1.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(ReadingState& state, QWidget* parent = nullptr);

    // ShowMansionReading — show the mansion of a position text and close this window
    // Returns: Malformed, with nothing shown or changed, for a text that is not a
    //          position text (the caller says so to the user)
    PositionTextStatus ShowMansionReading(std::string_view text);

    // OpenReadingFile — show the reading saved in a file, as Open does after its dialog
    // Returns: false, after "Please Check The File.", for a file that is not a saved
    //          reading; this window then stays as it was
    bool OpenReadingFile(const QString& path);

    // Brings one promotional label to the front: lblFullBrand for an even n,
    // lblCobrand for an odd one (n drawn from 1 to 6 once per run).
    void ChoosePromotionLabel(int n);

    // The place chosen in the finder and its zone's clocks, while the zone
    // follows it; clocks with no change otherwise.
    PlaceClocks chosenPlaceClocks() const;

    // EditPerson — the form filled with an entry of the people book at
    // `bookPath` ("" for its usual place): name, birth, place or coordinates,
    // zone and DST. Save to People (File menu, cmdSaveToPeople) then writes
    // the form's birth over that entry, its note kept; Cancel Edit
    // (cmdCancelEdit) ends the edit with the entry as it was.
    void EditPerson(const Person& person, const QString& bookPath = {});
    bool editing() const { return edited_.has_value(); }

signals:
    // A reading is chosen and in the state: its result window is wanted. This
    // window closes right after, for the turn.
    void readingChosen();
    // The user closed this window (not a close for a turn).
    void closedByUser();
    // File > Mansion Calendar: the calendar is wanted, in this form's place.
    void calendarRequested();
    // File > People: the people book is wanted.
    void peopleRequested();
    // Save to People changed an entry of the book.
    void personSaved();
    // Files were dropped on the form: their people are to be imported.
    void filesDropped(const QStringList& files);

private slots:
    void cmdCalculate_Click();
    void mnuCalculate_Click();
    void lblTZHelp_Click();
    void cmdOpen_Click();
    void cmdBrowser_Click();
    void txtMCity_Change();
    void FollowPlaceZone();
    void StopFollowingPlaceZone();
    void ForgetChosenPlace();
    void mnuSaveToPeople_Click();
    void cmdCancelEdit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(class QDragEnterEvent* event) override;
    void dropEvent(class QDropEvent* event) override;
    // The key filter of the six numeric boxes (txtLatD_KeyPress and its twins).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void WireHandlers();
    void Form_Load();
    BirthFormValues FormValues() const;
    void UsePlace(const struct Place& place);
    bool ValidateBirthData();
    // The form's birth, checked, at its place on its clocks; nothing after
    // the message of a check that failed.
    std::optional<BirthMoment> BirthOfForm();
    void ShowEditing(bool editing);

    ReadingState& state_;
    bool closingForTurn_ = false;
    // The places that match City as it is typed, in a list under it
    // (made at the first keystroke): Enter or a click there chooses one.
    class QCompleter* cityCompleter_ = nullptr;
    class QStringListModel* cityMatches_ = nullptr;
    QList<struct Place> cityPlaces_;
    QByteArray followedZone_;  // the chosen place's time zone, while the zone follows it
    QString followedPlace_;    // its name in the zone's sentence, e.g. "Springfield, Illinois"
    QString placeZoneWords_;  // what lblPlaceZone says, without its direction mark
    bool zoneByName_ = false;  // the zone was chosen by its name in the picker, not with a place
    std::optional<BirthPlace> chosenPlace_;  // the place chosen in the finder, until the place or coordinates are typed
    QLabel* lblPlaceZone;

    QLineEdit* txtName;
    QComboBox* cboMonth;
    QComboBox* cboDate;
    QComboBox* cboYear;
    QComboBox* cboHH;
    QComboBox* cboMM;
    QComboBox* cboSS;
    QLineEdit* txtMCity;
    QLineEdit* txtMState;
    QLineEdit* txtMCountry;
    QPushButton* cmdBrowser;
    QLineEdit* txtLonD;
    QLineEdit* txtLonM;
    QButtonGroup* optLong;
    QRadioButton* optLongEast;
    QRadioButton* optLongWest;
    QLineEdit* txtLatD;
    QLineEdit* txtLatM;
    QButtonGroup* optLat;
    QRadioButton* optLatNorth;
    QRadioButton* optLatSouth;
    QGroupBox* fraZone;
    QLineEdit* txtZoneHour;
    QLineEdit* txtZoneMinute;
    QCheckBox* chkDST;
    QLabel* lblTZHelp;
    QPushButton* cmdCalculate;
    QPushButton* cmdOpen;
    QLabel* homePageLink;  // objectName "Label11"
    QLabel* lblCobrand;
    QLabel* lblFullBrand;
    QStackedLayout* promotionStrip_;
    QAction* mnuCalculate;
    // The entry being edited and its book, while the form edits one.
    std::optional<Person> edited_;
    QString editedBook_;
    QAction* mnuSaveToPeople;
    QPushButton* cmdSaveToPeople;
    QPushButton* cmdCancelEdit;
};
