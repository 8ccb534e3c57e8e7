#pragma once

#include "gui/records/NameAddressBoxes.h"
#include "core/store/Records.h"

#include <QDialog>

class CCharFilterEdit;
class CDigitMaskEdit;
class CGlobalDoc;
class CStateComboBox;

// "Employee": one employee's number, name and address. Opened for a new
// employee (index and id -1) or for the employee of (index, id). OK on a new
// employee checks it and adds it (with its W-2), or tells what is missing
// and stays open; on an existing one it writes what changed, unchecked.
// Every OK of a new employee, taken or refused, refreshes the screens.
class CEmployeeDialog : public QDialog {
    Q_OBJECT

public:
    CEmployeeDialog(CGlobalDoc& document, int index, int id, QWidget* parent = nullptr);

    static constexpr char kCaption[] = "Employee";
    static constexpr char kModifyCaption[] = "Employee:   ";

    // The boxes as a record (no id).
    EmployeeRecord RecordFromBoxes() const;

public slots:
    void accept() override;

private:
    void Show(const EmployeeRecord& record);
    void FocusRefusedBox(const QString& refusal);

    EmployeeRecord shown_; // the record shown, or an empty one for a new person
    CGlobalDoc& document_;
    int index_;
    int id_;
    CDigitMaskEdit* ssn_;
    NameAddressBoxes boxes_;
};
