#include "core/document/ChangeRecord.h"

#include <QtTest>

namespace {

ChangeRecord Change(RecordKind kind, ChangeOperation operation, int id)
{
    return ChangeRecord{kind, operation, 0, id};
}

QString Describe(const ChangeQueue& queue)
{
    QStringList out;
    for (const ChangeRecord& c : queue)
        out << QStringLiteral("%1%2#%3").arg("ECWFM"[int(c.Kind)]).arg("IDU"[int(c.Operation)]).arg(c.UniqueID);
    return out.join(u' ');
}

} // namespace

class ChangeQueueTest : public QObject {
    Q_OBJECT

private slots:
    void prunesCancelledChanges_data()
    {
        using K = RecordKind;
        using O = ChangeOperation;
        QTest::addColumn<ChangeQueue>("queue");
        QTest::addColumn<QString>("kept");
        QTest::newRow("insert then delete: nothing reaches the store")
            << ChangeQueue{Change(K::Employee, O::Insert, 3), Change(K::Employee, O::Delete, 3)} << "";
        QTest::newRow("insert, update, delete")
            << ChangeQueue{Change(K::W2, O::Insert, 2), Change(K::W2, O::Update, 2), Change(K::W2, O::Delete, 2)} << "";
        QTest::newRow("update then delete: only the delete")
            << ChangeQueue{Change(K::Employee, O::Update, 3), Change(K::Employee, O::Delete, 3)} << "ED#3";
        QTest::newRow("other ids and kinds stay, in order")
            << ChangeQueue{Change(K::Employee, O::Update, 1), Change(K::Contractor, O::Update, 3),
                           Change(K::Employee, O::Update, 3), Change(K::Employee, O::Delete, 3),
                           Change(K::W2, O::Insert, 4)}
            << "EU#1 CU#3 ED#3 WI#4";
        QTest::newRow("no delete: unchanged")
            << ChangeQueue{Change(K::Company, O::Insert, 1), Change(K::Company, O::Update, -1)} << "MI#1 MU#-1";
        QTest::newRow("delete before a later insert of the same id")
            << ChangeQueue{Change(K::Form1099, O::Delete, 5), Change(K::Form1099, O::Insert, 5)} << "";
    }

    void prunesCancelledChanges()
    {
        QFETCH(ChangeQueue, queue);
        QFETCH(QString, kept);
        DropCancelledChanges(queue);
        QCOMPARE(Describe(queue), kept);
    }
};

FORMLARK_TEST_GUILESS_MAIN(ChangeQueueTest)
#include "ChangeQueueTest.moc"
