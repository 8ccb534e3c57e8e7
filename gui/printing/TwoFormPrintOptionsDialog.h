#pragma once

#include "core/print/PrintChoices.h"
#include "gui/printing/PrintOptionsDialog.h"

#include <QStringList>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QRadioButton;
class QVBoxLayout;

// The print options of a form printed two to a sheet (the W-2 and the
// 1099-MISC): the current owner's form or all of them, a copy on blank
// paper (which one, from a list) or data only on the pre-printed red-ink
// form, and the alignment offsets in a frame of their own. The offsets
// are open for the pre-printed form alone, the copy list for a copy.
class CTwoFormPrintOptionsDialog : public CPrintOptionsDialog {
    Q_OBJECT

public:
    QRadioButton* CurrentRadio() const { return current_; }
    QRadioButton* AllRadio() const { return all_; }
    QRadioButton* CopyRadio() const { return copy_; }
    QRadioButton* PreprintedRadio() const { return preprinted_; }
    QComboBox* CopyList() const { return copies_; }

protected:
    // `currentText` and `allText` are the two target buttons ("Current
    // Employee"; named after their text without blanks); `copyNames` the
    // copy list.
    CTwoFormPrintOptionsDialog(const QString& title, const QString& targetCaption, const QString& currentText,
                               const QString& allText, const QStringList& copyNames, QWidget* parent);

    // A further choice of the "Type" frame, below the others.
    void AddTypeChoice(QRadioButton* radio);
    // Controls of the form kind's own, between the offsets and OK.
    QVBoxLayout* Extras() const { return extras_; }

    void ShowTarget(PrintTarget target) const;
    PrintTarget ChosenTarget() const;

    // Enabling follows the checked Type button; a form kind with controls
    // of its own adds their rule. Run it once the choices are shown.
    virtual void ApplyTypeRule();

private:
    QRadioButton* current_;
    QRadioButton* all_;
    QRadioButton* copy_;
    QRadioButton* preprinted_;
    QComboBox* copies_;
    QButtonGroup* types_;
    QVBoxLayout* typeColumn_;
    QGroupBox* offsetFrame_;
    QVBoxLayout* extras_;
};
