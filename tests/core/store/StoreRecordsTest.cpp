// Records through the store: every field of every table written and read
// back, texts with apostrophes, stored texts longer than their field, and
// the rules of row collection.
#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"
#include "core/store/IdAllocation.h"
#include "core/store/RecordColumns.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Gives every column of a record a value of its own: texts hold the
// column's name with an apostrophe in front (cut to the field), numbers
// count up from `first`.
template <class Record>
Record Distinct(int first)
{
    Record r;
    int number = first;
    VisitColumns(r, [&](const ColumnSpec& column, auto& field) {
        using Field = std::remove_cvref_t<decltype(field)>;
        if constexpr (kIsIntegerColumn<Field>)
            field = number++;
        else if constexpr (kIsKeptColumn<Field>)
            field = QStringLiteral("'") + QLatin1String(column.name);
    });
    return r;
}

W2Record DistinctW2(int id, int employee)
{
    W2Record w = Distinct<W2Record>(0);
    w.W2UniqueID = id;
    w.EmployeeUniqueID = employee;
    return w;
}

Form1099Record Distinct1099(int id, int contractor)
{
    Form1099Record f = Distinct<Form1099Record>(0);
    f.Form1099UniqueID = id;
    f.ContractorUniqueID = contractor;
    return f;
}

CompanyRecord DistinctCompany()
{
    CompanyRecord c;
    c.EmployerName = "O'Neil Ltd";
    c.Address1 = "1 King's Road";
    c.Address2 = "'Address2";
    c.City = "'City";
    c.State = "'S";
    c.Zip = "'Zip";
    c.EmployerIdentificationNumber = "'EIN";
    c.StateID = "'StateID";
    c.SocialSecurityNumber = "'SSN";
    c.FormW3ControlNumber = "'Control";
    c.FormW3EstablishmentNumber = "'Establishment";
    c.FormW3OtherEIN = "'OtherEIN";
    c.FormW3ThirdPartySickPay = "'SickPay";
    c.FormW3IncomeTaxWithHeld = "'TaxWithHeld";
    c.FormW3ContactName = "'W3Contact";
    c.FormW3Telephone = "'W3Phone";
    c.FormW3Email = "'W3Email";
    c.FormW3Fax = "'W3Fax";
    c.FormW3RadioKindOfPayer = 4;
    c.FormW3CheckThirdPartySickPay = 1;
    c.Form1096ContactName = "'1096Contact";
    c.Form1096Telephone = "'1096Phone";
    c.Form1096Fax = "'1096Fax";
    c.Form1096Email = "'1096Email";
    c.Form1096CheckIsThisYourFinalReturn = 1;
    c.CompanyUniqueID = 1;
    return c;
}

EmployeeRecord Employee(int id, const QString& first)
{
    EmployeeRecord e;
    e.EmployeeUniqueID = id;
    e.SocialSecurityNumber = "'123-45-6789";
    e.FirstName = first;
    e.MiddleName = "'M";
    e.LastName = "O'Brien";
    e.Address1 = "'Address1";
    e.Address2 = "'Address2";
    e.City = "'City";
    e.State = "'S";
    e.Zip = "'Zip";
    return e;
}

ContractorRecord Contractor(int id)
{
    ContractorRecord c;
    c.ContractorUniqueID = id;
    c.IdentificationNumber = "'98-76543";
    c.FirstName = "D'Arcy";
    c.MiddleName = "'M";
    c.LastName = "'Last";
    c.Address1 = "'Address1";
    c.Address2 = "'Address2";
    c.City = "'City";
    c.State = "'S";
    c.Zip = "'Zip";
    c.AccountNumber = "'Account";
    c.SecondTIN = 1;
    return c;
}

struct NewStore {
    QTemporaryDir dir;
    QString path = dir.filePath("Test.pmt");
    CompanyStore store;
    NewStore() { QVERIFY(CreateCompanyStore(store, path) == 0); }

    CompanyData Load()
    {
        CompanyData data;
        CompanyStore reader;
        [&] { QCOMPARE(LoadCompany(reader, path, data), 0); }();
        return data;
    }
};

} // namespace

class StoreRecordsTest : public QObject {
    Q_OBJECT

private slots:
    void everyFieldRoundTripsWithApostrophes()
    {
        NewStore s;
        const CompanyRecord company = DistinctCompany();
        QCOMPARE(s.store.InsertCompany(company, 1), 0);
        QCOMPARE(s.store.InsertEmployee(Employee(3, "Ann"), 3), 0);
        QCOMPARE(s.store.InsertContractor(Contractor(5), 5), 0);
        QCOMPARE(s.store.InsertW2(DistinctW2(7, 3), 7), 0);
        QCOMPARE(s.store.InsertForm1099(Distinct1099(9, 5), 9), 0);

        const CompanyData data = s.Load();
        QCOMPARE(data.company, company);
        QCOMPARE(data.employees.size(), size_t(1));
        QCOMPARE(data.employees[0], Employee(3, "Ann"));
        QCOMPARE(data.contractors[0], Contractor(5));
        QCOMPARE(data.w2s[0], DistinctW2(7, 3));
        QCOMPARE(data.forms1099[0], Distinct1099(9, 5));
        QVERIFY(data.w3s.empty());
        QCOMPARE(data.form1096, Form1096Record{});
    }

