#include "core/records/RecordChecks.h"

#include "core/records/StateTable.h"

QString CheckNewEmployee(const EmployeeRecord& candidate, const EmployeeList& employees)
{
    if (candidate.SocialSecurityNumber.IsEmpty())
        return QLatin1String(EmployeeMessages::kSsnEmpty);
    for (const EmployeeRecord& employee : employees)
        if (employee.SocialSecurityNumber.Text() == candidate.SocialSecurityNumber.Text())
            return QLatin1String(EmployeeMessages::kSsnAssigned);
    if (candidate.FirstName.IsEmpty())
        return QLatin1String(EmployeeMessages::kFirstNameEmpty);
    if (candidate.LastName.IsEmpty())
        return QLatin1String(EmployeeMessages::kLastNameEmpty);
    return QString();
}

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
        return QLatin1String(ContractorMessages::kStateNotChosen);
    if (candidate.Zip.IsEmpty())
        return QLatin1String(ContractorMessages::kZipEmpty);
    return QString();
}
