// "formlark print": the real executable, run on a company of a temporary
// data folder and on the bundled Sample Company; the PDF read back with
// pdftotext -bbox for where the values landed.
#include "core/files/RegularFile.h"
#include "core/settings/Settings.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestFolders.h"
#include "tests/support/PdfWords.h"
#include "tests/support/PrintFixture.h"
#include "core/print/PrintAlignment.h"
#include "core/print/WagePrintOptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtTest>

#include <cerrno>

class PrintCommandTest : public QObject {
    Q_OBJECT

private:
    // Runs the program with the settings file and, unless empty, the program
    // folder given, in the settings file's folder; `fileSizeLimit` (bytes)
    // makes every write beyond that size fail as on a full disk.
    ProgramRun Print(const QStringList& arguments, const QString& settingsFile,
                     const QString& programFolder = QString(), qint64 fileSizeLimit = 0)
    {
        QDir().mkpath(QFileInfo(settingsFile).absolutePath());
        ProgramEnvironment environment;
        environment.settingsFile = settingsFile;
        environment.programFolder = programFolder;
        environment.workingFolder = QFileInfo(settingsFile).absolutePath();
        environment.fileSizeLimit = fileSizeLimit;
        return RunFormlark(QStringList{"print"} + arguments, environment);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(FormlarkProgram()), "run through ctest, which names the program folder");
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "pdftotext (poppler-utils) is needed");
    }

    // The Sample Company's W-2s on blank paper, Copy B: first-name order
    // Alice, David / Maria, Thomas, the values at the copy's points.
    void sampleCompanyW2s()
    {
        TestFolders folders;
        const QString pdf = folders.Path("sample-w2.pdf");
        const ProgramRun run = Print({"--company", "Sample Company", "--form", "w2", "--all", "--paper", "copy",
                                      "--copy", "2", "--pdf", pdf},
                                     folders.SettingsFile());
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QVERIFY2(run.standardError.isEmpty(), qPrintable(run.standardError));
        const QList<PdfWord> words = PdfWords(pdf);
        QCOMPARE(PageCount(words), 2);
        CheckWord(words, 1, "2005-0001", {125, 120});
        CheckWord(words, 1, "52400.00", {1155, 207});  // Alice, box 1
        CheckWord(words, 1, "Brennan", {620, 626});    // her last name
        CheckWord(words, 1, "38750.00", {1155, 1571}); // David, on the bottom form
        CheckWord(words, 1, "Copy", {930, 94});        // the caption
        CheckWord(words, 2, "61200.00", {1155, 207});  // Maria
        CheckWord(words, 2, "95000.00", {1155, 1571}); // Thomas
    }

    // The Sample Company's pre-printed 1096 at 12 points: the e-mail address,
    // too long for its box at that size, is condensed and ends before the
    // fax number's area code, whole.
    void sampleCompany1096EmailKeepsItsLastLetter()
    {
        TestFolders folders;
        const QString pdf = folders.Path("sample-1096.pdf");
        const ProgramRun run = Print({"--company", "Sample Company", "--form", "1096", "--paper", "preprinted", "--pdf",
                                      pdf},
                                     folders.SettingsFile());
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        const QList<PdfWord> words = PdfWords(pdf);
        const PdfWord* email = nullptr;
        const PdfWord* faxAreaCode = nullptr;
        for (const PdfWord& w : words) {
            if (w.text == "payroll@samplecompany.example")
                email = &w;
            else if (w.text == "503" && qAbs(w.box.top() - 717) < 2)
                faxAreaCode = &w;
        }
        QVERIFY(email && faxAreaCode);
        QVERIFY2(email->box.right() < faxAreaCode->box.left(),
                 qPrintable(QStringLiteral("e-mail ends at %1, area code starts at %2")
                                .arg(email->box.right())
                                .arg(faxAreaCode->box.left())));
    }

    // A company of a temporary data folder, pre-printed and moved by the
    // offsets, the saved options used where the command line says nothing.
    void fixtureCompanyForms_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QPoint>("at");

        QTest::newRow("w2 preprinted, 0.10 right")
            << QStringList{"--form", "w2", "--all", "--paper", "preprinted", "--offset-x", "0.10"} << 2 << 1
            << "CN-0042" << QPoint(137, 89);
        QTest::newRow("w2 preprinted, 0.5 up, bottom form")
            << QStringList{"--form",           "w2",  "--all", "--paper", "preprinted", "--offset-y", "-0.5",
                           "--vertical-space", "1.50"}
            << 2 << 1 << "31000.00" << QPoint(1142, 176 - 127 + 1415);
        QTest::newRow("w2 current") << QStringList{"--form", "w2", "--current", "--paper", "preprinted"} << 1 << 1
                                    << "Abbot" << QPoint(609, 595);
        QTest::newRow("w2 saved paper and copy")
            << QStringList{"--form", "w2", "--all"} << 2 << 2 << "EMPLOYEE'S" << QPoint(-1, 1458);
        QTest::newRow("w3 copy") << QStringList{"--form", "w3", "--paper", "copy"} << 1 << 1 << "63000.00"
                                 << QPoint(985, 275);
        QTest::newRow("w3 laser") << QStringList{"--form", "w3", "--paper", "laser"} << 1 << 1 << "CN-0042"
                                  << QPoint(190, 169);
        QTest::newRow("1099 preprinted 0.5 left")
            << QStringList{"--form", "1099", "--all", "--paper", "preprinted", "--offset-x", "-0.5"} << 2 << 1
            << "2100.00" << QPoint(1053 - 127, 170);
        QTest::newRow("1099 copy 2") << QStringList{"--form", "1099", "--all", "--copy", "2"} << 2 << 2
                                     << QString::fromUtf16(u"recipient\u2019s") << QPoint(1772, 516);
        QTest::newRow("1096 copy") << QStringList{"--form", "1096", "--paper", "copy"} << 1 << 1 << "21642.00"
                                   << QPoint(1500, 795);
    }
    void fixtureCompanyForms()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, pages);
        QFETCH(int, page);
        QFETCH(QString, word);
        QFETCH(QPoint, at);
        TestFolders folders;
        const CompanyData data = print_fixture::Data();
        QVERIFY(print_fixture::SaveStore(folders.DataFolder() + "Brindle Tools Inc.pmt", data));
        PrintW2Options saved;
        saved.Paper = PaperType::Blank;
        saved.BlankCopy = W2CopyType::CopyC;
        WritePrintW2Options(saved);

        const QString pdf = folders.Path("out.pdf");
        const ProgramRun run = Print(QStringList{"--company", "brindle tools INC", "--pdf", pdf} + arguments,
                                     folders.SettingsFile(), folders.ProgramFolder());
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        const QList<PdfWord> words = PdfWords(pdf);
        QCOMPARE(PageCount(words), pages);
        CheckWord(words, page, word, at);
    }

    // Bad input: one line on stderr, a non-zero exit and no file.
    void badInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");

        const QStringList w2 = {"--company", "Brindle Tools Inc", "--form", "w2"};
        QTest::newRow("unknown company") << QStringList{"--company", "Nobody", "--form", "w2"}
                                         << "no company \"Nobody\"";
        QTest::newRow("unknown form") << QStringList{"--company", "Brindle Tools Inc", "--form", "w4"} << "--form";
        QTest::newRow("no form") << QStringList{"--company", "Brindle Tools Inc"} << "--form";
        QTest::newRow("no company") << QStringList{"--form", "w2"} << "--company";
        QTest::newRow("unknown option") << w2 + QStringList{"--colour", "red"} << "--colour";
        QTest::newRow("unknown paper") << w2 + QStringList{"--paper", "glossy"} << "--paper";
        QTest::newRow("laser 1099") << QStringList{"--company", "Brindle Tools Inc", "--form",
                                                   "1099",      "--paper",           "laser"}
                                    << "--paper laser";
        QTest::newRow("copy out of range") << w2 + QStringList{"--copy", "5"} << "--copy";
        QTest::newRow("copy with preprinted") << w2 + QStringList{"--copy", "1", "--paper", "preprinted"} << "--copy";
        QTest::newRow("copy for w3") << QStringList{"--company", "Brindle Tools Inc", "--form", "w3", "--copy", "1"}
                                     << "--copy";
        QTest::newRow("three decimals") << w2 + QStringList{"--offset-x", "0.125"} << "--offset-x";
        QTest::newRow("three whole digits") << w2 + QStringList{"--offset-y", "100"} << "--offset-y";
        QTest::newRow("not a number") << w2 + QStringList{"--offset-y", "up"} << "--offset-y";
        QTest::newRow("space too small") << w2 + QStringList{"--vertical-space", "0.74"} << "--vertical-space";
        QTest::newRow("space too large") << w2 + QStringList{"--vertical-space", "1.76"} << "--vertical-space";
        QTest::newRow("space for the 1099")
            << QStringList{"--company", "Brindle Tools Inc", "--form", "1099", "--vertical-space", "1.00"}
            << "--vertical-space";
        QTest::newRow("all and current") << w2 + QStringList{"--all", "--current"} << "--all";
        QTest::newRow("target for the 1096")
            << QStringList{"--company", "Brindle Tools Inc", "--form", "1096", "--all"} << "--all";
        QTest::newRow("missing value") << w2 + QStringList{"--paper"} << "--paper";
        // An option in place of a value is the user's slip, never a file name.
        QTest::newRow("an option as the file") << w2 + QStringList{"--pdf", "--all"} << "--pdf needs a value";
        QTest::newRow("an option as the company") << QStringList{"--company", "--form", "w2"} << "--company";
        QTest::newRow("a value for --all") << w2 + QStringList{"--all=garbage"} << "--all takes no value";
        QTest::newRow("a value for --current") << w2 + QStringList{"--current="} << "--current takes no value";
        QTest::newRow("no W-2s") << QStringList{"--company", "Empty Co", "--form", "w2", "--all"} << "no W-2";
        QTest::newRow("no employees") << QStringList{"--company", "Empty Co", "--form", "w2", "--current"}
                                      << "no employees";
        QTest::newRow("no W-3") << QStringList{"--company", "Empty Co", "--form", "w3"} << "no W-2";
        QTest::newRow("no 1099s") << QStringList{"--company", "Empty Co", "--form", "1099", "--all"} << "no 1099";
        QTest::newRow("no 1096") << QStringList{"--company", "Empty Co", "--form", "1096"} << "no 1099";
    }
    void badInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        TestFolders folders;
        QVERIFY(print_fixture::SaveStore(folders.DataFolder() + "Brindle Tools Inc.pmt", print_fixture::Data()));
        CompanyData empty;
        empty.company = print_fixture::Company();
        empty.company.EmployerName = "Empty Co";
        QVERIFY(print_fixture::SaveStore(folders.DataFolder() + "Empty Co.pmt", empty));

        const QString pdf = folders.Path("out.pdf");
        const ProgramRun run = Print(arguments + QStringList{"--pdf", pdf}, folders.SettingsFile(),
                                     folders.ProgramFolder());
        QCOMPARE(run.exitCode, 2); // it could not run
        QVERIFY2(run.standardError.startsWith("formlark print: "), qPrintable(run.standardError));
        QVERIFY2(run.standardError.contains(message), qPrintable(run.standardError));
        QCOMPARE(run.standardError.count('\n'), 1);
        QVERIFY(!QFile::exists(pdf));
        QCOMPARE(QDir(folders.Path("")).entryList({"*.pdf*", "out*"}, QDir::Files), QStringList());
        QVERIFY(!QFile::exists(QFileInfo(folders.SettingsFile()).absolutePath() + "/--all"));
    }

    // The PDF never replaces a company file, however its path is spelt.
    void pdfNeverReplacesACompanyFile_data()
    {
        QTest::addColumn<QString>("target"); // relative to the data folder; "link" a link to the store
        QTest::newRow("the company's store") << "Brindle Tools Inc.pmt";
        QTest::newRow("by another way") << "../DatabaseFiles/Brindle Tools Inc.pmt";
        QTest::newRow("another letter case") << "BRINDLE TOOLS INC.PMT";
        QTest::newRow("a deleted company") << "Old Co.pmt.del";
        QTest::newRow("a link to the store") << "link";
    }

    void pdfNeverReplacesACompanyFile()
    {
        QFETCH(QString, target);
        TestFolders folders;
        const QString store = folders.DataFolder() + "Brindle Tools Inc.pmt";
        QVERIFY(print_fixture::SaveStore(store, print_fixture::Data()));
        QVERIFY(WriteFileBytes(folders.DataFolder() + "Old Co.pmt.del", "a deleted company"));
        QString pdf = folders.DataFolder() + target;
        if (target == "link") {
            pdf = folders.Path("forms.pdf");
            QVERIFY(QFile::link(store, pdf));
        }
        const QStringList before = FolderSnapshot(folders.DataFolder());
        const ProgramRun run = Print({"--company", "Brindle Tools Inc", "--form", "w2", "--all", "--pdf", pdf},
                                     folders.SettingsFile(), folders.ProgramFolder());
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.standardError.contains("names a company file"), qPrintable(run.standardError));
        QCOMPARE(FolderSnapshot(folders.DataFolder()), before);
    }

    // Written whole or not at all: a PDF that can't be finished (here a
    // file-size limit stands for a full disk) fails the command and leaves
    // the older file as it was, with no half-written file beside it.
    void aPdfThatCantBeFinishedFails()
    {
        TestFolders folders;
        const QString pdf = folders.Path("forms.pdf");
        const QByteArray old = "%PDF-1.4 the forms printed last week";
        QVERIFY(WriteFileBytes(pdf, old));
        // The Sample Company's W-2s with the pictures of the forms: far more
        // than the limit.
        const ProgramRun run = Print({"--company", "Sample Company", "--form", "w2", "--all", "--paper", "copy",
                                      "--pdf", pdf},
                                     folders.SettingsFile(), QString(), 20000);
        QVERIFY2(run.exitCode == 2, qPrintable(run.standardError));
        QVERIFY2(run.standardError.contains("cannot write"), qPrintable(run.standardError));
        // The system's reason, not "Unknown error".
        QVERIFY2(run.standardError.contains(SystemErrorText(EFBIG)), qPrintable(run.standardError));
        QCOMPARE(FileBytes(pdf), old);
        QCOMPARE(QDir(folders.Path("")).entryList({"forms*"}, QDir::Files | QDir::Hidden), QStringList{"forms.pdf"});
    }

    // Forms belong to their owners by id: a W-2 of nobody prints nowhere
    // and counts nowhere, an employee without one prints with empty boxes,
    // and the command says once what doesn't match. Printing only reads the
    // settings: the file, comments and all, stays as it was.
    void formsAreMatchedToTheirOwners()
    {
        TestFolders folders;
        CompanyData data = print_fixture::Data();
        data.w2s.insert(data.w2s.begin(), print_fixture::W2(4, 99)); // nobody's, first in the list
        data.w2s[1].EmployeeUniqueID = 42;                           // Zoe has none now
        QVERIFY(print_fixture::SaveStore(folders.DataFolder() + "Brindle Tools Inc.pmt", data));
        const QByteArray settings = "; my alignment notes\n"
                                    "[SOFTWARE\\Brindlecove\\Formlark (2005)\\Form W2 Print Options]\n"
                                    "W2 Paper Type=dword:00000000\n";
        QVERIFY(QDir().mkpath(QFileInfo(folders.SettingsFile()).absolutePath()));
        QVERIFY(WriteFileBytes(folders.SettingsFile(), settings));

        const QString w2 = folders.Path("w2.pdf");
        ProgramRun run = Print({"--company", "Brindle Tools Inc", "--form", "w2", "--all", "--pdf", w2},
                               folders.SettingsFile(), folders.ProgramFolder());
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QCOMPARE(run.standardError.count("warning"), 1);
        QVERIFY2(run.standardError.contains("2 W-2 forms belong to no employee; 1 employee has no W-2 form"),
                 qPrintable(run.standardError));
        const QList<PdfWord> words = PdfWords(w2);
        QCOMPARE(PageCount(words), 2); // Adam and Mia, then Zoe
        QStringList texts;
        for (const PdfWord& w : words)
            texts << w.text;
        QVERIFY(texts.contains("Zimmer"));
        for (const char* nobodys : {"991000.00", "11000.00"})
            QVERIFY2(!texts.contains(nobodys), nobodys);
        CheckWord(words, 1, "21000.00", {1155, 207}); // Adam's own

        const QString w3 = folders.Path("w3.pdf");
        run = Print({"--company", "Brindle Tools Inc", "--form", "w3", "--paper", "copy", "--pdf", w3},
                    folders.SettingsFile(), folders.ProgramFolder());
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        CheckWord(PdfWords(w3), 1, "52000.00", {985, 275}); // Adam's and Mia's wages only
        QCOMPARE(FileBytes(folders.SettingsFile()), settings);
    }

    // --printer QUEUE [--copies N] goes to a printer queue instead of a PDF,
    // with the same one-line refusals; a queue the system lacks is refused
    // before the store is read.
    void printerOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString queue = QStringLiteral("Formlark Test Queue That Is Not There");
        // A queue that is not there is input the command can't use: it could
        // not run (exit 2), as for an unknown company.
        QTest::newRow("unknown queue") << QStringList{"--printer", queue} << 2 << "no printer queue \"" + queue + "\"";
        QTest::newRow("unknown queue, copies")
            << QStringList{"--printer", queue, "--copies", "3"} << 2 << "no printer queue";
        QTest::newRow("no queue") << QStringList{"--printer="} << 2 << "--printer needs a value";
        QTest::newRow("no copies") << QStringList{"--printer", queue, "--copies", "0"} << 2 << "--copies must be";
        QTest::newRow("too many copies") << QStringList{"--printer", queue, "--copies", "1000"} << 2
                                         << "--copies must be";
        QTest::newRow("copies in words") << QStringList{"--printer", queue, "--copies", "two"} << 2
                                         << "--copies must be";
        QTest::newRow("copies without a printer")
            << QStringList{"--copies", "2", "--pdf", "out.pdf"} << 2 << "--copies goes with --printer";
        QTest::newRow("printer and pdf") << QStringList{"--printer", queue, "--pdf", "out.pdf"} << 2
                                         << "--printer and --pdf exclude each other";
        QTest::newRow("an option as the queue") << QStringList{"--printer", "--all"} << 2 << "--printer needs a value";
    }
    void printerOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        TestFolders folders;
        QVERIFY(print_fixture::SaveStore(folders.DataFolder() + "Brindle Tools Inc.pmt", print_fixture::Data()));
        const ProgramRun run = Print(QStringList{"--company", "Brindle Tools Inc", "--form", "w2"} + arguments,
                                     folders.SettingsFile(), folders.ProgramFolder());
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.standardError.startsWith("formlark print: "), qPrintable(run.standardError));
        QVERIFY2(run.standardError.contains(message), qPrintable(run.standardError));
        QCOMPARE(run.standardError.count('\n'), 1);
        QCOMPARE(QDir(folders.Path("")).entryList({"*.pdf*"}, QDir::Files), QStringList());
    }

    // Values the offsets push off the page are still printed where they
    // reach it, and named in one warning line.
    void valuesOffThePageWarn()
    {
        TestFolders folders;
        QVERIFY(print_fixture::SaveStore(folders.DataFolder() + "Brindle Tools Inc.pmt", print_fixture::Data()));
        const QString pdf = folders.Path("out.pdf");
        const ProgramRun run = Print({"--company", "Brindle Tools Inc", "--form", "w2", "--all", "--paper",
                                      "preprinted", "--offset-y", "-0.5", "--pdf", pdf},
                                     folders.SettingsFile(), folders.ProgramFolder());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.standardError, QStringLiteral("formlark print: warning: A value falls outside the page and would "
                                                   "not be printed whole: \"CN-0042\".\n"));
        QCOMPARE(PageCount(PdfWords(pdf)), 2);
    }

    void missingPdfOption()
    {
        TestFolders folders;
        const ProgramRun run = Print({"--company", "Sample Company", "--form", "w2"}, folders.SettingsFile());
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.standardError.contains("--pdf"), qPrintable(run.standardError));
        QCOMPARE(run.standardError.count('\n'), 1);
    }

    // Forms with errors print with one warning line naming their count;
    // --strict prints none of them and exits with 1, the "found problems"
    // status. Forms without errors print silently either way.
    void formsWithErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("strict");
        QTest::addColumn<QString>("warning"); // empty: none
        QTest::newRow("two W-2s of three") << QStringList{"--form", "w2", "--all"} << false
                                           << "2 of the W-2s to print have errors; printed all the same";
        QTest::newRow("the current W-2") << QStringList{"--form", "w2", "--current"} << false
                                         << "the W-2 to print has errors; printed all the same";
        QTest::newRow("the W-3 (the employer's EIN)")
            << QStringList{"--form", "w3"} << false << "the W-3 to print has errors; printed all the same";
        QTest::newRow("strict") << QStringList{"--form", "w2", "--all"} << true
                                << "2 of the W-2s to print have errors, so nothing is printed (--strict)";
    }
    void formsWithErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, strict);
        QFETCH(QString, warning);
        TestFolders folders;
        CompanyData data = print_fixture::Data();
        data.employees[0].SocialSecurityNumber = "";       // Zoe
        data.employees[1].SocialSecurityNumber = "123-45"; // Adam, first in name order: --current prints him
        data.company.EmployerIdentificationNumber = arguments.contains("w3") ? "" : "36-1234567";
        QVERIFY(print_fixture::SaveStore(folders.DataFolder() + "Brindle Tools Inc.pmt", data));
        const QString pdf = folders.Path("out.pdf");
        const ProgramRun run = Print(QStringList{"--company", "Brindle Tools Inc", "--pdf", pdf} + arguments
                                         + (strict ? QStringList{"--strict"} : QStringList{}),
                                     folders.SettingsFile(), folders.ProgramFolder());
        QCOMPARE(run.exitCode, strict ? 1 : 0);
        QCOMPARE(run.standardError.count('\n'), 1);
        QVERIFY2(run.standardError.startsWith(
                     QStringLiteral("formlark print: %1%2").arg(strict ? "" : "warning: ", warning)),
                 qPrintable(run.standardError));
        QVERIFY2(run.standardError.contains("formlark check --company \"Brindle Tools Inc\" lists the errors"),
                 qPrintable(run.standardError));
        QCOMPARE(QFile::exists(pdf), !strict);

        data = print_fixture::Data();
        QVERIFY(print_fixture::SaveStore(folders.DataFolder() + "Clean Co.pmt", data));
        const ProgramRun clean = Print(QStringList{"--company", "Clean Co", "--pdf", pdf, "--strict"} + arguments,
                                       folders.SettingsFile(), folders.ProgramFolder());
        QCOMPARE(clean.exitCode, 0);
        QCOMPARE(clean.standardError, QString());
    }

    // Printing needs no display, whatever platform the environment names
    // (on a server an inherited "xcb" with no X server).
    void printsWhateverPlatformTheEnvironmentNames()
    {
        TestFolders folders;
        QDir().mkpath(QFileInfo(folders.SettingsFile()).absolutePath());
        ProgramEnvironment environment;
        environment.settingsFile = folders.SettingsFile();
        environment.workingFolder = folders.Path("");
        environment.platform = QStringLiteral("xcb");
        const QString pdf = folders.Path("w2.pdf");
        const ProgramRun run = RunFormlark({"print", "--company", "Sample Company", "--form", "w2", "--all", "--paper",
                                            "copy", "--copy", "2", "--pdf", pdf},
                                           environment);
        QVERIFY2(run.exitCode == 0, qPrintable(run.standardError));
        QCOMPARE(run.standardError, QString());
        CheckWord(PdfWords(pdf), 1, "52400.00", {1155, 207});
    }

    // The options are read by the command's declaration: a repeated option
    // is refused rather than one of its values winning, and --help is made
    // from the declaration, listing every option.
    void theCommandLineIsReadByTheDeclaration()
    {
        TestFolders folders;
        const QString pdf = folders.Path("out.pdf");
        const ProgramRun twice = Print({"--company", "Sample Company", "--form", "w2", "--pdf", pdf, "--form=w3"},
                                       folders.SettingsFile());
        QCOMPARE(twice.exitCode, 2);
        QCOMPARE(twice.standardError, QStringLiteral("formlark print: --form is given more than once; give it once\n"));
        QVERIFY(!QFile::exists(pdf));

        const ProgramRun help = Print({"--help"}, folders.SettingsFile());
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.standardOutput.startsWith("usage: formlark print --company NAME --form w2|w3|1099|1096 "
                                                "[--all | --current]\n"),
                 qPrintable(help.standardOutput));
        for (const char* option :
             {"--paper", "--copy", "--offset-x", "--offset-y", "--vertical-space", "--pdf", "--strict"})
            QVERIFY2(help.standardOutput.contains(QStringLiteral("\n  %1 ").arg(option)), option);
        QVERIFY(help.standardOutput.contains("2 when it could not run"));
    }

    // Forms with empty fields are printed, with a warning.
    void emptyFieldsWarn()
    {
        TestFolders folders;
        CompanyData data = print_fixture::Data();
        data.forms1099[2].PayerStateID1 = "";
        QVERIFY(print_fixture::SaveStore(folders.DataFolder() + "Brindle Tools Inc.pmt", data));
        const QString pdf = folders.Path("out.pdf");
        const ProgramRun run = Print({"--company", "Brindle Tools Inc", "--form", "1099", "--all", "--pdf", pdf},
                                     folders.SettingsFile(), folders.ProgramFolder());
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.standardError.contains("empty fields"), qPrintable(run.standardError));
        QVERIFY(QFile::exists(pdf));
    }
};

FORMLARK_TEST_GUILESS_MAIN(PrintCommandTest)
#include "PrintCommandTest.moc"
