#include "core/document/CompanyEditor.h"

#include "core/records/PersonKey.h"
#include "core/records/RecordChecks.h"
#include "core/store/IdAllocation.h"
#include "core/store/RecordLookup.h"

#include <QHash>

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
std::optional<ChangeRecord> SaveForm(std::vector<Form>& forms, int Form::*owner, int Form::*idMember, RecordKind kind,
                                     int ownerId, int newId, Form form, Same same)
{
    const int index = FindRecordIndex(forms, owner, -1, ownerId);
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

// Where a list of people with their forms keeps them, and how a new one is
// checked.
template <class Person, class Form>
struct PeopleTables {
    std::vector<Person>& people;
    std::vector<Form>& forms;
    int Person::*personId;
    int Form::*formId;
    int Form::*owner;
    RecordKind personKind;
    RecordKind formKind;
    QString (*number)(const Person&);
    QString (*checkNew)(const Person&);
};

// Adds or updates every row, matched by number; returns the changes in
// `changes`. Ids are counted on from the largest, so a list of thousands
// is gone through once.
template <class Person, class Form>
ImportedPeople ImportRows(const std::vector<PersonAndForm<Person, Form>>& rows, const PeopleTables<Person, Form>& t,
                          int nextFormId, std::vector<ChangeRecord>& changes)
{
    QHash<QString, int> byNumber;
    for (int i = int(t.people.size()) - 1; i >= 0; --i) // the first of a number wins
        if (const QString key = PersonKey(t.number(t.people[size_t(i)])); !key.isEmpty())
            byNumber.insert(key, i);
    QHash<int, int> formOf;
    for (int i = int(t.forms.size()) - 1; i >= 0; --i)
        formOf.insert(t.forms[size_t(i)].*t.owner, i);
    int nextPersonId = NextUniqueId(t.people, t.personId);

    ImportedPeople result;
    for (const PersonAndForm<Person, Form>& row : rows) {
        const QString key = PersonKey(t.number(row.person));
        Person person = row.person;
        Form form = row.form;
        const auto match = key.isEmpty() ? byNumber.constEnd() : byNumber.constFind(key);
        if (match == byNumber.constEnd()) {
            const QString refusal = t.checkNew(person);
            if (!refusal.isEmpty()) {
                result.refusals << refusal;
                continue;
            }
            person.*t.personId = nextPersonId++;
            t.people.push_back(person);
            byNumber.insert(key, int(t.people.size()) - 1);
            changes.push_back({t.personKind, ChangeOperation::Insert, int(t.people.size()) - 1, person.*t.personId});
            form.*t.owner = person.*t.personId;
            form.*t.formId = nextFormId++;
            t.forms.push_back(form);
            formOf.insert(form.*t.owner, int(t.forms.size()) - 1);
            changes.push_back({t.formKind, ChangeOperation::Insert, int(t.forms.size()) - 1, form.*t.formId});
            ++result.added;
            continue;
        }

        const int index = *match;
        Person& stored = t.people[size_t(index)];
        person.*t.personId = stored.*t.personId;
        const size_t before = changes.size();
        if (!(person == stored)) {
            stored = person;
            changes.push_back({t.personKind, ChangeOperation::Update, index, person.*t.personId});
        }
        form.*t.owner = person.*t.personId;
        const int formIndex = formOf.value(person.*t.personId, -1);
        if (formIndex >= 0) {
            Form& storedForm = t.forms[size_t(formIndex)];
            form.*t.formId = storedForm.*t.formId;
            if (!(form == storedForm)) {
                storedForm = form;
                changes.push_back({t.formKind, ChangeOperation::Update, formIndex, form.*t.formId});
            }
        } else {
            // A person without a form (a damaged store) gets one.
            form.*t.formId = nextFormId++;
            t.forms.push_back(form);
            formOf.insert(form.*t.owner, int(t.forms.size()) - 1);
            changes.push_back({t.formKind, ChangeOperation::Insert, int(t.forms.size()) - 1, form.*t.formId});
        }
        ++(changes.size() > before ? result.updated : result.unchanged);
    }
    return result;
}

// The import as one action: the rows into the lists, then all changes
// written together. When the user stops the writing, the lists are put
// back as they were, so nothing of the import stays.
template <class Person, class Form, class WriteAction>
ImportedPeople ImportPeople(const WriteAction& write, const std::vector<PersonAndForm<Person, Form>>& rows,
                            const PeopleTables<Person, Form>& t, int nextFormId, const CommitProgress& progress)
{
    const std::vector<Person> peopleBefore = progress ? t.people : std::vector<Person>();
    const std::vector<Form> formsBefore = progress ? t.forms : std::vector<Form>();
    std::vector<ChangeRecord> changes;
    ImportedPeople result = ImportRows(rows, t, nextFormId, changes);
    if (changes.empty())
        return result;
    result.outcome = write(changes, progress);
    if (result.outcome != SaveOutcome::Cancelled)
        return result;
    t.people = peopleBefore;
    t.forms = formsBefore;
    ImportedPeople cancelled;
    cancelled.outcome = SaveOutcome::Cancelled;
    return cancelled;
}

QString EmployeeNumber(const EmployeeRecord& employee)
{
    return employee.SocialSecurityNumber.Text();
}

QString ContractorNumber(const ContractorRecord& contractor)
{
    return contractor.IdentificationNumber.Text();
}

// The dialogs' checks of a new person; a number already in the company
// became an update before these are asked.
QString CheckImportedEmployee(const EmployeeRecord& employee)
{
    return CheckNewEmployee(employee, {});
}

QString CheckImportedContractor(const ContractorRecord& contractor)
{
    return CheckNewContractor(contractor, {});
}

} // namespace

