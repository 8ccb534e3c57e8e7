// Stores of the earlier Windows editions: read without any engine to
// exactly the rows that engine answers, turned into this edition's records,
// converted into stores of this edition with the original kept, and refused
// whole (with nothing written) when damaged or left in the middle of a
// change.
#include "core/import/CsvExport.h"
#include "core/store/CompanyData.h"
#include "core/store/CompanyFileRead.h"
#include "core/store/CompanyStore.h"
#include "core/store/EarlierStoreFile.h"
#include "core/store/EarlierStoreReader.h"
#include "core/companyfiles/StoreConversion.h"
#include "core/store/StoreFileKind.h"
#include "tests/support/EarlierStoreWriter.h"
#include "tests/support/RecordBuilders.h"
#include "tests/support/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

QString Fixture(const QString& name)
{
    return EarlierStoreFixture(name);
}

// A value as the fixtures' .expected files show it: NULL, or the bytes in
// quotes with \ and ' escaped and other bytes outside 0x20-0x7E as \xhh.
QByteArray Shown(const EarlierStoreFile::Value& value)
{
    if (!value)
        return "NULL";
    QByteArray shown = "'";
    for (char c : *value) {
        const auto b = uchar(c);
        if (c == '\\' || c == '\'')
            shown += '\\' + QByteArray(1, c);
        else if (b < 0x20 || b > 0x7E)
            shown += "\\x" + QByteArray::number(b, 16).rightJustified(2, '0');
        else
            shown += c;
    }
    return shown + "'";
}

// Every table of a parsed store in the .expected form.
QByteArray Rendered(const EarlierStoreFile& file)
{
    QByteArray text;
    std::vector<EarlierStoreFile::Value> values;
    QByteArray key;
    for (const EarlierStoreFile::Table& table : file.Tables()) {
        const QByteArray& name = table.declared.name;
        text += "table " + name + "\ncolumns " + table.declared.columns.join('|') + '\n';
        for (const EarlierStoreFile::Row& row : table.rows) {
            EarlierStoreFile::RowValues(table, row, values, key);
            QByteArrayList cells;
            for (const auto& value : values)
                cells << Shown(value);
            text += "row " + cells.join('|') + '\n';
        }
        text += "end " + name + " rows=" + QByteArray::number(qsizetype(table.rows.size())) + '\n';
    }
    return text;
}

CompanyData Read(const QString& path)
{
    CompanyData data;
    QString problem;
    if (!ReadEarlierStore(path, data, &problem))
        qWarning("%s", qPrintable(problem));
    return data;
}

template <class Record>
const Record* WithId(const std::vector<Record>& list, int Record::*id, int value)
{
    for (const Record& record : list)
        if (record.*id == value)
            return &record;
    return nullptr;
}

QByteArray PeopleCsv(const CompanyData& data)
{
    return ExportPeopleCsv(PeopleKind::Employees, data) + ExportPeopleCsv(PeopleKind::Contractors, data);
}

void CompareCompanies(const CompanyData& a, const CompanyData& b)
{
    QVERIFY(a.company == b.company);
    QVERIFY(a.employees == b.employees);
    QVERIFY(a.contractors == b.contractors);
    QVERIFY(a.w2s == b.w2s);
    QVERIFY(a.forms1099 == b.forms1099);
    QVERIFY(a.w3s == b.w3s);
    QVERIFY(a.form1096 == b.form1096);
}

// Bytes of a fixture with `patch` written at `offset`.
QByteArray Patched(const QByteArray& bytes, qsizetype offset, const QByteArray& patch)
{
    QByteArray changed = bytes;
    changed.replace(offset, patch.size(), patch);
    return changed;
}

QByteArray Le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(value >> (8 * i));
    return bytes;
}

constexpr qsizetype kPage = 1024;

} // namespace

