#pragma once

#include <string>
#include <string_view>

// SafeFileName — a title as the name a file is offered under: every
// character a file name cannot hold on the systems the program runs on
// ("/", "\", ":", "*", "?", quotes, "<", ">", "|" and control characters) becomes
// "-", so that "… (Europe/London)" is offered as "… (Europe-London)"; a name
// left empty, or only dots, is "Qamarel".
std::string SafeFileName(std::string_view title);
