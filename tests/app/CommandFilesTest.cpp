// The window-less commands against odd files, run as the user runs them:
// outputs that would land on a company's files or on what is not a regular
// file, inputs that are devices or pipes, a file-size limit, company names
// that differ only in case, and first arguments that name no command.
#include "app/ProgramCommands.h"
#include "core/files/RegularFile.h"
#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"
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
    void initTestCase() { QVERIFY2(QFile::exists(FormlarkProgram()), "run through ctest, which names the program folder"); }

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
        QVERIFY(QFile::link(Data() + "Acme.pmt", Out() + "store-link"));
        QCOMPARE(::link(QFile::encodeName(Data() + "Acme.pmt").constData(),
                        QFile::encodeName(Out() + "hard-link").constData()),
                 0);
        QCOMPARE(::mkfifo(QFile::encodeName(Out() + "pipe").constData(), 0600), 0);
        const bool device = ::mknod(QFile::encodeName(Out() + "device").constData(), S_IFCHR | 0666, makedev(1, 7)) == 0;
        if (target == "@out/device" && !device)
            QSKIP("making a device node needs root");
        const QStringList data = FolderSnapshot(Data());
        const QStringList out = FolderSnapshot(Out());

        target.replace("@data/", Data()).replace("@out/", Out());
        const QStringList arguments = command == "print"
            ? QStringList{"print", "--company", "Acme", "--form", "w2", "--all", "--paper", "preprinted", "--pdf", target}
            : QStringList{"export-csv", "--company", "Acme", "--kind", "employees", target};
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

    // A device or a pipe as the CSV file or as the settings file: the
    // command ends at once with a message, and never reads without end.
    void inputsThatAreNotFiles_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "@csv" a good CSV file
        QTest::addColumn<QString>("settings");       // empty: the test's own
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        const QStringList import = {"import-csv", "--company", "Acme", "--kind", "employees"};
        const QString notUsed = "formlark %1: warning: The settings file \"@pipe\" can't be used: it is a pipe (FIFO), "
                                "not a regular file. Its settings are not used.";
        QTest::newRow("import from an endless device")
            << import + QStringList{"/dev/zero"} << "" << 1
            << "could not be read: it is a device, not a regular file";
        QTest::newRow("import from a pipe") << import + QStringList{"@pipe"} << "" << 1
                                            << "could not be read: it is a pipe (FIFO), not a regular file";
        QTest::newRow("import with a pipe for settings") << import + QStringList{"@csv"} << "@pipe" << 0
                                                         << notUsed.arg("import-csv");
        QTest::newRow("export with a pipe for settings")
            << QStringList{"export-csv", "--company", "Acme", "--kind", "employees", "@out/people.csv"} << "@pipe" << 0
            << notUsed.arg("export-csv");
        QTest::newRow("print with a pipe for settings")
            << QStringList{"print", "--company", "Acme", "--form", "w2", "--all", "--paper", "preprinted", "--pdf",
                           "@out/w2.pdf"}
            << "@pipe" << 0 << notUsed.arg("print");
        QTest::newRow("print with an endless device for settings")
            << QStringList{"print", "--company", "Acme", "--form", "w3", "--paper", "preprinted", "--pdf", "@out/w3.pdf"}
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
            csv += QStringLiteral("%1,Person%2,Lee,1000.00\n")
                       .arg(QStringLiteral("3%1-22-%2").arg(n / 100, 2, 10, QChar('0')).arg(n % 10000, 4, 10, QChar('0')))
                       .arg(n)
                       .toUtf8();
        QVERIFY(WriteFileBytes(Out() + "many.csv", csv));
        const QString store = Data() + "Acme.pmt";
        const QByteArray before = FileBytes(store);

        const ProgramRun run = Formlark({"import-csv", "--company", "Acme", "--kind", "employees", Out() + "many.csv"},
                                 before.size() + 2048);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.standardError.count('\n'), 1);
        QVERIFY2(run.standardError.startsWith("formlark import-csv: Formlark could not save your changes (300 new "
                                              "employees, 300 new W-2s) to the company file \"" +
                                              store + "\", so none of them was written: " + SystemErrorText(EFBIG)),
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
            << QStringList{"print", "--company", "acme", "--form", "w3", "--pdf", "@out/w3.pdf"} << 1 << both;
        QTest::newRow("export, fits both")
            << QStringList{"export-csv", "--company", "acme", "--kind", "employees", "@out/people.csv"} << 1 << both;
        QTest::newRow("import, fits both")
            << QStringList{"import-csv", "--company", "acme", "--kind", "employees", "@csv"} << 1 << both;
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
        QCOMPARE(run.standardError, QStringLiteral("formlark: unknown command \"%1\"; the commands are print, "
                                                   "import-csv, export-csv, check, convert (see formlark COMMAND "
                                                   "--help), or give "
                                                   "no argument to open the window\n")
                                        .arg(argument));
        QCOMPARE(run.standardOutput, QString());
    }

    // The window opens for nothing, the toolkit's options or a file to open.
    void firstArgumentsAreClassified_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("kind");
        const int window = int(ProgramRequestKind::Window);
        QTest::newRow("none") << QStringList{} << window;
        QTest::newRow("a toolkit option") << QStringList{"-platform", "offscreen"} << window;
        QTest::newRow("a company file") << QStringList{"@data/Acme.pmt"} << window;
        QTest::newRow("a command") << QStringList{"export-csv"} << int(ProgramRequestKind::Command);
        QTest::newRow("the version") << QStringList{"-v"} << int(ProgramRequestKind::Version);
        QTest::newRow("the usage") << QStringList{"--help"} << int(ProgramRequestKind::Help);
        QTest::newRow("a folder") << QStringList{"@data/"} << int(ProgramRequestKind::Unknown);
    }

    void firstArgumentsAreClassified()
    {
        QFETCH(QStringList, arguments);
        QList<QByteArray> bytes{"formlark"};
        for (const QString& argument : arguments)
            bytes << QFile::encodeName(QString(argument).replace("@data/", Data()));
        std::vector<char*> argv;
        for (QByteArray& b : bytes)
            argv.push_back(b.data());
        argv.push_back(nullptr);
        const ProgramRequest request = ClassifyProgramArguments(int(bytes.size()), argv.data());
        QTEST(int(request.kind), "kind");
        if (request.kind == ProgramRequestKind::Command)
            QCOMPARE(QString::fromLatin1(request.command->name), arguments[0]);
    }
};

FORMLARK_TEST_GUILESS_MAIN(CommandFilesTest)
#include "CommandFilesTest.moc"
