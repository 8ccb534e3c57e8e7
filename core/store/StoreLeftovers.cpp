#include "core/store/StoreLeftovers.h"

#include "core/store/StoreFileKind.h"
#include "core/store/StoreFileNames.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The engine's rollback journal header: magic, record count, checksum
// seed, page count, sector and page size. All zeros, or an empty file,
// mean no transaction is to be rolled back.
constexpr int kJournalHeaderSize = 28;

// Where the engine takes its locks on the database file: the pending byte
// at 1 GiB, the reserved byte after it, then the shared range.
constexpr off_t kEngineLockStart = 0x40000000;
constexpr off_t kEngineLockLength = 512;

// A file opened for reading without ever waiting (a pipe in its place);
// a link is followed only where asked for.
class OpenFile {
public:
    enum Links { kFollowLinks, kNotALink };
    OpenFile(const QString& path, Links links)
        : fd_(::open(QFile::encodeName(path).constData(),
                     O_RDONLY | O_NONBLOCK | O_CLOEXEC | (links == kNotALink ? O_NOFOLLOW : 0)))
    {
    }
    ~OpenFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int Fd() const { return fd_; }
    bool IsRegular(struct stat* st) const { return fd_ >= 0 && ::fstat(fd_, st) == 0 && S_ISREG(st->st_mode); }
    QByteArray Read(qsizetype size) const
    {
        QByteArray bytes(size, '\0');
        qsizetype total = 0;
        while (total < size) {
            const ssize_t got = ::pread(fd_, bytes.data() + total, size_t(size - total), off_t(total));
            if (got <= 0)
                break;
            total += got;
        }
        bytes.truncate(total);
        return bytes;
    }

private:
    int fd_;
};

bool AllZero(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == '\0'; });
}

// Whether another process holds any of the engine's locks on the store: it
// is reading or writing it right now.
bool EngineLockHeldElsewhere(const OpenFile& store)
{
    struct flock probe = {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    probe.l_start = kEngineLockStart;
    probe.l_len = kEngineLockLength;
    if (::fcntl(store.Fd(), F_GETLK, &probe) != 0)
        return true; // can't tell: leave everything as it is
    return probe.l_type != F_UNLCK;
}

} // namespace

bool IsOwnFormatStore(const QString& storePath)
{
    // A file of the header alone (cut short before the engine's image) is
    // not taken for a whole store here.
    return StoreFileProblem(storePath).isEmpty();
}

bool RemoveLeftoverJournal(const QString& storePath)
{
    // The engine keeps the journal beside the file a link points to.
    const QString store = QFileInfo(storePath).canonicalFilePath();
    if (store.isEmpty())
        return false;
    const QString journalPath = StoreCompanionPath(store, StoreFileRole::Journal);
    const OpenFile journal(journalPath, OpenFile::kNotALink);
    struct stat st = {};
    if (!journal.IsRegular(&st))
        return false; // none, a link or something else: not ours to remove
    if (st.st_size > 0 && !AllZero(journal.Read(std::min<qsizetype>(st.st_size, kJournalHeaderSize))))
        return false; // a hot journal: the engine rolls it back
    if (!IsOwnFormatStore(store))
        return false;
    const OpenFile opened(store, OpenFile::kFollowLinks);
    if (opened.Fd() < 0 || EngineLockHeldElsewhere(opened))
        return false;
    return ::unlink(QFile::encodeName(journalPath).constData()) == 0;
}

bool RemoveStaleLockFile(const QString& storePath)
{
    const QString lockPath = StoreCompanionPath(storePath, StoreFileRole::Lock);
    const OpenFile lock(lockPath, OpenFile::kNotALink);
    struct stat st = {};
    if (!lock.IsRegular(&st) || st.st_size != 0)
        return false; // the lock files were always empty
    if (::flock(lock.Fd(), LOCK_EX | LOCK_NB) != 0)
        return false; // an earlier build has the company open
    // Removed while locked, so no earlier build takes it meanwhile.
    return ::unlink(QFile::encodeName(lockPath).constData()) == 0;
}

void RemoveStoreLeftovers(const QString& storePath)
{
    RemoveLeftoverJournal(storePath);
    RemoveStaleLockFile(storePath);
}
