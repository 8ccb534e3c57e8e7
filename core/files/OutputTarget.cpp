#include "core/files/OutputTarget.h"

#include "core/files/RegularFile.h"
#include "core/store/StoreFileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool known = false;
    bool operator==(const FileIdentity& other) const
    {
        return known && other.known && device == other.device && inode == other.inode;
    }
};

FileIdentity IdentityOf(const QString& path)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {st.st_dev, st.st_ino, true};
}

// Where writing `target` lands, found as the system finds it: the folder
// part with every link and ".." resolved by the system (a link followed
// first, then ".." from where it led), the name put on it, and when that
// is a link, the same again for where it leads.
struct ResolvedTarget {
    QString path;             // where the file lands (the target itself when its folder can't be resolved)
    bool loop = false;        // the links lead in a circle
    bool throughLink = false; // the name was a link
};

ResolvedTarget Resolve(const QString& target)
{
    ResolvedTarget resolved;
    QString path = target;
    for (int hops = 0; hops < 40; ++hops) {
        const qsizetype slash = path.lastIndexOf(u'/');
        const QString folder = slash < 0 ? QStringLiteral(".") : slash == 0 ? QStringLiteral("/") : path.left(slash);
        const QString name = path.mid(slash + 1);
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
            resolved.path = path; // a folder, as the check of its kind says
            return resolved;
        }
        char real[PATH_MAX];
        if (!::realpath(QFile::encodeName(folder).constData(), real)) {
            resolved.loop = errno == ELOOP;
            resolved.path = path;
            return resolved;
        }
        const QString realFolder = QFile::decodeName(real);
        const QString landing = (realFolder.endsWith(u'/') ? realFolder : realFolder + u'/') + name;
        struct stat st = {};
        if (::lstat(QFile::encodeName(landing).constData(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            resolved.path = landing;
            return resolved;
        }
        char link[PATH_MAX];
        const ssize_t length = ::readlink(QFile::encodeName(landing).constData(), link, sizeof(link) - 1);
        if (length <= 0) {
            resolved.path = landing;
            return resolved;
        }
        resolved.throughLink = true;
        const QString next = QFile::decodeName(QByteArray(link, length));
        path = next.startsWith(u'/') ? next : realFolder + u'/' + next;
    }
    resolved.loop = true;
    resolved.path = target;
    return resolved;
}

// The file of the data folder that `target`, landing at `resolved`, is (by
// name or as the same file), described for the user; empty when none.
QString CompanyFileAt(const QString& target, const QFileInfo& resolved, const FileIdentity& folder,
                      const QString& dataFolder)
{
    if (IdentityOf(resolved.absolutePath()) == folder) {
        if (const StoreFileName* name = MatchStoreFileName(resolved.fileName()))
            return QLatin1String(name->described);
    }
    // Another name of the same file (a hard link, or a folder that ignores
    // letter case).
    const FileIdentity file = IdentityOf(target);
    if (!file.known)
        return QString();
    const QDir dir(dataFolder);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const StoreFileName* name = MatchStoreFileName(entry);
        if (name && IdentityOf(dir.filePath(entry)) == file)
            return QLatin1String(name->described);
    }
    return QString();
}

} // namespace

QString OutputTargetRefusal(const QString& target, const QString& dataFolder)
{
    const QString shown = QDir::toNativeSeparators(target);
    if (target.isEmpty())
        return QStringLiteral("No file name was given.");
    const ResolvedTarget landing = Resolve(target);
    if (landing.loop)
        return QStringLiteral("The file \"%1\" is a symbolic link that leads in a circle (or through too many "
                              "links); choose another file name.")
            .arg(shown);
    const QString kind = NonRegularFileKind(landing.path);
    if (!kind.isEmpty())
        return QStringLiteral("The file \"%1\" is %2, not a regular file; choose another file name.").arg(shown, kind);
    const FileIdentity folder = IdentityOf(dataFolder);
    if (!folder.known)
        return QString();
    const QFileInfo resolved(landing.path);
    const QString companyFile = CompanyFileAt(target, resolved, folder, dataFolder);
    if (!companyFile.isEmpty())
        return QStringLiteral("The file \"%1\" names a company file of the data folder \"%2\" (%3); choose "
                              "another file name.")
            .arg(shown, QDir::toNativeSeparators(dataFolder), companyFile);
    // A link that leads to no file yet would make a file in the data folder
    // that nobody named there.
    if (landing.throughLink && !resolved.exists() && IdentityOf(resolved.absolutePath()) == folder)
        return QStringLiteral("The file \"%1\" is a link to \"%2\", which is no file yet, in the data folder "
                              "\"%3\"; choose another file name.")
            .arg(shown, resolved.fileName(), QDir::toNativeSeparators(dataFolder));
    return QString();
}

QString OutputTargetPath(const QString& target)
{
    return Resolve(target).path;
}
