#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// frmAbout — the about box: the program's picture, name and description, and
// two links to the publisher. Shown modally; each showing is a fresh box.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

private slots:
    void lblHomePage_Click();
    void lblCoBrand_Click();
    void cmdOK_Click();

private:
    QLabel* Picture1;
    QLabel* programTitle;  // objectName "Label2"
    QLabel* programDescription;  // objectName "Label1"
    QLabel* lblCredits;
    QLabel* lblHomePage;
    QLabel* lblCoBrand;
    QPushButton* cmdOK;
};
