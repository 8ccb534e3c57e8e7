#include "core/files/OutputTarget.h"

#include "core/files/RegularFile.h"
#include "core/store/StoreFileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

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

// Where writing `target` lands: every link followed, also one that points
// nowhere yet (writing it would make the file it names).
QString ResolvedTarget(const QString& target)
{
    QString path = QFileInfo(target).absoluteFilePath();
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(path);
        if (!info.isSymLink())
            break;
        path = info.symLinkTarget();
    }
    const QFileInfo info(path);
    const QString folder = QDir(info.absolutePath()).canonicalPath();
    return folder.isEmpty() ? path : folder + u'/' + info.fileName();
}

// The file of the data folder that `target` is (by name or as the same
// file), described for the user; empty when none.
QString CompanyFileAt(const QString& target, const QString& dataFolder)
{
    const FileIdentity folder = IdentityOf(dataFolder);
    if (!folder.known)
        return QString();
    const QFileInfo resolved(ResolvedTarget(target));
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
    const QString kind = NonRegularFileKind(target);
    if (!kind.isEmpty())
        return QStringLiteral("The file \"%1\" is %2, not a regular file; choose another file name.").arg(shown, kind);
    const QString companyFile = CompanyFileAt(target, dataFolder);
    if (!companyFile.isEmpty())
        return QStringLiteral("The file \"%1\" names a company file of the data folder \"%2\" (%3); choose "
                              "another file name.")
            .arg(shown, QDir::toNativeSeparators(dataFolder), companyFile);
    return QString();
}
