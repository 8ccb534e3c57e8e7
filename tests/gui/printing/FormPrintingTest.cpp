// Printing from the window into a file: the progress window's Cancel stops
// the pages and leaves nothing behind, neither half a file nor a changed
// older one; the PDF, written under a temporary name and renamed into
// place, takes the mode the user's umask gives a new file, not the
// temporary file's private one, and a PDF it replaces keeps its own mode.

#include "core/print/PrintJob.h"
#include "gui/controls/WorkProgress.h"
#include "gui/printing/FormPrinting.h"
#include "render/painting/FormPictures.h"
#include "tests/support/OnePageJob.h"
#include "tests/support/ScreenTesting.h"
#include "tests/support/TestFolders.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

#include <sys/stat.h>

namespace {

// A job of `pages` pages, each with one line of text.
class ManyPagesJob : public PrintJob {
public:
    explicit ManyPagesJob(int pages)
        : pages_(pages)
    {
    }
    int PageCount() const override { return pages_; }
    Page LayOutPage(int page) const override
    {
        Page laidOut;
        laidOut.AddText({200, 200}, QStringLiteral("page %1").arg(page), PageFont{}, TextBackground::Transparent);
        return laidOut;
    }
    QString DocumentTitle() const override { return QStringLiteral("many pages"); }

private:
    int pages_;
};

QProgressDialog* ShownProgress()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* progress = qobject_cast<QProgressDialog*>(window);
            progress && progress->objectName() == "WorkProgress" && progress->isVisible())
            return progress;
    return nullptr;
}

} // namespace

class FormPrintingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { CWorkProgress::SetShowAfter(0); }

    void cancelLeavesNothing_data()
    {
        QTest::addColumn<bool>("olderFile");
        QTest::newRow("a new file") << false;
        QTest::newRow("over an older file") << true;
    }
    void cancelLeavesNothing()
    {
        QFETCH(bool, olderFile);
        TestFolders folders;
        const QString pdf = folders.Path("forms.pdf");
        if (olderFile) {
            QFile older(pdf);
            QVERIFY(older.open(QIODevice::WriteOnly));
            older.write("an older print");
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        FormPictures pictures(folders.ProgramFolder());
        const ManyPagesJob job(40);

        CWorkProgress progress(nullptr, "Print", "Printing...", job.PageCount());
        bool clicked = false;
        const PrintOutcome outcome =
            PrintJobOnPrinter(printer, job, pictures, folders.DataFolder(), nullptr, [&](int done, int) {
                // The user clicks Cancel in the progress window.
                QProgressDialog* shown = done == 5 ? ShownProgress() : nullptr;
                if (QPushButton* cancel = shown ? shown->findChild<QPushButton*>() : nullptr) {
                    cancel->click();
                    clicked = true;
                }
                return progress.Step(done);
            });
        QVERIFY(clicked);
        QCOMPARE(outcome, PrintOutcome::Stopped);
        QVERIFY(progress.Cancelled() && progress.Shown());
        QCOMPARE(QDir(folders.Path("")).entryList({"forms.pdf*"}, QDir::Files),
                 olderFile ? QStringList{"forms.pdf"} : QStringList());
        if (olderFile) {
            QFile older(pdf);
            QVERIFY(older.open(QIODevice::ReadOnly));
            QCOMPARE(older.readAll(), QByteArray("an older print"));
        }
    }

    // Uncancelled, the whole file is there.
    void finishedWritesTheWholeFile()
    {
        TestFolders folders;
        const QString pdf = folders.Path("forms.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        FormPictures pictures(folders.ProgramFolder());
        CWorkProgress progress(nullptr, "Print", "Printing...", 3);
        QList<int> steps;
        QCOMPARE(PrintJobOnPrinter(printer, ManyPagesJob(3), pictures, folders.DataFolder(), nullptr,
                                   [&](int done, int) {
                                       steps << done;
                                       return progress.Step(done);
                                   }),
                 PrintOutcome::Printed);
        QCOMPARE(steps, (QList<int>{0, 1, 2, 3}));
        QCOMPARE(QDir(folders.Path("")).entryList({"forms.pdf*"}, QDir::Files), QStringList{"forms.pdf"});
    }

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
        const PrintJobMaker makeJob = []() -> std::unique_ptr<PrintJob> {
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

FORMLARK_TEST_MAIN(FormPrintingTest)
#include "FormPrintingTest.moc"
