#include "gui/entry/RuleEdit.h"

#include "gui/entry/BoxBeep.h"
#include "gui/entry/EditKeys.h"
#include "gui/entry/TextGuard.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

namespace {

constexpr QChar kBackspace = u'\b';

QString ClipboardText(QClipboard::Mode mode = QClipboard::Clipboard)
{
    return QGuiApplication::clipboard()->text(mode);
}

} // namespace

CRuleEdit::CRuleEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setValidator(new TextGuard([this](const QString& text) { return rule_->GetValidText(text); }, this));
    // Text set by other code starts a new history: undo never goes back
    // past a value the owner put in.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!applying_)
            history_.Clear();
    });
    BindRule(plainRule_);
}

void CRuleEdit::BindRule(EntryRule& rule)
{
    rule_ = &rule;
    rule_->SetCharGate([this](QChar c) { return IsCharAcceptable(c); });
    history_.Clear();
    Revalidate();
}

QString CRuleEdit::GetValidText() const
{
    return rule_->GetValidText(text());
}

void CRuleEdit::Revalidate()
{
    const QString valid = GetValidText();
    if (valid != text())
        setText(valid);
}

bool CRuleEdit::IsCharAcceptable(QChar) const
{
    return true;
}

EditState CRuleEdit::CurrentState() const
{
    EditState state;
    state.text = text();
    if (hasSelectedText()) {
        state.start = selectionStart();
        state.end = state.start + selectionLength();
    } else {
        state.start = state.end = cursorPosition();
    }
    return state;
}

void CRuleEdit::Apply(const EditState& before, const EditOutcome& outcome, EditKind kind)
{
    SoundBoxBeep(outcome.beep);
    if (outcome.state.text != before.text) {
        history_.Record(before, outcome.state, kind);
        ShowEditedText(outcome.state.text);
    }
    ShowSelection(outcome.state);
}

void CRuleEdit::ShowEditedText(const QString& text)
{
    if (text == this->text())
        return;
    applying_ = true;
    setText(text);
    applying_ = false;
    // setText() counts as the owner's change; this one is the user's.
    setModified(true);
    emit textEdited(this->text());
}

void CRuleEdit::ShowSelection(const EditState& state)
{
    if (state.HasSelection()) {
        setSelection(state.start, state.end - state.start);
    } else {
        deselect();
        setCursorPosition(state.start);
    }
}

// ---------------------------------------------------------------------------
// Editing operations

void CRuleEdit::undo()
{
    if (isReadOnly())
        return;
    if (const std::optional<EditState> state = history_.Undo()) {
        const EditState valid = rule_->Validated(*state);
        ShowEditedText(valid.text);
        ShowSelection(valid);
    }
}

void CRuleEdit::redo()
{
    if (isReadOnly())
        return;
    if (const std::optional<EditState> state = history_.Redo()) {
        const EditState valid = rule_->Validated(*state);
        ShowEditedText(valid.text);
        ShowSelection(valid);
    }
}

void CRuleEdit::CopySelection()
{
    if (hasSelectedText() && echoMode() == QLineEdit::Normal)
        QGuiApplication::clipboard()->setText(selectedText());
}

void CRuleEdit::cut()
{
    if (!hasSelectedText() || echoMode() != QLineEdit::Normal)
        return;
    CopySelection();
    // The deletion obeys the Delete key of the rule: a mask box copies a
    // selection in the middle but keeps it.
    DeleteSelection();
}

void CRuleEdit::DeleteSelection()
{
    if (isReadOnly())
        return;
    const EditState before = CurrentState();
    Apply(before, rule_->DeleteSelection(before));
}

void CRuleEdit::paste()
{
    PasteText(ClipboardText());
}

void CRuleEdit::insert(const QString& text)
{
    PasteText(text);
}

void CRuleEdit::PasteText(const QString& clip)
{
    if (isReadOnly())
        return;
    const EditState before = CurrentState();
    Apply(before, rule_->Paste(before, clip));
}

void CRuleEdit::del()
{
    if (isReadOnly())
        return;
    const EditState before = CurrentState();
    Apply(before, rule_->PressDelete(before), EditKind::Erasing);
}

