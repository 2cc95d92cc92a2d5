#pragma once

// Text across the line between the standard-library core (UTF-8 in std::string
// and std::string_view) and Qt (QString). Header only: the components that
// use Qt include it; the core never does.

#include <QString>

#include <string>
#include <string_view>

inline QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToStdString(const QString& text)
{
    return text.toStdString();  // UTF-8
}
