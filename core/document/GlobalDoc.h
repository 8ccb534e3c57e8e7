#pragma once

#include "core/document/DocumentView.h"
#include "core/document/ChangeRecord.h"
#include "core/document/CommitProgress.h"
#include "core/document/CompanyEditor.h"
#include "core/print/ContractorPrintOptions.h"
#include "core/print/WagePrintOptions.h"
#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"
#include "core/store/StoreLock.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

class CompanyDialogs;
template <class Record>
struct RecordStatements;

// Result of writing the queued changes to the store.
struct CommitResult {
    int written = 0;
    ChangeQueue failed; // changes the store refused; they stay queued
    bool cancelled = false; // stopped through the progress hook: nothing written, all stay queued
    bool Succeeded() const { return failed.empty() && !cancelled; }
};

// The open company: its store, every record of it in memory, the print
// options of the four form kinds, the queue of changes on their way to the
// store, and the company commands (New, Open, Save, Delete) with the start
// and end of a run. One exists for the life of the program.
class CGlobalDoc : public QObject {
    Q_OBJECT

public:
    explicit CGlobalDoc(QObject* parent = nullptr);
    ~CGlobalDoc() override;

    // ---- state ----
    QString DataFolder;          // always ends in "/"
    bool FirstOpen = true;       // until the first company has been opened
    QString CurrentCompanyName;  // the open company's name (at most 259 characters)
    QString CurrentStorePath;    // its store file, fixed when it was opened

    CompanyStore& Store() { return store_; }
    CompanyData& Data() { return data_; }
    CompanyRecord& Company() { return data_.company; }
    EmployeeList& Employees() { return data_.employees; }
    ContractorList& Contractors() { return data_.contractors; }
    W2List& W2Forms() { return data_.w2s; }
    Form1099List& Forms1099() { return data_.forms1099; }
    W3List& W3Rows() { return data_.w3s; }
    Form1096Record& Form1096Values() { return data_.form1096; }
    PrintW2Options& W2PrintOptions() { return printW2_; }
    PrintW3Options& W3PrintOptions() { return printW3_; }
    Print1099Options& Form1099PrintOptions() { return print1099_; }
    Print1096Options& Form1096PrintOptions() { return print1096_; }
    const QStringList& CompanyNames() const { return companyNames_; }
    const ChangeQueue& PendingChanges() const { return queue_; }
    // The operations by which the screens change the company.
    CompanyEditor& Editor() { return editor_; }

    int Modified() const { return modified_; }
    void SetModified(int modified);

    // ---- writing ----
    // Whether changes of the open company may be written: not while another
    // program has the company open (this one may only look and print), nor
    // when its store could not be read.
    bool CanWrite() const { return writeRefusal_.isEmpty(); }
    // Why not, as told to the user; empty when writing is allowed.
    const QString& WriteRefusal() const { return writeRefusal_; }
    // Tells the user why nothing can be written and returns true, or returns
    // false when writing is allowed.
    bool RefuseWrite();

    // ---- views ----
    // Registers the view of `screen` (not owned; nullptr removes it).
    void SetView(Screen screen, DocumentView* view);
    // Hands the document to every view, in their refresh order.
    void RefreshViews();
    // Hands the document to the views that show a kind of record changed
    // since the views were last handed it (see CompanyEditor's
    // recordsChanged), in their refresh order.
    void RefreshChangedViews();

    // ---- title ----
    // Makes `name` the company's name when given; the window title follows.
    // The name also names the store file at the end of the run, so a name
    // that can't name a file of the data folder (a "/", only dots or blanks)
    // is not taken: the company keeps its name and the user is told, once
    // for each company opened.
    void SetCompanyTitle(const std::optional<QString>& name = std::nullopt);
    QString Title() const;

    // ---- records ----
    // Forgets the open company's records (reset company row, empty lists)
    // and tells the views.
    void ClearCompanyData();
    // Lists the company stores of `folder` into CompanyNames(); see
    // ListCompanyStores.
    bool EnumerateCompanies(const QString& folder, bool stripExtension);
    // Whether the data folder holds the store of `name`, any letter case.
    bool CompanyStoreExists(const QString& name) const;

    // ---- changes ----
    // Queues a change (commit now: write it and all queued ones at once).
    CommitResult QueueChange(ChangeRecord change, bool commitNow = true);
    // The changes of one confirmed user action: marks the document modified
    // and writes them, with any still queued, at once. When `progress`
    // stops the writing, the store is rolled back, the action's changes
    // leave the queue and the modified flag is as before (Cancelled); the
    // caller takes the action's records out of memory.
    SaveOutcome WriteChanges(const std::vector<ChangeRecord>& changes, const CommitProgress& progress = {});
    // Writes the queued changes on a freshly opened store in one
    // transaction: all of them or none. When any is refused, none is
    // written, all stay queued and the document stays modified, so a later
    // Save tries them again; the user is told. An update or delete that
    // finds no row counts as refused. `progress` hears of every change
    // written and may stop the commit (rolled back, all stay queued).
    CommitResult CommitChanges(const CommitProgress& progress = {});
    // What the last commit that failed could not write and why, in one
    // sentence naming the company file and the system's reason (the window
    // adds its advice to it when it tells the user).
    const QString& CommitFailure() const { return commitFailure_; }

