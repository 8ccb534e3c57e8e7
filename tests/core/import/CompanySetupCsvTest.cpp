// The company setup as a CSV file: the columns come from the company's box
// table, each value goes through the rule of its box, and an export reads
// back as the record it came from.
#include "core/import/CompanySetupCsv.h"
#include "core/import/CsvColumns.h"
#include "core/records/CompanyBoxes.h"
#include "tests/support/PrintFixture.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QtTest>

namespace {

CsvTable Table(const QByteArray& csv)
{
    return ReadCsvTable(csv);
}

} // namespace

class CompanySetupCsvTest : public QObject {
    Q_OBJECT

private slots:
    // Every box has a column; no spelling names two boxes, nor a person's
    // column that a company file could hold by mistake.
    void everyBoxHasAColumnOfItsOwn()
    {
        QHash<QString, QString> owner;
        for (const CompanyBox& box : CompanyBoxes()) {
            QVERIFY2(box.csvHeader, box.name);
            QStringList spellings{QLatin1String(box.csvHeader)};
            for (const char* spelling : box.csvSpellings)
                spellings << QLatin1String(spelling);
            for (const QString& spelling : spellings) {
                const QString key = CsvHeaderKey(spelling);
                QVERIFY2(!owner.contains(key), qPrintable(spelling + " names " + owner[key] + " and " + box.name));
                owner[key] = QLatin1String(box.name);
            }
        }
    }

    // An export read over an empty record gives the record back; read over
    // itself it changes nothing.
    void anExportReadsBackAsItsRecord()
    {
        const CompanyRecord company = print_fixture::Company();
        const CsvTable table = Table(ExportCompanySetupCsv(company));
        QCOMPARE(table.header.size(), qsizetype(CompanyBoxes().size()));

        CompanyRecord empty;
        empty.CompanyUniqueID = company.CompanyUniqueID;
        const CompanySetupImport read = ReadCompanySetupCsv(table, empty);
        QVERIFY(read.Accepted());
        QCOMPARE(read.company, company);
        QVERIFY(read.unmappedColumns.isEmpty());

        const CompanySetupImport again = ReadCompanySetupCsv(table, company);
        QVERIFY(again.Accepted());
        QVERIFY(!again.Changes());
    }

    // A value the stored one only spells another way is no change, and
    // neither is an empty cell: those boxes keep their stored text.
    void valuesThatChangeNothingKeepTheStoredText()
    {
        CompanyRecord stored = print_fixture::Company();
        stored.State = "il";
        stored.FormW3Telephone = "(217) 555-0101";
        const CompanySetupImport read =
            ReadCompanySetupCsv(Table("State,W-3 Telephone,City,Zip\nIL,2175550101,,62705\n"), stored);
        QVERIFY(read.Accepted());
        QCOMPARE(read.changedBoxes, QStringList{"Zip"});
        QCOMPARE(read.company.State.Text(), QStringLiteral("il"));
        QCOMPARE(read.company.City.Text(), QStringLiteral("Springfield"));
        QCOMPARE(read.company.Zip.Text(), QStringLiteral("62705"));
    }

    // Each box's own rule: the employer name takes an apostrophe and
    // refuses a slash, the other texts the reverse; a text is refused
    // beyond what its field keeps, not cut.
    void eachBoxKeepsItsOwnRule_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("problem"); // empty: accepted
        QTest::newRow("apostrophe in the employer name") << QByteArray("Employer Name\nO'Neil Tools\n") << "";
        QTest::newRow("slash in the employer name")
            << QByteArray("Employer Name\nA/B Tools\n") << "\"A/B Tools\" holds the character /";
        QTest::newRow("apostrophe in the city")
            << QByteArray("City\nCoeur d'Alene\n") << "\"Coeur d'Alene\" holds the character '";
        QTest::newRow("slash in the city") << QByteArray("City\nA/B\n") << "";
        QTest::newRow("contact at the 20 characters kept") << QByteArray("1096 Contact\nAbcdefghij Klmnopqrs\n") << "";
        QTest::newRow("contact beyond them")
            << QByteArray("1096 Contact\nAbcdefghij Klmnopqrst\n") << "longer than the 20 characters";
        QTest::newRow("state ID beyond its 15")
            << QByteArray("State ID\n1234567890123456\n") << "longer than the 15 characters";
        QTest::newRow("a check box") << QByteArray("Final Return\nmaybe\n") << "is not a check box value";
        QTest::newRow("the employer name emptied") << QByteArray("Employer Name,City\n,Salem\n") << "";
    }

    void eachBoxKeepsItsOwnRule()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, problem);
        const CompanySetupImport read = ReadCompanySetupCsv(Table(csv), print_fixture::Company());
        if (problem.isEmpty()) {
            QVERIFY2(read.Accepted(), read.Accepted() ? "" : qPrintable(read.problems.front().message));
            return;
        }
        QCOMPARE(read.problems.size(), size_t(1));
        QCOMPARE(read.problems.front().line, 2);
        QCOMPARE(read.problems.front().column, 0);
        QVERIFY2(read.problems.front().message.contains(problem), qPrintable(read.problems.front().message));
        QCOMPARE(read.company, print_fixture::Company());
    }

    // The samples of the README and the help page read as they are, every
    // column a box's.
    void theDocumentedSamplesRead()
    {
        const std::pair<const char*, const char*> sources[] = {
            {"README.md", "```csv company\n(.*?)```"},
            {"resources/help/formlark2005.html", "<pre class=\"csv company\"><code>(.*?)</code></pre>"},
        };
        for (const auto& [file, pattern] : sources) {
            QFile source(QStringLiteral(FORMLARK_SOURCE_DIR "/") + QLatin1String(file));
            QVERIFY(source.open(QIODevice::ReadOnly));
            const QRegularExpression block(QLatin1String(pattern), QRegularExpression::DotMatchesEverythingOption);
            const QRegularExpressionMatch sample = block.match(QString::fromUtf8(source.readAll()));
            QVERIFY2(sample.hasMatch(), file);
            const CompanySetupImport read = ReadCompanySetupCsv(Table(sample.captured(1).toUtf8()), CompanyRecord());
            QVERIFY2(read.Accepted(), read.Accepted() ? file : qPrintable(read.problems.front().message));
            QCOMPARE(read.unmappedColumns, QStringList());
            QCOMPARE(read.company.EmployerName.Text(), QStringLiteral("Tide Bakery Inc"));
        }
    }

    // A company without an employer name (a damaged store) gets none from
    // a file that leaves it out: refused as the company setup refuses it.
    void anEmptyEmployerNameIsRefused()
    {
        CompanyRecord stored = print_fixture::Company();
        stored.EmployerName = "";
        const CompanySetupImport read = ReadCompanySetupCsv(Table("City\nSalem\n"), stored);
        QCOMPARE(read.problems.size(), size_t(1));
        QCOMPARE(read.problems.front().message, QString::fromUtf8(kEmptyEmployerName));
    }
};

FORMLARK_TEST_GUILESS_MAIN(CompanySetupCsvTest)
#include "CompanySetupCsvTest.moc"
