#pragma once

#include "core/print/WagePrintOptions.h"
#include "gui/controls/PrintOptionsDialog.h"

class QRadioButton;

// The W-3 print options (a dialog titled " "): the alignment offsets and
// the paper: a copy of form W3, the complete laser substitute, or the
// pre-printed red-ink form (the only one the offsets apply to).
class CW3PrintOptionsDialog : public CPrintOptionsDialog {
    Q_OBJECT

public:
    CW3PrintOptionsDialog(const PrintW3Options& options, QWidget* parent = nullptr);

    const PrintW3Options& Options() const { return options_; }

    QRadioButton* CopyRadio() const { return copy_; }
    QRadioButton* LaserRadio() const { return laser_; }
    QRadioButton* PreprintedRadio() const { return preprinted_; }

protected:
    bool ReadChoices() override;

private:
    void ApplyTypeRule();

    PrintW3Options options_;
    QRadioButton* copy_;
    QRadioButton* laser_;
    QRadioButton* preprinted_;
};
