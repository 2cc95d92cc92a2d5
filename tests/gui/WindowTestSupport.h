#pragma once

#include "ui/MessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
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

// Runs deferred deletions, so that closed windows are gone.
inline void SettleWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
