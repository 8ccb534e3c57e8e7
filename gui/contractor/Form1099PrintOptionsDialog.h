#pragma once

#include "core/print/ContractorPrintOptions.h"
#include "gui/printing/TwoFormPrintOptionsDialog.h"

// "Set 1099 Print Options": the current contractor or all contractors, a
// copy on blank paper (Copy 1, B, 2 or C) or data only on the pre-printed
// red-ink form, and the alignment offsets.
class CForm1099PrintOptionsDialog : public CTwoFormPrintOptionsDialog {
    Q_OBJECT

public:
    CForm1099PrintOptionsDialog(const Print1099Options& options, QWidget* parent = nullptr);

    // The options as read by the last OK (or Preview).
    const Print1099Options& Options() const { return options_; }

protected:
    bool ReadChoices() override;

private:
    Print1099Options options_;
};
