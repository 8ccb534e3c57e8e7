#pragma once

#include "core/prompt/Prompt.h"

#include <QString>

#include <functional>

// What the OK button of the two password dialogs does, decided apart from
// the dialogs so the rules can be checked without windows.

inline constexpr char kPasswordIncorrectMessage[] =
    "The password is incorrect. Letters in the password must be typed using the correct case. "
    "Make sure that Caps Lock is not accidentally on.";
inline constexpr char kOldPasswordIncorrectMessage[] =
    "The old password is incorrect. Letters in passwords must be typed using the correct case. "
    "Make sure that Caps Lock is not accidentally on.";
inline constexpr char kPasswordsDontMatchMessage[] =
    "The passwords you typed don't match. Type the new password in both text boxes.";
inline constexpr char kPasswordChangedMessage[] = "Your password has been changed.";

struct PasswordOkOutcome {
    bool close = false;      // the dialog closes with OK
    bool emptyBoxes = false; // every box is emptied for another try
    QString message;         // told to the user when not empty
    PromptIcon icon = PromptIcon::None;

    bool operator==(const PasswordOkOutcome&) const = default;
};

// "Password Required": the typed text must equal the expected password
// exactly, letter case included. There is no limit on tries.
PasswordOkOutcome CheckEnteredPassword(const QString& typed, const QString& expected);

// The three boxes of "Change Password" (the old one hidden and empty when
// no password is set).
struct PasswordChangeEntry {
    QString oldPassword;
    QString newPassword;
    QString confirmPassword;
};

// "Change Password": the old box must match `currentPassword`, then the new
// box the confirm box. When both hold, `storeNewPassword` is called with
// the new password (the empty text removes the password), and only once it
// has succeeded is the change reported and the dialog closed; a failed
// store is said plainly and leaves the dialog open with the boxes as typed,
// so the old password is never reported as replaced while it is still the
// one in force.
PasswordOkOutcome CheckPasswordChange(const QString& currentPassword, const PasswordChangeEntry& typed,
                                      const std::function<bool(const QString&)>& storeNewPassword);

// The text shown when the new password could not be stored.
QString PasswordNotSavedMessage();
