// The commands and the stores of the earlier Windows editions, run as the
// user runs them: "convert" turns them into stores of this edition (the
// originals kept); "print", "export-csv" and "check" read them directly and
// write nothing beside them (a journal the earlier edition left is never
// taken for this engine's own and deleted); "import-csv" refuses to write
// into one.
#include "core/companyfiles/CompanyFiles.h"
#include "core/store/CompanyData.h"
#include "core/store/CompanyFileRead.h"
#include "core/store/EarlierStoreReader.h"
#include "core/store/StoreFileKind.h"
#include "tests/support/EarlierStoreWriter.h"
#include "tests/support/PdfWords.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestFolders.h"
#include "tests/support/TestStores.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray& Sample()
{
    static const QByteArray bytes = FileBytes(EarlierStoreFixture("Legacy Sample.pmt"));
    return bytes;
}

// The earlier edition stopped in the middle of a change: its journal (the
// format of that engine) holds the original of page 6.
QByteArray LeftJournal()
{
    return QByteArray("\xd9\xd5\x05\xf9\x20\xa1\x63\xd5\x00\x00\x00\x15\x00\x00\x00\x06", 16)
           + Sample().mid(5 * 1024, 1024);
}

} // namespace

class EarlierStoreCommandsTest : public QObject {
    Q_OBJECT

private:
    TestFolders* folders_ = nullptr;

    ProgramRun Formlark(const QStringList& arguments) { return RunFormlark(arguments, FoldersEnvironment(*folders_)); }

