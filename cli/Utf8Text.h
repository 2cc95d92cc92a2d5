#pragma once

#include <string>
#include <string_view>

// Valid UTF-8 for any bytes: each byte that does not start or continue a valid
// sequence becomes U+FFFD, so that what the tool prints is always well-formed
// text, whatever a name or a file held.
std::string SanitizeUtf8(std::string_view bytes);
void AppendSanitizedUtf8(std::string& out, std::string_view bytes);

// The same on one line: control characters (line ends, tabs, escapes) become
// "?", so that a message quoting the user's input stays one line of plain text.
std::string OneLineText(std::string_view bytes);
