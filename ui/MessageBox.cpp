#include "ui/MessageBox.h"

#include "ui/ProgramFont.h"
#include "ui/ProgramWidgets.h"

#include <QMessageBox>

namespace Messages {

namespace {

std::function<Answer(const Message&)>& Handler()
{
    static std::function<Answer(const Message&)> handler;
    return handler;
}

}  // namespace

void SetHandler(std::function<Answer(const Message&)> handler)
{
    Handler() = std::move(handler);
}

Answer Show(QWidget* parent, const QString& text, Icon icon, Buttons buttons, const QString& detail)
{
    if (Handler())
        return Handler()({text, icon, buttons, detail});

    // A carriage return alone breaks the line, as it always has in these messages.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QMessageBox::Icon shownIcon = icon == Icon::Error     ? QMessageBox::Critical
                                        : icon == Icon::Warning ? QMessageBox::Warning
                                                                : QMessageBox::Information;
    QMessageBox box(shownIcon, Title, shown,
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setFont(ProgramFont());
    if (!detail.isEmpty())
        box.setDetailedText(detail);
    const int answer = ExecDialog(box);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

}  // namespace Messages
