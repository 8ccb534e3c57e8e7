#include "core/document/ContractorRecords.h"

#include "core/document/GlobalDoc.h"
#include "core/records/StateTable.h"
#include "core/document/RecordKeeping.h"

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
    ContractorList& list = document_.Contractors();
    AddResult result;
    result.refusal = CheckNewContractor(record, list);
    if (!result.Added())
        return result;
    result = AppendRecord(document_, list, &ContractorRecord::ContractorUniqueID, ChangeRecord::kContractor, std::move(record));
    document_.Forms1099OfContractors().ContractorAdded(result.id);
    return result;
}

bool ContractorRecords::Modify(int index, int id, ContractorRecord record)
{
    return ReplaceRecord(document_, document_.Contractors(), &ContractorRecord::ContractorUniqueID, ChangeRecord::kContractor, index, id,
                         std::move(record));
}

bool ContractorRecords::Delete(int index, int id)
{
    if (!RemoveRecord(document_, document_.Contractors(), &ContractorRecord::ContractorUniqueID, ChangeRecord::kContractor, index, id))
        return false;
    document_.Forms1099OfContractors().ContractorDeleted(id);
    return true;
}
