// The window-less commands against odd files, run as the user runs them:
// outputs that would land on a company's files or on what is not a regular
// file, inputs that are devices or pipes, a file-size limit, company names
// that differ only in case, and first arguments that name no command.
#include "app/ProgramCommands.h"
#include "core/files/RegularFile.h"
#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"
#include "tests/support/EarlierStoreWriter.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/RecordBuilders.h"
#include "tests/support/TestFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

CompanyData Company(const QString& name, const QString& employee)
{
    return MakeCompany(name, {MakeEmployee(1, "111-11-1111", employee, "Lee")}, {MakeW2(1, 1)});
}

int EmployeeCount(const QString& path)
{
    CompanyStore store;
    CompanyData data;
    return LoadCompany(store, path, data) == 0 ? int(data.employees.size()) : -1;
}

} // namespace

class CommandFilesTest : public QObject {
    Q_OBJECT

private:
    TestFolders* folders_ = nullptr;

    // The program with the test's settings file and program folder (whose
    // "DatabaseFiles" is the data folder), ended after 30 seconds.
    ProgramRun Formlark(const QStringList& arguments, qint64 fileSizeLimit = 0, const QString& settingsFile = QString())
    {
        ProgramEnvironment environment;
        environment.settingsFile = settingsFile.isEmpty() ? folders_->SettingsFile() : settingsFile;
        environment.programFolder = folders_->ProgramFolder();
        environment.workingFolder = folders_->Path("");
        environment.fileSizeLimit = fileSizeLimit;
        environment.survivesFileSizeLimit = false;
        return RunFormlark(arguments, environment, 30000);
    }

