// From a CSV file to what an import would do: columns found by their
// headers, every value checked as its box checks it, each row added,
// updating its person, or refused with its problems.
#include "core/import/CsvColumns.h"
#include "core/import/CsvImportPlan.h"
#include "core/import/CsvValue.h"
#include "core/records/RecordChecks.h"
#include "core/wage/W2Boxes.h"
#include "tests/support/RecordBuilders.h"

#include <QtTest>

namespace {

using namespace CsvValueMessages;

QString Message(const char* text, const QString& value)
{
    return QString::fromUtf8(text).arg(value);
}

CsvTable Table(const QByteArray& bytes)
{
    CsvTable table = ReadCsvTable(bytes);
    if (!table.Readable())
        qWarning() << table.error;
    return table;
}

CsvImportPlan Plan(PeopleKind kind, const QByteArray& bytes, const CompanyData& data = CompanyData())
{
    const CsvTable table = Table(bytes);
    return CsvImportPlan::Build(kind, table, MatchCsvHeader(kind, table.header), data);
}

QStringList Problems(const CsvPlanRow& row)
{
    QStringList problems;
    for (const CsvProblem& p : row.problems)
        problems << QStringLiteral("%1:%2 %3").arg(p.line).arg(p.column).arg(p.message);
    return problems;
}

// A company with one employee and its W-2.
CompanyData OneEmployee()
{
    EmployeeRecord e = MakeEmployee(7, "111-11-1111", "Ann", "Lee");
    e.City = "Dover";
    e.State = "DE";
    W2Record w2 = MakeW2(30, 7);
    w2.Wages = "100.00";
    w2.Other1 = "UNION 12.00";
    w2.State1 = "DE";
    return MakeCompany("Harbor Tools", {e}, {w2});
}

} // namespace

class CsvImportPlanTest : public QObject {
    Q_OBJECT

private slots:
    void headersAreRecognisedInTheirCommonSpellings_data()
    {
        QTest::addColumn<PeopleKind>("kind");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("field"); // the field's export header; empty: none
        const auto e = PeopleKind::Employees;
        const auto c = PeopleKind::Contractors;
        QTest::newRow("SSN") << e << "SSN"
                             << "SSN";
        QTest::newRow("spelt out") << e << "Social Security Number"
                                   << "SSN";
        QTest::newRow("case and spacing") << e << "  social_SECURITY-number "
                                          << "SSN";
        QTest::newRow("owner's word") << e << "Employee's SSN"
                                      << "SSN";
        QTest::newRow("owner's word without s") << e << "Employee SSN"
                                                << "SSN";
        QTest::newRow("first name") << e << "First Name"
                                    << "First Name";
        QTest::newRow("first name joined") << e << "firstname"
                                           << "First Name";
        QTest::newRow("box number") << e << "Box 1"
                                    << "Box 1 Wages";
        QTest::newRow("box caption") << e << "Wages, tips, other compensation"
                                     << "Box 1 Wages";
        QTest::newRow("federal tax") << e << "Federal Income Tax Withheld"
                                     << "Box 2 Federal Income Tax Withheld";
        QTest::newRow("form prefix") << e << "W-2 Box 5"
                                     << "Box 5 Medicare Wages and Tips";
        QTest::newRow("box 12 amount") << e << "Box 12a"
                                       << "Box 12a Amount";
        QTest::newRow("box 12 code") << e << "12b code"
                                     << "Box 12b Code";
        QTest::newRow("box 13") << e << "Retirement Plan"
                                << "Box 13 Retirement Plan";
        QTest::newRow("box 14") << e << "Box 14"
                                << "Box 14 Other 1";
        QTest::newRow("state line 2") << e << "State ID 2"
                                      << "Box 15 State ID 2";
        QTest::newRow("state wages") << e << "State Wages"
                                     << "Box 16 State Wages 1";
        QTest::newRow("address state") << e << "State"
                                       << "State";
        QTest::newRow("company's state line") << e << "Box 15 State 1"
                                              << "";
        QTest::newRow("unknown") << e << "Department"
                                 << "";
        QTest::newRow("TIN") << c << "TIN"
                             << "TIN";
        QTest::newRow("recipient's TIN") << c << "Recipient's TIN"
                                         << "TIN";
        QTest::newRow("SSN of a contractor") << c << "SSN"
                                             << "TIN";
        QTest::newRow("nonemployee compensation") << c << "Nonemployee Compensation"
                                                  << "Box 7 Nonemployee Compensation";
        QTest::newRow("hyphenated") << c << "Non-employee compensation"
                                    << "Box 7 Nonemployee Compensation";
        QTest::newRow("1099 box") << c << "1099 Box 7"
                                  << "Box 7 Nonemployee Compensation";
        QTest::newRow("box 15a") << c << "Box 15a"
                                 << "Box 15a Section 409A Deferrals";
        QTest::newRow("W-2 box not on the 1099") << c << "Box 11"
                                                 << "";
    }

