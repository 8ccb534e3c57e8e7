#pragma once

#include "core/print/WagePrintOptions.h"
#include "gui/printing/PaperPrintOptionsDialog.h"

class QRadioButton;

// The W-3 print options (a dialog titled " "): the alignment offsets and
// the paper: a copy of form W3, the complete laser substitute, or the
// pre-printed red-ink form (the only one the offsets apply to).
class CW3PrintOptionsDialog : public CPaperPrintOptionsDialog {
    Q_OBJECT

public:
    CW3PrintOptionsDialog(const PrintW3Options& options, QWidget* parent = nullptr);

    const PrintW3Options& Options() const { return options_; }

    QRadioButton* CopyRadio() const { return PaperRadio(PaperType::Blank); }
    QRadioButton* LaserRadio() const { return PaperRadio(PaperType::LaserSubstitute); }
    QRadioButton* PreprintedRadio() const { return PaperRadio(PaperType::Preprinted); }

protected:
    bool ReadChoices() override;

private:
    PrintW3Options options_;
};
