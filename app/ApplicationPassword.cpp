#include "app/ApplicationPassword.h"

#include "app/PasswordDialogs.h"
#include "app/PasswordScramble.h"

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
