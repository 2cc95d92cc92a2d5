#pragma once

#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

#include <QDir>

#include <vector>

// A window test's settings folder is its own (tests/CMakeLists.txt); each run
// starts it empty, so that no recent reading or place of an earlier run shows.
inline const bool WindowTestSettingsCleared = [] {
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!folder.isEmpty() && qEnvironmentVariableIsSet("QAMAREL_WINDOW_TEST"))
        for (const QString& file : QDir(folder).entryList({QStringLiteral("*.ini")}, QDir::Files))
            QFile::remove(QDir(folder).filePath(file));
    return true;
}();

// No recent readings or places: a test that depends on the lists' order
// starts each case without those an earlier case left.
inline void ForgetRecentLists()
{
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!folder.isEmpty() && qEnvironmentVariableIsSet("QAMAREL_WINDOW_TEST"))
        QFile::remove(QDir(folder).filePath(QCoreApplication::applicationName() + QStringLiteral(".ini")));
}

// Records every message the program shows and answers it, so that window tests
// see the text and icon of each box without a modal loop.
class MessageRecorder {
public:
    MessageRecorder()
    {
        Messages::SetHandler([this](const Messages::Message& m) {
            shown.push_back(m);
            return m.buttons == Messages::Buttons::YesNo ? answer : Messages::Answer::Ok;
        });
    }
    ~MessageRecorder() { Messages::SetHandler({}); }

    QStringList texts() const
    {
        QStringList list;
        for (const Messages::Message& m : shown)
            list << m.text;
        return list;
    }

    std::vector<Messages::Message> shown;
    Messages::Answer answer = Messages::Answer::Yes;
};

// The visible top-level window with this objectName, or nullptr.
inline QWidget* OpenWindow(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

inline int OpenWindowCount(const char* name)
{
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += w->objectName() == QLatin1String(name) && w->isVisible();
    return count;
}

template <typename T>
T* Control(QWidget* window, const char* name)
{
    T* control = window->findChild<T*>(QLatin1String(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

inline void Type(QWidget* window, const char* box, const QString& text)
{
    auto* edit = Control<QLineEdit>(window, box);
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

inline void Choose(QWidget* window, const char* list, const QString& entry)
{
    auto* combo = Control<QComboBox>(window, list);
    const int index = combo->findText(entry);
    if (index < 0)
        qFatal("no entry %s", qPrintable(entry));
    combo->setCurrentIndex(index);
}

// Removes every window, as a fresh start for the next test.
inline void DeleteAllWindows()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        windows << w;
    for (const QPointer<QWidget>& w : windows)
        if (w && !w->parentWidget())
            delete w.data();
}

inline QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The names of the controls Tab visits from `start` until the focus is back
// on it, at most `most` presses; "<stuck>" last when it never comes back (a
// control keeps Tab for itself).
inline QStringList TabRound(QWidget* window, QWidget* start, int most = 60)
{
    start->setFocus(Qt::TabFocusReason);
    QStringList reached{start->objectName()};
    for (int press = 0; press < most && window->focusWidget(); ++press) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        if (window->focusWidget() == start)
            return reached;
        reached << (window->focusWidget() ? window->focusWidget()->objectName() : QString());
    }
    return reached << QStringLiteral("<stuck>");
}

// What is wrong with a window's access keys, a line each: two texts one
// Alt+key press could reach (the menu bar's titles, the buttons, options and
// captions shown, or the entries of one menu), and with `everyOne`, a text
// with no key at all.
inline QStringList AccessKeyFaults(QWidget* window, bool everyOne = false)
{
    QStringList faults;
    auto distinct = [&](const QStringList& texts, const QString& where) {
        QHash<QChar, QString> taken;
        for (const QString& text : texts) {
            if (text.isEmpty())
                continue;  // a control drawn without text (an arrow, a picture)
            const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
            if (at < 0) {
                if (everyOne)
                    faults << QStringLiteral("%1: %2 has none").arg(where, text);
                continue;
            }
            const QChar key = text.at(at + 1).toLower();
            if (taken.contains(key))
                faults << QStringLiteral("%1: %2 shares %3 with %4").arg(where, text, key, taken.value(key));
            taken.insert(key, text);
        }
    };
    QStringList shown;
    if (auto* main = qobject_cast<QMainWindow*>(window))
        for (QAction* menu : main->menuBar()->actions()) {
            shown << menu->text();
            QStringList entries;
            for (QAction* a : menu->menu()->actions())
                if (!a->isSeparator() && a->isVisible())
                    entries << a->text();
            distinct(entries, menu->text());
        }
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            shown << button->text();
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            shown << label->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(w); frame && frame->isCheckable())
            shown << frame->title();
    }
    distinct(shown, window->objectName());
    return faults;
}

// Runs deferred deletions, so that closed windows are gone.
inline void SettleWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
