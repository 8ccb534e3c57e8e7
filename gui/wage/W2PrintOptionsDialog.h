#pragma once

#include "core/print/WagePrintOptions.h"
#include "gui/printing/TwoFormPrintOptionsDialog.h"

class CAmountEdit;
class QLabel;
class QRadioButton;

// "Set W2 Print Options": current or all employees, the paper (a copy on
// blank paper, the pre-printed red-ink form, or the complete laser
// substitute for Copy A), the alignment offsets and the vertical space
// between the two forms of a sheet (0.75 to 1.75 inches).
class CW2PrintOptionsDialog : public CTwoFormPrintOptionsDialog {
    Q_OBJECT

public:
    CW2PrintOptionsDialog(const PrintW2Options& options, QWidget* parent = nullptr);

    // The options as read by the last OK (or Preview).
    const PrintW2Options& Options() const { return options_; }

    QRadioButton* CurrentEmployee() const { return CurrentRadio(); }
    QRadioButton* AllEmployees() const { return AllRadio(); }
    QRadioButton* LaserRadio() const { return laser_; }
    CAmountEdit* VerticalSpaceBox() const { return space_; }

protected:
    bool ReadChoices() override;
    void ApplyTypeRule() override;

private:
    PrintW2Options options_;
    QRadioButton* laser_ = nullptr;
    QLabel* spaceLabel_ = nullptr;
    CAmountEdit* space_ = nullptr;
    QLabel* spaceNote_ = nullptr;
};
