#include "places/PlaceIndex.h"

#include "base/MappedFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <utility>

namespace {

// The messages in the program's language (the reading tool, which loads no
// translation, keeps them English).
struct PlaceIndexText {
    Q_DECLARE_TR_FUNCTIONS(PlaceIndexText)
};

}  // namespace


namespace {

using namespace PlaceIndexFormat;

// The running executable's folder, from the system rather than from a
// QCoreApplication, which the reading tool does not make.
QString ExecutableFolder()
{
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

template <typename Record>
bool Take(const uchar* base, std::uint64_t fileSize, const Section& s, PlaceIndex::Records<Record>& records)
{
    if (s.offset % 8 != 0 || s.offset > fileSize || s.count > (fileSize - s.offset) / sizeof(Record))
        return false;
    records.data = reinterpret_cast<const Record*>(base + s.offset);
    records.count = static_cast<std::size_t>(s.count);
    return true;
}

}  // namespace

QString PlaceIndexPath()
{
    const QString given = qEnvironmentVariable("QAMAREL_PLACE_INDEX");
    if (!given.isEmpty())
        return given;
    return ExecutableFolder() + QStringLiteral("/../share/qamarel/") + QLatin1String(FileName);
}

bool OpenPlaceIndex(const QString& path, PlaceIndex& index, QString& problem)
{
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo::exists(path)) {
        problem = PlaceIndexText::tr("%1 is not installed").arg(path);
        return false;
    }
    MappedFile file;
    std::string why;
    if (!file.Map(QFile::encodeName(path).toStdString(), why)) {
        problem = QStringLiteral("%1: %2").arg(name, QString::fromLocal8Bit(why.c_str()));
        return false;
    }
    const std::uint64_t size = file.size();
    const uchar* base = file.data();
    Header h{};
    if (size >= sizeof h)
        std::memcpy(&h, base, sizeof h);
    if (size < sizeof h || std::memcmp(h.magic, Magic, sizeof h.magic) != 0) {
        problem = PlaceIndexText::tr("%1 is not a Qamarel place index").arg(name);
    } else if (h.version != Version) {
        problem = PlaceIndexText::tr("%1 is of format %2, not %3 as this Qamarel reads").arg(name).arg(h.version).arg(Version);
    } else if (h.byteOrder != ByteOrder) {
        problem = PlaceIndexText::tr("%1 was made on a machine of another byte order").arg(name);
    } else if (h.fileSize != size) {
        problem = PlaceIndexText::tr("%1 is %2 bytes where its header says %3").arg(name).arg(size).arg(h.fileSize);
    } else if (!Take(base, size, h.places, index.places) || !Take(base, size, h.placeNames, index.placeNames) ||
               !Take(base, size, h.placeWords, index.placeWords) || !Take(base, size, h.placeFence, index.placeFence) ||
               !Take(base, size, h.stateFence, index.stateFence) || !Take(base, size, h.countryFence, index.countryFence) ||
               !Take(base, size, h.states, index.states) ||
               !Take(base, size, h.stateNames, index.stateNames) || !Take(base, size, h.stateWords, index.stateWords) ||
               !Take(base, size, h.countries, index.countries) ||
               !Take(base, size, h.countryNames, index.countryNames) ||
               !Take(base, size, h.countryWords, index.countryWords) || !Take(base, size, h.pool, index.pool)) {
        problem = PlaceIndexText::tr("%1 has a section outside the file").arg(name);
    } else {
        index.fingerprint = h.fingerprint;
        index.file = std::move(file);
        return true;
    }
    index = PlaceIndex{};
    return false;
}

const PlaceIndex& ThePlaceIndex(QString& problem)
{
    static QString opening;
    static const PlaceIndex index = [] {
        PlaceIndex i;
        OpenPlaceIndex(PlaceIndexPath(), i, opening);
        return i;
    }();
    problem = opening;
    return index;
}