    void headersAreRecognisedInTheirCommonSpellings()
    {
        QFETCH(PeopleKind, kind);
        QFETCH(QString, header);
        QFETCH(QString, field);
        const int matched = MatchCsvHeader(kind, {header}).front();
        QCOMPARE(matched < 0 ? QString() : CsvFieldHeaders(kind).at(matched), field);
    }

    // Every spelling names one field, and every field's own header finds it.
    void spellingsNameOneFieldEach()
    {
        for (PeopleKind kind : {PeopleKind::Employees, PeopleKind::Contractors}) {
            QHash<QString, QString> owner;
            auto check = [&](const auto& fields) {
                for (const auto& field : fields) {
                    for (const QString& spelling : QStringList{field.csvHeader} + field.csvSpellings) {
                        const QString key = CsvHeaderKey(spelling);
                        QVERIFY2(!owner.contains(key) || owner[key] == field.csvHeader,
                                 qPrintable(spelling + " names " + owner[key] + " and " + field.csvHeader));
                        owner[key] = field.csvHeader;
                    }
                }
            };
            if (kind == PeopleKind::Employees)
                check(EmployeeCsvColumns());
            else
                check(ContractorCsvColumns());
            const QStringList headers = CsvFieldHeaders(kind);
            const std::vector<int> mapping = MatchCsvHeader(kind, headers);
            for (int f = 0; f < headers.size(); ++f)
                QCOMPARE(mapping[size_t(f)], f);
        }
    }

    void laterColumnOfAFieldIsLeftOut()
    {
        const QStringList header{"SSN", "Wages", "Box 1", "Notes"};
        const std::vector<int> mapping = MatchCsvHeader(PeopleKind::Employees, header);
        QCOMPARE(mapping[1], CsvFieldHeaders(PeopleKind::Employees).indexOf("Box 1 Wages"));
        QCOMPARE(mapping[2], -1);
        QCOMPARE(UnmappedColumns(header, mapping), (QStringList{"Box 1", "Notes"}));
    }

