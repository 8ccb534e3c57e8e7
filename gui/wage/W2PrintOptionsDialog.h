#pragma once

#include "core/print/WagePrintOptions.h"
#include "gui/controls/PrintOptionsDialog.h"

class CAmountEdit;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

// "Set W2 Print Options": current or all employees, the paper (a copy on
// blank paper, the pre-printed red-ink form, or the complete laser
// substitute for Copy A), the alignment offsets and the vertical space
// between the two forms of a sheet (0.75 to 1.75 inches).
class CW2PrintOptionsDialog : public CPrintOptionsDialog {
    Q_OBJECT

public:
    CW2PrintOptionsDialog(const PrintW2Options& options, QWidget* parent = nullptr);

    // The options as read by the last OK (or Preview).
    const PrintW2Options& Options() const { return options_; }

    QRadioButton* CurrentEmployee() const { return current_; }
    QRadioButton* AllEmployees() const { return all_; }
    QRadioButton* CopyRadio() const { return copy_; }
    QRadioButton* PreprintedRadio() const { return preprinted_; }
    QRadioButton* LaserRadio() const { return laser_; }
    QComboBox* CopyList() const { return copies_; }
    CAmountEdit* VerticalSpaceBox() const { return space_; }

protected:
    bool ReadChoices() override;

private:
    // Enabling follows the checked Type button.
    void ApplyTypeRule();

    PrintW2Options options_;
    QRadioButton* current_;
    QRadioButton* all_;
    QRadioButton* copy_;
    QRadioButton* preprinted_;
    QRadioButton* laser_;
    QComboBox* copies_;
    QGroupBox* offsetFrame_;
    QLabel* spaceLabel_;
    CAmountEdit* space_;
    QLabel* spaceNote_;
};
