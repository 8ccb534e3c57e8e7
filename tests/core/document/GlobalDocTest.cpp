// The company document: first open and end of a run, the change queue and
// its failures, and the company commands on real store files.
#include "core/document/CompanyDialogs.h"
#include "core/companyfiles/CompanyFiles.h"
#include "core/document/GlobalDoc.h"
#include "core/document/RunStart.h"
#include "core/document/RunEnd.h"
#include "core/document/CompanyCommands.h"
#include "core/settings/Settings.h"
#include "core/store/CompanyData.h"
#include "core/store/StoreLock.h"
#include "tests/support/RecordBuilders.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TestFolders.h"
#include "tests/support/TestStores.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

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

// A store of this edition cut short inside its engine's image: its header
// says what it is, but it can't be read.
void MakeCutShortStore(const QString& folder, const QString& fileName)
{
    MakeStore(folder, fileName, CompanyNameOfStoreFile(fileName));
    QFile file(folder + fileName);
    QVERIFY(file.resize(4096 + 1000));
}

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
        QVERIFY(RunStart(doc).OpenFirstCompany());
        QVERIFY(!doc.FirstOpen());
        QCOMPARE(doc.DataFolder(), folders.DataFolder());
        QCOMPARE(doc.CurrentStorePath(), folders.DataFolder() + "Sample Company.pmt");
        QCOMPARE(doc.Company().EmployerName.Text(), QStringLiteral("Sample Company"));
        QCOMPARE(titles.last().at(0).toString(), QStringLiteral("Sample Company - Formlark (2005)"));

        QVERIFY(RunEnd(doc).CloseDocument());
        QCOMPARE(ReadSettingText(kLastCompanyKey, "Value", "-"), QStringLiteral("Sample Company"));
        QCOMPARE(ReadSettingText(kDataPathKey, "Company Data Path", "-"), folders.DataFolder());
        QCOMPARE(ReadSettingNumber(SettingsKeyPath(kKeyW2PrintOptions), "W2 Vertical Space Between forms", -1), 125);
        QVERIFY(prompt.asked.isEmpty());
    }

    void firstOpenUsesTheLastActiveCompany_data()
    {
        QTest::addColumn<QString>("lastCompany");
        QTest::addColumn<QString>("expectedName");
        QTest::newRow("exact name") << "Acme Tools"
                                    << "Acme Tools";
        QTest::newRow("other letter case: the file's spelling") << "ACME tools"
                                                                << "Acme Tools";
        QTest::newRow("store gone: Sample Company") << "Vanished Inc"
                                                    << "Sample Company";
        QTest::newRow("name with a path: Sample Company") << "../Acme Tools"
                                                          << "Sample Company";
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
        QVERIFY(RunStart(doc).OpenFirstCompany());
        QCOMPARE(doc.CurrentCompanyName(), expectedName);
        QCOMPARE(doc.CurrentStorePath(), folders.DataFolder() + expectedName + ".pmt");
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
        QVERIFY(RunStart(doc).OpenFirstCompany());
        QCOMPARE(doc.DataFolder(), elsewhere + "/");
        QCOMPARE(doc.Company().EmployerName.Text(), QStringLiteral("Shared Sample"));
    }

    void startWithoutAnyStoreSaysWhereItLooked_data()
    {
        QTest::addColumn<QString>("lastCompany"); // empty: none in the settings
        QTest::addColumn<QString>("missing");
        QTest::newRow("first run") << QString() << "holds the company \"Sample Company\".";
        QTest::newRow("the Sample Company was the last") << "Sample Company"
                                                         << "holds the company \"Sample Company\".";
        QTest::newRow("another company was the last")
            << "Acme"
            << "holds neither the company \"Acme\" nor the \"Sample Company\".";
    }

    void startWithoutAnyStoreSaysWhereItLooked()
    {
        QFETCH(QString, lastCompany);
        QFETCH(QString, missing);
        TestFolders folders;
        ScriptedPrompt prompt;
        if (!lastCompany.isEmpty())
            WriteSettingText(kLastCompanyKey, "Value", lastCompany);
        CGlobalDoc doc;
        QVERIFY(!RunStart(doc).OpenFirstCompany());
        QCOMPARE(prompt.asked.size(), 1);
        QVERIFY(prompt.asked[0].contains(folders.DataFolder()));
        QVERIFY2(prompt.asked[0].contains(missing), qPrintable(prompt.asked[0]));
        QCOMPARE(prompt.icons[0], PromptIcon::Stop);
    }

    // A company that can't be read never stands in the way of the start: it
    // is said once and the next one opens, which is the last active company
    // from then on. A company file named on the command line stands in for
    // the last active company.
    void startPassesOverWhatCantBeRead_data()
    {
        QTest::addColumn<QString>("lastActive");
        QTest::addColumn<QString>("commandLine"); // a file of the data folder, "elsewhere", or none
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QStringList>("told"); // the files said to be unreadable
        QTest::newRow("damaged last: the Sample Company")
            << "Broken" << QString() << "Sample Company" << QStringList{"Broken.pmt"};
        QTest::newRow("damaged last, a store of the data folder named: that one, nothing said")
            << "Broken"
            << "Acme.pmt"
            << "Acme" << QStringList{};
        QTest::newRow("damaged last, a file from elsewhere named: the Sample Company, nothing said")
            << "Broken"
            << "elsewhere"
            << "Sample Company" << QStringList{};
        QTest::newRow("the named store damaged: the Sample Company") << "Acme"
                                                                     << "Broken.pmt"
                                                                     << "Sample Company" << QStringList{"Broken.pmt"};
        QTest::newRow("the Sample Company damaged too: the last active one")
            << "Acme"
            << "Sample Company.pmt"
            << "Acme" << QStringList{"Sample Company.pmt"};
    }

    void startPassesOverWhatCantBeRead()
    {
        QFETCH(QString, lastActive);
        QFETCH(QString, commandLine);
        QFETCH(QString, opened);
        QFETCH(QStringList, told);
        TestFolders folders;
        ScriptedPrompt prompt;
        const QString data = folders.DataFolder();
        if (told.contains("Sample Company.pmt"))
            MakeCutShortStore(data, "Sample Company.pmt");
        else
            MakeStore(data, "Sample Company.pmt", "Sample Company");
        MakeStore(data, "Acme.pmt", "Acme");
        MakeCutShortStore(data, "Broken.pmt");
        WriteSettingText(kLastCompanyKey, "Value", lastActive);
        QTemporaryDir elsewhere;
        QString file;
        if (commandLine == "elsewhere") {
            MakeStore(elsewhere.path() + "/", "Cedar.pmt", "Cedar");
            file = elsewhere.filePath("Cedar.pmt");
        } else if (!commandLine.isEmpty()) {
            file = data + commandLine;
        }

        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany(file));
        QCOMPARE(doc.CurrentCompanyName(), opened);
        QCOMPARE(doc.Company().EmployerName.Text(), opened);
        QVERIFY(doc.CanWrite());
        QCOMPARE(doc.IsOpenStore(file), !file.isEmpty() && file.startsWith(data) && opened + ".pmt" == commandLine);
        QCOMPARE(prompt.asked.size(), told.size());
        for (int i = 0; i < told.size(); ++i) {
            QVERIFY2(prompt.asked[i].contains(told[i] + "\" could not be read"), qPrintable(prompt.asked[i]));
            QCOMPARE(prompt.icons[i], PromptIcon::Stop);
        }
        // The company opened instead is the one the next start opens.
        QVERIFY(RunEnd(doc).CloseDocument());
        QCOMPARE(ReadSettingText(kLastCompanyKey, "Value", "-"), opened);
    }

    // A store whose forms don't all match their owners is opened as it is,
    // and the user is told once, naming the company and what doesn't match.
    void unmatchedFormsAreToldOncePerOpening()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        CompanyData data = MakeCompany("Acme", {Employee(1, "Ann"), Employee(2, "Bob")}, {MakeW2(1, 1), MakeW2(2, 9)},
                                       {MakeContractor(3, "12-3456789", "Cy", "Dunn")}, {});
        QVERIFY(WriteCompanyStore(folders.DataFolder() + "Acme.pmt", data));
        WriteSettingText(kLastCompanyKey, "Value", "Acme");
        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        QCOMPARE(prompt.asked.size(), 1);
        QVERIFY(prompt.asked[0].contains("\"Acme\""));
        QVERIFY2(prompt.asked[0].contains("1 W-2 form belongs to no employee; 1 employee has no W-2 form; "
                                          "1 contractor has no 1099-MISC form"),
                 qPrintable(prompt.asked[0]));
        QCOMPARE(doc.Employees().size(), size_t(2)); // everything is kept
        QCOMPARE(doc.W2Forms().size(), size_t(2));
        QVERIFY(doc.CanWrite());
        QVERIFY(doc.LoadCurrentCompany());
        QCOMPARE(prompt.asked.size(), 2);
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
        QVERIFY(!RunStart(doc).OpenFirstCompany());
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
        QVERIFY(RunStart(doc).OpenFirstCompany());
        doc.SetCompanyTitle(QStringLiteral("Acme Holdings"));
        QCOMPARE(doc.Title(), QStringLiteral("Acme Holdings - Formlark (2005)"));
        QCOMPARE(doc.CurrentStorePath(), folders.DataFolder() + "Acme.pmt"); // statements keep the old file
        QVERIFY(RunEnd(doc).CloseDocument());
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
        QVERIFY(RunStart(doc).OpenFirstCompany());
        doc.SetCompanyTitle(QStringLiteral("Beta"));
        QVERIFY(!RunEnd(doc).CloseDocument());
        QVERIFY(QFile::exists(folders.DataFolder() + "Acme.pmt"));
        QCOMPARE(FileBytes(folders.DataFolder() + otherFile), beta);
        // Settings are written only after a successful move.
        QCOMPARE(ReadSettingText(kLastCompanyKey, "Value", "-"), QStringLiteral("Acme"));
        QCOMPARE(ReadSettingText(kDataPathKey, "Company Data Path", "-"), QStringLiteral("-"));
        QCOMPARE(prompt.asked.size(), 1);
    }

    // The company's name names its store file at the end, so a name that
    // would take the file elsewhere or make no file name is never taken:
    // the store keeps its name in the data folder, and the user is told once.
    void storeNamesNeverLeaveTheDataFolder_data()
    {
        QTest::addColumn<QString>("employerName");
        QTest::newRow("a path out of the folder") << "../Escaped";
        QTest::newRow("a path into a folder") << "Sub/Acme";
        QTest::newRow("the parent folder") << "..";
        QTest::newRow("the folder itself") << ".";
        QTest::newRow("blanks only") << "   ";
    }

    void storeNamesNeverLeaveTheDataFolder()
    {
        QFETCH(QString, employerName);
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Acme.pmt", employerName);
        QVERIFY(QDir().mkpath(folders.DataFolder() + "Sub"));
        WriteSettingText(kLastCompanyKey, "Value", "Acme");
        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        // What Reset and Clear on the company screen do, twice.
        doc.SetCompanyTitle(doc.Company().EmployerName.Text());
        doc.SetCompanyTitle(doc.Company().EmployerName.Text());
        QCOMPARE(doc.CurrentCompanyName(), QStringLiteral("Acme"));
        QCOMPARE(prompt.asked.size(), 1);
        QVERIFY(RunEnd(doc).CloseDocument());
        QCOMPARE(QDir(folders.DataFolder()).entryList(QDir::Files), QStringList{"Acme.pmt"});
        QCOMPARE(QDir(folders.DataFolder() + "Sub").entryList(QDir::Files), QStringList());
        QVERIFY(!QFile::exists(folders.ProgramFolder() + "Escaped.pmt"));
        QCOMPARE(ReadSettingText(kLastCompanyKey, "Value", "-"), QStringLiteral("Acme"));
    }

    // One program per company store: a second one opens the company for
    // looking and printing only, is told so, and writes nothing, neither
    // changes nor a rename at the end; nor may it delete the company. The
    // first works on undisturbed, and once it has closed, the company is
    // free again.
    void aCompanyOpenElsewhereIsOnlyLookedAt()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        QVERIFY(WriteCompanyStore(folders.DataFolder() + "Acme.pmt",
                                  MakeCompany("Acme", {Employee(1, "Ann")}, {MakeW2(1, 1)})));
        WriteSettingText(kLastCompanyKey, "Value", "Acme");
        CGlobalDoc first;
        QVERIFY(RunStart(first).OpenFirstCompany());
        QVERIFY(first.CanWrite());
        QVERIFY(prompt.asked.isEmpty());

        CGlobalDoc second;
        QSignalSpy writable(&second, &CGlobalDoc::writableChanged);
        QVERIFY(RunStart(second).OpenFirstCompany());
        QCOMPARE(prompt.asked.size(), 1);
        QVERIFY(prompt.asked[0].contains("open in another Formlark window"));
        QVERIFY(!second.CanWrite());
        QCOMPARE(writable.size(), 1);
        QCOMPARE(second.Employees().size(), size_t(1)); // it may look (and print)
        const QByteArray before = FileBytes(folders.DataFolder() + "Acme.pmt");

        const AddedRecord added = second.Editor().AddEmployee(Employee(-1, "Bob"));
        QVERIFY(!added.Added());
        QCOMPARE(added.refusal, second.WriteRefusal());
        QVERIFY(second.Employees().size() == 1 && second.W2Forms().size() == 1);
        QCOMPARE(second.Editor().DeleteEmployee(0, 1), SaveOutcome::Unchanged);
        QCOMPARE(second.Employees().size(), size_t(1));
        QCOMPARE(prompt.asked.size(), 2); // the delete was refused with the reason
        second.SetModified(1);
        QVERIFY(!second.CanSave());
        second.SetModified(0);
        second.SetCompanyTitle(QStringLiteral("Acme Renamed"));
        RunEnd(second).CloseDocument();
        QCOMPARE(FileBytes(folders.DataFolder() + "Acme.pmt"), before);

        // Nor can another program delete it meanwhile.
        CGlobalDoc third;
        third.SetDataFolder(folders.DataFolder());
        third.SetCurrentCompany("Sample Company", folders.DataFolder() + "Sample Company.pmt");
        QVERIFY(third.LoadCurrentCompany());
        ScriptedDialogs dialogs;
        dialogs.selectName = "Acme";
        prompt.Then(PromptAnswer::Yes);
        CompanyCommands(third).OnDeleteCompany(dialogs);
        QVERIFY(prompt.asked.last().contains("can't be deleted while it is open there"));
        QVERIFY(QFile::exists(folders.DataFolder() + "Acme.pmt"));

        // The first one writes as before.
        QVERIFY(first.Editor().AddEmployee(MakeEmployee(-1, "987-65-4321", "Bob", "Young")).Added());
        QCOMPARE(RowCount(folders.DataFolder() + "Acme.pmt", "Employees"), 2);
        QVERIFY(RunEnd(first).CloseDocument());

        CGlobalDoc fourth;
        QVERIFY(RunStart(fourth).OpenFirstCompany());
        QVERIFY(fourth.CanWrite());
        QCOMPARE(fourth.Employees().size(), size_t(2));
    }

    // A link to a store is the same store: both names share one lock. A
    // second name of the very file (a hard link) would let the engine keep
    // two journals for one store, so neither name may write.
    void aStoreUnderTwoNamesHasOneWriter()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        const QString data = folders.DataFolder();
        MakeStore(data, "Sample Company.pmt", "Sample Company");
        MakeStore(data, "Held.pmt", "Held");
        MakeStore(data, "Twin.pmt", "Twin");
        QVERIFY(QFile::link(data + "Held.pmt", data + "HeldLink.pmt"));
        QCOMPARE(::link(QFile::encodeName(data + "Twin.pmt").constData(),
                        QFile::encodeName(data + "Second.pmt").constData()),
                 0);

        auto open = [&](CGlobalDoc& doc, const QString& name) {
            doc.SetDataFolder(data);
            doc.SetCurrentCompany(name, doc.StorePathFor(name));
            return doc.LoadCurrentCompany();
        };
        CGlobalDoc window;
        QVERIFY(open(window, "Held"));
        QVERIFY(window.CanWrite());
        CGlobalDoc second;
        QVERIFY(open(second, "HeldLink"));
        QVERIFY(!second.CanWrite());
        QVERIFY(prompt.asked.last().contains("open in another Formlark window"));

        for (const char* name : {"Twin", "Second"}) {
            CGlobalDoc doc;
            QVERIFY(open(doc, name));
            QVERIFY(!doc.CanWrite());
            QVERIFY2(doc.WriteRefusal().contains("is the same file as"), qPrintable(doc.WriteRefusal()));
            QVERIFY(prompt.asked.last().contains(doc.WriteRefusal()));
        }
    }

    // Opening a company cleans away what a killed program left beside its
    // store, but only while nobody else has it open.
    void openingCleansLeftovers()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        const QString store = folders.DataFolder() + "Sample Company.pmt";
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        QVERIFY(WriteFileBytes(store + "-journal", QByteArray(512, '\0')));
        QVERIFY(WriteFileBytes(store + ".lock", QByteArray()));
        CGlobalDoc first;
        QVERIFY(RunStart(first).OpenFirstCompany());
        QCOMPARE(QDir(folders.DataFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Sample Company.pmt"});

        QVERIFY(WriteFileBytes(store + "-journal", QByteArray(512, '\0')));
        CGlobalDoc second;
        QVERIFY(RunStart(second).OpenFirstCompany());
        QVERIFY(QFile::exists(store + "-journal")); // the first one has it open
    }

    void endMovesTheStoreIntoANewDataFolder()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        const QString other = folders.Path("network/");
        QDir().mkpath(other);
        doc.SetDataFolder(other);
        QVERIFY(RunEnd(doc).CloseDocument());
        QVERIFY(QFile::exists(other + "Sample Company.pmt"));
        QCOMPARE(ReadSettingText(kDataPathKey, "Company Data Path", "-"), other);
    }

    // Starting and ending a run without a change leaves the user's settings
    // file byte for byte: comments, lines before the first group, lines the
    // program does not understand and values as the user quoted them.
    void aRunWithoutChangesLeavesTheSettingsFileAsItWas()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        {
            CGlobalDoc doc;
            QVERIFY(RunStart(doc).OpenFirstCompany());
            QVERIFY(RunEnd(doc).CloseDocument()); // every value the program keeps is in the file now
        }
        QByteArray edited = "written before any group\n; the user's notes\n" + FileBytes(folders.SettingsFile());
        edited.replace("Value=\"Sample Company\"", "Value = Sample Company\n# a comment inside\nnot a value");
        QVERIFY(WriteFileBytes(folders.SettingsFile(), edited));

        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        QCOMPARE(doc.CurrentCompanyName(), QStringLiteral("Sample Company"));
        QVERIFY(RunEnd(doc).CloseDocument());
        QCOMPARE(FileBytes(folders.SettingsFile()), edited);
        QVERIFY(prompt.asked.isEmpty());
    }

    // A settings file that can't be used (here a pipe no one writes to) is
    // said at the start; the run goes on with the defaults and leaves it.
    void anUnusableSettingsFileIsToldAtTheStart()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        QVERIFY(QDir().mkpath(QFileInfo(folders.SettingsFile()).absolutePath()));
        QCOMPARE(::mkfifo(QFile::encodeName(folders.SettingsFile()).constData(), 0600), 0);
        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        QCOMPARE(prompt.asked.size(), 1);
        QVERIFY2(prompt.asked[0].contains("it is a pipe (FIFO), not a regular file"), qPrintable(prompt.asked[0]));
        QCOMPARE(doc.CurrentCompanyName(), QStringLiteral("Sample Company"));
        RunEnd(doc).CloseDocument();
        QVERIFY(QFileInfo(folders.SettingsFile()).exists() && !QFileInfo(folders.SettingsFile()).isFile());
    }

    // ---- changes ----

    void insertAndDeleteTogetherWriteNothing()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        const QString path = doc.CurrentStorePath();
        const QByteArray before = FileBytes(path);

        doc.Employees().push_back(Employee(1, "Temp"));
        doc.SetModified(1);
        doc.QueueChange({RecordKind::Employee, ChangeOperation::Insert, 0, 1}, false);
        doc.Employees().clear();
        doc.QueueChange({RecordKind::Employee, ChangeOperation::Delete, 0, 1}, false);
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
        QVERIFY(RunStart(doc).OpenFirstCompany());
        doc.Employees().push_back(Employee(1, "Ann"));
        doc.QueueChange({RecordKind::Employee, ChangeOperation::Insert, 0, 1}, true);
        QCOMPARE(RowCount(doc.CurrentStorePath(), "Employees"), 0);
        QCOMPARE(int(doc.PendingChanges().size()), 1);
        doc.SetModified(1);
        QCOMPARE(doc.CommitChanges().written, 1);
        QCOMPARE(RowCount(doc.CurrentStorePath(), "Employees"), 1);
    }

    void failedWritesStayQueuedAndAreReported()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        const QString path = doc.CurrentStorePath();
        QVERIFY(QFile::rename(path, path + ".away")); // the store is out of reach

        doc.Employees().push_back(Employee(1, "Ann"));
        doc.SetModified(1);
        const CommitResult failed = doc.QueueChange({RecordKind::Employee, ChangeOperation::Insert, 0, 1});
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
        CompanyCommands(doc).OnSave();
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
        QVERIFY(RunStart(doc).OpenFirstCompany());
        const QString path = doc.CurrentStorePath();
        doc.Employees() = {Employee(1, "Ann"), Employee(2, "Bob")};
        doc.SetModified(1);
        doc.QueueChange({RecordKind::Employee, ChangeOperation::Insert, 0, 1}, false);
        doc.QueueChange({RecordKind::Employee, ChangeOperation::Insert, 1, 2}, true);
        QCOMPARE(RowCount(path, "Employees"), 2);

        QVERIFY(QFile::rename(path, path + ".away"));
        doc.Employees()[1].FirstName = "Robert";
        doc.SetModified(1);
        doc.QueueChange({RecordKind::Employee, ChangeOperation::Update, 1, 2});
        doc.Employees().erase(doc.Employees().begin());
        doc.QueueChange({RecordKind::Employee, ChangeOperation::Delete, 0, 1});
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
        QVERIFY(RunStart(doc).OpenFirstCompany());
        const QString path = doc.CurrentStorePath();
        QVERIFY(doc.SaveModified()); // nothing to save: no question
        QVERIFY(prompt.asked.isEmpty());

        doc.Employees().push_back(Employee(1, "Ann"));
        doc.SetModified(1);
        doc.QueueChange({RecordKind::Employee, ChangeOperation::Insert, 0, 1}, false);
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
        doc.SetView(Screen::Form1099, &f1099);
        doc.SetView(Screen::W2, &w2);
        doc.SetView(Screen::CompanySetup, &company);
        doc.SetView(Screen::Form1096, &f1096);
        doc.SetView(Screen::Employees, &employees);
        doc.SetView(Screen::W3, &w3);
        doc.SetView(Screen::Contractors, &contractors);
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
        doc.SetDataFolder(folders.DataFolder());
        CompanyCommands commands(doc);
        QVERIFY(!commands.EnumerateCompanies(doc.DataFolder(), true)); // no store: a failure
        for (const char* name : {"A.pmt Sales.pmt", "Beta.PMT", "notes.txt", "Gone.pmt.del"}) {
            QFile f(folders.DataFolder() + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(commands.EnumerateCompanies(doc.DataFolder(), true));
        QStringList names = commands.CompanyNames();
        names.sort();
        QCOMPARE(names, QStringList({"A.pmt Sales", "Beta"}));
        QVERIFY(commands.EnumerateCompanies(doc.DataFolder(), false));
        names = commands.CompanyNames();
        names.sort();
        QCOMPARE(names, QStringList({"A.pmt Sales.pmt", "Beta.PMT"}));

        QVERIFY(doc.CompanyStoreExists("beta"));
        QVERIFY(doc.CompanyStoreExists("a.PMT sales"));
        QVERIFY(!doc.CompanyStoreExists("Gone"));
        QVERIFY(!doc.CompanyStoreExists(""));
        QCOMPARE(doc.StorePathFor("BETA"), folders.DataFolder() + "Beta.PMT");
        QVERIFY(!commands.EnumerateCompanies(folders.Path("no such folder/"), true));
    }

    // ---- company commands ----

    void newCompanyCreatesItsStore()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        QStringList log;
        RecordingView view(log, "company");
        doc.SetView(Screen::CompanySetup, &view);
        QSignalSpy navigation(&doc, &CGlobalDoc::navigateRequested);
        ScriptedDialogs dialogs;
        dialogs.newName = QStringLiteral("O'Neil Ltd");

        CompanyCommands(doc).OnNewCompany(dialogs);
        const QString path = folders.DataFolder() + "O'Neil Ltd.pmt";
        QCOMPARE(doc.CurrentStorePath(), path);
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

    // A name of blanks only names no company; blanks around a name are
    // not part of it.
    void newCompanyNamesAreTrimmed_data()
    {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("file"); // empty: refused
        QTest::newRow("blanks only") << "   " << QString();
        QTest::newRow("blanks around") << "  Delta Co  "
                                       << "Delta Co.pmt";
    }

    void newCompanyNamesAreTrimmed()
    {
        QFETCH(QString, entered);
        QFETCH(QString, file);
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        ScriptedDialogs dialogs;
        dialogs.newName = entered;
        CompanyCommands(doc).OnNewCompany(dialogs);
        QStringList expected{"Sample Company.pmt"};
        if (file.isEmpty()) {
            QCOMPARE(prompt.asked, QStringList{"Please enter a name for the new company"});
            QCOMPARE(doc.CurrentCompanyName(), QStringLiteral("Sample Company"));
        } else {
            expected << file;
            QCOMPARE(doc.Company().EmployerName.Text(), QStringLiteral("Delta Co"));
        }
        QStringList files = QDir(folders.DataFolder()).entryList({"*.pmt"}, QDir::Files);
        files.sort();
        expected.sort();
        QCOMPARE(files, expected);
    }

    void newCompanyWithAnExistingNameOpensItUnchanged()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        MakeStore(folders.DataFolder(), "Acme.pmt", "Acme Original");
        const QByteArray before = FileBytes(folders.DataFolder() + "Acme.pmt");
        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        ScriptedDialogs dialogs;
        dialogs.newName = QStringLiteral("ACME");
        CompanyCommands(doc).OnNewCompany(dialogs);
        QCOMPARE(prompt.asked, QStringList({"This company already exists"}));
        QCOMPARE(doc.CurrentStorePath(), folders.DataFolder() + "Acme.pmt");
        QCOMPARE(doc.Company().EmployerName.Text(), QStringLiteral("Acme Original"));
        QCOMPARE(FileBytes(folders.DataFolder() + "Acme.pmt"), before);
        QVERIFY(!QFile::exists(folders.DataFolder() + "ACME.pmt"));
    }

    // Two stores whose names differ only in letter case are never mixed
    // up: the exact spelling wins, and a name that fits both is refused.
    void namesThatDifferOnlyInCase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("opened"); // at start, from the settings
        QTest::newRow("spelt as one of them") << "ACME"
                                              << "ACME";
        QTest::newRow("spelt as the other") << "Acme"
                                            << "Acme";
        QTest::newRow("fits both") << "acme"
                                   << "Sample Company";
    }

    void namesThatDifferOnlyInCase()
    {
        QFETCH(QString, name);
        QFETCH(QString, opened);
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        MakeStore(folders.DataFolder(), "Acme.pmt", "Acme");
        MakeStore(folders.DataFolder(), "ACME.pmt", "ACME");
        const QStringList before = FolderSnapshot(folders.DataFolder());
        WriteSettingText(kLastCompanyKey, "Value", name);
        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        QCOMPARE(doc.CurrentCompanyName(), opened);
        QCOMPARE(doc.Company().EmployerName.Text(), opened);

        ScriptedDialogs dialogs;
        dialogs.newName = name;
        CompanyCommands(doc).OnNewCompany(dialogs);
        if (opened == "Sample Company") {
            QCOMPARE(prompt.asked.size(), 1);
            QVERIFY2(prompt.asked[0].contains("\"acme\" fits 2 companies that differ only in letter case: \"ACME\", "
                                              "\"Acme\""),
                     qPrintable(prompt.asked[0]));
            QCOMPARE(doc.CurrentCompanyName(), QStringLiteral("Sample Company"));
        } else {
            QCOMPARE(prompt.asked, QStringList({"This company already exists"}));
            QCOMPARE(doc.Company().EmployerName.Text(), opened);
        }
        doc.ClearCompanyData();
        QCOMPARE(FolderSnapshot(folders.DataFolder()), before);
    }

    void switchingCompanyAsksToSaveFirst()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        MakeStore(folders.DataFolder(), "Acme.pmt", "Acme");
        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        doc.Employees().push_back(Employee(1, "Ann"));
        doc.SetModified(1);
        doc.QueueChange({RecordKind::Employee, ChangeOperation::Insert, 0, 1}, false);
        ScriptedDialogs dialogs;
        dialogs.selectName = "Acme";

        prompt.Then(PromptAnswer::Cancel);
        CompanyCommands(doc).OnOpenCompany(dialogs);
        QCOMPARE(doc.CurrentCompanyName(), QStringLiteral("Sample Company"));
        QVERIFY(dialogs.offered.isEmpty()); // the dialog never showed

        prompt.Then(PromptAnswer::Yes);
        CompanyCommands(doc).OnOpenCompany(dialogs);
        QCOMPARE(doc.CurrentCompanyName(), QStringLiteral("Acme"));
        QCOMPARE(doc.Company().EmployerName.Text(), QStringLiteral("Acme"));
        QCOMPARE(doc.Modified(), 0);
        QCOMPARE(RowCount(folders.DataFolder() + "Sample Company.pmt", "Employees"), 1);
    }

    // Opening a company that can't be read keeps the company that was open,
    // as it was: its records, its unsaved changes, its lock and its place
    // as the last active company.
    void aFailedOpenKeepsTheOpenCompany_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Open") << "Open";
        QTest::newRow("New, with the name of a damaged company") << "New";
        QTest::newRow("a file of the data folder") << "File";
        QTest::newRow("a file from elsewhere") << "File elsewhere";
    }

    void aFailedOpenKeepsTheOpenCompany()
    {
        QFETCH(QString, command);
        TestFolders folders;
        ScriptedPrompt prompt;
        const QString data = folders.DataFolder();
        MakeStore(data, "Sample Company.pmt", "Sample Company");
        MakeStoreWithStaff(data, "Acme.pmt", "Acme", {1, 2}, {1});
        MakeCutShortStore(data, "Broken.pmt");
        QTemporaryDir elsewhere;
        const QString outside = elsewhere.filePath("Cracked.pmt");
        QVERIFY(QFile::copy(data + "Broken.pmt", outside)); // a name the data folder doesn't have
        WriteSettingText(kLastCompanyKey, "Value", "Acme");
        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        QStringList log;
        RecordingView view(log, "view");
        doc.SetView(Screen::Employees, &view);
        doc.SetModified(1); // a change the store refused, kept for Save
        doc.QueueChange({RecordKind::Employee, ChangeOperation::Update, 0, 1}, false);
        QSignalSpy navigations(&doc, &CGlobalDoc::navigateRequested);
        const QStringList before = FolderSnapshot(data);

        ScriptedDialogs dialogs;
        dialogs.selectName = "Broken";
        dialogs.newName = "broken";
        prompt.Then(PromptAnswer::No); // keep the unsaved change unsaved
        if (command == "Open")
            CompanyCommands(doc).OnOpenCompany(dialogs);
        else if (command == "New")
            CompanyCommands(doc).OnNewCompany(dialogs);
        else
            CompanyCommands(doc).OnOpenFile(command == "File" ? data + "Broken.pmt" : outside, dialogs);
        QVERIFY2(prompt.asked.last().contains("could not be read"), qPrintable(prompt.asked.last()));
        QCOMPARE(prompt.icons.last(), PromptIcon::Stop);

        QCOMPARE(doc.CurrentCompanyName(), QStringLiteral("Acme"));
        QCOMPARE(doc.CurrentStorePath(), data + "Acme.pmt");
        QCOMPARE(doc.Company().EmployerName.Text(), QStringLiteral("Acme"));
        QCOMPARE(doc.Employees().size(), size_t(2));
        QCOMPARE(doc.Title(), QStringLiteral("Acme - Formlark (2005)"));
        QVERIFY(doc.CanWrite());
        QCOMPARE(doc.Modified(), 1);
        QCOMPARE(doc.PendingChanges().size(), size_t(1));
        QVERIFY(log.isEmpty()); // the views kept what they show
        QCOMPARE(navigations.size(), 0);
        QVERIFY(StoreLock::IsHeldElsewhere(data + "Acme.pmt")); // still this program's
        QVERIFY(!StoreLock::IsHeldElsewhere(data + "Broken.pmt"));
        QCOMPARE(FolderSnapshot(data), before); // no copy of the damaged file left behind

        doc.SetView(Screen::Employees, nullptr);
        doc.SetModified(0);
        QVERIFY(RunEnd(doc).CloseDocument());
        QCOMPARE(ReadSettingText(kLastCompanyKey, "Value", "-"), QStringLiteral("Acme"));
    }

    void deleteCommand()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        QVERIFY(!CompanyCommands(doc).CanDeleteCompany()); // only the Sample Company

        MakeStore(folders.DataFolder(), "Acme.pmt", "Acme");
        MakeStore(folders.DataFolder(), "Beta.pmt", "Beta");
        QFile old(folders.DataFolder() + "Acme.pmt.del");
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older deleted store");
        old.close();
        QVERIFY(CompanyCommands(doc).CanDeleteCompany());

        ScriptedDialogs dialogs;
        dialogs.selectName = "Acme";
        prompt.Then(PromptAnswer::No);
        CompanyCommands(doc).OnDeleteCompany(dialogs);
        QStringList offered = dialogs.offered;
        offered.sort();
        QCOMPARE(offered, QStringList({"Acme", "Beta"})); // never the Sample Company
        QVERIFY(QFile::exists(folders.DataFolder() + "Acme.pmt"));

        const QByteArray acme = FileBytes(folders.DataFolder() + "Acme.pmt");
        prompt.Then(PromptAnswer::Yes);
        CompanyCommands(doc).OnDeleteCompany(dialogs);
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
        QVERIFY(RunStart(doc).OpenFirstCompany());
        ScriptedDialogs dialogs;
        dialogs.selectName = "Acme";
        CompanyCommands(doc).OnDeleteCompany(dialogs);
        QCOMPARE(prompt.asked, QStringList({"You can't delete currently opened company."}));

        // Renamed in this run, its file still has the old name: still refused.
        doc.SetCompanyTitle(QStringLiteral("Acme Renamed"));
        CompanyCommands(doc).OnDeleteCompany(dialogs);
        QCOMPARE(prompt.asked.size(), 2);
        QCOMPARE(prompt.asked.last(), QStringLiteral("You can't delete currently opened company."));
        QVERIFY(QFile::exists(folders.DataFolder() + "Acme.pmt"));
    }
};

FORMLARK_TEST_GUILESS_MAIN(GlobalDocTest)
#include "GlobalDocTest.moc"