    // ---- start and end of a run ----
    // The first open: reads the settings (data folder, last active company,
    // print options) and loads that company, or "Sample Company" when that
    // one is missing or can't be read (the user is told which and why). A
    // company file named on the command line (`commandLineFile`) stands in
    // for the last active company: it is the first company when it is a
    // store of this edition in the data folder, else the Sample Company is
    // and the file is for OnOpenFile after the start. False, with the user
    // told why, when no company at all could be opened: the program should
    // end.
    bool OpenFirstCompany(const QString& commandLineFile = QString());
    // Whether `path` names the store of the open company.
    bool IsOpenStore(const QString& path) const;
    // Loads the company of CurrentStorePath; see ReadCompany.
    bool LoadCurrentCompany();
    // Asked before the document closes or switches company: the views first
    // offer to save what is typed into them, then the save question when
    // modified. False keeps the program running (or the company open).
    bool SaveModified();
    // The end of a run: closes the store, moves it to the company's current
    // name (and data folder), writes the settings when that worked, and the
    // print options; then lets go of the company's lock. A company this
    // program could not write stays where it is. Returns whether the store
    // is where the settings now say.
    bool CloseDocument();

    // ---- company commands ----
    void OnNewCompany(CompanyDialogs& dialogs);
    void OnOpenCompany(CompanyDialogs& dialogs);
    void OnDeleteCompany(CompanyDialogs& dialogs);
    void OnSave();
    // Opens the company store `path` named on the command line (the file
    // manager's "Open with"): a store of the data folder as itself; a file
    // elsewhere is brought into the data folder first, under its own name
    // or, when that can't be used there, a name the user gives, and never
    // over a store. A store of the earlier editions is converted when the
    // user agrees; its original is never changed.
    void OnOpenFile(const QString& path, CompanyDialogs& dialogs);
    // Enabled rules of the menu commands.
    bool CanSave() const { return modified_ == 1 && CanWrite(); }
    bool CanDeleteCompany();

    // Print options to and from the settings store.
    void ReadPrintOptions();
    void WritePrintOptions();

    // The store path of company `name` in the data folder.
    QString StorePathFor(const QString& name) const;

signals:
    void titleChanged(const QString& title);
    void modifiedChanged(bool modified);
    // Writing became allowed or refused (another company was opened).
    void writableChanged(bool writable);
    // The main window is asked to show the screen with this navigation index.
    void navigateRequested(int index);
    // Every view has been handed the document: after a change of the
    // company or a switch to another.
    void viewsRefreshed();

private:
    enum class Conversion { NotNeeded, Converted, Declined, Failed };
    // For a store of the earlier editions at `path`: asks whether to
    // convert it (the original kept beside it) and does so; tells the user
    // why when that fails.
    Conversion OfferConversion(const QString& path);
    // Whether the store of the earlier editions at `path` can be read (and
    // so converted); tells the user why not.
    bool EarlierStoreConvertible(const QString& path);
    // Whether the store at `path` is (now) one this program opens.
    bool OpensAsCurrent(const QString& path);
    // Brings the company file `source` from outside the data folder in as
    // company `name`: converted or copied. Returns the new store, or an
    // empty text when nothing was brought in.
    QString BringIntoDataFolder(const QString& source, const QString& name);
    // Reads the company of the store `path` whole, takes its lock, and only
    // then makes it the open company named `name` (the views are told its
    // records were dropped; the caller refreshes them). A company open in
    // another program is loaded for looking and printing only (the user is
    // told); a store whose forms don't all match their owners is loaded as
    // it is (the user is told). When the store can't be read nothing
    // changes: the company open before stays open with its lock, and false
    // is returned (the caller tells the user).
    bool ReadCompany(const QString& path, const QString& name);
    // Makes the store `path` of the data folder the open company, or tells
    // the user why it can't be read and keeps the open one (false).
    bool OpenStore(const QString& path);
    bool AskSaveChangesFirst();
    void SetWriteRefusal(const QString& refusal);
    enum class QueueWrite { Written, Failed, Cancelled };
    QueueWrite WriteQueue(const CommitProgress& progress);
    bool WriteChange(const ChangeRecord& change);
    template <class Record>
    bool WriteRecordChange(const ChangeRecord& change, const std::vector<Record>& list,
                           const RecordStatements<Record>& statements);
    void ReportFailedCommit(const CommitResult& result);
    void ReportUnreadableStore(const QString& path);

    CompanyStore store_;
    std::unique_ptr<StoreLock> lock_ = std::make_unique<StoreLock>();
    QString writeRefusal_;
    QString writeFailure_;  // why the store refused the last commit
    QString commitFailure_; // see CommitFailure()
    bool unusableNameTold_ = false;
    CompanyData data_;
    PrintW2Options printW2_;
    PrintW3Options printW3_;
    Print1099Options print1099_;
    Print1096Options print1096_;
    QStringList companyNames_;
    ChangeQueue queue_;
    int modified_ = 0;
    std::array<DocumentView*, kScreenCount> views_{};
    ChangeQueue unshownChanges_; // changed since the views were handed the document
    CompanyEditor editor_{*this};
};

// Messages of the company commands.
namespace DocumentMessages {
inline constexpr char kSaveChanges[] = "Do you want to save the changes you made to this Company?";
inline constexpr char kCompanyExists[] = "This company already exists";
inline constexpr char kCantDeleteOpenCompany[] = "You can't delete currently opened company.";
inline constexpr char kConfirmDelete[] = "Are you sure you want to delete this company?";
inline constexpr char kNewCompanyName[] = "Please enter a name for the new company";
// %1: where the original file is kept.
inline constexpr char kConvertEarlierStore[] =
    "This company was saved by an earlier edition of the program. Convert it now? The original file is kept as "
    "%1.";
} // namespace DocumentMessages
