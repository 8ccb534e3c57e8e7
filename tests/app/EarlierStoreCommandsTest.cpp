// The commands and the stores of the earlier Windows editions, run as the
// user runs them: "convert" turns them into stores of this edition (the
// originals kept); "print", "export-csv" and "check" read them directly and
// write nothing beside them (a journal the earlier edition left is never
// taken for this engine's own and deleted); "import-csv" refuses to write
// into one.
#include "core/store/StoreFileKind.h"
#include "tests/support/EarlierStoreWriter.h"
#include "tests/support/PdfWords.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestFolders.h"
#include "tests/support/TestStores.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

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

    ProgramRun Formlark(const QStringList& arguments)
    {
        ProgramEnvironment environment;
        environment.settingsFile = folders_->SettingsFile();
        environment.programFolder = folders_->ProgramFolder();
        return RunFormlark(arguments, environment);
    }

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
        QVERIFY2(run.standardError.contains("company \"Cedar Hollow Bakery\": 0 errors"),
                 qPrintable(run.standardError));
        QVERIFY(run.standardOutput.startsWith('['));
        QCOMPARE(FolderSnapshot(folders_->DataFolder()), before);
    }

    void printReadsDirectly()
    {
        const QStringList before = FolderSnapshot(folders_->DataFolder());
        const QString pdf = folders_->Path("cedar-1099.pdf");
        const ProgramRun run =
            Formlark({"print", "--company", "Cedar", "--form", "1099", "--all", "--paper", "preprinted", "--pdf", pdf});
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
        QTest::newRow("export-csv")
            << QStringList{"export-csv", "--company", "Cedar", "--kind", "employees", "out.csv"};
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
        QCOMPARE(run.exitCode, arguments.first() == "check" ? 2 : 1); // check: it could not run
        QVERIFY2(run.standardError.contains("was being changed when the earlier edition stopped")
                     || run.standardError.contains("convert it first"),
                 qPrintable(run.standardError));
        QCOMPARE(FolderSnapshot(folders_->DataFolder()), before);
        QCOMPARE(FileBytes(Store("Cedar") + "-journal"), LeftJournal());
        QVERIFY(!QFileInfo::exists(folders_->Path("out.csv")) && !QFileInfo::exists(folders_->Path("out.pdf")));
    }

    void importIntoAnEarlierStoreSaysToConvertFirst()
    {
        QVERIFY(WriteFileBytes(folders_->Path("in.csv"), "SSN,First Name,Last Name\n111-11-1111,Ann,Lee\n"));
        const QStringList before = FolderSnapshot(folders_->DataFolder());
        const ProgramRun run =
            Formlark({"import-csv", "--company", "Cedar", "--kind", "employees", folders_->Path("in.csv")});
        QCOMPARE(run.exitCode, 1);
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
        QVERIFY2(run.standardError.startsWith("formlark convert: The company file \"" +
                                              QDir::toNativeSeparators(Store("Broken")) + "\""),
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
