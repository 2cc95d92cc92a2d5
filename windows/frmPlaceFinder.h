#pragma once

#include "places/PlaceSearch.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// frmPlaceFinder — the places that match the typed city, best first: name
// (with the other name that matched), state, country, latitude and longitude
// in degrees and minutes, and the time zone. When nothing matches it says so
// and lists the nearest names instead; when the place list cannot be loaded
// it says that. The finder's own box (txtPlace) holds what was typed, and the
// list follows each keystroke in it, best first; a letter typed in the list
// goes on in the box. Arrows and Enter, or a double-click, choose one; Escape
// and Cancel choose nothing; "Search the web instead" asks for the map search.
class frmPlaceFinder : public QDialog {
    Q_OBJECT

public:
    enum class Outcome { Cancelled, Chosen, SearchTheWeb };

    explicit frmPlaceFinder(const PlaceSearch& search, QWidget* parent = nullptr);

    Outcome outcome() const { return outcome_; }
    const Place& chosenPlace() const { return places_.at(chosen_); }

private slots:
    void lstPlaces_DblClick();
    void cmdWeb_Click();
    void txtPlace_Change();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSearch(const PlaceSearch& search);

    QList<Place> places_;
    QLineEdit* txtPlace;
    QLabel* lblIntro;
    QLabel* lblMessage;
    QTableWidget* lstPlaces;
    QPushButton* cmdChoose;
    QPushButton* cmdWeb;
    QPushButton* cmdCancel;
    Outcome outcome_ = Outcome::Cancelled;
    int chosen_ = -1;
};
