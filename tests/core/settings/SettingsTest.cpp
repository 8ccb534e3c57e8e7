// The settings store: key table, defaults, round trips, the file's format
// and location, and the print options kept in hundredths of an inch.
#include "core/settings/PrintOptionsStore.h"
#include "core/settings/Settings.h"
#include "core/print/ContractorPrintOptions.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestFolders.h"
#include "core/print/WagePrintOptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace {

QString FileText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Whether `read` leaves every option of its kind at its default.
template <class Options>
bool ReadsTheDefaults(void (*read)(Options&))
{
    Options options;
    read(options);
    return options == Options{};
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    // Settings files of earlier runs and of other tools stay readable only
    // while every value lands under the same key as always.
    void everyValueLandsUnderItsVerbatimKey()
    {
        TestFolders folders;
        WriteSettingText(SettingsKeyPath(kKeyLastActiveCompany), "Value", "Acme");
        WriteSettingText(SettingsKeyPath(kKeyDcomOptions), "Company Data Path", "/data/");
        PrintW2Options w2;
        WritePrintW2Options(w2);
        PrintW3Options w3;
        WritePrintW3Options(w3);
        Print1099Options f1099;
        WritePrint1099Options(f1099);
        Print1096Options f1096;
        WritePrint1096Options(f1096);
        const QString text = FileText(folders.SettingsFile());
        for (const char* group : {"[SOFTWARE\\Brindlecove\\Formlark (2005)\\Last Active Company]\nValue=",
                                  "[SOFTWARE\\Microsoft\\DCOM Settings\\Options]\nCompany Data Path=",
                                  "[SOFTWARE\\Brindlecove\\Formlark (2005)\\Form W2 Print Options]\nW2 ",
                                  "[SOFTWARE\\Brindlecove\\Formlark (2005)\\Form W3 Print Options]\nW3 ",
                                  "[SOFTWARE\\Brindlecove\\Formlark (2005)\\Form 1099 Print Options]\n1099 ",
                                  "[SOFTWARE\\Brindlecove\\Formlark (2005)\\Form 1096 Print Options]\n1096 "})
            QVERIFY2(text.contains(QLatin1String(group)), group);
        QVERIFY(!text.contains("General Options"));
        QCOMPARE(SettingsKeyPath(7), QString());
    }

    // Values written by hand or by another program may be out of range:
    // the option keeps its default, so no job prints off the paper or
    // with a paper kind that does not exist.
    void outOfRangeOptionsKeepTheirDefaults_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("stored");
        QTest::newRow("offset beyond 99.99 inches") << 1 << "W2 Horizontal Offset Value" << 10000;
        QTest::newRow("negative offset") << 1 << "W2 Vertical Offset Value" << -5;
        QTest::newRow("vertical space below 0.75") << 1 << "W2 Vertical Space Between forms" << 74;
        QTest::newRow("vertical space above 1.75") << 1 << "W2 Vertical Space Between forms" << 176;
        QTest::newRow("unknown paper") << 1 << "W2 Paper Type" << 2;
        QTest::newRow("unknown copy") << 1 << "W2 Blank Copy Type" << 6;
        QTest::newRow("unknown target") << 1 << "W2 Print Target" << -1;
        QTest::newRow("unknown direction") << 1 << "W2 Horizontal Offset Direction" << 7;
        QTest::newRow("W-3 offset beyond 99.99 inches") << 2 << "W3 Vertical Offset Value" << 99999;
        QTest::newRow("W-3 unknown paper") << 2 << "W3 Paper Type" << 3;
        QTest::newRow("1099 offset far beyond") << 3 << "1099 Horizontal Offset Value" << 2147483647;
        QTest::newRow("1099 unknown copy") << 3 << "1099 Copy Type" << 4;
        QTest::newRow("1099 unknown target") << 3 << "1099 Print Target" << 2;
        QTest::newRow("1096 unknown paper") << 4 << "1096 Paper Type" << -2;
        QTest::newRow("1096 unknown direction") << 4 << "1096 Vertical Offset Direction" << 2;
    }

    void outOfRangeOptionsKeepTheirDefaults()
    {
        QFETCH(int, key);
        QFETCH(QString, name);
        QFETCH(int, stored);
        TestFolders folders;
        WriteSettingNumber(SettingsKeyPath(key), name, stored);
        QVERIFY(ReadsTheDefaults(&ReadPrintW2Options));
        QVERIFY(ReadsTheDefaults(&ReadPrintW3Options));
        QVERIFY(ReadsTheDefaults(&ReadPrint1099Options));
        QVERIFY(ReadsTheDefaults(&ReadPrint1096Options));
    }

    // The file is replaced whole or not at all: a write that runs into a
    // full disk (here a file-size limit) is reported as failed and leaves
    // the file with every value it had, and no half-written file beside it.
    void aFailedWriteLeavesTheFileAsItWas()
    {
        TestFolders folders;
        const QString key = SettingsKeyPath(kKeyDcomOptions);
        QVERIFY(WriteSettingText(key, "{A33CA0E7-34ED-409c-980D-2F844E7C8678}", "scrambled password"));
        QVERIFY(WriteSettingNumber(SettingsKeyPath(kKeyW2PrintOptions), "W2 Horizontal Offset Value", 25));
        const QByteArray before = FileBytes(folders.SettingsFile());
        const int written = RunWithFileSizeLimit(before.size() + 100, true, [&] {
            return WriteSettingText(key, "Company Data Path", QString(5000, u'x')) ? 0 : 1;
        });
        QCOMPARE(written, 1);
        QCOMPARE(FileBytes(folders.SettingsFile()), before);
        const QFileInfo file(folders.SettingsFile());
        QCOMPARE(file.dir().entryList(QDir::Files | QDir::Hidden), QStringList{file.fileName()});
    }

    // Only looking at the settings leaves the file exactly as it is: no key
    // is created, no comment line dropped, every write refused.
    void readOnlySettingsLeaveTheFileAlone()
    {
        TestFolders folders;
        const QByteArray text = "; the user's own note\n"
                                "[SOFTWARE\\Microsoft\\DCOM Settings\\Options]\n"
                                "Company Data Path=\"/data/\"\n";
        QVERIFY(QDir().mkpath(QFileInfo(folders.SettingsFile()).absolutePath()));
        QVERIFY(WriteFileBytes(folders.SettingsFile(), text));
        SetSettingsReadOnly(true);
        const QString read = ReadSettingText(SettingsKeyPath(kKeyDcomOptions), "Company Data Path", "-");
        const QString missing = ReadSettingText(SettingsKeyPath(kKeyLastActiveCompany), "Value", "Sample Company");
        const bool wrote = WriteSettingNumber(SettingsKeyPath(kKeyW2PrintOptions), "W2 Paper Type", 1);
        SetSettingsReadOnly(false);
        QCOMPARE(read, QStringLiteral("/data/"));
        QCOMPARE(missing, QStringLiteral("Sample Company"));
        QVERIFY(!wrote);
        QCOMPARE(FileBytes(folders.SettingsFile()), text);
    }

    void readsCreateTheKeyAndGiveTheDefault()
    {
        TestFolders folders;
        const QString key = SettingsKeyPath(kKeyLastActiveCompany);
        QCOMPARE(ReadSettingText(key, "Value", "Sample Company"), QStringLiteral("Sample Company"));
        // The key exists now, still without the value.
        QVERIFY(FileText(folders.SettingsFile()).contains("[" + key + "]"));
        QCOMPARE(ReadSettingText(key, "Value", "other default"), QStringLiteral("other default"));
        QCOMPARE(ReadSettingNumber(key, "Missing", 17), 17);
    }

    void valuesRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "Acme Tools";
        QTest::newRow("quotes and backslashes") << "C:\\Data\\\"x\"";
        QTest::newRow("line breaks") << "a\nb\r\nc\td";
        QTest::newRow("zero character inside") << QString("ab") + QChar(0) + "cd";
        QTest::newRow("equals and brackets") << "[x]=y";
        QTest::newRow("non-ASCII") << "Núñez & Søn";
        QTest::newRow("empty") << "";
    }

    void valuesRoundTrip()
    {
        QFETCH(QString, text);
        TestFolders folders;
        const QString key = SettingsKeyPath(kKeyDcomOptions);
        QVERIFY(WriteSettingText(key, "{A33CA0E7-34ED-409c-980D-2F844E7C8678}", text));
        QCOMPARE(ReadSettingText(key, "{A33CA0E7-34ED-409c-980D-2F844E7C8678}", "default"), text);
    }

    void numbersAndTextsKeepTheirType()
    {
        TestFolders folders;
        const QString key = SettingsKeyPath(kKeyW2PrintOptions);
        QVERIFY(WriteSettingNumber(key, "W2 Paper Type", 0));
        QVERIFY(WriteSettingNumber(key, "Negative", -5));
        QVERIFY(WriteSettingText(key, "A Text", "12"));
        QCOMPARE(ReadSettingNumber(key, "W2 Paper Type", 1), 0);
        QCOMPARE(ReadSettingNumber(key, "Negative", 0), -5);
        // A value of the other type counts as missing.
        QCOMPARE(ReadSettingNumber(key, "A Text", 99), 99);
        QCOMPARE(ReadSettingText(key, "W2 Paper Type", "none"), QStringLiteral("none"));
        // Names and key paths as in a registry: any letter case.
        QCOMPARE(ReadSettingNumber(key.toLower(), "w2 paper type", 1), 0);
        QVERIFY(WriteSettingNumber(key.toUpper(), "W2 PAPER TYPE", 1));
        QCOMPARE(ReadSettingNumber(key, "W2 Paper Type", 0), 1);
        QCOMPARE(FileText(folders.SettingsFile()).count("W2 Paper Type", Qt::CaseInsensitive), 1);
    }

    void fileFormatKeepsPathsAndNamesVerbatim()
    {
        TestFolders folders;
        WriteSettingText(SettingsKeyPath(kKeyLastActiveCompany), "Value", "Acme");
        WriteSettingNumber(SettingsKeyPath(kKeyW2PrintOptions), "W2 Vertical Space Between forms", 125);
        const QString text = FileText(folders.SettingsFile());
        QVERIFY(text.contains("[SOFTWARE\\Brindlecove\\Formlark (2005)\\Last Active Company]\nValue=\"Acme\"\n"));
        QVERIFY(text.contains("[SOFTWARE\\Brindlecove\\Formlark (2005)\\Form W2 Print Options]\n"
                              "W2 Vertical Space Between forms=dword:0000007d\n"));
    }

    void fileLocationFollowsXdgConfigHome()
    {
        SetSettingsFile(QString());
        const QByteArray savedOverride = qgetenv("FORMLARK_SETTINGS_FILE");
        const QByteArray savedXdg = qgetenv("XDG_CONFIG_HOME");
        qunsetenv("FORMLARK_SETTINGS_FILE");
        qputenv("XDG_CONFIG_HOME", "/tmp/formlark-xdg");
        QCOMPARE(SettingsFilePath(), QStringLiteral("/tmp/formlark-xdg/Brindlecove/Formlark (2005).ini"));
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(SettingsFilePath(), QDir::homePath() + "/.config/Brindlecove/Formlark (2005).ini");
        qputenv("FORMLARK_SETTINGS_FILE", "/tmp/elsewhere.ini");
        QCOMPARE(SettingsFilePath(), QStringLiteral("/tmp/elsewhere.ini"));
        qputenv("FORMLARK_SETTINGS_FILE", savedOverride);
        if (savedXdg.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", savedXdg);
    }

    void programFolderEndsInASeparator()
    {
        TestFolders folders;
        QCOMPARE(ProgramFolder(), folders.ProgramFolder());
        SetProgramFolder(QString());
        QVERIFY(ProgramFolder().endsWith(u'/'));
    }

    void programFolderOfAnInstalledProgram_data()
    {
        QTest::addColumn<QStringList>("folders"); // made beneath a temporary root
        QTest::addColumn<QString>("file");        // and a file, when not empty
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("installed");
        QTest::newRow("installed: ../share/formlark/")
            << QStringList{"usr/bin", "usr/share/formlark"} << "" << "usr/bin" << "usr/share/formlark/" << true;
        QTest::newRow("executable folder given with a slash")
            << QStringList{"opt/x/bin", "opt/x/share/formlark"} << "" << "opt/x/bin/" << "opt/x/share/formlark/" << true;
        QTest::newRow("build folder: its own folder")
            << QStringList{"build/bin"} << "" << "build/bin" << "build/bin/" << false;
        QTest::newRow("share without formlark")
            << QStringList{"p/bin", "p/share/other"} << "" << "p/bin" << "p/bin/" << false;
        QTest::newRow("share/formlark a file") << QStringList{"p/bin", "p/share"} << "p/share/formlark" << "p/bin"
                                               << "p/bin/" << false;
    }

    void programFolderOfAnInstalledProgram()
    {
        QFETCH(QStringList, folders);
        QFETCH(QString, file);
        QFETCH(QString, executable);
        QFETCH(QString, expected);
        QFETCH(bool, installed);
        QTemporaryDir root;
        for (const QString& folder : folders)
            QVERIFY(QDir(root.path()).mkpath(folder));
        if (!file.isEmpty()) {
            QFile made(root.filePath(file));
            QVERIFY(made.open(QIODevice::WriteOnly));
        }
        const ProgramLocation location = LocateProgramFolder(root.filePath(executable));
        QCOMPARE(location.folder, root.path() + u'/' + expected);
        QCOMPARE(location.installed, installed);
    }

    void inchesComeBackAsTyped_data()
    {
        QTest::addColumn<double>("inches");
        QTest::addColumn<int>("stored");
        QTest::addColumn<double>("back");
        QTest::newRow("0.29 (not 28 hundredths)") << 0.29 << 29 << 0.29;
        QTest::newRow("0.57") << 0.57 << 57 << 0.57;
        QTest::newRow("1.15") << 1.15 << 115 << 1.15;
        QTest::newRow("99.99") << 99.99 << 9999 << 99.99;
        QTest::newRow("negative offset stores its magnitude") << -0.5 << 50 << 0.5;
    }

    void inchesComeBackAsTyped()
    {
        QFETCH(double, inches);
        QFETCH(int, stored);
        QFETCH(double, back);
        TestFolders folders;
        const QString key = SettingsKeyPath(kKeyW3PrintOptions);
        double value = inches;
        WriteInches(key, "W3 Horizontal Offset Value", value);
        QCOMPARE(value, std::abs(inches)); // made positive in memory too
        QCOMPARE(ReadSettingNumber(key, "W3 Horizontal Offset Value", -1), stored);
        double read = 12345;
        ReadInches(key, "W3 Horizontal Offset Value", read);
        QCOMPARE(read, back);
    }

    void printOptionsRoundTrip()
    {
        TestFolders folders;
        PrintW2Options w2;
        ReadPrintW2Options(w2);
        QCOMPARE(w2, PrintW2Options{}); // nothing stored: the initial values
        w2.HorizontalOffset = -0.29;
        w2.HorizontalDirection = 0;
        w2.VerticalOffset = 0.13;
        w2.VerticalSpace = 1.5;
        w2.Target = PrintTarget::All;
        w2.Paper = PaperType::Blank;
        w2.BlankCopy = W2CopyType::LaserCopyA;
        WritePrintW2Options(w2);
        PrintW2Options readBack;
        ReadPrintW2Options(readBack);
        QCOMPARE(readBack, w2);
        QCOMPARE(readBack.HorizontalOffset, 0.29);

        Print1099Options f;
        f.VerticalOffset = -0.57;
        f.VerticalDirection = 0;
        f.Copy = Form1099CopyType::CopyC;
        f.Paper = PaperType::Blank;
        WritePrint1099Options(f);
        Print1099Options f2;
        ReadPrint1099Options(f2);
        QCOMPARE(f2, f);

        PrintW3Options w3;
        w3.Paper = PaperType::LaserSubstitute;
        WritePrintW3Options(w3);
        PrintW3Options w3b;
        ReadPrintW3Options(w3b);
        QCOMPARE(w3b.Paper, PaperType::LaserSubstitute);

        Print1096Options p;
        p.HorizontalOffset = 1.01;
        WritePrint1096Options(p);
        Print1096Options p2;
        ReadPrint1096Options(p2);
        QCOMPARE(p2.HorizontalOffset, 1.01);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "SettingsTest.moc"
