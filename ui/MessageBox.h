#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message of the program goes through here: a modal box titled
// "Qamarel" with the program's icons and buttons. Tests replace the box by a
// handler that sees each message and answers it, so no modal loop runs.
namespace Messages {

enum class Icon { Error, Information, Warning };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Message {
    QString text;
    Icon icon;
    Buttons buttons;
    QString detail;  // the box's detailed text ("nosuch.qmz does not exist"), or none
};

// Title of every message box.
inline const QString Title = QStringLiteral("Qamarel");

Answer Show(QWidget* parent, const QString& text, Icon icon, Buttons buttons = Buttons::Ok,
            const QString& detail = {});

// Replaces the message box (for tests); an empty handler restores it.
void SetHandler(std::function<Answer(const Message&)> handler);

}  // namespace Messages