CompanyEditor::CompanyEditor(EditedCompany& document, QObject* parent)
    : QObject(parent)
    , document_(document)
{
}

SaveOutcome CompanyEditor::Write(const std::vector<ChangeRecord>& changes, const CommitProgress& progress)
{
    const SaveOutcome outcome = document_.WriteChanges(changes, progress);
    // Kept changes are in memory all the same: the screens show them.
    if (outcome != SaveOutcome::Cancelled)
        emit recordsChanged(changes);
    return outcome;
}

int CompanyEditor::NextW2Id() const
{
    const W2List& forms = document_.Data().w2s;
    return forms.empty() ? rememberedNextW2Id_ : NextUniqueId(forms, &W2Record::W2UniqueID);
}

int CompanyEditor::NextForm1099Id() const
{
    return NextUniqueId(document_.Data().forms1099, &Form1099Record::Form1099UniqueID);
}

SaveOutcome CompanyEditor::UpdateCompany(const CompanyRecord& record)
{
    if (document_.RefuseWrite())
        return SaveOutcome::Unchanged;
    CompanyRecord& company = document_.Data().company;
    const int id = company.CompanyUniqueID;
    // The company's name (and with it the store file's) follows the
    // employer name only when that was changed: a store whose file is named
    // otherwise keeps its name.
    const bool renamed = company.EmployerName != record.EmployerName;
    company = record;
    company.CompanyUniqueID = id;
    if (renamed)
        document_.SetCompanyTitle(company.EmployerName.Text());
    else
        document_.SetCompanyTitle(std::nullopt);
    return Write({{RecordKind::Company, ChangeOperation::Update, -1, -1}});
}

// ---- employees ----

