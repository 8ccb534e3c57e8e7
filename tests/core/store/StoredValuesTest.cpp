// A stored value is read once, when the company is read, and every path
// takes that one value: the totals, the printed form, the CSV export and the
// check. What can't be read is kept as stored and reported, never guessed at
// or turned into another valid value.
#include "core/check/FormCheck.h"
#include "core/contractor/Form1096Totals.h"
#include "core/companyfiles/StoreConversion.h"
#include "core/import/CsvExport.h"
#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"
#include "core/store/EarlierStoreReader.h"
#include "core/wage/W2PrintJob.h"
#include "core/wage/W3Totals.h"
#include "tests/support/EarlierStoreWriter.h"
#include "tests/support/PageQuery.h"
#include "tests/support/TestFolders.h"

#include <QFile>
#include <QtTest>

using namespace page_query;

namespace {

CompanyData ReadFixture(const char* name)
{
    CompanyData data;
    QString problem;
    if (!ReadEarlierStore(EarlierStoreFixture(QString::fromLatin1(name)), data, &problem))
        qWarning("%s", qPrintable(problem));
    return data;
}

const W2Record* W2Of(const CompanyData& data, int id)
{
    for (const W2Record& w : data.w2s)
        if (w.W2UniqueID == id)
            return &w;
    return nullptr;
}

// The findings of `rule` in the check of `data`, as "field: message".
QStringList Findings(const CompanyData& data, const char* rule)
{
    QStringList found;
    for (const FormFinding& finding : CheckCompanyForms(data).findings)
        if (qstrcmp(finding.rule->id, rule) == 0)
            found << finding.field + QStringLiteral(": ") + finding.message;
    return found;
}

// Every text the W-2s of `data` print, blank paper, all employees.
QStringList PrintedW2Texts(const CompanyData& data)
{
    PrintW2Options options;
    options.Paper = PaperType::Blank;
    options.Target = PrintTarget::All;
    const W2PrintJob job(data.company, data.employees, data.w2s, options, 0);
    QStringList texts;
    for (int page = 1; page <= job.PageCount(); ++page)
        for (const PageText& text : Texts(job.LayOutPage(page)))
            texts << text.text;
    return texts;
}

} // namespace

class StoredValuesTest : public QObject {
    Q_OBJECT

private slots:
    // "Legacy Text" keeps box 1 of W-2 4 as "1,234.56": 1234.56 on every
    // path (a reading of the leading digits made it 1.56 on some).
    void aGroupedAmountIsOneValueEverywhere()
    {
        const CompanyData data = ReadFixture("Legacy Text.pmt");
        const W2Record* w2 = W2Of(data, 4);
        QVERIFY(w2);
        QCOMPARE(w2->Wages.Text(), QStringLiteral("1,234.56")); // kept as stored
        QCOMPARE(w2->Wages.Cents(), 123456);

        // W-2 1 has 52000.00, W-2 3 0.00, W-2 4 the grouped amount.
        QCOMPARE(ComputeW3Totals(data.employees, data.w2s).Text(1), QStringLiteral("53234.56"));
        const QStringList printed = PrintedW2Texts(data);
        QVERIFY(printed.contains(QStringLiteral("1234.56")));
        QVERIFY(!printed.contains(QStringLiteral("1,234.56")));
        QVERIFY(ExportPeopleCsv(PeopleKind::Employees, data).contains(",1234.56,"));
        QCOMPARE(Findings(data, "w2.amount-unreadable"), QStringList());

        // Grouped by blanks, as "Legacy Text" has its nonemployee compensation.
        QCOMPARE(ComputeForm1096Totals(data.contractors, data.forms1099).ReportedText(), QStringLiteral("9999.99"));
    }

    // An amount that does not read as one is kept as stored, printed as
    // stored, counted in no total, and an error of the check on its box.
    void anUnreadableAmountIsKeptAndReported()
    {
        CompanyData data = ReadFixture("Legacy Sample.pmt");
        W2Record& w2 = data.w2s.front();
        const qint64 total = ComputeW3Totals(data.employees, data.w2s).Cents(1);
        const qint64 wages = w2.Wages.Cents();
        w2.Wages = QStringLiteral("12,5x0.00");
        QVERIFY(!w2.Wages.IsReadable());
        QCOMPARE(ComputeW3Totals(data.employees, data.w2s).Cents(1), total - wages);
        QVERIFY(PrintedW2Texts(data).contains(QStringLiteral("12,5x0.00")));
        const QStringList found = Findings(data, "w2.amount-unreadable");
        QCOMPARE(found.size(), 1);
        QVERIFY2(found.front().startsWith(QStringLiteral("Wages: \"12,5x0.00\"")), qPrintable(found.front()));
        QVERIFY(CheckCompanyForms(data).errors > 0);

        // Written and read again, the store keeps the very text.
        TestFolders folders;
        const QString path = folders.DataFolder() + "Kept.pmt";
        QVERIFY(WriteCompanyStore(path, data));
        CompanyData again;
        CompanyStore store;
        QCOMPARE(LoadCompany(store, path, again), 0);
        QCOMPARE(again.w2s.front().Wages.Text(), QStringLiteral("12,5x0.00"));
    }

