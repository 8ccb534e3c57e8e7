#include "core/document/GlobalDoc.h"

#include "core/document/CompanyDialogs.h"
#include "core/document/CompanyFiles.h"
#include "core/document/NewCompanyStore.h"
#include "core/shell/Prompt.h"
#include "core/settings/Settings.h"
#include "core/files/FileCopy.h"
#include "core/store/EarlierStoreReader.h"
#include "core/store/FixedText.h"
#include "core/store/RecordLookup.h"
#include "core/document/StoreConversion.h"
#include "core/store/StoreFileKind.h"
#include "core/store/StoreFileNames.h"
#include "core/store/StoreLeftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {

constexpr int kCompanyNameCapacity = 259;

// The changes of a queue in a few words, however long it is: "50 new
// employees, 50 new W-2s, changed company".
QString DescribeChanges(const ChangeQueue& changes)
{
    static const char* const kinds[] = {"employee", "contractor", "W-2", "1099-MISC", "company"};
    static const char* const plurals[] = {"employees", "contractors", "W-2s", "1099-MISCs", "companies"};
    static const char* const operations[] = {"new", "deleted", "changed"};
    struct Count {
        int operation;
        int kind;
        int count;
    };
    std::vector<Count> counts;
    for (const ChangeRecord& change : changes) {
        const int operation = int(change.Operation);
        const int kind = int(change.Kind);
        auto it = std::find_if(counts.begin(), counts.end(),
                               [&](const Count& c) { return c.operation == operation && c.kind == kind; });
        if (it == counts.end())
            counts.push_back({operation, kind, 1});
        else
            ++it->count;
    }
    QStringList parts;
    for (const Count& c : counts)
        parts << (c.count == 1 ? QStringLiteral("%1 %2").arg(QLatin1String(operations[c.operation]),
                                                             QLatin1String(kinds[c.kind]))
                               : QStringLiteral("%1 %2 %3")
                                     .arg(c.count)
                                     .arg(QLatin1String(operations[c.operation]), QLatin1String(plurals[c.kind])));
    return parts.join(QStringLiteral(", "));
}

bool SameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

// Whether `file` is a store of the data folder `folder` (links resolved).
bool IsStoreOfFolder(const QFileInfo& file, const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return !canonical.isEmpty() && QFileInfo(file.absolutePath()).canonicalFilePath() == canonical
        && file.fileName().endsWith(QLatin1String(kStoreExtension), Qt::CaseInsensitive);
}

// The company the next start opens, in the data folder it is kept in.
void WriteLastActiveCompany(const QString& company, const QString& dataFolder)
{
    WriteSettingText(SettingsKeyPath(kKeyLastActiveCompany), QLatin1String(kLastActiveCompanyValue), company);
    WriteSettingText(SettingsKeyPath(kKeyDcomOptions), QLatin1String(kCompanyDataPathValue), dataFolder);
}

} // namespace

CGlobalDoc::CGlobalDoc(QObject* parent)
    : QObject(parent)
{
    DataFolder = DefaultDataFolder();
    connect(&editor_, &CompanyEditor::recordsChanged, this, [this](const ChangeQueue& changes) {
        unshownChanges_.insert(unshownChanges_.end(), changes.begin(), changes.end());
    });
}

CGlobalDoc::~CGlobalDoc() = default;

void CGlobalDoc::SetModified(int modified)
{
    const bool changed = (modified_ == 1) != (modified == 1);
    modified_ = modified;
    if (changed)
        emit modifiedChanged(modified_ == 1);
}

bool CGlobalDoc::RefuseWrite()
{
    if (CanWrite())
        return false;
    AppPrompt().Tell(writeRefusal_, PromptIcon::Exclamation);
    return true;
}

void CGlobalDoc::SetWriteRefusal(const QString& refusal)
{
    const bool changed = writeRefusal_.isEmpty() != refusal.isEmpty();
    writeRefusal_ = refusal;
    if (changed)
        emit writableChanged(CanWrite());
}

// ---- views ----

void CGlobalDoc::SetView(Screen screen, DocumentView* view)
{
    if (screen != Screen::None)
        views_[size_t(screen)] = view;
}