void CRuleEdit::backspace()
{
    if (isReadOnly())
        return;
    const EditState before = CurrentState();
    Apply(before, rule_->TypeChar(before, kBackspace), EditKind::Erasing);
}

void CRuleEdit::DeleteRange(const EditState& before, int from, int to)
{
    const EditState range = EditState::Selection(before.text, std::min(from, to), std::max(from, to));
    const EditOutcome outcome = rule_->DeleteSelection(range);
    if (outcome.state.text != before.text)
        Apply(before, outcome);
}

void CRuleEdit::CutRange(const EditState& before, int from, int to)
{
    const QString cutText = before.text.mid(from, to - from);
    if (cutText.isEmpty() || echoMode() != QLineEdit::Normal)
        return;
    QGuiApplication::clipboard()->setText(cutText);
    DeleteRange(before, from, to);
}

// ---------------------------------------------------------------------------
// Events

bool CRuleEdit::event(QEvent* event)
{
    // Keep the editing keys that are not standard bindings on every
    // platform (Alt+Backspace, Ctrl+Y, Shift+Insert...) from being taken
    // as shortcuts of the window.
    if (event->type() == QEvent::ShortcutOverride && !isReadOnly()) {
        const EditKey key = ClassifyEditKey(static_cast<QKeyEvent*>(event));
        if (key != EditKey::Standard && key != EditKey::Typing) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CRuleEdit::keyPressEvent(QKeyEvent* event)
{
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const EditState before = CurrentState();
    const EditKey key = ClassifyEditKey(event);
    switch (key) {
    case EditKey::Standard:
        QLineEdit::keyPressEvent(event);
        return;
    case EditKey::Typing:
        Apply(before, rule_->TypeText(before, event->text()), EditKind::Typing);
        break;
    case EditKey::Backspace:
        backspace();
        break;
    case EditKey::Delete:
        del();
        break;
    case EditKey::Undo:
        undo();
        break;
    case EditKey::Redo:
        redo();
        break;
    case EditKey::Cut:
        cut();
        break;
    case EditKey::Copy:
        CopySelection();
        break;
    case EditKey::Paste:
        paste();
        break;
    case EditKey::PasteSelection:
        PasteText(ClipboardText(QGuiApplication::clipboard()->supportsSelection() ? QClipboard::Selection
                                                                                  : QClipboard::Clipboard));
        break;
    case EditKey::DeleteWordBack:
    case EditKey::DeleteWordForward:
        if (before.HasSelection()) {
            DeleteSelection();
        } else {
            // Find the word's edge, then put the caret back: the rule decides.
            if (key == EditKey::DeleteWordBack)
                cursorWordBackward(false);
            else
                cursorWordForward(false);
            const int edge = cursorPosition();
            ShowSelection(before);
            DeleteRange(before, edge, before.start);
        }
        break;
    case EditKey::DeleteToLineEnd:
        // A cut from the caret to the end, as the platform does it.
        CutRange(before, before.start, int(before.text.size()));
        break;
    case EditKey::DeleteLine:
        CutRange(before, 0, int(before.text.size()));
        break;
    }
    event->accept();
}

void CRuleEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    const bool commits = !event->commitString().isEmpty() || event->replacementLength() > 0;
    if (!commits) {
        // A composition that starts over a selection would remove it without
        // asking the rule: keep the selection aside until the commit.
        if (!event->preeditString().isEmpty() && hasSelectedText() && !preeditSelection_) {
            preeditSelection_ = CurrentState();
            const int start = selectionStart();
            deselect();
            setCursorPosition(start);
        }
        QLineEdit::inputMethodEvent(event);
        if (event->preeditString().isEmpty() && preeditSelection_) {
            // The composition was given up: the selection comes back.
            if (preeditSelection_->text == text())
                ShowSelection(*preeditSelection_);
            preeditSelection_.reset();
        }
        return;
    }

    // Let the line edit take down or update the composition shown, but type
    // the committed text ourselves, character by character through the rule.
    QInputMethodEvent preeditOnly(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&preeditOnly);

    EditState before = CurrentState();
    if (preeditSelection_ && preeditSelection_->text == before.text)
        before = *preeditSelection_;
    preeditSelection_.reset();
    EditState at = before;
    if (event->replacementLength() > 0) {
        // The input method replaces text around the caret.
        const int from = std::clamp(before.start + event->replacementStart(), 0, int(before.text.size()));
        const int to = std::clamp(from + event->replacementLength(), from, int(before.text.size()));
        at = EditState::Selection(before.text, from, to);
    }
    const EditOutcome outcome = event->commitString().isEmpty() ? rule_->DeleteSelection(at)
                                                                : rule_->TypeText(at, event->commitString());
    Apply(before, outcome, event->commitString().isEmpty() ? EditKind::Other : EditKind::Typing);
    event->accept();
}

QMenu* CRuleEdit::CreateEditMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("qt_edit_menu"));
    const bool writable = !isReadOnly();
    const bool selected = hasSelectedText() && echoMode() == QLineEdit::Normal;

    auto add = [menu](const QString& caption, const char* name, QKeySequence::StandardKey key, bool enabled) {
        QString text = caption;
        const QKeySequence shortcut(key);
        if (!shortcut.isEmpty())
            text += u'\t' + shortcut.toString(QKeySequence::NativeText);
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(enabled);
        return action;
    };

    connect(add(tr("&Undo"), "edit-undo", QKeySequence::Undo, writable && IsUndoAvailable()), &QAction::triggered, this,
            &CRuleEdit::undo);
    connect(add(tr("&Redo"), "edit-redo", QKeySequence::Redo, writable && IsRedoAvailable()), &QAction::triggered, this,
            &CRuleEdit::redo);
    menu->addSeparator();
    connect(add(tr("Cu&t"), "edit-cut", QKeySequence::Cut, writable && selected), &QAction::triggered, this,
            &CRuleEdit::cut);
    connect(add(tr("&Copy"), "edit-copy", QKeySequence::Copy, selected), &QAction::triggered, this,
            &CRuleEdit::CopySelection);
    connect(add(tr("&Paste"), "edit-paste", QKeySequence::Paste, writable && !ClipboardText().isEmpty()),
            &QAction::triggered, this, &CRuleEdit::paste);
    connect(add(tr("Delete"), "edit-delete", QKeySequence::UnknownKey, writable && hasSelectedText()),
            &QAction::triggered, this, &CRuleEdit::DeleteSelection);
    menu->addSeparator();
    const bool allSelected = selectedText().size() == text().size();
    connect(add(tr("Select All"), "select-all", QKeySequence::SelectAll, !text().isEmpty() && !allSelected),
            &QAction::triggered, this, &QLineEdit::selectAll);
    return menu;
}

void CRuleEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // QLineEdit's own menu edits the text directly; this one goes through
    // the rule.
    QMenu* menu = CreateEditMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

void CRuleEdit::dragEnterEvent(QDragEnterEvent* event)
{
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(event); // shows the drop caret
}

void CRuleEdit::dragMoveEvent(QDragMoveEvent* event)
{
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    QLineEdit::dragMoveEvent(event);
}

void CRuleEdit::dropEvent(QDropEvent* event)
{
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    // A drop is a paste at the drop position. It is always taken as a copy,
    // so a drag source never removes its text on our account.
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    PasteText(event->mimeData()->text());
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void CRuleEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The X11 middle-button paste.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly()) {
            deselect();
            PasteText(ClipboardText(QClipboard::Selection));
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// ---------------------------------------------------------------------------
// The three rule boxes

CCharFilterEdit::CCharFilterEdit(QWidget* parent)
    : CCharFilterEdit(0, QString::fromLatin1(kForbiddenCommon), parent)
{
}

CCharFilterEdit::CCharFilterEdit(int maxLength, const QString& forbiddenChars, QWidget* parent)
    : CRuleEdit(parent)
    , filter_(maxLength, forbiddenChars)
{
    BindRule(filter_);
}

CDigitMaskEdit::CDigitMaskEdit(QWidget* parent)
    : CDigitMaskEdit(QString(), parent)
{
}

CDigitMaskEdit::CDigitMaskEdit(const QString& mask, QWidget* parent)
    : CRuleEdit(parent)
    , mask_(mask)
{
    BindRule(mask_);
}

CAmountEdit::CAmountEdit(QWidget* parent)
    : CRuleEdit(parent)
    , amount_(9, 4)
{
    BindRule(amount_);
}