AddedRecord CompanyEditor::AddEmployee(EmployeeRecord record)
{
    EmployeeList& employees = document_.Data().employees;
    AddedRecord added;
    added.refusal = document_.CanWrite() ? CheckNewEmployee(record, employees) : document_.WriteRefusal();
    if (!added.Added())
        return added;
    record.EmployeeUniqueID = NextUniqueId(employees, &EmployeeRecord::EmployeeUniqueID);
    employees.push_back(record);
    added.index = int(employees.size()) - 1;
    added.id = record.EmployeeUniqueID;

    W2List& forms = document_.Data().w2s;
    W2Record w2;
    w2.W2UniqueID = NextW2Id();
    w2.EmployeeUniqueID = added.id;
    forms.push_back(w2);
    const int w2Index = int(forms.size()) - 1;

    added.outcome = Write({{RecordKind::Employee, ChangeOperation::Insert, added.index, added.id},
                           {RecordKind::W2, ChangeOperation::Insert, w2Index, w2.W2UniqueID}});
    emit employeeAdded(added.id, w2Index);
    return added;
}

SaveOutcome CompanyEditor::ModifyEmployee(int index, int id, EmployeeRecord record)
{
    if (document_.RefuseWrite())
        return SaveOutcome::Unchanged;
    const auto change = Replace(document_.Data().employees, &EmployeeRecord::EmployeeUniqueID, RecordKind::Employee,
                                index, id, std::move(record));
    return change ? Write({*change}) : SaveOutcome::Unchanged;
}

SaveOutcome CompanyEditor::DeleteEmployee(int index, int id)
{
    if (document_.RefuseWrite())
        return SaveOutcome::Unchanged;
    EmployeeList& employees = document_.Data().employees;
    index = FindRecordIndex(employees, &EmployeeRecord::EmployeeUniqueID, index, id);
    if (index < 0)
        return SaveOutcome::Unchanged;
    employees.erase(employees.begin() + index);
    std::vector<ChangeRecord> changes{{RecordKind::Employee, ChangeOperation::Delete, index, id}};

    W2List& forms = document_.Data().w2s;
    // A new W-2 of an emptied list takes the id after the last one deleted.
    const int formerW2Index = RemoveForms(forms, &W2Record::EmployeeUniqueID, &W2Record::W2UniqueID, RecordKind::W2, id,
                                          changes,
                                          [&] { rememberedNextW2Id_ = NextUniqueId(forms, &W2Record::W2UniqueID); });
    const SaveOutcome outcome = Write(changes);
    if (formerW2Index >= 0)
        emit employeeDeleted(id, formerW2Index);
    return outcome;
}

SaveOutcome CompanyEditor::SaveW2(int employeeId, W2Record record)
{
    if (document_.RefuseWrite())
        return SaveOutcome::Unchanged;
    if (!HasId(document_.Data().employees, &EmployeeRecord::EmployeeUniqueID, employeeId))
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
    const auto change = SaveForm(document_.Data().w2s, &W2Record::EmployeeUniqueID, &W2Record::W2UniqueID,
                                 RecordKind::W2, employeeId, NextW2Id(), std::move(record), sameBoxes);
    return change ? Write({*change}) : SaveOutcome::Unchanged;
}

// ---- contractors ----

AddedRecord CompanyEditor::AddContractor(ContractorRecord record)
{
    ContractorList& contractors = document_.Data().contractors;
    AddedRecord added;
    added.refusal = document_.CanWrite() ? CheckNewContractor(record, contractors) : document_.WriteRefusal();
    if (!added.Added())
        return added;
    record.ContractorUniqueID = NextUniqueId(contractors, &ContractorRecord::ContractorUniqueID);
    contractors.push_back(record);
    added.index = int(contractors.size()) - 1;
    added.id = record.ContractorUniqueID;

    Form1099List& forms = document_.Data().forms1099;
    Form1099Record form;
    form.Form1099UniqueID = NextForm1099Id();
    form.ContractorUniqueID = added.id;
    forms.push_back(form);
    const int formIndex = int(forms.size()) - 1;

    added.outcome = Write({{RecordKind::Contractor, ChangeOperation::Insert, added.index, added.id},
                           {RecordKind::Form1099, ChangeOperation::Insert, formIndex, form.Form1099UniqueID}});
    emit contractorAdded(added.id, formIndex);
    return added;
}

