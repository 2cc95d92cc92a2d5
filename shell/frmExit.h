#pragma once

#include <string_view>

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// frmExit — the last window: a refer-a-friend form, two links to the
// publisher, and E&xit. It stays above other windows; closing it, or E&xit,
// ends the program. The five boxes start with their placeholder texts, which
// count as empty.
class frmExit : public QWidget {
    Q_OBJECT

public:
    explicit frmExit(QWidget* parent = nullptr);

private slots:
    void cmdSubmit_Click();
    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Placeholders on focus, and no blanks in the address boxes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString BoxText(QWidget* box) const;
    void SetBoxText(QWidget* box, const QString& text);
    // A box's placeholder as the checks know it, and as the box shows it.
    std::string_view EnglishPlaceholder(QWidget* box) const;
    QString Placeholder(QWidget* box) const;

    QLabel* programTitle;  // objectName "Label1"
    QLabel* supportMessage;  // objectName "Label2"
    QLabel* otherProgramsNote;  // objectName "Label3"
    QLabel* lblGoToHome;
    QLineEdit* txtName;
    QLineEdit* txtEmail;
    QLineEdit* txtFriendName;
    QLineEdit* txtFriendEmail;
    QPlainTextEdit* txtMessage;
    QPushButton* cmdSubmit;
    QCheckBox* Check1;
    QPushButton* cmdClose;
};
