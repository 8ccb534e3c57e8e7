// A bureau's companies made without the window: "formlark new-company" and
// the company setup through "import-csv --kind company" and
// "export-csv --kind company", the real executable on a temporary data
// folder.
#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"
#include "core/store/StoreLock.h"
#include "tests/support/PdfWords.h"
#include "tests/support/PrintFixture.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

namespace {

CompanyData Stored(const QString& path)
{
    CompanyStore store;
    CompanyData data;
    LoadCompany(store, path, data);
    return data;
}

const char kCompanySetup[] =
    "Employer Name,EIN,Address,City,State,Zip,W-3 Kind of Payer,W-3 Contact Person,W-3 Telephone Number,"
    "1096 Contact Person,1096 Telephone,1096 Final Return\n"
    "Tide Bakery Inc,931234567,4 Pier Road,Astoria,or,97103,941,Jo Baker,5035550100,Jo Baker,(503) 555-0100,no\n";

const char kEmployees[] = "SSN,First Name,Last Name,Address 1,City,State,Zip,Wages,Federal Income Tax Withheld,"
                          "Social Security Wages,Social Security Tax Withheld,Medicare Wages,Medicare Tax Withheld\n"
                          "123-45-6789,Alice,Brennan,18 Harbor Lane,Portland,OR,97201,52400.00,6288.00,52400.00,"
                          "3248.80,52400.00,759.80\n";

const char kContractors[] = "TIN,First Name,Last Name,Address 1,City,State,Zip,Nonemployee Compensation\n"
                            "12-3456780,Rachel,Summers,77 Pine Hollow Lane,Lake Oswego,OR,97034,12500.00\n";

} // namespace

class CompanyCommandsTest : public QObject {
    Q_OBJECT

private:
    TestFolders* folders_ = nullptr;

    ProgramRun Formlark(const QStringList& arguments) { return RunFormlark(arguments, FoldersEnvironment(*folders_)); }

    QString Store(const QString& company) const { return folders_->DataFolder() + company + ".pmt"; }

    QString File(const QString& name, const QByteArray& bytes)
    {
        const QString path = folders_->Path(name);
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
        QVERIFY(WriteCompanyStore(Store("Acme"), print_fixture::Data()));
    }

    void cleanup()
    {
        delete folders_;
        folders_ = nullptr;
    }