class EarlierStoreReaderTest : public QObject {
    Q_OBJECT

private slots:
    // The whole of every fixture, every table, row and value, as the
    // earlier engine itself answered it.
    void fixturesReadAsTheEngineAnswers_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Legacy Sample", "Legacy Many", "Legacy Deleted", "Legacy Text"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void fixturesReadAsTheEngineAnswers()
    {
        QFETCH(QString, name);
        EarlierStoreFile file;
        QVERIFY2(file.Parse(FileBytes(Fixture(name + ".pmt"))), qPrintable(file.Problem()));
        const QList<QByteArray> read = Rendered(file).split('\n');
        const QList<QByteArray> expected = FileBytes(Fixture(name + ".expected")).split('\n');
        for (qsizetype i = 0; i < std::min(read.size(), expected.size()); ++i)
            QVERIFY2(read[i] == expected[i],
                     qPrintable(QStringLiteral("line %1:\n%2\n%3")
                                    .arg(i + 1)
                                    .arg(QString::fromLatin1(read[i]), QString::fromLatin1(expected[i]))));
        QCOMPARE(read.size(), expected.size());
    }

    // The fixtures as records: counts, ids and the values their notes list,
    // texts in Unicode, cut to the fields' capacities as every store's are.
    void fixturesReadIntoRecords()
    {
        using Check = std::function<QString(const CompanyData&)>;
        // The text `field` of the record with id `id` in the list `list`.
        auto text = [](auto list, auto idField, int id, auto field) {
            return [=](const CompanyData& d) {
                const auto* record = WithId(d.*list, idField, id);
                return record ? QString((*record).*field) : QStringLiteral("<none>");
            };
        };
        auto employee = [&](int id, auto field) {
            return text(&CompanyData::employees, &EmployeeRecord::EmployeeUniqueID, id, field);
        };
        auto w2 = [&](int id, auto field) { return text(&CompanyData::w2s, &W2Record::W2UniqueID, id, field); };
        auto contractor = [&](int id, auto field) {
            return text(&CompanyData::contractors, &ContractorRecord::ContractorUniqueID, id, field);
        };
        auto form = [&](int id, auto field) {
            return text(&CompanyData::forms1099, &Form1099Record::Form1099UniqueID, id, field);
        };
        auto number = [](auto get) { return [=](const CompanyData& d) { return QString::number(get(d)); }; };
        auto ids = [](auto list, auto id, int count) {
            return [=](const CompanyData& d) {
                QStringList shown;
                for (const auto& record : d.*list)
                    if (shown.size() < count)
                        shown << QString::number(record.*id);
                return shown.join(u',');
            };
        };
        struct Expected {
            const char* file;
            const char* what;
            Check check;
            QString value;
        };
        const Expected table[] = {
            {"Legacy Sample", "company name", [](const CompanyData& d) { return d.company.EmployerName.Text(); },
             "Cedar Hollow Bakery"},
            {"Legacy Sample", "company id", number([](const CompanyData& d) { return d.company.CompanyUniqueID; }),
             "1"},
            {"Legacy Sample", "EIN", [](const CompanyData& d) { return d.company.EmployerIdentificationNumber.Text(); },
             "12-3456789"},
            {"Legacy Sample", "state ID", [](const CompanyData& d) { return d.company.StateID.Text(); }, "0412-7788"},
            {"Legacy Sample", "contact", [](const CompanyData& d) { return d.company.FormW3ContactName.Text(); },
             "Ruth Ann Miller"},
            {"Legacy Sample", "kind of payer",
             number([](const CompanyData& d) { return d.company.FormW3RadioKindOfPayer; }), "0"},
            {"Legacy Sample", "employee ids", ids(&CompanyData::employees, &EmployeeRecord::EmployeeUniqueID, 9),
             "1,2,3,4"},
            {"Legacy Sample", "employee 2", employee(2, &EmployeeRecord::LastName), "Okafor"},
            {"Legacy Sample", "W-2 1 wages", w2(1, &W2Record::Wages), "41250.00"},
            {"Legacy Sample", "W-2 1 box 14", w2(1, &W2Record::Other1), "UNION 312.00"},
            // A code of two letters is kept whole, never cut into another
            // code (the check reports it).
            {"Legacy Sample", "W-2 1 box 12b code", w2(1, &W2Record::Field12bCode), "DD"},
            {"Legacy Sample", "W-2 1 box 12b", w2(1, &W2Record::Field12bAmount), "5120.40"},
            {"Legacy Sample", "W-2 1 retirement plan",
             number([](const CompanyData& d) { return d.w2s.at(0).RetirementPlan; }), "1"},
            {"Legacy Sample", "W-2 2 second state", w2(2, &W2Record::State2), "NH"},
            {"Legacy Sample", "W-2 3 locality", w2(3, &W2Record::LocalityName1), "NHMPTN"},
            {"Legacy Sample", "W-2 4 statutory employee",
             number([](const CompanyData& d) { return d.w2s.at(3).StatutoryEmployee; }), "1"},
            {"Legacy Sample", "contractor ids",
             ids(&CompanyData::contractors, &ContractorRecord::ContractorUniqueID, 9), "1,2,3"},
            {"Legacy Sample", "second TIN of 2",
             number([](const CompanyData& d) { return d.contractors.at(1).SecondTIN; }), "1"},
            {"Legacy Sample", "1099 2 rents", form(2, &Form1099Record::Rents), "14400.00"},
            {"Legacy Sample", "1099 3 box 15b", form(3, &Form1099Record::Field15B), "612.00"},
            {"Legacy Many", "employees", number([](const CompanyData& d) { return d.employees.size(); }), "3000"},
            {"Legacy Many", "W-2 forms", number([](const CompanyData& d) { return d.w2s.size(); }), "3000"},
            {"Legacy Many", "1099 forms", number([](const CompanyData& d) { return d.forms1099.size(); }), "500"},
            {"Legacy Many", "employee 1", employee(1, &EmployeeRecord::LastName), "Ivanov"},
            {"Legacy Many", "employee 3000", employee(3000, &EmployeeRecord::City), "Greenfield"},
            {"Legacy Many", "W-2 2999 wages", w2(2999, &W2Record::Wages), "57490.81"},
            {"Legacy Many", "W-2 3000 box 2", w2(3000, &W2Record::FederalIncomeTaxWithdrawal), "6396.66"},
            {"Legacy Many", "1099 500 box 7", form(500, &Form1099Record::NonemployeeCompensation), "14145.00"},
            {"Legacy Deleted", "employees", number([](const CompanyData& d) { return d.employees.size(); }), "200"},
            {"Legacy Deleted", "first employee ids", ids(&CompanyData::employees, &EmployeeRecord::EmployeeUniqueID, 4),
             "1,5,9,13"},
            {"Legacy Deleted", "contractors", number([](const CompanyData& d) { return d.contractors.size(); }), "49"},
            {"Legacy Deleted", "contractor ids around the gap",
             [](const CompanyData& d) {
                 return QString::number(d.contractors.at(28).ContractorUniqueID) + u','
                        + QString::number(d.contractors.at(29).ContractorUniqueID);
             },
             "29,101"},
            {"Legacy Deleted", "final return",
             number([](const CompanyData& d) { return d.company.Form1096CheckIsThisYourFinalReturn; }), "1"},
            {"Legacy Text", "company name", [](const CompanyData& d) { return d.company.EmployerName.Text(); },
             QStringLiteral("O'Neil & S\u00f6hne \"B\u00e4ckerei\"")},
            {"Legacy Text", "address", [](const CompanyData& d) { return d.company.Address1.Text(); },
             QStringLiteral("K\u00f6nigstra\u00dfe 12, Hof 3")},
            {"Legacy Text", "euro sign", [](const CompanyData& d) { return d.company.FormW3ThirdPartySickPay.Text(); },
             QStringLiteral("100% \u20ac")},
            {"Legacy Text", "contact", [](const CompanyData& d) { return d.company.FormW3ContactName.Text(); },
             QStringLiteral("Zo\u00eb \u00c5ngstr\u00f6m")},
            {"Legacy Text", "employee 1", employee(1, &EmployeeRecord::FirstName), QStringLiteral("Jos\u00e9")},
            {"Legacy Text", "typographic quote", employee(1, &EmployeeRecord::Address1),
             QStringLiteral("5, Rue de l\u2019\u00c9glise")},
            {"Legacy Text", "backslash and bar", employee(2, &EmployeeRecord::Address2),
             QStringLiteral("Path C:\\Temp|x")},
            {"Legacy Text", "every text empty", employee(3, &EmployeeRecord::FirstName), ""},
            {"Legacy Text", "as printf text", w2(3, &W2Record::Other2), "%d %s"},
            {"Legacy Text", "1099 box 15a", form(1, &Form1099Record::Field15A), "a,b,c"},
            // NULL where the program always wrote a value: empty, or 0.
            {"Legacy Text", "NULL text", contractor(9, &ContractorRecord::IdentificationNumber), ""},
            {"Legacy Text", "NULL number", number([](const CompanyData& d) {
                 const auto* c = WithId(d.contractors, &ContractorRecord::ContractorUniqueID, 9);
                 return c ? c->SecondTIN : -1;
             }),
             "0"},
            {"Legacy Text", "NULL form field", form(9, &Form1099Record::Rents), ""},
        };
        QMap<QString, CompanyData> read;
        for (const Expected& row : table) {
            const QString file = QString::fromLatin1(row.file);
            if (!read.contains(file))
                read.insert(file, Read(Fixture(file + ".pmt")));
            QVERIFY2(row.check(read[file]) == row.value,
                     qPrintable(QStringLiteral("%1, %2: \"%3\", not \"%4\"")
                                    .arg(file, QLatin1String(row.what), row.check(read[file]), row.value)));
        }
    }

