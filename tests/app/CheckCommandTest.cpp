// "formlark check": the real executable on companies of a temporary data
// folder, as a bureau runs it over its companies.
#include "core/store/CompanyData.h"
#include "tests/support/FilingCompany.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestFolders.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

// Harbor Tools with an error on Ann's W-2 and a warning on the W-3.
CompanyData WithErrors()
{
    CompanyData data = FilingCompany();
    data.company.EmployerName = "Tide Errors";
    data.w2s[0].SocialSecurityTips = "-5.50";
    data.company.FormW3Telephone = "";
    return data;
}

CompanyData WithWarningsOnly()
{
    CompanyData data = FilingCompany();
    data.company.EmployerName = "Warned Co";
    data.forms1099[0].NonemployeeCompensation = "250.00";
    return data;
}

} // namespace

class CheckCommandTest : public QObject {
    Q_OBJECT

private:
    TestFolders* folders_ = nullptr;

    ProgramRun Formlark(const QStringList& arguments) const
    {
        return RunFormlark(arguments, FoldersEnvironment(*folders_));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(FormlarkProgram()), "run through ctest, which names the program folder");
    }

    void init()
    {
        folders_ = new TestFolders;
        QVERIFY(WriteCompanyStore(folders_->DataFolder() + "Harbor Tools.pmt", FilingCompany()));
        QVERIFY(WriteCompanyStore(folders_->DataFolder() + "Tide Errors.pmt", WithErrors()));
        QVERIFY(WriteCompanyStore(folders_->DataFolder() + "Warned Co.pmt", WithWarningsOnly()));
        QVERIFY(WriteFileBytes(folders_->DataFolder() + "Broken Co.pmt", QByteArray(8192, 'x')));
    }

    void cleanup()
    {
        delete folders_;
        folders_ = nullptr;
    }

    // 0 without errors (warnings may be), 1 with errors, 2 when the check
    // could not run; stderr is one line, beginning as given.
    void exitStatusSaysWhatWasFound_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("error");
        QTest::newRow("ready for filing") << QStringList{"--company", "harbor tools"} << 0 << 0
                                          << "formlark check: company \"Harbor Tools\": 0 errors, 0 warnings\n";
        QTest::newRow("errors") << QStringList{"--company=Tide Errors"} << 1 << 2
                                << "formlark check: company \"Tide Errors\": 1 error, 1 warning\n";
        QTest::newRow("the W-2s without their error")
            << QStringList{"--company", "Tide Errors", "--form", "1099"} << 0 << 0
            << "formlark check: company \"Tide Errors\": 0 errors, 0 "
               "warnings\n";
        QTest::newRow("warnings only") << QStringList{"--company", "Warned Co", "--form=all"} << 0 << 1
                                       << "formlark check: company \"Warned Co\": 0 errors, 1 warning\n";
        QTest::newRow("unknown company") << QStringList{"--company", "Nobody Inc"} << 2 << 0
                                         << "formlark check: there is no company \"Nobody Inc\" in %1\n";
        QTest::newRow("damaged store") << QStringList{"--company", "Broken Co"} << 2 << 0
                                       << "formlark check: cannot read the store of company \"Broken Co\" "
                                          "(%1Broken Co.pmt)";
        QTest::newRow("no company") << QStringList{"--json"} << 2 << 0
                                    << "formlark check: --company NAME is required\n";
        QTest::newRow("bad form") << QStringList{"--company", "Harbor Tools", "--form", "w3"} << 2 << 0
                                  << "formlark check: --form must be w2, 1099 or all, not \"w3\"\n";
        QTest::newRow("value forgotten") << QStringList{"--company", "--json"} << 2 << 0
                                         << "formlark check: --company needs a value, not the option \"--json\"\n";
        QTest::newRow("unknown option") << QStringList{"--company", "Harbor Tools", "--fix"} << 2 << 0
                                        << "formlark check: unknown option \"--fix\" (see formlark check --help)\n";
    }

    void exitStatusSaysWhatWasFound()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const ProgramRun run = Formlark(QStringList{"check"} + arguments);
        QTEST(run.exitCode, "exitCode");
        QTEST(int(run.standardOutput.count('\n')), "lines");
        QVERIFY2(run.standardError.startsWith(error.contains("%1") ? error.arg(folders_->DataFolder()) : error),
                 qPrintable(run.standardError));
        QCOMPARE(run.standardError.count('\n'), 1);
    }

    // One line per finding: severity, form, person, box and message.
    void linesSayEachFinding()
    {
        const ProgramRun run = Formlark({"check", "--company", "Tide Errors"});
        QCOMPARE(run.standardOutput,
                 QStringLiteral("warning\tW-3\tTide Errors (93-1234567)\tTelephone number\tThe W-3 has no contact "
                                "telephone number.\n"
                                "error\tW-2\tAnn Lee (123-45-6789)\t7 Social security tips\tThe amount -5.50 is "
                                "negative; no box of the W-2 takes a negative amount.\n"));
    }

    void jsonListsEachFindingWithItsRule()
    {
        const ProgramRun run = Formlark({"check", "--company", "Tide Errors", "--json"});
        QCOMPARE(run.exitCode, 1);
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(run.standardOutput.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonArray array = json.array();
        QCOMPARE(array.size(), 2);
        const QJsonObject tips = array[1].toObject();
        QCOMPARE(tips.keys(), QStringList({"box", "form", "message", "person", "rule", "severity", "tin"}));
        QCOMPARE(tips.value("rule").toString(), QStringLiteral("w2.negative-amount"));
        QCOMPARE(tips.value("tin").toString(), QStringLiteral("123-45-6789"));
        QCOMPARE(array[0].toObject().value("rule").toString(), QStringLiteral("w3.contact-missing"));

        const ProgramRun clean = Formlark({"check", "--company", "Harbor Tools", "--json"});
        QCOMPARE(clean.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(clean.standardOutput.toUtf8()).array().size(), 0);
    }

    // The check only reads: the data folder and the settings stay as they
    // were, even for a company another program has open.
    void nothingIsWritten()
    {
        const QStringList before = FolderSnapshot(folders_->ProgramFolder());
        QCOMPARE(Formlark({"check", "--company", "Tide Errors"}).exitCode, 1);
        QCOMPARE(Formlark({"check", "--company", "Harbor Tools", "--json"}).exitCode, 0);
        QCOMPARE(FolderSnapshot(folders_->ProgramFolder()), before);
        QVERIFY(!QFileInfo::exists(folders_->SettingsFile()));
    }

    void helpSaysHowToRunIt()
    {
        const ProgramRun run = Formlark({"check", "--help"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.standardOutput.startsWith("usage: formlark check --company NAME [--form w2|1099|all] [--json]\n"));
        QVERIFY(
            Formlark({"--help"}).standardOutput.contains("export-csv, check, convert (see formlark COMMAND --help)"));
    }
};

FORMLARK_TEST_GUILESS_MAIN(CheckCommandTest)
#include "CheckCommandTest.moc"
