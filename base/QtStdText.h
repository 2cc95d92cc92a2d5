#pragma once

// Text across the line between the standard-library core (UTF-8 in std::string
// and std::string_view) and Qt (QString). Header only: the components that
// use Qt include it; the core never does.

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

inline QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The bytes of a QByteArray, as long as it lives ("Europe/Madrid").
inline std::string_view StdView(const QByteArray& bytes)
{
    return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

inline std::string ToStdString(const QString& text)
{
    return text.toStdString();  // UTF-8
}
