// The application password in the settings store: scrambling, the stored
// value kept whole when a character scrambles to zero, values written by
// earlier versions, and the rules of the two dialogs' OK buttons.
#include "core/password/PasswordChecks.h"
#include "core/password/PasswordScramble.h"
#include "core/settings/Settings.h"
#include "tests/support/StoredPassword.h"
#include "tests/support/TestFolders.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

const QString kZero(QChar(0));

} // namespace

class PasswordStoreTest : public QObject {
    Q_OBJECT

private slots:
    void scramblesWithTheKey_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("scrambled");
        QTest::newRow("digits") << "12345"
                                << "`]AB]";
        QTest::newRow("key starts again at the sixth") << "123456"
                                                       << "`]AB]g";
        QTest::newRow("first character equals the key's") << "Qx" << kZero + QChar(0x17);
        QTest::newRow("middle character equals the key's") << "aoZ"
                                                           << "0" + kZero + "(";
        QTest::newRow("the key itself") << "Qorvh" << kZero.repeated(5);
        QTest::newRow("Latin-1 as its ANSI byte") << QString::fromUtf8("é") << QString(QChar(0xB8));
        QTest::newRow("above Latin-1") << QString::fromUtf8("é€") << QString(QChar(0xB8)) + QChar(0x20C3);
    }

    void scramblesWithTheKey()
    {
        QFETCH(QString, plain);
        QFETCH(QString, scrambled);
        QString text = plain;
        QCOMPARE(ScramblePassword(text), 1);
        QCOMPARE(text, scrambled);
        QCOMPARE(ScramblePassword(text), 1); // the same call unscrambles
        QCOMPARE(text, plain);
    }

    void emptyTextIsLeftAlone()
    {
        QString text;
        QCOMPARE(ScramblePassword(text), 0);
        QVERIFY(text.isEmpty());
        text = "abc";
        QCOMPARE(ScramblePassword(text, QString()), 0);
        QCOMPARE(text, QStringLiteral("abc"));
    }

    void surrogatePairsStayPairs()
    {
        const QString plain = QString::fromUtf8("ab😀c🎉");
        QString text = plain;
        ScramblePassword(text);
        QVERIFY(text != plain);
        QVERIFY(QStringView(text).isValidUtf16());
        QCOMPARE(text.toUcs4().size(), plain.toUcs4().size());
        ScramblePassword(text);
        QCOMPARE(text, plain);
    }

    void storedPasswordComesBackWhole_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::newRow("plain letters") << "Secret";
        QTest::newRow("zero at the start") << "Qx";
        QTest::newRow("zero in the middle") << "aoZ";
        QTest::newRow("zero at the end") << "abcdeQ";
        QTest::newRow("nothing but zeros") << "Q";
        QTest::newRow("the key twice") << "QorvhQorvh";
        QTest::newRow("scrambles to quote, backslash and line breaks")
            << QString(QChar(u'"' ^ u'Q')) + QChar(u'\\' ^ u'o') + QChar(u'\n' ^ u'r') + QChar(u'\r' ^ u'v');
        QTest::newRow("non-ASCII") << QString::fromUtf8("Pässwörd€😀");
        QTest::newRow("30 characters") << "abcdefghijklmnopqrstuvwxyzQorv";
    }

    void storedPasswordComesBackWhole()
    {
        QFETCH(QString, plain);
        TestFolders folders;
        QVERIFY(WriteStoredPassword(plain));
        QCOMPARE(StoredPasswordValue().size(), plain.size()); // never cut at a zero character
        QCOMPARE(ReadStoredPassword(), plain);
    }

    // Values written before could hold no zero character; such a file,
    // byte for byte, still gives the same password.
    void earlierValuesReadTheSame()
    {
        TestFolders folders;
        QDir().mkpath(QFileInfo(folders.SettingsFile()).absolutePath());
        QFile file(folders.SettingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[SOFTWARE\\Microsoft\\DCOM Settings\\Options]\n"
                   "Company Data Path=\"/home/user/Formlark/DatabaseFiles/\"\n"
                   "{A33CA0E7-34ED-409c-980D-2F844E7C8678}=\"`]AB]\"\n");
        file.close();
        QCOMPARE(ReadStoredPassword(), QStringLiteral("12345"));

        // And a value holding escapes, as the store writes control characters.
        QVERIFY(WriteSettingText(SettingsKeyPath(kKeyDcomOptions), QLatin1String(kPasswordValueName),
                                 QStringLiteral("\"\n\x11\x04\r%")));
        QCOMPARE(ReadStoredPassword(), QStringLiteral("secret"));
        // Writing the same password gives the same value as before.
        QVERIFY(WriteStoredPassword("12345"));
        QCOMPARE(StoredPasswordValue(), QStringLiteral("`]AB]"));
    }

    void noValueAndEmptyValueMeanNoPassword()
    {
        TestFolders folders;
        QCOMPARE(ReadStoredPassword(), QString());
        QVERIFY(WriteStoredPassword("pw"));
        QCOMPARE(ReadStoredPassword(), QStringLiteral("pw"));
        QVERIFY(WriteStoredPassword(QString()));
        QCOMPARE(StoredPasswordValue(), QString()); // present and empty
        QCOMPARE(ReadStoredPassword(), QString());
    }

    void enteredPassword_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("close");
        QTest::newRow("equal") << "Secret"
                               << "Secret" << true;
        QTest::newRow("letter case differs") << "secret"
                                             << "Secret" << false;
        QTest::newRow("trailing blank") << "Secret "
                                        << "Secret" << false;
        QTest::newRow("empty") << ""
                               << "Secret" << false;
        QTest::newRow("zero-byte password") << "Qx"
                                            << "Qx" << true;
    }

    void enteredPassword()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(bool, close);
        const PasswordOkOutcome outcome = CheckEnteredPassword(typed, expected);
        QCOMPARE(outcome.close, close);
        QCOMPARE(outcome.emptyBoxes, !close);
        QCOMPARE(outcome.message, close ? QString() : QString(kPasswordIncorrectMessage));
        QCOMPARE(outcome.icon, PromptIcon::None);
    }

    void passwordChange_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("typed"); // old, new, confirm
        QTest::addColumn<bool>("storeSucceeds");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("close");
        QTest::addColumn<bool>("emptyBoxes");
        QTest::addColumn<QStringList>("stored");

        const QString wrongOld = kOldPasswordIncorrectMessage;
        const QString mismatch = kPasswordsDontMatchMessage;
        const QString changed = kPasswordChangedMessage;
        QTest::newRow("set the first password")
            << "" << QStringList{"", "new", "new"} << true << changed << true << false << QStringList{"new"};
        QTest::newRow("replace a password")
            << "old" << QStringList{"old", "new", "new"} << true << changed << true << false << QStringList{"new"};
        QTest::newRow("remove the password")
            << "old" << QStringList{"old", "", ""} << true << changed << true << false << QStringList{""};
        QTest::newRow("old in the wrong letter case")
            << "Old" << QStringList{"old", "new", "new"} << true << wrongOld << false << true << QStringList{};
        QTest::newRow("old typed when none is set")
            << "" << QStringList{"x", "new", "new"} << true << wrongOld << false << true << QStringList{};
        QTest::newRow("wrong old wins over a mismatch")
            << "old" << QStringList{"x", "a", "b"} << true << wrongOld << false << true << QStringList{};
        QTest::newRow("new and confirm differ")
            << "old" << QStringList{"old", "new", "New"} << true << mismatch << false << true << QStringList{};
        QTest::newRow("confirm left empty")
            << "old" << QStringList{"old", "new", ""} << true << mismatch << false << true << QStringList{};
        QTest::newRow("store fails: open, boxes kept")
            << "old" << QStringList{"old", "new", "new"} << false << PasswordNotSavedMessage() << false << false
            << QStringList{"new"};
    }

    void passwordChange()
    {
        QFETCH(QString, current);
        QFETCH(QStringList, typed);
        QFETCH(bool, storeSucceeds);
        QFETCH(QString, message);
        QFETCH(bool, close);
        QFETCH(bool, emptyBoxes);
        QFETCH(QStringList, stored);
        QStringList storeCalls;
        const PasswordOkOutcome outcome = CheckPasswordChange(current, {typed[0], typed[1], typed[2]},
                                                              [&](const QString& password) {
                                                                  storeCalls << password;
                                                                  return storeSucceeds;
                                                              });
        QCOMPARE(outcome.message, message);
        QCOMPARE(outcome.close, close);
        QCOMPARE(outcome.emptyBoxes, emptyBoxes);
        QCOMPARE(outcome.icon, message == kPasswordChangedMessage ? PromptIcon::Information : PromptIcon::Exclamation);
        QCOMPARE(storeCalls, stored);
    }

    void notSavedMessageNamesTheSettingsFile()
    {
        TestFolders folders;
        QVERIFY(PasswordNotSavedMessage().contains(folders.SettingsFile()));
    }
};

FORMLARK_TEST_GUILESS_MAIN(PasswordStoreTest)
#include "PasswordStoreTest.moc"
