#pragma once

#include <QValidator>

// Limits what the user types or pastes into a box to `length` characters,
// while the program itself may still write a longer text (the time-zone
// picker writes "-30" into the two-character minutes box). A line edit's own
// maximum length would cut such a text short.
class BoxLengthLimit : public QValidator {
public:
    BoxLengthLimit(int length, QObject* parent) : QValidator(parent), length_(length) {}

    State validate(QString& input, int&) const override
    {
        return input.size() <= length_ ? Acceptable : Invalid;
    }

private:
    int length_;
};
