// Importing people with their forms: rows matched by number update their
// person and form, other rows are added with the next ids, the checks of a
// new person hold, and all of it reaches the store together or not at all.
#include "core/contractor/Form1096Totals.h"
#include "core/document/CompanyEditor.h"
#include "core/document/GlobalDoc.h"
#include "core/records/RecordChecks.h"
#include "core/store/CompanyStore.h"
#include "core/wage/W3Totals.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/RecordBuilders.h"

#include <QtTest>

namespace {

EmployeeWithW2 Employee(const QString& ssn, const QString& first, const QString& wages)
{
    EmployeeWithW2 row{MakeEmployee(-1, ssn, first, "Lee"), W2Record()};
    row.form.Wages = wages;
    return row;
}

ContractorWith1099 Contractor(const QString& tin, const QString& first, const QString& compensation)
{
    ContractorWith1099 row{MakeContractor(-1, tin, first, "Ruiz"), Form1099Record()};
    row.form.NonemployeeCompensation = compensation;
    return row;
}

// One employee (id 5, SSN 111-11-1111) with a W-2 (id 8) of $100.
CompanyData OneEmployee()
{
    W2Record w2 = MakeW2(8, 5);
    w2.Wages = "100.00";
    return MakeCompany("Harbor Tools", {MakeEmployee(5, "111-11-1111", "Ann", "Lee")}, {w2});
}

// Makes the store refuse the employee 999-99-9999, as other software
// writing the file might.
constexpr char kRefuseOne[] = "CREATE TRIGGER RefuseOne BEFORE INSERT ON Employees "
                              "WHEN NEW.SocialSecurityNumber = '999-99-9999' "
                              "BEGIN SELECT RAISE(ABORT, 'refused'); END";

bool RunOnStore(const QString& path, const char* statement)
{
    CompanyStore store;
    return store.OpenExisting(path) == CompanyStore::kOk && store.Execute(statement) == CompanyStore::kOk;
}

bool SameStaff(const CompanyData& a, const CompanyData& b)
{
    return a.employees == b.employees && a.w2s == b.w2s && a.contractors == b.contractors && a.forms1099 == b.forms1099;
}

} // namespace

class PeopleImportTest : public QObject {
    Q_OBJECT

private slots:
    void rowsUpdateTheirPersonOrAreAdded()
    {
        DocumentFixture fixture(OneEmployee());
        QVERIFY(fixture.ready);
        EmployeeWithW2 update = Employee("111111111", "Annie", "2500.00");
        const ImportedPeople result = fixture.doc.Editor().ImportEmployees(
            {Employee("222-22-2222", "Bo", "10.00"), update, Employee("333-33-3333", "Cy", "20.00")});
        QCOMPARE(result.added, 2);
        QCOMPARE(result.updated, 1);
        QCOMPARE(result.outcome, SaveOutcome::Saved);

        const EmployeeList& employees = fixture.doc.Employees();
        QCOMPARE(employees.size(), size_t(3));
        // The person keeps id and stored number; the new ones take the next ids.
        QCOMPARE(employees[0].EmployeeUniqueID, 5);
        QCOMPARE(employees[0].FirstName.Text(), QStringLiteral("Annie"));
        QCOMPARE(employees[0].SocialSecurityNumber.Text(), QStringLiteral("111111111"));
        QCOMPARE(employees[1].EmployeeUniqueID, 6);
        QCOMPARE(employees[2].EmployeeUniqueID, 7);
        const W2List& w2s = fixture.doc.W2Forms();
        QCOMPARE(w2s.size(), size_t(3));
        QCOMPARE(w2s[0].W2UniqueID, 8);
        QCOMPARE(w2s[0].Wages.Text(), QStringLiteral("2500.00"));
        QCOMPARE((std::pair{w2s[1].W2UniqueID, w2s[1].EmployeeUniqueID}), (std::pair{9, 6}));
        QCOMPARE((std::pair{w2s[2].W2UniqueID, w2s[2].EmployeeUniqueID}), (std::pair{10, 7}));

        // Written, and the W-3 follows at once.
        QCOMPARE(fixture.doc.Modified(), 0);
        QVERIFY(SameStaff(fixture.Stored(), fixture.doc.Data()));
        QCOMPARE(ComputeW3Totals(fixture.doc.W2Forms()).Text(1), QStringLiteral("2530.00"));
        QCOMPARE(fixture.prompt.asked, QStringList());
    }

