#include "core/document/GlobalDoc.h"

#include "core/document/CompanyDialogs.h"
#include "core/document/CompanyFiles.h"
#include "core/shell/Prompt.h"
#include "core/settings/Settings.h"
#include "core/store/FixedText.h"
#include "core/store/RecordLookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kCompanyNameCapacity = 259;
constexpr int kEmployerNameCharacters = 30;

QString DescribeChange(const ChangeRecord& change)
{
    static const char* const kinds[] = {"employee", "contractor", "W-2", "1099-MISC", "company"};
    static const char* const operations[] = {"new", "deleted", "changed"};
    return QStringLiteral("%1 %2").arg(QLatin1String(operations[int(change.Operation)]),
                                       QLatin1String(kinds[int(change.Kind)]));
}

bool SameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

CGlobalDoc::CGlobalDoc(QObject* parent)
    : QObject(parent)
{
    DataFolder = DefaultDataFolder();
}

CGlobalDoc::~CGlobalDoc() = default;

void CGlobalDoc::SetModified(int modified)
{
    const bool changed = (modified_ == 1) != (modified == 1);
    modified_ = modified;
    if (changed)
        emit modifiedChanged(modified_ == 1);
}

// ---- views ----

void CGlobalDoc::SetView(Screen screen, DocumentView* view)
{
    if (screen != Screen::None)
        views_[size_t(screen)] = view;
}

void CGlobalDoc::RefreshViews()
{
    for (Screen screen : DocumentView::kRefreshOrder)
        if (DocumentView* view = views_[size_t(screen)])
            view->RefreshFromDocument(*this);
}

// ---- title ----

void CGlobalDoc::SetCompanyTitle(const std::optional<QString>& name)
{
    if (name)
        CurrentCompanyName = CutToCharacters(*name, kCompanyNameCapacity);
    emit titleChanged(Title());
}

QString CGlobalDoc::Title() const
{
    return CurrentCompanyName + QStringLiteral(" - ") + QLatin1String(kApplicationTitle);
}

// ---- records ----

void CGlobalDoc::ClearCompanyData()
{
    data_.Clear();
    // Changes of the company being left can never be written into the next
    // one's store.
    queue_.clear();
    for (Screen screen : DocumentView::kRefreshOrder)
        if (DocumentView* view = views_[size_t(screen)])
            view->OnCompanyDataCleared();
}

bool CGlobalDoc::EnumerateCompanies(const QString& folder, bool stripExtension)
{
    return ListCompanyStores(folder, stripExtension, companyNames_);
}

bool CGlobalDoc::CompanyStoreExists(const QString& name) const
{
    return !FindCompanyStoreFile(DataFolder, name).isEmpty();
}

QString CGlobalDoc::StorePathFor(const QString& name) const
{
    const QString actual = FindCompanyStoreFile(DataFolder, name);
    return DataFolder + (actual.isEmpty() ? name + QLatin1String(kStoreExtension) : actual);
}

// ---- changes ----

CommitResult CGlobalDoc::QueueChange(ChangeRecord change, bool commitNow)
{
    change.Dropped = false;
    queue_.push_back(change);
    if (commitNow)
        return CommitChanges();
    return {};
}

SaveOutcome CGlobalDoc::WriteChanges(const std::vector<ChangeRecord>& changes)
{
    SetModified(1);
    for (const ChangeRecord& change : changes)
        QueueChange(change, false);
    return CommitChanges().Succeeded() ? SaveOutcome::Saved : SaveOutcome::Kept;
}

CommitResult CGlobalDoc::CommitChanges()
{
    CommitResult result;
    if (modified_ == 0)
        return result;
    DropCancelledChanges(queue_);
    for (const ChangeRecord& change : queue_) {
        if (WriteChange(change))
            ++result.written;
        else
            result.failed.push_back(change);
    }
    queue_ = result.failed;
    if (result.Succeeded()) {
        SetModified(0);
    } else {
        SetModified(1);
        ReportFailedCommit(result);
    }
    return result;
}

