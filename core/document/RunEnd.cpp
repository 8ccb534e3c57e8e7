#include "core/document/RunEnd.h"

#include "core/companyfiles/CompanyFiles.h"
#include "core/document/GlobalDoc.h"
#include "core/settings/Settings.h"
#include "core/prompt/Prompt.h"
#include "core/store/StoreFileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// The company the next start opens, in the data folder it is kept in.
void WriteLastActiveCompany(const QString& company, const QString& dataFolder)
{
    WriteSettingText(SettingsKeyPath(kKeyLastActiveCompany), QLatin1String(kLastActiveCompanyValue), company);
    WriteSettingText(SettingsKeyPath(kKeyDcomOptions), QLatin1String(kCompanyDataPathValue), dataFolder);
}

} // namespace

RunEnd::RunEnd(CGlobalDoc& document)
    : document_(document)
{
}

bool RunEnd::CloseDocument()
{
    const QString& folder = document_.DataFolder();
    const QString& name = document_.CurrentCompanyName();
    const QString& store = document_.CurrentStorePath(); // follows the move
    document_.CloseStore();
    if (!document_.CanWrite()) {
        // Not this program's to move: the settings name it where it is.
        const QString fileName = QFileInfo(store).fileName();
        const bool inDataFolder = SameFile(store, folder + fileName);
        if (inDataFolder)
            WriteLastActiveCompany(CompanyNameOfStoreFile(fileName), folder);
        document_.PrintOptions().Write();
        document_.ReleaseLock();
        return inDataFolder;
    }
    const QString target = folder + name + QLatin1String(kStoreExtension);
    bool moved = SameFile(store, target);
    if (!moved && IsUsableCompanyName(name) && QFileInfo(store).isFile()) {
        // Never over another company's store, whatever the letter case.
        const QStringList existing = CompanyStoreCandidates(folder, name);
        if (std::all_of(existing.begin(), existing.end(),
                        [&](const QString& file) { return SameFile(folder + file, store); }))
            moved = QFile::rename(store, target);
    }
    if (moved) {
        document_.StoreMoved(target);
        WriteLastActiveCompany(name, folder);
    } else {
        AppPrompt().Tell(QStringLiteral("The company file \"%1\" could not be renamed to \"%2\", because that file "
                                        "exists already or can't be written. It keeps its present name.")
                             .arg(QDir::toNativeSeparators(store), QDir::toNativeSeparators(target)),
                         PromptIcon::Exclamation);
    }
    document_.PrintOptions().Write();
    // Let go only now: until the file has its new name, no other program
    // may take it up.
    document_.ReleaseLock();
    return moved;
}