    QString Data() const { return folders_->DataFolder(); }
    QString Out() const { return folders_->Path("out/"); }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(FormlarkProgram()), "run through ctest, which names the program folder");
    }

    void init()
    {
        folders_ = new TestFolders;
        QVERIFY(QDir().mkpath(Out()));
        QVERIFY(WriteCompanyStore(Data() + "Acme.pmt", Company("Acme", "Ann")));
    }

    void cleanup()
    {
        delete folders_;
        folders_ = nullptr;
    }

    // No output ever lands on a company's files or replaces what is not a
    // regular file: refused in one line, exit 2, nothing changed anywhere.
    void outputsThatAreRefused_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target"); // "@data/", "@out/"
        QTest::addColumn<QString>("said");
        const QList<std::pair<const char*, QStringList>> targets = {
            {"the store", {"@data/Acme.pmt", "(a company's store)"}},
            {"the store in another case", {"@data/ACME.PMT", "names a company file"}},
            {"a deleted company", {"@data/Old.pmt.del", "(a deleted company's store)"}},
            {"the journal", {"@data/Acme.pmt-journal", "(the journal of a company's store)"}},
            {"the lock", {"@data/Acme.pmt.lock", "(the lock of a company's store)"}},
            {"a link to the store", {"@out/store-link", "(a company's store)"}},
            {"a second name of the store", {"@out/hard-link", "(a company's store)"}},
            {"a device", {"@out/device", "is a device, not a regular file"}},
            {"a pipe", {"@out/pipe", "is a pipe (FIFO), not a regular file"}},
            {"a folder", {"@out/folder", "is a folder, not a regular file"}},
            // "dsub" links into the data folder: the system takes ".." from
            // where the link led, whatever the text says.
            {"a store's name through a linked folder", {"@out/dsub/../Ghost.pmt", "(a company's store)"}},
            {"the lock through a linked folder", {"@out/dsub/../Acme.pmt.lock", "(the lock of a company's store)"}},
            {"links in a circle", {"@out/loop", "is a symbolic link that leads in a circle"}},
            {"a link to no file yet in the data folder",
             {"@out/dangling", "is a link to \"Report.pdf\", which is no file yet, in the data folder"}},
        };
        for (const char* command : {"print", "export-csv"})
            for (const auto& [row, target] : targets)
                QTest::addRow("%s onto %s", command, row) << command << target[0] << target[1];
    }

    void outputsThatAreRefused()
    {
        QFETCH(QString, command);
        QFETCH(QString, target);
        QFETCH(QString, said);
        QVERIFY(WriteFileBytes(Data() + "Acme.pmt-journal", QByteArray(512, '\0')));
        QVERIFY(WriteFileBytes(Data() + "Acme.pmt.lock", QByteArray()));
        QVERIFY(WriteFileBytes(Data() + "Old.pmt.del", "a deleted company"));
        QVERIFY(QDir().mkpath(Out() + "folder"));
        QVERIFY(QDir().mkpath(Data() + "sub"));
        QVERIFY(QFile::link(Data() + "sub", Out() + "dsub"));
        QVERIFY(QFile::link("loop", Out() + "loop"));
        QVERIFY(QFile::link(Data() + "Report.pdf", Out() + "dangling"));
        QVERIFY(QFile::link(Data() + "Acme.pmt", Out() + "store-link"));
        QCOMPARE(::link(QFile::encodeName(Data() + "Acme.pmt").constData(),
                        QFile::encodeName(Out() + "hard-link").constData()),
                 0);
        QCOMPARE(::mkfifo(QFile::encodeName(Out() + "pipe").constData(), 0600), 0);
        const bool device = ::mknod(QFile::encodeName(Out() + "device").constData(), S_IFCHR | 0666, makedev(1, 7))
                            == 0;
        if (target == "@out/device" && !device)
            QSKIP("making a device node needs root");
        const QStringList data = FolderSnapshot(Data());
        const QStringList out = FolderSnapshot(Out());

        target.replace("@data/", Data()).replace("@out/", Out());
        const QStringList arguments = command == "print"
                                          ? QStringList{"print", "--company", "Acme",       "--form", "w2",
                                                        "--all", "--paper",   "preprinted", "--pdf",  target}
                                          : QStringList{"export-csv", "--company", "Acme",
                                                        "--kind",     "employees", target};
        const ProgramRun run = Formlark(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.standardError.startsWith("formlark " + command + ": The file \""), qPrintable(run.standardError));
        QVERIFY2(run.standardError.contains(said), qPrintable(run.standardError));
        QCOMPARE(run.standardError.count('\n'), 1);
        QCOMPARE(FolderSnapshot(Data()), data);
        QCOMPARE(FolderSnapshot(Out()), out);
        if (device) {
            struct stat st = {};
            QVERIFY(::lstat(QFile::encodeName(Out() + "device").constData(), &st) == 0 && S_ISCHR(st.st_mode));
        }
    }

    // An output is written where the system puts it, which is where it was
    // checked: through a linked folder, "../" leads into the folder the
    // link points into.
    void outputsLandWhereTheSystemPutsThem()
    {
        QVERIFY(QDir().mkpath(Data() + "sub"));
        QVERIFY(QFile::link(Data() + "sub", Out() + "dsub"));
        const ProgramRun run = Formlark(
            {"export-csv", "--company", "Acme", "--kind", "employees", Out() + "dsub/../Acme people.csv"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QVERIFY(FileBytes(Data() + "Acme people.csv").contains("Ann"));
        QVERIFY(!QFileInfo::exists(Out() + "Acme people.csv"));
    }

    // Every file made for the user takes the mode the umask gives; one that
    // is replaced keeps its own.
    void outputsTakeTheUmasksMode_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("umask");
        QTest::addColumn<int>("existing"); // the mode of a file there before, or 0 for none
        QTest::addColumn<int>("mode");
        for (const char* command : {"print", "export-csv"}) {
            QTest::addRow("%s, umask 022", command) << command << 022 << 0 << 0644;
            QTest::addRow("%s, umask 077", command) << command << 077 << 0 << 0600;
            QTest::addRow("%s, umask 002", command) << command << 002 << 0 << 0664;
            QTest::addRow("%s over a file of 0640", command) << command << 022 << 0640 << 0640;
        }
    }

    void outputsTakeTheUmasksMode()
    {
        QFETCH(QString, command);
        QFETCH(int, umask);
        QFETCH(int, existing);
        QFETCH(int, mode);
        const QString target = Out() + "made";
        if (existing != 0) {
            QVERIFY(WriteFileBytes(target, "an older file"));
            QCOMPARE(::chmod(QFile::encodeName(target).constData(), mode_t(existing)), 0);
        }
        ProgramEnvironment environment;
        environment.settingsFile = folders_->SettingsFile();
        environment.programFolder = folders_->ProgramFolder();
        environment.umask = umask;
        const ProgramRun run =
            RunFormlark(command == "print"
                            ? QStringList{"print", "--company", "Acme", "--form", "w3", "--pdf", target}
                            : QStringList{"export-csv", "--company", "Acme", "--kind", "employees", target},
                        environment);
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QCOMPARE(FileMode(target), mode);
        QVERIFY(FileBytes(target) != "an older file");
    }

    // The program's own data folder holds the companies and can't be
    // written: the commands that would write say so, naming the folder,
    // instead of switching to a copy of the Sample Company elsewhere; the
    // ones that only read go on.
    void anUnwritableDataFolderIsSaid()
    {
        const QByteArray xdg = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(folders_->Path("xdg")));
        QVERIFY(WriteFileBytes(Out() + "people.csv", "SSN,First Name,Last Name\n222-22-2222,Bo,Berg\n"));
        const QByteArray acme = FileBytes(Data() + "Acme.pmt");
        const QByteArray cedar = FileBytes(EarlierStoreFixture("Legacy Sample.pmt"));
        QVERIFY(WriteFileBytes(Data() + "Cedar.pmt", cedar));
        const QStringList before = FolderSnapshot(Data());
        ProgramEnvironment environment;
        environment.settingsFile = folders_->SettingsFile();
        environment.programFolder = folders_->ProgramFolder();
        environment.readOnlyFolder = Data();
        const ProgramRun import =
            RunFormlark({"import-csv", "--company", "Acme", "--kind", "employees", Out() + "people.csv"}, environment);
        const ProgramRun convert = RunFormlark({"convert", "--company", "Cedar"}, environment);
        const ProgramRun print = RunFormlark({"print", "--company", "Acme", "--form", "w3", "--pdf", Out() + "w3.pdf"},
                                             environment);
        if (xdg.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", xdg);
        if (import.exitCode == kNoReadOnlyFolder)
            QSKIP("no read-only folder can be had here (root without a mount namespace of its own)");
        const QString said = "The data folder \"" + Data() + "\" can't be written";
        QCOMPARE(import.exitCode, 2); // the command could not run
        QVERIFY2(import.standardError.contains(said), qPrintable(import.standardError));
        QCOMPARE(import.standardOutput, QString());
        QCOMPARE(convert.exitCode, 2);
        QVERIFY2(convert.standardError.contains(said), qPrintable(convert.standardError));
        QVERIFY2(print.exitCode == 0, qPrintable(print.standardError));
        QVERIFY(QFileInfo::exists(Out() + "w3.pdf"));
        QCOMPARE(FolderSnapshot(Data()), before);
        QCOMPARE(FileBytes(Data() + "Acme.pmt"), acme);
        QCOMPARE(EmployeeCount(Data() + "Acme.pmt"), 1);
        QVERIFY(!QFileInfo::exists(folders_->Path("xdg")));
    }

    // A device or a pipe as the CSV file or as the settings file: the
    // command ends at once with a message, and never reads without end.
    void inputsThatAreNotFiles_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "@csv" a good CSV file
        QTest::addColumn<QString>("settings");      // empty: the test's own
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        const QStringList import = {"import-csv", "--company", "Acme", "--kind", "employees"};
        const QString notUsed = "formlark %1: warning: The settings file \"@pipe\" can't be used: it is a pipe (FIFO), "
                                "not a regular file. Its settings are not used.";
        QTest::newRow("import from an endless device")
            << import + QStringList{"/dev/zero"} << "" << 2 << "could not be read: it is a device, not a regular file";
        QTest::newRow("import from a pipe")
            << import + QStringList{"@pipe"} << "" << 2 << "could not be read: it is a pipe (FIFO), not a regular file";
        QTest::newRow("import with a pipe for settings")
            << import + QStringList{"@csv"} << "@pipe" << 0 << notUsed.arg("import-csv");
        QTest::newRow("export with a pipe for settings")
            << QStringList{"export-csv", "--company", "Acme", "--kind", "employees", "@out/people.csv"} << "@pipe" << 0
            << notUsed.arg("export-csv");
        QTest::newRow("print with a pipe for settings")
            << QStringList{"print", "--company", "Acme",       "--form", "w2",
                           "--all", "--paper",   "preprinted", "--pdf",  "@out/w2.pdf"}
            << "@pipe" << 0 << notUsed.arg("print");
        QTest::newRow("print with an endless device for settings")
            << QStringList{"print",   "--company",  "Acme",  "--form",     "w3",
                           "--paper", "preprinted", "--pdf", "@out/w3.pdf"}
            << "/dev/zero" << 0
            << "formlark print: warning: The settings file \"/dev/zero\" can't be used: it is a device";
    }

    void inputsThatAreNotFiles()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, settings);
        QFETCH(QString, said);
        const QString pipe = Out() + "pipe";
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(WriteFileBytes(Out() + "people.csv.in", "SSN,First Name,Last Name\n222-22-2222,Bo,Berg\n"));
        arguments.replaceInStrings("@csv", Out() + "people.csv.in")
            .replaceInStrings("@pipe", pipe)
            .replaceInStrings("@out/", Out());
        settings.replace("@pipe", pipe);
        said.replace("@pipe", pipe);
        const QByteArray store = FileBytes(Data() + "Acme.pmt");

        const ProgramRun run = Formlark(arguments, 0, settings);
        QVERIFY2(run.exitCode >= 0, "ended within its time");
        QTEST(run.exitCode, "exitCode");
        QVERIFY2(run.standardError.contains(said), qPrintable(run.standardError));
        if (run.exitCode != 0)
            QCOMPARE(FileBytes(Data() + "Acme.pmt"), store);
        QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
    }

    // Under a file-size limit (ulimit -f) the import is not killed: it says
    // once what could not be written and why, and the store is as it was.
    void importUnderAFileSizeLimit()
    {
        QByteArray csv = "SSN,First Name,Last Name,Wages\n";
        for (int n = 0; n < 300; ++n)
            csv +=
                QStringLiteral("%1,Person%2,Lee,1000.00\n")
                    .arg(QStringLiteral("3%1-22-%2").arg(n / 100, 2, 10, QChar('0')).arg(n % 10000, 4, 10, QChar('0')))
                    .arg(n)
                    .toUtf8();
        QVERIFY(WriteFileBytes(Out() + "many.csv", csv));
        const QString store = Data() + "Acme.pmt";
        const QByteArray before = FileBytes(store);

        const ProgramRun run = Formlark({"import-csv", "--company", "Acme", "--kind", "employees", Out() + "many.csv"},
                                        before.size() + 2048);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.standardError.count('\n'), 1);
        QVERIFY2(run.standardError.startsWith("formlark import-csv: Formlark could not save your changes (300 new "
                                              "employees, 300 new W-2s) to the company file \""
                                              + store + "\", so none of them was written: " + SystemErrorText(EFBIG)),
                 qPrintable(run.standardError));
        QVERIFY(!run.standardError.contains("Use Save"));
        QCOMPARE(run.standardOutput, QString());
        QCOMPARE(FileBytes(store), before);
        QCOMPARE(EmployeeCount(store), 1);
    }

    // With Acme.pmt and ACME.pmt, the exact spelling picks one; a name that
    // fits both is refused with both names, and nothing is written.
    void namesThatDifferOnlyInCase_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "@out/" the output folder, "@csv" a CSV file
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        const QString both = "The company name \"acme\" fits 2 companies that differ only in letter case: "
                             "\"ACME\", \"Acme\".";
        QTest::newRow("print, fits both")
            << QStringList{"print", "--company", "acme", "--form", "w3", "--pdf", "@out/w3.pdf"} << 2 << both;
        QTest::newRow("export, fits both")
            << QStringList{"export-csv", "--company", "acme", "--kind", "employees", "@out/people.csv"} << 2 << both;
        QTest::newRow("import, fits both")
            << QStringList{"import-csv", "--company", "acme", "--kind", "employees", "@csv"} << 2 << both;
        QTest::newRow("export, spelt exactly")
            << QStringList{"export-csv", "--company", "ACME", "--kind", "employees", "@out/people.csv"} << 0
            << "1 employees of \"ACME\" written";
    }

    void namesThatDifferOnlyInCase()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        QVERIFY(WriteCompanyStore(Data() + "ACME.pmt", Company("ACME", "Zed")));
        QVERIFY(WriteFileBytes(Out() + "in.csv", "SSN,First Name,Last Name\n222-22-2222,Bo,Berg\n"));
        arguments.replaceInStrings("@out/", Out()).replaceInStrings("@csv", Out() + "in.csv");
        const QStringList data = FolderSnapshot(Data());

        const ProgramRun run = Formlark(arguments);
        QTEST(run.exitCode, "exitCode");
        QVERIFY2((run.standardError + run.standardOutput).contains(said),
                 qPrintable(run.standardError + run.standardOutput));
        QCOMPARE(FolderSnapshot(Data()), data);
        const QStringList written = QDir(Out()).entryList({"people.csv", "w3.pdf"}, QDir::Files);
        if (run.exitCode == 0) {
            QCOMPARE(written, QStringList{"people.csv"});
            QVERIFY(FileBytes(Out() + "people.csv").contains("Zed")); // ACME's, not Acme's
        } else {
            QCOMPARE(written, QStringList());
        }
    }

    // A first argument that is neither an option, a command nor a file to
    // open is refused at once, without a window.
    void unknownCommands_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::newRow("a word") << "frobnicate";
        QTest::newRow("a misspelt command") << "exprot-csv";
        QTest::newRow("a command in capitals") << "PRINT";
        QTest::newRow("empty") << "";
        QTest::newRow("a company file that is not there") << "Gone.pmt";
        QTest::newRow("a folder") << "out";
    }

    void unknownCommands()
    {
        QFETCH(QString, argument);
        const ProgramRun run = Formlark({argument, "--company", "Acme"});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.standardError, QStringLiteral("formlark: unknown command \"%1\"; the commands are new-company, "
                                                   "print, import-csv, export-csv, check, convert (see formlark "
                                                   "COMMAND --help), or give no argument to open the window\n")
                                        .arg(argument));
        QCOMPARE(run.standardOutput, QString());
    }

    // The window opens for nothing, the toolkit's options or files to open
    // (the first is opened); any other option is refused without a window.
    void argumentsAreClassified_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("argument"); // the one refused, or the command
        QTest::addColumn<QStringList>("files");
        const int window = int(ProgramRequestKind::Window);
        const int unknownOption = int(ProgramRequestKind::UnknownOption);
        QTest::newRow("none") << QStringList{} << window << "" << QStringList{};
        QTest::newRow("a toolkit option") << QStringList{"-platform", "offscreen"} << window << "" << QStringList{};
        QTest::newRow("toolkit options around a file")
            << QStringList{"--style=fusion", "@data/Acme.pmt", "-reverse", "-stylesheet", "my.qss"} << window << ""
            << QStringList{"@data/Acme.pmt"};
        QTest::newRow("a company file") << QStringList{"@data/Acme.pmt"} << window << ""
                                        << QStringList{"@data/Acme.pmt"};
        QTest::newRow("two company files (%F)") << QStringList{"@data/Acme.pmt", "@data/Other.pmt"} << window << ""
                                                << QStringList{"@data/Acme.pmt", "@data/Other.pmt"};
        QTest::newRow("a command") << QStringList{"export-csv"} << int(ProgramRequestKind::Command) << "export-csv"
                                   << QStringList{};
        QTest::newRow("the version") << QStringList{"-v"} << int(ProgramRequestKind::Version) << "" << QStringList{};
        QTest::newRow("the usage") << QStringList{"--help"} << int(ProgramRequestKind::Help) << "" << QStringList{};
        QTest::newRow("a folder") << QStringList{"@data/"} << int(ProgramRequestKind::UnknownCommand) << "@data/"
                                  << QStringList{};
        QTest::newRow("an unknown long option") << QStringList{"--frob"} << unknownOption << "--frob" << QStringList{};
        QTest::newRow("an unknown short option") << QStringList{"-x"} << unknownOption << "-x" << QStringList{};
        QTest::newRow("the end of options") << QStringList{"--"} << unknownOption << "--" << QStringList{};
        QTest::newRow("an unknown option after a file")
            << QStringList{"@data/Acme.pmt", "--frob"} << unknownOption << "--frob" << QStringList{};
        QTest::newRow("a toolkit option's value is not a file")
            << QStringList{"-style", "fusion", "--frob"} << unknownOption << "--frob" << QStringList{};
    }

    void argumentsAreClassified()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, argument);
        QFETCH(QStringList, files);
        QVERIFY(WriteCompanyStore(Data() + "Other.pmt", Company("Other", "Olaf")));
        QList<QByteArray> bytes{"formlark"};
        for (const QString& given : arguments)
            bytes << QFile::encodeName(QString(given).replace("@data/", Data()));
        std::vector<char*> argv;
        for (QByteArray& b : bytes)
            argv.push_back(b.data());
        argv.push_back(nullptr);
        const ProgramRequest request = ClassifyProgramArguments(int(bytes.size()), argv.data());
        QTEST(int(request.kind), "kind");
        argument.replace("@data/", Data());
        if (request.kind == ProgramRequestKind::Command)
            QCOMPARE(QString::fromLatin1(request.command->syntax().name), argument);
        else
            QCOMPARE(request.argument, argument);
        QCOMPARE(request.files, files.replaceInStrings("@data/", Data()));
    }

    // The window opens one company; the others the file manager passed are
    // named in one message.
    void filesNotOpenedAreNamed()
    {
        QCOMPARE(FilesNotOpenedMessage({"A.pmt"}), QString());
        QCOMPARE(FilesNotOpenedMessage({"A.pmt", "B.pmt"}),
                 QStringLiteral("Formlark opens one company at a time, so \"B.pmt\" was not opened."));
        QCOMPARE(FilesNotOpenedMessage({"A.pmt", "B.pmt", "/tmp/C.pmt"}),
                 QStringLiteral("Formlark opens one company at a time, so these files were not opened: \"B.pmt\", "
                                "\"/tmp/C.pmt\"."));
    }

    // An option the program does not know is refused with the usage, at
    // once and without a window, also where the environment names a
    // platform that has no display; so are the commands' own.
    void unknownOptionsAreRefusedWithoutAWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("said");
        const QString usage = ProgramUsageLine() + "\n";
        QTest::newRow("--frob") << QStringList{"--frob"} << "formlark: unknown option \"--frob\"\n" + usage;
        QTest::newRow("-x") << QStringList{"-x"} << "formlark: unknown option \"-x\"\n" + usage;
        QTest::newRow("--") << QStringList{"--"} << "formlark: unknown option \"--\"\n" + usage;
        QTest::newRow("after a company file")
            << QStringList{"@data/Acme.pmt", "--frob"} << "formlark: unknown option \"--frob\"\n" + usage;
        QTest::newRow("a command's") << QStringList{"check", "--frob"}
                                     << "formlark check: unknown option \"--frob\" (see formlark check --help)\n";
    }

    void unknownOptionsAreRefusedWithoutAWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, said);
        for (const char* platform : {"offscreen", "xcb"}) {
            ProgramEnvironment environment = FoldersEnvironment(*folders_);
            environment.platform = QLatin1String(platform);
            const ProgramRun run = RunFormlark(arguments.replaceInStrings("@data/", Data()), environment, 20000);
            QCOMPARE(run.exitCode, 2);
            QCOMPARE(run.standardError, said);
            QCOMPARE(run.standardOutput, QString());
        }
    }
};

FORMLARK_TEST_GUILESS_MAIN(CommandFilesTest)
#include "CommandFilesTest.moc"