    void unchangedRowsWriteNothing()
    {
        DocumentFixture fixture(OneEmployee());
        QVERIFY(fixture.ready);
        const CompanyData seed = OneEmployee();
        EmployeeWithW2 same{seed.employees[0], seed.w2s[0]};
        same.person.EmployeeUniqueID = -1;
        same.form.W2UniqueID = same.form.EmployeeUniqueID = -1;
        const ImportedPeople result = fixture.doc.Editor().ImportEmployees({same});
        QCOMPARE(result.unchanged, 1);
        QCOMPARE(result.updated + result.added, 0);
        QCOMPARE(result.outcome, SaveOutcome::Unchanged);
        QCOMPARE(fixture.doc.Modified(), 0);
    }

    void newPeopleMustPassTheDialogsChecks()
    {
        DocumentFixture fixture(OneEmployee());
        QVERIFY(fixture.ready);
        const ImportedPeople result = fixture.doc.Editor().ImportEmployees(
            {Employee("444-44-4444", "", "1.00"), Employee("", "Eve", "1.00"), Employee("555-55-5555", "Flo", "1.00")});
        QCOMPARE(result.added, 1);
        QCOMPARE(result.refusals, (QStringList{EmployeeMessages::kFirstNameEmpty, EmployeeMessages::kSsnEmpty}));
        QCOMPARE(fixture.Stored().employees.size(), size_t(2));

        ContractorWith1099 noCity = Contractor("12-3456789", "Ada", "1.00");
        noCity.person.City.Clear();
        const ImportedPeople contractors = fixture.doc.Editor().ImportContractors({noCity});
        QCOMPARE(contractors.refusals, QStringList{ContractorMessages::kCityEmpty});
        QCOMPARE(contractors.outcome, SaveOutcome::Unchanged);
    }

    void contractorsComeWithTheir1099s()
    {
        CompanyData seed = MakeCompany("Harbor Tools", {}, {}, {MakeContractor(3, "12-3456789", "Ada", "Ruiz")},
                                       {MakeForm1099(4, 3)});
        DocumentFixture fixture(seed);
        QVERIFY(fixture.ready);
        const ImportedPeople result = fixture.doc.Editor().ImportContractors(
            {Contractor("12 3456789", "Ada", "300.00"), Contractor("98-7654321", "Max", "200.00")});
        QCOMPARE(result.updated, 1);
        QCOMPARE(result.added, 1);
        const Form1099List& forms = fixture.doc.Forms1099();
        QCOMPARE(forms.size(), size_t(2));
        QCOMPARE((std::pair{forms[0].Form1099UniqueID, forms[0].ContractorUniqueID}), (std::pair{4, 3}));
        QCOMPARE((std::pair{forms[1].Form1099UniqueID, forms[1].ContractorUniqueID}), (std::pair{5, 4}));
        QVERIFY(SameStaff(fixture.Stored(), fixture.doc.Data()));
        QCOMPARE(ComputeForm1096Totals(forms).reportedCents, qint64(50000));
    }

    // A row the store refuses leaves the store as it was: neither the rows
    // before it nor those after it are written. The user is told once, and
    // the import stays in memory for Save, as any refused write does.
    void aRefusedRowLeavesTheStoreAsItWas()
    {
        DocumentFixture fixture(OneEmployee());
        QVERIFY(fixture.ready);
        QVERIFY(RunOnStore(fixture.path, kRefuseOne));
        const CompanyData before = fixture.Stored();

        const ImportedPeople result = fixture.doc.Editor().ImportEmployees(
            {Employee("111-11-1111", "Ann", "900.00"), Employee("222-22-2222", "Bo", "10.00"),
             Employee("999-99-9999", "Refused", "20.00"), Employee("333-33-3333", "Cy", "30.00")});
        QCOMPARE(result.outcome, SaveOutcome::Kept);
        QCOMPARE(fixture.prompt.asked.size(), 1);
        QCOMPARE(fixture.doc.Employees().size(), size_t(4));
        QCOMPARE(fixture.doc.Modified(), 1);

        const CompanyData after = fixture.Stored();
        QVERIFY(SameStaff(after, before));
    }

    // The writing of an import told through the progress hook, stopped at
    // its first change, in the middle, at its last, or not at all.
    void theProgressHookMayStopTheWriting_data()
    {
        QTest::addColumn<bool>("contractors");
        QTest::addColumn<int>("stopAt"); // 0: never
        // Two new people and one changed form: 2 * 2 + 1 changes.
        QTest::newRow("employees, at the first") << false << 1;
        QTest::newRow("employees, in the middle") << false << 3;
        QTest::newRow("employees, at the last") << false << 5;
        QTest::newRow("employees, never") << false << 0;
        QTest::newRow("contractors, in the middle") << true << 2;
        QTest::newRow("contractors, never") << true << 0;
    }

