#include "core/companyfiles/CompanyFiles.h"

#include "core/files/FileCopy.h"
#include "core/settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

bool SameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

bool IsStoreOfFolder(const QFileInfo& file, const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return !canonical.isEmpty() && QFileInfo(file.absolutePath()).canonicalFilePath() == canonical
           && file.fileName().endsWith(QLatin1String(kStoreExtension), Qt::CaseInsensitive);
}

bool ListCompanyStores(const QString& folder, bool stripExtension, QStringList& names)
{
    names.clear();
    QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return false;
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString& file : files) {
        // Only a regular file (or a link to one) is a store: a pipe of that
        // name would block whoever reads it.
        if (!file.endsWith(QLatin1String(kStoreExtension), Qt::CaseInsensitive)
            || !QFileInfo(dir.filePath(file)).isFile())
            continue;
        // Only the extension goes: "A.pmt Sales.pmt" is the company "A.pmt Sales".
        names << (stripExtension ? CompanyNameOfStoreFile(file) : file);
    }
    return !names.isEmpty();
}

QString CompanyNameOfStoreFile(const QString& fileName)
{
    return fileName.left(fileName.size() - qsizetype(sizeof(kStoreExtension) - 1));
}

namespace {

// What follows the last dot of a file name when it is a file extension:
// a few letters and digits, at least one a letter ("dat", "db", "bak").
bool IsFileExtension(QStringView text)
{
    constexpr qsizetype kLongest = 8;
    if (text.isEmpty() || text.size() > kLongest)
        return false;
    bool letter = false;
    for (const QChar c : text) {
        if (c.unicode() > 127 || !c.isLetterOrNumber())
            return false;
        letter = letter || c.isLetter();
    }
    return letter;
}

} // namespace

QString CompanyNameOfFile(const QString& fileName)
{
    if (const StoreFileName* entry = MatchStoreFileName(fileName)) {
        const qsizetype at = fileName.lastIndexOf(QLatin1String(entry->suffix), -1, Qt::CaseInsensitive);
        if (at > 0)
            return fileName.left(at);
    }
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot > 0 && IsFileExtension(QStringView(fileName).mid(dot + 1)))
        return fileName.left(dot);
    return fileName;
}

bool IsUsableCompanyName(const QString& name)
{
    return !name.trimmed().isEmpty() && !name.contains(u'/') && !name.contains(QChar(0)) && name != QLatin1String(".")
           && name != QLatin1String("..");
}

QStringList CompanyStoreCandidates(const QString& folder, const QString& company)
{
    if (!IsUsableCompanyName(company))
        return {};
    const QString wanted = company + QLatin1String(kStoreExtension);
    QStringList candidates;
    if (QFileInfo(folder + wanted).isFile())
        candidates << wanted;
    QDir dir(folder);
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& file : files)
        if (file != wanted && file.compare(wanted, Qt::CaseInsensitive) == 0 && QFileInfo(dir.filePath(file)).isFile())
            candidates << file;
    return candidates;
}

QString FindCompanyStoreFile(const QString& folder, const QString& company)
{
    const QStringList candidates = CompanyStoreCandidates(folder, company);
    if (candidates.isEmpty())
        return QString();
    const QString wanted = company + QLatin1String(kStoreExtension);
    if (candidates.front() == wanted || candidates.size() == 1)
        return candidates.front();
    return QString();
}

QString UnreadableStoreMessage(const QString& path, const QString& reason)
{
    const QString file = QDir::toNativeSeparators(path);
    if (reason.isEmpty())
        return QStringLiteral("The company file \"%1\" could not be read.").arg(file);
    return QStringLiteral("The company file \"%1\" could not be read: %2.").arg(file, reason);
}

QString AmbiguousCompanyMessage(const QString& company, const QStringList& candidates)
{
    QStringList names;
    for (const QString& file : candidates)
        names << QStringLiteral("\"%1\"").arg(CompanyNameOfStoreFile(file));
    return QStringLiteral("The company name \"%1\" fits %2 companies that differ only in letter case: %3. Give the "
                          "name exactly as it is spelt.")
        .arg(company)
        .arg(candidates.size())
        .arg(names.join(QStringLiteral(", ")));
}

QString OtherNameOfStore(const QString& folder, const QString& storePath)
{
    return OtherNamesOfStore(folder, storePath).value(0);
}

