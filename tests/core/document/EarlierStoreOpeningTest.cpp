// The document and the stores of the earlier Windows editions: Company >
// Open, a new company of that name, the first open and a file opened from
// the file manager all ask before converting; No leaves every file and the
// open company as they were, Yes converts (the original kept) and opens.
// Files from outside the data folder come in as copies, never over a store.
#include "core/document/GlobalDoc.h"
#include "core/document/RunStart.h"
#include "core/document/CompanyCommands.h"
#include "core/settings/Settings.h"
#include "core/store/CompanyData.h"
#include "core/store/StoreFileKind.h"
#include "tests/support/EarlierStoreWriter.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TestFolders.h"
#include "tests/support/TestStores.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray& Sample()
{
    static const QByteArray bytes = FileBytes(EarlierStoreFixture("Legacy Sample.pmt"));
    return bytes;
}

QString Question(const QString& kept)
{
    return QStringLiteral("This company was saved by an earlier edition of the program. Convert it now? The "
                          "original file is kept as %1.")
        .arg(kept);
}

// A data folder with the Sample Company open and the earlier store
// "Cedar.pmt" beside it.
struct Setup {
    TestFolders folders;
    ScriptedPrompt prompt;
    CGlobalDoc doc;
    ScriptedDialogs dialogs;
    QString cedar;

    Setup()
    {
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        cedar = folders.DataFolder() + "Cedar.pmt";
        WriteFileBytes(cedar, Sample());
        RunStart(doc).OpenFirstCompany();
    }
    // The files of the data folder but the locks of open companies.
    QStringList Files() const
    {
        QStringList files = QDir(folders.DataFolder()).entryList(QDir::Files);
        files.removeIf([](const QString& file) { return file.endsWith(".lock"); });
        return files;
    }
};

} // namespace

