#pragma once

#include "gui/records/NameAddressBoxes.h"
#include "core/store/Records.h"

#include <QDialog>

class CCharFilterEdit;
class CDigitMaskEdit;
class CGlobalDoc;
class CStateComboBox;
class QCheckBox;

// "Contractor": one contractor's number, name, address, account number and
// "2nd TIN not." mark. Opened for a new contractor (index and id -1) or for
// the contractor of (index, id). OK on a new contractor checks it and adds
// it (with its 1099-MISC), or tells what is missing and stays open; on an
// existing one it writes what changed, unchecked. Every OK of a new
// contractor, taken or refused, refreshes the screens.
class CContractorDialog : public QDialog {
    Q_OBJECT

public:
    CContractorDialog(CGlobalDoc& document, int index, int id, QWidget* parent = nullptr);

    static constexpr char kCaption[] = "Contractor";
    static constexpr char kModifyCaption[] = "Contractor:   ";

    // The boxes as a record (no id).
    ContractorRecord RecordFromBoxes() const;

public slots:
    void accept() override;

private:
    void Show(const ContractorRecord& record);
    void FocusRefusedBox(const QString& refusal);

    ContractorRecord shown_; // the record shown, or an empty one for a new person
    CGlobalDoc& document_;
    int index_;
    int id_;
    CCharFilterEdit* idNumber_;
    NameAddressBoxes boxes_;
    CDigitMaskEdit* account_;
    QCheckBox* secondTin_;
};