void CGlobalDoc::RefreshViews()
{
    unshownChanges_.clear();
    for (Screen screen : DocumentView::kRefreshOrder)
        if (DocumentView* view = views_[size_t(screen)])
            view->RefreshFromDocument(*this);
    emit viewsRefreshed();
}

void CGlobalDoc::RefreshChangedViews()
{
    // A view of thousands of rows that shows nothing changed is not
    // redrawn: saving one W-2 leaves the employee list as it is.
    const ChangeQueue changes = std::exchange(unshownChanges_, ChangeQueue());
    for (Screen screen : DocumentView::kRefreshOrder) {
        DocumentView* view = views_[size_t(screen)];
        if (view && std::any_of(changes.begin(), changes.end(),
                                [view](const ChangeRecord& change) { return view->Shows(change.Kind); }))
            view->RefreshFromDocument(*this);
    }
    emit viewsRefreshed();
}

// ---- title ----

void CGlobalDoc::SetCompanyTitle(const std::optional<QString>& name)
{
    if (name) {
        const QString cut = CutToCharacters(*name, kCompanyNameCapacity);
        if (IsUsableCompanyName(cut)) {
            CurrentCompanyName = cut;
        } else if (!unusableNameTold_) {
            unusableNameTold_ = true;
            AppPrompt().Tell(QStringLiteral("The employer name \"%1\" can't name a company file: a name must not be "
                                            "empty, hold a \"/\", or be only dots or blanks.\n\nThe company keeps "
                                            "its name \"%2\" and its file.")
                                 .arg(cut, CurrentCompanyName),
                             PromptIcon::Exclamation);
        }
    }
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
    unshownChanges_.clear();
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
    return !CompanyStoreCandidates(DataFolder, name).isEmpty();
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

SaveOutcome CGlobalDoc::WriteChanges(const std::vector<ChangeRecord>& changes, const CommitProgress& progress)
{
    // What was queued before the action stays queued when the user stops it.
    const ChangeQueue queuedBefore = progress ? queue_ : ChangeQueue();
    const int modifiedBefore = modified_;
    SetModified(1);
    for (const ChangeRecord& change : changes)
        QueueChange(change, false);
    const CommitResult result = CommitChanges(progress);
    if (result.cancelled) {
        queue_ = queuedBefore;
        SetModified(modifiedBefore);
        return SaveOutcome::Cancelled;
    }
    return result.Succeeded() ? SaveOutcome::Saved : SaveOutcome::Kept;
}

CommitResult CGlobalDoc::CommitChanges(const CommitProgress& progress)
{
    CommitResult result;
    if (modified_ == 0)
        return result;
    DropCancelledChanges(queue_);
    const QueueWrite written = queue_.empty() ? QueueWrite::Written
                               : CanWrite()   ? WriteQueue(progress)
                                              : QueueWrite::Failed;
    if (written == QueueWrite::Written) {
        result.written = int(queue_.size());
        queue_.clear();
        SetModified(0);
        return result;
    }
    if (written == QueueWrite::Cancelled) {
        // The user's own choice: nothing to report.
        result.cancelled = true;
        return result;
    }
    result.failed = queue_;
    SetModified(1);
    ReportFailedCommit(result);
    return result;
}

CGlobalDoc::QueueWrite CGlobalDoc::WriteQueue(const CommitProgress& progress)
{
    // Every commit opens the store anew (a store that vanished is not
    // created again empty) and writes the whole queue or nothing of it.
    store_.ForgetLastFailure();
    auto fail = [this] {
        writeFailure_ = store_.LastFailure().isEmpty()
                            ? QStringLiteral("a record to change or delete is no longer in the file")
                            : store_.LastFailure();
        store_.Rollback();
        return QueueWrite::Failed;
    };
    if (store_.OpenExisting(CurrentStorePath) != CompanyStore::kOk || store_.Begin() != CompanyStore::kOk)
        return fail();
    const int total = int(queue_.size());
    int done = 0;
    for (const ChangeRecord& change : queue_) {
        if (!WriteChange(change))
            return fail();
        if (progress && !progress(++done, total)) {
            store_.Rollback();
            return QueueWrite::Cancelled;
        }
    }
    if (store_.Commit() != CompanyStore::kOk)
        return fail();
    return QueueWrite::Written;
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
    // An update or delete that finds no row wrote nothing the user meant.
    if (change.Operation == ChangeOperation::Delete)
        return (store_.*statements.remove)(change.UniqueID) == CompanyStore::kOk && store_.ChangedRows() > 0;
    // The record at the change's index when it still carries the change's
    // id, else the one with that id (a change retried after the list moved on).
    const int index = FindRecordIndex(list, statements.id, change.ListIndex, change.UniqueID);
    if (index < 0)
        return true; // gone from memory: nothing left to write
    const Record& record = list[size_t(index)];
    if (change.Operation == ChangeOperation::Insert)
        return (store_.*statements.insert)(record, change.UniqueID) == CompanyStore::kOk;
    return (store_.*statements.update)(record, change.UniqueID) == CompanyStore::kOk && store_.ChangedRows() > 0;
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
        if (change.Operation == ChangeOperation::Insert)
            return store_.InsertCompany(data_.company, change.UniqueID) == CompanyStore::kOk;
        if (change.Operation != ChangeOperation::Update)
            return true; // a company is never deleted through the queue
        if (store_.UpdateCompany(data_.company) != CompanyStore::kOk)
            return false;
        // A store without its company row (written by other software) gets
        // the row, which is always id 1.
        return store_.ChangedRows() > 0 || store_.InsertCompany(data_.company, 1) == CompanyStore::kOk;
    }
    }
    return true;
}

