#pragma once

#include "core/document/ChangeRecord.h"
#include "core/document/CommitProgress.h"
#include "core/document/EditedCompany.h"
#include "core/records/PersonAndForm.h"
#include "core/store/Records.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

// A new employee or contractor: refused with the message of the check it
// failed, or added at `index` with `id`.
struct AddedRecord {
    QString refusal;
    int index = -1;
    int id = -1;
    SaveOutcome outcome = SaveOutcome::Unchanged;
    bool Added() const { return refusal.isEmpty(); }
};

// What an import of people did with its rows.
struct ImportedPeople {
    int added = 0;
    int updated = 0;
    int unchanged = 0;    // rows equal to their person and form already
    QStringList refusals; // the check each refused new person failed
    SaveOutcome outcome = SaveOutcome::Unchanged;
};

// The one way the screens change the open company. Each operation is what
// the user meant by one confirmed action: it changes the document's lists,
// allocates ids, keeps one W-2 per employee and one 1099-MISC per contractor,
// and writes all changes of the action to the store together, all or none.
// While the document may not write (the company is open in another program),
// every operation changes nothing: the user is told why (a new record is
// refused with that reason instead) and Unchanged is returned.
//
// A new W-2 gets 1 + the largest W-2 id of the list; when the list is empty
// it gets the remembered next id instead, which starts at 1 and is set to
// 1 + the largest W-2 id just before each W-2 is deleted, so the id of a
// W-2 deleted last is not handed out again while the program runs. A new
// 1099-MISC gets 1 + the largest id of its list (1 for an empty list).
class CompanyEditor : public QObject {
    Q_OBJECT

public:
    explicit CompanyEditor(EditedCompany& document, QObject* parent = nullptr);

    // The company row: replaced by `record` (which keeps the company's id);
    // when the employer name was changed, the company takes it as its name
    // (and its store file that name at the end of the run).
    SaveOutcome UpdateCompany(const CompanyRecord& record);

    // Checks `record` as a new employee; if it passes, gives it the next id
    // and adds it with its empty W-2.
    AddedRecord AddEmployee(EmployeeRecord record);
    // Replaces the employee of (index, id) by `record`, which keeps the
    // stored id, unless every field is equal. Nothing is checked: a changed
    // employee may share another's number.
    SaveOutcome ModifyEmployee(int index, int id, EmployeeRecord record);
    // Removes the employee of (index, id) with every W-2 of it.
    SaveOutcome DeleteEmployee(int index, int id);
    // Replaces the W-2 of the employee `employeeId` by `record`, which keeps
    // the stored ids, unless the boxes are equal (the first state line is
    // the company's and not compared). An employee without a W-2 (a damaged
    // store) gets one.
    SaveOutcome SaveW2(int employeeId, W2Record record);

    // As for employees, with the contractor's 1099-MISC.
    AddedRecord AddContractor(ContractorRecord record);
    SaveOutcome ModifyContractor(int index, int id, ContractorRecord record);
    SaveOutcome DeleteContractor(int index, int id);
    SaveOutcome Save1099(int contractorId, Form1099Record record);

    // People with their forms brought in from a list, as one action: a row
    // whose number (social security or identification number) is that of a
    // person of the company (see PersonKey) replaces that person and their
    // form, which keep their ids; any other row is checked as a new person
    // and, if it passes, added with its form under the next ids. All changes
    // are written together. `progress` hears how far the writing is and may
    // stop it: then the people and forms are as before the import, in
    // memory and in the store (outcome Cancelled, nothing counted).
    ImportedPeople ImportEmployees(const std::vector<EmployeeWithW2>& rows, const CommitProgress& progress = {});
    ImportedPeople ImportContractors(const std::vector<ContractorWith1099>& rows, const CommitProgress& progress = {});

    // The ids the next new forms get.
    int NextW2Id() const;
    int RememberedNextW2Id() const { return rememberedNextW2Id_; }
    int NextForm1099Id() const;

signals:
    // The records one action changed (kind, id and operation of each), once
    // it is done: written, or kept in memory for the next Save. The
    // screens showing such records are brought up to date from this.
    void recordsChanged(const ChangeQueue& changes);
    // The form screens choose the record they show from these.
    void employeeAdded(int employeeId, int w2Index);
    void employeeDeleted(int employeeId, int formerW2Index);
    void contractorAdded(int contractorId, int formIndex);
    void contractorDeleted(int contractorId, int formerFormIndex);

private:
    // Writes the changes of one action and says what changed.
    SaveOutcome Write(const std::vector<ChangeRecord>& changes, const CommitProgress& progress = {});

    EditedCompany& document_;
    int rememberedNextW2Id_ = 1;
};
