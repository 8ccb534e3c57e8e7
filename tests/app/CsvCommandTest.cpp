// "formlark import-csv" and "formlark export-csv": the real executable on
// companies of a temporary data folder.
#include "core/import/CsvFile.h"
#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"
#include "core/store/StoreLock.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/RecordBuilders.h"
#include "tests/support/TestFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include <unistd.h>

namespace {

const char kEmployeesCsv[] = "SSN,First Name,Last Name,Wages,Dept\n"
                             "111-11-1111,Ann,Lee,\"$52,000.00\",Shop\n" // updates Ann
                             "222222222,Bo,Berg,18000,Office\n"          // adds Bo
                             "333-33-3333,Cy,,12.345,Shop\n";            // refused

CompanyData OneEmployee()
{
    W2Record w2 = MakeW2(1, 1);
    w2.Wages = "100.00";
    return MakeCompany("Harbor Tools", {MakeEmployee(1, "111-11-1111", "Ann", "Lee")}, {w2});
}

CompanyData Stored(const QString& path)
{
    CompanyStore store;
    CompanyData data;
    LoadCompany(store, path, data);
    return data;
}

} // namespace

class CsvCommandTest : public QObject {
    Q_OBJECT

private:
    TestFolders* folders_ = nullptr;
    QString store_;

    ProgramRun Formlark(const QStringList& arguments) { return RunFormlark(arguments, FoldersEnvironment(*folders_)); }

