// Reading CSV files as spreadsheets write them, and writing them so that
// they read back the same.
#include "core/import/CsvTable.h"

#include <QtTest>

using Records = QList<QStringList>;

namespace {

Records RowsOf(const CsvTable& table)
{
    Records rows;
    for (const CsvRow& row : table.rows)
        rows << row.Values();
    return rows;
}

} // namespace

class CsvTableTest : public QObject {
    Q_OBJECT

private slots:
    void readsSpreadsheetFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<Records>("rows");
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("encoding");

        QTest::newRow("commas, LF") << QByteArray("SSN,First\n123-45-6789,Ann\n987-65-4321,Bo\n")
                                    << QStringList{"SSN", "First"}
                                    << Records{{"123-45-6789", "Ann"}, {"987-65-4321", "Bo"}} << QList<int>{2, 3} << ","
                                    << "UTF-8";
        QTest::newRow("UTF-8 mark, CRLF, no last line end")
            << QByteArray("\xEF\xBB\xBFSSN,City\r\n1,Malm\xC3\xB6\r\n2,Z\xC3\xBCrich") << QStringList{"SSN", "City"}
            << Records{{"1", "Malmö"}, {"2", "Zürich"}} << QList<int>{2, 3} << ","
            << "UTF-8";
        QTest::newRow("semicolons") << QByteArray("SSN;Wages;Name\r\n1;1.234,50;\"Lee, Ann\"\r\n")
                                    << QStringList{"SSN", "Wages", "Name"} << Records{{"1", "1.234,50", "Lee, Ann"}}
                                    << QList<int>{2} << ";"
                                    << "UTF-8";
        QTest::newRow("a comma in a quoted header is no separator")
            << QByteArray("\"Wages, tips\";SSN;Name\n1;2;3\n") << QStringList{"Wages, tips", "SSN", "Name"}
            << Records{{"1", "2", "3"}} << QList<int>{2} << ";"
            << "UTF-8";
        QTest::newRow("quotes, commas and line breaks inside quotes")
            << QByteArray("Name,Address,Note\r\n\"Lee, Ann\",\"12 \"\"Oak\"\" St\",\"two\r\nlines\"\r\nBo,x,y\r\n")
            << QStringList{"Name", "Address", "Note"}
            << Records{{"Lee, Ann", "12 \"Oak\" St", "two\nlines"}, {"Bo", "x", "y"}} << QList<int>{2, 4} << ","
            << "UTF-8";
        QTest::newRow("Windows-1252") << QByteArray("Name,Note\nJos\xE9,\x93quoted\x94 \x80 5\n")
                                      << QStringList{"Name", "Note"} << Records{{"José", "\u201Cquoted\u201D \u20AC 5"}}
                                      << QList<int>{2} << ","
                                      << "Windows-1252";
        QTest::newRow("Excel's sep= line") << QByteArray("sep=;\r\nA;B\r\n1,5;2\r\n") << QStringList{"A", "B"}
                                           << Records{{"1,5", "2"}} << QList<int>{3} << ";"
                                           << "UTF-8";
        QTest::newRow("blank lines and empty rows are left out")
            << QByteArray("\nA,B\n\n1,2\n,\n  , \n3,4\n") << QStringList{"A", "B"} << Records{{"1", "2"}, {"3", "4"}}
            << QList<int>{4, 7} << ","
            << "UTF-8";
        QTest::newRow("blanks around quotes, quote inside a value")
            << QByteArray("A,B,C\n \"x, y\" ,5\" ruler,\"\"\n") << QStringList{"A", "B", "C"}
            << Records{{"x, y", "5\" ruler", ""}} << QList<int>{2} << ","
            << "UTF-8";
        QTest::newRow("CR line ends") << QByteArray("A,B\r1,2\r3,4\r") << QStringList{"A", "B"}
                                      << Records{{"1", "2"}, {"3", "4"}} << QList<int>{2, 3} << ","
                                      << "UTF-8";
    }

    void readsSpreadsheetFiles()
    {
        QFETCH(QByteArray, bytes);
        const CsvTable table = ReadCsvTable(bytes);
        QVERIFY2(table.Readable(), qPrintable(table.error));
        QTEST(table.header, "header");
        QTEST(RowsOf(table), "rows");
        QTEST(QList<int>(table.lines.begin(), table.lines.end()), "lines");
        QTEST(QString(table.separator), "separator");
        QTEST(table.encoding, "encoding");
    }

    void refusesWhatIsNoTable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("line");
        QTest::newRow("unclosed quote") << QByteArray("A,B\n1,2\n3,\"open\n4,5\n")
                                        << "A value in quotes that starts on line 3 has no closing quote" << 3;
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFE"
                                              "A\0,\0B\0\n\0",
                                              10)
                                << "The file is not a CSV text file" << 0;
        QTest::newRow("empty") << QByteArray("\r\n\r\n") << "The file is empty" << 0;
        // A list of people has bounds; a file past them is refused as the
        // parse meets the first row or column too many, not after it was
        // all held in memory.
        QTest::newRow("one row more than a file may hold")
            << QByteArray("SSN,Name\n") + QByteArray("1,A\n").repeated(kMaxCsvRows + 1)
            << "The file has more than 100,000 rows; at most 100,000 people are imported from one file"
            << kMaxCsvRows + 2;
        QTest::newRow("one column more than a header may have")
            << QByteArray("SSN") + QByteArray(",C").repeated(kMaxCsvColumns) + "\n1\n"
            << "The header line has more than 1,000 columns" << 1;
        QTest::newRow("a header of columns without end")
            << QByteArray(",").repeated(4 << 20) << "The header line has more than 1,000 columns" << 1;
    }

    void refusesWhatIsNoTable()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const CsvTable table = ReadCsvTable(bytes);
        QVERIFY(!table.Readable());
        QVERIFY2(table.error.startsWith(error), qPrintable(table.error));
        QTEST(table.errorLine, "line");
    }

    // Up to the bounds everything is read; a row may have more values than
    // its header (the import says so), kept without a cost per value.
    void readsUpToItsBounds()
    {
        const CsvTable most = ReadCsvTable(QByteArray("SSN") + QByteArray(",C").repeated(kMaxCsvColumns - 1) + "\n"
                                           + QByteArray("1,2\n").repeated(kMaxCsvRows));
        QVERIFY2(most.Readable(), qPrintable(most.error));
        QCOMPARE(most.header.size(), qsizetype(kMaxCsvColumns));
        QCOMPARE(most.rows.size(), size_t(kMaxCsvRows));
        QCOMPARE(most.lines.back(), kMaxCsvRows + 1);

        const CsvTable wide = ReadCsvTable("A,B\n1,2,, ,x\n3,4,,\n");
        QCOMPARE(wide.rows.size(), size_t(2));
        const CsvRow& row = wide.rows.front();
        QCOMPARE(row.size(), qsizetype(5));
        QCOMPARE(row.Values(2), QStringList({"1", "2"}));
        QCOMPARE(row.Values(), QStringList({"1", "2", "", " ", "x"}));
        QVERIFY(row.AnyValueFrom(2));
        QVERIFY(!row.AnyValueFrom(5));
        QVERIFY(!wide.rows.back().AnyValueFrom(2)); // empty values only
        QCOMPARE(wide.rows.back().size(), qsizetype(4));
    }

    void writtenRecordsReadBackTheSame()
    {
        const std::vector<QStringList> records = {
            {"Name", "Note", "Amount"},
            {"Lee, Ann", "says \"hi\"", "1234.50"},
            {" padded ", "two\nlines", ""},
            {"Jos\u00E9", "a;b", "-3.00"},
        };
        const QByteArray bytes = WriteCsvRecords(records);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBFName,Note,Amount\r\n"));
        QVERIFY(bytes.contains("\"Lee, Ann\",\"says \"\"hi\"\"\",1234.50\r\n"));
        const CsvTable table = ReadCsvTable(bytes);
        QCOMPARE(table.encoding, QStringLiteral("UTF-8"));
        QCOMPARE(table.header, records.front());
        QCOMPARE(RowsOf(table), Records(records.begin() + 1, records.end()));
    }
};

FORMLARK_TEST_GUILESS_MAIN(CsvTableTest)
#include "CsvTableTest.moc"