    void valuesAreCheckedAsTheirBoxesCheckThem_data()
    {
        QTest::addColumn<CsvValueRule>("rule");
        QTest::addColumn<int>("maxChars");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("problem");
        using R = CsvValueRule;
        QTest::newRow("text") << R::Text << 20 << "  Ann Marie "
                              << "Ann Marie"
                              << "";
        QTest::newRow("text at its length") << R::Text << 2 << "JR"
                                            << "JR"
                                            << "";
        QTest::newRow("text too long") << R::Text << 2 << "Jos"
                                       << "" << QString::fromUtf8(kTooLong).arg("Jos").arg(2);
        QTest::newRow("refused character") << R::Text << 20 << "O'Brien"
                                           << "" << QString::fromUtf8(kRefusedCharacter).arg("O'Brien", "'");
        QTest::newRow("line break") << R::Text << 30 << "12 Oak\nApt 3"
                                    << "" << Message(kLineBreak, "12 Oak\nApt 3");
        QTest::newRow("empty cell") << R::Ssn << 0 << "   "
                                    << ""
                                    << "";
        QTest::newRow("SSN with dashes") << R::Ssn << 0 << "123-45-6789"
                                         << "123-45-6789"
                                         << "";
        QTest::newRow("SSN digits") << R::Ssn << 0 << "123456789"
                                    << "123-45-6789"
                                    << "";
        QTest::newRow("SSN with blanks") << R::Ssn << 0 << "123 45 6789"
                                         << "123-45-6789"
                                         << "";
        QTest::newRow("SSN short") << R::Ssn << 0 << "123-45-678"
                                   << "" << Message(kNotSsn, "123-45-678");
        QTest::newRow("SSN lost its zero") << R::Ssn << 0 << "12345678"
                                           << "" << Message(kNotSsn, "12345678") + kLeadingZero;
        QTest::newRow("SSN too long") << R::Ssn << 0 << "1234567890"
                                      << "" << Message(kNotSsn, "1234567890");
        QTest::newRow("SSN dots") << R::Ssn << 0 << "123.45.6789"
                                  << "" << Message(kNotSsn, "123.45.6789");
        QTest::newRow("ZIP 5") << R::Zip << 0 << "02134"
                               << "02134"
                               << "";
        QTest::newRow("ZIP 9") << R::Zip << 0 << "021341234"
                               << "02134-1234"
                               << "";
        QTest::newRow("ZIP lost its zero") << R::Zip << 0 << "2134"
                                           << "" << Message(kNotZip, "2134") + kLeadingZero;
        QTest::newRow("ZIP letters") << R::Zip << 0 << "SW1A 1AA"
                                     << "" << Message(kNotZip, "SW1A 1AA");
        QTest::newRow("account") << R::Account << 0 << "00417"
                                 << "00417"
                                 << "";
        QTest::newRow("account too long") << R::Account << 0 << "123456"
                                          << "" << Message(kNotAccount, "123456");
        QTest::newRow("state") << R::State << 0 << "ny"
                               << "NY"
                               << "";
        QTest::newRow("state not listed") << R::State << 0 << "New York"
                                          << "" << Message(kNotState, "New York");
        QTest::newRow("amount") << R::Amount << 0 << "1234.5"
                                << "1234.50"
                                << "";
        QTest::newRow("amount grouped") << R::Amount << 0 << "1,234.50"
                                        << "1234.50"
                                        << "";
        QTest::newRow("amount in dollars") << R::Amount << 0 << "$1,234,567.05"
                                           << "1234567.05"
                                           << "";
        QTest::newRow("amount whole") << R::Amount << 0 << "$ 500"
                                      << "500.00"
                                      << "";
        QTest::newRow("amount cents only") << R::Amount << 0 << ".5"
                                           << "0.50"
                                           << "";
        QTest::newRow("amount negative") << R::Amount << 0 << "-$12.00"
                                         << "-12.00"
                                         << "";
        QTest::newRow("amount zeros beyond cents") << R::Amount << 0 << "10.2500"
                                                   << "10.25"
                                                   << "";
        QTest::newRow("fraction of a cent") << R::Amount << 0 << "10.255"
                                            << "" << Message(kFractionOfCent, "10.255");
        QTest::newRow("decimal comma") << R::Amount << 0 << "1234,50"
                                       << "" << Message(kNotAmount, "1234,50");
        QTest::newRow("bad grouping") << R::Amount << 0 << "1,23,450"
                                      << "" << Message(kNotAmount, "1,23,450");
        QTest::newRow("words") << R::Amount << 0 << "n/a"
                               << "" << Message(kNotAmount, "n/a");
        QTest::newRow("parentheses") << R::Amount << 0 << "(12.00)"
                                     << "" << Message(kNotAmount, "(12.00)");
        QTest::newRow("ten digits") << R::Amount << 0 << "1,234,567,890"
                                    << "" << Message(kAmountTooLarge, "1,234,567,890");
        QTest::newRow("box 3 at the wage base") << R::SocialSecurityWages << 0 << "90,000.00"
                                                << "90000.00"
                                                << "";
        QTest::newRow("box 3 beyond") << R::SocialSecurityWages << 0 << "90000.01"
                                      << ""
                                      << "'Social security wages' field shouldn't exceed $90000.00";
        QTest::newRow("box 4 beyond") << R::SocialSecurityTax << 0 << "5600"
                                      << ""
                                      << "'Social security tax withheld' field shouldn't exceed $5580.00";
        QTest::newRow("check X") << R::Flag << 0 << "X"
                                 << "1"
                                 << "";
        QTest::newRow("check yes") << R::Flag << 0 << "Yes"
                                   << "1"
                                   << "";
        QTest::newRow("check 0") << R::Flag << 0 << "0"
                                 << "0"
                                 << "";
        QTest::newRow("check FALSE") << R::Flag << 0 << "FALSE"
                                     << "0"
                                     << "";
        QTest::newRow("check maybe") << R::Flag << 0 << "maybe"
                                     << "" << Message(kNotFlag, "maybe");
        QTest::newRow("box 12 code") << R::Box12Code << 0 << "d"
                                     << "D"
                                     << "";
        QTest::newRow("box 12 two letters") << R::Box12Code << 0 << "DD"
                                            << "" << Message(kNotBox12Code, "DD");
        QTest::newRow("box 12 year") << R::Box12Year << 0 << "04"
                                     << "04"
                                     << "";
        QTest::newRow("box 12 year of four") << R::Box12Year << 0 << "2004"
                                             << "" << Message(kNotBox12Year, "2004");
        QTest::newRow("EIN digits") << R::Ein << 0 << "931234567"
                                    << "93-1234567"
                                    << "";
        QTest::newRow("EIN short") << R::Ein << 0 << "93-123456"
                                   << "" << Message(kNotEin, "93-123456");
        QTest::newRow("EIN too long") << R::Ein << 0 << "93-12345678"
                                      << "" << Message(kNotEin, "93-12345678");
        QTest::newRow("phone digits") << R::Phone << 0 << "5035550142"
                                      << "(503) 555-0142"
                                      << "";
        QTest::newRow("phone written out") << R::Phone << 0 << "(503) 555-0142"
                                           << "(503) 555-0142"
                                           << "";
        QTest::newRow("phone without area code") << R::Phone << 0 << "555-0142"
                                                 << "" << Message(kNotPhone, "555-0142");
        QTest::newRow("kind of payer") << R::KindOfPayer << 0 << "hshld emp"
                                       << "Hshld. emp."
                                       << "";
        QTest::newRow("kind of payer, number") << R::KindOfPayer << 0 << "941"
                                               << "941"
                                               << "";
        QTest::newRow("kind of payer not listed") << R::KindOfPayer << 0 << "944"
                                                  << ""
                                                  << QString::fromUtf8(kNotKindOfPayer)
                                                         .arg("944", "941, CT-1, Military, Hshld. emp., 943, Medicare "
                                                                     "govt. emp., Third-party sick pay");
        // A message shows the beginning of a long value, never the value
        // whole (a whole file read as one value, say).
        const QString longName = QString(u'y').repeated(5 << 20);
        const QString shown = QString(u'y').repeated(kShownCsvValueLength) + QChar(0x2026);
        QTest::newRow("a very long text")
            << R::Text << 20 << longName << "" << QString::fromUtf8(kTooLong).arg(shown).arg(20);
        QTest::newRow("a very long amount")
            << R::Amount << 0 << QString(u'9').repeated(1 << 20) << ""
            << Message(kAmountTooLarge, QString(u'9').repeated(kShownCsvValueLength) + QChar(0x2026));
        QTest::newRow("a long value at the length shown")
            << R::State << 0 << QString(u'z').repeated(kShownCsvValueLength) << ""
            << Message(kNotState, QString(u'z').repeated(kShownCsvValueLength));
    }

