#include "core/document/ChangeRecord.h"

#include <QtTest>

namespace {

ChangeRecord Change(int kind, int operation, int id)
{
    return ChangeRecord{kind, operation, 0, id, 0};
}

QString Describe(const ChangeQueue& queue)
{
    QStringList out;
    for (const ChangeRecord& c : queue)
        out << QStringLiteral("%1%2#%3").arg("ECWFM"[c.Kind]).arg("IDU"[c.Operation]).arg(c.UniqueID);
    return out.join(u' ');
}

} // namespace

class ChangeQueueTest : public QObject {
    Q_OBJECT

private slots:
    void prunesCancelledChanges_data()
    {
        using C = ChangeRecord;
        QTest::addColumn<ChangeQueue>("queue");
        QTest::addColumn<QString>("kept");
        QTest::newRow("insert then delete: nothing reaches the store")
            << ChangeQueue{Change(C::kEmployee, C::kInsert, 3), Change(C::kEmployee, C::kDelete, 3)} << "";
        QTest::newRow("insert, update, delete")
            << ChangeQueue{Change(C::kW2, C::kInsert, 2), Change(C::kW2, C::kUpdate, 2), Change(C::kW2, C::kDelete, 2)}
            << "";
        QTest::newRow("update then delete: only the delete")
            << ChangeQueue{Change(C::kEmployee, C::kUpdate, 3), Change(C::kEmployee, C::kDelete, 3)} << "ED#3";
        QTest::newRow("other ids and kinds stay, in order")
            << ChangeQueue{Change(C::kEmployee, C::kUpdate, 1), Change(C::kContractor, C::kUpdate, 3),
                           Change(C::kEmployee, C::kUpdate, 3), Change(C::kEmployee, C::kDelete, 3),
                           Change(C::kW2, C::kInsert, 4)}
            << "EU#1 CU#3 ED#3 WI#4";
        QTest::newRow("no delete: unchanged")
            << ChangeQueue{Change(C::kCompany, C::kInsert, 1), Change(C::kCompany, C::kUpdate, -1)}
            << "MI#1 MU#-1";
        QTest::newRow("delete before a later insert of the same id")
            << ChangeQueue{Change(C::kForm1099, C::kDelete, 5), Change(C::kForm1099, C::kInsert, 5)} << "";
    }

    void prunesCancelledChanges()
    {
        QFETCH(ChangeQueue, queue);
        QFETCH(QString, kept);
        DropCancelledChanges(queue);
        QCOMPARE(Describe(queue), kept);
    }
};

QTEST_GUILESS_MAIN(ChangeQueueTest)
#include "ChangeQueueTest.moc"
