// The company document: first open and end of a run, the change queue and
// its failures, and the company commands on real store files.
#include "core/document/CompanyDialogs.h"
#include "core/document/CompanyFiles.h"
#include "core/document/GlobalDoc.h"
#include "core/settings/Settings.h"
#include "core/store/CompanyData.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TestFolders.h"
#include "tests/support/TestStores.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString kLastCompanyKey = SettingsKeyPath(kKeyLastActiveCompany);
const QString kDataPathKey = SettingsKeyPath(kKeyDcomOptions);

int RowCount(const QString& path, const char* table)
{
    CompanyStore store;
    int count = -1;
    if (store.OpenExisting(path) == 0)
        store.Execute(QByteArray("SELECT count(*) FROM ") + table, [&](int, char** v, char**) {
            count = atoi(v[0]);
            return 0;
        });
    return count;
}

class ScriptedDialogs : public CompanyDialogs {
public:
    std::optional<QString> newName;
    QString selectName; // chosen by name; empty = cancel
    QStringList offered;

    std::optional<QString> AskNewCompanyName() override { return newName; }
    std::optional<int> SelectCompany(const QStringList& names) override
    {
        offered = names;
        const int index = names.indexOf(selectName);
        if (selectName.isEmpty() || index < 0)
            return std::nullopt;
        return index;
    }
};

class RecordingView : public DocumentView {
public:
    RecordingView(QStringList& log, QString name)
        : log_(log)
        , name_(std::move(name))
    {
    }
    void RefreshFromDocument(CGlobalDoc&) override { log_ << name_; }
    void OnCompanyDataCleared() override { log_ << "cleared " + name_; }

private:
    QStringList& log_;
    QString name_;
};

EmployeeRecord Employee(int id, const char* first)
{
    EmployeeRecord e;
    e.EmployeeUniqueID = id;
    e.FirstName = first;
    e.SocialSecurityNumber = "123-45-6789";
    return e;
}

} // namespace

class GlobalDocTest : public QObject {
    Q_OBJECT

private slots:
    // ---- first open ----

    void firstRunOpensSampleCompanyAndWritesSettingsAtTheEnd()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QSignalSpy titles(&doc, &CGlobalDoc::titleChanged);
        QVERIFY(doc.OpenFirstCompany());
        QVERIFY(!doc.FirstOpen);
        QCOMPARE(doc.DataFolder, folders.DataFolder());
        QCOMPARE(doc.CurrentStorePath, folders.DataFolder() + "Sample Company.pmt");
        QCOMPARE(doc.Company().EmployerName.Text(), QStringLiteral("Sample Company"));
        QCOMPARE(titles.last().at(0).toString(), QStringLiteral("Sample Company - Formlark (2005)"));

