#pragma once

#include "core/settings/Settings.h"
#include "core/password/PasswordScramble.h"

#include <QString>

// The scrambled password as the settings file holds it ("<missing>" when
// there is no value at all).
inline QString StoredPasswordValue()
{
    return ReadSettingText(SettingsKeyPath(kKeyDcomOptions), QLatin1String(kPasswordValueName), "<missing>");
}
