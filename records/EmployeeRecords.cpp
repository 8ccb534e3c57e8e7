#include "records/EmployeeRecords.h"

#include "app/GlobalDoc.h"
#include "store/RecordLookup.h"
#include "store/IdAllocation.h"

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
    EmployeeList& employees = document_.Employees();
    AddResult result;
    result.refusal = CheckNewEmployee(record, employees);
    if (!result.Added())
        return result;
    record.EmployeeUniqueID = NextUniqueId(employees, &EmployeeRecord::EmployeeUniqueID);
    employees.push_back(record);
    result.index = int(employees.size()) - 1;
    result.id = record.EmployeeUniqueID;
    document_.SaveChange({ChangeRecord::kEmployee, ChangeRecord::kInsert, result.index, result.id, 0});
    document_.W2FormsOfEmployees().EmployeeAdded(result.id);
    return result;
}

bool EmployeeRecords::Modify(int index, int id, EmployeeRecord record)
{
    EmployeeList& employees = document_.Employees();
    index = FindRecordIndex(employees, &EmployeeRecord::EmployeeUniqueID, index, id);
    if (index < 0)
        return false;
    EmployeeRecord& stored = employees[size_t(index)];
    record.EmployeeUniqueID = stored.EmployeeUniqueID;
    if (record == stored)
        return false;
    stored = record;
    document_.SaveChange({ChangeRecord::kEmployee, ChangeRecord::kUpdate, index, record.EmployeeUniqueID, 0});
    return true;
}

bool EmployeeRecords::Delete(int index, int id)
{
    EmployeeList& employees = document_.Employees();
    index = FindRecordIndex(employees, &EmployeeRecord::EmployeeUniqueID, index, id);
    if (index < 0)
        return false;
    employees.erase(employees.begin() + index);
    document_.SaveChange({ChangeRecord::kEmployee, ChangeRecord::kDelete, index, id, 0});
    document_.W2FormsOfEmployees().EmployeeDeleted(id);
    return true;
}
