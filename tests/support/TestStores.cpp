#include "tests/support/TestStores.h"

#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"

#include <QtTest>

void MakeStore(const QString& folder, const QString& fileName, const QString& employerName)
{
    CompanyData data;
    data.company.EmployerName = employerName;
    QVERIFY(WriteCompanyStore(folder + fileName, data));
}

void MakeStoreWithStaff(const QString& folder, const QString& fileName, const QString& employerName,
                        const QList<int>& employeeIds, const QList<int>& contractorIds)
{
    CompanyData data;
    data.company.EmployerName = employerName;
    data.company.City = "Springfield";
    int formId = 100;
    for (int id : employeeIds) {
        EmployeeRecord e;
        e.EmployeeUniqueID = id;
        e.FirstName = QStringLiteral("Employee %1").arg(id);
        e.SocialSecurityNumber = "123-45-6789";
        data.employees.push_back(e);
        W2Record w;
        w.W2UniqueID = formId++;
        w.EmployeeUniqueID = id;
        w.Wages = "50000.00";
        w.RetirementPlan = 1;
        w.State1 = "IL";
        data.w2s.push_back(w);
    }
    formId = 100;
    for (int id : contractorIds) {
        ContractorRecord c;
        c.ContractorUniqueID = id;
        c.FirstName = QStringLiteral("Contractor %1").arg(id);
        c.SecondTIN = 1;
        data.contractors.push_back(c);
        Form1099Record f;
        f.Form1099UniqueID = formId++;
        f.ContractorUniqueID = id;
        f.Rents = "1200.00";
        f.PayerMadeDirectSales = 1;
        data.forms1099.push_back(f);
    }
    const QString path = folder + fileName;
    QVERIFY(WriteCompanyStore(path, data));
    CompanyStore store;
    QCOMPARE(store.OpenExisting(path), 0);
    QCOMPARE(store.Execute("INSERT INTO W3 (W3UniqueID, CompanyUniqueID, Wages) VALUES (1, 1, '99.00');"), 0);
    QCOMPARE(store.Execute("INSERT INTO Form1096 VALUES (1, 1, 7, 0, 0, 0, 0);"), 0);
}
