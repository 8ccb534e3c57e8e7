#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
struct PasswordOkOutcome;

// "Password Required": asked at start while a password is set. OK closes
// only on the expected password; a wrong one empties the box, says so and
// waits for another try. Cancel closes with Rejected.
class CEnterPassword : public QDialog {
    Q_OBJECT

public:
    CEnterPassword(const QString& expectedPassword, QWidget* parent = nullptr);

    QLineEdit* PasswordBox() const { return password_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    void OnOk();

    QString expected_;
    QLineEdit* password_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// "Change Password": the old password (its box hidden when none is set),
// the new one and its confirmation. OK hands a checked new password to
// `storeNewPassword` and closes once it is stored; Cancel changes nothing.
class CChangepassword : public QDialog {
    Q_OBJECT

public:
    CChangepassword(const QString& oldPassword, std::function<bool(const QString&)> storeNewPassword,
                    QWidget* parent = nullptr);

    // The password stored by OK.
    QString NewPassword() const { return newPassword_; }

    QLabel* OldPasswordLabel() const { return oldLabel_; }
    QLineEdit* OldPasswordBox() const { return old_; }
    QLineEdit* NewPasswordBox() const { return new_; }
    QLineEdit* ConfirmPasswordBox() const { return confirm_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    void OnOk();

    QString oldPassword_;
    std::function<bool(const QString&)> store_;
    QString newPassword_;
    QLabel* oldLabel_ = nullptr;
    QLineEdit* old_ = nullptr;
    QLineEdit* new_ = nullptr;
    QLineEdit* confirm_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
