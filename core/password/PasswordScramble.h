#pragma once

#include <QString>

// The application password is kept in the settings store in a scrambled
// form: each character XORed with the key character at the same position
// (counting modulo the key's length). The empty stored text means that no
// password is set.

// The scrambling key, a constant of the program.
inline constexpr char16_t kPasswordScrambleKey[] = u"Qorvh";
// Where the scrambled password lives: under SettingsKeyPath(kKeyDcomOptions).
inline constexpr char kPasswordValueName[] = "{A33CA0E7-34ED-409c-980D-2F844E7C8678}";
// The password boxes take at most this many characters.
inline constexpr int kPasswordMaxLength = 30;

// Scrambles `text` in place over its whole length; the same call
// unscrambles. Works on UTF-16 units: the key is ASCII, so only the low
// seven bits of a unit change; Latin-1 characters scramble as the single
// bytes they are in the older ANSI form, and surrogate halves stay halves.
// Returns 1, or 0 (text unchanged) when the text or the key is empty.
int ScramblePassword(QString& text, const QString& key = QString::fromUtf16(kPasswordScrambleKey));

// A password character equal to the key character at its position scrambles
// to a zero character. The stored value keeps such characters (the settings
// store escapes them), so it is read and unscrambled over its whole length,
// never cut at the first zero. A value without zero characters, as every
// value written before could only be, reads exactly as it always did.

// The plain password, or the empty text when none is set.
QString ReadStoredPassword();
// Scrambles `plain` and stores it; the empty text removes the password.
// Returns whether the settings store took the value.
bool WriteStoredPassword(const QString& plain);
