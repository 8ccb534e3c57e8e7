#include "records/ContractorRecords.h"

#include "app/GlobalDoc.h"
#include "store/RecordLookup.h"
#include "records/StateTable.h"
#include "store/IdAllocation.h"

QString CheckNewContractor(const ContractorRecord& candidate, const ContractorList& contractors)
{
    if (candidate.IdentificationNumber.IsEmpty())
        return QLatin1String(ContractorMessages::kIdNumberEmpty);
    for (const ContractorRecord& contractor : contractors)
        if (contractor.IdentificationNumber.Text() == candidate.IdentificationNumber.Text())
            return QLatin1String(ContractorMessages::kIdNumberAssigned);
    if (candidate.FirstName.IsEmpty())
        return QLatin1String(ContractorMessages::kFirstNameEmpty);
    if (candidate.LastName.IsEmpty())
        return QLatin1String(ContractorMessages::kLastNameEmpty);
    if (candidate.Address1.IsEmpty())
        return QLatin1String(ContractorMessages::kAddress1Empty);
    if (candidate.City.IsEmpty())
        return QLatin1String(ContractorMessages::kCityEmpty);
    // The dialog always has a state selected; a record without one counts
    // as the blank entry.
    if (candidate.State.IsEmpty() || candidate.State.Text() == QLatin1String(kNoState))
        return QLatin1String(ContractorMessages::kNoState);
    if (candidate.Zip.IsEmpty())
        return QLatin1String(ContractorMessages::kZipEmpty);
    return QString();
}

ContractorRecords::AddResult ContractorRecords::Add(ContractorRecord record)
{
    ContractorList& contractors = document_.Contractors();
    AddResult result;
    result.refusal = CheckNewContractor(record, contractors);
    if (!result.Added())
        return result;
    record.ContractorUniqueID = NextUniqueId(contractors, &ContractorRecord::ContractorUniqueID);
    contractors.push_back(record);
    result.index = int(contractors.size()) - 1;
    result.id = record.ContractorUniqueID;
    document_.SaveChange({ChangeRecord::kContractor, ChangeRecord::kInsert, result.index, result.id, 0});
    document_.Forms1099OfContractors().ContractorAdded(result.id);
    return result;
}

bool ContractorRecords::Modify(int index, int id, ContractorRecord record)
{
    ContractorList& contractors = document_.Contractors();
    index = FindRecordIndex(contractors, &ContractorRecord::ContractorUniqueID, index, id);
    if (index < 0)
        return false;
    ContractorRecord& stored = contractors[size_t(index)];
    record.ContractorUniqueID = stored.ContractorUniqueID;
    if (record == stored)
        return false;
    stored = record;
    document_.SaveChange({ChangeRecord::kContractor, ChangeRecord::kUpdate, index, record.ContractorUniqueID, 0});
    return true;
}

bool ContractorRecords::Delete(int index, int id)
{
    ContractorList& contractors = document_.Contractors();
    index = FindRecordIndex(contractors, &ContractorRecord::ContractorUniqueID, index, id);
    if (index < 0)
        return false;
    contractors.erase(contractors.begin() + index);
    document_.SaveChange({ChangeRecord::kContractor, ChangeRecord::kDelete, index, id, 0});
    document_.Forms1099OfContractors().ContractorDeleted(id);
    return true;
}
