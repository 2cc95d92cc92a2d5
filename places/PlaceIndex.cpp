#include "places/PlaceIndex.h"

#include "base/PagedFile.h"

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
bool Take(const PagedFile& file, const Section& s, PlaceIndex::Records<Record>& records)
{
    if (s.offset % 8 != 0 || s.offset > file.size() || s.count > (file.size() - s.offset) / sizeof(Record))
        return false;
    records.file = &file;
    records.offset = s.offset;
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
    auto file = std::make_shared<PagedFile>();
    std::string why;
    if (!file->Open(QFile::encodeName(path).toStdString(), why)) {
        problem = QStringLiteral("%1: %2").arg(name, QString::fromLocal8Bit(why.c_str()));
        return false;
    }
    const std::uint64_t size = file->size();
    Header h{};
    if (size >= sizeof h)
        std::memcpy(&h, file->Read(0, sizeof h), sizeof h);
    if (size < sizeof h || std::memcmp(h.magic, Magic, sizeof h.magic) != 0) {
        problem = PlaceIndexText::tr("%1 is not a Qamarel place index").arg(name);
    } else if (h.version != Version) {
        problem = PlaceIndexText::tr("%1 is of format %2, not %3 as this Qamarel reads").arg(name).arg(h.version).arg(Version);
    } else if (h.byteOrder != ByteOrder) {
        problem = PlaceIndexText::tr("%1 was made on a machine of another byte order").arg(name);
    } else if (h.fileSize != size) {
        problem = PlaceIndexText::tr("%1 is %2 bytes where its header says %3").arg(name).arg(size).arg(h.fileSize);
    } else if (!Take(*file, h.places, index.places) || !Take(*file, h.placeNames, index.placeNames) ||
               !Take(*file, h.placeWords, index.placeWords) || !Take(*file, h.placeFence, index.placeFence) ||
               !Take(*file, h.stateFence, index.stateFence) || !Take(*file, h.countryFence, index.countryFence) ||
               !Take(*file, h.states, index.states) ||
               !Take(*file, h.stateNames, index.stateNames) || !Take(*file, h.stateWords, index.stateWords) ||
               !Take(*file, h.countries, index.countries) ||
               !Take(*file, h.countryNames, index.countryNames) ||
               !Take(*file, h.countryWords, index.countryWords) || !Take(*file, h.pool, index.pool)) {
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
