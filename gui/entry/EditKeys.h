#pragma once

class QKeyEvent;

// What a key press asks of an entry box. Every key that can change the text
// is named here, so that the boxes can send it through their rule instead of
// letting QLineEdit change the text on its own; the rest (caret movement,
// selection, Return, focus keys) keep their standard handling.
enum class EditKey {
    Standard,
    Typing, // the event's text is to be typed
    Backspace,
    Delete,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    PasteSelection, // the X11 selection (Ctrl+Shift+Insert)
    DeleteWordBack,
    DeleteWordForward,
    DeleteToLineEnd,
    DeleteLine,
};

// Besides the platform's key bindings, the keys of a Windows edit box work
// everywhere: Ctrl+Z and Alt+Backspace undo, Ctrl+Y redoes, Shift+Delete
// cuts, Ctrl+Insert copies, Shift+Insert pastes.
EditKey ClassifyEditKey(const QKeyEvent* event);