SaveOutcome CompanyEditor::ModifyContractor(int index, int id, ContractorRecord record)
{
    if (document_.RefuseWrite())
        return SaveOutcome::Unchanged;
    const auto change = Replace(document_.Data().contractors, &ContractorRecord::ContractorUniqueID,
                                RecordKind::Contractor, index, id, std::move(record));
    return change ? Write({*change}) : SaveOutcome::Unchanged;
}

SaveOutcome CompanyEditor::DeleteContractor(int index, int id)
{
    if (document_.RefuseWrite())
        return SaveOutcome::Unchanged;
    ContractorList& contractors = document_.Data().contractors;
    index = FindRecordIndex(contractors, &ContractorRecord::ContractorUniqueID, index, id);
    if (index < 0)
        return SaveOutcome::Unchanged;
    contractors.erase(contractors.begin() + index);
    std::vector<ChangeRecord> changes{{RecordKind::Contractor, ChangeOperation::Delete, index, id}};
    const int formerFormIndex = RemoveForms(document_.Data().forms1099, &Form1099Record::ContractorUniqueID,
                                            &Form1099Record::Form1099UniqueID, RecordKind::Form1099, id, changes,
                                            [] {});
    const SaveOutcome outcome = Write(changes);
    if (formerFormIndex >= 0)
        emit contractorDeleted(id, formerFormIndex);
    return outcome;
}

SaveOutcome CompanyEditor::Save1099(int contractorId, Form1099Record record)
{
    if (document_.RefuseWrite())
        return SaveOutcome::Unchanged;
    if (!HasId(document_.Data().contractors, &ContractorRecord::ContractorUniqueID, contractorId))
        return SaveOutcome::Unchanged;
    const auto sameBoxes = [](Form1099Record a, Form1099Record b) {
        a.Form1099UniqueID = b.Form1099UniqueID;
        a.ContractorUniqueID = b.ContractorUniqueID;
        return a == b;
    };
    const auto change = SaveForm(document_.Data().forms1099, &Form1099Record::ContractorUniqueID,
                                 &Form1099Record::Form1099UniqueID, RecordKind::Form1099, contractorId,
                                 NextForm1099Id(), std::move(record), sameBoxes);
    return change ? Write({*change}) : SaveOutcome::Unchanged;
}

// ---- imports ----

ImportedPeople CompanyEditor::ImportEmployees(const std::vector<EmployeeWithW2>& rows, const CommitProgress& progress)
{
    if (document_.RefuseWrite())
        return {};
    return ImportPeople([this](const auto& changes, const auto& step) { return Write(changes, step); }, rows,
                        PeopleTables<EmployeeRecord, W2Record>{document_.Data().employees, document_.Data().w2s,
                                                               &EmployeeRecord::EmployeeUniqueID, &W2Record::W2UniqueID,
                                                               &W2Record::EmployeeUniqueID, RecordKind::Employee,
                                                               RecordKind::W2, &EmployeeNumber, &CheckImportedEmployee},
                        NextW2Id(), progress);
}

ImportedPeople CompanyEditor::ImportContractors(const std::vector<ContractorWith1099>& rows,
                                                const CommitProgress& progress)
{
    if (document_.RefuseWrite())
        return {};
    return ImportPeople([this](const auto& changes, const auto& step) { return Write(changes, step); }, rows,
                        PeopleTables<ContractorRecord, Form1099Record>{document_.Data().contractors,
                                                                       document_.Data().forms1099,
                                                                       &ContractorRecord::ContractorUniqueID,
                                                                       &Form1099Record::Form1099UniqueID,
                                                                       &Form1099Record::ContractorUniqueID,
                                                                       RecordKind::Contractor, RecordKind::Form1099,
                                                                       &ContractorNumber, &CheckImportedContractor},
                        NextForm1099Id(), progress);
}