class EarlierStoreOpeningTest : public QObject {
    Q_OBJECT

private slots:
    void openListsEarlierStoresAndAsksBeforeConverting_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No") << false;
        QTest::newRow("Yes") << true;
    }

    void openListsEarlierStoresAndAsksBeforeConverting()
    {
        QFETCH(bool, yes);
        Setup s;
        CompanyCommands commands(s.doc);
        QVERIFY(commands.EnumerateCompanies(s.doc.DataFolder(), true));
        QVERIFY(commands.CompanyNames().contains("Cedar"));
        const QStringList before = FolderSnapshot(s.folders.DataFolder());
        s.dialogs.selectName = "Cedar";
        s.prompt.Then(yes ? PromptAnswer::Yes : PromptAnswer::No);
        CompanyCommands(s.doc).OnOpenCompany(s.dialogs);

        QCOMPARE(s.prompt.asked, QStringList{Question("Cedar.pmt.2005")});
        QCOMPARE(s.prompt.buttons.first(), PromptButtons::YesNo);
        if (!yes) {
            QCOMPARE(FolderSnapshot(s.folders.DataFolder()), before);
            QCOMPARE(s.doc.CurrentCompanyName(), QStringLiteral("Sample Company"));
            QCOMPARE(s.doc.Company().EmployerName.Text(), QStringLiteral("Sample Company"));
            return;
        }
        QCOMPARE(s.Files(), QStringList({"Cedar.pmt", "Cedar.pmt.2005", "Sample Company.pmt"}));
        QCOMPARE(FileBytes(s.cedar + ".2005"), Sample());
        QCOMPARE(StoreFileKindOf(s.cedar), StoreFileKind::Current);
        QCOMPARE(s.doc.CurrentStorePath(), s.cedar);
        QCOMPARE(s.doc.Company().EmployerName.Text(), QStringLiteral("Cedar Hollow Bakery"));
        QCOMPARE(int(s.doc.Employees().size()), 4);
        QVERIFY(s.doc.CanWrite());
    }

    // A store that can't be converted is refused with the reason before
    // anything is asked, and the open company stays open.
    void aStoreThatCantBeConvertedIsRefusedFirst_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<QString>("told");
        QTest::newRow("left in the middle of a change")
            << Sample() << QByteArray(2000, '\x11')
            << "was being changed when the earlier edition stopped; open it once in that edition, or restore a backup";
        QTest::newRow("cut short") << Sample().left(5 * 1024 + 100) << QByteArray()
                                   << "can't be read: it is damaged (its size is not a whole number of pages";
    }

    void aStoreThatCantBeConvertedIsRefusedFirst()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, journal);
        QFETCH(QString, told);
        Setup s;
        QVERIFY(WriteFileBytes(s.cedar, bytes));
        if (!journal.isEmpty())
            QVERIFY(WriteFileBytes(s.cedar + "-journal", journal));
        const QStringList before = FolderSnapshot(s.folders.DataFolder());
        s.dialogs.selectName = "Cedar";
        CompanyCommands(s.doc).OnOpenCompany(s.dialogs);
        QCOMPARE(s.prompt.asked.size(), 1); // no question before it
        QVERIFY2(s.prompt.asked[0].contains(told), qPrintable(s.prompt.asked[0]));
        QCOMPARE(s.prompt.icons.first(), PromptIcon::Stop);
        QCOMPARE(FolderSnapshot(s.folders.DataFolder()), before);
        QCOMPARE(s.doc.CurrentCompanyName(), QStringLiteral("Sample Company"));
    }

    // A store of the data folder that can't be read is said to be what it
    // is, not only that it "may be damaged".
    void anUnreadableStoreIsSaidWhatItIs_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("told");
        QTest::newRow("empty") << QByteArray() << "could not be read: it is empty (0 bytes).";
        QTest::newRow("a text file") << QByteArray("Name,Wages\nAnn,10\n")
                                     << "could not be read: it is a text file, not a company file.";
        QTest::newRow("only its header")
            << QByteArray("** This is a Wagesparrow Database file version 1.0 **\0\0\0\x28\x75\xE3\xDA", 60)
                   + QByteArray(4036, '\0')
            << "could not be read: only its header is left";
    }

    void anUnreadableStoreIsSaidWhatItIs()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, told);
        Setup s;
        const QString broken = s.folders.DataFolder() + "Broken.pmt";
        QVERIFY(WriteFileBytes(broken, bytes));
        QVERIFY(WriteFileBytes(broken + "-journal", QByteArray(700, '\x42')));
        s.dialogs.selectName = "Broken";
        CompanyCommands(s.doc).OnOpenCompany(s.dialogs);
        QVERIFY(!s.prompt.asked.isEmpty());
        QVERIFY2(s.prompt.asked.front().startsWith("The company file \"" + QDir::toNativeSeparators(broken) + "\" "),
                 qPrintable(s.prompt.asked.front()));
        QVERIFY2(s.prompt.asked.front().contains(told), qPrintable(s.prompt.asked.front()));
        QCOMPARE(FileBytes(broken), bytes);
        QCOMPARE(FileBytes(broken + "-journal"), QByteArray(700, '\x42'));
    }

    void newCompanyOfAnEarlierStoresNameOffersToConvertIt()
    {
        Setup s;
        s.dialogs.newName = "cedar";
        s.prompt.Then(PromptAnswer::Ok).Then(PromptAnswer::No);
        CompanyCommands(s.doc).OnNewCompany(s.dialogs);
        QCOMPARE(s.prompt.asked, QStringList({"This company already exists", Question("Cedar.pmt.2005")}));
        QCOMPARE(FileBytes(s.cedar), Sample());
        QCOMPARE(s.doc.CurrentCompanyName(), QStringLiteral("Sample Company"));
    }

    // The last active company an earlier store: converted on Yes; on No
    // the Sample Company opens instead.
    void firstOpenOfAnEarlierStore_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No") << false;
        QTest::newRow("Yes") << true;
    }

    void firstOpenOfAnEarlierStore()
    {
        QFETCH(bool, yes);
        TestFolders folders;
        ScriptedPrompt prompt;
        MakeStore(folders.DataFolder(), "Sample Company.pmt", "Sample Company");
        QVERIFY(WriteFileBytes(folders.DataFolder() + "Cedar.pmt", Sample()));
        WriteSettingText(SettingsKeyPath(kKeyLastActiveCompany), QLatin1String(kLastActiveCompanyValue), "Cedar");
        prompt.Then(yes ? PromptAnswer::Yes : PromptAnswer::No);
        CGlobalDoc doc;
        QVERIFY(RunStart(doc).OpenFirstCompany());
        QCOMPARE(prompt.asked, QStringList{Question("Cedar.pmt.2005")});
        QCOMPARE(doc.CurrentCompanyName(), yes ? QStringLiteral("Cedar") : QStringLiteral("Sample Company"));
        QCOMPARE(FileBytes(folders.DataFolder() + (yes ? "Cedar.pmt.2005" : "Cedar.pmt")), Sample());
    }

    // ---- a file opened from the file manager ----

    void aStoreOfTheDataFolderOpensAsItself()
    {
        Setup s;
        MakeStore(s.folders.DataFolder(), "Acme.pmt", "Acme Tools");
        const QStringList before = s.Files();
        CompanyCommands(s.doc).OnOpenFile(s.folders.DataFolder() + "Acme.pmt", s.dialogs);
        QVERIFY(s.prompt.asked.isEmpty());
        QCOMPARE(s.doc.CurrentStorePath(), s.folders.DataFolder() + "Acme.pmt");
        QCOMPARE(s.doc.Company().EmployerName.Text(), QStringLiteral("Acme Tools"));
        QCOMPARE(s.Files(), before);

        s.prompt.Then(PromptAnswer::Yes);
        CompanyCommands(s.doc).OnOpenFile(s.cedar, s.dialogs);
        QCOMPARE(s.prompt.asked, QStringList{Question("Cedar.pmt.2005")});
        QCOMPARE(s.doc.CurrentStorePath(), s.cedar);
        QCOMPARE(FileBytes(s.cedar + ".2005"), Sample());
    }

    // From elsewhere: a copy in the data folder under the file's name, or
    // another name when that company exists (never over its store); the
    // file itself is left exactly as it was.
    void aFileFromElsewhereComesInAsACopy_data()
    {
        QTest::addColumn<bool>("earlier");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("otherNames");
        QTest::addColumn<QString>("opened");
        QTest::newRow("this edition's store") << false << "Harbor.pmt" << QStringList() << "Harbor";
        QTest::newRow("earlier store, converted") << true << "Harbor.pmt" << QStringList() << "Harbor";
        QTest::newRow("name taken (any case): another name")
            << false << "sample company.pmt" << QStringList({"Cedar", "Harbor 2"}) << "Harbor 2";
        QTest::newRow("earlier store, name taken")
            << true << "Cedar.PMT" << QStringList({"Cedar 2004"}) << "Cedar 2004";
        // The company is named by the file without its extension, whatever it is.
        QTest::newRow("another extension") << false << "Old Bakery.dat" << QStringList() << "Old Bakery";
        QTest::newRow("earlier store, another extension") << true << "Old Bakery.DB" << QStringList() << "Old Bakery";
        QTest::newRow("a kept original") << false << "Harbor.pmt.2005-2" << QStringList() << "Harbor";
        QTest::newRow("no extension") << false << "Harbor Supply Co." << QStringList() << "Harbor Supply Co.";
        QTest::newRow("a dot in the name") << false << "J.R. Smith & Sons" << QStringList() << "J.R. Smith & Sons";
    }

    void aFileFromElsewhereComesInAsACopy()
    {
        QFETCH(bool, earlier);
        QFETCH(QString, fileName);
        QFETCH(QStringList, otherNames);
        QFETCH(QString, opened);
        Setup s;
        QTemporaryDir elsewhere;
        const QString file = elsewhere.filePath(fileName);
        if (earlier)
            QVERIFY(WriteFileBytes(file, Sample()));
        else
            MakeStore(elsewhere.path() + u'/', fileName, "Harbor Supply");
        const QStringList outside = FolderSnapshot(elsewhere.path());
        const QByteArray sampleStore = FileBytes(s.folders.DataFolder() + "Sample Company.pmt");
        s.dialogs.otherNames = otherNames;

        CompanyCommands(s.doc).OnOpenFile(file, s.dialogs);
        QCOMPARE(s.prompt.asked, earlier ? QStringList{Question(QDir::toNativeSeparators(file))} : QStringList());
        QCOMPARE(s.dialogs.taken.size(), otherNames.size());
        const QString store = s.folders.DataFolder() + opened + ".pmt";
        QCOMPARE(s.doc.CurrentStorePath(), store);
        QCOMPARE(StoreFileKindOf(store), StoreFileKind::Current);
        QCOMPARE(s.doc.Company().EmployerName.Text(),
                 earlier ? QStringLiteral("Cedar Hollow Bakery") : QStringLiteral("Harbor Supply"));
        QCOMPARE(FolderSnapshot(elsewhere.path()), outside);
        QCOMPARE(FileBytes(s.folders.DataFolder() + "Sample Company.pmt"), sampleStore);
        QCOMPARE(FileBytes(s.cedar), Sample());
    }

    void refusedFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("told");
        QTest::newRow("earlier store, No") << Sample() << QByteArray() << int(PromptAnswer::No) << QString();
        QTest::newRow("earlier store, damaged")
            << Sample().left(5000) << QByteArray() << int(PromptAnswer::Yes) << "can't be read: it is damaged";
        QTest::newRow("earlier store, left in the middle of a change")
            << Sample() << QByteArray(600, '\x01') << int(PromptAnswer::Yes)
            << "was being changed when the earlier edition stopped";
        QTest::newRow("this edition's store in the middle of a change")
            << QByteArray() << QByteArray(600, '\x01') << int(PromptAnswer::Yes)
            << "was being changed when a program stopped";
        QTest::newRow("not a store") << QByteArray("Name,Wages\n") << QByteArray() << int(PromptAnswer::Yes)
                                     << "can't be opened: it is a text file, not a company file.";
    }

    void refusedFilesChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, journal);
        QFETCH(int, answer);
        QFETCH(QString, told);
        Setup s;
        QTemporaryDir elsewhere;
        const QString file = elsewhere.filePath("Harbor.pmt");
        if (bytes.isEmpty())
            MakeStore(elsewhere.path() + u'/', "Harbor.pmt", "Harbor");
        else
            QVERIFY(WriteFileBytes(file, bytes));
        if (!journal.isEmpty())
            QVERIFY(WriteFileBytes(file + "-journal", journal));
        const QStringList outside = FolderSnapshot(elsewhere.path());
        const QStringList inside = FolderSnapshot(s.folders.DataFolder());
        s.prompt.Then(PromptAnswer(answer));

        CompanyCommands(s.doc).OnOpenFile(file, s.dialogs);
        if (!told.isEmpty()) {
            QVERIFY2(s.prompt.asked.last().contains(told), qPrintable(s.prompt.asked.join('\n')));
            // Said before anything is asked: no question to convert what
            // can't be converted.
            QCOMPARE(s.prompt.asked.size(), 1);
        }
        QCOMPARE(FolderSnapshot(elsewhere.path()), outside);
        QCOMPARE(FolderSnapshot(s.folders.DataFolder()), inside);
        QCOMPARE(s.doc.CurrentCompanyName(), QStringLiteral("Sample Company"));
    }
};

FORMLARK_TEST_GUILESS_MAIN(EarlierStoreOpeningTest)
#include "EarlierStoreOpeningTest.moc"
