// The People window with 10,000 people: from its making to the window exposed
// on screen, and one keystroke's search as the user types a name, in the real
// window; and the import of 10,000 CSV rows with coordinates into an empty
// book as the user makes it: the files read and checked, the preview shown,
// Add pressed, the people added and the table shown again. Prints the
// medians and the slowest, in milliseconds.
// Usage: people_window_bench [SHOWS]   (10 by default)
#include "bench/BenchPeople.h"
#include "bench/WindowWaits.h"
#include "people/PeopleBook.h"
#include "people/PeopleCsv.h"
#include "ui/MessageBox.h"
#include "windows/frmPeople.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int shows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("qamarel/people.sqlite"));
    const std::vector<Person> people = TenThousandPeople(true);
    {
        PeopleBook book;
        PeopleBook::Added added;
        if (!book.Open(path.toStdString()).ok() || !book.AddAll(people, added).ok())
            return 1;
    }

    std::vector<double> shown;
    for (int i = 0; i < shows; ++i) {
        QElapsedTimer timer;
        timer.start();
        frmPeople window(path);
        window.show();
        if (!WaitExposed(&window))
            return 1;
        shown.push_back(timer.nsecsElapsed() / 1e6);
    }

    // A name typed a letter at a time, then taken back: each key's search.
    frmPeople window(path);
    window.show();
    if (!WaitExposed(&window))
        return 1;
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    search->setFocus();
    std::vector<double> keys;
    const QString typed = QStringLiteral("person 12");
    for (int round = 0; round < 5; ++round) {
        for (const QChar c : typed) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QElapsedTimer timer;
            timer.start();
            QApplication::sendEvent(search, &key);
            keys.push_back(timer.nsecsElapsed() / 1e6);
        }
        for (int n = 0; n < typed.size(); ++n) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
            QElapsedTimer timer;
            timer.start();
            QApplication::sendEvent(search, &key);
            keys.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    // The import, into a fresh book each time; the preview's Add pressed as
    // soon as it shows, the message after it answered at once.
    const QString csv = dir.filePath(QStringLiteral("people.csv"));
    {
        QFile file(csv);
        const std::string text = PeopleCsv(people);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()))
            return 1;
    }
    Messages::SetHandler([](const Messages::Message&) { return Messages::Answer::Ok; });
    std::vector<double> imports;
    for (int i = 0; i < 3; ++i) {
        frmPeople empty(dir.filePath(QStringLiteral("import%1/people.sqlite").arg(i)));
        empty.show();
        if (!WaitExposed(&empty))
            return 1;
        QTimer::singleShot(0, [] {
            if (QWidget* preview = QApplication::activeModalWidget())
                preview->findChild<QPushButton*>(QStringLiteral("cmdAdd"))->click();
        });
        QElapsedTimer timer;
        timer.start();
        empty.ImportFiles({csv});
        imports.push_back(timer.nsecsElapsed() / 1e6);
        PeopleBook book;
        BookResult read;
        if (!book.Open(dir.filePath(QStringLiteral("import%1/people.sqlite").arg(i)).toStdString()).ok() ||
            book.List(read).size() != people.size())
            return 1;
    }
    std::printf("people window, 10000 people: shown median %.1f ms (max %.1f ms); keystroke search median %.2f ms "
                "(max %.2f ms); import of 10000 CSV rows median %.1f ms (max %.1f ms)\n",
                Median(shown), *std::max_element(shown.begin(), shown.end()), Median(keys),
                *std::max_element(keys.begin(), keys.end()), Median(imports), *std::max_element(imports.begin(), imports.end()));
    return 0;
}
