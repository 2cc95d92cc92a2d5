// Writes the long English names of every zone's standard and summer time, as
// the Unicode CLDR gives them through ICU, as rows of C++ for
// places/ZoneLongNames.cpp: make-zone-names OUTPUT. Taken at build time so
// that a run reads no ICU: its libraries and data are 3 MB of a run's memory.
#include <QFile>
#include <QLocale>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>

namespace {

// A C++ string literal of UTF-8 text, every byte outside printable ASCII escaped.
QByteArray Literal(const QString& text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\' && c != '?')
            out += c;
        else
            out += QByteArray("\\") + QByteArray::number(byte, 8).rightJustified(3, '0');
    }
    return out + '"';
}

// A name of words ("Central European Summer Time"); ICU's stand-ins for zones
// without one ("GMT+03:00") are left out, as no abbreviation is their initials.
QString NameOfWords(const QString& name)
{
    return name.contains(QLatin1Char(' ')) && !name.startsWith(QLatin1String("GMT")) ? name : QString();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    const QLocale english(QLocale::English);
    QList<QByteArray> zones = QTimeZone::availableTimeZoneIds();
    std::sort(zones.begin(), zones.end());  // bytewise, as the lookup searches
    QByteArray rows = "// Made by make-zone-names from ICU's English zone names. Not to be edited.\n";
    int written = 0;
    for (const QByteArray& zone : zones) {
        const QTimeZone tz(zone);
        const QString standard = NameOfWords(tz.displayName(QTimeZone::StandardTime, QTimeZone::LongName, english));
        const QString daylight = NameOfWords(tz.displayName(QTimeZone::DaylightTime, QTimeZone::LongName, english));
        if (standard.isEmpty() && daylight.isEmpty())
            continue;
        rows += "{" + Literal(QString::fromLatin1(zone)) + ", " + Literal(standard) + ", " + Literal(daylight) + "},\n";
        ++written;
    }
    if (written == 0) {
        std::fprintf(stderr, "%s: no zone has a long name here (is Qt built without ICU?)\n", argv[0]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(rows) != rows.size() || !out.flush()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
