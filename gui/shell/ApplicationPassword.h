#pragma once

class QWidget;

// The application password as the main window uses it.

// At start: true when no password is set (nothing is shown) or when the
// user typed it into "Password Required"; false when the user cancelled,
// and the program then ends.
bool CheckPasswordAtStart(QWidget* parent);

// The "Password" command of the Options menu: "Change Password" over the
// stored password. Returns true when a new password (or none, when both new
// boxes were left empty) was stored; Cancel changes nothing.
bool ChangePassword(QWidget* parent);
