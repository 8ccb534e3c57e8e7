#include "core/password/PasswordScramble.h"

#include "core/settings/Settings.h"

int ScramblePassword(QString& text, const QString& key)
{
    if (text.isEmpty() || key.isEmpty())
        return 0;
    const qsizetype keyLength = key.size();
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(char16_t(text.at(i).unicode() ^ key.at(i % keyLength).unicode()));
    return 1;
}

QString ReadStoredPassword()
{
    QString password = ReadSettingText(SettingsKeyPath(kKeyDcomOptions), QLatin1String(kPasswordValueName), QString());
    ScramblePassword(password);
    return password;
}

bool WriteStoredPassword(const QString& plain)
{
    QString scrambled = plain;
    ScramblePassword(scrambled);
    return WriteSettingText(SettingsKeyPath(kKeyDcomOptions), QLatin1String(kPasswordValueName), scrambled);
}
