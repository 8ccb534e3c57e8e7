#pragma once

#include <QString>

// What an entry box shows: its text and its selection. `start` and `end` are
// text positions with start <= end; when nothing is selected both are the
// caret position.
struct EditState {
    QString text;
    int start = 0;
    int end = 0;

    static EditState Caret(const QString& text, int pos) { return {text, pos, pos}; }
    static EditState Selection(const QString& text, int start, int end) { return {text, start, end}; }

    bool HasSelection() const { return start != end; }
    QString SelectedText() const { return text.mid(start, end - start); }

    friend bool operator==(const EditState&, const EditState&) = default;
};

// The two sounds a box can make on a refused character. Both come out as the
// desktop's beep; they are told apart so that a caller can tell which rule
// refused.
enum class EntryBeep { None, Exclamation, Default };

// The result of one keystroke, paste or deletion: what the box shows
// afterwards and whether it beeps. The box applies it as one undoable step
// when the text changed.
struct EditOutcome {
    EditState state;
    EntryBeep beep = EntryBeep::None;
};
