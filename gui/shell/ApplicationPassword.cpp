#include "gui/shell/ApplicationPassword.h"

#include "gui/shell/PasswordDialogs.h"
#include "core/password/PasswordScramble.h"

bool CheckPasswordAtStart(QWidget* parent)
{
    const QString expected = ReadStoredPassword();
    if (expected.isEmpty())
        return true;
    CEnterPassword dialog(expected, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool ChangePassword(QWidget* parent)
{
    CChangepassword dialog(ReadStoredPassword(), &WriteStoredPassword, parent);
    return dialog.exec() == QDialog::Accepted;
}