    // "Legacy Sample" has the box-12 code DD twice. Cut to the one letter
    // of the box it would count 5,120.40 and 7,344.12 as elective deferrals.
    void aTwoLetterCodeStaysWholeAndCountsNowhere()
    {
        const CompanyData data = ReadFixture("Legacy Sample.pmt");
        QCOMPARE(W2Of(data, 1)->Field12bCode.Text(), QStringLiteral("DD"));
        QCOMPARE(W2Of(data, 3)->Field12cCode.Text(), QStringLiteral("DD"));
        // Box 12 of the W-3: D 1650.00 of W-2 1 and E 3150.00 of W-2 3 only.
        QCOMPARE(ComputeW3Totals(data.employees, data.w2s).Text(12), QStringLiteral("4800.00"));
        QStringList found = Findings(data, "w2.box12-code-invalid");
        QCOMPARE(found.size(), 2);
        QVERIFY2(found.front().startsWith(QStringLiteral("Field12bCode: \"DD\"")), qPrintable(found.front()));
        QCOMPARE(Findings(data, "w2.box12-code-twice"), QStringList());

        // Converted, the store keeps it whole as well.
        TestFolders folders;
        const QString path = folders.DataFolder() + "Sample.pmt";
        QVERIFY(QFile::copy(EarlierStoreFixture("Legacy Sample.pmt"), path));
        StoredValueChanges changes;
        QVERIFY(ConvertEarlierStore(path, path + ".2005", nullptr, nullptr, &changes));
        CompanyData converted;
        CompanyStore store;
        QCOMPARE(LoadCompany(store, path, converted), 0);
        QCOMPARE(W2Of(converted, 1)->Field12bCode.Text(), QStringLiteral("DD"));
        QCOMPARE(changes.size(), size_t(0));
    }

    // What a conversion can't keep exactly is listed, value by value; the
    // original keeps it all.
    void aConversionListsWhatItCanNotKeep()
    {
        CompanyData data = ReadFixture("Legacy Sample.pmt");
        data.w2s.front().Wages = QStringLiteral("12abc");
        QList<EarlierTableRows> tables = EarlierTablesOf(data);
        // The earlier editions' column keeps a name of 50 characters; a
        // record keeps 30. Column 2 of the company row (0 is its number).
        const QByteArray longName = "Cedar Hollow Bakery and Wholesale Distributors";
        tables[1].rows.front().second[2] = longName;
        CompanyData read;
        StoredValueChanges changes;
        QVERIFY(ReadEarlierStoreBytes(WriteEarlierStoreBytes(tables), read, nullptr, &changes));
        QCOMPARE(changes.size(), size_t(2));
        QCOMPARE(changes[0].kind, StoredValueChange::Kind::Cut);
        QCOMPARE(changes[0].Describe(),
                 QStringLiteral("Company 1, EmployerName: \"%1\" is longer than the 30 characters the box keeps; kept "
                                "as \"%2\"")
                     .arg(QString::fromLatin1(longName), QString::fromLatin1(longName.left(30))));
        QCOMPARE(changes[1].kind, StoredValueChange::Kind::Unreadable);
        QCOMPARE(changes[1].Describe(),
                 QStringLiteral("W2 1, Wages: \"12abc\" does not read as an amount; kept as stored"));

        // The real stores of the fixtures: only what the program itself
        // never writes would be listed.
        for (const char* fixture : {"Legacy Sample.pmt", "Legacy Many.pmt", "Legacy Deleted.pmt"}) {
            StoredValueChanges none;
            QVERIFY(PreviewConversion(EarlierStoreFixture(QString::fromLatin1(fixture)), none));
            QVERIFY2(none.empty(), qPrintable(DescribeStoredValueChanges(none, 5).join('\n')));
        }
    }
};

FORMLARK_TEST_GUILESS_MAIN(StoredValuesTest)
#include "StoredValuesTest.moc"
