#include "core/document/CompanyEditor.h"

#include "core/document/GlobalDoc.h"
#include "core/records/RecordChecks.h"
#include "core/store/IdAllocation.h"
#include "core/store/RecordLookup.h"

#include <optional>
#include <vector>

namespace {

// Replaces the record of (index, id) by `record`, which keeps the stored id,
// unless every field is equal. Returns the change to write, if any.
template <class Record>
std::optional<ChangeRecord> Replace(std::vector<Record>& list, int Record::*idMember, RecordKind kind, int index,
                                    int id, Record record)
{
    index = FindRecordIndex(list, idMember, index, id);
    if (index < 0)
        return std::nullopt;
    Record& stored = list[size_t(index)];
    record.*idMember = stored.*idMember;
    if (record == stored)
        return std::nullopt;
    stored = record;
    return ChangeRecord{kind, ChangeOperation::Update, index, record.*idMember};
}

// Removes every form of `ownerId` (an owner has one; should a store hold
// more, none may outlive the owner and go on counting in the totals).
// `beforeEach` runs just before a form goes. Returns the first removed
// index, or -1.
template <class Form, class BeforeEach>
int RemoveForms(std::vector<Form>& forms, int Form::*owner, int Form::*idMember, RecordKind kind, int ownerId,
                std::vector<ChangeRecord>& changes, BeforeEach beforeEach)
{
    int firstIndex = -1;
    for (int index = 0; index < int(forms.size());) {
        if (forms[size_t(index)].*owner != ownerId) {
            ++index;
            continue;
        }
        beforeEach();
        const int formId = forms[size_t(index)].*idMember;
        forms.erase(forms.begin() + index);
        if (firstIndex < 0)
            firstIndex = index;
        changes.push_back({kind, ChangeOperation::Delete, index, formId});
    }
    return firstIndex;
}

// Replaces the form of `ownerId` by `form` (which keeps the stored ids)
// unless `same` finds them equal; an owner without a form gets one with
// `newId`. Returns the change to write, if any.
template <class Form, class Same>
std::optional<ChangeRecord> SaveForm(std::vector<Form>& forms, int Form::*owner, int Form::*idMember,
                                     RecordKind kind, int ownerId, int newId, Form form, Same same)
{
    int index = -1;
    for (size_t i = 0; i < forms.size() && index < 0; ++i)
        if (forms[i].*owner == ownerId)
            index = int(i);
    const Form empty;
    const Form& stored = index >= 0 ? forms[size_t(index)] : empty;
    if (same(form, stored))
        return std::nullopt;
    form.*owner = ownerId;
    if (index < 0) {
        form.*idMember = newId;
        forms.push_back(form);
        return ChangeRecord{kind, ChangeOperation::Insert, int(forms.size()) - 1, newId};
    }
    form.*idMember = stored.*idMember;
    forms[size_t(index)] = form;
    return ChangeRecord{kind, ChangeOperation::Update, index, form.*idMember};
}

template <class Record>
bool HasId(const std::vector<Record>& list, int Record::*idMember, int id)
{
    return FindRecordIndex(list, idMember, -1, id) >= 0;
}

} // namespace

CompanyEditor::CompanyEditor(CGlobalDoc& document, QObject* parent)
    : QObject(parent)
    , document_(document)
{
}

int CompanyEditor::NextW2Id() const
{
    const W2List& forms = document_.W2Forms();
    return forms.empty() ? rememberedNextW2Id_ : NextUniqueId(forms, &W2Record::W2UniqueID);
}

int CompanyEditor::NextForm1099Id() const
{
    return NextUniqueId(document_.Forms1099(), &Form1099Record::Form1099UniqueID);
}

SaveOutcome CompanyEditor::UpdateCompany(const CompanyRecord& record)
{
    if (document_.RefuseWrite())
        return SaveOutcome::Unchanged;
    CompanyRecord& company = document_.Company();
    const int id = company.CompanyUniqueID;
    company = record;
    company.CompanyUniqueID = id;
    document_.SetCompanyTitle(company.EmployerName.Text());
    return document_.WriteChanges({{RecordKind::Company, ChangeOperation::Update, -1, -1}});
}

// ---- employees ----

AddedRecord CompanyEditor::AddEmployee(EmployeeRecord record)
{
    EmployeeList& employees = document_.Employees();
    AddedRecord added;
    added.refusal = document_.CanWrite() ? CheckNewEmployee(record, employees) : document_.WriteRefusal();
    if (!added.Added())
        return added;
    record.EmployeeUniqueID = NextUniqueId(employees, &EmployeeRecord::EmployeeUniqueID);
    employees.push_back(record);
    added.index = int(employees.size()) - 1;
    added.id = record.EmployeeUniqueID;

    W2List& forms = document_.W2Forms();
    W2Record w2;
    w2.W2UniqueID = NextW2Id();
    w2.EmployeeUniqueID = added.id;
    forms.push_back(w2);
    const int w2Index = int(forms.size()) - 1;

    added.outcome = document_.WriteChanges({{RecordKind::Employee, ChangeOperation::Insert, added.index, added.id},
                                            {RecordKind::W2, ChangeOperation::Insert, w2Index, w2.W2UniqueID}});
    emit employeeAdded(added.id, w2Index);
    return added;
}

SaveOutcome CompanyEditor::ModifyEmployee(int index, int id, EmployeeRecord record)
{
    if (document_.RefuseWrite())
        return SaveOutcome::Unchanged;
    const auto change = Replace(document_.Employees(), &EmployeeRecord::EmployeeUniqueID, RecordKind::Employee,
                                index, id, std::move(record));
    return change ? document_.WriteChanges({*change}) : SaveOutcome::Unchanged;
}

