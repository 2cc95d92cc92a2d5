#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// frmTimeZone — the time-zone picker: the 71 named zones; a double-click (or
// Enter) on one chooses it, "&Quit" and the close box choose nothing. It only
// collects the choice: the caller writes the zone into its boxes.
class frmTimeZone : public QDialog {
    Q_OBJECT

public:
    explicit frmTimeZone(QWidget* parent = nullptr);

    // The row chosen (0..70), valid after exec() returned Accepted.
    int chosenRow() const { return chosenRow_; }

private slots:
    void lstTimeZone_DblClick();
    void cmdQuit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* lstTimeZone;
    QPushButton* cmdQuit;
    int chosenRow_ = -1;
};