    void valuesAreCheckedAsTheirBoxesCheckThem()
    {
        QFETCH(CsvValueRule, rule);
        QFETCH(int, maxChars);
        QFETCH(QString, cell);
        const CsvValue value = CheckCsvValue(rule, maxChars, cell);
        QTEST(value.problem, "problem");
        QTEST(value.text, "kept");
    }

    // A known number updates its person, with the file's values over the
    // stored ones; others are added; bad rows are refused with each problem.
    void rowsAddUpdateOrAreRefused()
    {
        const QByteArray csv = "SSN,First Name,Last Name,City,Box 1,Box 2,State\n"
                               "111111111,,,,\"$1,234.50\",,\n"         // line 2: Ann Lee, updated
                               "222-22-2222,Bo,Berg,Lund,500,7.5,ca\n"  // line 3: added
                               "333-33-3333,Cy,,Oslo,1234;50,x,Texas\n" // line 4: four problems
                               "222-22-2222,Bo,Again,,,,\n"             // line 5: number twice
                               "444-44-4444,,Dahl,,,,\n";               // line 6: no first name
        const CsvImportPlan plan = Plan(PeopleKind::Employees, csv, OneEmployee());
        QVERIFY(plan.Blocker().isEmpty());
        QCOMPARE(plan.Adds(), 1);
        QCOMPARE(plan.Updates(), 1);
        QCOMPARE(plan.Refused(), 3);
        const auto& rows = plan.Rows();
        QCOMPARE(rows.size(), size_t(5));

        QCOMPARE(rows[0].action, CsvRowAction::Update);
        QCOMPARE(rows[0].number, QStringLiteral("111-11-1111"));
        QCOMPARE(rows[0].name, QStringLiteral("Ann Lee"));
        QCOMPARE(rows[1].action, CsvRowAction::Add);
        QCOMPARE(rows[1].name, QStringLiteral("Bo Berg"));

        QCOMPARE(rows[2].action, CsvRowAction::Refused);
        QCOMPARE(Problems(rows[2]),
                 (QStringList{"4:4 " + Message(kNotAmount, "1234;50"), "4:5 " + Message(kNotAmount, "x"),
                              "4:6 " + Message(kNotState, "Texas"),
                              "4:2 " + QLatin1String(EmployeeMessages::kLastNameEmpty)}));
        QCOMPARE(Problems(rows[3]),
                 QStringList{"5:0 " + QString::fromUtf8(CsvPlanMessages::kSameNumber).arg("222-22-2222").arg(3)});
        QCOMPARE(Problems(rows[4]), QStringList{"6:1 " + QLatin1String(EmployeeMessages::kFirstNameEmpty)});
        QCOMPARE(DescribeCsvProblem(rows[4].problems.front(), Table(csv).header),
                 "Line 6, column 2 \"First Name\": " + QLatin1String(EmployeeMessages::kFirstNameEmpty));

        const auto& people = plan.Employees();
        QCOMPARE(people.size(), size_t(2));
        // The update: the stored person and form, with the file's box 1;
        // empty cells keep what was stored.
        EmployeeWithW2 expected{OneEmployee().employees[0], OneEmployee().w2s[0]};
        expected.form.Wages = "1234.50";
        QVERIFY(people[0] == expected);
        // The new one: normalised values; a state as the list spells it.
        QCOMPARE(people[1].person.EmployeeUniqueID, -1);
        QCOMPARE(people[1].person.SocialSecurityNumber.Text(), QStringLiteral("222-22-2222"));
        QCOMPARE(people[1].person.State.Text(), QStringLiteral("CA"));
        QCOMPARE(people[1].form.Wages.Text(), QStringLiteral("500.00"));
        QCOMPARE(people[1].form.FederalIncomeTaxWithdrawal.Text(), QStringLiteral("7.50"));
        QCOMPARE(people[1].form.Other1.Text(), QString());
    }

