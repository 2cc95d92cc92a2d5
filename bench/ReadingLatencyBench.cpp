// Reading latency: from the click on "Get My Arabic Lunar Mansion" to the
// result window exposed on screen, over many readings, in the real windows.
// Prints the median, the 90th percentile and the slowest, in milliseconds,
// and the first reading's time, which also makes the result window.
#include "bench/WindowWaits.h"
#include "core/ReadingState.h"
#include "windows/frmMain.h"
#include "shell/WindowTurns.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QWidget* Shown(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

void Fill(QWidget* main, int i)
{
    auto box = [main](const char* name, const QString& text) { main->findChild<QLineEdit*>(QLatin1String(name))->setText(text); };
    box("txtName", QStringLiteral("Reader"));
    box("txtLonD", QString::number(i % 180));
    box("txtLonM", QStringLiteral("0"));
    box("txtLatD", QStringLiteral("51"));
    box("txtLatM", QStringLiteral("28"));
    box("txtZoneHour", QString::number(i % 12));
    box("txtZoneMinute", QStringLiteral("0"));
    main->findChild<QComboBox*>(QStringLiteral("cboYear"))->setCurrentIndex(i % 150);
    main->findChild<QComboBox*>(QStringLiteral("cboDate"))->setCurrentIndex(i % 28);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int readings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    ReadingState state;
    WindowTurns turns(state);
    QWidget* main = turns.ShowMainWindow();
    if (!WaitExposed(main))
        return 1;

    std::vector<double> ms, handler;
    for (int i = 0; i < readings; ++i) {
        Fill(main, i * 7);
        QElapsedTimer timer;
        timer.start();
        main->findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->click();
        handler.push_back(timer.nsecsElapsed() / 1e6);
        QWidget* result = Shown("frmArabicLunarMansionResult");
        if (!result || !WaitExposed(result))
            return 1;
        ms.push_back(timer.nsecsElapsed() / 1e6);
        result->findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        main = Shown("frmMain");
        if (!main || !WaitExposed(main))
            return 1;
    }
    const double first = ms.front();
    std::sort(ms.begin(), ms.end());
    std::sort(handler.begin(), handler.end());
    std::printf("handler median %.2f ms\n", handler[handler.size() / 2]);
    std::printf("readings %d  median %.2f ms  p90 %.2f ms  max %.2f ms  first %.2f ms\n", readings, ms[ms.size() / 2],
                ms[ms.size() * 9 / 10], ms.back(), first);
    return 0;
}
