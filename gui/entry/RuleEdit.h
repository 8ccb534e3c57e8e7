#pragma once

#include "core/entry/EditHistory.h"
#include "core/entry/EntryPresets.h"
#include "core/entry/EntryRules.h"

#include <QLineEdit>

#include <optional>

class QMenu;

// A line edit whose text is at all times its entry rule's valid text. Every
// way text gets in obeys the rule: typed characters, Backspace and Delete,
// cut, paste, clear, undo and redo from the keyboard and from the box's own
// context menu, drops, input-method composition, middle-button paste, and
// setText() by other code (see TextGuard). No box shows an error message: a
// refused character is dropped, in a character filter box with a beep.
//
// Owners read the box with text() and write it with setText(); a value that
// does not fit the rule is shown in its valid form. The rule's parameters
// may change at any time; the shown text is re-checked at once.
//
// The plain CRuleEdit keeps any text; the three subclasses below carry the
// rules the screens use.
class CRuleEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CRuleEdit(QWidget* parent = nullptr);

    // The valid form of the shown text.
    QString GetValidText() const;
    // Shows the valid form of the text, if it differs.
    void Revalidate();
    // Asked before each character goes in, typed or pasted. The boxes of
    // this program take every character their rule takes; a subclass can
    // refuse more.
    virtual bool IsCharAcceptable(QChar c) const;

    const EntryRule& Rule() const { return *rule_; }

    bool IsUndoAvailable() const { return history_.CanUndo(); }
    bool IsRedoAvailable() const { return history_.CanRedo(); }

    // QLineEdit's editing operations are not virtual. These hide them, so
    // that code holding a rule box, and connections made by name, edit
    // through the rule too.
    void insert(const QString& text); // as a paste of `text`
    void del();
    void backspace();

public slots:
    void undo();
    void redo();
    void cut();
    void paste();
    // The context menu's Delete: removes the selection as the Delete key would.
    void DeleteSelection();

protected:
    // Called by each subclass's constructor with the rule it embeds.
    void BindRule(EntryRule& rule);
    // A changed rule parameter re-checks the text.
    void RuleChanged(bool changed)
    {
        if (changed)
            Revalidate();
    }

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    EditState CurrentState() const;
    // Shows an edit's outcome as one undoable step (or part of a run of
    // typing or erasing).
    void Apply(const EditState& before, const EditOutcome& outcome, EditKind kind = EditKind::Other);
    void ShowEditedText(const QString& text);
    void ShowSelection(const EditState& state);
    void PasteText(const QString& clip);
    // Ctrl+Backspace and the like: the range they remove goes by way of the
    // Delete key; if the rule refuses, nothing changes.
    void DeleteRange(const EditState& before, int from, int to);
    // Ctrl+K and Ctrl+U: copy the range, then remove it as above.
    void CutRange(const EditState& before, int from, int to);
    void CopySelection();
    QMenu* CreateEditMenu();

    EntryRule plainRule_;
    EntryRule* rule_ = &plainRule_;
    EditHistory history_;
    bool applying_ = false;
    // The selection a composition started over, put back for its commit.
    std::optional<EditState> preeditSelection_;
};

// Free text: at most a maximum number of characters (0 = no limit), none of
// the forbidden characters. A full box types over the character at the caret.
class CCharFilterEdit : public CRuleEdit {
    Q_OBJECT
public:
    // No limit, kForbiddenCommon: what every screen starts from.
    explicit CCharFilterEdit(QWidget* parent = nullptr);
    CCharFilterEdit(int maxLength, const QString& forbiddenChars, QWidget* parent = nullptr);

    int MaxLength() const { return filter_.MaxLength(); }
    QString ForbiddenChars() const { return filter_.ForbiddenChars(); }
    void SetMaxLength(int maxLength) { RuleChanged(filter_.SetMaxLength(maxLength)); }
    void SetForbiddenChars(const QString& forbiddenChars) { RuleChanged(filter_.SetForbiddenChars(forbiddenChars)); }

private:
    CharFilterRule filter_;
};

// Digits in the shape of a mask such as kMaskSsn; the box types the
// literals. An empty mask checks nothing.
class CDigitMaskEdit : public CRuleEdit {
    Q_OBJECT
public:
    explicit CDigitMaskEdit(QWidget* parent = nullptr);
    explicit CDigitMaskEdit(const QString& mask, QWidget* parent = nullptr);

    QString Mask() const { return mask_.Mask(); }
    void SetMask(const QString& mask) { RuleChanged(mask_.SetMask(mask)); }

private:
    DigitMaskRule mask_;
};

// A signed decimal amount, 9 whole digits and 4 decimal places to begin
// with, negatives allowed; always "-" and ".".
class CAmountEdit : public CRuleEdit {
    Q_OBJECT
public:
    explicit CAmountEdit(QWidget* parent = nullptr);

    int WholeDigits() const { return amount_.WholeDigits(); }
    int DecimalPlaces() const { return amount_.DecimalPlaces(); }
    bool NegativeAllowed() const { return amount_.NegativeAllowed(); }
    // Signed: the magnitude is the limit, and a negative value refuses
    // negative amounts. Call SetNegativeAllowed(false) after it to refuse
    // them with a positive limit.
    void SetWholeDigits(int wholeDigits) { RuleChanged(amount_.SetWholeDigits(wholeDigits)); }
    void SetDecimalPlaces(int decimalPlaces) { RuleChanged(amount_.SetDecimalPlaces(decimalPlaces)); }
    void SetNegativeAllowed(bool allowed) { RuleChanged(amount_.SetNegativeAllowed(allowed)); }

private:
    AmountRule amount_;
};
