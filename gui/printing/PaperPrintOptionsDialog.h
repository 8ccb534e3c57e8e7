#pragma once

#include "core/print/PrintChoices.h"
#include "gui/printing/PrintOptionsDialog.h"

#include <vector>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

// The print options of a one-page summary form (the W-3, the 1096): the
// alignment offsets above, the paper below as a "Type" frame of choices.
// The offsets are open for the pre-printed form alone.
class CPaperPrintOptionsDialog : public CPrintOptionsDialog {
    Q_OBJECT

public:
    // The choice of `paper`, or nullptr.
    QRadioButton* PaperRadio(PaperType paper) const;

protected:
    CPaperPrintOptionsDialog(const QString& title, QWidget* parent);

    // A choice of the "Type" frame, below the others.
    QRadioButton* AddPaperChoice(const QString& text, const char* name, PaperType paper);
    // Checks the choice of `paper` (the first choice when there is none)
    // and opens the controls that go with it.
    void ShowPaper(PaperType paper);
    PaperType ChosenPaper() const;

private:
    void ApplyPaperRule() const;

    struct Choice {
        QRadioButton* radio;
        PaperType paper;
    };
    std::vector<Choice> choices_;
    QButtonGroup* group_;
    QVBoxLayout* column_;
};
