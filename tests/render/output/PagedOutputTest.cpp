// The PDFs the program writes: small one-page copies, a title and a creator
// in the document information, text that reads back with its spaces.

#include "core/contractor/Form1096PrintJob.h"
#include "core/contractor/Form1099PrintJob.h"
#include "core/wage/W2PrintJob.h"
#include "core/wage/W3PrintJob.h"
#include "render/output/PagedOutput.h"
#include "render/painting/FormPictures.h"
#include "tests/support/OnePageJob.h"
#include "tests/support/PrintFixture.h"
#include "tests/support/TestFolders.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace {

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The value of one "Name: value" line of pdfinfo.
QString InfoField(const QString& info, const QString& name)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(name), QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
}

// Every character code a PDF's fonts map text back to (their ToUnicode
// maps), as text.
QList<uint> ToUnicodeTargets(const QByteArray& pdf, int* maps)
{
    QList<uint> targets;
    *maps = 0;
    static const QRegularExpression block(QStringLiteral("begincmap(.*?)endcmap"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression ranges(QStringLiteral("beginbf(char|range)(.*?)endbf(char|range)"),
                                           QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression code(QStringLiteral("<([0-9A-Fa-f]+)>"));
    for (auto b = block.globalMatch(QString::fromLatin1(pdf)); b.hasNext();) {
        ++*maps;
        for (auto r = ranges.globalMatch(b.next().captured(1)); r.hasNext();) {
            const QString body = r.next().captured(2);
            for (const QString& line : body.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
                // "<src> <dst>" or "<first> <last> <dst>" or "<first> <last> [<dst> ...]":
                // the codes after the source ones are the characters.
                QList<uint> codes;
                for (auto c = code.globalMatch(line); c.hasNext();)
                    codes << c.next().captured(1).toUInt(nullptr, 16);
                const int sources = line.contains(QLatin1Char('[')) || codes.size() == 3 ? 2 : 1;
                targets += codes.mid(sources);
            }
        }
    }
    return targets;
}

} // namespace

class PagedOutputTest : public QObject {
    Q_OBJECT

private:
    CompanyData data_ = print_fixture::Data();

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable("pdfinfo").isEmpty(), "pdfinfo (poppler-utils) is needed");
        QVERIFY2(!qEnvironmentVariableIsEmpty("FORMLARK_RUNTIME_DIR"), "run through ctest, which names the pictures");
    }

    // A copy on blank paper carries the picture of the whole form and stays
    // well under 100 KB a page; the document is named after form and company.
    void oneFormCopies_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("paper");
        QTest::addColumn<QString>("title");
        const QString company = QStringLiteral(" \u2014 Brindle Tools Inc");
        QTest::newRow("W-2 Copy B") << "W-2" << int(W2CopyType::CopyB) << "Form W-2" + company;
        QTest::newRow("W-2 Copy A laser") << "W-2" << int(W2CopyType::LaserCopyA) << "Form W-2" + company;
        QTest::newRow("W-3 copy") << "W-3" << int(PaperType::Blank) << "Form W-3" + company;
        QTest::newRow("W-3 laser") << "W-3" << int(PaperType::LaserSubstitute) << "Form W-3" + company;
        QTest::newRow("1099-MISC Copy B") << "1099-MISC" << int(Form1099CopyType::CopyB) << "Form 1099-MISC" + company;
        QTest::newRow("1096 copy") << "1096" << int(PaperType::Blank) << "Form 1096" + company;
    }
    void oneFormCopies()
    {
        QFETCH(QString, form);
        QFETCH(int, paper);
        QFETCH(QString, title);
        std::unique_ptr<PrintJob> job;
        if (form == "W-2") {
            PrintW2Options o;
            o.Paper = PaperType::Blank;
            o.BlankCopy = W2CopyType(paper);
            job = std::make_unique<W2PrintJob>(data_.company, data_.employees, data_.w2s, o);
        } else if (form == "W-3") {
            PrintW3Options o;
            o.Paper = PaperType(paper);
            job = std::make_unique<W3PrintJob>(data_.company, data_.employees, data_.w2s, o);
        } else if (form == "1099-MISC") {
            Print1099Options o;
            o.Paper = PaperType::Blank;
            o.Copy = Form1099CopyType(paper);
            job = std::make_unique<Form1099PrintJob>(data_.company, data_.contractors, data_.forms1099, o);
        } else {
            Print1096Options o;
            o.Paper = PaperType::Blank;
            job = std::make_unique<Form1096PrintJob>(data_.company, data_.contractors, data_.forms1099, o);
        }
        QCOMPARE(job->PageCount(), 1);
        QCOMPARE(job->DocumentTitle(), title);

        TestFolders folders;
        FormPictures pictures(qEnvironmentVariable("FORMLARK_RUNTIME_DIR"));
        const QString pdf = folders.Path("copy.pdf");
        QString error;
        QVERIFY2(WriteJobToPdf(*job, pictures, pdf, &error), qPrintable(error));
        const qint64 size = QFileInfo(pdf).size();
        QVERIFY2(size < 80 * 1024, qPrintable(QStringLiteral("%1 bytes").arg(size)));
        // The picture is there: far more than the values alone.
        QVERIFY2(size > 20 * 1024, qPrintable(QStringLiteral("%1 bytes").arg(size)));

        const QString info = Run("pdfinfo", {pdf});
        QCOMPARE(InfoField(info, "Title"), title);
        QCOMPARE(InfoField(info, "Creator"), QString("Formlark (2005)"));
        QCOMPARE(InfoField(info, "Pages"), QString("1"));
    }

    // Blanks are gaps between words, not glyphs: no font maps a glyph back
    // to a control character (the blank's glyph used to read back as a tab),
    // and the text, condensed or not, extracts with its spaces.
    void spacesReadBackAsSpaces()
    {
        Page page;
        const PageFont courier{FontFace::CourierNew, 12, false};
        page.AddText({100, 100}, QStringLiteral("Sample Company"), courier, TextBackground::Transparent);
        page.AddText({100, 200}, QStringLiteral("Maria  de la Cruz"), courier, TextBackground::Opaque,
                     TextAnchor::TopLeft, 300);
        page.AddText({100, 300}, QStringLiteral("Copy B-For Recipient"), {FontFace::Arial, 10, true},
                     TextBackground::Transparent);
        const OnePageJob job(page);

        TestFolders folders;
        FormPictures pictures(folders.ProgramFolder());
        const QString pdf = folders.Path("spaces.pdf");
        QVERIFY(WriteJobToPdf(job, pictures, pdf));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        int maps = 0;
        const QList<uint> targets = ToUnicodeTargets(file.readAll(), &maps);
        QCOMPARE(maps, 2); // Courier and Arial
        QVERIFY(!targets.isEmpty());
        for (uint c : targets) // 0 stands for the font's "no glyph"
            QVERIFY2(c == 0 || c >= 0x20,
                     qPrintable(QStringLiteral("a glyph reads back as U+%1").arg(c, 4, 16, QLatin1Char('0'))));

        const QString text = Run("pdftotext", {"-raw", pdf, "-"});
        QVERIFY2(text.contains("Sample Company\n"), qPrintable(text));
        QVERIFY2(text.contains("Maria de la Cruz\n"), qPrintable(text));
        QVERIFY2(text.contains("Copy B-For Recipient\n"), qPrintable(text));
        QVERIFY(!text.contains(QLatin1Char('\t')));
    }
};

FORMLARK_TEST_MAIN(PagedOutputTest)
#include "PagedOutputTest.moc"
