// The 1099-MISC of each contractor comes and goes with it, in the store
// as in memory.
#include "core/document/GlobalDoc.h"
#include "core/document/Contractor1099Forms.h"
#include "core/document/ContractorRecords.h"
#include "tests/support/ScreenFixture.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

using Owners = QList<std::pair<int, int>>; // (1099-MISC id, contractor id)

Owners FormOwners(const Form1099List& forms)
{
    Owners owners;
    for (const Form1099Record& f : forms)
        owners.append({f.Form1099UniqueID, f.ContractorUniqueID});
    return owners;
}

CompanyData Seed(const Owners& forms)
{
    CompanyData data;
    data.company.EmployerName = "Harbor Tools";
    for (const auto& [formId, contractorId] : forms) {
        ContractorRecord c;
        c.ContractorUniqueID = contractorId;
        c.IdentificationNumber = QString::number(contractorId);
        data.contractors.push_back(c);
        Form1099Record f;
        f.Form1099UniqueID = formId;
        f.ContractorUniqueID = contractorId;
        data.forms1099.push_back(f);
    }
    return data;
}

ContractorRecord NewContractor(const QString& number)
{
    ContractorRecord c;
    c.IdentificationNumber = number;
    c.FirstName = "Ada";
    c.LastName = "Ruiz";
    c.Address1 = "1 Elm";
    c.City = "Bend";
    c.State = "OR";
    c.Zip = "97701";
    return c;
}

} // namespace

class Contractor1099FormsTest : public QObject {
    Q_OBJECT

private slots:
    void formFollowsItsContractor_data()
    {
        QTest::addColumn<Owners>("seeded");
        QTest::addColumn<QList<int>>("steps"); // > 0 add, < 0 delete contractor -n
        QTest::addColumn<Owners>("expected");
        QTest::newRow("first form of a company") << Owners{} << QList<int>{1} << Owners{{1, 1}};
        // The store hands its forms back in id order.
        QTest::newRow("largest id + 1") << Owners{{9, 2}, {4, 5}} << QList<int>{1} << Owners{{4, 5}, {9, 2}, {10, 6}};
        QTest::newRow("deleted with its contractor") << Owners{{9, 2}, {4, 5}} << QList<int>{-2}
                                                     << Owners{{4, 5}};
        QTest::newRow("emptied list starts at 1 again") << Owners{{3, 1}} << QList<int>{-1, 1} << Owners{{1, 1}};
    }

    void formFollowsItsContractor()
    {
        QFETCH(Owners, seeded);
        QFETCH(QList<int>, steps);
        QFETCH(Owners, expected);
        ScreenFixture fixture(Seed(seeded));
        QVERIFY(fixture.ready);
        ContractorRecords records(fixture.doc);
        for (int step : steps) {
            if (step > 0)
                QVERIFY(records.Add(NewContractor(QStringLiteral("new %1").arg(step))).Added());
            else
                QVERIFY(records.Delete(-1, -step));
        }
        QCOMPARE(FormOwners(fixture.doc.Forms1099()), expected);
        QCOMPARE(FormOwners(fixture.Stored().forms1099), expected);
        // Every change reached the store; nothing waits in the queue.
        QCOMPARE(fixture.doc.Modified(), 0);
        QVERIFY(fixture.doc.PendingChanges().empty());
    }

    void signalsNameTheContractorAndTheFormIndex()
    {
        ScreenFixture fixture(Seed({{9, 2}, {4, 5}}));
        QSignalSpy added(&fixture.doc.Forms1099OfContractors(), &Contractor1099Forms::form1099Added);
        QSignalSpy deleted(&fixture.doc.Forms1099OfContractors(), &Contractor1099Forms::form1099Deleted);
        ContractorRecords records(fixture.doc);
        QVERIFY(records.Add(NewContractor("77")).Added());
        QCOMPARE(added.at(0), (QVariantList{6, 2}));
        QVERIFY(records.Delete(1, 5));
        QCOMPARE(deleted.at(0), (QVariantList{5, 0})); // forms in id order: 4, 9
    }
};

QTEST_GUILESS_MAIN(Contractor1099FormsTest)
#include "Contractor1099FormsTest.moc"
