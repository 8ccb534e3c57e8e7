// The order of the employee and contractor lists: first-name order on
// refresh, the column-click rules, and the row queries the W-2 and
// 1099-MISC screens step with.
#include "core/records/RecordListOrder.h"

#include <QLocale>
#include <QtTest>

namespace {

EmployeeRecord Employee(int id, const char* first, const char* last, const char* ssn = "")
{
    EmployeeRecord e;
    e.EmployeeUniqueID = id;
    e.FirstName = first;
    e.LastName = last;
    e.SocialSecurityNumber = ssn;
    return e;
}

// Index 0..3 in list order; first names and last names in different orders.
EmployeeList Staff()
{
    return {Employee(10, "Maria", "Brennan", "222"), Employee(11, "alice", "Whitaker", "444"),
            Employee(12, "David", "chen", "111"), Employee(13, "Anna", "Chen", "333")};
}

QStringList Column(const RecordListOrder& order, int column)
{
    QStringList texts;
    for (const RecordListOrder::Row& row : order.Rows())
        texts << row.texts[size_t(column)];
    return texts;
}

} // namespace

class RecordListOrderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void refreshShowsFirstNameOrderWithRowTags()
    {
        RecordListOrder order;
        order.Refresh(Staff());
        QCOMPARE(Column(order, RecordListOrder::kFirstName), QStringList({"alice", "Anna", "David", "Maria"}));
        QCOMPARE(order.Rows()[0].index, 1);
        QCOMPARE(order.Rows()[0].id, 11);
        QCOMPARE(Column(order, RecordListOrder::kNumber), QStringList({"444", "333", "111", "222"}));
    }

    void columnClicks_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("shown");

        const int first = RecordListOrder::kFirstName;
        const int last = RecordListOrder::kLastName;
        const int number = RecordListOrder::kNumber;
        // The remembered sort starts as Last Name ascending.
        QTest::newRow("first click on Last Name sorts descending")
            << QList<int>{last} << last << QStringList{"Whitaker", "Chen", "chen", "Brennan"};
        QTest::newRow("second click on Last Name sorts ascending")
            << QList<int>{last, last} << last << QStringList{"Brennan", "chen", "Chen", "Whitaker"};
        QTest::newRow("first click on First Name sorts ascending, case-sensitively")
            << QList<int>{first} << first << QStringList{"alice", "Anna", "David", "Maria"};
        QTest::newRow("another column starts ascending again")
            << QList<int>{last, number} << number << QStringList{"111", "222", "333", "444"};
        QTest::newRow("back to a column sorted before starts ascending")
            << QList<int>{last, first, last} << last << QStringList{"Brennan", "chen", "Chen", "Whitaker"};
        QTest::newRow("a click outside the columns changes nothing")
            << QList<int>{7} << first << QStringList{"alice", "Anna", "David", "Maria"};
    }

    void columnClicks()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(int, column);
        QFETCH(QStringList, shown);
        RecordListOrder order;
        order.Refresh(Staff());
        for (int click : clicks)
            order.SortByColumn(click);
        QCOMPARE(Column(order, column), shown);
    }

    void refreshAndResetReturnToTheirOrders()
    {
        RecordListOrder order;
        order.Refresh(Staff());
        order.SortByColumn(RecordListOrder::kNumber);
        order.Refresh(Staff());
        QCOMPARE(Column(order, RecordListOrder::kFirstName), QStringList({"alice", "Anna", "David", "Maria"}));
        // The number column is still remembered: a click reverses it.
        order.SortByColumn(RecordListOrder::kNumber);
        QCOMPARE(Column(order, RecordListOrder::kNumber), QStringList({"444", "333", "222", "111"}));

        // After a change of the list the remembered sort is Last Name
        // ascending again, so the next click on it sorts descending.
        order.ResetSort();
        QCOMPARE(order.SortColumn(), int(RecordListOrder::kLastName));
        QVERIFY(order.SortAscending());
        order.Refresh(Staff());
        order.SortByColumn(RecordListOrder::kLastName);
        QCOMPARE(Column(order, RecordListOrder::kLastName), QStringList({"Whitaker", "Chen", "chen", "Brennan"}));
    }

    // A refresh of an unchanged list leaves the rows as they stand (and
    // says so, so a screen of thousands need not fill its list again);
    // any change of the list, or a sorted column, makes new rows.
    void refreshTellsWhetherTheRowsChanged()
    {
        RecordListOrder order;
        QVERIFY(order.Refresh(Staff()));
        QVERIFY(!order.Refresh(Staff()));

        EmployeeList changed = Staff();
        changed[2].LastName = "Cheng";
        QVERIFY(order.Refresh(changed));
        QCOMPARE(Column(order, RecordListOrder::kLastName), QStringList({"Whitaker", "Chen", "Cheng", "Brennan"}));
        changed[3].EmployeeUniqueID = 20; // another record in the same place
        QVERIFY(order.Refresh(changed));
        changed.pop_back();
        QVERIFY(order.Refresh(changed));
        QCOMPARE(order.RowCount(), 3);

        order.SortByColumn(RecordListOrder::kLastName);
        QVERIFY(order.Refresh(changed));
        QCOMPARE(Column(order, RecordListOrder::kFirstName), QStringList({"alice", "David", "Maria"}));
        order.Clear();
        QVERIFY(order.Refresh(changed));
    }

    void rowQueries()
    {
        RecordListOrder order;
        // Nothing shown: no row has a record.
        QCOMPARE(order.RecordIndexAt(0), 0);
        QCOMPARE(order.RowOfRecord(0), -1);
        QCOMPARE(order.NextRecordIndex(0), -1);

        order.Refresh(Staff()); // rows show indexes 1, 3, 2, 0
        QCOMPARE(order.RecordIndexAt(0), 1);
        QCOMPARE(order.RecordIndexAt(2), 2);
        QCOMPARE(order.RecordIndexAt(4), 0);
        QCOMPARE(order.RecordIndexAt(-1), 0);
        QCOMPARE(order.RowOfRecord(0), 3);
        QCOMPARE(order.RowOfRecord(4), -1);
        QCOMPARE(order.NextRecordIndex(3), 2);
        QCOMPARE(order.PreviousRecordIndex(3), 1);
        QCOMPARE(order.NextRecordIndex(0), -1);     // the last row
        QCOMPARE(order.PreviousRecordIndex(1), -1); // the first row
        QCOMPARE(order.NextRecordIndex(9), -1);     // no such record

        // The queries follow a column sort.
        order.SortByColumn(RecordListOrder::kNumber); // rows: 2, 0, 3, 1
        QCOMPARE(order.RecordIndexAt(0), 2);
        QCOMPARE(order.NextRecordIndex(2), 0);
        QCOMPARE(order.PreviousRecordIndex(1), 3);
    }

    void contractorsShowTheirIdentificationNumber()
    {
        ContractorRecord c;
        c.ContractorUniqueID = 4;
        c.FirstName = "Rachel";
        c.IdentificationNumber = "12-3456789";
        RecordListOrder order;
        order.Refresh(ContractorList{c});
        QCOMPARE(order.Rows()[0].texts[RecordListOrder::kNumber], QStringLiteral("12-3456789"));
        QCOMPARE(order.Rows()[0].id, 4);
    }
};

FORMLARK_TEST_GUILESS_MAIN(RecordListOrderTest)
#include "RecordListOrderTest.moc"