// The statements of one kind of record: insert (record, id), update
// (record, id) and delete (id).
template <class Record>
struct RecordStatements {
    int Record::*id;
    int (CompanyStore::*insert)(const Record&, int);
    int (CompanyStore::*update)(const Record&, int);
    int (CompanyStore::*remove)(int);
};

template <class Record>
bool CGlobalDoc::WriteRecordChange(const ChangeRecord& change, const std::vector<Record>& list,
                                   const RecordStatements<Record>& statements)
{
    // Every write opens the store anew; a store that vanished is not
    // created again empty.
    if (change.Operation == ChangeOperation::Delete)
        return store_.OpenExisting(CurrentStorePath) == CompanyStore::kOk
            && (store_.*statements.remove)(change.UniqueID) == CompanyStore::kOk;
    // The record at the change's index when it still carries the change's
    // id, else the one with that id (a change retried after the list moved on).
    const int index = FindRecordIndex(list, statements.id, change.ListIndex, change.UniqueID);
    if (index < 0)
        return true; // gone from memory: nothing left to write
    const Record* record = &list[size_t(index)];
    if (store_.OpenExisting(CurrentStorePath) != CompanyStore::kOk)
        return false;
    auto write = change.Operation == ChangeOperation::Insert ? statements.insert : statements.update;
    return (store_.*write)(*record, change.UniqueID) == CompanyStore::kOk;
}

bool CGlobalDoc::WriteChange(const ChangeRecord& change)
{
    switch (change.Kind) {
    case RecordKind::Employee:
        return WriteRecordChange(change, data_.employees,
                                 RecordStatements<EmployeeRecord>{&EmployeeRecord::EmployeeUniqueID,
                                                                  &CompanyStore::InsertEmployee,
                                                                  &CompanyStore::UpdateEmployee,
                                                                  &CompanyStore::DeleteEmployee});
    case RecordKind::Contractor:
        return WriteRecordChange(change, data_.contractors,
                                 RecordStatements<ContractorRecord>{&ContractorRecord::ContractorUniqueID,
                                                                    &CompanyStore::InsertContractor,
                                                                    &CompanyStore::UpdateContractor,
                                                                    &CompanyStore::DeleteContractor});
    case RecordKind::W2:
        return WriteRecordChange(change, data_.w2s,
                                 RecordStatements<W2Record>{&W2Record::W2UniqueID, &CompanyStore::InsertW2,
                                                            &CompanyStore::UpdateW2ById, &CompanyStore::DeleteW2});
    case RecordKind::Form1099:
        return WriteRecordChange(change, data_.forms1099,
                                 RecordStatements<Form1099Record>{&Form1099Record::Form1099UniqueID,
                                                                  &CompanyStore::InsertForm1099,
                                                                  &CompanyStore::UpdateForm1099ById,
                                                                  &CompanyStore::DeleteForm1099});
    case RecordKind::Company: {
        const bool insert = change.Operation == ChangeOperation::Insert;
        if (!insert && change.Operation != ChangeOperation::Update)
            return true; // a company is never deleted through the queue
        if (store_.OpenExisting(CurrentStorePath) != CompanyStore::kOk)
            return false;
        return (insert ? store_.InsertCompany(data_.company, change.UniqueID) : store_.UpdateCompany(data_.company))
            == CompanyStore::kOk;
    }
    }
    return true;
}

void CGlobalDoc::ReportFailedCommit(const CommitResult& result)
{
    QStringList what;
    for (const ChangeRecord& change : result.failed)
        what << DescribeChange(change);
    AppPrompt().Tell(QStringLiteral("Formlark could not save %1 change(s) to the company file \"%2\" (%3).\n\n"
                                    "Your entries are kept. Use Save on the Company menu to try again.")
                         .arg(result.failed.size())
                         .arg(QDir::toNativeSeparators(CurrentStorePath), what.join(QStringLiteral(", "))),
                     PromptIcon::Exclamation);
}