    QString CsvFile(const QByteArray& bytes)
    {
        const QString path = folders_->Path("people.csv");
        WriteFileBytes(path, bytes);
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(FormlarkProgram()), "run through ctest, which names the program folder");
    }

    void init()
    {
        folders_ = new TestFolders;
        store_ = folders_->DataFolder() + "Harbor Tools.pmt";
        QVERIFY(WriteCompanyStore(store_, OneEmployee()));
    }

    void cleanup()
    {
        delete folders_;
        folders_ = nullptr;
    }

    void dryRunListsEverythingAndWritesNothing()
    {
        const QString csv = CsvFile(kEmployeesCsv);
        const QByteArray before = FileBytes(store_);
        const ProgramRun run = Formlark(
            {"import-csv", "--company", "harbor tools", "--kind", "employees", csv, "--dry-run"});
        QCOMPARE(run.exitCode, 1); // a row has errors
        QCOMPARE(run.standardOutput, QStringLiteral("employees of \"Harbor Tools\" from %1: 1 to add, 1 to update, "
                                                    "0 unchanged, 1 with errors (not imported); dry run, nothing "
                                                    "written\n")
                                         .arg(csv));
        const QStringList errors = run.standardError.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(errors.size(), 3);
        QCOMPARE(errors[0], QStringLiteral("formlark import-csv: warning: columns not imported: \"Dept\""));
        QVERIFY2(errors[1].startsWith("formlark import-csv: " + csv + ": Line 4, column 4 \"Wages\": \"12.345\""),
                 qPrintable(errors[1]));
        QVERIFY2(errors[2].contains("Line 4, column 3 \"Last Name\""), qPrintable(errors[2]));
        QCOMPARE(FileBytes(store_), before);
    }

    void importWritesTheRowsWithoutProblems()
    {
        const QString csv = CsvFile(kEmployeesCsv);
        const ProgramRun run = Formlark({"import-csv", "--company=Harbor Tools", "--kind=employees", csv});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.standardOutput.endsWith(": 1 added, 1 updated, 0 unchanged, 1 with errors (not imported)\n"),
                 qPrintable(run.standardOutput));
        const CompanyData data = Stored(store_);
        QCOMPARE(data.employees.size(), size_t(2));
        QCOMPARE(data.employees[1].SocialSecurityNumber.Text(), QStringLiteral("222-22-2222"));
        QCOMPARE(data.w2s[0].Wages.Text(), QStringLiteral("52000.00"));
        QCOMPARE(data.w2s[1].Wages.Text(), QStringLiteral("18000.00"));

        // The same file again changes nothing but still names the bad row.
        const QByteArray after = FileBytes(store_);
        const ProgramRun again = Formlark({"import-csv", "--company", "Harbor Tools", "--kind", "employees", csv});
        QVERIFY2(again.standardOutput.endsWith(": 0 added, 0 updated, 2 unchanged, 1 with errors (not imported)\n"),
                 qPrintable(again.standardOutput));
        QCOMPARE(FileBytes(store_), after);
    }

    // A company open in a window of the program is only looked at from
    // elsewhere, under any name of its store: the import writes nothing and
    // says why. A store with a second name in the data folder (a hard link)
    // is written under neither.
    void importIntoACompanyOpenElsewhereWritesNothing_data()
    {
        QTest::addColumn<QString>("name"); // the company the import names
        QTest::addColumn<QString>("link"); // how that name is made
        QTest::addColumn<bool>("open");    // whether a window has the store open
        QTest::addColumn<QString>("said");
        QTest::newRow("its own name") << "Harbor Tools"
                                      << "" << true << "is open in another Formlark window";
        QTest::newRow("a link to it") << "Harbor Link"
                                      << "symbolic" << true << "is open in another Formlark window";
        QTest::newRow("a second name of it") << "Harbor Twin"
                                             << "hard" << true << "is open in another Formlark window";
        QTest::newRow("a second name, not open") << "Harbor Twin"
                                                 << "hard" << false << "is the same file as";
    }

    void importIntoACompanyOpenElsewhereWritesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, link);
        QFETCH(bool, open);
        QFETCH(QString, said);
        const QString named = folders_->DataFolder() + name + ".pmt";
        if (link == "symbolic")
            QVERIFY(QFile::link(store_, named));
        else if (link == "hard")
            QCOMPARE(::link(QFile::encodeName(store_).constData(), QFile::encodeName(named).constData()), 0);
        StoreLock window;
        if (open)
            QCOMPARE(window.Take(store_), StoreLock::Result::Taken);
        const QString csv = CsvFile(kEmployeesCsv);
        const QByteArray before = FileBytes(store_);
        const ProgramRun run = Formlark({"import-csv", "--company", name, "--kind", "employees", csv});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.standardError.contains(said), qPrintable(run.standardError));
        QCOMPARE(FileBytes(store_), before);
    }

    // The commands only read the settings: the user's file, comments and
    // all, stays as it was.
    void exportImportsIntoAnotherCompanyUnchanged()
    {
        const QByteArray settings = "; my own notes\n"
                                    "[SOFTWARE\\Brindlecove\\Formlark (2005)\\Last Active Company]\n"
                                    "Value=\"Harbor Tools\"\n";
        QVERIFY(QDir().mkpath(QFileInfo(folders_->SettingsFile()).absolutePath()));
        QVERIFY(WriteFileBytes(folders_->SettingsFile(), settings));
        CompanyData source = MakeCompany("Harbor Tools", {}, {}, {MakeContractor(3, "12-3456789", "Ada", "Ruiz")},
                                         {MakeForm1099(3, 3)});
        source.forms1099[0].NonemployeeCompensation = "2500.00";
        source.forms1099[0].PayerMadeDirectSales = 1;
        QVERIFY(QFile::remove(store_));
        QVERIFY(WriteCompanyStore(store_, source));
        QVERIFY(WriteCompanyStore(folders_->DataFolder() + "Empty Co.pmt", MakeCompany("Empty Co")));

        const QString exported = folders_->Path("contractors.csv");
        ProgramRun run = Formlark({"export-csv", "--company", "Harbor Tools", "--kind", "contractors", exported});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.standardOutput, QStringLiteral("1 contractors of \"Harbor Tools\" written to %1\n").arg(exported));
        run = Formlark({"import-csv", "--company", "Empty Co", "--kind", "contractors", exported});
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QCOMPARE(run.standardError, QString());

        const QString again = folders_->Path("again.csv");
        QCOMPARE(Formlark({"export-csv", "--company", "Empty Co", "--kind", "contractors", again}).exitCode, 0);
        QCOMPARE(FileBytes(again), FileBytes(exported));
        QCOMPARE(FileBytes(folders_->SettingsFile()), settings);
    }

    // Bad input: one line on stderr, a non-zero exit, the store as it was.
    void badInputIsSaidInOneLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        const QByteArray fine = "SSN,First,Last\n444-44-4444,Di,Dahl\n";
        QTest::newRow("unknown company") << QStringList{"--company", "Nobody", "--kind", "employees", "@csv"} << fine
                                         << 2 << "there is no company \"Nobody\"";
        QTest::newRow("bad kind") << QStringList{"--company", "Harbor Tools", "--kind", "staff", "@csv"} << fine << 2
                                  << "--kind must be employees, contractors or company, not \"staff\"";
        QTest::newRow("value forgotten") << QStringList{"--company", "--kind", "employees", "@csv"} << fine << 2
                                         << "--company needs a value";
        QTest::newRow("no file") << QStringList{"--company", "Harbor Tools", "--kind", "employees"} << fine << 2
                                 << "the CSV FILE is required";
        QTest::newRow("two files") << QStringList{"--company", "Harbor Tools", "--kind", "employees", "@csv", "x.csv"}
                                   << fine << 2 << "one FILE only";
        QTest::newRow("missing file") << QStringList{"--company", "Harbor Tools", "--kind", "employees", "nope.csv"}
                                      << fine << 2 << "The file \"nope.csv\" could not be read";
        QTest::newRow("no number column")
            << QStringList{"--company", "Harbor Tools", "--kind", "employees", "@csv"}
            << QByteArray("First,Last\nDi,Dahl\n") << 2 << "No column holds the social security number";
        QTest::newRow("open quote") << QStringList{"--company", "Harbor Tools", "--kind", "employees", "@csv"}
                                    << QByteArray("SSN,First\n\"444-44-4444,Di\n") << 2
                                    << "A value in quotes that starts on line 2 has no closing quote";
    }

    void badInputIsSaidInOneLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, csv);
        QFETCH(QString, error);
        arguments.replaceInStrings("@csv", CsvFile(csv));
        const QByteArray before = FileBytes(store_);
        const ProgramRun run = Formlark(QStringList{"import-csv"} + arguments);
        QTEST(run.exitCode, "exitCode");
        QVERIFY2(run.standardError.startsWith("formlark import-csv: "), qPrintable(run.standardError));
        QVERIFY2(run.standardError.contains(error), qPrintable(run.standardError));
        QCOMPARE(run.standardError.count('\n'), 1);
        QCOMPARE(FileBytes(store_), before);
    }

    // Whatever file the command is given, it finishes within 1 GB: a list
    // of people up to the bounds is read, one past them is refused with
    // the bound named, and a message shows only the beginning of a long
    // value.
    void largeFilesStayWithinMemory_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("dryRun");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said"); // on stdout for 0, else on stderr
        QTest::newRow("the most rows, every box, checked") << "wide" << true << 0 << "100000 to add, 0 to update";
        QTest::newRow("the most rows, imported") << "narrow" << false << 0 << "100000 added, 0 updated";
        QTest::newRow("1.37 million rows")
            << "many" << true << 2 << "The file has more than 100,000 rows; at most 100,000 people are imported";
        QTest::newRow("a value of 60 MB") << "one value" << true << 1 << "is longer than the 20 characters";
        QTest::newRow("more than 64 MB") << "too large" << true << 2
                                         << "is too large to be a list of people (more "
                                            "than 64 MB)";
    }

    void largeFilesStayWithinMemory()
    {
        QFETCH(QString, file);
        QFETCH(bool, dryRun);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        const QString path = folders_->Path("large.csv");
        {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            const int rows = file == "many" ? 1370000 : file == "wide" || file == "narrow" ? 100000 : 0;
            out.write(file == "wide" ? "SSN,First Name,Middle Initial,Last Name,Address 1,City,State,Zip,"
                                       "Box 1 Wages,Box 2,Box 3,Box 4,Box 5,Box 6,Box 12a Code,Box 12a Amount,"
                                       "Box 16 State Wages 1\n"
                                     : "SSN,First Name,Last Name,Wages\n");
            for (int i = 0; i < rows; ++i) {
                // Numbers of their own: area 1 to 665, group 1 to 99, serial 1 to 99.
                const QByteArray ssn = QStringLiteral("%1-%2-%3")
                                           .arg(i / 9801 % 665 + 1, 3, 10, QChar(u'0'))
                                           .arg(i / 99 % 99 + 1, 2, 10, QChar(u'0'))
                                           .arg(i % 99 + 1 + i / (9801 * 665) * 100, 4, 10, QChar(u'0'))
                                           .toLatin1();
                out.write(file == "wide" ? ssn
                                               + ",Alexandrina,M,Brennan-Smithson,18 Harbor Lane Apt 12,Portland,OR,"
                                                 "97201-1234,52400.00,6288.00,52400.00,3248.80,52400.00,759.80,D,"
                                                 "3000.00,52400.00\n"
                                         : ssn + ",Ann,Lee,100.00\n");
            }
            if (file == "one value")
                out.write("123-45-6789,\"" + QByteArray(60 << 20, 'y') + "\",Lee,1\n");
            if (file == "too large")
                out.write(QByteArray((64 << 20) + 1, '\n'));
        }
        ProgramEnvironment environment;
        environment.settingsFile = folders_->SettingsFile();
        environment.programFolder = folders_->ProgramFolder();
        environment.memoryLimit = qint64(1) << 30;
        QStringList arguments{"import-csv", "--company", "Harbor Tools", "--kind", "employees", path};
        if (dryRun)
            arguments << "--dry-run";
        const ProgramRun run = RunFormlark(arguments, environment, 240000);
        QFile::remove(path);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((exitCode == 0 ? run.standardOutput : run.standardError).contains(said),
                 qPrintable(run.standardError.left(2000)));
        for (const QString& line : run.standardError.split(u'\n'))
            QVERIFY2(line.size() < 300, qPrintable(line.left(300)));
    }

    void exportRefusesAFileItCannotWrite()
    {
        const ProgramRun run = Formlark({"export-csv", "--company", "Harbor Tools", "--kind", "employees",
                                         folders_->Path("no such folder/out.csv")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.standardError.startsWith("formlark export-csv: The file "), qPrintable(run.standardError));
        QCOMPARE(run.standardError.count('\n'), 1);
    }
};

FORMLARK_TEST_GUILESS_MAIN(CsvCommandTest)
#include "CsvCommandTest.moc"
