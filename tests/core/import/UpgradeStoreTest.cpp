// Carrying one store over into this tax year: the year's tables renewed,
// one blank W-2 per employee and one blank 1099-MISC per contractor, and
// stores that can't be carried over left as they were.
#include "core/import/UpgradeStore.h"
#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"
#include "tests/support/TestFolders.h"
#include "tests/support/TestStores.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList Rows(const QString& path, const QByteArray& sql)
{
    CompanyStore store;
    QStringList rows;
    if (store.OpenExisting(path) != 0)
        return {QStringLiteral("<no store>")};
    const int rc = store.Execute(sql, [&](int n, char** values, char**) {
        QStringList cells;
        for (int i = 0; i < n; ++i)
            cells << QString::fromUtf8(values[i] ? values[i] : "<null>");
        rows << cells.join(u'|');
        return 0;
    });
    if (rc != 0)
        rows << QStringLiteral("<error %1>").arg(rc);
    return rows;
}

} // namespace

class UpgradeStoreTest : public QObject {
    Q_OBJECT

private slots:
    void keepsThePeopleAndGivesEachABlankForm()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + u'/';
        MakeStoreWithStaff(folder, "Acme.pmt", "Acme", {3, 9, 12}, {5, 2});
        CompanyData before;
        {
            CompanyStore store;
            QCOMPARE(LoadCompany(store, folder + "Acme.pmt", before), 0);
        }

        QVERIFY(UpgradeStore(folder + "Acme.pmt"));

        CompanyData after;
        CompanyStore store;
        QCOMPARE(LoadCompany(store, folder + "Acme.pmt", after), 0);
        QCOMPARE(after.company, before.company);
        QVERIFY(after.employees == before.employees);
        QVERIFY(after.contractors == before.contractors);

        // Ids 1..n in store order, every box empty, the check boxes 0.
        QCOMPARE(int(after.w2s.size()), 3);
        const int employeeIds[] = {3, 9, 12};
        for (int i = 0; i < 3; ++i) {
            W2Record blank;
            blank.W2UniqueID = i + 1;
            blank.EmployeeUniqueID = employeeIds[i];
            QVERIFY2(after.w2s[size_t(i)] == blank, qPrintable(QString::number(i)));
        }
        // The contractors come in the store's (id) order: 2, then 5.
        QCOMPARE(int(after.forms1099.size()), 2);
        const int contractorIds[] = {2, 5};
        for (int j = 0; j < 2; ++j) {
            Form1099Record blank;
            blank.Form1099UniqueID = j + 1;
            blank.ContractorUniqueID = contractorIds[j];
            QVERIFY2(after.forms1099[size_t(j)] == blank, qPrintable(QString::number(j)));
        }
        store.Close();
        QCOMPARE(Rows(folder + "Acme.pmt", "SELECT * FROM Version"), QStringList{"1"});
        QCOMPARE(Rows(folder + "Acme.pmt", "SELECT COUNT(*) FROM W3"), QStringList{"0"});
        QCOMPARE(Rows(folder + "Acme.pmt", "SELECT COUNT(*) FROM Form1096"), QStringList{"0"});
    }

    void companyWithoutPeopleGetsEmptyForms()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + u'/';
        MakeStoreWithStaff(folder, "Empty.pmt", "Empty", {}, {});
        QVERIFY(UpgradeStore(folder + "Empty.pmt"));
        QCOMPARE(Rows(folder + "Empty.pmt", "SELECT COUNT(*) FROM W2"), QStringList{"0"});
        QCOMPARE(Rows(folder + "Empty.pmt", "SELECT COUNT(*) FROM Form1099"), QStringList{"0"});
        QCOMPARE(Rows(folder + "Empty.pmt", "SELECT EmployerName FROM Company"), QStringList{"Empty"});
    }

    void storesThatCantBeUpgradedStayAsTheyWere_data()
    {
        QTest::addColumn<QByteArray>("damage"); // a statement run on the store first
        QTest::addColumn<int>("headerByte");    // a header byte to change, or -1
        for (const char* table : {"Version", "W2", "W3", "Form1099", "Form1096"})
            QTest::newRow(qPrintable(QStringLiteral("without %1").arg(table)))
                << QByteArray("DROP TABLE ") + table + ';' << -1;
        QTest::newRow("foreign header text") << QByteArray() << 3;
        QTest::newRow("damaged magic number") << QByteArray() << 57;
    }

    void storesThatCantBeUpgradedStayAsTheyWere()
    {
        QFETCH(QByteArray, damage);
        QFETCH(int, headerByte);
        QTemporaryDir dir;
        const QString folder = dir.path() + u'/';
        const QString path = folder + "Acme.pmt";
        MakeStoreWithStaff(folder, "Acme.pmt", "Acme", {3}, {4});
        if (!damage.isEmpty()) {
            CompanyStore store;
            QCOMPARE(store.OpenExisting(path), 0);
            QCOMPARE(store.Execute(damage), 0);
        }
        if (headerByte >= 0) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QByteArray bytes = f.readAll();
            bytes[headerByte] = char(bytes[headerByte] ^ 0x20);
            QVERIFY(f.seek(0));
            f.write(bytes);
        }
        const QByteArray before = FileBytes(path);

        QVERIFY(!UpgradeStore(path));
        QCOMPARE(FileBytes(path), before);
    }

    void missingStoreIsNotCreated()
    {
        QTemporaryDir dir;
        QVERIFY(!UpgradeStore(dir.filePath("Nobody.pmt")));
        QVERIFY(!QFile::exists(dir.filePath("Nobody.pmt")));
    }
};

FORMLARK_TEST_GUILESS_MAIN(UpgradeStoreTest)
#include "UpgradeStoreTest.moc"
