// The import's five steps driven tick by tick without a window: the
// pacing, the stores it carries over, what makes each step fail, and what
// it never writes over.
#include "core/import/ImportProcess.h"
#include "core/import/PreviousEditionFolder.h"
#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"
#include "tests/support/EarlierStoreWriter.h"
#include "tests/support/TestFolders.h"
#include "tests/support/TestStores.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace {

using Tick = ImportProcess::Tick;

// This edition (program folder, data folder with the Sample Company,
// settings) and a previous edition installed in a folder of its own, which
// the environment variable names.
struct Editions {
    TestFolders folders;
    QString installation = folders.Path("Formlark (2004)");

    Editions()
    {
        QDir().mkpath(OldStores());
        qputenv(kPreviousEditionFolderVariable, installation.toUtf8());
        MakeStore(DataFolder(), "Sample Company.pmt", "Sample Company");
    }
    ~Editions() { qunsetenv(kPreviousEditionFolderVariable); }

    QString OldStores() const { return installation + "/DatabaseFiles/"; }
    QString DataFolder() const { return folders.DataFolder(); }
    QString Staging() const { return DataFolder() + "2004/"; }
    QStringList DataFiles() const { return QDir(DataFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

// Ticks until the import is over; the number of ticks it took.
int RunToEnd(ImportProcess& import)
{
    int ticks = 0;
    while (!import.IsOver() && ticks < 100000) {
        import.Advance();
        ++ticks;
    }
    return ticks;
}

CompanyData Load(const QString& path)
{
    CompanyData data;
    CompanyStore store;
    LoadCompany(store, path, data);
    return data;
}

QList<int> W2Ids(const CompanyData& data)
{
    QList<int> ids;
    for (const W2Record& w : data.w2s)
        ids << w.W2UniqueID << w.EmployeeUniqueID;
    return ids;
}

} // namespace

class ImportProcessTest : public QObject {
    Q_OBJECT

private slots:
    void eachStepTakes101TicksAndWorksAtTick4()
    {
        Editions e;
        MakeStoreWithStaff(e.OldStores(), "Acme.pmt", "Acme", {3}, {});
        MakeStoreWithStaff(e.OldStores(), "Birch.pmt", "Birch", {1}, {});
        ImportProcess import(e.DataFolder());

        for (int tick = 1; tick <= 4; ++tick) {
            QCOMPARE(import.Advance(), Tick::Running);
            QCOMPARE(import.Progress(), tick);
            QVERIFY(import.State().oldFolder.isEmpty());
        }
        QCOMPARE(import.Advance(), Tick::Running);
        QCOMPARE(import.State().oldFolder, e.OldStores());
        while (import.TickCount() < 100)
            QCOMPARE(import.Advance(), Tick::Running);
        QCOMPARE(import.Progress(), 100);
        QCOMPARE(import.Advance(), Tick::StepChanged);
        QCOMPARE(import.Step(), 1);
        QCOMPARE(import.Progress(), 0);

        // The upgrade does one store per tick after its work tick.
        while (import.Step() < 2)
            import.Advance();
        for (int tick = 0; tick < 5; ++tick)
            import.Advance();
        QVERIFY(QFileInfo(e.Staging()).isDir());
        QCOMPARE(QDir(e.Staging()).entryList(QDir::Files).size(), 0);
        import.Advance();
        QCOMPARE(QDir(e.Staging()).entryList(QDir::Files).size(), 1);
        import.Advance();
        QCOMPARE(QDir(e.Staging()).entryList(QDir::Files).size(), 2);

        // Each store takes one tick of its step, which still takes 101 ticks.
        ImportProcess whole(e.DataFolder());
        QCOMPARE(RunToEnd(whole), 5 * 101);
        QVERIFY(whole.IsOver());
        QCOMPARE(whole.FailedStep(), -1);
        QCOMPARE(whole.Advance(), Tick::Succeeded);
    }

    // More stores than a step has ticks: the step lasts until every store is
    // done, and the bar moves on with them without running past 100.
    void manyStoresShareTheBar()
    {
        Editions e;
        const int stores = 100;
        MakeStore(e.OldStores(), "Company 0.pmt", "Company");
        for (int i = 1; i < stores; ++i)
            QVERIFY(
                QFile::copy(e.OldStores() + "Company 0.pmt", e.OldStores() + QStringLiteral("Company %1.pmt").arg(i)));
        ImportProcess import(e.DataFolder());
        while (import.Step() < 2)
            import.Advance();
        QList<int> positions;
        while (import.Step() == 2) {
            import.Advance();
            positions << import.Progress();
        }
        QCOMPARE(positions.size(), 5 + stores + 1);
        QCOMPARE(positions.mid(0, 5), QList<int>({1, 2, 3, 4, 5}));
        QCOMPARE(positions[5 + stores / 2 - 1], 5 + 95 / 2); // halfway through the stores
        QCOMPARE(positions[5 + stores - 1], 100);
        QVERIFY(std::is_sorted(positions.begin(), positions.end() - 1));
        QCOMPARE(positions.last(), 0); // the next step
        QCOMPARE(QDir(e.Staging()).entryList(QDir::Files).size(), stores);
        RunToEnd(import);
        QCOMPARE(import.CopiedCount(), stores);
    }

    void carriesTheCompaniesOver()
    {
        Editions e;
        MakeStoreWithStaff(e.OldStores(), "Acme.pmt", "Acme", {3, 9, 12}, {4});
        MakeStoreWithStaff(e.OldStores(), "Birch.pmt", "Birch", {}, {7, 8});
        const QByteArray sample = FileBytes(e.DataFolder() + "Sample Company.pmt");
        ImportProcess import(e.DataFolder());
        RunToEnd(import);
        QCOMPARE(import.FailedStep(), -1);
        QCOMPARE(import.CopiedCount(), 2);

        QCOMPARE(e.DataFiles(), QStringList({"Acme.pmt", "Birch.pmt", "Sample Company.pmt"}));
        QCOMPARE(FileBytes(e.DataFolder() + "Sample Company.pmt"), sample);
        const CompanyData acme = Load(e.DataFolder() + "Acme.pmt");
        QCOMPARE(acme.company.EmployerName.Text(), QString("Acme"));
        QCOMPARE(W2Ids(acme), QList<int>({1, 3, 2, 9, 3, 12}));
        QCOMPARE(acme.w2s[0].Wages.Text(), QString());
        QCOMPARE(int(acme.forms1099.size()), 1);
        const CompanyData birch = Load(e.DataFolder() + "Birch.pmt");
        QCOMPARE(int(birch.w2s.size()), 0);
        QCOMPARE(birch.forms1099[1].Form1099UniqueID, 2);
        QCOMPARE(birch.forms1099[1].ContractorUniqueID, 8);
        QCOMPARE(birch.forms1099[1].Rents.Text(), QString());
        // The upgraded copies stay in the staging folder; the originals are untouched.
        QCOMPARE(QDir(e.Staging()).entryList(QDir::Files, QDir::Name), QStringList({"Acme.pmt", "Birch.pmt"}));
        QCOMPARE(Load(e.OldStores() + "Acme.pmt").w2s[0].Wages.Text(), QString("50000.00"));
    }

    // A 2004 store of the earlier Windows editions is converted on its way
    // into the staging folder and then upgraded like any other; the
    // original is only read.
    void carriesEarlierEditionStoresOver()
    {
        Editions e;
        const QByteArray cedar = FileBytes(EarlierStoreFixture("Legacy Sample.pmt"));
        QVERIFY(WriteFileBytes(e.OldStores() + "Cedar.pmt", cedar));
        MakeStoreWithStaff(e.OldStores(), "Acme.pmt", "Acme", {3}, {});
        const QStringList old = FolderSnapshot(e.OldStores());
        ImportProcess import(e.DataFolder());
        RunToEnd(import);
        QCOMPARE(import.FailedStep(), -1);
        QCOMPARE(import.CopiedCount(), 2);

        QCOMPARE(e.DataFiles(), QStringList({"Acme.pmt", "Cedar.pmt", "Sample Company.pmt"}));
        const CompanyData imported = Load(e.DataFolder() + "Cedar.pmt");
        QCOMPARE(imported.company.EmployerName.Text(), QString("Cedar Hollow Bakery"));
        QCOMPARE(imported.employees.at(1).LastName.Text(), QString("Okafor"));
        QCOMPARE(W2Ids(imported), QList<int>({1, 1, 2, 2, 3, 3, 4, 4}));
        QCOMPARE(imported.w2s[0].Wages.Text(), QString()); // a new year's blank W-2
        QCOMPARE(int(imported.contractors.size()), 3);
        QCOMPARE(imported.forms1099[1].Rents.Text(), QString());
        QCOMPARE(FolderSnapshot(e.OldStores()), old);
        QCOMPARE(FileBytes(e.OldStores() + "Cedar.pmt"), cedar);
    }

    // One that is damaged, or was left in the middle of a change, is left
    // out like any damaged store: the others come over, and nothing of the
    // previous edition is touched.
    void aDamagedEarlierStoreIsLeftOut_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("journal");
        const QByteArray cedar = FileBytes(EarlierStoreFixture("Legacy Sample.pmt"));
        QTest::newRow("cut short") << cedar.left(15 * 1024) << QByteArray();
        QTest::newRow("journal left beside it") << cedar << QByteArray(1040, '\x05');
    }

    void aDamagedEarlierStoreIsLeftOut()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, journal);
        Editions e;
        QVERIFY(WriteFileBytes(e.OldStores() + "Cedar.pmt", bytes));
        if (!journal.isEmpty())
            QVERIFY(WriteFileBytes(e.OldStores() + "Cedar.pmt-journal", journal));
        MakeStoreWithStaff(e.OldStores(), "Acme.pmt", "Acme", {3}, {});
        const QStringList old = FolderSnapshot(e.OldStores());
        ImportProcess import(e.DataFolder());
        RunToEnd(import);
        QCOMPARE(import.FailedStep(), -1);
        QCOMPARE(import.LeftOut(), QStringList{"Cedar.pmt"});
        QCOMPARE(e.DataFiles(), QStringList({"Acme.pmt", "Sample Company.pmt"}));
        QVERIFY(!QFileInfo::exists(e.Staging() + "Cedar.pmt"));
        QCOMPARE(FolderSnapshot(e.OldStores()), old);
    }

    void aFailedStepEndsTheImportWithoutCopying_data()
    {
        QTest::addColumn<QString>("previous");
        QTest::addColumn<int>("failedStep");
        QTest::newRow("no previous edition") << "not installed" << 0;
        QTest::newRow("a store folder without stores") << "no stores" << 1;
        QTest::newRow("every store damaged") << "all damaged" << 2;
    }

    void aFailedStepEndsTheImportWithoutCopying()
    {
        QFETCH(QString, previous);
        QFETCH(int, failedStep);
        Editions e;
        if (previous == "not installed") {
            QDir(e.OldStores()).removeRecursively();
        } else if (previous == "no stores") {
            // Neither a deleted store nor a folder counts as one.
            QVERIFY(WriteFileBytes(e.OldStores() + "Gone.pmt.del", "x"));
            QDir().mkpath(e.OldStores() + "Folder.pmt");
        } else {
            for (const char* name : {"Acme.pmt", "Birch.pmt"}) {
                MakeStoreWithStaff(e.OldStores(), name, name, {1}, {});
                QVERIFY(WriteFileBytes(e.OldStores() + name, "not a store"));
            }
        }
        ImportProcess import(e.DataFolder());
        RunToEnd(import);
        QCOMPARE(import.FailedStep(), failedStep);
        QCOMPARE(import.Advance(), Tick::Failed);
        QVERIFY(import.State().sources.isEmpty());
        QCOMPARE(e.DataFiles(), QStringList{"Sample Company.pmt"});
        // The stores that stopped it are named.
        QStringList leftOut = import.LeftOut();
        leftOut.sort();
        QCOMPARE(leftOut, failedStep == 2 ? QStringList({"Acme.pmt", "Birch.pmt"}) : QStringList());
    }

    // A damaged store is left out and named; the others are imported.
    void aDamagedStoreIsLeftOutAndNamed_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("without the W3 table") << "no W3";
        QTest::newRow("a foreign header") << "foreign";
        QTest::newRow("cut short") << "truncated";
    }

    void aDamagedStoreIsLeftOutAndNamed()
    {
        QFETCH(QString, damage);
        Editions e;
        MakeStoreWithStaff(e.OldStores(), "Acme.pmt", "Acme", {1}, {});
        MakeStoreWithStaff(e.OldStores(), "Birch.pmt", "Birch", {1}, {});
        MakeStoreWithStaff(e.OldStores(), "Cedar.pmt", "Cedar", {2}, {});
        const QString bad = e.OldStores() + "Birch.pmt";
        if (damage == "no W3") {
            CompanyStore store;
            QCOMPARE(store.OpenExisting(bad), 0);
            QCOMPARE(store.Execute("DROP TABLE W3;"), 0);
        } else {
            QByteArray bytes = FileBytes(bad);
            if (damage == "foreign")
                bytes.replace("Wagesparrow", "Otherwisely");
            else
                bytes.truncate(bytes.size() / 2);
            QVERIFY(WriteFileBytes(bad, bytes));
        }
        const QByteArray original = FileBytes(bad);
        ImportProcess import(e.DataFolder());
        RunToEnd(import);
        QCOMPARE(import.FailedStep(), -1);
        QCOMPARE(import.LeftOut(), QStringList{"Birch.pmt"});
        QVERIFY(import.LeftOutNote().endsWith("Formlark (2004):\nBirch.pmt"));
        QCOMPARE(import.CopiedCount(), 2);
        QCOMPARE(e.DataFiles(), QStringList({"Acme.pmt", "Cedar.pmt", "Sample Company.pmt"}));
        QCOMPARE(W2Ids(Load(e.DataFolder() + "Cedar.pmt")), QList<int>({1, 2}));
        // No half-made copy of it stays behind, and the original is only read.
        QCOMPARE(QDir(e.Staging()).entryList(QDir::Files, QDir::Name), QStringList({"Acme.pmt", "Cedar.pmt"}));
        QCOMPARE(FileBytes(bad), original);
    }

    // A company this edition has already keeps its store; its upgraded copy
    // stays in the staging folder.
    void existingCompaniesKeepTheirStores_data()
    {
        QTest::addColumn<QString>("existing"); // this edition's store file, or empty
        QTest::addColumn<QString>("kept");     // the open company's name, or empty
        QTest::newRow("same name") << "Acme.pmt"
                                   << "";
        QTest::newRow("another letter case") << "ACME.PMT"
                                             << "";
        QTest::newRow("the open company, its store elsewhere") << ""
                                                               << "acme";
    }

    void existingCompaniesKeepTheirStores()
    {
        QFETCH(QString, existing);
        QFETCH(QString, kept);
        Editions e;
        MakeStoreWithStaff(e.OldStores(), "Acme.pmt", "Acme 2004", {3, 9, 12}, {});
        MakeStoreWithStaff(e.OldStores(), "Birch.pmt", "Birch", {1}, {});
        QByteArray mine;
        if (!existing.isEmpty()) {
            MakeStoreWithStaff(e.DataFolder(), existing, "Acme 2005", {5}, {});
            mine = FileBytes(e.DataFolder() + existing);
        }
        ImportProcess import(e.DataFolder(), kept.isEmpty() ? QStringList() : QStringList{kept});
        RunToEnd(import);
        QCOMPARE(import.FailedStep(), -1);
        QCOMPARE(import.CopiedCount(), 1);
        QCOMPARE(import.KeptCount(), 1);

        QStringList expected = {"Birch.pmt", "Sample Company.pmt"};
        if (!existing.isEmpty())
            expected << existing;
        expected.sort();
        QCOMPARE(e.DataFiles(), expected);
        if (!existing.isEmpty())
            QCOMPARE(FileBytes(e.DataFolder() + existing), mine);
        const CompanyData staged = Load(e.Staging() + "Acme.pmt");
        QCOMPARE(staged.company.EmployerName.Text(), QString("Acme 2004"));
        QCOMPARE(W2Ids(staged), QList<int>({1, 3, 2, 9, 3, 12}));
    }

    // The staged copy replaces only the staged file: never a store it links
    // to, never a store of the data folder.
    void stagingNeverWritesThroughLinks_data()
    {
        QTest::addColumn<QString>("staging");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("an older staged copy") << "older copy" << true;
        QTest::newRow("a staged name linked to this edition's store") << "linked store" << true;
        QTest::newRow("a staging folder linked to the data folder") << "linked folder" << false;
    }

    void stagingNeverWritesThroughLinks()
    {
        QFETCH(QString, staging);
        QFETCH(bool, succeeds);
        Editions e;
        MakeStoreWithStaff(e.OldStores(), "Acme.pmt", "Acme 2004", {3}, {});
        MakeStoreWithStaff(e.DataFolder(), "Acme.pmt", "Acme 2005", {5}, {});
        const QByteArray mine = FileBytes(e.DataFolder() + "Acme.pmt");
        if (staging == "linked folder") {
            QVERIFY(QFile::link(e.DataFolder(), e.DataFolder() + "2004"));
        } else {
            QDir().mkpath(e.Staging());
            if (staging == "older copy")
                QVERIFY(WriteFileBytes(e.Staging() + "Acme.pmt", "an older copy"));
            else
                QVERIFY(QFile::link(e.DataFolder() + "Acme.pmt", e.Staging() + "Acme.pmt"));
        }

        ImportProcess import(e.DataFolder());
        RunToEnd(import);
        QCOMPARE(import.FailedStep(), succeeds ? -1 : 2);
        QCOMPARE(FileBytes(e.DataFolder() + "Acme.pmt"), mine);
        QCOMPARE(Load(e.OldStores() + "Acme.pmt").w2s[0].Wages.Text(), QString("50000.00"));
        if (succeeds) {
            QVERIFY(!QFileInfo(e.Staging() + "Acme.pmt").isSymLink());
            QCOMPARE(W2Ids(Load(e.Staging() + "Acme.pmt")), QList<int>({1, 3}));
        }
    }

    void percentLabel_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << 0 << "0%";
        QTest::newRow("midway") << 47 << "47%";
        QTest::newRow("end") << 100 << "100%";
    }

    void percentLabel()
    {
        QFETCH(int, position);
        QFETCH(QString, text);
        QCOMPARE(ImportProcess::PercentText(position), text);
    }
};

FORMLARK_TEST_GUILESS_MAIN(ImportProcessTest)
#include "ImportProcessTest.moc"