    // Both byte orders, both file format numbers, rows on interior pages,
    // and a value long enough for 3-byte record offsets across many
    // overflow pages: what the fixtures don't show.
    void eitherByteOrderAndFormatReads_data()
    {
        QTest::addColumn<bool>("bigEndian");
        QTest::addColumn<int>("format");
        QTest::newRow("little-endian, format 3") << false << 3;
        QTest::newRow("big-endian, format 3") << true << 3;
        QTest::newRow("big-endian, format 4") << true << 4;
    }

    void eitherByteOrderAndFormatReads()
    {
        QFETCH(bool, bigEndian);
        QFETCH(int, format);
        EmployeeList employees;
        W2List w2s;
        for (int id = 1; id <= 400; ++id) {
            employees.push_back(MakeEmployee(id * 3, QStringLiteral("100-00-%1").arg(id, 4, 10, QChar('0')),
                                             QStringLiteral("M\u00fcller %1").arg(id), QStringLiteral("Last")));
            W2Record w = MakeW2(id, id * 3);
            w.Wages = QStringLiteral("%1.00").arg(id * 100);
            w2s.push_back(w);
        }
        const CompanyData company = MakeCompany(QStringLiteral("Byte Order \u20ac Co"), employees, w2s,
                                                {MakeContractor(7, "12-3456789", "Ann", "Ames")}, {MakeForm1099(1, 7)});
        CompanyData read;
        QString problem;
        QVERIFY2(ReadEarlierStoreBytes(EarlierStoreOf(company, {bigEndian, quint32(format)}), read, &problem),
                 qPrintable(problem));
        CompareCompanies(read, company);

        const QByteArray longText(70'000, 'x');
        EarlierTableRows notes{"CREATE TABLE Notes(NoteID INTEGER PRIMARY KEY, Body TEXT, Extra TEXT)",
                               {{-5, {std::nullopt, longText, std::nullopt}}, {2, {std::nullopt, "short", ""}}}};
        EarlierStoreFile file;
        QVERIFY2(file.Parse(WriteEarlierStoreBytes({notes}, {bigEndian, quint32(format)})), qPrintable(file.Problem()));
        const EarlierStoreFile::Table* table = file.FindTable("notes");
        QVERIFY(table);
        QCOMPARE(int(table->rows.size()), 2);
        std::vector<EarlierStoreFile::Value> values;
        QByteArray key;
        EarlierStoreFile::RowValues(*table, table->rows[0], values, key);
        QCOMPARE(*values[0], QByteArrayView("-5"));
        QCOMPARE(values[1]->size(), longText.size());
        QVERIFY(!values[2]);
        EarlierStoreFile::RowValues(*table, table->rows[1], values, key);
        QCOMPARE(*values[2], QByteArrayView(""));
    }

    // Columns are found by name: another order, other letter case, and a
    // column of no use still read right; a missing column is refused.
    void columnsAreMatchedByName()
    {
        const QByteArray version = "CREATE TABLE Version(FormlarkVersion NVARCHAR(16))";
        auto store = [&](const QByteArray& employees) {
            QList<EarlierTableRows> tables;
            tables.push_back({version, {{1, {QByteArray("1")}}}});
            for (CompanyStore::QueryKind kind :
                 {CompanyStore::kCompanyQuery, CompanyStore::kContractorsQuery, CompanyStore::kW2Query,
                  CompanyStore::kForm1099Query, CompanyStore::kW3Query, CompanyStore::kForm1096Query}) {
                QByteArray definition = CompanyStore::TableDefinition(kind).replace("%d", "9");
                definition.chop(1);
                tables.push_back({definition, {}});
            }
            tables.push_back({employees,
                              {{12,
                                {QByteArray("Zed"), QByteArray("x"), std::nullopt, QByteArray("123-45-6789"),
                                 QByteArray("Ann"), QByteArray("Q"), QByteArray("a"), QByteArray("b"), QByteArray("c"),
                                 QByteArray("d"), QByteArray("OR"), QByteArray("97201")}}}});
            return WriteEarlierStoreBytes(tables);
        };
        CompanyData data;
        QString problem;
        QVERIFY2(ReadEarlierStoreBytes(
                     store("CREATE TABLE employees (LastName NVARCHAR(21), Extra TEXT, \"employeeuniqueid\" INTEGER "
                           "PRIMARY KEY, SocialSecurityNumber NVARCHAR(13), FirstName, MiddleName, Address1, "
                           "Address2, City, CompanyUniqueID, State, Zip)"),
                     data, &problem),
                 qPrintable(problem));
        QCOMPARE(int(data.employees.size()), 1);
        const EmployeeRecord& e = data.employees.front();
        QCOMPARE(e.EmployeeUniqueID, 12);
        QCOMPARE(e.LastName.Text(), QStringLiteral("Zed"));
        QCOMPARE(e.FirstName.Text(), QStringLiteral("Ann"));
        QCOMPARE(e.SocialSecurityNumber.Text(), QStringLiteral("123-45-6789"));
        QCOMPARE(e.State.Text(), QStringLiteral("OR"));

        QVERIFY(!ReadEarlierStoreBytes(store("CREATE TABLE Employees(LastName, Extra, EmployeeUniqueID INTEGER PRIMARY "
                                             "KEY, SSN, FirstName, MiddleName, Address1, Address2, City, "
                                             "CompanyUniqueID, State, Zip)"),
                                       data, &problem));
        QCOMPARE(problem, QStringLiteral("its table Employees has no column SocialSecurityNumber"));
        QVERIFY(!ReadEarlierStoreBytes(store("CREATE TABLE Employees(LastName, Extra, EmployeeUniqueID INT PRIMARY "
                                             "KEY, SocialSecurityNumber, FirstName, MiddleName, Address1, Address2, "
                                             "City, CompanyUniqueID, State, Zip)"),
                                       data, &problem));
        QCOMPARE(problem, QStringLiteral("its table Employees does not number its rows by EmployeeUniqueID"));
    }

    // Converting: a store of this edition with the same rows and ids that
    // exports the same CSV as the direct read, the original kept byte for
    // byte as "<name>.pmt.2005" (a free variant when that is taken).
    void conversionKeepsEverything_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Legacy Sample", "Legacy Many", "Legacy Deleted", "Legacy Text"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void conversionKeepsEverything()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString store = dir.filePath(name + ".pmt");
        const QByteArray original = FileBytes(Fixture(name + ".pmt"));
        QVERIFY(WriteFileBytes(store, original));
        CompanyData direct;
        QVERIFY(ReadCompanyFile(store, direct).read);
        // An older original kept from before: the new one goes beside it.
        QVERIFY(WriteFileBytes(store + ".2005", "older"));

        const QString kept = KeptOriginalPath(store);
        QCOMPARE(kept, dir.filePath(name + ".pmt.2005-2"));
        QString problem;
        QVERIFY2(ConvertEarlierStore(store, kept, &problem), qPrintable(problem));

        QCOMPARE(StoreFileKindOf(store), StoreFileKind::Current);
        QCOMPARE(FileBytes(kept), original);
        QCOMPARE(FileBytes(store + ".2005"), QByteArray("older"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList({name + ".pmt", name + ".pmt.2005", name + ".pmt.2005-2"}));
        CompanyData converted;
        CompanyStore engine;
        QCOMPARE(LoadCompany(engine, store, converted), 0);
        engine.Close();
        CompareCompanies(converted, direct);
        QCOMPARE(PeopleCsv(converted), PeopleCsv(direct));
    }

    // A damaged file, or one the earlier edition left in the middle of a
    // change, is refused whole with a clear message; nothing is written and
    // the file (and its journal) stay as they were.
    void damagedStoresAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<QString>("message");
        const QByteArray sample = FileBytes(Fixture("Legacy Sample.pmt"));
        const QByteArray many = FileBytes(Fixture("Legacy Many.pmt"));
        QByteArray formatTwoJournal("\xd9\xd5\x05\xf9\x20\xa1\x63\xd5\x00\x00\x00\x27", 12);
        formatTwoJournal += QByteArray("\x00\x00\x00\x06", 4) + sample.mid(5 * kPage, kPage);
        const QString damaged = QStringLiteral("of an earlier edition of the program can't be read: it is damaged (");
        QTest::newRow("cut inside a page")
            << sample.left(sample.size() - 100) << QByteArray() << damaged + "its size is not a whole number of pages";
        QTest::newRow("cut at a page boundary") << many.left(900 * kPage) << QByteArray() << damaged + "a tree page";
        QTest::newRow("page number outside the file") << Patched(sample, kPage, Le32(99)) << QByteArray()
                                                      << damaged + "a tree page 99 lies outside the file of 21 pages";
        QTest::newRow("cycle: a page is its own child")
            << Patched(sample, kPage, Le32(2)) << QByteArray() << damaged + "page 2 is used twice";
        QTest::newRow("cycle: a deeper child points back to the root")
            << Patched(many, 431 * kPage, Le32(6)) << QByteArray() << damaged + "page 6 is used twice";
        // Employee 1's cell claims 900 bytes of data: it runs into the next.
        QTest::newRow("record longer than its page") << Patched(sample, 5 * kPage + 8 + 10, QByteArray("\x84\x03", 2))
                                                     << QByteArray() << damaged + "page 6 holds what no page may";
        QTest::newRow("overflow chain longer than its row") << Patched(sample, 8 * kPage, Le32(9)) << QByteArray()
                                                            << damaged + "a row's overflow pages go on past its end";
        QTest::newRow("format of a later engine")
            << Patched(sample, 72, Le32(5)) << QByteArray()
            << QStringLiteral("written by an engine generation this program doesn't read (file format 5)");
        QTest::newRow("leftover journal") << sample << formatTwoJournal
                                          << QStringLiteral("was being changed when the earlier edition stopped; "
                                                            "open it once in that edition, or restore a backup");
        QTest::newRow("leftover journal of one byte")
            << sample << QByteArray(1, '\xd9') << QStringLiteral("was being changed when the earlier edition stopped");
    }

