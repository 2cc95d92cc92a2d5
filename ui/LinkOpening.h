#pragma once

#include <QString>

class QWidget;

// OpenPageOrSay — opens one of the program's web pages in the user's browser
// (WebLinks), or, when the desktop says no browser answered, tells the user
// so in a message over `parent`: a click on a link never ends in silence.
void OpenPageOrSay(QWidget* parent, const QString& address);
