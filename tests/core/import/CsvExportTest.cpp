// An export imported into an empty company gives the same people and forms,
// and exports again to the same file.
#include "core/document/GlobalDoc.h"
#include "core/import/CsvExport.h"
#include "core/import/CsvImportPlan.h"
#include "core/import/CsvTable.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/RecordBuilders.h"
#include "tools/SampleCompany.h"

#include <QtTest>

namespace {

// A person and form with every field the export carries filled in.
CompanyData EveryField()
{
    EmployeeRecord e = MakeEmployee(12, "078-05-1120", "Maria-Jose", "Ortega y Gasset");
    e.MiddleName = "T.";
    e.Address1 = "1200 Harbor Boulevard, Unit 4";
    e.Address2 = "c/o Dock Office; rear";
    e.City = "San Pedro";
    e.State = "CA";
    e.Zip = "90731-1234";
    W2Record w = MakeW2(40, 12);
    const QString amounts[] = {"45000.10", "5400.00", "45000.10", "2790.01",  "45000.10", "652.50",
                               "120.00",   "80.00",   "0.00",     "1500.00",  "2000.00",  "300.00",
                               "12.34",    "-5.00",   "99.99",    "41000.00", "2100.00",  "39000.00",
                               "400.00",   "150.00",  "12.00",    "1.00",     "2.00"};
    AmountField* fields[] = {&w.Wages,
                             &w.FederalIncomeTaxWithdrawal,
                             &w.SocialSecurityWages,
                             &w.SocialSecurityTaxWithheld,
                             &w.MedicareWages,
                             &w.MedicareTaxWithheld,
                             &w.SocialSecurityTips,
                             &w.AllocatedTips,
                             &w.AdvancEICPayment,
                             &w.DependentCareBenefits,
                             &w.NonQualifiedPlans,
                             &w.Field12aAmount,
                             &w.Field12bAmount,
                             &w.Field12cAmount,
                             &w.Field12dAmount,
                             &w.StateWages1,
                             &w.StateIncomTax1,
                             &w.LocalWages1,
                             &w.LocalIncomeTax1,
                             &w.StateWages2,
                             &w.StateIncomTax2,
                             &w.LocalWages2,
                             &w.LocalIncomeTax2};
    for (size_t i = 0; i < std::size(fields); ++i)
        *fields[i] = amounts[i];
    w.StatutoryEmployee = 1;
    w.ThirdPartySickpay = 1;
    w.Other1 = "UNION 120.00";
    w.Other2 = "SDI 55.10";
    w.Other3 = "Ca, VPDI";
    w.Field12aCode = "D";
    w.Field12bCode = "E";
    w.Field12cCode = "G";
    w.Field12dCode = "W";
    w.Field12aYear = "04";
    w.Field12dYear = "05";
    w.State2 = "NY";
    w.StateID2 = "NY-1234/56";
    w.LocalityName1 = "LA CTY";
    w.LocalityName2 = "NYC";
    // An employee as the dialog leaves one without a state, and an empty W-2.
    EmployeeRecord bare = MakeEmployee(13, "111-22-3333", "Bo", "Berg");
    bare.State = "  ";

    ContractorRecord c = MakeContractor(5, "12-3456789", "Ada", "Ruiz");
    c.MiddleName = "Q";
    c.Address2 = "Suite 9";
    c.AccountNumber = "00417";
    c.SecondTIN = 1;
    Form1099Record f = MakeForm1099(6, 5);
    AmountField* boxes[] = {&f.Rents,
                            &f.Royalities,
                            &f.OtherIncome,
                            &f.FederalIncomeTaxWithheld,
                            &f.FishingBoatProceeds,
                            &f.MedicalAndHealthCarePayments,
                            &f.NonemployeeCompensation,
                            &f.SubstitutePayments,
                            &f.CropInsuranceProceeds,
                            &f.ExcessGoldenParachutePayments,
                            &f.GrossProceedsPaidToAttorney,
                            &f.StateTaxWithheld1,
                            &f.StateTaxWithheld2,
                            &f.StateIncome1,
                            &f.StateIncome2,
                            &f.Field15A,
                            &f.Field15B};
    for (size_t i = 0; i < std::size(boxes); ++i)
        *boxes[i] = QStringLiteral("%1.%2").arg(100 * (i + 1)).arg(i + 10);
    f.PayerMadeDirectSales = 1;
    f.PayerStateID1 = "OR 55-1234";
    f.PayerStateID2 = "WA/778";
    return MakeCompany("Harbor Tools", {e, bare}, {w, MakeW2(41, 13)},
                       {c, MakeContractor(8, "987-65-4321", "Max", "Moe")}, {f, MakeForm1099(9, 8)});
}

// Ids count from 1 in a new company, the W-2's first state line is the
// company's, and no state is a blank entry or nothing: the rest must match.
template <class Row>
std::vector<Row> Comparable(std::vector<Row> rows)
{
    for (Row& row : rows) {
        if (row.person.State.Text().trimmed().isEmpty())
            row.person.State.Clear();
        if constexpr (std::is_same_v<Row, EmployeeWithW2>) {
            row.person.EmployeeUniqueID = -1;
            row.form.W2UniqueID = row.form.EmployeeUniqueID = -1;
            row.form.State1.Clear();
            row.form.StateID1.Clear();
        } else {
            row.person.ContractorUniqueID = -1;
            row.form.Form1099UniqueID = row.form.ContractorUniqueID = -1;
        }
    }
    return rows;
}

} // namespace

