#pragma once

#include <QObject>

class CGlobalDoc;

// Every employee has exactly one W-2: it comes with the employee and goes
// with it. The employee screen reports each new and each deleted employee
// here; the W-2 is created or deleted in the document's W-2 list and the
// change is written to the store at once. The W-2 screen listens to the
// signals to choose the employee it shows.
//
// A new W-2 gets 1 + the largest W-2 id of the list; when the list is empty
// it gets the remembered next id instead, which starts at 1 and is set to
// 1 + the largest W-2 id just before each W-2 is deleted, so the id of a
// W-2 deleted last is not handed out again while the program runs.
class EmployeeW2Forms : public QObject {
    Q_OBJECT

public:
    explicit EmployeeW2Forms(CGlobalDoc& document, QObject* parent = nullptr);

    // The id the next new W-2 gets.
    int NextW2Id() const;
    int RememberedNextW2Id() const { return rememberedNextW2Id_; }

    // Appends the empty W-2 of the new employee `employeeId` and writes it.
    // Returns its index in the W-2 list.
    int EmployeeAdded(int employeeId);
    // Deletes the W-2 of the employee `employeeId` and writes the deletion.
    // Returns the former index of the (first) deleted W-2, or -1 when the
    // employee had none.
    int EmployeeDeleted(int employeeId);

signals:
    void w2Added(int employeeId, int w2Index);
    void w2Deleted(int employeeId, int formerW2Index);

private:
    CGlobalDoc& document_;
    int rememberedNextW2Id_ = 1;
};
