#include "gui/entry/EditKeys.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace {

bool Is(const QKeyEvent* event, Qt::KeyboardModifiers modifiers, int key)
{
    return (event->modifiers() & ~Qt::KeypadModifier) == modifiers && event->key() == key;
}

// Text a key types: no control characters. A key typed with Ctrl (alone or
// with Shift) is a command, never text; Ctrl+Alt is AltGr on some keyboards.
bool TypesText(const QKeyEvent* event)
{
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    // Joiners and direction marks come with Ctrl+Shift on some keyboards.
    if (text.at(0).category() == QChar::Other_Format)
        return true;
    for (QChar c : text) {
        if (c.unicode() < 32 || c.unicode() == 127)
            return false;
    }
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    return mods != Qt::ControlModifier && mods != (Qt::ControlModifier | Qt::ShiftModifier);
}

} // namespace

EditKey ClassifyEditKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;

    if (event->matches(QKeySequence::Undo) || Is(event, ctrl, Qt::Key_Z) || Is(event, alt, Qt::Key_Backspace))
        return EditKey::Undo;
    if (event->matches(QKeySequence::Redo) || Is(event, ctrl, Qt::Key_Y) || Is(event, ctrl | shift, Qt::Key_Z)
        || Is(event, alt | shift, Qt::Key_Backspace))
        return EditKey::Redo;
    if (Is(event, ctrl | shift, Qt::Key_Insert))
        return EditKey::PasteSelection;
    if (event->matches(QKeySequence::Cut) || Is(event, ctrl, Qt::Key_X) || Is(event, shift, Qt::Key_Delete))
        return EditKey::Cut;
    if (event->matches(QKeySequence::Copy) || Is(event, ctrl, Qt::Key_C) || Is(event, ctrl, Qt::Key_Insert))
        return EditKey::Copy;
    if (event->matches(QKeySequence::Paste) || Is(event, ctrl, Qt::Key_V) || Is(event, shift, Qt::Key_Insert))
        return EditKey::Paste;
    if (event->matches(QKeySequence::DeleteStartOfWord) || Is(event, ctrl, Qt::Key_Backspace))
        return EditKey::DeleteWordBack;
    if (event->matches(QKeySequence::DeleteEndOfWord) || Is(event, ctrl, Qt::Key_Delete))
        return EditKey::DeleteWordForward;
    if (event->matches(QKeySequence::DeleteEndOfLine))
        return EditKey::DeleteToLineEnd;
    if (event->matches(QKeySequence::DeleteCompleteLine))
        return EditKey::DeleteLine;
    // Backspace and Delete with any other modifiers still only erase.
    if (event->key() == Qt::Key_Backspace)
        return EditKey::Backspace;
    if (event->matches(QKeySequence::Delete) || event->key() == Qt::Key_Delete)
        return EditKey::Delete;
    if (TypesText(event))
        return EditKey::Typing;
    return EditKey::Standard;
}
