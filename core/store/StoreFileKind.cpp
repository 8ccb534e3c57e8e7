#include "core/store/StoreFileKind.h"

#include "core/store/StoreFileHeader.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kImageSignature[] = "SQLite format 3"; // and its zero byte

bool AllZero(const QByteArray& bytes, qsizetype from, qsizetype to)
{
    return std::all_of(bytes.constBegin() + from, bytes.constBegin() + to, [](char c) { return c == 0; });
}

bool StartsWith(const QByteArray& bytes, const char* prefix, qsizetype length)
{
    return bytes.size() >= length && std::memcmp(bytes.constData(), prefix, size_t(length)) == 0;
}

// Text as an editor or a spreadsheet saves it: no control characters but
// the blanks and line ends.
bool LooksLikeText(const QByteArray& bytes)
{
    return std::all_of(bytes.constBegin(), bytes.constEnd(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 0x20 ? u != 0x7F : (c == '\t' || c == '\n' || c == '\r' || c == '\f');
    });
}

// What a file that is neither kind of store starts as.
QString ForeignFileProblem(const QByteArray& start, qint64 fileSize)
{
    const qsizetype headerText = qsizetype(sizeof(kStoreHeaderText));
    const qsizetype compared = std::min<qsizetype>(start.size(), headerText);
    const bool headerBegins = compared > 0 && std::memcmp(start.constData(), kStoreHeaderText, size_t(compared)) == 0;
    if (headerBegins && fileSize < kStoreHeaderSize)
        return QStringLiteral("it holds only the first %1 bytes of a company file's header of %2 bytes: it was cut "
                              "short")
            .arg(fileSize)
            .arg(kStoreHeaderSize);
    if (headerBegins && compared == headerText)
        return QStringLiteral("its header is damaged: it starts with a company file's header text, but the magic "
                              "number after it is wrong");
    if (StartsWith(start, kImageSignature, qsizetype(sizeof(kImageSignature))))
        return QStringLiteral("it is a database of another program, not a company file");
    if (StartsWith(start, "%PDF-", 5))
        return QStringLiteral("it is a PDF document, not a company file");
    if (StartsWith(start, "PK\x03\x04", 4))
        return QStringLiteral("it is a ZIP archive (or a spreadsheet saved as one), not a company file");
    if (LooksLikeText(start))
        return QStringLiteral("it is a text file, not a company file");
    return QStringLiteral("it is not a company file: it does not start with a company file's header");
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
    const bool image =
        fileSize <= kStoreImageOffset
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

QString StoreFileProblemOfBytes(const QByteArray& start, qint64 fileSize)
{
    switch (StoreFileKindOfBytes(start, fileSize)) {
    case StoreFileKind::Current:
        if (fileSize > kStoreImageOffset)
            return QString();
        return QStringLiteral("only its header is left: the company's data behind it is missing (the file was cut "
                              "short)");
    case StoreFileKind::Earlier:
        return QStringLiteral("it was saved by an earlier edition of the program");
    case StoreFileKind::Missing:
    case StoreFileKind::Empty:
        return QStringLiteral("it is empty (0 bytes)");
    case StoreFileKind::Foreign:
        break;
    }
    return ForeignFileProblem(start, fileSize);
}

QString StoreFileProblem(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st = {};
    if (::stat(name.constData(), &st) != 0) {
        if (errno == ENOENT)
            return QStringLiteral("it does not exist");
        return QStringLiteral("it can't be looked at: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("it is a folder, not a company file");
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("it is not a regular file (a device, a pipe or a socket), not a company file");
    // Never waits, even when a pipe took the name meanwhile.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QStringLiteral("it can't be opened: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    QByteArray start(kStoreKindProbeSize, '\0');
    qsizetype got = 0;
    bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    while (regular && got < start.size()) {
        const ssize_t n = ::pread(fd, start.data() + got, size_t(start.size() - got), off_t(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += n;
    }
    ::close(fd);
    if (!regular)
        return QStringLiteral("it is not a regular file (a device, a pipe or a socket), not a company file");
    start.truncate(got);
    return StoreFileProblemOfBytes(start, st.st_size);
}