class CsvExportTest : public QObject {
    Q_OBJECT

private slots:
    void anExportImportsBackUnchanged_data()
    {
        QTest::addColumn<PeopleKind>("kind");
        QTest::addColumn<bool>("sample");
        QTest::newRow("employees, every field") << PeopleKind::Employees << false;
        QTest::newRow("contractors, every field") << PeopleKind::Contractors << false;
        QTest::newRow("Sample Company employees") << PeopleKind::Employees << true;
        QTest::newRow("Sample Company contractors") << PeopleKind::Contractors << true;
    }

    void anExportImportsBackUnchanged()
    {
        QFETCH(PeopleKind, kind);
        QFETCH(bool, sample);
        const CompanyData source = sample ? SampleCompanyData() : EveryField();
        const QByteArray exported = ExportPeopleCsv(kind, source);

        DocumentFixture empty(MakeCompany("New Company"));
        QVERIFY(empty.ready);
        const CsvTable table = ReadCsvTable(exported);
        QVERIFY(table.Readable());
        const std::vector<int> mapping = MatchCsvHeader(kind, table.header);
        QCOMPARE(UnmappedColumns(table.header, mapping), QStringList());
        const CsvImportPlan plan = CsvImportPlan::Build(kind, table, mapping, empty.doc.Data());
        QStringList problems;
        for (const CsvPlanRow& row : plan.Rows())
            for (const CsvProblem& problem : row.problems)
                problems << DescribeCsvProblem(problem, table.header);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));

        const ImportedPeople imported = kind == PeopleKind::Employees
                                            ? empty.doc.Editor().ImportEmployees(plan.Employees())
                                            : empty.doc.Editor().ImportContractors(plan.Contractors());
        QCOMPARE(imported.outcome, SaveOutcome::Saved);
        const CompanyData stored = empty.Stored();
        if (kind == PeopleKind::Employees) {
            QCOMPARE(imported.added, int(source.employees.size()));
            QVERIFY(Comparable(EmployeesWithW2s(stored)) == Comparable(EmployeesWithW2s(source)));
        } else {
            QCOMPARE(imported.added, int(source.contractors.size()));
            QVERIFY(Comparable(ContractorsWith1099s(stored)) == Comparable(ContractorsWith1099s(source)));
        }
        QCOMPARE(ExportPeopleCsv(kind, stored), exported);
    }

    void anExportHasTheHeadersAnImportKnows()
    {
        const std::vector<QStringList> records = CsvExportRecords(PeopleKind::Employees, EveryField());
        QCOMPARE(records.size(), size_t(3));
        QCOMPARE(records[0], CsvFieldHeaders(PeopleKind::Employees));
        QCOMPARE(records[0].mid(0, 4), (QStringList{"SSN", "First Name", "Middle Initial", "Last Name"}));
        QCOMPARE(records[1].mid(0, 2), (QStringList{"078-05-1120", "Maria-Jose"}));
        QCOMPARE(records[2][records[0].indexOf("State")], QString()); // the blank entry
        QCOMPARE(records[1][records[0].indexOf("Box 13 Statutory Employee")], QStringLiteral("1"));
        QCOMPARE(records[1][records[0].indexOf("Box 13 Retirement Plan")], QStringLiteral("0"));
    }
};

FORMLARK_TEST_GUILESS_MAIN(CsvExportTest)
#include "CsvExportTest.moc"
