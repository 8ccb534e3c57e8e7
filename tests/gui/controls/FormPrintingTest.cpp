// Print to File of the window: the PDF, written under a temporary name and
// renamed into place, takes the mode the user's umask gives a new file, not
// the temporary file's private one; a PDF it replaces keeps its own mode.
#include "gui/controls/FormPrinting.h"
#include "tests/support/OnePageJob.h"
#include "tests/support/ScreenTesting.h"
#include "tests/support/TestFolders.h"

#include <QApplication>
#include <QtTest>

#include <sys/stat.h>

class FormPrintingTest : public QObject {
    Q_OBJECT

private slots:
    void printToFileTakesTheUmasksMode_data()
    {
        QTest::addColumn<int>("umask");
        QTest::addColumn<int>("existing"); // the mode of a PDF there before, or 0 for none
        QTest::addColumn<int>("mode");
        QTest::newRow("umask 022") << 022 << 0 << 0644;
        QTest::newRow("umask 077") << 077 << 0 << 0600;
        QTest::newRow("umask 002") << 002 << 0 << 0664;
        QTest::newRow("over a PDF of 0640") << 022 << 0640 << 0640;
    }

    void printToFileTakesTheUmasksMode()
    {
        QFETCH(int, umask);
        QFETCH(int, existing);
        QFETCH(int, mode);
        TestFolders folders;
        const QString pdf = folders.Path("forms.pdf");
        if (existing != 0) {
            QVERIFY(WriteFileBytes(pdf, "an older print"));
            QCOMPARE(::chmod(QFile::encodeName(pdf).constData(), mode_t(existing)), 0);
        }
        const PrintJobMaker makeJob = [](const PrinterMargins&) -> std::unique_ptr<PrintJob> {
            Page page;
            page.AddLine(QPoint(100, 100), QPoint(1000, 100));
            return std::make_unique<OnePageJob>(page);
        };
        const mode_t saved = ::umask(mode_t(umask));
        const bool printed = PrintIntoPdf(makeJob, pdf, folders.DataFolder());
        ::umask(saved);
        QVERIFY(printed);
        QVERIFY(FileBytes(pdf).startsWith("%PDF"));
        QCOMPARE(FileMode(pdf), mode);
        QCOMPARE(QDir(folders.Path("")).entryList({"forms.pdf*"}, QDir::Files), QStringList{"forms.pdf"});
    }
};

QTEST_MAIN(FormPrintingTest)
#include "FormPrintingTest.moc"
