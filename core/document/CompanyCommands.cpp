#include "core/document/CompanyCommands.h"

#include "core/companyfiles/CompanyFiles.h"
#include "core/companyfiles/NewCompanyStore.h"
#include "core/companyfiles/StoreConversion.h"
#include "core/document/CompanyDialogs.h"
#include "core/document/ConversionOffer.h"
#include "core/document/DocumentMessages.h"
#include "core/document/GlobalDoc.h"
#include "core/files/FileCopy.h"
#include "core/settings/Settings.h"
#include "core/prompt/Prompt.h"
#include "core/store/FixedText.h"
#include "core/store/StoreFileKind.h"
#include "core/store/StoreFileNames.h"
#include "core/store/StoreLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CompanyCommands::CompanyCommands(CGlobalDoc& document)
    : document_(document)
{
}

bool CompanyCommands::EnumerateCompanies(const QString& folder, bool stripExtension)
{
    return ListCompanyStores(folder, stripExtension, companyNames_);
}

bool CompanyCommands::AskSaveChangesFirst()
{
    // The same question as before closing: unsaved entries are never dropped
    // by switching company.
    return document_.SaveModified();
}

void CompanyCommands::OnNewCompany(CompanyDialogs& dialogs)
{
    if (!AskSaveChangesFirst())
        return;
    const std::optional<QString> entered = dialogs.AskNewCompanyName();
    if (!entered)
        return;
    // Blanks around the name would only make two companies look alike.
    const QString name = CutToCharacters(entered->trimmed(), kCompanyNameCharacters).trimmed();
    if (!IsUsableCompanyName(name)) {
        AppPrompt().Tell(QLatin1String(DocumentMessages::kNewCompanyName));
        return;
    }
    document_.PrintOptions().Write();

    const NewCompanyStore made = CreateCompanyStore(document_.DataFolder(), name);
    const QString path = document_.DataFolder() + made.storeFile;
    switch (made.result) {
    case NewCompanyStore::Result::Ambiguous:
        AppPrompt().Tell(AmbiguousCompanyMessage(name, made.candidates), PromptIcon::Exclamation);
        return;
    case NewCompanyStore::Result::Failed:
        AppPrompt()
            .Tell(QStringLiteral("The company file \"%1\" could not be created.").arg(QDir::toNativeSeparators(path)),
                  PromptIcon::Stop);
        return;
    case NewCompanyStore::Result::Exists:
        AppPrompt().Tell(QLatin1String(DocumentMessages::kCompanyExists));
        if (!OpensAsCurrent(path))
            return;
        break;
    case NewCompanyStore::Result::Created:
        break;
    }
    const bool created = made.result == NewCompanyStore::Result::Created;
    if (!OpenStore(path))
        return;
    // Save stays enabled once more after a new company.
    if (created)
        document_.SetModified(1);
}

void CompanyCommands::OnOpenCompany(CompanyDialogs& dialogs)
{
    if (!AskSaveChangesFirst())
        return;
    if (!EnumerateCompanies(document_.DataFolder(), true))
        return;
    const QStringList names = companyNames_;
    const std::optional<int> chosen = dialogs.SelectCompany(names);
    if (!chosen || *chosen < 0 || *chosen >= names.size())
        return;
    const QString path = document_.StorePathFor(names.at(*chosen));
    if (OpensAsCurrent(path))
        OpenStore(path);
}

void CompanyCommands::OnOpenFile(const QString& path, CompanyDialogs& dialogs)
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
    const StoreFileKind kind = StoreFileKindOf(path);
    if (kind == StoreFileKind::Missing) {
        AppPrompt().Tell(QStringLiteral("The file \"%1\" does not exist.").arg(shown), PromptIcon::Exclamation);
        return;
    }
    // Said before anything is asked: what the file is when it is no store
    // that can be opened, and why a store of an earlier edition can't be
    // converted.
    const QString notAStore = kind == StoreFileKind::Earlier ? QString() : StoreFileProblem(path);
    if (!notAStore.isEmpty()) {
        AppPrompt().Tell(QStringLiteral("The file \"%1\" can't be opened: %2.").arg(shown, notAStore),
                         PromptIcon::Exclamation);
        return;
    }
    if (kind == StoreFileKind::Earlier && !EarlierStoreConvertible(path))
        return;
    if (!AskSaveChangesFirst())
        return;
    if (IsStoreOfFolder(info, document_.DataFolder())) {
        const QString store = document_.DataFolder() + info.fileName();
        if (OpensAsCurrent(store))
            OpenStore(store);
        return;
    }
    // From elsewhere: the original stays where it is, untouched.
    if (kind == StoreFileKind::Earlier
        && !AppPrompt().AskYesNo(QString::fromLatin1(DocumentMessages::kConvertEarlierStore).arg(shown)))
        return;
    QString name = CutToCharacters(CompanyNameOfFile(info.fileName()), kCompanyNameCapacity);
    while (!IsUsableCompanyName(name) || document_.CompanyStoreExists(name)) {
        const std::optional<QString> other = dialogs.AskCompanyName(shown, name);
        if (!other)
            return;
        name = CutToCharacters(other->trimmed(), kCompanyNameCapacity);
    }
    const QString store = BringIntoDataFolder(path, name);
    // What was brought in but can't be read as a company goes again: the
    // data folder is left as it was (the file itself was never touched).
    if (!store.isEmpty() && !OpenStore(store))
        QFile::remove(store);
}

