// The settings store: key table, defaults, round trips, the file's format
// and location, and the print options kept in hundredths of an inch.
#include "core/settings/PrintOptionsStore.h"
#include "core/settings/Settings.h"
#include "core/print/ContractorPrintOptions.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestFolders.h"
#include "core/print/WagePrintOptions.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <sys/stat.h>

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

    // Reading gives the default for what is missing and creates nothing.
    void readsCreateNothing()
    {
        TestFolders folders;
        const QString key = SettingsKeyPath(kKeyLastActiveCompany);
        QCOMPARE(ReadSettingText(key, "Value", "Sample Company"), QStringLiteral("Sample Company"));
        QVERIFY(!QFile::exists(folders.SettingsFile()));
        const QByteArray text = "[SOFTWARE\\Microsoft\\DCOM Settings\\Options]\nCompany Data Path=\"/data/\"\n";
        QVERIFY(QDir().mkpath(QFileInfo(folders.SettingsFile()).absolutePath()));
        QVERIFY(WriteFileBytes(folders.SettingsFile(), text));
        QCOMPARE(ReadSettingText(key, "Value", "other default"), QStringLiteral("other default"));
        QCOMPARE(ReadSettingNumber(SettingsKeyPath(kKeyDcomOptions), "Missing", 17), 17);
        QCOMPARE(FileBytes(folders.SettingsFile()), text);
    }

    // The file is the user's too: writing the values it holds already
    // leaves it byte for byte as it was (not even written anew), and a
    // changed value rewrites its own line only.
    void onlyAChangedValueIsWritten_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("valueLine"); // the line of the last active company

        QTest::newRow("comments and a line before the first group")
            << QByteArray("written by hand, before any group\n"
                          "; my notes\n"
                          "[SOFTWARE\\Brindlecove\\Formlark (2005)\\Last Active Company]\n"
                          "# which company\n"
                          "Value=\"Acme\"\n"
                          "\n"
                          "[SOFTWARE\\Microsoft\\DCOM Settings\\Options]\n"
                          "Company Data Path=\"/data/\"\n"
                          "[SOFTWARE\\Brindlecove\\Formlark (2005)\\Form W2 Print Options]\n"
                          "W2 Paper Type=dword:00000001\n")
            << QByteArray("Value=\"Acme\"");
        QTest::newRow("values quoted and spaced as the user likes")
            << QByteArray("[software\\brindlecove\\formlark (2005)\\last active company]\n"
                          "  value = Acme\n"
                          "[SOFTWARE\\Microsoft\\DCOM Settings\\Options]\n"
                          "Company Data Path=/data/\n"
                          "[SOFTWARE\\Brindlecove\\Formlark (2005)\\Form W2 Print Options]\n"
                          "W2 Paper Type = dword:1\n")
            << QByteArray("  value = Acme");
        QTest::newRow("lines that are neither group nor value")
            << QByteArray("[SOFTWARE\\Brindlecove\\Formlark (2005)\\Last Active Company]\n"
                          "=no name\n"
                          "just some words\n"
                          "Value=\"Acme\"\n"
                          "[SOFTWARE\\Microsoft\\DCOM Settings\\Options]\n"
                          "Company Data Path=\"/data/\"\n"
                          "[SOFTWARE\\Brindlecove\\Formlark (2005)\\Form W2 Print Options]\n"
                          "Broken=dword:zz\n"
                          "W2 Paper Type=dword:00000001\n"
                          "\xff\xfe not UTF-8\n")
            << QByteArray("Value=\"Acme\"");
        QTest::newRow("Windows line ends, none at the end")
            << QByteArray("; notes\r\n"
                          "[SOFTWARE\\Brindlecove\\Formlark (2005)\\Last Active Company]\r\n"
                          "Value=\"Acme\"\r\n"
                          "[SOFTWARE\\Microsoft\\DCOM Settings\\Options]\r\n"
                          "Company Data Path=\"/data/\"\r\n"
                          "[SOFTWARE\\Brindlecove\\Formlark (2005)\\Form W2 Print Options]\r\n"
                          "W2 Paper Type=dword:00000001")
            << QByteArray("Value=\"Acme\"");
    }

    void onlyAChangedValueIsWritten()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, valueLine);
        TestFolders folders;
        const QString path = folders.SettingsFile();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QVERIFY(WriteFileBytes(path, file));
        struct stat before = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);

        QCOMPARE(ReadSettingText(SettingsKeyPath(kKeyLastActiveCompany), "Value", "-"), QStringLiteral("Acme"));
        QVERIFY(WriteSettingText(SettingsKeyPath(kKeyLastActiveCompany), "Value", "Acme"));
        QVERIFY(WriteSettingText(SettingsKeyPath(kKeyDcomOptions), "Company Data Path", "/data/"));
        QVERIFY(WriteSettingNumber(SettingsKeyPath(kKeyW2PrintOptions), "W2 Paper Type", 1));
        QCOMPARE(FileBytes(path), file);
        struct stat after = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino); // not even written anew

        QVERIFY(WriteSettingText(SettingsKeyPath(kKeyLastActiveCompany), "Value", "Beta Co"));
        QByteArray expected = file;
        const QByteArray name = valueLine.trimmed().left(valueLine.trimmed().indexOf('=')).trimmed();
        expected.replace(valueLine, name + "=\"Beta Co\"");
        QCOMPARE(FileBytes(path), expected);
        QCOMPARE(ReadSettingText(SettingsKeyPath(kKeyLastActiveCompany), "Value", "-"), QStringLiteral("Beta Co"));
    }

    // A new value joins its group after the group's last value; a new group
    // comes at the end. Every other line stays where it was.
    void newValuesJoinTheirGroup()
    {
        TestFolders folders;
        const QString path = folders.SettingsFile();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QVERIFY(WriteFileBytes(path, "; mine\n"
                                     "[SOFTWARE\\Microsoft\\DCOM Settings\\Options]\n"
                                     "Company Data Path=\"/data/\"\n"
                                     "; about the next group\n"
                                     "[Somebody Else]\n"
                                     "x=1\n"));
        QVERIFY(WriteSettingText(SettingsKeyPath(kKeyDcomOptions), "Other", "o"));
        QVERIFY(WriteSettingNumber(SettingsKeyPath(kKeyW3PrintOptions), "W3 Paper Type", 2));
        QCOMPARE(FileBytes(path), QByteArray("; mine\n"
                                             "[SOFTWARE\\Microsoft\\DCOM Settings\\Options]\n"
                                             "Company Data Path=\"/data/\"\n"
                                             "Other=\"o\"\n"
                                             "; about the next group\n"
                                             "[Somebody Else]\n"
                                             "x=1\n"
                                             "\n"
                                             "[SOFTWARE\\Brindlecove\\Formlark (2005)\\Form W3 Print Options]\n"
                                             "W3 Paper Type=dword:00000002\n"));
    }

    // A settings file that is a pipe, a device, a folder or far too large is
    // never read (so nothing waits for it), gives the defaults, is said to
    // be unusable, and is left as it is.
    void unusableSettingsFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a pipe") << "pipe"
                                << "it is a pipe (FIFO), not a regular file";
        QTest::newRow("a link to an endless device") << "device"
                                                     << "it is a device, not a regular file";
        QTest::newRow("a folder") << "folder"
                                  << "it is a folder, not a regular file";
        QTest::newRow("far too large") << "large"
                                       << "it is larger than 1 MB";
    }

    void unusableSettingsFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        TestFolders folders;
        const QString path = folders.SettingsFile();
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        const QByteArray large = "[SOFTWARE\\Microsoft\\DCOM Settings\\Options]\nCompany Data Path=\"/data/\"\n"
                                 + QByteArray(2 * 1024 * 1024, ';');
        if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "device")
            QVERIFY(QFile::link("/dev/zero", path));
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(WriteFileBytes(path, large));
        const QStringList before = FolderSnapshot(QFileInfo(path).absolutePath());

        QElapsedTimer timer;
        timer.start();
        QCOMPARE(ReadSettingText(SettingsKeyPath(kKeyDcomOptions), "Company Data Path", "default"),
                 QStringLiteral("default"));
        QVERIFY(!WriteSettingText(SettingsKeyPath(kKeyDcomOptions), "Company Data Path", "/elsewhere/"));
        const QString problem = SettingsFileProblem();
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY2(problem.contains("The settings file \"" + path + "\" can't be used: " + reason), qPrintable(problem));
        QCOMPARE(FolderSnapshot(QFileInfo(path).absolutePath()), before);
        if (kind == "large")
            QCOMPARE(FileBytes(path), large);
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
        QTest::newRow("installed: ../share/formlark/") << QStringList{"usr/bin", "usr/share/formlark"} << ""
                                                       << "usr/bin"
                                                       << "usr/share/formlark/" << true;
        QTest::newRow("executable folder given with a slash") << QStringList{"opt/x/bin", "opt/x/share/formlark"} << ""
                                                              << "opt/x/bin/"
                                                              << "opt/x/share/formlark/" << true;
        QTest::newRow("build folder: its own folder") << QStringList{"build/bin"} << ""
                                                      << "build/bin"
                                                      << "build/bin/" << false;
        QTest::newRow("share without formlark") << QStringList{"p/bin", "p/share/other"} << ""
                                                << "p/bin"
                                                << "p/bin/" << false;
        QTest::newRow("share/formlark a file") << QStringList{"p/bin", "p/share"} << "p/share/formlark"
                                               << "p/bin"
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

FORMLARK_TEST_GUILESS_MAIN(SettingsTest)
#include "SettingsTest.moc"
