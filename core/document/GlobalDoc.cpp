#include "core/document/GlobalDoc.h"

#include "core/document/DocumentMessages.h"

#include "core/companyfiles/CompanyFiles.h"
#include "core/prompt/Prompt.h"
#include "core/settings/Settings.h"
#include "core/store/EarlierStoreReader.h"
#include "core/store/FixedText.h"
#include "core/store/RecordLookup.h"
#include "core/store/StoreFileKind.h"
#include "core/store/StoreFileNames.h"
#include "core/store/StoreLeftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {

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

} // namespace

CGlobalDoc::CGlobalDoc(QObject* parent)
    : QObject(parent)
    , dataFolder_(DefaultDataFolder())
{
    connect(&editor_, &CompanyEditor::recordsChanged, this, [this](const ChangeQueue& changes) {
        unshownChanges_.insert(unshownChanges_.end(), changes.begin(), changes.end());
    });
}

CGlobalDoc::~CGlobalDoc() = default;

void CGlobalDoc::SetCurrentCompany(const QString& name, const QString& storePath)
{
    currentCompanyName_ = name;
    currentStorePath_ = storePath;
}

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
        if (view && std::any_of(changes.begin(), changes.end(), [view](const ChangeRecord& change) {
                return view->Shows(change.Kind);
            }))
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
            currentCompanyName_ = cut;
        } else if (!unusableNameTold_) {
            unusableNameTold_ = true;
            AppPrompt().Tell(QStringLiteral("The employer name \"%1\" can't name a company file: a name must not be "
                                            "empty, hold a \"/\", or be only dots or blanks.\n\nThe company keeps "
                                            "its name \"%2\" and its file.")
                                 .arg(cut, currentCompanyName_),
                             PromptIcon::Exclamation);
        }
    }
    emit titleChanged(Title());
}

QString CGlobalDoc::Title() const
{
    return currentCompanyName_ + QStringLiteral(" - ") + QLatin1String(kApplicationTitle);
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

bool CGlobalDoc::CompanyStoreExists(const QString& name) const
{
    return !CompanyStoreCandidates(dataFolder_, name).isEmpty();
}

QString CGlobalDoc::StorePathFor(const QString& name) const
{
    const QString actual = FindCompanyStoreFile(dataFolder_, name);
    return dataFolder_ + (actual.isEmpty() ? name + QLatin1String(kStoreExtension) : actual);
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
    if (store_.OpenExisting(currentStorePath_) != CompanyStore::kOk || store_.Begin() != CompanyStore::kOk)
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
                                      .arg(DescribeChanges(result.failed), QDir::toNativeSeparators(currentStorePath_),
                                           writeFailure_)
                                : writeRefusal_;
    AppPrompt().Tell(commitFailure_
                         + QStringLiteral("\n\nYour entries are kept. Use Save on the Company menu to try again."),
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

// ---- opening and closing ----

bool CGlobalDoc::IsOpenStore(const QString& path) const
{
    return !currentStorePath_.isEmpty() && SameFile(path, currentStorePath_);
}

bool CGlobalDoc::LoadCurrentCompany()
{
    return ReadCompany(currentStorePath_, currentCompanyName_);
}

bool CGlobalDoc::ReadCompany(const QString& path, const QString& name)
{
    // The store is locked before it is read, so that no other program
    // changes it meanwhile; the open company keeps its own lock (and
    // everything else) until the new one has been read whole. Reading the
    // open company again keeps the lock it holds.
    std::unique_ptr<StoreLock> lock;
    StoreLock::Result locked = StoreLock::Result::Taken;
    if (!lock_->Held() || !SameFile(path, currentStorePath_)) {
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
    firstOpen_ = false;
    currentCompanyName_ = name;
    currentStorePath_ = path;
    SetCompanyTitle();
    unusableNameTold_ = false;
    const QString file = QDir::toNativeSeparators(currentStorePath_);
    const QString otherName = OtherNameOfStore(dataFolder_, currentStorePath_);
    if (locked == StoreLock::Result::HeldElsewhere) {
        SetWriteRefusal(QStringLiteral("The company \"%1\" is open in another Formlark window, so nothing can be "
                                       "changed or saved here. Close it there and open it here again to make "
                                       "changes.")
                            .arg(currentCompanyName_));
        AppPrompt().Tell(QStringLiteral("The company \"%1\" is open in another Formlark window.\n\nYou can look at "
                                        "it and print its forms here, but nothing can be changed or saved. To make "
                                        "changes, close it there and open it here again.")
                             .arg(currentCompanyName_),
                         PromptIcon::Information);
    } else if (!otherName.isEmpty()) {
        // Two companies on one file would each write it from their own copy.
        SetWriteRefusal(QStringLiteral("The company file \"%1\" is the same file as \"%2\" in the data folder (a "
                                       "second name of it), so nothing can be saved to it under either name. Remove "
                                       "one of the two names to make changes.")
                            .arg(file, otherName));
        AppPrompt().Tell(writeRefusal_ + QStringLiteral("\n\nYou can look at the company and print its forms."),
                         PromptIcon::Exclamation);
    } else if (const QString folderProblem = DataFolderWriteProblem(dataFolder_); !folderProblem.isEmpty()) {
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
                             .arg(currentCompanyName_, owners.Describe()),
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

void CGlobalDoc::CloseStore()
{
    store_.Close();
}

void CGlobalDoc::ReleaseLock()
{
    lock_->Release();
}