void CGlobalDoc::ReportFailedCommit(const CommitResult& result)
{
    commitFailure_ = CanWrite() ? QStringLiteral("Formlark could not save your changes (%1) to the company file "
                                                 "\"%2\", so none of them was written: %3.")
                                      .arg(DescribeChanges(result.failed), QDir::toNativeSeparators(CurrentStorePath),
                                           writeFailure_)
                                : writeRefusal_;
    AppPrompt().Tell(commitFailure_ +
                         QStringLiteral("\n\nYour entries are kept. Use Save on the Company menu to try again."),
                     PromptIcon::Exclamation);
}

void CGlobalDoc::ReportUnreadableStore(const QString& path)
{
    // What the file is when it is no store (empty, a text file, a header
    // alone ...), else why the store could not be read.
    QString reason = StoreFileProblem(path);
    if (reason.isEmpty())
        reason = store_.LastFailure();
    AppPrompt().Tell(UnreadableStoreMessage(path, reason), PromptIcon::Stop);
}

// ---- start and end of a run ----

bool CGlobalDoc::OpenFirstCompany(const QString& commandLineFile)
{
    const QString settingsProblem = SettingsFileProblem();
    if (!settingsProblem.isEmpty())
        AppPrompt().Tell(settingsProblem + QStringLiteral("\n\nFormlark starts with its default settings and can't "
                                                          "keep any settings until that file is an ordinary file "
                                                          "again (or is removed)."),
                         PromptIcon::Exclamation);
    DataFolder = ReadDataFolder();
    const QString sample = QLatin1String(kSampleCompanyName);
    const QString lastActive =
        ReadSettingText(SettingsKeyPath(kKeyLastActiveCompany), QLatin1String(kLastActiveCompanyValue), sample);
    ReadPrintOptions();

    // The stores to try, in order. A company file named on the command line
    // takes the last active company's place: it is the first company itself
    // when it opens without a question (a store of this edition in the data
    // folder), else it opens after the start, over the Sample Company.
    QStringList files;
    if (commandLineFile.isEmpty()) {
        files << FindCompanyStoreFile(DataFolder, lastActive);
    } else {
        const QFileInfo given(commandLineFile);
        if (IsStoreOfFolder(given, DataFolder) && StoreFileKindOf(commandLineFile) == StoreFileKind::Current)
            files << given.fileName();
    }
    files << FindCompanyStoreFile(DataFolder, sample);
    if (!commandLineFile.isEmpty())
        files << FindCompanyStoreFile(DataFolder, lastActive);
    files.removeAll(QString());
    files.removeDuplicates();

    // A company that can't be read is said once and passed over: the one
    // opened instead is the last active company from now on. A store of the
    // earlier editions opens once it is converted; when the user doesn't
    // want that, the next one opens instead.
    bool declined = false;
    for (const QString& file : files) {
        const QString path = DataFolder + file;
        if (!OpensAsCurrent(path)) {
            declined = true;
            continue;
        }
        // The name as the file spells it, so the store keeps its name at the end.
        if (ReadCompany(path, CompanyNameOfStoreFile(file))) {
            FirstOpen = false;
            return true;
        }
        ReportUnreadableStore(path);
    }
    if (declined) {
        AppPrompt().Tell(QStringLiteral("Formlark can't start: the company to open was saved by an earlier edition "
                                        "of the program and was not converted."),
                         PromptIcon::Stop);
    } else if (files.isEmpty()) {
        const QString missing =
            lastActive.compare(sample, Qt::CaseInsensitive) == 0
                ? QStringLiteral("the company \"%1\"").arg(sample)
                : QStringLiteral("neither the company \"%1\" nor the \"%2\"").arg(lastActive, sample);
        AppPrompt().Tell(QStringLiteral("Formlark can't start: the data folder \"%1\" holds %2.\n\nChoose another "
                                        "data folder in the settings file \"%3\", or restore the company files.")
                             .arg(QDir::toNativeSeparators(DataFolder), missing,
                                  QDir::toNativeSeparators(SettingsFilePath())),
                         PromptIcon::Stop);
    }
    return false;
}