SaveOutcome CompanyEditor::DeleteEmployee(int index, int id)
{
    if (document_.RefuseWrite())
        return SaveOutcome::Unchanged;
    EmployeeList& employees = document_.Employees();
    index = FindRecordIndex(employees, &EmployeeRecord::EmployeeUniqueID, index, id);
    if (index < 0)
        return SaveOutcome::Unchanged;
    employees.erase(employees.begin() + index);
    std::vector<ChangeRecord> changes{{RecordKind::Employee, ChangeOperation::Delete, index, id}};

    W2List& forms = document_.W2Forms();
    // A new W-2 of an emptied list takes the id after the last one deleted.
    const int formerW2Index =
        RemoveForms(forms, &W2Record::EmployeeUniqueID, &W2Record::W2UniqueID, RecordKind::W2, id, changes,
                    [&] { rememberedNextW2Id_ = NextUniqueId(forms, &W2Record::W2UniqueID); });
    const SaveOutcome outcome = document_.WriteChanges(changes);
    if (formerW2Index >= 0)
        emit employeeDeleted(id, formerW2Index);
    return outcome;
}

SaveOutcome CompanyEditor::SaveW2(int employeeId, W2Record record)
{
    if (document_.RefuseWrite())
        return SaveOutcome::Unchanged;
    if (!HasId(document_.Employees(), &EmployeeRecord::EmployeeUniqueID, employeeId))
        return SaveOutcome::Unchanged;
    // The first state line shows the company's state and is not the W-2's
    // to change: it is written empty and never compared.
    const auto sameBoxes = [](W2Record a, W2Record b) {
        a.W2UniqueID = b.W2UniqueID;
        a.EmployeeUniqueID = b.EmployeeUniqueID;
        a.State1 = b.State1;
        a.StateID1 = b.StateID1;
        return a == b;
    };
    const auto change = SaveForm(document_.W2Forms(), &W2Record::EmployeeUniqueID, &W2Record::W2UniqueID,
                                 RecordKind::W2, employeeId, NextW2Id(), std::move(record), sameBoxes);
    return change ? document_.WriteChanges({*change}) : SaveOutcome::Unchanged;
}

// ---- contractors ----

AddedRecord CompanyEditor::AddContractor(ContractorRecord record)
{
    ContractorList& contractors = document_.Contractors();
    AddedRecord added;
    added.refusal = document_.CanWrite() ? CheckNewContractor(record, contractors) : document_.WriteRefusal();
    if (!added.Added())
        return added;
    record.ContractorUniqueID = NextUniqueId(contractors, &ContractorRecord::ContractorUniqueID);
    contractors.push_back(record);
    added.index = int(contractors.size()) - 1;
    added.id = record.ContractorUniqueID;

    Form1099List& forms = document_.Forms1099();
    Form1099Record form;
    form.Form1099UniqueID = NextForm1099Id();
    form.ContractorUniqueID = added.id;
    forms.push_back(form);
    const int formIndex = int(forms.size()) - 1;

    added.outcome =
        document_.WriteChanges({{RecordKind::Contractor, ChangeOperation::Insert, added.index, added.id},
                                {RecordKind::Form1099, ChangeOperation::Insert, formIndex, form.Form1099UniqueID}});
    emit contractorAdded(added.id, formIndex);
    return added;
}

SaveOutcome CompanyEditor::ModifyContractor(int index, int id, ContractorRecord record)
{
    if (document_.RefuseWrite())
        return SaveOutcome::Unchanged;
    const auto change = Replace(document_.Contractors(), &ContractorRecord::ContractorUniqueID,
                                RecordKind::Contractor, index, id, std::move(record));
    return change ? document_.WriteChanges({*change}) : SaveOutcome::Unchanged;
}

SaveOutcome CompanyEditor::DeleteContractor(int index, int id)
{
    if (document_.RefuseWrite())
        return SaveOutcome::Unchanged;
    ContractorList& contractors = document_.Contractors();
    index = FindRecordIndex(contractors, &ContractorRecord::ContractorUniqueID, index, id);
    if (index < 0)
        return SaveOutcome::Unchanged;
    contractors.erase(contractors.begin() + index);
    std::vector<ChangeRecord> changes{{RecordKind::Contractor, ChangeOperation::Delete, index, id}};
    const int formerFormIndex = RemoveForms(document_.Forms1099(), &Form1099Record::ContractorUniqueID,
                                            &Form1099Record::Form1099UniqueID, RecordKind::Form1099, id, changes, [] {});
    const SaveOutcome outcome = document_.WriteChanges(changes);
    if (formerFormIndex >= 0)
        emit contractorDeleted(id, formerFormIndex);
    return outcome;
}

SaveOutcome CompanyEditor::Save1099(int contractorId, Form1099Record record)
{
    if (document_.RefuseWrite())
        return SaveOutcome::Unchanged;
    if (!HasId(document_.Contractors(), &ContractorRecord::ContractorUniqueID, contractorId))
        return SaveOutcome::Unchanged;
    const auto sameBoxes = [](Form1099Record a, Form1099Record b) {
        a.Form1099UniqueID = b.Form1099UniqueID;
        a.ContractorUniqueID = b.ContractorUniqueID;
        return a == b;
    };
    const auto change = SaveForm(document_.Forms1099(), &Form1099Record::ContractorUniqueID,
                                 &Form1099Record::Form1099UniqueID, RecordKind::Form1099, contractorId,
                                 NextForm1099Id(), std::move(record), sameBoxes);
    return change ? document_.WriteChanges({*change}) : SaveOutcome::Unchanged;
}