    void newContractorsPassTheContractorDialogsChecks()
    {
        const QByteArray csv = "Recipient TIN;First;Last;Address;City;ST;Zip;Nonemployee Compensation\n"
                               "12-3456789;Ada;Ruiz;1 Main St;Reno;NV;89501;\"2,500.00\"\n"
                               "98-7654321;Max;Moe;2 Elm St;;NV;89501;10\n"
                               "55-5555555;Sal;Sun;3 Oak St;Ely;;89301;10\n"
                               ";Nia;Nox;4 Ash St;Ely;NV;89301;10\n";
        const CsvImportPlan plan = Plan(PeopleKind::Contractors, csv);
        QCOMPARE(plan.Adds(), 1);
        QCOMPARE(plan.Refused(), 3);
        QCOMPARE(Problems(plan.Rows()[1]), QStringList{"3:4 " + QLatin1String(ContractorMessages::kCityEmpty)});
        QCOMPARE(Problems(plan.Rows()[2]), QStringList{"4:5 " + QLatin1String(ContractorMessages::kStateNotChosen)});
        QCOMPARE(Problems(plan.Rows()[3]), QStringList{"5:0 " + QLatin1String(ContractorMessages::kIdNumberEmpty)});
        const ContractorWith1099& added = plan.Contractors().front();
        QCOMPARE(added.person.IdentificationNumber.Text(), QStringLiteral("12-3456789"));
        QCOMPARE(added.form.NonemployeeCompensation.Text(), QStringLiteral("2500.00"));
    }

