#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The character classes of a class box (CCharClassEdit), as bits of its
// allowed set. Letters and digits are Unicode letters and decimal digits, so
// "Ñ" is a letter; everything else printable is "other".
enum CharClass : quint16 {
    kCharClassDigits = 1,
    kCharClassLetters = 2,
    kCharClassOther = 4,
};

// The class bit of a typed character; 0 for control characters (code 31 or
// below), which every class box lets through to its standard handling.
quint16 CharClassOf(QChar c);
bool IsCharClassAllowed(quint16 allowedClasses, QChar c);

// `text` with only the printable characters of the allowed classes: what a
// class box keeps of pasted, dropped or set text.
QString KeepAllowedClasses(const QString& text, quint16 allowedClasses);

// The step of a class box's up-down arrows: the text read as a signed
// integer (leading blanks allowed), plus `delta`. Nothing when the text is
// not a number or the result leaves 0..32767.
inline constexpr int kStepMinimum = 0;
inline constexpr int kStepMaximum = 32767;
std::optional<int> SteppedValue(const QString& text, int delta);
