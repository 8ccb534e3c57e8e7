#include "core/store/StoreFileVfs.h"

#include "core/store/StoreFileHeader.h"
#include "core/store/StoreFileKind.h"

#include <QByteArray>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

sqlite3_vfs g_storeVfs;

sqlite3_vfs* RealVfs()
{
    return static_cast<sqlite3_vfs*>(g_storeVfs.pAppData);
}

// The shim's file object; the real file object follows it in the same
// allocation.
struct StoreFile {
    sqlite3_file base;
    sqlite3_file* real;
    bool headerPresent; // the header is known to be on disk
};

sqlite3_file* Real(sqlite3_file* file)
{
    return reinterpret_cast<StoreFile*>(file)->real;
}

int ShimClose(sqlite3_file* file)
{
    sqlite3_file* real = Real(file);
    return real->pMethods ? real->pMethods->xClose(real) : SQLITE_OK;
}

int ShimRead(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset)
{
    sqlite3_file* real = Real(file);
    return real->pMethods->xRead(real, buffer, amount, offset + kStoreImageOffset);
}

int WriteHeaderIfMissing(StoreFile* self)
{
    if (self->headerPresent)
        return SQLITE_OK;
    sqlite3_int64 size = 0;
    int rc = self->real->pMethods->xFileSize(self->real, &size);
    if (rc != SQLITE_OK)
        return rc;
    if (size == 0) {
        QByteArray block(kStoreImageOffset, '\0');
        const QByteArray header = StoreFileHeader();
        std::memcpy(block.data(), header.constData(), size_t(header.size()));
        rc = self->real->pMethods->xWrite(self->real, block.constData(), int(block.size()), 0);
        if (rc != SQLITE_OK)
            return rc;
    }
    self->headerPresent = true;
    return SQLITE_OK;
}

int ShimWrite(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset)
{
    auto* self = reinterpret_cast<StoreFile*>(file);
    int rc = WriteHeaderIfMissing(self);
    if (rc != SQLITE_OK)
        return rc;
    return self->real->pMethods->xWrite(self->real, buffer, amount, offset + kStoreImageOffset);
}

int ShimTruncate(sqlite3_file* file, sqlite3_int64 size)
{
    auto* self = reinterpret_cast<StoreFile*>(file);
    int rc = WriteHeaderIfMissing(self);
    if (rc != SQLITE_OK)
        return rc;
    return self->real->pMethods->xTruncate(self->real, size + kStoreImageOffset);
}

int ShimSync(sqlite3_file* file, int flags)
{
    return Real(file)->pMethods->xSync(Real(file), flags);
}

int ShimFileSize(sqlite3_file* file, sqlite3_int64* size)
{
    sqlite3_int64 real = 0;
    int rc = Real(file)->pMethods->xFileSize(Real(file), &real);
    if (rc != SQLITE_OK)
        return rc;
    *size = real > kStoreImageOffset ? real - kStoreImageOffset : 0;
    return SQLITE_OK;
}

int ShimLock(sqlite3_file* file, int level)
{
    return Real(file)->pMethods->xLock(Real(file), level);
}

int ShimUnlock(sqlite3_file* file, int level)
{
    return Real(file)->pMethods->xUnlock(Real(file), level);
}

int ShimCheckReservedLock(sqlite3_file* file, int* result)
{
    return Real(file)->pMethods->xCheckReservedLock(Real(file), result);
}

int ShimFileControl(sqlite3_file* file, int op, void* arg)
{
    // Size hints and chunk sizes speak of the engine's image; the header
    // block in front does not change their meaning enough to matter.
    return Real(file)->pMethods->xFileControl(Real(file), op, arg);
}

int ShimSectorSize(sqlite3_file* file)
{
    return Real(file)->pMethods->xSectorSize(Real(file));
}

int ShimDeviceCharacteristics(sqlite3_file* file)
{
    return Real(file)->pMethods->xDeviceCharacteristics(Real(file));
}

