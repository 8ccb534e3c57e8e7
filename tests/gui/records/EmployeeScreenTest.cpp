// The employee screen and the "Employee" dialog driven through their
// widgets, checked against the document and against what the store file
// holds afterwards: ids, checks and their messages, changes, deletion with
// the employee's W-2, and the list's order.
#include "gui/controls/ColorButton.h"
#include "gui/records/CompanyView.h"
#include "gui/records/EmployeeDialog.h"
#include "core/records/RecordChecks.h"
#include "gui/records/EmployeeView.h"
#include "gui/entry/RuleEdit.h"
#include "core/store/CompanyStore.h"
#include "core/records/ScreenQuestions.h"
#include "gui/records/StateComboBox.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/RecordBuilders.h"
#include "tests/support/RefreshCounter.h"
#include "tests/support/WidgetDriving.h"

#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

namespace {

EmployeeRecord Employee(int id, const char* ssn, const char* first, const char* last)
{
    EmployeeRecord e = MakeEmployee(id, ssn, first, last);
    e.City = "Salem";
    e.State = "OR";
    return e;
}

W2Record W2(int id, int employeeId)
{
    W2Record w = MakeW2(id, employeeId);
    w.Wages = "100.00";
    return w;
}

CompanyData Company(const EmployeeList& employees = {}, const W2List& w2s = {})
{
    CompanyData data = MakeCompany("Harbor Tools", employees, w2s);
    data.company.City = "Portland";
    return data;
}

struct EmployeeScreen {
    explicit EmployeeScreen(DocumentFixture& fixture)
        : view(fixture.doc)
    {
        fixture.doc.SetView(Screen::Employees, &view);
        fixture.doc.SetView(Screen::W3, &refreshes);
        fixture.doc.RefreshViews();
        refreshes.count = 0;
        view.resize(1000, 650);
        view.show();
    }

    QTreeWidget* List() const { return view.List(); }

    QStringList Column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < List()->topLevelItemCount(); ++row)
            texts << List()->topLevelItem(row)->text(column);
        return texts;
    }

    int RowOf(const QString& firstName) const { return int(Column(0).indexOf(firstName)); }

    void ClickRow(int row, bool twice = false) const
    {
        const QRect rect = List()->visualItemRect(List()->topLevelItem(row));
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, rect.center());
        if (twice) // the widget test's double click is the second click only
            QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void ClickHeading(int column) const
    {
        QHeaderView* header = List()->header();
        const QPoint at(header->sectionViewportPosition(column) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }

    CEmployeeView view;
    RefreshCounter refreshes;
};

QLineEdit* Box(const QWidget& dialog, const char* name)
{
    return Child<QLineEdit>(&dialog, name);
}

// Fills the boxes of an open "Employee" dialog and presses OK.
void FillAndConfirm(QDialog& dialog, const QString& ssn, const QString& first, const QString& last)
{
    Type(Box(dialog, "SocialSecurityNumber"), ssn);
    Type(Box(dialog, "FirstName"), first);
    Type(Box(dialog, "LastName"), last);
    Click(Child<QPushButton>(&dialog, "OK"));
}

// "New Employee" with the boxes filled as given; returns whether the
// dialog closed with OK.
bool AddThroughScreen(EmployeeScreen& screen, const QString& ssn, const QString& first, const QString& last)
{
    auto script = OnNextModal([&](QDialog& dialog) { FillAndConfirm(dialog, ssn, first, last); });
    const int rowsBefore = screen.List()->topLevelItemCount();
    Click(screen.view.NewButton());
    return script->shown && !script->leftOpen && screen.List()->topLevelItemCount() == rowsBefore + 1;
}

QList<std::pair<int, int>> W2Owners(const W2List& forms)
{
    QList<std::pair<int, int>> owners; // (W-2 id, employee id)
    for (const W2Record& w : forms)
        owners.append({w.W2UniqueID, w.EmployeeUniqueID});
    return owners;
}

} // namespace

class EmployeeScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void screenShowsEmployeesInFirstNameOrder()
    {
        DocumentFixture fixture(
            Company({Employee(4, "444-44-4444", "Zoe", "Adams"), Employee(9, "999-99-9999", "Bob", "Young")}));
        EmployeeScreen screen(fixture);
        QCOMPARE(screen.List()->columnCount(), 4);
        const QStringList headings = {"First Name", "Middle Name", "Last Name", "Social Security Number"};
        const QList<int> widths = {194, 100, 194, 160};
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(screen.List()->headerItem()->text(column), headings[column]);
            // As given, or wider where the heading needs it.
            QVERIFY(screen.List()->columnWidth(column) >= widths[column]);
            QVERIFY(screen.List()->columnWidth(column) >= screen.List()->header()->sectionSizeHint(column));
        }
        QCOMPARE(screen.Column(0), QStringList({"Bob", "Zoe"}));
        QCOMPARE(screen.Column(3), QStringList({"999-99-9999", "444-44-4444"}));
        QCOMPARE(screen.view.NewButton()->text(), QStringLiteral("New Employee"));
        QCOMPARE(screen.view.ModifyButton()->text(), QStringLiteral("Modify Employee"));
        QCOMPARE(screen.view.DeleteButton()->text(), QStringLiteral("Delete Employee"));
        // The list fills the screen below the buttons.
        const int top = screen.view.NewButton()->height() * 3 / 2;
        QCOMPARE(screen.List()->geometry(), QRect(0, top, 995, 650 - top - 5));
        screen.view.resize(800, 500);
        QCOMPARE(screen.List()->geometry(), QRect(0, top, 795, 500 - top - 5));
    }

    // Ids: 1 for the first employee, then 1 + the largest; the W-2 comes
    // with its employee and goes with it.
    void employeesAndTheirW2sComeAndGoTogether()
    {
        DocumentFixture fixture(Company());
        EmployeeScreen screen(fixture);
        QVERIFY(AddThroughScreen(screen, "111111111", "Zoe", "Adams"));
        QVERIFY(AddThroughScreen(screen, "222222222", "Bob", "Young"));
        QVERIFY(AddThroughScreen(screen, "333333333", "Mia", "Clark"));
        QCOMPARE(screen.Column(0), QStringList({"Bob", "Mia", "Zoe"}));

        CompanyData stored = fixture.Stored();
        QCOMPARE(stored.employees.size(), size_t(3));
        QCOMPARE(stored.employees[0].EmployeeUniqueID, 1);
        QCOMPARE(stored.employees[0].SocialSecurityNumber.Text(), QStringLiteral("111-11-1111"));
        QCOMPARE(stored.employees[2].EmployeeUniqueID, 3);
        const QList<std::pair<int, int>> three = {{1, 1}, {2, 2}, {3, 3}};
        QCOMPARE(W2Owners(stored.w2s), three);
        QCOMPARE(stored.w2s[0].Wages.Text(), QString()); // a new W-2 is empty
        QCOMPARE(fixture.doc.Modified(), 0);

        // Deleting the employee with the largest id frees that id.
        screen.ClickRow(screen.RowOf("Mia"));
        fixture.prompt.Then(PromptAnswer::Yes);
        Click(screen.view.DeleteButton());
        QCOMPARE(fixture.prompt.asked.last(), QString(ScreenQuestions::kDeleteRecord));
        QCOMPARE(screen.Column(0), QStringList({"Bob", "Zoe"}));
        stored = fixture.Stored();
        QCOMPARE(stored.employees.size(), size_t(2));
        const QList<std::pair<int, int>> two = {{1, 1}, {2, 2}};
        QCOMPARE(W2Owners(stored.w2s), two);
        QCOMPARE(W2Owners(fixture.doc.W2Forms()), two);

        QVERIFY(AddThroughScreen(screen, "444444444", "Ann", "Lee"));
        stored = fixture.Stored();
        QCOMPARE(stored.employees.back().EmployeeUniqueID, 3);
        QCOMPARE(stored.employees.back().FirstName.Text(), QStringLiteral("Ann"));
        QCOMPARE(W2Owners(stored.w2s).last(), std::make_pair(3, 3));
    }

    void newEmployeeChecks_data()
    {
        QTest::addColumn<QString>("ssn");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("message"); // empty: taken

        QTest::newRow("nothing filled") << ""
                                        << ""
                                        << "" << EmployeeMessages::kSsnEmpty;
        QTest::newRow("number only") << "555123456"
                                     << ""
                                     << "" << EmployeeMessages::kFirstNameEmpty;
        QTest::newRow("no last name") << "555123456"
                                      << "Ann"
                                      << "" << EmployeeMessages::kLastNameEmpty;
        QTest::newRow("names missing, number taken") << "987654321"
                                                     << ""
                                                     << "" << EmployeeMessages::kSsnAssigned;
        QTest::newRow("number taken") << "987654321"
                                      << "Ann"
                                      << "Lee" << EmployeeMessages::kSsnAssigned;
        // The stored 123456789 has no dashes: the box's 123-45-6789 is
        // another text.
        QTest::newRow("same digits, other text") << "123456789"
                                                 << "Ann"
                                                 << "Lee" << QString();
        QTest::newRow("all filled") << "555123456"
                                    << "Ann"
                                    << "Lee" << QString();
    }

    void newEmployeeChecks()
    {
        QFETCH(QString, ssn);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, message);
        DocumentFixture fixture(
            Company({Employee(1, "123456789", "Old", "Record"), Employee(2, "987-65-4321", "Other", "Record")},
                    {W2(1, 1), W2(2, 2)}));
        EmployeeScreen screen(fixture);
        // Typing on the company screen is never dropped by a refresh
        // without a word: the refresh of a refused record asks first, and
        // No drops it; a new employee leaves the company screen as it is.
        CCompanyView company(fixture.doc);
        fixture.doc.SetView(Screen::CompanySetup, &company);
        fixture.doc.RefreshViews();
        Type(Child<QLineEdit>(&company, "City"), "ia");
        if (!message.isEmpty())
            fixture.prompt.Then(PromptAnswer::Ok).Then(PromptAnswer::No);

        CEmployeeDialog dialog(fixture.doc, -1, -1, &screen.view);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Employee"));
        FillAndConfirm(dialog, ssn, first, last);

        QCOMPARE(Child<QLineEdit>(&company, "City")->text(),
                 message.isEmpty() ? QStringLiteral("Portlandia") : QStringLiteral("Portland"));
        QVERIFY(screen.refreshes.count > 0);
        const CompanyData stored = fixture.Stored();
        const QString question = CCompanyView::kSaveBeforeReplacing;
        if (!message.isEmpty()) {
            QCOMPARE(fixture.prompt.asked, (QStringList{message, question}));
            QCOMPARE(fixture.prompt.buttons, (QList<PromptButtons>{PromptButtons::Ok, PromptButtons::YesNo}));
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(stored.employees.size(), size_t(2));
            QCOMPARE(stored.w2s.size(), size_t(2));
            QCOMPARE(fixture.doc.Employees().size(), size_t(2));
            return;
        }
        QVERIFY(fixture.prompt.asked.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(stored.employees.size(), size_t(3));
        QCOMPARE(stored.employees.back().EmployeeUniqueID, 3);
        QCOMPARE(W2Owners(stored.w2s).last(), std::make_pair(3, 3));
    }

    void dialogBoxesFollowTheirRules()
    {
        DocumentFixture fixture(Company());
        CEmployeeDialog dialog(fixture.doc, -1, -1);
        Type(Box(dialog, "FirstName"), "d'Ar/cy");
        QCOMPARE(Box(dialog, "FirstName")->text(), QStringLiteral("dAr/cy"));
        Type(Box(dialog, "MiddleName"), "JKL");
        QCOMPARE(Box(dialog, "MiddleName")->text(), QStringLiteral("JK"));
        Type(Box(dialog, "LastName"), QString(25, u'w'));
        QCOMPARE(Box(dialog, "LastName")->text(), QString(20, u'w'));
        Type(Box(dialog, "Zip"), "972011234");
        QCOMPARE(Box(dialog, "Zip")->text(), QStringLiteral("97201-1234"));
        auto* state = Child<CStateComboBox>(&dialog, "State");
        QCOMPARE(state->count(), 61);
        QCOMPARE(state->currentText(), QStringLiteral("  "));
    }

    // A change is written unchecked: another employee's number and an
    // empty last name are taken.
    void modifyWritesTheChangeUnchecked()
    {
        DocumentFixture fixture(
            Company({Employee(1, "111-11-1111", "Alice", "Brennan"), Employee(2, "222-22-2222", "Bob", "Young")},
                    {W2(1, 1), W2(2, 2)}));
        EmployeeScreen screen(fixture);
        QString caption;
        auto script = OnNextModal([&](QDialog& dialog) {
            caption = dialog.windowTitle();
            QCOMPARE(Box(dialog, "LastName")->text(), QStringLiteral("Brennan"));
            QCOMPARE(Child<CStateComboBox>(&dialog, "State")->currentText(), QStringLiteral("OR"));
            Erase(Box(dialog, "SocialSecurityNumber"));
            Type(Box(dialog, "SocialSecurityNumber"), "222222222");
            Erase(Box(dialog, "LastName"));
            Click(Child<QPushButton>(&dialog, "OK"));
        });
        screen.ClickRow(screen.RowOf("Alice"), true);
        QVERIFY(script->shown);
        QVERIFY(!script->leftOpen);
        QCOMPARE(caption, QStringLiteral("Employee:   Alice"));
        QVERIFY(fixture.prompt.asked.isEmpty());

        const CompanyData stored = fixture.Stored();
        QCOMPARE(stored.employees[0].EmployeeUniqueID, 1);
        QCOMPARE(stored.employees[0].SocialSecurityNumber.Text(), QStringLiteral("222-22-2222"));
        QCOMPARE(stored.employees[0].LastName.Text(), QString());
        QCOMPARE(stored.employees[0].City.Text(), QStringLiteral("Salem"));
        QCOMPARE(stored.w2s.size(), size_t(2));
        QCOMPARE(fixture.doc.Modified(), 0);
        QCOMPARE(screen.Column(2), QStringList({"", "Young"}));
    }

    void modifyWithoutChangesWritesNothing()
    {
        DocumentFixture fixture(Company({Employee(1, "111-11-1111", "Alice", "Brennan")}, {W2(1, 1)}));
        EmployeeScreen screen(fixture);
        QSignalSpy modified(&fixture.doc, &CGlobalDoc::modifiedChanged);
        auto script = OnNextModal([](QDialog& dialog) { Click(Child<QPushButton>(&dialog, "OK")); });
        screen.ClickRow(0);
        Click(screen.view.ModifyButton());
        QVERIFY(script->shown && !script->leftOpen);
        QCOMPARE(modified.count(), 0);
        QCOMPARE(screen.refreshes.count, 0);
        QVERIFY(fixture.doc.PendingChanges().empty());
    }

    void modifyWithoutSelectionOpensNothing()
    {
        DocumentFixture fixture(Company({Employee(1, "111-11-1111", "Alice", "Brennan")}, {W2(1, 1)}));
        EmployeeScreen screen(fixture);
        auto script = OnNextModal([](QDialog&) {});
        Click(screen.view.ModifyButton());
        QCoreApplication::processEvents();
        QVERIFY(!script->shown);
    }

    void deleteEmployee_data()
    {
        QTest::addColumn<bool>("select");
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<int>("employeesLeft");
        QTest::newRow("confirmed") << true << PromptAnswer::Yes << 1;
        QTest::newRow("refused") << true << PromptAnswer::No << 2;
        QTest::newRow("nothing selected") << false << PromptAnswer::Yes << 2;
    }

    void deleteEmployee()
    {
        QFETCH(bool, select);
        QFETCH(PromptAnswer, answer);
        QFETCH(int, employeesLeft);
        DocumentFixture fixture(
            Company({Employee(1, "111-11-1111", "Alice", "Brennan"), Employee(2, "222-22-2222", "Bob", "Young")},
                    {W2(7, 2), W2(3, 1)}));
        EmployeeScreen screen(fixture);
        if (select)
            screen.ClickRow(screen.RowOf("Bob"));
        fixture.prompt.Then(answer);
        Click(screen.view.DeleteButton());
        // The question comes first, even with nothing selected.
        QCOMPARE(fixture.prompt.asked, QStringList{ScreenQuestions::kDeleteRecord});

        const CompanyData stored = fixture.Stored();
        QCOMPARE(int(stored.employees.size()), employeesLeft);
        QCOMPARE(int(stored.w2s.size()), employeesLeft);
        QCOMPARE(screen.List()->topLevelItemCount(), employeesLeft);
        if (employeesLeft == 1) {
            QCOMPARE(stored.employees[0].FirstName.Text(), QStringLiteral("Alice"));
            QCOMPARE(W2Owners(stored.w2s), (QList<std::pair<int, int>>{{3, 1}}));
            QCOMPARE(fixture.doc.Editor().RememberedNextW2Id(), 8);
        }
    }

    // A New Employee the store refuses is told once, with nothing of it
    // written; the employee stays on the screen and in the queue for Save.
    void aFailedNewEmployeeIsToldOnce()
    {
        DocumentFixture fixture(Company({Employee(1, "111-11-1111", "Alice", "Brennan")}, {W2(1, 1)}));
        EmployeeScreen screen(fixture);
        {
            // The new W-2's id is taken behind the program's back.
            CompanyStore store;
            QCOMPARE(store.OpenExisting(fixture.path), 0);
            QCOMPARE(store.Execute("INSERT INTO W2 (W2UniqueID, EmployeeUniqueID) VALUES (2, 99)", {}), 0);
        }
        QVERIFY(AddThroughScreen(screen, "222222222", "Bob", "Young"));
        QCOMPARE(fixture.prompt.asked.size(), 1);
        QVERIFY(fixture.prompt.asked[0].contains("new employee, new W-2"));
        QCOMPARE(fixture.Stored().employees.size(), size_t(1));
        QCOMPARE(fixture.doc.PendingChanges().size(), size_t(2));
    }

    void headingClicksSortTheRows()
    {
        DocumentFixture fixture(Company({Employee(1, "333", "maria", "Brennan"), Employee(2, "111", "Alice", "Young"),
                                         Employee(3, "222", "David", "Chen")},
                                        {W2(1, 1), W2(2, 2), W2(3, 3)}));
        EmployeeScreen screen(fixture);
        QCOMPARE(screen.Column(0), QStringList({"Alice", "David", "maria"}));

        screen.ClickHeading(2); // first click on "Last Name": descending
        QCOMPARE(screen.Column(2), QStringList({"Young", "Chen", "Brennan"}));
        // The W-2 screen steps through the rows as shown.
        const RecordListOrder& order = screen.view.ListOrder();
        QCOMPARE(order.RecordIndexAt(0), 1);
        QCOMPARE(order.NextRecordIndex(1), 2);
        QCOMPARE(order.RowOfRecord(0), 2);
        screen.ClickHeading(2);
        QCOMPARE(screen.Column(2), QStringList({"Brennan", "Chen", "Young"}));
        screen.ClickHeading(3);
        QCOMPARE(screen.Column(3), QStringList({"111", "222", "333"}));
        screen.ClickHeading(0);
        QCOMPARE(screen.Column(0), QStringList({"Alice", "David", "maria"}));
        screen.ClickHeading(0);
        QCOMPARE(screen.Column(0), QStringList({"maria", "David", "Alice"}));

        // The selection stays on its employee through a sort.
        screen.ClickRow(screen.RowOf("David"));
        screen.ClickHeading(3);
        QCOMPARE(screen.view.SelectedRecord(), std::make_optional(std::make_pair(2, 3)));

        // A new employee: first-name order again.
        QVERIFY(AddThroughScreen(screen, "444444444", "Bea", "Adams"));
        QCOMPARE(screen.Column(0), QStringList({"Alice", "Bea", "David", "maria"}));

        // After a change the remembered sort is "Last Name" ascending again.
        screen.ClickHeading(2); // number column was last: ascending
        QCOMPARE(screen.Column(2), QStringList({"Adams", "Brennan", "Chen", "Young"}));
        screen.ClickRow(0);
        auto script = OnNextModal([](QDialog& dialog) {
            Type(Box(dialog, "Address1"), "1 Main St");
            Click(Child<QPushButton>(&dialog, "OK"));
        });
        Click(screen.view.ModifyButton());
        QVERIFY(script->shown && !script->leftOpen);
        QCOMPARE(screen.Column(0), QStringList({"Alice", "Bea", "David", "maria"}));
        screen.ClickHeading(2);
        QCOMPARE(screen.Column(2), QStringList({"Young", "Chen", "Brennan", "Adams"}));
    }
};

FORMLARK_TEST_MAIN(EmployeeScreenTest)
#include "EmployeeScreenTest.moc"
