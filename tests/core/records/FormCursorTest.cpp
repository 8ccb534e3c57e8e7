// Which employee (or contractor) a form screen shows: the first of the
// list's display order at first, Next and Previous in that order, the
// selection, and the choice after owners are added and deleted.
#include "core/records/FormCursor.h"
#include "tests/support/RecordBuilders.h"

#include <QLocale>
#include <QtTest>

namespace {

// Employees by index 0..3 with W-2s in another order; first-name order
// shows indexes 2, 0, 3, 1.
struct Company {
    EmployeeList employees = {MakeEmployee(10, "1", "Dora", "Ames"), MakeEmployee(11, "2", "Zack", "Beal"),
                              MakeEmployee(12, "3", "Anna", "Cole"), MakeEmployee(13, "4", "Hugo", "Dunn")};
    W2List w2s = {MakeW2(1, 13), MakeW2(2, 12), MakeW2(3, 11), MakeW2(4, 10)};
    OwnerFormLists<EmployeeRecord, W2Record> lists{employees, &EmployeeRecord::EmployeeUniqueID, w2s,
                                                   &W2Record::EmployeeUniqueID};
    RecordListOrder order;

    Company() { order.Refresh(employees); }

    // Deletes the employee of `id` with its W-2, as the document does;
    // the order keeps showing the rows of before, as the list screen's
    // does until it refreshes.
    void Delete(int id)
    {
        std::erase_if(employees, [id](const EmployeeRecord& e) { return e.EmployeeUniqueID == id; });
        std::erase_if(w2s, [id](const W2Record& w) { return w.EmployeeUniqueID == id; });
    }
};

QString Shown(const Company& c, const FormCursor& cursor)
{
    if (cursor.OwnerIndex() < 0 || cursor.OwnerIndex() >= int(c.employees.size()))
        return QStringLiteral("?");
    return c.employees[size_t(cursor.OwnerIndex())].FirstName.Text();
}

} // namespace

class FormCursorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void firstShowTakesTheFirstOfTheDisplayOrder()
    {
        Company c;
        FormCursor cursor;
        QVERIFY(cursor.FirstShow());
        QVERIFY(cursor.Settle(c.order, c.lists));
        QVERIFY(!cursor.FirstShow());
        QCOMPARE(Shown(c, cursor), QStringLiteral("Anna"));
        QCOMPARE(cursor.OwnerId(), 12);
        QCOMPARE(cursor.FormIndex(), 1); // the W-2 found by the employee's id

        // No employees: nothing to show, no form.
        EmployeeList none;
        W2List noForms;
        OwnerFormLists<EmployeeRecord, W2Record> empty(none, &EmployeeRecord::EmployeeUniqueID, noForms,
                                                       &W2Record::EmployeeUniqueID);
        FormCursor emptyCursor;
        QVERIFY(!emptyCursor.Settle(RecordListOrder(), empty));
        QCOMPARE(emptyCursor.FormIndex(), -1);
    }

    void nextAndPreviousFollowTheDisplayOrder()
    {
        Company c;
        FormCursor cursor;
        cursor.Settle(c.order, c.lists);
        QStringList seen{Shown(c, cursor)};
        while (cursor.StepNext(c.order, c.lists) == FormCursor::Step::Moved)
            seen << Shown(c, cursor);
        QCOMPARE(seen, QStringList({"Anna", "Dora", "Hugo", "Zack"}));
        QCOMPARE(cursor.StepNext(c.order, c.lists), FormCursor::Step::None);
        QCOMPARE(Shown(c, cursor), QStringLiteral("Zack")); // the end keeps the owner
        QCOMPARE(cursor.FormIndex(), 2);

        // A sorted list is stepped as sorted.
        c.order.SortByColumn(RecordListOrder::kLastName); // descending: Dunn, Cole, Beal, Ames
        QCOMPARE(cursor.StepNext(c.order, c.lists), FormCursor::Step::Moved);
        QCOMPARE(Shown(c, cursor), QStringLiteral("Dora"));
        QCOMPARE(cursor.StepNext(c.order, c.lists), FormCursor::Step::None);
        QCOMPARE(cursor.StepPrevious(c.order, c.lists), FormCursor::Step::Moved);
        QCOMPARE(Shown(c, cursor), QStringLiteral("Zack"));
    }

    void selectionIsClampedToTheList()
    {
        Company c;
        FormCursor cursor;
        cursor.Select(9, c.lists);
        QVERIFY(!cursor.FirstShow());
        QCOMPARE(Shown(c, cursor), QStringLiteral("Hugo"));
        QCOMPARE(cursor.FormIndex(), 0);
        cursor.Select(-4, c.lists);
        QCOMPARE(Shown(c, cursor), QStringLiteral("Dora"));
        // A settle keeps a chosen owner.
        QVERIFY(cursor.Settle(c.order, c.lists));
        QCOMPARE(Shown(c, cursor), QStringLiteral("Dora"));
    }

    void anAddedOwnerMovesTheCursorToTheFirstOfTheList()
    {
        Company c;
        FormCursor cursor;
        cursor.Select(3, c.lists);
        c.employees.push_back(MakeEmployee(14, "5", "Emma", "Eddy"));
        c.w2s.push_back(MakeW2(5, 14));
        cursor.OwnerAdded(c.lists);
        QCOMPARE(cursor.OwnerIndex(), 0);
        QCOMPARE(cursor.OwnerId(), 10);
        QCOMPARE(cursor.FormIndex(), 3);
    }

    // After a deletion the screen shows an employee that exists, with its
    // own W-2: the shown one stays shown when another goes; when the shown
    // one goes, the one below it in the list (the one above at the end).
    void deletionsLeaveAnExistingOwnerWithItsForm_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QList<int>>("deleted");
        QTest::addColumn<QString>("after");
        QTest::newRow("another one before it") << "Hugo" << QList<int>{10} << "Hugo";
        QTest::newRow("another one after it") << "Dora" << QList<int>{13} << "Dora";
        QTest::newRow("the shown one") << "Dora" << QList<int>{10} << "Hugo";
        QTest::newRow("the shown one, last in the list") << "Zack" << QList<int>{11} << "Hugo";
        QTest::newRow("the shown one, first in the list") << "Anna" << QList<int>{12} << "Dora";
        QTest::newRow("all but one") << "Anna" << QList<int>{12, 10, 11} << "Hugo";
    }

    void deletionsLeaveAnExistingOwnerWithItsForm()
    {
        QFETCH(QString, shown);
        QFETCH(QList<int>, deleted);
        QFETCH(QString, after);
        Company c;
        FormCursor cursor;
        for (int i = 0; i < int(c.employees.size()); ++i)
            if (c.employees[size_t(i)].FirstName.Text() == shown)
                cursor.Select(i, c.lists);
        for (int id : deleted) {
            c.Delete(id);
            cursor.OwnerDeleted(id, c.order, c.lists);
            QVERIFY(cursor.Settle(c.order, c.lists));
            c.order.Refresh(c.employees);
        }
        QCOMPARE(Shown(c, cursor), after);
        const W2Record& form = c.w2s[size_t(cursor.FormIndex())];
        QCOMPARE(form.EmployeeUniqueID, cursor.OwnerId());
    }

    void theLastDeletionLeavesNothingToShow()
    {
        Company c;
        FormCursor cursor;
        cursor.Settle(c.order, c.lists);
        for (int id : {12, 10, 13, 11}) {
            c.Delete(id);
            cursor.OwnerDeleted(id, c.order, c.lists);
        }
        QVERIFY(!cursor.Settle(c.order, c.lists));
        QCOMPARE(cursor.FormIndex(), -1);
        // A reset starts over at the first of the order.
        cursor.Reset();
        QVERIFY(cursor.FirstShow());
    }

    // A store where an employee has no W-2: the cursor shows the employee
    // with no form, and never an index past the list.
    void anOwnerWithoutAFormHasNoFormIndex()
    {
        Company c;
        c.w2s.erase(c.w2s.begin() + 1); // Anna's
        FormCursor cursor;
        cursor.Settle(c.order, c.lists);
        QCOMPARE(Shown(c, cursor), QStringLiteral("Anna"));
        QCOMPARE(cursor.FormIndex(), -1);
    }
};

FORMLARK_TEST_APPLESS_MAIN(FormCursorTest)
#include "FormCursorTest.moc"