    void updatesWriteEveryFieldOfTheirRow()
    {
        NewStore s;
        QCOMPARE(s.store.InsertCompany(CompanyRecord{}, 1), 0);
        QCOMPARE(s.store.InsertEmployee(EmployeeRecord{}, 3), 0);
        QCOMPARE(s.store.InsertContractor(ContractorRecord{}, 5), 0);
        W2Record blankW2;
        blankW2.W2UniqueID = 7;
        blankW2.EmployeeUniqueID = 3;
        QCOMPARE(s.store.InsertW2(blankW2, 7), 0);
        Form1099Record blank1099;
        blank1099.Form1099UniqueID = 9;
        blank1099.ContractorUniqueID = 5;
        QCOMPARE(s.store.InsertForm1099(blank1099, 9), 0);

        QCOMPARE(s.store.UpdateCompany(DistinctCompany()), 0);
        QCOMPARE(s.store.UpdateEmployee(Employee(3, "Bea"), 3), 0);
        QCOMPARE(s.store.UpdateContractor(Contractor(5), 5), 0);
        // W-2 and 1099-MISC updates keep the ids; every other column changes.
        W2Record w2 = DistinctW2(7, 3);
        QCOMPARE(s.store.UpdateW2(w2), 0);
        Form1099Record f = Distinct1099(9, 5);
        QCOMPARE(s.store.UpdateForm1099(f), 0);

        const CompanyData data = s.Load();
        QCOMPARE(data.company, DistinctCompany());
        QCOMPARE(data.employees[0], Employee(3, "Bea"));
        QCOMPARE(data.contractors[0], Contractor(5));
        QCOMPARE(data.w2s[0], w2);
        QCOMPARE(data.forms1099[0], f);
    }

    void statementsEscapeEveryQuote()
    {
        NewStore s;
        EmployeeRecord e = Employee(1, "'); DROP TABLE W2;--");
        QCOMPARE(e.FirstName.Text(), QStringLiteral("'); DROP TABLE W2;--"));
        QCOMPARE(s.store.InsertEmployee(e, 1), 0);
        // The value is bound to the statement, never a part of its text.
        QVERIFY(!s.store.Statement().contains("DROP"));
        const CompanyData data = s.Load();
        QCOMPARE(data.employees.size(), size_t(1));
        QCOMPARE(data.employees[0].FirstName.Text(), e.FirstName.Text());
        QCOMPARE(s.store.SelectW2(), 0); // the table is still there
    }

    void deletesRemoveByTheirId()
    {
        NewStore s;
        for (int id : {1, 2, 3}) {
            QCOMPARE(s.store.InsertEmployee(Employee(id, "E"), id), 0);
            QCOMPARE(s.store.InsertContractor(Contractor(id), id), 0);
            QCOMPARE(s.store.InsertW2(DistinctW2(id, id), id), 0);
            QCOMPARE(s.store.InsertForm1099(Distinct1099(id, id), id), 0);
        }
        QCOMPARE(s.store.DeleteEmployee(2), 0);
        QCOMPARE(s.store.DeleteContractor(1), 0);
        QCOMPARE(s.store.DeleteW2(3), 0);
        QCOMPARE(s.store.DeleteForm1099(2), 0);
        const CompanyData data = s.Load();
        auto ids = [](const auto& list, auto member) {
            QList<int> out;
            for (const auto& r : list)
                out << r.*member;
            return out;
        };
        QCOMPARE(ids(data.employees, &EmployeeRecord::EmployeeUniqueID), QList<int>({1, 3}));
        QCOMPARE(ids(data.contractors, &ContractorRecord::ContractorUniqueID), QList<int>({2, 3}));
        QCOMPARE(ids(data.w2s, &W2Record::W2UniqueID), QList<int>({1, 2}));
        QCOMPARE(ids(data.forms1099, &Form1099Record::Form1099UniqueID), QList<int>({1, 3}));
    }

    void companyUpdateRewritesEveryRow()
    {
        NewStore s;
        QCOMPARE(s.store.InsertCompany(CompanyRecord{}, 1), 0);
        QCOMPARE(s.store.InsertCompany(CompanyRecord{}, 2), 0);
        CompanyRecord c;
        c.EmployerName = "Both";
        QCOMPARE(s.store.UpdateCompany(c), 0);
        QStringList names;
        s.store.Execute("SELECT EmployerName FROM Company", [&](int, char** v, char**) {
            names << QString::fromUtf8(v[0]);
            return 0;
        });
        QCOMPARE(names, QStringList({"Both", "Both"}));
    }