QString CompanyCommands::BringIntoDataFolder(const QString& source, const QString& name)
{
    const QString target = document_.DataFolder() + name + QLatin1String(kStoreExtension);
    const QString shown = QDir::toNativeSeparators(QFileInfo(source).absoluteFilePath());
    QString problem;
    if (StoreFileKindOf(source) == StoreFileKind::Earlier) {
        if (ConvertEarlierStoreTo(source, target, &problem))
            return target;
        AppPrompt().Tell(problem, PromptIcon::Stop);
        return QString();
    }
    // A copy without the journal of a change that was cut short would be
    // half of that change.
    const QFileInfo journal(StoreCompanionPath(source, StoreFileRole::Journal));
    if (journal.exists() && (!journal.isFile() || journal.size() > 0)) {
        AppPrompt().Tell(QStringLiteral("The company file \"%1\" was being changed when a program stopped (the "
                                        "file \"%2\" beside it holds the unfinished change), so it can't be copied "
                                        "as it is. Open it once in the program it belongs to, or restore a backup.")
                             .arg(shown, QDir::toNativeSeparators(journal.absoluteFilePath())),
                         PromptIcon::Stop);
        return QString();
    }
    switch (CopyFileWithoutReplacing(source, target)) {
    case CopyOutcome::Copied:
        return target;
    case CopyOutcome::TargetExists:
        AppPrompt().Tell(QStringLiteral("A company \"%1\" appeared in the data folder meanwhile; nothing was copied.")
                             .arg(name),
                         PromptIcon::Exclamation);
        break;
    case CopyOutcome::Failed:
        AppPrompt().Tell(QStringLiteral("The company file \"%1\" could not be copied into the data folder \"%2\".")
                             .arg(shown, QDir::toNativeSeparators(document_.DataFolder())),
                         PromptIcon::Stop);
        break;
    }
    return QString();
}

bool CompanyCommands::OpenStore(const QString& path)
{
    if (!document_.ReadCompany(path, CompanyNameOfStoreFile(QFileInfo(path).fileName()))) {
        // The company open before stays open, as it was.
        document_.ReportUnreadableStore(path);
        return false;
    }
    document_.PrintOptions().Write();
    document_.RefreshViews();
    document_.SetModified(0);
    emit document_.navigateRequested(0);
    return true;
}

void CompanyCommands::OnDeleteCompany(CompanyDialogs& dialogs)
{
    EnumerateCompanies(document_.DataFolder(), true);
    QStringList names;
    for (const QString& name : companyNames_)
        if (name.compare(QLatin1String(kSampleCompanyName), Qt::CaseInsensitive) != 0)
            names << name;
    if (names.isEmpty())
        return;
    const std::optional<int> chosen = dialogs.SelectCompany(names);
    if (!chosen || *chosen < 0 || *chosen >= names.size())
        return;
    const QString name = names.at(*chosen);
    const QString path = document_.StorePathFor(name);
    // The open store is refused under its old name too (after a rename the
    // file keeps that name until the end of the run).
    if (name == document_.CurrentCompanyName() || SameFile(path, document_.CurrentStorePath())) {
        AppPrompt().Tell(QLatin1String(DocumentMessages::kCantDeleteOpenCompany));
        return;
    }
    if (StoreLock::IsHeldElsewhere(path)) {
        AppPrompt().Tell(QStringLiteral("The company \"%1\" is open in another Formlark window. It can't be deleted "
                                        "while it is open there.")
                             .arg(name),
                         PromptIcon::Exclamation);
        return;
    }
    if (!AppPrompt().AskYesNo(QLatin1String(DocumentMessages::kConfirmDelete)))
        return;
    const QString deleted = path + QLatin1String(kDeletedExtension);
    bool moved = QFile::rename(path, deleted);
    if (!moved && QFileInfo::exists(deleted)) {
        QFile::remove(deleted);
        moved = QFile::rename(path, deleted);
    }
    if (!moved)
        AppPrompt().Tell(QStringLiteral("The company \"%1\" could not be deleted.").arg(name), PromptIcon::Exclamation);
}

void CompanyCommands::OnSave()
{
    document_.CommitChanges();
}

bool CompanyCommands::CanDeleteCompany()
{
    if (!EnumerateCompanies(document_.DataFolder(), true))
        return false;
    for (const QString& name : companyNames_)
        if (name.compare(QLatin1String(kSampleCompanyName), Qt::CaseInsensitive) != 0)
            return true;
    return false;
}
