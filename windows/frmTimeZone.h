#pragma once

#include <QByteArray>
#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

// frmTimeZone — the time-zone picker: the 71 named zones, and under them any
// zone of the system's time-zone database by its name (Area/City), found as
// the name is typed; a double-click (or Enter) on one chooses it, "&Quit" and
// the close box choose nothing. It only collects the choice: the caller writes
// the zone into its boxes (a named zone with its offset at the birth).
class frmTimeZone : public QDialog {
    Q_OBJECT

public:
    explicit frmTimeZone(QWidget* parent = nullptr);

    // The row chosen (0..70), or -1 when a zone was chosen by its name;
    // valid after exec() returned Accepted.
    int chosenRow() const { return chosenRow_; }
    // The zone chosen by its name ("Pacific/Chatham"), else empty.
    QByteArray chosenZone() const { return chosenZone_; }

private slots:
    void lstTimeZone_DblClick();
    void txtZoneName_Change();
    void lstZoneName_DblClick();
    void cmdQuit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* lstTimeZone;
    QLineEdit* txtZoneName;
    QListWidget* lstZoneName;
    QPushButton* cmdQuit;
    int chosenRow_ = -1;
    QByteArray chosenZone_;
};
