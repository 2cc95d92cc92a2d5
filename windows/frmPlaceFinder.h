#pragma once

#include "places/PlaceSearch.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

// frmPlaceFinder — the places that match the typed city, best first: name,
// state, country, latitude and longitude in degrees and minutes, and the time
// zone. Arrows and Enter, or a double-click, choose one; Escape and Cancel
// choose nothing; "Search the web instead" asks for the map search.
class frmPlaceFinder : public QDialog {
    Q_OBJECT

public:
    enum class Outcome { Cancelled, Chosen, SearchTheWeb };

    explicit frmPlaceFinder(const QList<Place>& places, QWidget* parent = nullptr);

    Outcome outcome() const { return outcome_; }
    const Place& chosenPlace() const { return places_.at(chosen_); }

private slots:
    void lstPlaces_DblClick();
    void cmdWeb_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<Place> places_;
    QTableWidget* lstPlaces;
    QPushButton* cmdChoose;
    QPushButton* cmdWeb;
    QPushButton* cmdCancel;
    Outcome outcome_ = Outcome::Cancelled;
    int chosen_ = -1;
};
