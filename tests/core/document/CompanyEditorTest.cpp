// The operations by which the screens change a company: ids of new records
// and forms, one form per owner, saves that write nothing when nothing
// changed, and every change of an action in the store afterwards.
#include "core/document/CompanyEditor.h"
#include "core/document/DocumentView.h"
#include "core/document/GlobalDoc.h"
#include "core/records/RecordChecks.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/RecordBuilders.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <utility>

namespace {

using Owners = QList<std::pair<int, int>>; // (form id, owner id)

template <class Form>
Owners FormOwners(const std::vector<Form>& forms, int Form::*id, int Form::*owner)
{
    Owners owners;
    for (const Form& f : forms)
        owners.append({f.*id, f.*owner});
    return owners;
}

Owners W2Owners(const W2List& forms)
{
    return FormOwners(forms, &W2Record::W2UniqueID, &W2Record::EmployeeUniqueID);
}

Owners Form1099Owners(const Form1099List& forms)
{
    return FormOwners(forms, &Form1099Record::Form1099UniqueID, &Form1099Record::ContractorUniqueID);
}

// A new employee or contractor; `number` makes its number unique.
EmployeeRecord NewEmployee(int number)
{
    return MakeEmployee(-1, QStringLiteral("999-00-%1").arg(number, 4, 10, QLatin1Char('0')), "New", "Hire");
}

ContractorRecord NewContractor(int number)
{
    return MakeContractor(-1, QStringLiteral("new %1").arg(number), "Ada", "Ruiz");
}

// A company with employees `employeeIds` and the W-2s `w2s`.
CompanyData EmployeeSeed(const QList<int>& employeeIds, const Owners& w2s)
{
    CompanyData data = MakeCompany("Harbor Tools");
    for (int id : employeeIds) {
        EmployeeRecord e = NewEmployee(id);
        e.EmployeeUniqueID = id;
        data.employees.push_back(e);
    }
    for (const auto& [w2Id, employeeId] : w2s)
        data.w2s.push_back(MakeW2(w2Id, employeeId));
    return data;
}

// A company with one contractor per 1099-MISC of `forms`.
CompanyData ContractorSeed(const Owners& forms)
{
    CompanyData data = MakeCompany("Harbor Tools");
    for (const auto& [formId, contractorId] : forms) {
        ContractorRecord c = NewContractor(contractorId);
        c.ContractorUniqueID = contractorId;
        data.contractors.push_back(c);
        data.forms1099.push_back(MakeForm1099(formId, contractorId));
    }
    return data;
}

bool AllWritten(DocumentFixture& fixture)
{
    return fixture.doc.Modified() == 0 && fixture.doc.PendingChanges().empty();
}

// Runs `sql` on the store file behind the document's back.
bool RunOnStore(const QString& path, const QByteArray& sql)
{
    CompanyStore store;
    return store.OpenExisting(path) == CompanyStore::kOk && store.Execute(sql, {}) == CompanyStore::kOk;
}

// A screen of the document that shows some kinds of record and counts the
// times it was handed the company.
class KindView : public DocumentView {
public:
    explicit KindView(std::initializer_list<RecordKind> kinds)
        : kinds_(kinds)
    {
    }
    void RefreshFromDocument(CGlobalDoc&) override { ++refreshed; }
    bool Shows(RecordKind kind) const override { return std::find(kinds_.begin(), kinds_.end(), kind) != kinds_.end(); }
    int refreshed = 0;

private:
    std::vector<RecordKind> kinds_;
};

} // namespace

class CompanyEditorTest : public QObject {
    Q_OBJECT

private slots:
    // Steps: a positive number adds a new employee (the number only makes
    // its social security number unique), a negative one deletes the
    // employee with that id.
    void w2FollowsItsEmployee_data()
    {
        QTest::addColumn<QList<int>>("employees");
        QTest::addColumn<Owners>("seeded");
        QTest::addColumn<QList<int>>("steps");
        QTest::addColumn<Owners>("expected");
        QTest::addColumn<int>("remembered");

        QTest::newRow("first W-2s of a company")
            << QList<int>{} << Owners{} << QList<int>{1, 2} << Owners{{1, 1}, {2, 2}} << 1;
        QTest::newRow("an emptied list hands out the remembered id")
            << QList<int>{} << Owners{} << QList<int>{1, 2, -2, -1, 3} << Owners{{2, 1}} << 2;
        QTest::newRow("new ids continue from the largest stored")
            << QList<int>{1} << Owners{{5, 1}} << QList<int>{2} << Owners{{5, 1}, {6, 2}} << 1;
        QTest::newRow("the remembered id only serves an empty list")
            << QList<int>{1, 2} << Owners{{5, 1}, {8, 2}} << QList<int>{-2, 3} << Owners{{5, 1}, {6, 2}} << 9;
        QTest::newRow("every W-2 of a deleted employee goes")
            << QList<int>{1, 2} << Owners{{1, 1}, {2, 1}, {3, 2}} << QList<int>{-1} << Owners{{3, 2}} << 4;
        QTest::newRow("an employee without a W-2")
            << QList<int>{1, 2} << Owners{{4, 2}} << QList<int>{-1} << Owners{{4, 2}} << 1;
    }