// Version 1: no shared-memory methods (so no write-ahead log) and no
// memory-mapped access (which would bypass the offset).
const sqlite3_io_methods g_storeFileMethods = {
    1,
    ShimClose,
    ShimRead,
    ShimWrite,
    ShimTruncate,
    ShimSync,
    ShimFileSize,
    ShimLock,
    ShimUnlock,
    ShimCheckReservedLock,
    ShimFileControl,
    ShimSectorSize,
    ShimDeviceCharacteristics,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

// Whether the file just opened may be the engine's: a store of this
// edition, or an empty file when a new store is to be made. Anything else
// is refused before the engine reads a byte of it or looks for its journal.
int CheckHeader(StoreFile* self, int flags)
{
    sqlite3_int64 size = 0;
    int rc = self->real->pMethods->xFileSize(self->real, &size);
    if (rc != SQLITE_OK)
        return rc;
    if (size == 0) {
        self->headerPresent = false;
        return (flags & SQLITE_OPEN_CREATE) ? SQLITE_OK : SQLITE_CANTOPEN;
    }
    // Read through the engine's own file: a second descriptor of ours,
    // closed again, would drop every lock this process holds on the store.
    QByteArray start(qsizetype(std::min<sqlite3_int64>(size, kStoreKindProbeSize)), '\0');
    rc = self->real->pMethods->xRead(self->real, start.data(), int(start.size()), 0);
    if (rc != SQLITE_OK && rc != SQLITE_IOERR_SHORT_READ)
        return rc;
    if (!StoreFileProblemOfBytes(start, size).isEmpty())
        return SQLITE_CANTOPEN;
    self->headerPresent = true;
    return SQLITE_OK;
}

int ShimOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags)
{
    sqlite3_vfs* real = RealVfs();
    if (!(flags & SQLITE_OPEN_MAIN_DB)) {
        // Journals and temporary files are the engine's own business: the
        // real file object takes over the whole allocation.
        return real->xOpen(real, name, file, flags, outFlags);
    }
    // A new store is made here rather than by the engine, which would give
    // it the mode 0644 whatever the user's umask: made so, the umask alone
    // decides, as for every file the program makes for the user.
    if ((flags & SQLITE_OPEN_CREATE) && name) {
        const int made = ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (made >= 0)
            ::close(made);
    }
    // A pipe or a device in a store's place would be read without end (or
    // block the program for ever): only a regular file, or a new one, is a
    // store.
    struct stat st = {};
    if (name && ::stat(name, &st) == 0 && !S_ISREG(st.st_mode)) {
        file->pMethods = nullptr;
        return SQLITE_CANTOPEN;
    }
    auto* self = reinterpret_cast<StoreFile*>(file);
    std::memset(self, 0, sizeof(StoreFile));
    self->real = reinterpret_cast<sqlite3_file*>(self + 1);
    int rc = real->xOpen(real, name, self->real, flags, outFlags);
    if (rc != SQLITE_OK) {
        self->base.pMethods = nullptr;
        return rc;
    }
    self->base.pMethods = &g_storeFileMethods;
    rc = CheckHeader(self, flags);
    if (rc != SQLITE_OK) {
        self->real->pMethods->xClose(self->real);
        self->base.pMethods = nullptr;
        return rc;
    }
    return SQLITE_OK;
}

int ShimDelete(sqlite3_vfs*, const char* name, int syncDir)
{
    return RealVfs()->xDelete(RealVfs(), name, syncDir);
}

int ShimAccess(sqlite3_vfs*, const char* name, int flags, int* result)
{
    return RealVfs()->xAccess(RealVfs(), name, flags, result);
}

int ShimFullPathname(sqlite3_vfs*, const char* name, int size, char* out)
{
    return RealVfs()->xFullPathname(RealVfs(), name, size, out);
}

void* ShimDlOpen(sqlite3_vfs*, const char* name)
{
    return RealVfs()->xDlOpen(RealVfs(), name);
}

void ShimDlError(sqlite3_vfs*, int size, char* message)
{
    RealVfs()->xDlError(RealVfs(), size, message);
}

void (*ShimDlSym(sqlite3_vfs*, void* handle, const char* symbol))(void)
{
    return RealVfs()->xDlSym(RealVfs(), handle, symbol);
}

void ShimDlClose(sqlite3_vfs*, void* handle)
{
    RealVfs()->xDlClose(RealVfs(), handle);
}

int ShimRandomness(sqlite3_vfs*, int size, char* out)
{
    return RealVfs()->xRandomness(RealVfs(), size, out);
}

int ShimSleep(sqlite3_vfs*, int microseconds)
{
    return RealVfs()->xSleep(RealVfs(), microseconds);
}

int ShimCurrentTime(sqlite3_vfs*, double* now)
{
    return RealVfs()->xCurrentTime(RealVfs(), now);
}

int ShimGetLastError(sqlite3_vfs*, int size, char* out)
{
    return RealVfs()->xGetLastError ? RealVfs()->xGetLastError(RealVfs(), size, out) : 0;
}

int ShimCurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* now)
{
    return RealVfs()->xCurrentTimeInt64(RealVfs(), now);
}

} // namespace

bool RegisterStoreVfs()
{
    static std::once_flag once;
    static bool registered = false;
    std::call_once(once, [] {
        if (sqlite3_initialize() != SQLITE_OK)
            return;
        sqlite3_vfs* real = sqlite3_vfs_find(nullptr);
        if (!real)
            return;
        g_storeVfs = sqlite3_vfs{};
        g_storeVfs.iVersion = 2;
        g_storeVfs.szOsFile = int(sizeof(StoreFile)) + real->szOsFile;
        g_storeVfs.mxPathname = real->mxPathname;
        g_storeVfs.zName = kStoreVfsName;
        g_storeVfs.pAppData = real;
        g_storeVfs.xOpen = ShimOpen;
        g_storeVfs.xDelete = ShimDelete;
        g_storeVfs.xAccess = ShimAccess;
        g_storeVfs.xFullPathname = ShimFullPathname;
        g_storeVfs.xDlOpen = ShimDlOpen;
        g_storeVfs.xDlError = ShimDlError;
        g_storeVfs.xDlSym = ShimDlSym;
        g_storeVfs.xDlClose = ShimDlClose;
        g_storeVfs.xRandomness = ShimRandomness;
        g_storeVfs.xSleep = ShimSleep;
        g_storeVfs.xCurrentTime = ShimCurrentTime;
        g_storeVfs.xGetLastError = ShimGetLastError;
        g_storeVfs.xCurrentTimeInt64 = real->iVersion >= 2 && real->xCurrentTimeInt64 ? ShimCurrentTimeInt64 : nullptr;
        registered = sqlite3_vfs_register(&g_storeVfs, 0) == SQLITE_OK;
    });
    return registered;
}