    void damagedStoresAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, journal);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString store = dir.filePath("Quarry.pmt");
        QVERIFY(WriteFileBytes(store, bytes));
        if (!journal.isEmpty())
            QVERIFY(WriteFileBytes(store + "-journal", journal));
        const QStringList before = FolderSnapshot(dir.path());

        CompanyData data = MakeCompany("Kept");
        const CompanyFileRead read = ReadCompanyFile(store, data);
        QVERIFY(!read.read && read.earlierEdition);
        QString problem = read.problem;
        QVERIFY2(problem.contains(message), qPrintable(problem));
        QVERIFY2(problem.startsWith(QStringLiteral("The company file \"%1\"").arg(QDir::toNativeSeparators(store))),
                 qPrintable(problem));
        QCOMPARE(data.company.EmployerName.Text(), QStringLiteral("Kept")); // nothing half read

        QVERIFY(!ConvertEarlierStore(store, KeptOriginalPath(store), &problem));
        QVERIFY2(problem.contains(message), qPrintable(problem));
        QVERIFY(!ConvertEarlierStoreTo(store, dir.filePath("Copy.pmt"), &problem));
        // The engine of this edition never opens it, so never takes the
        // journal for its own.
        CompanyStore engine;
        QVERIFY(engine.Open(store) != 0);
        QVERIFY(LoadCompany(engine, store, data) != 0);
        engine.Close();

        QCOMPARE(FolderSnapshot(dir.path()), before);
        QCOMPARE(FileBytes(store), bytes);
    }

    // An empty journal holds no change to take back: the store reads.
    void emptyJournalIsNoChange()
    {
        QTemporaryDir dir;
        const QString store = dir.filePath("Cedar.pmt");
        QVERIFY(QFile::copy(Fixture("Legacy Sample.pmt"), store));
        QVERIFY(WriteFileBytes(store + "-journal", QByteArray()));
        CompanyData data;
        const CompanyFileRead read = ReadCompanyFile(store, data);
        QVERIFY2(read.read, qPrintable(read.problem));
        QCOMPARE(int(data.employees.size()), 4);
        QVERIFY(QFileInfo::exists(store + "-journal"));
    }

    // Which files are stores of which edition, told from their first bytes.
    void storeKinds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTemporaryDir dir;
        const QString current = dir.filePath("Current.pmt");
        QVERIFY(WriteCompanyStore(current, MakeCompany("Current")));
        const QByteArray sample = FileBytes(Fixture("Legacy Sample.pmt"));
        QTest::newRow("this edition's store") << FileBytes(current) << int(StoreFileKind::Current);
        QTest::newRow("this edition's header alone") << FileBytes(current).left(4096) << int(StoreFileKind::Current);
        QTest::newRow("earlier store") << sample << int(StoreFileKind::Earlier);
        QTest::newRow("earlier store, big-endian")
            << EarlierStoreOf(MakeCompany("Big"), {true, 3}) << int(StoreFileKind::Earlier);
        QTest::newRow("earlier store without its format number")
            << Patched(sample, 68, QByteArray(8, '\0')) << int(StoreFileKind::Earlier);
        QTest::newRow("earlier store of four pages")
            << EarlierStoreOf(CompanyData{}).left(4 * kPage) << int(StoreFileKind::Earlier);
        QTest::newRow("this edition's store, image damaged")
            << Patched(FileBytes(current), 4096, "XQLite") << int(StoreFileKind::Earlier);
        QTest::newRow("other magic") << Patched(sample, 59, QByteArray(1, '\0')) << int(StoreFileKind::Foreign);
        QTest::newRow("stock engine file")
            << QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\0') << int(StoreFileKind::Foreign);
        QTest::newRow("empty") << QByteArray() << int(StoreFileKind::Empty);
    }

    void storeKinds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("Some.pmt");
        QVERIFY(WriteFileBytes(path, bytes));
        QCOMPARE(int(StoreFileKindOf(path)), kind);
        QCOMPARE(int(StoreFileKindOf(dir.filePath("Missing.pmt"))), int(StoreFileKind::Missing));
    }
};

FORMLARK_TEST_GUILESS_MAIN(EarlierStoreReaderTest)
#include "EarlierStoreReaderTest.moc"