    // A shell loop from files to printed forms: a new company, its setup,
    // its employees and contractors from CSV files, the check, the print.
    void fromFilesToPrintedForms()
    {
        ProgramRun run = Formlark({"new-company", "--company", "Tide Bakery"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QCOMPARE(run.standardOutput, QStringLiteral("new company \"Tide Bakery\": %1\n").arg(Store("Tide Bakery")));
        QCOMPARE(Stored(Store("Tide Bakery")).company.EmployerName.Text(), QStringLiteral("Tide Bakery"));

        run = Formlark(
            {"import-csv", "--company", "Tide Bakery", "--kind", "company", File("company.csv", kCompanySetup)});
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QCOMPARE(run.standardError, QString());
        QVERIFY2(run.standardOutput.contains(": 11 boxes (Employer Name, Employer Identification Number, Address 1, "
                                             "City, State, Zip, W-3 Kind of Payer,"),
                 qPrintable(run.standardOutput));
        const CompanyRecord company = Stored(Store("Tide Bakery")).company;
        QCOMPARE(company.EmployerName.Text(), QStringLiteral("Tide Bakery Inc"));
        QCOMPARE(company.EmployerIdentificationNumber.Text(), QStringLiteral("93-1234567"));
        QCOMPARE(company.State.Text(), QStringLiteral("OR"));
        QCOMPARE(company.FormW3RadioKindOfPayer, 0);
        QCOMPARE(company.FormW3Telephone.Text(), QStringLiteral("(503) 555-0100"));
        QCOMPARE(company.Form1096CheckIsThisYourFinalReturn, 0);

        for (const auto& [kind, csv] : {std::pair{"employees", kEmployees}, std::pair{"contractors", kContractors}}) {
            run = Formlark({"import-csv", "--company", "Tide Bakery", "--kind", kind, File("people.csv", csv)});
            QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        }
        run = Formlark({"check", "--company", "Tide Bakery"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardOutput + run.standardError));

        const QString pdf = folders_->Path("w3.pdf");
        run = Formlark(
            {"print", "--company", "Tide Bakery", "--form", "w3", "--paper", "copy", "--strict", "--pdf", pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QStringList words;
        for (const PdfWord& word : PdfWords(pdf))
            words << word.text;
        for (const char* word : {"Tide", "93-1234567", "Astoria,", "52400.00"})
            QVERIFY2(words.contains(word), word);
        // The company keeps the name of its store.
        QVERIFY(QFileInfo::exists(Store("Tide Bakery")));
    }

    // The rules of Company > New: a company of the name in any letter case
    // exists already; a name is at most 30 characters, none of those the
    // box refuses, and names a file. Nothing is made for a refused name.
    void newCompanyRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("said");
        QTest::newRow("exists") << "Acme"
                                << "This company already exists: \"Acme\"";
        QTest::newRow("exists in another case") << "ACME"
                                                << "This company already exists: \"Acme\"";
        QTest::newRow("a slash") << "Tide/Bakery"
                                 << "holds the character \"/\"";
        QTest::newRow("a vertical bar") << "Tide|Bakery"
                                        << "holds the character \"|\"";
        QTest::newRow("a control character") << "Tide\tBakery"
                                             << "holds the character U+0009";
        QTest::newRow("31 characters") << QString(31, 'x') << "longer than the 30 characters";
        QTest::newRow("blanks") << "   "
                                << "a company needs a name";
        QTest::newRow("dots") << ".."
                              << "can't name a company file";
        QTest::newRow("an option as the name") << "--kind"
                                               << "--company needs a value, not the option \"--kind\"";
    }

    void newCompanyRefusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, said);
        const QStringList before = FolderSnapshot(folders_->DataFolder());
        const ProgramRun run = Formlark({"new-company", "--company", name});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.standardError.startsWith("formlark new-company: "), qPrintable(run.standardError));
        QVERIFY2(run.standardError.contains(said), qPrintable(run.standardError));
        QCOMPARE(run.standardError.count('\n'), 1);
        QCOMPARE(FolderSnapshot(folders_->DataFolder()), before);
    }

    // An export of the company setup imports back unchanged, into another
    // company and into itself, where it writes nothing.
    void companySetupExportImportsBackUnchanged()
    {
        const QString exported = folders_->Path("acme.csv");
        ProgramRun run = Formlark({"export-csv", "--company", "Acme", "--kind", "company", exported});
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QCOMPARE(run.standardOutput, QStringLiteral("company setup of \"Acme\" written to %1\n").arg(exported));

        const QByteArray acme = FileBytes(Store("Acme"));
        run = Formlark({"import-csv", "--company", "Acme", "--kind", "company", exported});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.standardOutput,
                 QStringLiteral("company setup of \"Acme\" from %1: no box changed\n").arg(exported));
        QCOMPARE(FileBytes(Store("Acme")), acme);

