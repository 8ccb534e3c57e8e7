// Printing through a printer: every page on Letter from the paper's corner,
// whatever paper and margins the printer had, so each value lands where the
// PDF of the print command puts it; and the values a printer would lose.

#include "core/contractor/Form1096PrintJob.h"
#include "core/contractor/Form1099PrintJob.h"
#include "core/wage/W2PrintJob.h"
#include "core/wage/W3PrintJob.h"
#include "render/output/OffPageValues.h"
#include "render/output/PrinterOutput.h"
#include "render/painting/FormPictures.h"
#include "tests/support/OnePageJob.h"
#include "tests/support/PdfWords.h"
#include "tests/support/PrintFixture.h"
#include "tests/support/TestFolders.h"

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace {

QString PageSizeOf(const QString& pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(60000);
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const qsizetype at = out.indexOf(QStringLiteral("Page size:"));
    return at < 0 ? QString() : out.mid(at + 10).section(u'\n', 0, 0).trimmed();
}

} // namespace

class PrinterOutputTest : public QObject {
    Q_OBJECT

private:
    CompanyData data_ = print_fixture::Data();

    std::unique_ptr<PrintJob> Job(const QString& form, int paper, double up = 0) const
    {
        if (form == "W-2") {
            PrintW2Options o;
            o.Target = PrintTarget::All;
            o.Paper = paper < 0 ? PaperType::Preprinted : PaperType::Blank;
            o.BlankCopy = W2CopyType(std::max(paper, 0));
            o.VerticalOffset = up;
            o.VerticalDirection = kLeftOrUp;
            return std::make_unique<W2PrintJob>(data_.company, data_.employees, data_.w2s, o);
        }
        if (form == "W-3") {
            PrintW3Options o;
            o.Paper = PaperType(paper);
            return std::make_unique<W3PrintJob>(data_.company, data_.employees, data_.w2s, o);
        }
        if (form == "1099-MISC") {
            Print1099Options o;
            o.Target = PrintTarget::All;
            o.Paper = paper < 0 ? PaperType::Preprinted : PaperType::Blank;
            o.Copy = Form1099CopyType(std::max(paper, 0));
            return std::make_unique<Form1099PrintJob>(data_.company, data_.contractors, data_.forms1099, o);
        }
        Print1096Options o;
        o.Paper = PaperType(paper);
        return std::make_unique<Form1096PrintJob>(data_.company, data_.contractors, data_.forms1099, o);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "pdftotext (poppler-utils) is needed");
        QVERIFY2(!qEnvironmentVariableIsEmpty("FORMLARK_RUNTIME_DIR"), "run through ctest, which names the pictures");
    }

    // A printer set to A4 with wide margins (as a queue's defaults and the
    // print dialog leave it) prints on Letter from the paper's corner: word
    // for word where the PDF of the print command has it.
    void printerPagesMatchThePdf_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("paper");
        QTest::newRow("W-2 pre-printed") << "W-2" << -1;
        QTest::newRow("W-2 Copy B") << "W-2" << int(W2CopyType::CopyB);
        QTest::newRow("W-2 laser Copy A") << "W-2" << int(W2CopyType::LaserCopyA);
        QTest::newRow("W-3 laser") << "W-3" << int(PaperType::LaserSubstitute);
        QTest::newRow("1099-MISC pre-printed") << "1099-MISC" << -1;
        QTest::newRow("1096 copy") << "1096" << int(PaperType::Blank);
    }
    void printerPagesMatchThePdf()
    {
        QFETCH(QString, form);
        QFETCH(int, paper);
        const std::unique_ptr<PrintJob> job = Job(form, paper);
        TestFolders folders;
        FormPictures pictures(qEnvironmentVariable("FORMLARK_RUNTIME_DIR") + u'/');

        const QString fromCommand = folders.Path("command.pdf");
        QVERIFY(WriteJobToPdf(*job, pictures, fromCommand));
        const QString fromPrinter = folders.Path("printer.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fromPrinter);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(6.35, 12.7, 6.35, 12.7), QPageLayout::Millimeter));
        QCOMPARE(PrintJobOn(printer, *job, pictures), PrintOutcome::Printed);

        QVERIFY2(PageSizeOf(fromPrinter).startsWith("612 x 792"), qPrintable(PageSizeOf(fromPrinter)));
        const QList<PdfWord> expected = PdfWords(fromCommand);
        const QList<PdfWord> printed = PdfWords(fromPrinter);
        QVERIFY(expected.size() > 10);
        CheckSameWords(printed, expected);
    }

    // The values an offset pushes off the page, or that fall where a
    // printer can't print, are found on every page; the rest are not.
    void valuesOutsideTheArea_data()
    {
        QTest::addColumn<double>("up");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QStringList>("found");
        const QRect page = LetterPage();
        QTest::newRow("no offset") << 0.0 << page << QStringList();
        // The control number 0.1 mm from the top: still on the page.
        QTest::newRow("up to the page's edge") << 0.35 << page << QStringList();
        QTest::newRow("0.5 inch up") << 0.5 << page << QStringList{"\"CN-0042\""};
        // The control number sits 8.9 mm from the top: within a margin of 10.
        QTest::newRow("a printer's 10 mm margin")
            << 0.0 << page.adjusted(0, 100, 0, -100) << QStringList{"\"CN-0042\""};
    }
    void valuesOutsideTheArea()
    {
        QFETCH(double, up);
        QFETCH(QRect, area);
        QFETCH(QStringList, found);
        const std::unique_ptr<PrintJob> job = Job("W-2", -1, up);
        const OffPageValues outside = OffPageValues::Find(*job, area);
        QCOMPARE(outside.Values(), found);
        QCOMPARE(outside.Any(), !found.isEmpty());
        if (found.size() == 1)
            QCOMPARE(outside.Describe(),
                     "A value falls outside the page and would not be printed whole: " + found[0] + ".");
    }

    // Stopped by its progress, a check finds nothing and a print stops.
    void progressStops()
    {
        const std::unique_ptr<PrintJob> job = Job("W-2", -1, 0.5);
        int asked = 0;
        const PageProgress stopAtOnce = [&asked](int, int) { return ++asked < 1; };
        QVERIFY(!OffPageValues::Find(*job, LetterPage(), stopAtOnce).Any());
        QCOMPARE(asked, 1);

        TestFolders folders;
        FormPictures pictures(folders.ProgramFolder());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folders.Path("stopped.pdf"));
        QList<int> told;
        const PageProgress stopAfterOne = [&told](int done, int total) {
            told << done;
            return done < 1 && total == 2;
        };
        QCOMPARE(PrintJobOn(printer, *job, pictures, stopAfterOne), PrintOutcome::Stopped);
        QCOMPARE(told, (QList<int>{0, 1}));
    }

    // The descriptions name a few values and count the rest.
    void describe()
    {
        Page page;
        const PageFont font{FontFace::CourierNew, 12, false};
        for (const char* text : {"one", "two", "three", "four", "five", "six"})
            page.AddText({-50, 100}, QString::fromLatin1(text), font, TextBackground::Transparent);
        page.AddLine({10, 2790}, {30, 2810});
        page.AddText({-50, 300}, QStringLiteral("   "), font, TextBackground::Transparent); // nothing to lose
        const OffPageValues outside = OffPageValues::Find(OnePageJob(page), LetterPage());
        QCOMPARE(outside.Values().size(), 7);
        QCOMPARE(outside.Values().last(), QStringLiteral("a check mark"));
        QCOMPARE(outside.Describe(QStringLiteral("the area \"Office\" can print")),
                 QStringLiteral("7 values fall outside the area \"Office\" can print and would not be printed whole: "
                                "\"one\", \"two\", \"three\", \"four\" and 3 more."));
    }
};

FORMLARK_TEST_MAIN(PrinterOutputTest)
#include "PrinterOutputTest.moc"
