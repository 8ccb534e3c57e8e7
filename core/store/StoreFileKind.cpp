#include "core/store/StoreFileKind.h"

#include "core/store/StoreFileVfs.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace {

constexpr char kImageSignature[] = "SQLite format 3"; // and its zero byte

bool AllZero(const QByteArray& bytes, qsizetype from, qsizetype to)
{
    return std::all_of(bytes.constBegin() + from, bytes.constBegin() + to, [](char c) { return c == 0; });
}

} // namespace

StoreFileKind StoreFileKindOfBytes(const QByteArray& start, qint64 fileSize)
{
    if (fileSize == 0)
        return StoreFileKind::Empty;
    if (start.size() < kStoreHeaderSize
        || std::memcmp(start.constData(), kStoreHeaderText, sizeof(kStoreHeaderText)) != 0)
        return StoreFileKind::Foreign;
    const QByteArray header = StoreFileHeader();
    const bool littleEndian = start.mid(56, 4) == header.mid(56, 4);
    QByteArray swapped = header.mid(56, 4);
    std::reverse(swapped.begin(), swapped.end());
    const bool bigEndian = start.mid(56, 4) == swapped;
    if (!littleEndian && !bigEndian)
        return StoreFileKind::Foreign;

    const qsizetype seen = std::min<qsizetype>(start.size(), kStoreImageOffset);
    const qsizetype signatureSize = qsizetype(sizeof(kImageSignature));
    const bool image = fileSize <= kStoreImageOffset
        || (start.size() >= kStoreImageOffset + signatureSize
            && std::memcmp(start.constData() + kStoreImageOffset, kImageSignature, sizeof(kImageSignature)) == 0);
    if (littleEndian && AllZero(start, kStoreHeaderSize, seen) && image)
        return StoreFileKind::Current;
    return StoreFileKind::Earlier;
}

StoreFileKind StoreFileKindOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return StoreFileKind::Missing;
    if (!info.isFile())
        return StoreFileKind::Foreign;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return StoreFileKind::Foreign;
    const qint64 size = file.size();
    return StoreFileKindOfBytes(file.read(kStoreKindProbeSize), size);
}
