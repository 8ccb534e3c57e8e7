#include "tests/support/DocumentFixture.h"

#include "core/store/CompanyStore.h"

DocumentFixture::DocumentFixture(const CompanyData& seed)
{
    path = folders.DataFolder() + QStringLiteral("Test Company.pmt");
    if (!WriteCompanyStore(path, seed))
        return;
    doc.SetDataFolder(folders.DataFolder());
    doc.SetCurrentCompany(QStringLiteral("Test Company"), path);
    ready = doc.LoadCurrentCompany();
}

CompanyData DocumentFixture::Stored() const
{
    CompanyStore store;
    CompanyData data;
    LoadCompany(store, path, data);
    return data;
}
