#include "core/document/EmployeeRecords.h"

#include "core/document/GlobalDoc.h"
#include "core/document/RecordKeeping.h"

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

EmployeeRecords::AddResult EmployeeRecords::Add(EmployeeRecord record)
{
    EmployeeList& list = document_.Employees();
    AddResult result;
    result.refusal = CheckNewEmployee(record, list);
    if (!result.Added())
        return result;
    result = AppendRecord(document_, list, &EmployeeRecord::EmployeeUniqueID, ChangeRecord::kEmployee, std::move(record));
    document_.W2FormsOfEmployees().EmployeeAdded(result.id);
    return result;
}

bool EmployeeRecords::Modify(int index, int id, EmployeeRecord record)
{
    return ReplaceRecord(document_, document_.Employees(), &EmployeeRecord::EmployeeUniqueID, ChangeRecord::kEmployee, index, id,
                         std::move(record));
}

bool EmployeeRecords::Delete(int index, int id)
{
    if (!RemoveRecord(document_, document_.Employees(), &EmployeeRecord::EmployeeUniqueID, ChangeRecord::kEmployee, index, id))
        return false;
    document_.W2FormsOfEmployees().EmployeeDeleted(id);
    return true;
}
