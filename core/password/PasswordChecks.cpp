#include "core/password/PasswordChecks.h"

#include "core/settings/Settings.h"

#include <QDir>

namespace {

PasswordOkOutcome Outcome(bool close, bool emptyBoxes, const QString& message, PromptIcon icon)
{
    PasswordOkOutcome outcome;
    outcome.close = close;
    outcome.emptyBoxes = emptyBoxes;
    outcome.message = message;
    outcome.icon = icon;
    return outcome;
}

} // namespace

PasswordOkOutcome CheckEnteredPassword(const QString& typed, const QString& expected)
{
    if (typed == expected)
        return Outcome(true, false, QString(), PromptIcon::None);
    return Outcome(false, true, QLatin1String(kPasswordIncorrectMessage), PromptIcon::None);
}

PasswordOkOutcome CheckPasswordChange(const QString& currentPassword, const PasswordChangeEntry& typed,
                                      const std::function<bool(const QString&)>& storeNewPassword)
{
    if (typed.oldPassword != currentPassword)
        return Outcome(false, true, QLatin1String(kOldPasswordIncorrectMessage), PromptIcon::Exclamation);
    if (typed.newPassword != typed.confirmPassword)
        return Outcome(false, true, QLatin1String(kPasswordsDontMatchMessage), PromptIcon::Exclamation);
    if (!storeNewPassword(typed.newPassword))
        return Outcome(false, false, PasswordNotSavedMessage(), PromptIcon::Exclamation);
    return Outcome(true, false, QLatin1String(kPasswordChangedMessage), PromptIcon::Information);
}

QString PasswordNotSavedMessage()
{
    return QStringLiteral("The new password could not be saved, so your password has not been changed. "
                          "Make sure that the settings file \"%1\" can be written, then try again.")
        .arg(QDir::toNativeSeparators(SettingsFilePath()));
}