    void w2FollowsItsEmployee()
    {
        QFETCH(QList<int>, employees);
        QFETCH(Owners, seeded);
        QFETCH(QList<int>, steps);
        QFETCH(Owners, expected);
        QFETCH(int, remembered);
        DocumentFixture fixture(EmployeeSeed(employees, seeded));
        QVERIFY(fixture.ready);
        CompanyEditor& editor = fixture.doc.Editor();
        for (int step : steps) {
            if (step > 0)
                QCOMPARE(editor.AddEmployee(NewEmployee(step)).outcome, SaveOutcome::Saved);
            else
                QCOMPARE(editor.DeleteEmployee(-1, -step), SaveOutcome::Saved);
        }
        QCOMPARE(W2Owners(fixture.doc.W2Forms()), expected);
        QCOMPARE(W2Owners(fixture.Stored().w2s), expected);
        QCOMPARE(editor.RememberedNextW2Id(), remembered);
        QVERIFY(AllWritten(fixture));
    }

    void formFollowsItsContractor_data()
    {
        QTest::addColumn<Owners>("seeded");
        QTest::addColumn<QList<int>>("steps"); // > 0 add, < 0 delete contractor -n
        QTest::addColumn<Owners>("expected");
        QTest::newRow("first form of a company") << Owners{} << QList<int>{1} << Owners{{1, 1}};
        // The store hands its forms back in id order.
        QTest::newRow("largest id + 1") << Owners{{9, 2}, {4, 5}} << QList<int>{1} << Owners{{4, 5}, {9, 2}, {10, 6}};
        QTest::newRow("deleted with its contractor") << Owners{{9, 2}, {4, 5}} << QList<int>{-2} << Owners{{4, 5}};
        QTest::newRow("emptied list starts at 1 again") << Owners{{3, 1}} << QList<int>{-1, 1} << Owners{{1, 1}};
    }

    void formFollowsItsContractor()
    {
        QFETCH(Owners, seeded);
        QFETCH(QList<int>, steps);
        QFETCH(Owners, expected);
        DocumentFixture fixture(ContractorSeed(seeded));
        QVERIFY(fixture.ready);
        CompanyEditor& editor = fixture.doc.Editor();
        for (int step : steps) {
            if (step > 0)
                QVERIFY(editor.AddContractor(NewContractor(step)).Added());
            else
                QCOMPARE(editor.DeleteContractor(-1, -step), SaveOutcome::Saved);
        }
        QCOMPARE(Form1099Owners(fixture.doc.Forms1099()), expected);
        QCOMPARE(Form1099Owners(fixture.Stored().forms1099), expected);
        QVERIFY(AllWritten(fixture));
    }

    // The form screens hear of each owner that came or went, with the index
    // of its form.
    void signalsNameTheOwnerAndTheFormIndex()
    {
        DocumentFixture fixture(EmployeeSeed({1}, {{3, 1}}));
        CompanyEditor& editor = fixture.doc.Editor();
        QSignalSpy added(&editor, &CompanyEditor::employeeAdded);
        QSignalSpy deleted(&editor, &CompanyEditor::employeeDeleted);
        QVERIFY(editor.AddEmployee(NewEmployee(7)).Added());
        QCOMPARE(added.at(0), (QVariantList{2, 1}));
        QCOMPARE(editor.DeleteEmployee(0, 1), SaveOutcome::Saved);
        QCOMPARE(deleted.at(0), (QVariantList{1, 0}));
        QCOMPARE(editor.DeleteEmployee(0, 1), SaveOutcome::Unchanged); // gone already

        DocumentFixture contractors(ContractorSeed({{9, 2}, {4, 5}}));
        CompanyEditor& contractorEditor = contractors.doc.Editor();
        QSignalSpy formAdded(&contractorEditor, &CompanyEditor::contractorAdded);
        QSignalSpy formDeleted(&contractorEditor, &CompanyEditor::contractorDeleted);
        QVERIFY(contractorEditor.AddContractor(NewContractor(77)).Added());
        QCOMPARE(formAdded.at(0), (QVariantList{6, 2}));
        QCOMPARE(contractorEditor.DeleteContractor(1, 5), SaveOutcome::Saved);
        QCOMPARE(formDeleted.at(0), (QVariantList{5, 0})); // forms in id order: 4, 9
    }