void CGlobalDoc::ReportUnreadableStore(const QString& path)
{
    AppPrompt().Tell(QStringLiteral("The company file \"%1\" could not be read. It may be damaged, or it is not a "
                                    "Formlark company file.")
                         .arg(QDir::toNativeSeparators(path)),
                     PromptIcon::Stop);
}

// ---- start and end of a run ----

bool CGlobalDoc::OpenFirstCompany()
{
    DataFolder = ReadDataFolder();
    CurrentCompanyName = ReadSettingText(SettingsKeyPath(kKeyLastActiveCompany),
                                         QLatin1String(kLastActiveCompanyValue), QLatin1String(kSampleCompanyName));
    ReadPrintOptions();

    QString file = FindCompanyStoreFile(DataFolder, CurrentCompanyName);
    if (file.isEmpty())
        file = FindCompanyStoreFile(DataFolder, QLatin1String(kSampleCompanyName));
    if (file.isEmpty()) {
        AppPrompt().Tell(QStringLiteral("Formlark can't start: the data folder \"%1\" holds neither the company "
                                        "\"%2\" nor the \"%3\".\n\nChoose another data folder in the settings "
                                        "file \"%4\", or restore the company files.")
                             .arg(QDir::toNativeSeparators(DataFolder), CurrentCompanyName,
                                  QLatin1String(kSampleCompanyName), QDir::toNativeSeparators(SettingsFilePath())),
                         PromptIcon::Stop);
        return false;
    }
    // The name as the file spells it, so the store keeps its name at the end.
    CurrentCompanyName = CompanyNameOfStoreFile(file);
    CurrentStorePath = DataFolder + file;
    FirstOpen = false;
    SetCompanyTitle();
    if (!LoadCurrentCompany()) {
        ReportUnreadableStore(CurrentStorePath);
        return false;
    }
    return true;
}

bool CGlobalDoc::LoadCurrentCompany()
{
    SetCompanyTitle();
    return LoadCompany(store_, CurrentStorePath, data_) == CompanyStore::kOk;
}

