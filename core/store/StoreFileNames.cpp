#include "core/store/StoreFileNames.h"

namespace {

bool AllDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

bool Matches(const QString& fileName, const StoreFileName& entry)
{
    const QString suffix = QLatin1String(entry.suffix);
    if (fileName.endsWith(suffix, Qt::CaseInsensitive))
        return true;
    if (!entry.numberedVariants)
        return false;
    // "<name>.pmt.2005-<digits>"
    const qsizetype dash = fileName.lastIndexOf(u'-');
    return dash > 0 && AllDigits(QStringView(fileName).mid(dash + 1))
           && fileName.left(dash).endsWith(suffix, Qt::CaseInsensitive);
}

} // namespace

const StoreFileName* MatchStoreFileName(const QString& fileName)
{
    for (const StoreFileName& entry : kStoreFileNames)
        if (Matches(fileName, entry))
            return &entry;
    return nullptr;
}

QString StoreCompanionPath(const QString& storePath, StoreFileRole role)
{
    for (const StoreFileName& entry : kStoreFileNames)
        if (entry.role == role)
            return storePath + QLatin1String(entry.suffix + sizeof(kStoreExtension) - 1);
    return storePath;
}