    void refusedRecordsChangeNothing()
    {
        DocumentFixture fixture(EmployeeSeed({1}, {{1, 1}}));
        CompanyEditor& editor = fixture.doc.Editor();
        const AddedRecord refused = editor.AddEmployee(NewEmployee(1)); // the number of employee 1
        QCOMPARE(refused.refusal, QLatin1String(EmployeeMessages::kSsnAssigned));
        QCOMPARE(fixture.doc.Employees().size(), size_t(1));
        QCOMPARE(fixture.Stored().employees.size(), size_t(1));
        QCOMPARE(W2Owners(fixture.Stored().w2s), (Owners{{1, 1}}));

        ContractorRecord noState = NewContractor(2);
        noState.State = "  ";
        QCOMPARE(editor.AddContractor(noState).refusal, QLatin1String(ContractorMessages::kStateNotChosen));
        QVERIFY(fixture.doc.Contractors().empty());
        QVERIFY(AllWritten(fixture));
    }

    void savingAW2WritesOnlyAChange()
    {
        DocumentFixture fixture(EmployeeSeed({1, 2}, {{1, 1}, {2, 2}}));
        CompanyEditor& editor = fixture.doc.Editor();
        W2Record w2;
        w2.Wages = "100.00";
        QCOMPARE(editor.SaveW2(2, w2), SaveOutcome::Saved);
        QCOMPARE(fixture.Stored().w2s[1].Wages.Text(), QStringLiteral("100.00"));
        QCOMPARE(fixture.Stored().w2s[1].W2UniqueID, 2); // the stored ids stay
        QCOMPARE(fixture.Stored().w2s[0].Wages.Text(), QString());

        // The first state line is the company's: a difference there alone
        // is no change.
        w2.State1 = "OR";
        QCOMPARE(editor.SaveW2(2, w2), SaveOutcome::Unchanged);
        QCOMPARE(editor.SaveW2(9, w2), SaveOutcome::Unchanged); // no such employee
        QVERIFY(AllWritten(fixture));
    }

    // A damaged store may hold an owner without its form: saving gives it
    // one instead of writing nowhere.
    void savingTheFormOfAnOwnerWithoutOneCreatesIt()
    {
        DocumentFixture fixture(EmployeeSeed({1, 2}, {{5, 1}}));
        W2Record w2;
        w2.FederalIncomeTaxWithdrawal = "12.50";
        QCOMPARE(fixture.doc.Editor().SaveW2(2, w2), SaveOutcome::Saved);
        QCOMPARE(W2Owners(fixture.Stored().w2s), (Owners{{5, 1}, {6, 2}}));
        QCOMPARE(fixture.Stored().w2s[1].FederalIncomeTaxWithdrawal.Text(), QStringLiteral("12.50"));

        CompanyData seed = ContractorSeed({{3, 4}});
        seed.forms1099.clear();
        DocumentFixture contractors(seed);
        Form1099Record form;
        QCOMPARE(contractors.doc.Editor().Save1099(4, form), SaveOutcome::Unchanged); // nothing typed
        form.NonemployeeCompensation = "800.00";
        QCOMPARE(contractors.doc.Editor().Save1099(4, form), SaveOutcome::Saved);
        QCOMPARE(Form1099Owners(contractors.Stored().forms1099), (Owners{{1, 4}}));
        QCOMPARE(contractors.Stored().forms1099[0].NonemployeeCompensation.Text(), QStringLiteral("800.00"));
    }

    void updatingTheCompanyKeepsItsIdAndRenamesIt()
    {
        DocumentFixture fixture(EmployeeSeed({}, {}));
        CompanyRecord record = fixture.doc.Company();
        record.EmployerName = "Harbor Tools West";
        record.CompanyUniqueID = 42;
        QCOMPARE(fixture.doc.Editor().UpdateCompany(record), SaveOutcome::Saved);
        QCOMPARE(fixture.doc.CurrentCompanyName(), QStringLiteral("Harbor Tools West"));
        QCOMPARE(fixture.Stored().company.EmployerName.Text(), QStringLiteral("Harbor Tools West"));
        QCOMPARE(fixture.Stored().company.CompanyUniqueID, 1);
        QVERIFY(AllWritten(fixture));
    }

