#pragma once

#include <QString>

class QLineEdit;

// The stored value an entry box shows, and whether the box was changed
// since. A save takes a box's text only when it was changed (typed into,
// cleared, filled by the screen); an unchanged box keeps what is stored,
// even where the box shows it otherwise (an amount in its two-decimal form)
// or can't show it at all as the user would type it.
//
// A value the box would not take from the keyboard (a foreign postal code
// in a ZIP box, a refused character, a code of two letters in a one-letter
// box, an amount that does not read as one: values of other software or of
// the earlier editions) is shown as it is stored, marked, with a tip that
// says so; the first change makes the box an ordinary one again.
namespace StoredText {

// Shows `text` in `box` and starts watching it for changes.
void Show(QLineEdit* box, const QString& text);
// Whether the box was changed since Show (or never shown by Show).
bool Changed(const QLineEdit* box);
// Whether the box shows a value it would not take from the keyboard.
bool Marked(const QLineEdit* box);
// The value to save: the box's text when it was changed, else `stored`.
QString Kept(const QLineEdit* box, const QString& stored);

} // namespace StoredText
