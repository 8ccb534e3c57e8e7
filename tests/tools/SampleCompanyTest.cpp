// The bundled demo company: the store the build puts beside the program,
// and that its forms are filled consistently.
#include "core/check/FindingText.h"
#include "core/check/FormCheck.h"
#include "core/store/AmountText.h"
#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"
#include "core/import/CsvExport.h"
#include "tests/support/TestFolders.h"
#include "tools/SampleCompany.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class SampleCompanyTest : public QObject {
    Q_OBJECT

private slots:
    void storeBesideTheProgramHoldsTheSampleCompany()
    {
        const QString runtime = qEnvironmentVariable("FORMLARK_RUNTIME_DIR");
        if (runtime.isEmpty())
            QSKIP("run through ctest, which names the program folder");
        const QString path = runtime + "/DatabaseFiles/Sample Company.pmt";
        QVERIFY2(QFile::exists(path), qPrintable(path));
        CompanyStore store;
        CompanyData data;
        QCOMPARE(LoadCompany(store, path, data), 0);
        QCOMPARE(data.company.EmployerName.Text(), QStringLiteral("Sample Company"));
    }

    void formsAreFilledConsistently()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Sample Company.pmt");
        QVERIFY(WriteSampleCompany(path));
        QVERIFY(!WriteSampleCompany(path)); // never over an existing store
        CompanyStore store;
        CompanyData data;
        QCOMPARE(LoadCompany(store, path, data), 0);

        QVERIFY(data.employees.size() >= 3 && data.employees.size() <= 5);
        QVERIFY(data.contractors.size() >= 2 && data.contractors.size() <= 3);
        QVERIFY(!data.company.FormW3ContactName.IsEmpty());
        QVERIFY(!data.company.Form1096ContactName.IsEmpty());
        QCOMPARE(data.company.FormW3RadioKindOfPayer, 0);

        QCOMPARE(data.w2s.size(), data.employees.size());
        for (const EmployeeRecord& e : data.employees) {
            int forms = 0;
            for (const W2Record& w : data.w2s) {
                if (w.EmployeeUniqueID != e.EmployeeUniqueID)
                    continue;
                ++forms;
                const qint64 box3 = ParseAmountCents(w.SocialSecurityWages);
                const qint64 box5 = ParseAmountCents(w.MedicareWages);
                QVERIFY(box3 > 0 && box3 <= 9'000'000);
                QCOMPARE(ParseAmountCents(w.SocialSecurityTaxWithheld), (box3 * 62 + 500) / 1000);
                QCOMPARE(ParseAmountCents(w.MedicareTaxWithheld), (box5 * 145 + 5000) / 10000);
                QCOMPARE(NormalizeAmountText(w.Wages), w.Wages.Text());
            }
            QCOMPARE(forms, 1);
        }
        QCOMPARE(data.forms1099.size(), data.contractors.size());
        for (const ContractorRecord& c : data.contractors) {
            int forms = 0;
            for (const Form1099Record& f : data.forms1099)
                forms += f.ContractorUniqueID == c.ContractorUniqueID;
            QCOMPARE(forms, 1);
        }
    }

    // The demo company is one a bookkeeper could file: the check before
    // filing finds nothing in it.
    void theCheckFindsNothingToMend()
    {
        const FormCheckResult result = CheckCompanyForms(SampleCompanyData());
        QStringList said;
        for (const FormFinding& finding : result.findings)
            said << FindingLine(finding);
        QVERIFY2(said.isEmpty(), qPrintable(said.join('\n')));
    }

    // The bundled store and its CSV exports, byte for byte as they were
    // made when they were last meant to change: a change of how records
    // are written or exported shows here first.
    void storeAndExportsStayByteForByte()
    {
        const QString golden = QStringLiteral(FORMLARK_SAMPLE_GOLDEN "/");
        QTemporaryDir dir;
        const QString path = dir.filePath("Sample Company.pmt");
        QVERIFY(WriteSampleCompany(path));
        QVERIFY(FileBytes(path) == FileBytes(golden + "Sample Company.pmt"));
        CompanyStore store;
        CompanyData data;
        QCOMPARE(LoadCompany(store, path, data), 0);
        QCOMPARE(ExportPeopleCsv(PeopleKind::Employees, data), FileBytes(golden + "employees.csv"));
        QCOMPARE(ExportPeopleCsv(PeopleKind::Contractors, data), FileBytes(golden + "contractors.csv"));
    }
};

FORMLARK_TEST_GUILESS_MAIN(SampleCompanyTest)
#include "SampleCompanyTest.moc"
