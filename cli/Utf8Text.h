#pragma once

#include <string>
#include <string_view>

// Valid UTF-8 for any bytes: each byte that does not start or continue a valid
// sequence becomes U+FFFD, so that what the tool prints is always well-formed
// text, whatever a name or a file held.
std::string SanitizeUtf8(std::string_view bytes);
void AppendSanitizedUtf8(std::string& out, std::string_view bytes);