bool CGlobalDoc::SaveModified()
{
    if (modified_ != 1)
        return true;
    switch (AppPrompt().Ask(QLatin1String(DocumentMessages::kSaveChanges), PromptButtons::YesNoCancel,
                            PromptIcon::Exclamation)) {
    case PromptAnswer::Yes:
        // A failed save keeps the program open: nothing typed is lost.
        return CommitChanges().Succeeded();
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}

bool CGlobalDoc::CloseDocument()
{
    store_.Close();
    const QString target = DataFolder + CurrentCompanyName + QLatin1String(kStoreExtension);
    bool moved = SameFile(CurrentStorePath, target);
    if (!moved && QFileInfo(CurrentStorePath).isFile()) {
        // Never over another company's store, whatever the letter case.
        const QString existing = FindCompanyStoreFile(DataFolder, CurrentCompanyName);
        if (existing.isEmpty() || SameFile(DataFolder + existing, CurrentStorePath))
            moved = QFile::rename(CurrentStorePath, target);
    }
    if (moved) {
        CurrentStorePath = target;
        WriteSettingText(SettingsKeyPath(kKeyLastActiveCompany), QLatin1String(kLastActiveCompanyValue),
                         CurrentCompanyName);
        WriteSettingText(SettingsKeyPath(kKeyDcomOptions), QLatin1String(kCompanyDataPathValue), DataFolder);
    } else {
        AppPrompt().Tell(QStringLiteral("The company file \"%1\" could not be renamed to \"%2\", because that file "
                                        "exists already or can't be written. It keeps its present name.")
                             .arg(QDir::toNativeSeparators(CurrentStorePath), QDir::toNativeSeparators(target)),
                         PromptIcon::Exclamation);
    }
    WritePrintOptions();
    return moved;
}

// ---- company commands ----

bool CGlobalDoc::AskSaveChangesFirst()
{
    // The same question as before closing: unsaved entries are never dropped
    // by switching company.
    return SaveModified();
}

void CGlobalDoc::OnNewCompany(CompanyDialogs& dialogs)
{
    if (!AskSaveChangesFirst())
        return;
    const std::optional<QString> entered = dialogs.AskNewCompanyName();
    if (!entered)
        return;
    const QString name = CutToCharacters(*entered, kEmployerNameCharacters);
    if (!IsUsableCompanyName(name)) {
        AppPrompt().Tell(QStringLiteral("Please enter a name for the new company"));
        return;
    }
    WritePrintOptions();

    const QString previousName = CurrentCompanyName;
    const QString previousPath = CurrentStorePath;
    const QString existing = FindCompanyStoreFile(DataFolder, name);
    const bool created = existing.isEmpty();
    if (!created) {
        AppPrompt().Tell(QLatin1String(DocumentMessages::kCompanyExists));
        CurrentCompanyName = CompanyNameOfStoreFile(existing);
        CurrentStorePath = DataFolder + existing;
    } else {
        CurrentCompanyName = name;
        CurrentStorePath = DataFolder + name + QLatin1String(kStoreExtension);
        if (CreateCompanyStore(store_, CurrentStorePath) != CompanyStore::kOk) {
            store_.Close();
            QFile::remove(CurrentStorePath);
            AppPrompt().Tell(QStringLiteral("The company file \"%1\" could not be created.")
                                 .arg(QDir::toNativeSeparators(CurrentStorePath)),
                             PromptIcon::Stop);
            CurrentCompanyName = previousName;
            CurrentStorePath = previousPath;
            SetCompanyTitle();
            return;
        }
    }

    ClearCompanyData();
    if (!LoadCurrentCompany())
        ReportUnreadableStore(CurrentStorePath);
    if (created) {
        data_.company.EmployerName = name;
        WriteChanges({{RecordKind::Company, ChangeOperation::Insert, -1, 1}});
        SetModified(1);
    }
    RefreshViews();
    emit navigateRequested(0);
}

void CGlobalDoc::OnOpenCompany(CompanyDialogs& dialogs)
{
    if (!AskSaveChangesFirst())
        return;
    if (!EnumerateCompanies(DataFolder, true))
        return;
    const QStringList names = companyNames_;
    const std::optional<int> chosen = dialogs.SelectCompany(names);
    if (!chosen || *chosen < 0 || *chosen >= names.size())
        return;
    WritePrintOptions();
    CurrentCompanyName = names.at(*chosen);
    CurrentStorePath = StorePathFor(CurrentCompanyName);
    ClearCompanyData();
    if (!LoadCurrentCompany())
        ReportUnreadableStore(CurrentStorePath);
    RefreshViews();
    SetModified(0);
    emit navigateRequested(0);
}

void CGlobalDoc::OnDeleteCompany(CompanyDialogs& dialogs)
{
    EnumerateCompanies(DataFolder, true);
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
    const QString path = StorePathFor(name);
    // The open store is refused under its old name too (after a rename the
    // file keeps that name until the end of the run).
    if (name == CurrentCompanyName || SameFile(path, CurrentStorePath)) {
        AppPrompt().Tell(QLatin1String(DocumentMessages::kCantDeleteOpenCompany));
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

void CGlobalDoc::OnSave()
{
    CommitChanges();
}

bool CGlobalDoc::CanDeleteCompany()
{
    if (!EnumerateCompanies(DataFolder, true))
        return false;
    for (const QString& name : companyNames_)
        if (name.compare(QLatin1String(kSampleCompanyName), Qt::CaseInsensitive) != 0)
            return true;
    return false;
}

void CGlobalDoc::ReadPrintOptions()
{
    ReadPrintW2Options(printW2_);
    ReadPrintW3Options(printW3_);
    ReadPrint1099Options(print1099_);
    ReadPrint1096Options(print1096_);
}

void CGlobalDoc::WritePrintOptions()
{
    WritePrintW2Options(printW2_);
    WritePrintW3Options(printW3_);
    WritePrint1099Options(print1099_);
    WritePrint1096Options(print1096_);
}