        QCOMPARE(Formlark({"new-company", "--company", "Copy Co"}).exitCode, 0);
        run = Formlark({"import-csv", "--company", "Copy Co", "--kind", "company", exported});
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        CompanyRecord copied = Stored(Store("Copy Co")).company;
        copied.CompanyUniqueID = print_fixture::Company().CompanyUniqueID;
        QCOMPARE(copied, print_fixture::Company());
        const QString again = folders_->Path("copy.csv");
        QCOMPARE(Formlark({"export-csv", "--company", "Copy Co", "--kind", "company", again}).exitCode, 0);
        QCOMPARE(FileBytes(again), FileBytes(exported));
    }

    // Only what the file changes is written: a column left out and an
    // empty cell keep the stored value.
    void boxesTheFileLeavesAreKept()
    {
        const QString csv = File("contact.csv", "W-3 Contact Person,City,Zip\nMax Mills,,62704\n");
        const ProgramRun run = Formlark({"import-csv", "--company", "Acme", "--kind", "company", csv});
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QVERIFY2(run.standardOutput.endsWith(": 1 box (W-3 Contact Person) changed\n"), qPrintable(run.standardOutput));
        CompanyRecord expected = print_fixture::Company();
        expected.FormW3ContactName = "Max Mills";
        QCOMPARE(Stored(Store("Acme")).company, expected);
    }

    // A value the company setup screen would refuse, or cut, is refused
    // with its line and column; nothing of the file is written, and the
    // command says it ran and found problems (exit 1).
    void companySetupValuesAreChecked_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("said");
        QTest::newRow("a slash in the employer name")
            << QByteArray("Employer Name,City\nAcme/West,Salem\n")
            << "Line 2, column 1 \"Employer Name\": \"Acme/West\" holds the character /";
        QTest::newRow("an apostrophe in the address")
            << QByteArray("Employer Name,Address 1\nO'Neil Tools,O'Neil Street\n")
            << "Line 2, column 2 \"Address 1\": \"O'Neil Street\" holds the character '";
        QTest::newRow("a contact longer than is kept")
            << QByteArray("W-3 Contact Person\nMargaret Ellis-Whitfield\n")
            << "\"Margaret Ellis-Whitfield\" is longer than the 20 characters the box holds";
        QTest::newRow("a short EIN") << QByteArray("EIN\n12-34567\n") << "is not an employer identification number";
        QTest::newRow("a phone without its area code")
            << QByteArray("1096 Telephone\n555-0100\n") << "is not a telephone number of 10 digits";
        QTest::newRow("a kind of payer not of the list")
            << QByteArray("Kind of Payer\n944\n") << "\"944\" is not a kind of payer of the list (941, CT-1";
        QTest::newRow("a state not of the list") << QByteArray("State\nXX\n") << "is not a state abbreviation";
        QTest::newRow("fractions of a cent") << QByteArray("W-3 Box 14\n12.345\n") << "has fractions of a cent";
        QTest::newRow("a second line") << QByteArray("City\nSalem\nEugene\n")
                                       << "Line 3: A company setup file has one line of values";
        QTest::newRow("no line of values") << QByteArray("City\n") << "has a header but no line of values";
        QTest::newRow("no box of the company")
            << QByteArray("Wages,First Name\n100.00,Ann\n") << "No column of the file is a box of the company setup";
    }

    void companySetupValuesAreChecked()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, said);
        const QString file = File("company.csv", csv);
        const QByteArray before = FileBytes(Store("Acme"));
        const ProgramRun run = Formlark({"import-csv", "--company", "Acme", "--kind", "company", file});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.standardError.contains(said), qPrintable(run.standardError));
        QVERIFY2(run.standardOutput.endsWith("; nothing imported\n"), qPrintable(run.standardOutput));
        QCOMPARE(FileBytes(Store("Acme")), before);
    }

    // A company a window has open is not written: the command says so in
    // its own words (exit 2); a dry run only reads it.
    void aCompanyOpenInAWindowIsNotWritten()
    {
        StoreLock window;
        QCOMPARE(window.Take(Store("Acme")), StoreLock::Result::Taken);
        const QString csv = File("city.csv", "City\nSalem\n");
        const QByteArray before = FileBytes(Store("Acme"));
        ProgramRun run = Formlark({"import-csv", "--company", "acme", "--kind", "company", csv});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.standardError, QStringLiteral("formlark import-csv: company \"Acme\" is open in another Formlark "
                                                   "window, so nothing can be imported into it; close it there and "
                                                   "run the command again\n"));
        run = Formlark({"import-csv", "--company", "acme", "--kind", "company", csv, "--dry-run"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.standardOutput.endsWith(": 1 box (City) to change; dry run, nothing written\n"),
                 qPrintable(run.standardOutput));
        QCOMPARE(FileBytes(Store("Acme")), before);
    }
};

FORMLARK_TEST_GUILESS_MAIN(CompanyCommandsTest)
#include "CompanyCommandsTest.moc"