    // One action is one transaction: when the second statement of an add
    // or a delete fails, the first is undone as well, and both stay queued
    // until a Save writes them together. An update or delete that finds no
    // row is such a failure.
    void anActionIsWrittenWholeOrNotAtAll_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QByteArray>("interference"); // makes the second statement fail
        QTest::addColumn<QByteArray>("repair");
        QTest::addColumn<int>("ownersAfter");
        QTest::addColumn<int>("pending"); // the action's changes
        QTest::newRow("add employee: the new W-2's id is taken")
            << "add employee" << QByteArray("INSERT INTO W2 (W2UniqueID, EmployeeUniqueID) VALUES (2, 99)")
            << QByteArray("DELETE FROM W2 WHERE W2UniqueID = 2") << 2 << 2;
        QTest::newRow("delete employee: the W-2 is gone from the store")
            << "delete employee" << QByteArray("DELETE FROM W2 WHERE W2UniqueID = 1")
            << QByteArray("INSERT INTO W2 (W2UniqueID, EmployeeUniqueID) VALUES (1, 1)") << 0 << 2;
        QTest::newRow("add contractor: the new form's id is taken")
            << "add contractor"
            << QByteArray("INSERT INTO Form1099 (Form1099UniqueID, ContractorUniqueID) VALUES (2, 99)")
            << QByteArray("DELETE FROM Form1099 WHERE Form1099UniqueID = 2") << 2 << 2;
        QTest::newRow("delete contractor: the form is gone from the store")
            << "delete contractor" << QByteArray("DELETE FROM Form1099 WHERE Form1099UniqueID = 1")
            << QByteArray("INSERT INTO Form1099 (Form1099UniqueID, ContractorUniqueID) VALUES (1, 1)") << 0 << 2;
        // Another program deleted the employee: the change found no row.
        QTest::newRow("change employee: the row is gone")
            << "change employee" << QByteArray("DELETE FROM Employees WHERE EmployeeUniqueID = 1")
            << QByteArray("INSERT INTO Employees (EmployeeUniqueID) VALUES (1)") << 1 << 1;
    }

    void anActionIsWrittenWholeOrNotAtAll()
    {
        QFETCH(QString, action);
        QFETCH(QByteArray, interference);
        QFETCH(QByteArray, repair);
        QFETCH(int, ownersAfter);
        QFETCH(int, pending);
        CompanyData seed = EmployeeSeed({1}, {{1, 1}});
        const CompanyData contractors = ContractorSeed({{1, 1}});
        seed.contractors = contractors.contractors;
        seed.forms1099 = contractors.forms1099;
        DocumentFixture fixture(seed);
        QVERIFY(fixture.ready);
        QVERIFY(RunOnStore(fixture.path, interference));
        const bool employees = action.endsWith("employee");
        auto owners = [&] {
            const CompanyData stored = fixture.Stored();
            return int(employees ? stored.employees.size() : stored.contractors.size());
        };
        const int ownersBefore = owners();

        CompanyEditor& editor = fixture.doc.Editor();
        SaveOutcome outcome = SaveOutcome::Unchanged;
        if (action == "add employee")
            outcome = editor.AddEmployee(NewEmployee(2)).outcome;
        else if (action == "delete employee")
            outcome = editor.DeleteEmployee(0, 1);
        else if (action == "change employee")
            outcome = editor.ModifyEmployee(0, 1, NewEmployee(7));
        else if (action == "add contractor")
            outcome = editor.AddContractor(NewContractor(2)).outcome;
        else
            outcome = editor.DeleteContractor(0, 1);
        QCOMPARE(outcome, SaveOutcome::Kept);
        QCOMPARE(owners(), ownersBefore); // nothing of the action reached the store
        QCOMPARE(int(fixture.doc.PendingChanges().size()), pending);
        QCOMPARE(fixture.doc.Modified(), 1);
        QCOMPARE(fixture.prompt.asked.size(), 1); // told once
        QVERIFY(fixture.prompt.asked[0].contains("none of them was written"));

        QVERIFY(RunOnStore(fixture.path, repair));
        QVERIFY(fixture.doc.CommitChanges().Succeeded());
        QCOMPARE(owners(), ownersAfter);
        QVERIFY(AllWritten(fixture));
        const CompanyData stored = fixture.Stored();
        QVERIFY(CheckFormOwners(stored).AllMatch());
    }

    void aRefusedWriteIsKeptForSave()
    {
        DocumentFixture fixture(EmployeeSeed({1}, {{1, 1}}));
        QVERIFY(QFile::remove(fixture.path)); // the store went away under the program
        W2Record w2;
        w2.Wages = "5.00";
        QCOMPARE(fixture.doc.Editor().SaveW2(1, w2), SaveOutcome::Kept);
        QCOMPARE(fixture.doc.Modified(), 1);
        QCOMPARE(fixture.doc.PendingChanges().size(), size_t(1));
        QCOMPARE(fixture.doc.W2Forms()[0].Wages.Text(), QStringLiteral("5.00"));
        QCOMPARE(fixture.prompt.asked.size(), 1);
    }
    // Each action says what it changed, once it is done; the screens
    // showing a kind of record changed are refreshed, the others are not,
    // and a switch of company refreshes them all.
    void screensShowingWhatChangedAreRefreshed_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<ChangeQueue>("said");
        QTest::addColumn<QList<int>>("refreshed"); // company, employees, W-2, 1099-MISC screens
        using K = RecordKind;
        using O = ChangeOperation;
        QTest::newRow("W-2 saved") << 0 << ChangeQueue{{K::W2, O::Update, 0, 7}} << QList<int>{0, 0, 1, 0};
        QTest::newRow("employee added") << 1 << ChangeQueue{{K::Employee, O::Insert, 1, 2}, {K::W2, O::Insert, 1, 8}}
                                        << QList<int>{0, 1, 1, 0};
        QTest::newRow("company changed") << 2 << ChangeQueue{{K::Company, O::Update, -1, -1}} << QList<int>{1, 0, 1, 1};
        QTest::newRow("nothing changed") << 3 << ChangeQueue{} << QList<int>{0, 0, 0, 0};
    }

    void screensShowingWhatChangedAreRefreshed()
    {
        QFETCH(int, action);
        QFETCH(ChangeQueue, said);
        QFETCH(QList<int>, refreshed);
        DocumentFixture fixture(EmployeeSeed({1}, {{7, 1}}));
        QVERIFY(fixture.ready);
        KindView company{RecordKind::Company};
        KindView employees{RecordKind::Employee};
        KindView w2{RecordKind::Employee, RecordKind::W2, RecordKind::Company};
        KindView form1099{RecordKind::Contractor, RecordKind::Form1099, RecordKind::Company};
        const std::pair<Screen, KindView*> views[] = {{Screen::CompanySetup, &company},
                                                      {Screen::Employees, &employees},
                                                      {Screen::W2, &w2},
                                                      {Screen::Form1099, &form1099}};
        for (const auto& [screen, view] : views)
            fixture.doc.SetView(screen, view);
        QSignalSpy changed(&fixture.doc.Editor(), &CompanyEditor::recordsChanged);

        CompanyEditor& editor = fixture.doc.Editor();
        W2Record form = fixture.doc.W2Forms().front();
        CompanyRecord record = fixture.doc.Company();
        switch (action) {
        case 0:
            form.Wages = QStringLiteral("5.00");
            editor.SaveW2(1, form);
            break;
        case 1:
            QVERIFY(editor.AddEmployee(NewEmployee(2)).Added());
            break;
        case 2:
            record.City = QStringLiteral("Astoria");
            editor.UpdateCompany(record);
            break;
        case 3:
            editor.SaveW2(1, form);
            break;
        }
        QCOMPARE(changed.size(), said.empty() ? 0 : 1);
        if (!said.empty())
            QCOMPARE(changed.front().front().value<ChangeQueue>(), said);
        // Nothing is redrawn until the screen that acted asks for it.
        for (const auto& [screen, view] : views)
            QCOMPARE(view->refreshed, 0);

        fixture.doc.RefreshChangedViews();
        QList<int> counts;
        for (const auto& [screen, view] : views)
            counts << std::exchange(view->refreshed, 0);
        QCOMPARE(counts, refreshed);
        // What was shown is not shown again.
        fixture.doc.RefreshChangedViews();
        for (const auto& [screen, view] : views)
            QCOMPARE(view->refreshed, 0);

        // Changes of a company left never reach the next one's screens;
        // its opening refreshes them all.
        editor.SaveW2(1, [&] {
            W2Record other = form;
            other.Wages = QStringLiteral("6.00");
            return other;
        }());
        fixture.doc.ClearCompanyData();
        fixture.doc.RefreshChangedViews();
        for (const auto& [screen, view] : views)
            QCOMPARE(view->refreshed, 0);
        fixture.doc.RefreshViews();
        for (const auto& [screen, view] : views)
            QCOMPARE(view->refreshed, 1);
    }
};

FORMLARK_TEST_GUILESS_MAIN(CompanyEditorTest)
#include "CompanyEditorTest.moc"