        QVERIFY(doc.CloseDocument());
        QCOMPARE(ReadSettingText(kLastCompanyKey, "Value", "-"), QStringLiteral("Sample Company"));
        QCOMPARE(ReadSettingText(kDataPathKey, "Company Data Path", "-"), folders.DataFolder());
        QCOMPARE(ReadSettingNumber(SettingsKeyPath(kKeyW2PrintOptions), "W2 Vertical Space Between forms", -1), 125);
        QVERIFY(prompt.asked.isEmpty());
    }

    void firstOpenUsesTheLastActiveCompany_data()
    {
        QTest::addColumn<QString>("lastCompany");
        QTest::addColumn<QString>("expectedName");
        QTest::newRow("exact name") << "Acme Tools" << "Acme Tools";
        QTest::newRow("other letter case: the file's spelling") << "ACME tools" << "Acme Tools";
        QTest::newRow("store gone: Sample Company") << "Vanished Inc" << "Sample Company";
        QTest::newRow("name with a path: Sample Company") << "../Acme Tools" << "Sample Company";
    }

    void firstOpenUsesTheLastActiveCompany()
    {
        QFETCH(QString, lastCompany);
        QFETCH(QString, expectedName);
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        MakeStore(folders.DataFolder(), "Acme Tools.pmt", "Acme Tools");
        WriteSettingText(kLastCompanyKey, "Value", lastCompany);
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        QCOMPARE(doc.CurrentCompanyName, expectedName);
        QCOMPARE(doc.CurrentStorePath, folders.DataFolder() + expectedName + ".pmt");
        QCOMPARE(doc.Company().EmployerName.Text(), expectedName);
    }

    void dataPathWithoutTrailingSeparatorGetsOne()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        const QString elsewhere = folders.Path("shared data");
        QDir().mkpath(elsewhere);
        MakeStore(elsewhere + "/", "Sample Company.pmt", "Shared Sample");
        WriteSettingText(kDataPathKey, "Company Data Path", elsewhere);
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        QCOMPARE(doc.DataFolder, elsewhere + "/");
        QCOMPARE(doc.Company().EmployerName.Text(), QStringLiteral("Shared Sample"));
    }

    void startWithoutAnyStoreSaysWhereItLooked()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        CGlobalDoc doc;
        QVERIFY(!doc.OpenFirstCompany());
        QCOMPARE(prompt.asked.size(), 1);
        QVERIFY(prompt.asked[0].contains(folders.DataFolder()));
        QCOMPARE(prompt.icons[0], PromptIcon::Stop);
    }

    void startWithADamagedStoreSaysSo()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        QFile damaged(folders.DataFolder() + "Sample Company.pmt");
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(9000, 'z'));
        damaged.close();
        CGlobalDoc doc;
        QVERIFY(!doc.OpenFirstCompany());
        QCOMPARE(prompt.asked.size(), 1);
        QVERIFY(prompt.asked[0].contains("could not be read"));
    }

    // ---- end of a run ----

    void endRenamesTheStoreToTheNewEmployerName()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        MakeStore(folders.DataFolder(), "Acme.pmt", "Acme");
        WriteSettingText(kLastCompanyKey, "Value", "Acme");
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        doc.SetCompanyTitle(QStringLiteral("Acme Holdings"));
        QCOMPARE(doc.Title(), QStringLiteral("Acme Holdings - Formlark (2005)"));
        QCOMPARE(doc.CurrentStorePath, folders.DataFolder() + "Acme.pmt"); // statements keep the old file
        QVERIFY(doc.CloseDocument());
        QVERIFY(!QFile::exists(folders.DataFolder() + "Acme.pmt"));
        QVERIFY(QFile::exists(folders.DataFolder() + "Acme Holdings.pmt"));
        QCOMPARE(ReadSettingText(kLastCompanyKey, "Value", "-"), QStringLiteral("Acme Holdings"));
    }

    void endNeverRenamesOntoAnotherCompanysStore_data()
    {
        QTest::addColumn<QString>("otherFile");
        QTest::newRow("same spelling") << "Beta.pmt";
        QTest::newRow("other letter case") << "BETA.pmt";
    }

    void endNeverRenamesOntoAnotherCompanysStore()
    {
        QFETCH(QString, otherFile);
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Acme.pmt", "Acme");
        MakeStore(folders.DataFolder(), otherFile, "Beta");
        WriteSettingText(kLastCompanyKey, "Value", "Acme");
        const QByteArray beta = FileBytes(folders.DataFolder() + otherFile);
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        doc.SetCompanyTitle(QStringLiteral("Beta"));
        QVERIFY(!doc.CloseDocument());
        QVERIFY(QFile::exists(folders.DataFolder() + "Acme.pmt"));
        QCOMPARE(FileBytes(folders.DataFolder() + otherFile), beta);
        // Settings are written only after a successful move.
        QCOMPARE(ReadSettingText(kLastCompanyKey, "Value", "-"), QStringLiteral("Acme"));
        QCOMPARE(ReadSettingText(kDataPathKey, "Company Data Path", "-"), QStringLiteral("-"));
        QCOMPARE(prompt.asked.size(), 1);
    }

    void endMovesTheStoreIntoANewDataFolder()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        const QString other = folders.Path("network/");
        QDir().mkpath(other);
        doc.DataFolder = other;
        QVERIFY(doc.CloseDocument());
        QVERIFY(QFile::exists(other + "Sample Company.pmt"));
        QCOMPARE(ReadSettingText(kDataPathKey, "Company Data Path", "-"), other);
    }

    // ---- changes ----

    void insertAndDeleteTogetherWriteNothing()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        const QString path = doc.CurrentStorePath;
        const QByteArray before = FileBytes(path);

        doc.Employees().push_back(Employee(1, "Temp"));
        doc.SetModified(1);
        doc.QueueChange({ChangeRecord::kEmployee, ChangeRecord::kInsert, 0, 1, 0}, false);
        doc.Employees().clear();
        doc.QueueChange({ChangeRecord::kEmployee, ChangeRecord::kDelete, 0, 1, 0}, false);
        const CommitResult result = doc.CommitChanges();
        QCOMPARE(result.written, 0);
        QVERIFY(result.Succeeded());
        QCOMPARE(doc.Modified(), 0);
        QVERIFY(doc.PendingChanges().empty());
        QCOMPARE(FileBytes(path), before);
    }

    void commitWithoutModifiedFlagWritesNothing()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        doc.Employees().push_back(Employee(1, "Ann"));
        doc.QueueChange({ChangeRecord::kEmployee, ChangeRecord::kInsert, 0, 1, 0}, true);
        QCOMPARE(RowCount(doc.CurrentStorePath, "Employees"), 0);
        QCOMPARE(int(doc.PendingChanges().size()), 1);
        doc.SetModified(1);
        QCOMPARE(doc.CommitChanges().written, 1);
        QCOMPARE(RowCount(doc.CurrentStorePath, "Employees"), 1);
    }

    void failedWritesStayQueuedAndAreReported()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        const QString path = doc.CurrentStorePath;
        QVERIFY(QFile::rename(path, path + ".away")); // the store is out of reach

        doc.Employees().push_back(Employee(1, "Ann"));
        doc.SetModified(1);
        const CommitResult failed = doc.QueueChange({ChangeRecord::kEmployee, ChangeRecord::kInsert, 0, 1, 0});
        QVERIFY(!failed.Succeeded());
        QCOMPARE(int(failed.failed.size()), 1);
        QCOMPARE(doc.Modified(), 1); // Save stays enabled
        QVERIFY(doc.CanSave());
        QCOMPARE(int(doc.PendingChanges().size()), 1);
        QCOMPARE(doc.Employees().size(), size_t(1)); // what was typed is kept
        QCOMPARE(prompt.asked.size(), 1);
        QVERIFY(prompt.asked[0].contains("new employee"));
        QVERIFY(!QFile::exists(path)); // no empty store made in its place

        QVERIFY(QFile::rename(path + ".away", path));
        doc.OnSave();
        QCOMPARE(doc.Modified(), 0);
        QVERIFY(doc.PendingChanges().empty());
        QCOMPARE(RowCount(path, "Employees"), 1);
    }

    void retriedChangesFindTheirRecordById()
    {
        // After a failed update the list moves on (an employee before it is
        // deleted); the retry still writes the right employee.
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        const QString path = doc.CurrentStorePath;
        doc.Employees() = {Employee(1, "Ann"), Employee(2, "Bob")};
        doc.SetModified(1);
        doc.QueueChange({ChangeRecord::kEmployee, ChangeRecord::kInsert, 0, 1, 0}, false);
        doc.QueueChange({ChangeRecord::kEmployee, ChangeRecord::kInsert, 1, 2, 0}, true);
        QCOMPARE(RowCount(path, "Employees"), 2);

        QVERIFY(QFile::rename(path, path + ".away"));
        doc.Employees()[1].FirstName = "Robert";
        doc.SetModified(1);
        doc.QueueChange({ChangeRecord::kEmployee, ChangeRecord::kUpdate, 1, 2, 0});
        doc.Employees().erase(doc.Employees().begin());
        doc.QueueChange({ChangeRecord::kEmployee, ChangeRecord::kDelete, 0, 1, 0});
        QVERIFY(QFile::rename(path + ".away", path));
        QVERIFY(doc.CommitChanges().Succeeded());

        CompanyStore store;
        CompanyData data;
        QCOMPARE(LoadCompany(store, path, data), 0);
        QCOMPARE(data.employees.size(), size_t(1));
        QCOMPARE(data.employees[0].FirstName.Text(), QStringLiteral("Robert"));
    }

    void saveQuestionBeforeClosing_data()
    {
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<bool>("storeReachable");
        QTest::addColumn<bool>("mayClose");
        QTest::addColumn<int>("rows");
        QTest::newRow("yes") << PromptAnswer::Yes << true << true << 1;
        QTest::newRow("no") << PromptAnswer::No << true << true << 0;
        QTest::newRow("cancel") << PromptAnswer::Cancel << true << false << 0;
        QTest::newRow("yes but the save fails: stay open") << PromptAnswer::Yes << false << false << 0;
    }

    void saveQuestionBeforeClosing()
    {
        QFETCH(PromptAnswer, answer);
        QFETCH(bool, storeReachable);
        QFETCH(bool, mayClose);
        QFETCH(int, rows);
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        const QString path = doc.CurrentStorePath;
        QVERIFY(doc.SaveModified()); // nothing to save: no question
        QVERIFY(prompt.asked.isEmpty());

        doc.Employees().push_back(Employee(1, "Ann"));
        doc.SetModified(1);
        doc.QueueChange({ChangeRecord::kEmployee, ChangeRecord::kInsert, 0, 1, 0}, false);
        if (!storeReachable)
            QVERIFY(QFile::rename(path, path + ".away"));
        prompt.Then(answer);
        QCOMPARE(doc.SaveModified(), mayClose);
        QCOMPARE(prompt.asked.first(), QStringLiteral("Do you want to save the changes you made to this Company?"));
        QCOMPARE(prompt.buttons.first(), PromptButtons::YesNoCancel);
        if (!storeReachable)
            QVERIFY(QFile::rename(path + ".away", path));
        QCOMPARE(RowCount(path, "Employees"), rows);
    }

    // ---- views and records ----

    void viewsAreRefreshedInTheirFixedOrder()
    {
        QStringList log;
        RecordingView company(log, "company"), employees(log, "employees"), contractors(log, "contractors"),
            w3(log, "w3"), w2(log, "w2"), f1096(log, "1096"), f1099(log, "1099");
        CGlobalDoc doc;
        // Registered in another order; refreshed in the document's order.
        doc.SetView(DocumentView::kForm1099View, &f1099);
        doc.SetView(DocumentView::kW2View, &w2);
        doc.SetView(DocumentView::kCompanySetupView, &company);
        doc.SetView(DocumentView::kForm1096View, &f1096);
        doc.SetView(DocumentView::kEmployeeView, &employees);
        doc.SetView(DocumentView::kW3View, &w3);
        doc.SetView(DocumentView::kContractorView, &contractors);
        doc.RefreshViews();
        QCOMPARE(log, QStringList({"company", "employees", "contractors", "w3", "w2", "1096", "1099"}));
    }

    void clearingResetsTheCompanyRecord()
    {
        CGlobalDoc doc;
        doc.Company().EmployerName = "X";
        doc.Company().FormW3RadioKindOfPayer = 3;
        doc.Company().FormW3CheckThirdPartySickPay = 1;
        doc.Company().Form1096CheckIsThisYourFinalReturn = 1;
        doc.Company().CompanyUniqueID = 1;
        doc.Employees().push_back(Employee(1, "Ann"));
        doc.ClearCompanyData();
        QCOMPARE(doc.Company().EmployerName.Text(), QString());
        QCOMPARE(doc.Company().FormW3RadioKindOfPayer, -1);
        QCOMPARE(doc.Company().FormW3CheckThirdPartySickPay, -1);
        QCOMPARE(doc.Company().Form1096CheckIsThisYourFinalReturn, 0);
        QCOMPARE(doc.Company().CompanyUniqueID, -1);
        QVERIFY(doc.Employees().empty());
    }

    // ---- company files ----

    void enumerationListsStoresOnly()
    {
        TestFolders folders;
        CGlobalDoc doc;
        doc.DataFolder = folders.DataFolder();
        QVERIFY(!doc.EnumerateCompanies(doc.DataFolder, true)); // no store: a failure
        for (const char* name : {"A.pmt Sales.pmt", "Beta.PMT", "notes.txt", "Gone.pmt.del"}) {
            QFile f(folders.DataFolder() + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(doc.EnumerateCompanies(doc.DataFolder, true));
        QStringList names = doc.CompanyNames();
        names.sort();
        QCOMPARE(names, QStringList({"A.pmt Sales", "Beta"}));
        QVERIFY(doc.EnumerateCompanies(doc.DataFolder, false));
        names = doc.CompanyNames();
        names.sort();
        QCOMPARE(names, QStringList({"A.pmt Sales.pmt", "Beta.PMT"}));

        QVERIFY(doc.CompanyStoreExists("beta"));
        QVERIFY(doc.CompanyStoreExists("a.PMT sales"));
        QVERIFY(!doc.CompanyStoreExists("Gone"));
        QVERIFY(!doc.CompanyStoreExists(""));
        QCOMPARE(doc.StorePathFor("BETA"), folders.DataFolder() + "Beta.PMT");
        QVERIFY(!doc.EnumerateCompanies(folders.Path("no such folder/"), true));
    }

    // ---- company commands ----

    void newCompanyCreatesItsStore()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        QStringList log;
        RecordingView view(log, "company");
        doc.SetView(DocumentView::kCompanySetupView, &view);
        QSignalSpy navigation(&doc, &CGlobalDoc::navigateRequested);
        ScriptedDialogs dialogs;
        dialogs.newName = QStringLiteral("O'Neil Ltd");

        doc.OnNewCompany(dialogs);
        const QString path = folders.DataFolder() + "O'Neil Ltd.pmt";
        QCOMPARE(doc.CurrentStorePath, path);
        QCOMPARE(doc.Title(), QStringLiteral("O'Neil Ltd - Formlark (2005)"));
        QCOMPARE(doc.Company().EmployerName.Text(), QStringLiteral("O'Neil Ltd"));
        QCOMPARE(doc.Modified(), 1); // Save stays enabled once more
        QCOMPARE(navigation.size(), 1);
        QCOMPARE(navigation.first().at(0).toInt(), 0);
        QCOMPARE(log, QStringList({"cleared company", "company"}));

        CompanyStore store;
        CompanyData data;
        QCOMPARE(LoadCompany(store, path, data), 0);
        QCOMPARE(data.company.EmployerName.Text(), QStringLiteral("O'Neil Ltd"));
        QCOMPARE(data.company.FormW3RadioKindOfPayer, -1);
        QCOMPARE(data.company.FormW3CheckThirdPartySickPay, -1);
        QCOMPARE(data.company.Form1096CheckIsThisYourFinalReturn, 0);
        QVERIFY(prompt.asked.isEmpty());
    }

    void newCompanyWithAnExistingNameOpensItUnchanged()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        MakeStore(folders.DataFolder(), "Acme.pmt", "Acme Original");
        const QByteArray before = FileBytes(folders.DataFolder() + "Acme.pmt");
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        ScriptedDialogs dialogs;
        dialogs.newName = QStringLiteral("ACME");
        doc.OnNewCompany(dialogs);
        QCOMPARE(prompt.asked, QStringList({"This company already exists"}));
        QCOMPARE(doc.CurrentStorePath, folders.DataFolder() + "Acme.pmt");
        QCOMPARE(doc.Company().EmployerName.Text(), QStringLiteral("Acme Original"));
        QCOMPARE(FileBytes(folders.DataFolder() + "Acme.pmt"), before);
        QVERIFY(!QFile::exists(folders.DataFolder() + "ACME.pmt"));
    }

    void switchingCompanyAsksToSaveFirst()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        MakeStore(folders.DataFolder(), "Acme.pmt", "Acme");
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        doc.Employees().push_back(Employee(1, "Ann"));
        doc.SetModified(1);
        doc.QueueChange({ChangeRecord::kEmployee, ChangeRecord::kInsert, 0, 1, 0}, false);
        ScriptedDialogs dialogs;
        dialogs.selectName = "Acme";

        prompt.Then(PromptAnswer::Cancel);
        doc.OnOpenCompany(dialogs);
        QCOMPARE(doc.CurrentCompanyName, QStringLiteral("Sample Company"));
        QVERIFY(dialogs.offered.isEmpty()); // the dialog never showed

        prompt.Then(PromptAnswer::Yes);
        doc.OnOpenCompany(dialogs);
        QCOMPARE(doc.CurrentCompanyName, QStringLiteral("Acme"));
        QCOMPARE(doc.Company().EmployerName.Text(), QStringLiteral("Acme"));
        QCOMPARE(doc.Modified(), 0);
        QCOMPARE(RowCount(folders.DataFolder() + "Sample Company.pmt", "Employees"), 1);
    }

    void deleteCommand()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        QVERIFY(!doc.CanDeleteCompany()); // only the Sample Company

        MakeStore(folders.DataFolder(), "Acme.pmt", "Acme");
        MakeStore(folders.DataFolder(), "Beta.pmt", "Beta");
        QFile old(folders.DataFolder() + "Acme.pmt.del");
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older deleted store");
        old.close();
        QVERIFY(doc.CanDeleteCompany());

        ScriptedDialogs dialogs;
        dialogs.selectName = "Acme";
        prompt.Then(PromptAnswer::No);
        doc.OnDeleteCompany(dialogs);
        QStringList offered = dialogs.offered;
        offered.sort();
        QCOMPARE(offered, QStringList({"Acme", "Beta"})); // never the Sample Company
        QVERIFY(QFile::exists(folders.DataFolder() + "Acme.pmt"));

        const QByteArray acme = FileBytes(folders.DataFolder() + "Acme.pmt");
        prompt.Then(PromptAnswer::Yes);
        doc.OnDeleteCompany(dialogs);
        QVERIFY(!QFile::exists(folders.DataFolder() + "Acme.pmt"));
        QCOMPARE(FileBytes(folders.DataFolder() + "Acme.pmt.del"), acme); // the older one replaced
        QCOMPARE(prompt.asked.last(), QStringLiteral("Are you sure you want to delete this company?"));
    }

    void deletingTheOpenCompanyIsRefused()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        MakeStore(folders.DataFolder(), "Acme.pmt", "Acme");
        WriteSettingText(kLastCompanyKey, "Value", "Acme");
        CGlobalDoc doc;
        QVERIFY(doc.OpenFirstCompany());
        ScriptedDialogs dialogs;
        dialogs.selectName = "Acme";
        doc.OnDeleteCompany(dialogs);
        QCOMPARE(prompt.asked, QStringList({"You can't delete currently opened company."}));

        // Renamed in this run, its file still has the old name: still refused.
        doc.SetCompanyTitle(QStringLiteral("Acme Renamed"));
        doc.OnDeleteCompany(dialogs);
        QCOMPARE(prompt.asked.size(), 2);
        QCOMPARE(prompt.asked.last(), QStringLiteral("You can't delete currently opened company."));
        QVERIFY(QFile::exists(folders.DataFolder() + "Acme.pmt"));
    }
};

QTEST_GUILESS_MAIN(GlobalDocTest)
#include "GlobalDocTest.moc"