    void contractorNumberMatchesWhateverItsDashes()
    {
        ContractorRecord stored = MakeContractor(4, "12-3456789", "Ada", "Ruiz");
        const CompanyData data = MakeCompany("Harbor Tools", {}, {}, {stored}, {MakeForm1099(9, 4)});
        const CsvImportPlan plan = Plan(PeopleKind::Contractors, "TIN,Box 1\n123456789,75\n", data);
        QCOMPARE(plan.Updates(), 1);
        QCOMPARE(plan.Contractors().front().person.IdentificationNumber.Text(), QStringLiteral("12-3456789"));
        QCOMPARE(plan.Contractors().front().form.Rents.Text(), QStringLiteral("75.00"));
    }

    void aRowAsStoredChangesNothing()
    {
        const CsvImportPlan plan = Plan(PeopleKind::Employees,
                                        "SSN,First,Last,City,Wages\n111-11-1111,Ann,Lee,Dover,100\n", OneEmployee());
        QCOMPARE(plan.Rows().front().action, CsvRowAction::Unchanged);
        QCOMPARE(plan.Unchanged(), 1);
        QVERIFY(plan.Employees().empty());
        QCOMPARE(plan.Summary(), QStringLiteral("0 to add, 0 to update, 1 unchanged, 0 with errors (not imported)"));
    }

    void withoutTheNumberNothingCanBeImported()
    {
        const CsvImportPlan plan = Plan(PeopleKind::Employees, "First Name,Wages\nAnn,10\n");
        QCOMPARE(plan.Blocker(), QLatin1String(CsvPlanMessages::kNoEmployeeNumber));
        QVERIFY(plan.Rows().empty());
        QVERIFY(plan.Employees().empty());
    }

    void valuesBeyondTheHeaderAreAProblem()
    {
        const CsvImportPlan plan = Plan(PeopleKind::Employees,
                                        "SSN,First,Last\n123-45-6789,Ann,Lee,,\n987-65-4321,Bo,Berg,x\n");
        QCOMPARE(plan.Adds(), 1);
        QCOMPARE(Problems(plan.Rows()[1]),
                 QStringList{"3:-1 " + QString::fromUtf8(CsvPlanMessages::kExtraValues).arg(4).arg(3)});
    }

