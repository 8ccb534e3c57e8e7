#include "core/import/PreviousEditionFolder.h"

#include "core/companyfiles/CompanyFiles.h"
#include "core/settings/Settings.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The places a Linux installation of the previous edition used, below the
// home folder ("~") or absolute.
constexpr const char* kFixedFolders[] = {
    "~/Brindlecove/Formlark (2004)",
    "~/.local/share/Brindlecove/Formlark (2004)",
    "/opt/Brindlecove/Formlark (2004)",
    "/usr/local/Brindlecove/Formlark (2004)",
    "/opt/Formlark (2004)",
    "/usr/local/Formlark (2004)",
};

QString ExpandHome(const QString& path)
{
    if (path.startsWith(QLatin1String("~/")))
        return QDir::homePath() + path.mid(1);
    return path;
}

} // namespace

QStringList PreviousEditionCandidates()
{
    const QString chosen = qEnvironmentVariable(kPreviousEditionFolderVariable);
    if (!chosen.isEmpty())
        return {chosen};

    QStringList candidates;
    const QString installPath = ReadSettingText(QLatin1String(kPreviousEditionKey), QLatin1String(kInstallPathValue),
                                                QString());
    if (!installPath.isEmpty())
        candidates << installPath;
    const QString installLocation = ReadSettingText(QLatin1String(kPreviousEditionUninstallKey),
                                                    QLatin1String(kInstallLocationValue), QString());
    if (!installLocation.isEmpty())
        candidates << installLocation;
    for (const char* folder : kFixedFolders)
        candidates << ExpandHome(QString::fromUtf8(folder));
    return candidates;
}

QString FindPreviousEditionStoreFolder(const QStringList& candidates)
{
    for (const QString& folder : candidates) {
        const QString stores = WithTrailingSeparator(folder) + QLatin1String(kDataFolderName);
        if (QFileInfo(stores).isDir())
            return stores + u'/';
    }
    return QString();
}