bool CGlobalDoc::IsOpenStore(const QString& path) const
{
    return !CurrentStorePath.isEmpty() && SameFile(path, CurrentStorePath);
}

bool CGlobalDoc::LoadCurrentCompany()
{
    return ReadCompany(CurrentStorePath, CurrentCompanyName);
}

bool CGlobalDoc::ReadCompany(const QString& path, const QString& name)
{
    // The store is locked before it is read, so that no other program
    // changes it meanwhile; the open company keeps its own lock (and
    // everything else) until the new one has been read whole. Reading the
    // open company again keeps the lock it holds.
    std::unique_ptr<StoreLock> lock;
    StoreLock::Result locked = StoreLock::Result::Taken;
    if (!lock_->Held() || !SameFile(path, CurrentStorePath)) {
        lock = std::make_unique<StoreLock>();
        locked = lock->Take(path);
    }
    // What a killed program left beside the store goes while nobody else
    // has the company open.
    if (locked == StoreLock::Result::Taken)
        RemoveStoreLeftovers(path);
    CompanyData read;
    const bool loaded = LoadCompany(store_, path, read) == CompanyStore::kOk;
    // The records read are moved into the document: the store must not
    // keep pointing at them.
    store_.SetTargets(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    if (!loaded)
        return false; // the caller tells why; the new lock goes with `lock`

    ClearCompanyData();
    data_ = std::move(read);
    if (lock)
        std::swap(lock_, lock); // the lock of the company left goes with `lock`
    CurrentCompanyName = name;
    CurrentStorePath = path;
    SetCompanyTitle();
    unusableNameTold_ = false;
    const QString file = QDir::toNativeSeparators(CurrentStorePath);
    const QString otherName = OtherNameOfStore(DataFolder, CurrentStorePath);
    if (locked == StoreLock::Result::HeldElsewhere) {
        SetWriteRefusal(QStringLiteral("The company \"%1\" is open in another Formlark window, so nothing can be "
                                       "changed or saved here. Close it there and open it here again to make "
                                       "changes.")
                            .arg(CurrentCompanyName));
        AppPrompt().Tell(QStringLiteral("The company \"%1\" is open in another Formlark window.\n\nYou can look at "
                                        "it and print its forms here, but nothing can be changed or saved. To make "
                                        "changes, close it there and open it here again.")
                             .arg(CurrentCompanyName),
                         PromptIcon::Information);
    } else if (!otherName.isEmpty()) {
        // Two companies on one file would each write it from their own copy.
        SetWriteRefusal(QStringLiteral("The company file \"%1\" is the same file as \"%2\" in the data folder (a "
                                       "second name of it), so nothing can be saved to it under either name. Remove "
                                       "one of the two names to make changes.")
                            .arg(file, otherName));
        AppPrompt().Tell(writeRefusal_ + QStringLiteral("\n\nYou can look at the company and print its forms."),
                         PromptIcon::Exclamation);
    } else if (const QString folderProblem = DataFolderWriteProblem(DataFolder); !folderProblem.isEmpty()) {
        SetWriteRefusal(folderProblem);
        AppPrompt().Tell(folderProblem, PromptIcon::Exclamation);
    } else {
        SetWriteRefusal(QString());
    }
    const FormOwnerCheck owners = CheckFormOwners(data_);
    if (!owners.AllMatch())
        AppPrompt().Tell(QStringLiteral("In the company file of \"%1\" not every form matches its owner: %2.\n\n"
                                        "Forms without an owner are neither printed nor counted in the W-3 and 1096 "
                                        "totals; an employee or contractor without a form prints with empty boxes "
                                        "and gets a form when one is saved for them.")
                             .arg(CurrentCompanyName, owners.Describe()),
                         PromptIcon::Exclamation);
    return true;
}

bool CGlobalDoc::SaveModified()
{
    // What is typed into a screen but not yet in the document first.
    for (Screen screen : DocumentView::kRefreshOrder)
        if (DocumentView* view = views_[size_t(screen)])
            if (!view->OfferToSaveTypedEntries())
                return false;
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
    if (!CanWrite()) {
        // Not this program's to move: the settings name it where it is.
        const QFileInfo store(CurrentStorePath);
        const bool inDataFolder = SameFile(CurrentStorePath, DataFolder + store.fileName());
        if (inDataFolder)
            WriteLastActiveCompany(CompanyNameOfStoreFile(store.fileName()), DataFolder);
        WritePrintOptions();
        lock_->Release();
        return inDataFolder;
    }
    const QString target = DataFolder + CurrentCompanyName + QLatin1String(kStoreExtension);
    bool moved = SameFile(CurrentStorePath, target);
    if (!moved && IsUsableCompanyName(CurrentCompanyName) && QFileInfo(CurrentStorePath).isFile()) {
        // Never over another company's store, whatever the letter case.
        const QStringList existing = CompanyStoreCandidates(DataFolder, CurrentCompanyName);
        if (std::all_of(existing.begin(), existing.end(),
                        [&](const QString& file) { return SameFile(DataFolder + file, CurrentStorePath); }))
            moved = QFile::rename(CurrentStorePath, target);
    }
    if (moved) {
        CurrentStorePath = target;
        WriteLastActiveCompany(CurrentCompanyName, DataFolder);
    } else {
        AppPrompt().Tell(QStringLiteral("The company file \"%1\" could not be renamed to \"%2\", because that file "
                                        "exists already or can't be written. It keeps its present name.")
                             .arg(QDir::toNativeSeparators(CurrentStorePath), QDir::toNativeSeparators(target)),
                         PromptIcon::Exclamation);
    }
    WritePrintOptions();
    // Let go only now: until the file has its new name, no other program
    // may take it up.
    lock_->Release();
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
    // Blanks around the name would only make two companies look alike.
    const QString name = CutToCharacters(entered->trimmed(), kCompanyNameCharacters).trimmed();
    if (!IsUsableCompanyName(name)) {
        AppPrompt().Tell(QLatin1String(DocumentMessages::kNewCompanyName));
        return;
    }
    WritePrintOptions();

    const NewCompanyStore made = CreateCompanyStore(DataFolder, name);
    const QString path = DataFolder + made.storeFile;
    switch (made.result) {
    case NewCompanyStore::Result::Ambiguous:
        AppPrompt().Tell(AmbiguousCompanyMessage(name, made.candidates), PromptIcon::Exclamation);
        return;
    case NewCompanyStore::Result::Failed:
        AppPrompt().Tell(QStringLiteral("The company file \"%1\" could not be created.")
                             .arg(QDir::toNativeSeparators(path)),
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
        SetModified(1);
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
    const QString path = StorePathFor(names.at(*chosen));
    if (OpensAsCurrent(path))
        OpenStore(path);
}

void CGlobalDoc::OnOpenFile(const QString& path, CompanyDialogs& dialogs)
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
    if (IsStoreOfFolder(info, DataFolder)) {
        const QString store = DataFolder + info.fileName();
        if (OpensAsCurrent(store))
            OpenStore(store);
        return;
    }
    // From elsewhere: the original stays where it is, untouched.
    if (kind == StoreFileKind::Earlier
        && !AppPrompt().AskYesNo(QString::fromLatin1(DocumentMessages::kConvertEarlierStore).arg(shown)))
        return;
    QString name = CutToCharacters(CompanyNameOfFile(info.fileName()), kCompanyNameCapacity);
    while (!IsUsableCompanyName(name) || CompanyStoreExists(name)) {
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

QString CGlobalDoc::BringIntoDataFolder(const QString& source, const QString& name)
{
    const QString target = DataFolder + name + QLatin1String(kStoreExtension);
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
    case CopyOutcome::Copied: return target;
    case CopyOutcome::TargetExists:
        AppPrompt().Tell(QStringLiteral("A company \"%1\" appeared in the data folder meanwhile; nothing was copied.")
                             .arg(name),
                         PromptIcon::Exclamation);
        break;
    case CopyOutcome::Failed:
        AppPrompt().Tell(QStringLiteral("The company file \"%1\" could not be copied into the data folder \"%2\".")
                             .arg(shown, QDir::toNativeSeparators(DataFolder)),
                         PromptIcon::Stop);
        break;
    }
    return QString();
}

bool CGlobalDoc::OpenStore(const QString& path)
{
    if (!ReadCompany(path, CompanyNameOfStoreFile(QFileInfo(path).fileName()))) {
        // The company open before stays open, as it was.
        ReportUnreadableStore(path);
        return false;
    }
    WritePrintOptions();
    RefreshViews();
    SetModified(0);
    emit navigateRequested(0);
    return true;
}

// How many values a question lists that a conversion can't keep exactly.
constexpr int kChangesListed = 12;

bool CGlobalDoc::EarlierStoreConvertible(const QString& path)
{
    StoredValueChanges changes;
    QString problem;
    if (PreviewConversion(path, changes, &problem))
        return true;
    AppPrompt().Tell(problem, PromptIcon::Stop);
    return false;
}

CGlobalDoc::Conversion CGlobalDoc::OfferConversion(const QString& path)
{
    if (StoreFileKindOf(path) != StoreFileKind::Earlier)
        return Conversion::NotNeeded;
    const QString kept = KeptOriginalPath(path);
    // Read first: a store that can't be converted is refused with its
    // reason before anyone is asked, and what a conversion would not keep
    // exactly is said in the question.
    QString problem;
    StoredValueChanges changes;
    if (!PreviewConversion(path, changes, &problem)) {
        AppPrompt().Tell(problem, PromptIcon::Stop);
        return Conversion::Failed;
    }
    QString question = QString::fromLatin1(DocumentMessages::kConvertEarlierStore).arg(QFileInfo(kept).fileName());
    if (!changes.empty())
        question += QStringLiteral("\n\nThese values can't be kept exactly as the file has them (the original "
                                   "keeps them):\n")
            + DescribeStoredValueChanges(changes, kChangesListed).join(u'\n');
    if (!AppPrompt().AskYesNo(question))
        return Conversion::Declined;
    if (!ConvertEarlierStore(path, kept, &problem)) {
        AppPrompt().Tell(problem, PromptIcon::Stop);
        return Conversion::Failed;
    }
    return Conversion::Converted;
}

bool CGlobalDoc::OpensAsCurrent(const QString& path)
{
    const Conversion conversion = OfferConversion(path);
    return conversion == Conversion::NotNeeded || conversion == Conversion::Converted;
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
