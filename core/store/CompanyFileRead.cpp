#include "core/store/CompanyFileRead.h"

#include "core/store/CompanyStore.h"
#include "core/store/EarlierStoreReader.h"
#include "core/store/StoreFileKind.h"

CompanyFileRead ReadCompanyFile(const QString& path, CompanyData& data)
{
    CompanyFileRead result;
    if (StoreFileKindOf(path) == StoreFileKind::Earlier) {
        result.earlierEdition = true;
        result.read = ReadEarlierStore(path, data, &result.problem);
        return result;
    }
    CompanyStore store;
    result.read = LoadCompany(store, path, data) == CompanyStore::kOk;
    if (!result.read)
        result.problem = store.LastFailure();
    return result;
}
