#pragma once

#include "core/print/ContractorPrintOptions.h"
#include "gui/printing/PaperPrintOptionsDialog.h"

class QRadioButton;

// "Set 1096 Print Options": the alignment offsets and the paper, a copy on
// blank paper or data only on the pre-printed red-ink form (the only one
// the offsets apply to).
class CForm1096PrintOptionsDialog : public CPaperPrintOptionsDialog {
    Q_OBJECT

public:
    CForm1096PrintOptionsDialog(const Print1096Options& options, QWidget* parent = nullptr);

    const Print1096Options& Options() const { return options_; }

    QRadioButton* CopyRadio() const { return PaperRadio(PaperType::Blank); }
    QRadioButton* PreprintedRadio() const { return PaperRadio(PaperType::Preprinted); }

protected:
    bool ReadChoices() override;

private:
    Print1096Options options_;
};
