#pragma once

#include "core/document/CompanyEditor.h"
#include "core/print/PrintChoices.h"
#include "core/records/FormCursor.h"
#include "core/records/FormScreenTexts.h"
#include "core/prompt/Prompt.h"
#include "gui/screens/FormView.h"

#include <QString>

#include <vector>

class CColorButton;
class QHBoxLayout;
class QLineEdit;
class QToolButton;

// A screen on which the user fills one form per owner: the W-2 of each
// employee, the 1099-MISC of each contractor. Above the form stand the
// owner's buttons "Select", "Next" and "Previous" and the form's buttons
// "Save", "Reset", "Clear" and "Print" (with the help icon when the screen
// has quick help); below them the form, laid out like the paper one.
//
// The behaviour is the same for both kinds and lives here: which owner is
// shown (FormCursor, stepping in the order of the owners' list screen),
// the questions before unsaved changes are left, the notes at the ends of
// the list, the selection dialog, the modified flag, and coming up in a
// company without owners. A form kind supplies its texts, its lists, how
// its boxes are shown, read and saved, and its print.
class CFormEntryView : public CFormView {
    Q_OBJECT

public:
    CColorButton* SelectButton() const { return select_; }
    CColorButton* NextButton() const { return next_; }
    CColorButton* PreviousButton() const { return previous_; }
    CColorButton* SaveButton() const { return save_; }
    CColorButton* ResetButton() const { return reset_; }
    CColorButton* ClearButton() const { return clear_; }
    CColorButton* PrintButton() const { return print_; }
    QToolButton* HelpIcon() const { return help_; } // nullptr without quick help

    bool FormModified() const { return modified_; }
    const FormCursor& Cursor() const { return cursor_; }

    // The display order of the owners' list screen, which Next, Previous
    // and printing follow (not owned). Without one the screen keeps the
    // first-name order of its own.
    void SetOwnerOrder(const RecordListOrder* order) { ownerOrder_ = order; }
    const RecordListOrder& OwnerOrder() const { return ownerOrder_ ? *ownerOrder_ : ownOrder_; }
    // The owners' list indexes in that order, as the print takes them.
    std::vector<int> OwnerDisplayOrder() const;
    // The owners whose forms a print of `target` prints: all in that
    // order, or the current one.
    std::vector<int> PrintedOwners(PrintTarget target) const;
    // Shows the form of the owner `ownerId` with its box `field` focused,
    // after the question about unsaved changes that Select asks. False when
    // there is no such owner.
    bool ShowOwnerBox(int ownerId, const QString& field);

    void RefreshFromDocument(CGlobalDoc& document) override;
    void OnCompanyDataCleared() override;
    void OnViewShown() override;
    void OnViewHidden() override;
    bool OfferToSaveTypedEntries() override;
    QAbstractButton* PrintCommand() const override;
    bool ShowQuickHelp() override;

public slots:
    void OnSelect();
    void OnNext();
    void OnPrevious();
    void OnSave();
    void OnReset();
    void OnClear();
    void OnPrint();
    void OnQuickHelp();

protected:
    // `lists` must live as long as the view (the document's lists).
    CFormEntryView(CGlobalDoc& document, const FormScreenTexts& texts, const FormOwnerLists& lists, QWidget* parent);

    // ---- what a form kind supplies ----
    // The owners' rows from the document.
    virtual void FillOwnerRows(RecordListOrder& order) const = 0;
    // Shows the company, the owner at `ownerIndex` and its form at
    // `formIndex` (-1: the owner has none; the boxes show empty).
    virtual void ShowRecords(int ownerIndex, int formIndex) = 0;
    // Empties every box: no owner to show.
    virtual void EmptyAllBoxes() = 0;
    // "Clear": empties the boxes of the form.
    virtual void ClearFormBoxes() = 0;
    // Saves the form's boxes as the form of `ownerId` through the document.
    virtual SaveOutcome SaveBoxes(int ownerId) = 0;
    // "Print": options, then the print.
    virtual void PrintForms() = 0;
    // The focus left `box` (a watched text box); `edited` tells whether
    // its text changed while it had the focus.
    virtual void BoxLeft(QLineEdit* box, bool edited);

    // ---- building ----
    // Puts the form below the buttons, the two scrolled as one page.
    void SetForm(QWidget* form);
    // Edits of these boxes mark the form modified, leaving a text box calls
    // BoxLeft, and Enter in a box moves on to the next one. They follow the
    // buttons in the Tab order, in the order given.
    void WatchBoxes(const std::vector<QWidget*>& boxes);
    // While set, the program fills the form: no edit counts as the user's.
    bool Filling() const { return filling_; }
    void SetFormModified(bool modified) { modified_ = modified; }

    // Shows the current owner with its form, the cursor first settled on
    // the owner lists as they are now (an empty screen without owners); the
    // form shows unmodified.
    void ShowCurrent();
    // The owner lists changed under the screen.
    void OwnerAdded();
    void OwnerDeleted(int ownerId);

    bool eventFilter(QObject* watched, QEvent* event) override;

    CGlobalDoc& Document() const { return document_; }
    const FormOwnerLists& Lists() const { return lists_; }
    const FormScreenTexts& Texts() const { return texts_; }

private:
    // The box the user is in is finished as leaving it finishes it (an
    // amount shown in two decimals, the W-2's caps with their messages and
    // the boxes they fill), so that a save stores what the boxes show. Every
    // way to save runs it first: Save, the questions before the form is
    // left (another screen, another owner, another company, the end of the
    // program) and printing.
    void FinishEnteredBox();
    // Saves the form of the current owner without asking; a form the store
    // refused stays modified.
    void SaveCurrent();
    // The question before unsaved changes are left; Yes saves them, No lets
    // them go. With Cancel among `buttons`, Cancel returns false: nothing is
    // left, and the changes stay on the screen.
    bool AskSaveChanges(const char* question, PromptButtons buttons = PromptButtons::YesNo);
    void Step(bool forward);
    void ShowNote(QWidget* at, const char* note);

    const FormScreenTexts& texts_;
    const FormOwnerLists& lists_;
    FormCursor cursor_;
    const RecordListOrder* ownerOrder_ = nullptr;
    RecordListOrder ownOrder_;
    bool modified_ = false;
    bool filling_ = false;
    bool leaving_ = false; // a box's leave is being handled
    QWidget* enteredBox_ = nullptr;
    QString textAtEntry_;

    CColorButton* select_;
    CColorButton* next_;
    CColorButton* previous_;
    CColorButton* save_;
    CColorButton* reset_;
    CColorButton* clear_;
    CColorButton* print_;
    QToolButton* help_ = nullptr;
    QHBoxLayout* commands_; // the two button groups, above the form
    QWidget* lastButton_ = nullptr;
    QWidget* firstBox_ = nullptr; // the first of the watched boxes
};