    void onlyTheFirst1099OfAContractorIsLoaded()
    {
        NewStore s;
        Form1099Record first = Distinct1099(1, 4);
        Form1099Record second = Distinct1099(2, 4);
        second.Rents = "second";
        Form1099Record other = Distinct1099(3, 5);
        QCOMPARE(s.store.InsertForm1099(first, 1), 0);
        QCOMPARE(s.store.InsertForm1099(second, 2), 0);
        QCOMPARE(s.store.InsertForm1099(other, 3), 0);
        const CompanyData data = s.Load();
        QCOMPARE(data.forms1099.size(), size_t(2));
        QCOMPARE(data.forms1099[0], first);
        QCOMPARE(data.forms1099[1], other);
    }

    void storedValuesFromOtherSoftwareAreTamed()
    {
        // A text longer than its field is cut to the field; NULL reads as
        // empty; a number that is no number reads as 0; a short row as empty.
        NewStore s;
        QCOMPARE(s.store.Execute("INSERT INTO Company (CompanyUniqueID, EmployerName, City, FormW3RadioKindOfPayer) "
                                 "VALUES (1, 'A name that is far longer than thirty characters', NULL, 'x')"),
                 0);
        QCOMPARE(s.store.Execute("INSERT INTO Employees (EmployeeUniqueID, FirstName) VALUES (4, 'Núñez')"), 0);
        const CompanyData data = s.Load();
        QCOMPARE(data.company.EmployerName.Text(), QStringLiteral("A name that is far longer than"));
        QCOMPARE(data.company.City.Text(), QString());
        QCOMPARE(data.company.FormW3RadioKindOfPayer, 0);
        QCOMPARE(data.company.CompanyUniqueID, 1);
        QCOMPARE(data.employees[0].FirstName.Text(), QStringLiteral("Núñez"));
        QCOMPARE(data.employees[0].LastName.Text(), QString());
    }

    void everyStatementGetsAllItsValues()
    {
        NewStore s;
        const auto check = [&](int rc) {
            QCOMPARE(rc, 0);
            QVERIFY2(!s.store.Statement().contains("%s") && !s.store.Statement().contains("%d"),
                     s.store.Statement().constData());
        };
        check(s.store.InsertCompany(DistinctCompany(), 1));
        check(s.store.UpdateCompany(DistinctCompany()));
        check(s.store.InsertEmployee(Employee(1, "A"), 1));
        check(s.store.UpdateEmployee(Employee(1, "A"), 1));
        check(s.store.InsertContractor(Contractor(1), 1));
        check(s.store.UpdateContractor(Contractor(1), 1));
        check(s.store.InsertW2(DistinctW2(1, 1), 1));
        check(s.store.UpdateW2(DistinctW2(1, 1)));
        check(s.store.InsertForm1099(Distinct1099(1, 1), 1));
        check(s.store.UpdateForm1099(Distinct1099(1, 1)));
        QCOMPARE(s.store.CurrentQueryKind(), CompanyStore::kForm1099Query);
        QCOMPARE(s.store.CurrentOperation(), CompanyStore::kUpdate);
        // The unused general-information column: empty on insert, a blank
        // on update.
        QStringList general;
        s.store.Execute("SELECT '[' || GenearlInformation || ']' FROM Form1099", [&](int, char** v, char**) {
            general << QString::fromUtf8(v[0]);
            return 0;
        });
        QCOMPARE(general, QStringList({"[ ]"}));
    }

    void withoutAnOpenStoreNothingRuns()
    {
        CompanyStore store;
        QCOMPARE(store.InsertEmployee(Employee(1, "A"), 1), 1);
        QVERIFY(store.Statement().isEmpty());
        QCOMPARE(store.CurrentQueryKind(), CompanyStore::kEmployeesQuery);
    }

    void newIdsFollowTheLargest_data()
    {
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<int>("next");
        QTest::newRow("empty list") << QList<int>{} << 1;
        QTest::newRow("one") << QList<int>{1} << 2;
        QTest::newRow("gaps after deletions") << QList<int>{2, 7} << 8;
        QTest::newRow("unordered") << QList<int>{9, 3, 4} << 10;
    }

    void newIdsFollowTheLargest()
    {
        QFETCH(QList<int>, ids);
        QFETCH(int, next);
        EmployeeList list;
        for (int id : ids)
            list.push_back(Employee(id, "E"));
        QCOMPARE(NextUniqueId(list, &EmployeeRecord::EmployeeUniqueID), next);
    }
};

FORMLARK_TEST_GUILESS_MAIN(StoreRecordsTest)
#include "StoreRecordsTest.moc"
