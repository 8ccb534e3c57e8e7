#pragma once

#include "core/document/DocumentView.h"
#include "core/document/ChangeRecord.h"
#include "core/document/CommitProgress.h"
#include "core/document/CompanyEditor.h"
#include "core/document/EditedCompany.h"
#include "core/document/PrintOptionSettings.h"
#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"
#include "core/store/StoreLock.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

template <class Record>
struct RecordStatements;

// Result of writing the queued changes to the store.
struct CommitResult {
    int written = 0;
    ChangeQueue failed;     // changes the store refused; they stay queued
    bool cancelled = false; // stopped through the progress hook: nothing written, all stay queued
    bool Succeeded() const { return failed.empty() && !cancelled; }
};

// The open company: its store and lock, every record of it in memory, the
// queue of changes on their way to the store and their commit, the views
// that show it, and the print options of the four form kinds. The company
// commands (CompanyCommands) and the start and end of a run (RunStart,
// RunEnd) work through it. One exists for the life of the program.
class CGlobalDoc : public QObject, public EditedCompany {
    Q_OBJECT

public:
    explicit CGlobalDoc(QObject* parent = nullptr);
    ~CGlobalDoc() override;

    // ---- state ----
    // The folder of the company stores; always ends in "/".
    const QString& DataFolder() const { return dataFolder_; }
    void SetDataFolder(const QString& folder) { dataFolder_ = folder; }
    // True until the first company has been opened.
    bool FirstOpen() const { return firstOpen_; }
    // The open company's name (at most 259 characters).
    const QString& CurrentCompanyName() const { return currentCompanyName_; }
    // Its store file, fixed when it was opened (or moved at the end of a run).
    const QString& CurrentStorePath() const { return currentStorePath_; }
    // Names the company and store the document stands for, without reading
    // them (see LoadCurrentCompany).
    void SetCurrentCompany(const QString& name, const QString& storePath);

    CompanyStore& Store() { return store_; }
    CompanyData& Data() override { return data_; }
    CompanyRecord& Company() { return data_.company; }
    EmployeeList& Employees() { return data_.employees; }
    ContractorList& Contractors() { return data_.contractors; }
    W2List& W2Forms() { return data_.w2s; }
    Form1099List& Forms1099() { return data_.forms1099; }
    W3List& W3Rows() { return data_.w3s; }
    Form1096Record& Form1096Values() { return data_.form1096; }
    // The print options of the four form kinds (kept with the settings).
    PrintOptionSettings& PrintOptions() { return printOptions_; }
    PrintW2Options& W2PrintOptions() { return printOptions_.W2(); }
    PrintW3Options& W3PrintOptions() { return printOptions_.W3(); }
    Print1099Options& Form1099PrintOptions() { return printOptions_.Form1099(); }
    Print1096Options& Form1096PrintOptions() { return printOptions_.Form1096(); }
    const ChangeQueue& PendingChanges() const { return queue_; }
    // The operations by which the screens change the company.
    CompanyEditor& Editor() { return editor_; }

    int Modified() const { return modified_; }
    void SetModified(int modified);

    // ---- writing ----
    // Whether changes of the open company may be written: not while another
    // program has the company open (this one may only look and print), nor
    // when its store could not be read.
    bool CanWrite() const override { return writeRefusal_.isEmpty(); }
    // Why not, as told to the user; empty when writing is allowed.
    const QString& WriteRefusal() const override { return writeRefusal_; }
    // Tells the user why nothing can be written and returns true, or returns
    // false when writing is allowed.
    bool RefuseWrite() override;

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
    void SetCompanyTitle(const std::optional<QString>& name = std::nullopt) override;
    QString Title() const;

    // ---- records ----
    // Forgets the open company's records (reset company row, empty lists)
    // and tells the views.
    void ClearCompanyData();
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
    SaveOutcome WriteChanges(const std::vector<ChangeRecord>& changes, const CommitProgress& progress = {}) override;
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

    // ---- opening and closing ----
    // Whether `path` names the store of the open company.
    bool IsOpenStore(const QString& path) const;
    // Loads the company of CurrentStorePath(); see ReadCompany.
    bool LoadCurrentCompany();
    // Reads the company of the store `path` whole, takes its lock, and only
    // then makes it the open company named `name` (the views are told its
    // records were dropped; the caller refreshes them). A company open in
    // another program is loaded for looking and printing only (the user is
    // told); a store whose forms don't all match their owners is loaded as
    // it is (the user is told). When the store can't be read nothing
    // changes: the company open before stays open with its lock, and false
    // is returned (the caller tells the user, see ReportUnreadableStore).
    bool ReadCompany(const QString& path, const QString& name);
    // Tells the user why the store `path` could not be read.
    void ReportUnreadableStore(const QString& path);
    // Asked before the document closes or switches company: the views first
    // offer to save what is typed into them, then the save question when
    // modified. False keeps the program running (or the company open).
    bool SaveModified();
    // Closes the store file (the lock stays; see ReleaseLock).
    void CloseStore();
    // The store of the open company now is at `path` (moved at the end of a
    // run).
    void StoreMoved(const QString& path) { currentStorePath_ = path; }
    // Lets other programs take the open company.
    void ReleaseLock();
    // Enabled rule of Save.
    bool CanSave() const { return modified_ == 1 && CanWrite(); }

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
    void SetWriteRefusal(const QString& refusal);
    enum class QueueWrite { Written, Failed, Cancelled };
    QueueWrite WriteQueue(const CommitProgress& progress);
    bool WriteChange(const ChangeRecord& change);
    template <class Record>
    bool WriteRecordChange(const ChangeRecord& change, const std::vector<Record>& list,
                           const RecordStatements<Record>& statements);
    void ReportFailedCommit(const CommitResult& result);

    QString dataFolder_;
    bool firstOpen_ = true;
    QString currentCompanyName_;
    QString currentStorePath_;
    CompanyStore store_;
    std::unique_ptr<StoreLock> lock_ = std::make_unique<StoreLock>();
    QString writeRefusal_;
    QString writeFailure_;  // why the store refused the last commit
    QString commitFailure_; // see CommitFailure()
    bool unusableNameTold_ = false;
    CompanyData data_;
    PrintOptionSettings printOptions_;
    ChangeQueue queue_;
    int modified_ = 0;
    std::array<DocumentView*, kScreenCount> views_{};
    ChangeQueue unshownChanges_; // changed since the views were handed the document
    CompanyEditor editor_{*this};
};