QStringList OtherNamesOfStore(const QString& folder, const QString& storePath)
{
    struct stat store = {};
    if (::stat(QFile::encodeName(storePath).constData(), &store) != 0 || store.st_nlink < 2)
        return {};
    const QString ownName = QFileInfo(storePath).fileName();
    const QDir dir(folder);
    QStringList names;
    for (const QString& file : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        if (file == ownName || !file.endsWith(QLatin1String(kStoreExtension), Qt::CaseInsensitive))
            continue;
        struct stat other = {};
        if (::lstat(QFile::encodeName(dir.filePath(file)).constData(), &other) == 0 && other.st_dev == store.st_dev
            && other.st_ino == store.st_ino)
            names << file;
    }
    return names;
}

QString WithTrailingSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
}

QString UserDataFolder()
{
    return XdgBaseFolder("XDG_DATA_HOME", QStringLiteral(".local/share"))
           + QStringLiteral("/Brindlecove/Formlark (2005)/") + QLatin1String(kDataFolderName) + u'/';
}

namespace {

QString ProgramDataFolder()
{
    return ProgramFolder() + QLatin1String(kDataFolderName) + u'/';
}

bool SameFolder(const QString& a, const QString& b)
{
    return QDir::cleanPath(QDir(a).absolutePath()) == QDir::cleanPath(QDir(b).absolutePath());
}

// Whether `path` is the folder `folder` or lies beneath it.
bool IsWithinFolder(const QString& path, const QString& folder)
{
    const QString inner = QDir::cleanPath(QDir(path).absolutePath()) + u'/';
    const QString outer = QDir::cleanPath(QDir(folder).absolutePath()) + u'/';
    return inner.startsWith(outer);
}

// Only the build-folder program keeps its stores beside it; an installed
// one is not asked, as its folder is the installation's even for root. A
// folder beside it that can't be written is left for the user's own only
// while it holds no company: the user's companies are never silently
// exchanged for a copy of the Sample Company elsewhere (the folder's
// problem is said instead, see DataFolderWriteProblem).
bool ProgramMayKeepStores()
{
    if (ProgramIsInstalled())
        return false;
    const QFileInfo folder(ProgramDataFolder());
    if (folder.exists()) {
        QStringList stores;
        return folder.isDir() && (folder.isWritable() || ListCompanyStores(folder.filePath(), false, stores));
    }
    const QFileInfo parent(ProgramFolder());
    return parent.isDir() && parent.isWritable();
}

} // namespace

QString DefaultDataFolder()
{
    return ProgramMayKeepStores() ? ProgramDataFolder() : UserDataFolder();
}

QString ReadDataFolder()
{
    QString folder = ReadSettingText(SettingsKeyPath(kKeyDcomOptions), QLatin1String(kCompanyDataPathValue), QString());
    folder = WithTrailingSeparator(folder.isEmpty() ? DefaultDataFolder() : folder);
    if (ProgramIsInstalled() && IsWithinFolder(folder, ProgramFolder()))
        folder = UserDataFolder();
    if (SameFolder(folder, UserDataFolder()))
        ProvideSampleCompany(folder);
    return folder;
}

QString DataFolderWriteProblem(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.isDir() || info.isWritable())
        return QString();
    return QStringLiteral("The data folder \"%1\" can't be written, so no company in it can be changed, "
                          "converted or imported into. Make the folder writable for you, or name another data "
                          "folder as \"%2\" in the settings file \"%3\".")
        .arg(QDir::toNativeSeparators(WithTrailingSeparator(folder)), QLatin1String(kCompanyDataPathValue),
             QDir::toNativeSeparators(SettingsFilePath()));
}

bool ProvideSampleCompany(const QString& folder)
{
    QStringList names;
    if (ListCompanyStores(folder, false, names))
        return true;
    if (!QDir().mkpath(folder))
        return false;
    const QString fileName = QLatin1String(kSampleCompanyName) + QLatin1String(kStoreExtension);
    const QString source = ProgramDataFolder() + fileName;
    const QString target = WithTrailingSeparator(folder) + fileName;
    if (!QFileInfo(source).isFile())
        return false;
    // What a start that was cut short left of its copy goes first.
    QDir dir(folder);
    const QString partial = fileName + QLatin1String(kPartialCopySuffix) + u'*';
    for (const QString& left : dir.entryList({partial}, QDir::Files | QDir::Hidden))
        dir.remove(left);
    return CopyFileWithoutReplacing(source, target) == CopyOutcome::Copied;
}