    // A header of a long name is shown cut in the line of a problem and in
    // the columns left out.
    void longHeadersAreShownCut()
    {
        const QByteArray name = QByteArray("Notes ").repeated(100000);
        const CsvTable table = Table("SSN,First Name,Last Name,Zip," + name + "\n123-45-6789,Ann,Lee,x,y\n");
        const std::vector<int> mapping = MatchCsvHeader(PeopleKind::Employees, table.header);
        const QStringList unmapped = UnmappedColumns(table.header, mapping);
        QCOMPARE(unmapped.size(), qsizetype(1));
        QCOMPARE(unmapped.front(), ShownCsvValue(QString::fromLatin1(name)));
        QVERIFY(unmapped.front().size() <= kShownCsvValueLength + 1);
        CsvProblem problem{2, 4, QStringLiteral("a problem")};
        QVERIFY(DescribeCsvProblem(problem, table.header).size() < 120);
    }

    // The sample files the README and the help page show import as they are.
    void theDocumentedSamplesImport()
    {
        struct Source {
            QString file;
            QRegularExpression block;
        };
        const Source sources[] = {
            {"README.md", QRegularExpression("```csv\n(.*?)```", QRegularExpression::DotMatchesEverythingOption)},
            {"resources/help/formlark2005.html", QRegularExpression("<pre class=\"csv\"><code>(.*?)</code></pre>",
                                                                    QRegularExpression::DotMatchesEverythingOption)},
        };
        for (const Source& source : sources) {
            QFile file(QStringLiteral(FORMLARK_SOURCE_DIR "/") + source.file);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            QStringList kinds;
            for (auto it = source.block.globalMatch(text); it.hasNext();) {
                QString sample = it.next().captured(1);
                sample.replace("&#39;", "'").replace("&quot;", "\"").replace("&lt;", "<").replace("&gt;", ">");
                sample.replace("&amp;", "&");
                const CsvTable table = Table(sample.toUtf8());
                const PeopleKind kind = table.header.value(0) == "SSN" ? PeopleKind::Employees
                                                                       : PeopleKind::Contractors;
                kinds << table.header.value(0);
                const std::vector<int> mapping = MatchCsvHeader(kind, table.header);
                QCOMPARE(UnmappedColumns(table.header, mapping), QStringList());
                const CsvImportPlan plan = CsvImportPlan::Build(kind, table, mapping, CompanyData());
                QStringList problems;
                for (const CsvPlanRow& row : plan.Rows())
                    for (const CsvProblem& problem : row.problems)
                        problems << DescribeCsvProblem(problem, table.header);
                QVERIFY2(problems.isEmpty(), qPrintable(source.file + ": " + problems.join("; ")));
                QCOMPARE(plan.Adds(), int(table.rows.size()));
            }
            QCOMPARE(kinds, (QStringList{"SSN", "TIN"}));
        }
    }

    void progressCanStopTheCheck()
    {
        QByteArray csv = "SSN,First,Last\n";
        for (int i = 0; i < 1200; ++i)
            csv += QStringLiteral("%1,A,B\n").arg(100000000 + i).toUtf8();
        const CsvTable table = Table(csv);
        QList<int> seen;
        const CsvImportPlan plan = CsvImportPlan::Build(PeopleKind::Employees, table,
                                                        MatchCsvHeader(PeopleKind::Employees, table.header),
                                                        CompanyData(), [&](int done, int total) {
                                                            seen << done;
                                                            return total == 1200 && done < 1000;
                                                        });
        QVERIFY(plan.Cancelled());
        QCOMPARE(seen, (QList<int>{0, 500, 1000}));
    }
};

FORMLARK_TEST_GUILESS_MAIN(CsvImportPlanTest)
#include "CsvImportPlanTest.moc"
