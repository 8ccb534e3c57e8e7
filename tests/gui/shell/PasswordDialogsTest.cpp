// "Password Required" and "Change Password" as the user meets them: the
// start check and the change command driven through their dialogs, the
// messages, the hidden old box and the 30-character limit.
#include "gui/shell/ApplicationPassword.h"
#include "core/password/PasswordChecks.h"
#include "gui/shell/PasswordDialogs.h"
#include "core/password/PasswordScramble.h"
#include "core/settings/Settings.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/StoredPassword.h"
#include "tests/support/TestFolders.h"
#include "tests/support/WidgetDriving.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using Tries = QList<QStringList>;

} // namespace

class PasswordDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void noPasswordStartsWithoutADialog()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        auto script = OnNextModal([](QDialog&) {});
        QVERIFY(CheckPasswordAtStart(nullptr));
        QCoreApplication::processEvents();
        QVERIFY(!script->shown);
        QVERIFY(prompt.asked.isEmpty());
    }

    // Each try is typed and confirmed with OK; a wrong one must leave the
    // dialog open with the box emptied. The last step is OK or Cancel.
    void startCheck_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QStringList>("tries");
        QTest::addColumn<bool>("cancelAtEnd");
        QTest::addColumn<bool>("result");
        QTest::newRow("right at once") << "Secret" << QStringList{"Secret"} << false << true;
        QTest::newRow("three wrong, then right")
            << "Secret" << QStringList{"secret", "SECRET", "", "Secret"} << false << true;
        QTest::newRow("three wrong, then Cancel")
            << "Secret" << QStringList{"secret", "Secre", "Secret "} << true << false;
        QTest::newRow("Cancel at once") << "Secret" << QStringList{} << true << false;
        QTest::newRow("password scrambling to zeros") << "Qorvh" << QStringList{"Qorv", "Qorvh"} << false << true;
        QTest::newRow("non-ASCII password")
            << QString::fromUtf8("Grüße") << QStringList{"Grusse", "Grüße"} << false << true;
    }

    void startCheck()
    {
        QFETCH(QString, password);
        QFETCH(QStringList, tries);
        QFETCH(bool, cancelAtEnd);
        QFETCH(bool, result);
        TestFolders folders;
        ScriptedPrompt prompt;
        QVERIFY(WriteStoredPassword(password));

        int wrongTriesSeen = 0;
        auto script = OnNextModal([&](QDialog& dialog) {
            auto* enter = qobject_cast<CEnterPassword*>(&dialog);
            QVERIFY(enter);
            QCOMPARE(enter->windowTitle(), QStringLiteral("Password Required"));
            for (const QString& typed : tries) {
                Type(enter->PasswordBox(), typed);
                Click(enter->OkButton());
                if (typed != password) {
                    QVERIFY(enter->isVisible());
                    QCOMPARE(enter->PasswordBox()->text(), QString());
                    ++wrongTriesSeen;
                }
            }
            if (cancelAtEnd)
                Click(enter->CancelButton());
        });
        QCOMPARE(CheckPasswordAtStart(nullptr), result);
        QVERIFY(script->shown);
        QVERIFY(!script->leftOpen);
        QCOMPARE(wrongTriesSeen, tries.size() - (result ? 1 : 0));
        QCOMPARE(prompt.asked, QStringList(QList<QString>(wrongTriesSeen, kPasswordIncorrectMessage)));
        for (int i = 0; i < prompt.asked.size(); ++i) {
            QCOMPARE(prompt.icons[i], PromptIcon::None);
            QCOMPARE(prompt.buttons[i], PromptButtons::Ok);
        }
        QCOMPARE(ReadStoredPassword(), password); // the check never writes
    }

    void enterAndEscapeKeys()
    {
        ScriptedPrompt prompt;
        CEnterPassword dialog("pw");
        dialog.show();
        QTest::keyClicks(dialog.PasswordBox(), "px");
        QTest::keyClick(dialog.PasswordBox(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(prompt.asked.size(), 1);
        QTest::keyClicks(dialog.PasswordBox(), "pw");
        QTest::keyClick(dialog.PasswordBox(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());

        CEnterPassword other("pw");
        other.show();
        QTest::keyClick(other.PasswordBox(), Qt::Key_Escape);
        QCOMPARE(other.result(), int(QDialog::Rejected));
        QCOMPARE(prompt.asked.size(), 1);
    }

    void oldBoxHiddenOnlyWithoutPassword()
    {
        CChangepassword without(QString(), nullptr);
        without.show();
        QVERIFY(!without.OldPasswordBox()->isVisible());
        QVERIFY(!without.OldPasswordLabel()->isVisible());
        QVERIFY(without.NewPasswordBox()->isVisible());
        QCOMPARE(without.focusWidget(), without.NewPasswordBox());

        CChangepassword with("pw", nullptr);
        with.show();
        QVERIFY(with.OldPasswordBox()->isVisible());
        QCOMPARE(with.OldPasswordLabel()->text(), QStringLiteral("Old Password:"));
        QCOMPARE(with.focusWidget(), with.OldPasswordBox());
        QVERIFY(with.height() > without.height());
    }

    // Tries of (old, new, confirm); the ones the dialog turns down must
    // leave it open with all boxes empty. The last step is OK or Cancel.
    void changeFlows_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<Tries>("tries");
        QTest::addColumn<bool>("cancelAtEnd");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("storedValue");

        const QString wrongOld = kOldPasswordIncorrectMessage;
        const QString mismatch = kPasswordsDontMatchMessage;
        const QString changed = kPasswordChangedMessage;
        QTest::newRow("first password, old box hidden")
            << "" << Tries{{"", "12345", "12345"}} << false << QStringList{changed} << true << "12345"
            << "`]AB]";
        QTest::newRow("wrong old, then right") << "Qx" << Tries{{"qx", "new", "new"}, {"Qx", "new", "new"}} << false
                                               << QStringList{wrongOld, changed} << true << "new"
                                               << "?\n\x05";
        QTest::newRow("mismatch, then match") << "pw" << Tries{{"pw", "abc", "abd"}, {"pw", "abc", "abc"}} << false
                                              << QStringList{mismatch, changed} << true << "abc"
                                              << "0\r\x11";
        QTest::newRow("both new boxes empty remove the password")
            << "pw" << Tries{{"pw", "", ""}} << false << QStringList{changed} << true << ""
            << "";
        QTest::newRow("new password scrambling to a zero")
            << "pw" << Tries{{"pw", "aoZ", "aoZ"}} << false << QStringList{changed} << true << "aoZ"
            << QStringLiteral("0") + QChar(0) + "(";
        QTest::newRow("wrong old, then Cancel")
            << "pw" << Tries{{"PW", "new", "new"}} << true << QStringList{wrongOld} << false << "pw"
            << "!\x18";
        QTest::newRow("Cancel at once") << "pw" << Tries{} << true << QStringList{} << false << "pw"
                                        << "!\x18";
    }

    void changeFlows()
    {
        QFETCH(QString, before);
        QFETCH(Tries, tries);
        QFETCH(bool, cancelAtEnd);
        QFETCH(QStringList, messages);
        QFETCH(bool, result);
        QFETCH(QString, after);
        QFETCH(QString, storedValue);
        TestFolders folders;
        ScriptedPrompt prompt;
        QVERIFY(WriteStoredPassword(before));

        auto script = OnNextModal([&](QDialog& dialog) {
            auto* change = qobject_cast<CChangepassword*>(&dialog);
            QVERIFY(change);
            QCOMPARE(change->windowTitle(), QStringLiteral("Change Password"));
            QCOMPARE(change->OldPasswordBox()->isVisible(), !before.isEmpty());
            for (const QStringList& typed : tries) {
                if (!before.isEmpty())
                    Type(change->OldPasswordBox(), typed[0]);
                Type(change->NewPasswordBox(), typed[1]);
                Type(change->ConfirmPasswordBox(), typed[2]);
                const qsizetype messagesBefore = prompt.asked.size();
                Click(change->OkButton());
                QCOMPARE(prompt.asked.size(), messagesBefore + 1);
                if (prompt.asked.last() != kPasswordChangedMessage) {
                    QVERIFY(change->isVisible());
                    QCOMPARE(change->OldPasswordBox()->text(), QString());
                    QCOMPARE(change->NewPasswordBox()->text(), QString());
                    QCOMPARE(change->ConfirmPasswordBox()->text(), QString());
                    QCOMPARE(ReadStoredPassword(), before); // nothing stored yet
                }
            }
            if (cancelAtEnd)
                Click(change->CancelButton());
        });
        QCOMPARE(ChangePassword(nullptr), result);
        QVERIFY(script->shown);
        QVERIFY(!script->leftOpen);
        QCOMPARE(prompt.asked, messages);
        for (int i = 0; i < prompt.asked.size(); ++i)
            QCOMPARE(prompt.icons[i],
                     prompt.asked[i] == kPasswordChangedMessage ? PromptIcon::Information : PromptIcon::Exclamation);
        QCOMPARE(ReadStoredPassword(), after);
        QCOMPARE(StoredPasswordValue(), storedValue);
    }

    // The settings file cannot be written: the change is not reported as
    // done, the dialog stays open with what was typed, and the password in
    // force is unchanged.
    void failedStoreIsNotReportedAsAChange()
    {
        TestFolders folders;
        ScriptedPrompt prompt;
        QVERIFY(WriteStoredPassword("pw"));
        CChangepassword dialog("pw", &WriteStoredPassword);
        dialog.show();
        Type(dialog.OldPasswordBox(), "pw");
        Type(dialog.NewPasswordBox(), "new");
        Type(dialog.ConfirmPasswordBox(), "new");
        // A file where the settings folder should be: nothing can be saved.
        const QString blocker = folders.Path("blocker");
        QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
        SetSettingsFile(blocker + "/settings.ini");
        const QString notSaved = PasswordNotSavedMessage();
        Click(dialog.OkButton());
        QVERIFY(dialog.isVisible());
        QCOMPARE(prompt.asked, QStringList{notSaved});
        QCOMPARE(prompt.icons, QList<PromptIcon>{PromptIcon::Exclamation});
        QCOMPARE(dialog.NewPasswordBox()->text(), QStringLiteral("new"));
        SetSettingsFile(folders.SettingsFile());
        QCOMPARE(ReadStoredPassword(), QStringLiteral("pw"));
        // Once the file can be written again, OK goes through.
        Click(dialog.OkButton());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(ReadStoredPassword(), QStringLiteral("new"));
    }

    void boxesTakeThirtyCharacters()
    {
        const QString typed = "abcdefghijklmnopqrstuvwxyz01234"; // 31
        CEnterPassword enter("pw");
        CChangepassword change("pw", nullptr);
        enter.show();
        change.show();
        for (QLineEdit* box :
             {enter.PasswordBox(), change.OldPasswordBox(), change.NewPasswordBox(), change.ConfirmPasswordBox()}) {
            Type(box, typed);
            QCOMPARE(box->text(), typed.left(30));
            QCOMPARE(box->echoMode(), QLineEdit::Password);
        }
    }
};

FORMLARK_TEST_MAIN(PasswordDialogsTest)
#include "PasswordDialogsTest.moc"
