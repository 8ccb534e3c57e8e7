// The W-2 of each employee comes and goes with it: ids of new W-2s (with
// the remembered next id once the list has been emptied), and the store
// after each step.
#include "core/document/GlobalDoc.h"
#include "core/document/EmployeeRecords.h"
#include "tests/support/ScreenFixture.h"
#include "core/document/EmployeeW2Forms.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

using Owners = QList<std::pair<int, int>>; // (W-2 id, employee id)

Owners W2Owners(const W2List& forms)
{
    Owners owners;
    for (const W2Record& w : forms)
        owners.append({w.W2UniqueID, w.EmployeeUniqueID});
    return owners;
}

CompanyData Seed(const QList<int>& employeeIds, const Owners& w2s)
{
    CompanyData data;
    data.company.EmployerName = "Harbor Tools";
    for (int id : employeeIds) {
        EmployeeRecord e;
        e.EmployeeUniqueID = id;
        e.SocialSecurityNumber = QStringLiteral("000-00-%1").arg(id, 4, 10, QLatin1Char('0'));
        e.FirstName = "First";
        e.LastName = "Last";
        data.employees.push_back(e);
    }
    for (const auto& [w2Id, employeeId] : w2s) {
        W2Record w;
        w.W2UniqueID = w2Id;
        w.EmployeeUniqueID = employeeId;
        data.w2s.push_back(w);
    }
    return data;
}

} // namespace

class EmployeeW2FormsTest : public QObject {
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

        QTest::newRow("first W-2s of a company") << QList<int>{} << Owners{} << QList<int>{1, 2}
                                                 << Owners{{1, 1}, {2, 2}} << 1;
        QTest::newRow("an emptied list hands out the remembered id")
            << QList<int>{} << Owners{} << QList<int>{1, 2, -2, -1, 3} << Owners{{2, 1}} << 2;
        QTest::newRow("new ids continue from the largest stored")
            << QList<int>{1} << Owners{{5, 1}} << QList<int>{2} << Owners{{5, 1}, {6, 2}} << 1;
        QTest::newRow("the remembered id only serves an empty list")
            << QList<int>{1, 2} << Owners{{5, 1}, {8, 2}} << QList<int>{-2, 3} << Owners{{5, 1}, {6, 2}} << 9;
        QTest::newRow("every W-2 of a deleted employee goes")
            << QList<int>{1, 2} << Owners{{1, 1}, {2, 1}, {3, 2}} << QList<int>{-1} << Owners{{3, 2}} << 4;
        QTest::newRow("an employee without a W-2") << QList<int>{1, 2} << Owners{{4, 2}} << QList<int>{-1}
                                                   << Owners{{4, 2}} << 1;
    }

    void w2FollowsItsEmployee()
    {
        QFETCH(QList<int>, employees);
        QFETCH(Owners, seeded);
        QFETCH(QList<int>, steps);
        QFETCH(Owners, expected);
        QFETCH(int, remembered);
        ScreenFixture fixture(Seed(employees, seeded));
        QVERIFY(fixture.ready);
        EmployeeRecords records(fixture.doc);
        for (int step : steps) {
            if (step > 0) {
                EmployeeRecord e;
                e.SocialSecurityNumber = QStringLiteral("999-00-%1").arg(step, 4, 10, QLatin1Char('0'));
                e.FirstName = "New";
                e.LastName = "Hire";
                QVERIFY(records.Add(e).Added());
            } else {
                QVERIFY(records.Delete(-1, -step));
            }
        }
        QCOMPARE(W2Owners(fixture.doc.W2Forms()), expected);
        QCOMPARE(W2Owners(fixture.Stored().w2s), expected);
        QCOMPARE(fixture.doc.W2FormsOfEmployees().RememberedNextW2Id(), remembered);
        QCOMPARE(fixture.doc.Modified(), 0);
        QVERIFY(fixture.doc.PendingChanges().empty());
    }

    // The W-2 screen hears of each W-2 that came or went.
    void signalsNameTheEmployeeAndTheW2Index()
    {
        ScreenFixture fixture(Seed({1}, {{3, 1}}));
        QSignalSpy added(&fixture.doc.W2FormsOfEmployees(), &EmployeeW2Forms::w2Added);
        QSignalSpy deleted(&fixture.doc.W2FormsOfEmployees(), &EmployeeW2Forms::w2Deleted);
        EmployeeRecords records(fixture.doc);
        EmployeeRecord e;
        e.SocialSecurityNumber = "123-45-6789";
        e.FirstName = "Ann";
        e.LastName = "Lee";
        QVERIFY(records.Add(e).Added());
        QCOMPARE(added.count(), 1);
        QCOMPARE(added.at(0), (QVariantList{2, 1}));
        QVERIFY(records.Delete(0, 1));
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(deleted.at(0), (QVariantList{1, 0}));
        QVERIFY(!records.Delete(0, 1)); // gone already
    }
};

QTEST_GUILESS_MAIN(EmployeeW2FormsTest)
#include "EmployeeW2FormsTest.moc"
