#pragma once

#include <QObject>

class CGlobalDoc;

// Every contractor has exactly one 1099-MISC: it comes with the contractor
// and goes with it. The contractor screen reports each new and each deleted
// contractor here; the form is created or deleted in the document's
// 1099-MISC list and the change is written to the store at once. The
// 1099-MISC screen listens to the signals to choose the contractor it shows.
//
// A new form gets 1 + the largest 1099-MISC id of the list, 1 for an empty
// list.
class Contractor1099Forms : public QObject {
    Q_OBJECT

public:
    explicit Contractor1099Forms(CGlobalDoc& document, QObject* parent = nullptr);

    // The id the next new 1099-MISC gets.
    int NextForm1099Id() const;

    // Appends the empty 1099-MISC of the new contractor `contractorId` and
    // writes it. Returns its index in the 1099-MISC list.
    int ContractorAdded(int contractorId);
    // Deletes the 1099-MISC of the contractor `contractorId` and writes the
    // deletion. Returns the former index of the (first) deleted form, or -1
    // when the contractor had none.
    int ContractorDeleted(int contractorId);

signals:
    void form1099Added(int contractorId, int formIndex);
    void form1099Deleted(int contractorId, int formerFormIndex);

private:
    CGlobalDoc& document_;
};