    QString Store(const QString& name) const { return folders_->DataFolder() + name + ".pmt"; }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(FormlarkProgram()), "run through ctest, which names the program folder");
    }

    void init()
    {
        folders_ = new TestFolders;
        QVERIFY(WriteFileBytes(Store("Cedar"), Sample()));
    }

    void cleanup()
    {
        delete folders_;
        folders_ = nullptr;
    }

    // The direct read and the converted store export the same CSV.
    void exportReadsDirectlyAndConvertingKeepsIt()
    {
        const QStringList before = FolderSnapshot(folders_->DataFolder());
        for (const char* kind : {"employees", "contractors"}) {
            const QString csv = folders_->Path(QStringLiteral("direct-%1.csv").arg(kind));
            const ProgramRun run = Formlark({"export-csv", "--company", "cedar", "--kind", kind, csv});
            QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        }
        QCOMPARE(FolderSnapshot(folders_->DataFolder()), before);

        const ProgramRun convert = Formlark({"convert", "--company", "Cedar"});
        QVERIFY2(convert.exitCode == 0, qPrintable(convert.standardError));
        QCOMPARE(convert.standardOutput, QStringLiteral("converted \"Cedar\": Cedar.pmt is a store of this edition "
                                                        "now; the original is kept as Cedar.pmt.2005\n"));
        QCOMPARE(FileBytes(Store("Cedar") + ".2005"), Sample());
        QCOMPARE(StoreFileKindOf(Store("Cedar")), StoreFileKind::Current);
        for (const char* kind : {"employees", "contractors"}) {
            const QString csv = folders_->Path(QStringLiteral("converted-%1.csv").arg(kind));
            const ProgramRun run = Formlark({"export-csv", "--company", "Cedar", "--kind", kind, csv});
            QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
            const QByteArray direct = FileBytes(folders_->Path(QStringLiteral("direct-%1.csv").arg(kind)));
            QVERIFY(direct.count('\n') >= 4);
            QCOMPARE(FileBytes(csv), direct);
        }
        const ProgramRun again = Formlark({"convert", "--company", "Cedar"});
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(again.standardOutput, QStringLiteral("\"Cedar\" is a store of this edition already; nothing to "
                                                      "convert\n"));
    }

    void checkReadsDirectly()
    {
        const QStringList before = FolderSnapshot(folders_->DataFolder());
        const ProgramRun run = Formlark({"check", "--company", "Cedar", "--json"});
        QVERIFY2(run.exitCode == 0 || run.exitCode == 1, qPrintable(run.standardError));
        // The errors: the two box-12 codes DD the store keeps, and James
        // Okafor's Medicare wages, which leave out his tips.
        QVERIFY2(run.standardError.contains("company \"Cedar Hollow Bakery\": 3 errors"),
                 qPrintable(run.standardError));
        QVERIFY(run.standardOutput.startsWith('['));
        QCOMPARE(FolderSnapshot(folders_->DataFolder()), before);
    }

    void printReadsDirectly()
    {
        const QStringList before = FolderSnapshot(folders_->DataFolder());
        const QString pdf = folders_->Path("cedar-1099.pdf");
        const ProgramRun run = Formlark(
            {"print", "--company", "Cedar", "--form", "1099", "--all", "--paper", "preprinted", "--pdf", pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QStringList words;
        for (const PdfWord& word : PdfWords(pdf))
            words << word.text;
        QVERIFY2(words.contains("Keller") && words.contains("14400.00"), qPrintable(words.join(' ')));
        QCOMPARE(FolderSnapshot(folders_->DataFolder()), before);
    }

    // The fault this guards against: the engine of this edition took the
    // earlier engine's journal for a stale one of its own and deleted it.
    void aLeftJournalIsNeverTouched_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("export-csv") << QStringList{"export-csv", "--company", "Cedar",
                                                   "--kind",     "employees", "out.csv"};
        QTest::newRow("print") << QStringList{"print", "--company", "Cedar", "--form", "w3", "--pdf", "out.pdf"};
        QTest::newRow("check") << QStringList{"check", "--company", "Cedar"};
        QTest::newRow("convert") << QStringList{"convert", "--company", "Cedar"};
        QTest::newRow("import-csv") << QStringList{"import-csv", "--company", "Cedar", "--kind", "employees", "in.csv"};
    }

    void aLeftJournalIsNeverTouched()
    {
        QFETCH(QStringList, arguments);
        QVERIFY(WriteFileBytes(Store("Cedar") + "-journal", LeftJournal()));
        QVERIFY(WriteFileBytes(folders_->Path("in.csv"), "SSN,First Name,Last Name\n111-11-1111,Ann,Lee\n"));
        arguments.replaceInStrings(QRegularExpression("^(out|in)\\."), folders_->Path("\\1."));
        const QStringList before = FolderSnapshot(folders_->DataFolder());
        const ProgramRun run = Formlark(arguments);
        QCOMPARE(run.exitCode, 2); // the command could not run
        QVERIFY2(run.standardError.contains("was being changed when the earlier edition stopped")
                     || run.standardError.contains("convert it first"),
                 qPrintable(run.standardError));
        QCOMPARE(FolderSnapshot(folders_->DataFolder()), before);
        QCOMPARE(FileBytes(Store("Cedar") + "-journal"), LeftJournal());
        QVERIFY(!QFileInfo::exists(folders_->Path("out.csv")) && !QFileInfo::exists(folders_->Path("out.pdf")));
    }

    // A file that is neither kind of store (or a store cut short), with a
    // journal beside it: every command says in its own words what the file
    // is, fails, and leaves both files as they were (the engine never sees
    // the file, so it never takes the journal for its own).
    void damagedFilesAndTheirJournalsAreNeverTouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("command");
        QByteArray header("** This is a Wagesparrow Database file version 1.0 **\0\0\0\x28\x75\xE3\xDA", 60);
        const QList<std::tuple<const char*, QByteArray, const char*>> kinds = {
            {"bad magic", header.left(56) + "\x01\x02\x03\x04" + QByteArray(8192, '\0'),
             "its header is damaged: it starts with a company file's header text, but the magic number after it is "
             "wrong"},
            {"only its header", header + QByteArray(4096 - 60, '\0'),
             "only its header is left: the company's data behind it is missing (the file was cut short)"},
            {"a 48-byte header", header.left(48),
             "it holds only the first 48 bytes of a company file's header of 60 bytes: it was cut short"},
            {"empty", QByteArray(), "it is empty (0 bytes)"},
            {"a text file", QByteArray("SSN,First Name\n111-11-1111,Ann\n"), "it is a text file, not a company file"},
            {"another program's database", QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\0'),
             "it is a database of another program, not a company file"},
        };
        for (const auto& [kind, content, said] : kinds)
            for (const char* command : {"check", "export-csv", "print", "convert", "import-csv"})
                QTest::addRow("%s, %s", kind, command) << content << QString(said) << command;
    }

    void damagedFilesAndTheirJournalsAreNeverTouched()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, said);
        QFETCH(QString, command);
        const QString store = Store("Harbor");
        QVERIFY(WriteFileBytes(store, content));
        // Hot journals of either engine: the earlier one's, and this one's.
        for (const QByteArray& journal :
             {LeftJournal(), QByteArray("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7\0\0\0\x01", 12) + QByteArray(1024, '\x33')}) {
            QVERIFY(WriteFileBytes(store + "-journal", journal));
            QVERIFY(WriteFileBytes(folders_->Path("in.csv"), "SSN,First Name,Last Name\n111-11-1111,Ann,Lee\n"));
            const QStringList before = FolderSnapshot(folders_->DataFolder());
            QStringList arguments{command, "--company", "Harbor"};
            if (command == "export-csv" || command == "import-csv")
                arguments << "--kind"
                          << "employees" << folders_->Path(command == "export-csv" ? "out.csv" : "in.csv");
            if (command == "print")
                arguments << "--form"
                          << "w3"
                          << "--pdf" << folders_->Path("out.pdf");
            const ProgramRun run = Formlark(arguments);
            QCOMPARE(run.exitCode, 2); // an unreadable store: the command could not run
            QVERIFY2(run.standardError.contains(said), qPrintable(run.standardError));
            QVERIFY2(!run.standardError.contains("malformed"), qPrintable(run.standardError));
            QCOMPARE(run.standardError.count('\n'), 1);
            QCOMPARE(run.standardOutput, QString());
            QCOMPARE(FileBytes(store + "-journal"), journal);
            QCOMPARE(FileBytes(store), content);
            QCOMPARE(FolderSnapshot(folders_->DataFolder()), before);
            QVERIFY(!QFileInfo::exists(folders_->Path("out.csv")) && !QFileInfo::exists(folders_->Path("out.pdf")));
        }
    }

    // What a conversion that was killed left behind goes with the next run,
    // and an original kept before the kill is not kept a second time.
    void aKilledConversionsLeftoversGo_data()
    {
        QTest::addColumn<QString>("left");
        QTest::newRow("killed while the store was built") << "building";
        QTest::newRow("killed after the original was kept") << "kept";
        QTest::newRow("killed after it was kept as a copy") << "kept copy";
    }

    void aKilledConversionsLeftoversGo()
    {
        QFETCH(QString, left);
        const QString cedar = Store("Cedar");
        // A store half built, with the engine's journal beside it.
        QVERIFY(WriteFileBytes(cedar + ".new-0badc0de", Sample().left(4096)));
        QVERIFY(WriteFileBytes(cedar + ".new-0badc0de-journal", QByteArray(512, '\x01')));
        // Not the program's: another name, a link, a file of the user's.
        QVERIFY(WriteFileBytes(cedar + ".new-notes", "the user's"));
        QVERIFY(QFile::link(folders_->Path("elsewhere"), cedar + ".new-12345678"));
        if (left == "kept")
            QCOMPARE(::link(QFile::encodeName(cedar).constData(), QFile::encodeName(cedar + ".2005").constData()), 0);
        if (left == "kept copy")
            QVERIFY(WriteFileBytes(cedar + ".2005", Sample()));

        const ProgramRun run = Formlark({"convert", "--company", "Cedar"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QVERIFY2(run.standardOutput.endsWith("the original is kept as Cedar.pmt.2005\n"),
                 qPrintable(run.standardOutput));
        QStringList files = QDir(folders_->DataFolder()).entryList(QDir::Files | QDir::System | QDir::Hidden);
        files.sort();
        QCOMPARE(files, QStringList({"Cedar.pmt", "Cedar.pmt.2005", "Cedar.pmt.new-12345678", "Cedar.pmt.new-notes"}));
        QCOMPARE(FileBytes(cedar + ".2005"), Sample());
        QCOMPARE(StoreFileKindOf(cedar), StoreFileKind::Current);
    }

    // Killed at any moment, a conversion leaves the original kept or in
    // place, and the next run ends with one store, one kept original and
    // nothing else.
    void killedAtAnyMomentTheNextRunFinishes()
    {
        ProgramEnvironment environment;
        environment.settingsFile = folders_->SettingsFile();
        environment.programFolder = folders_->ProgramFolder();
        // Large enough that a kill often meets the conversion under way.
        const QByteArray original = FileBytes(EarlierStoreFixture("Legacy Many.pmt"));
        CompanyData direct;
        QVERIFY(ReadEarlierStoreBytes(original, direct));
        for (int delay : {10, 40, 70, 100, 130, 160, 200, 250, 300, 400}) {
            const QString large = Store("Large");
            QVERIFY(WriteFileBytes(large, original));
            RunFormlark({"convert", "--company", "Large"}, environment, delay); // killed when still running
            const ProgramRun again = Formlark({"convert", "--company", "Large"});
            QVERIFY2(again.exitCode == 0, qPrintable(again.standardError));
            QStringList files = QDir(folders_->DataFolder()).entryList({"Large*"}, QDir::Files | QDir::Hidden);
            files.sort();
            QCOMPARE(files, QStringList({"Large.pmt", "Large.pmt.2005"}));
            QCOMPARE(FileBytes(large + ".2005"), original);
            CompanyData read;
            QVERIFY(ReadCompanyFile(large, read).read);
            QCOMPARE(read.employees.size(), direct.employees.size());
            QCOMPARE(read.forms1099.size(), direct.forms1099.size());
            QVERIFY(QFile::remove(large) && QFile::remove(large + ".2005"));
        }
    }

    // Two names of one earlier store (hard links) become one company: the
    // other name is kept as an original of its own, not converted a second
    // time.
    void twoNamesOfOneStoreConvertIntoOneCompany_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("converted");
        QTest::newRow("all") << QStringList{"convert", "--all"} << "Birch";
        QTest::newRow("the second name") << QStringList{"convert", "--company", "Cedar"} << "Cedar";
    }

    void twoNamesOfOneStoreConvertIntoOneCompany()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, converted);
        QCOMPARE(::link(QFile::encodeName(Store("Cedar")).constData(), QFile::encodeName(Store("Birch")).constData()),
                 0);
        const QString other = converted == "Birch" ? "Cedar" : "Birch";
        const ProgramRun run = Formlark(arguments);
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        const QString said = QStringLiteral("converted \"%1\": %1.pmt is a store of this edition now; the original "
                                            "is kept as %1.pmt.2005; its other name %2.pmt, kept as %2.pmt.2005")
                                 .arg(converted, other);
        QVERIFY2(run.standardOutput.startsWith(said), qPrintable(run.standardOutput));
        QStringList stores;
        QVERIFY(ListCompanyStores(folders_->DataFolder(), false, stores));
        QCOMPARE(stores, QStringList{converted + ".pmt"});
        QCOMPARE(StoreFileKindOf(Store(converted)), StoreFileKind::Current);
        QCOMPARE(FileBytes(Store(converted) + ".2005"), Sample());
        QCOMPARE(FileBytes(Store(other) + ".2005"), Sample());
        const ProgramRun again = Formlark({"convert", "--all"});
        QCOMPARE(again.exitCode, 0);
        QVERIFY2(again.standardOutput.contains("nothing to convert"), qPrintable(again.standardOutput));
    }

    // Files written for the user take the umask's mode; a converted store
    // too.
    void aConvertedStoreTakesTheUmasksMode_data()
    {
        QTest::addColumn<int>("umask");
        QTest::addColumn<int>("mode");
        QTest::newRow("022") << 022 << 0644;
        QTest::newRow("077") << 077 << 0600;
    }

    void aConvertedStoreTakesTheUmasksMode()
    {
        QFETCH(int, umask);
        QFETCH(int, mode);
        ProgramEnvironment environment;
        environment.settingsFile = folders_->SettingsFile();
        environment.programFolder = folders_->ProgramFolder();
        environment.umask = umask;
        const ProgramRun run = RunFormlark({"convert", "--company", "Cedar"}, environment);
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QCOMPARE(FileMode(Store("Cedar")), mode);
    }

    void importIntoAnEarlierStoreSaysToConvertFirst()
    {
        QVERIFY(WriteFileBytes(folders_->Path("in.csv"), "SSN,First Name,Last Name\n111-11-1111,Ann,Lee\n"));
        const QStringList before = FolderSnapshot(folders_->DataFolder());
        const ProgramRun run = Formlark(
            {"import-csv", "--company", "Cedar", "--kind", "employees", folders_->Path("in.csv")});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.standardError, QStringLiteral("formlark import-csv: the store of company \"Cedar\" was saved by "
                                                   "an earlier edition of the program; convert it first (formlark "
                                                   "convert --company \"Cedar\")\n"));
        QCOMPARE(FolderSnapshot(folders_->DataFolder()), before);
    }

    // --all converts every earlier store it can, says why it can't the
    // others, and leaves the stores of this edition alone.
    void convertAll()
    {
        QVERIFY(WriteFileBytes(Store("Text Co"), FileBytes(EarlierStoreFixture("Legacy Text.pmt"))));
        QVERIFY(WriteFileBytes(Store("Broken"), Sample().left(20 * 1024)));
        MakeStore(folders_->DataFolder(), "Acme.pmt", "Acme");
        const QByteArray acme = FileBytes(Store("Acme"));

        const ProgramRun run = Formlark({"convert", "--all"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.standardOutput.split('\n', Qt::SkipEmptyParts),
                 QStringList({"converted \"Cedar\": Cedar.pmt is a store of this edition now; the original is kept "
                              "as Cedar.pmt.2005",
                              "converted \"Text Co\": Text Co.pmt is a store of this edition now; the original is "
                              "kept as Text Co.pmt.2005",
                              "2 of 3 stores converted"}));
        QVERIFY2(run.standardError.startsWith("formlark convert: The company file \""
                                              + QDir::toNativeSeparators(Store("Broken")) + "\""),
                 qPrintable(run.standardError));
        QCOMPARE(FileBytes(Store("Broken")), Sample().left(20 * 1024));
        QVERIFY(!QFileInfo::exists(Store("Broken") + ".2005"));
        QCOMPARE(FileBytes(Store("Acme")), acme);

        const ProgramRun none = Formlark({"convert", "--all"});
        QCOMPARE(none.exitCode, 1); // Broken still can't be converted
        QCOMPARE(Formlark({"convert"}).exitCode, 2);
        QCOMPARE(Formlark({"convert", "--all", "--company", "Acme"}).exitCode, 2);
    }
};

FORMLARK_TEST_GUILESS_MAIN(EarlierStoreCommandsTest)
#include "EarlierStoreCommandsTest.moc"
