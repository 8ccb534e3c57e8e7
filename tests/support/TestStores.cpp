#include "tests/support/TestStores.h"

#include "core/store/CompanyData.h"

#include <QtTest>

void MakeStore(const QString& folder, const QString& fileName, const QString& employerName)
{
    CompanyData data;
    data.company.EmployerName = employerName;
    QVERIFY(WriteCompanyStore(folder + fileName, data));
}