    void theProgressHookMayStopTheWriting()
    {
        QFETCH(bool, contractors);
        QFETCH(int, stopAt);
        CompanyData company = OneEmployee();
        company.contractors = {MakeContractor(3, "12-3456789", "Dee", "Ruiz")};
        Form1099Record form;
        form.Form1099UniqueID = 4;
        form.ContractorUniqueID = 3;
        company.forms1099 = {form};
        DocumentFixture fixture(company);
        QVERIFY(fixture.ready);
        const CompanyData stored = fixture.Stored();
        const CompanyData inMemory = fixture.doc.Data();

        std::vector<std::pair<int, int>> told;
        const CommitProgress progress = [&](int done, int total) {
            told.emplace_back(done, total);
            return done != stopAt;
        };
        const ImportedPeople result =
            contractors ? fixture.doc.Editor().ImportContractors({Contractor("98-7654321", "Eve", "10.00"),
                                                                  Contractor("12-3456789", "Dee", "75.00"),
                                                                  Contractor("55-5555555", "Fay", "20.00")},
                                                                 progress)
                        : fixture.doc.Editor().ImportEmployees({Employee("222-22-2222", "Bo", "10.00"),
                                                                Employee("111-11-1111", "Ann", "900.00"),
                                                                Employee("333-33-3333", "Cy", "20.00")},
                                                               progress);

        // Told of every change written, in order, up to where it stopped.
        const int changes = 5;
        QCOMPARE(int(told.size()), stopAt == 0 ? changes : stopAt);
        for (size_t i = 0; i < told.size(); ++i)
            QCOMPARE(told[i], (std::pair{int(i) + 1, changes}));
        QVERIFY(fixture.prompt.asked.isEmpty());
        if (stopAt == 0) {
            QCOMPARE(result.outcome, SaveOutcome::Saved);
            QCOMPARE(result.added, 2);
            QVERIFY(SameStaff(fixture.Stored(), fixture.doc.Data()));
            return;
        }
        // Nothing of the import stays: not in the store, not in memory, not
        // in the queue; the company is as unmodified as before.
        QCOMPARE(result.outcome, SaveOutcome::Cancelled);
        QCOMPARE(result.added + result.updated + result.unchanged, 0);
        QVERIFY(SameStaff(fixture.Stored(), stored));
        QVERIFY(SameStaff(fixture.doc.Data(), inMemory));
        QVERIFY(fixture.doc.PendingChanges().empty());
        QCOMPARE(fixture.doc.Modified(), 0);

        // The same import again, not stopped, gives the ids it would have.
        const ImportedPeople again =
            contractors ? fixture.doc.Editor().ImportContractors({Contractor("98-7654321", "Eve", "10.00")})
                        : fixture.doc.Editor().ImportEmployees({Employee("222-22-2222", "Bo", "10.00")});
        QCOMPARE(again.outcome, SaveOutcome::Saved);
        QCOMPARE(contractors ? fixture.doc.Contractors().back().ContractorUniqueID
                             : fixture.doc.Employees().back().EmployeeUniqueID,
                 contractors ? 4 : 6);
        QVERIFY(SameStaff(fixture.Stored(), fixture.doc.Data()));
    }

    // Changes the store refused earlier stay queued, and the company
    // modified, when the user stops the writing of a later import.
    void stoppingKeepsWhatWasQueuedBefore()
    {
        DocumentFixture fixture(OneEmployee());
        QVERIFY(fixture.ready);
        QVERIFY(RunOnStore(fixture.path, kRefuseOne));
        QCOMPARE(fixture.doc.Editor().ImportEmployees({Employee("999-99-9999", "Refused", "20.00")}).outcome,
                 SaveOutcome::Kept);
        const ChangeQueue queued = fixture.doc.PendingChanges();
        QCOMPARE(queued.size(), size_t(2));
        const CompanyData inMemory = fixture.doc.Data();
        QVERIFY(RunOnStore(fixture.path, "DROP TRIGGER RefuseOne"));

        // Stopped once the earlier changes were written too: they are
        // rolled back with the import, and stay queued.
        const ImportedPeople result = fixture.doc.Editor().ImportEmployees({Employee("222-22-2222", "Bo", "10.00")},
                                                                           [](int done, int) { return done < 3; });
        QCOMPARE(result.outcome, SaveOutcome::Cancelled);
        QCOMPARE(fixture.doc.PendingChanges(), queued);
        QCOMPARE(fixture.doc.Modified(), 1);
        QVERIFY(SameStaff(fixture.doc.Data(), inMemory));
        QCOMPARE(fixture.Stored().employees.size(), size_t(1));

        // The next Save writes them, and nothing of the stopped import.
        QVERIFY(fixture.doc.CommitChanges().Succeeded());
        QVERIFY(SameStaff(fixture.Stored(), inMemory));
    }
};

FORMLARK_TEST_GUILESS_MAIN(PeopleImportTest)
#include "PeopleImportTest.moc"
