#include "core/document/CompanyFiles.h"

#include "core/settings/Settings.h"

#include <QDir>
#include <QFileInfo>

bool ListCompanyStores(const QString& folder, bool stripExtension, QStringList& names)
{
    names.clear();
    QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        return false;
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString& file : files) {
        if (!file.endsWith(QLatin1String(kStoreExtension), Qt::CaseInsensitive))
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

bool IsUsableCompanyName(const QString& name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(QChar(0)) && name != QLatin1String(".")
        && name != QLatin1String("..");
}

QString FindCompanyStoreFile(const QString& folder, const QString& company)
{
    if (!IsUsableCompanyName(company))
        return QString();
    const QString wanted = company + QLatin1String(kStoreExtension);
    if (QFileInfo(folder + wanted).isFile())
        return wanted;
    QDir dir(folder);
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString& file : files)
        if (file.compare(wanted, Qt::CaseInsensitive) == 0)
            return file;
    return QString();
}

QString WithTrailingSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
}

QString DefaultDataFolder()
{
    return ProgramFolder() + QLatin1String(kDataFolderName) + u'/';
}

QString ReadDataFolder()
{
    const QString folder =
        ReadSettingText(SettingsKeyPath(kKeyDcomOptions), QLatin1String(kCompanyDataPathValue), DefaultDataFolder());
    return WithTrailingSeparator(folder.isEmpty() ? DefaultDataFolder() : folder);
}
