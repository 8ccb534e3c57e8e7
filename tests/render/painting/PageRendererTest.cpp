#include "core/wage/W2PrintJob.h"
#include "render/output/PagedOutput.h"
#include "render/painting/FormPictures.h"
#include "render/painting/PageRenderer.h"
#include "tests/support/PrintFixture.h"
#include "tests/support/TestFolders.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QtTest>

namespace {

// One page unit per pixel makes positions easy to read off an image.
constexpr double kUnitDpi = 254;

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray PngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage Filled(QSize size, QColor color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

bool IsDark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// Bounding box of the dark pixels inside `area`.
QRect DarkBounds(const QImage& image, const QRect& area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsDark(image, x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

const PageFont kCourier10{FontFace::CourierNew, 10, false};

} // namespace

class PageRendererTest : public QObject {
    Q_OBJECT

private slots:
    // The faces asked for by name come out with the widths of the faces the
    // forms were laid out with.
    void fontsHaveTheirMetrics_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<double>("digitWidthPerEm");
        QTest::addColumn<bool>("fixedPitch");
        QTest::newRow("Courier New") << int(FontFace::CourierNew) << false << 1229 / 2048.0 << true;
        QTest::newRow("Arial") << int(FontFace::Arial) << false << 1139 / 2048.0 << false;
        QTest::newRow("Arial Bold") << int(FontFace::Arial) << true << 1139 / 2048.0 << false;
        QTest::newRow("Times New Roman") << int(FontFace::TimesNewRoman) << false << 1024 / 2048.0 << false;
    }
    void fontsHaveTheirMetrics()
    {
        QFETCH(int, face);
        QFETCH(bool, bold);
        QFETCH(double, digitWidthPerEm);
        QFETCH(bool, fixedPitch);
        const QFont font = PageRenderer::CreateFontFromDecipoints({FontFace(face), 50, bold});
        QCOMPARE(font.pixelSize(), 176);
        QCOMPARE(QFontInfo(font).fixedPitch(), fixedPitch);
        QCOMPARE(QFontInfo(font).bold(), bold);
        const double width = QFontMetricsF(font).horizontalAdvance(QStringLiteral("0123456789")) / 10;
        QVERIFY2(qAbs(width - digitWidthPerEm * 176) < 0.5,
                 qPrintable(QStringLiteral("%1: digit %2").arg(QFontInfo(font).family()).arg(width)));
    }

    void fontHeights()
    {
        QCOMPARE(FontHeightUnits(12), 42);
        QCOMPARE(FontHeightUnits(10), 35);
        QCOMPARE(FontHeightUnits(9), 32);
        QCOMPARE(FontHeightUnits(7), 25);
        QCOMPARE(FontHeightUnits(50), 176);
    }

    // An opaque text paints its cell white over the picture below it; a
    // transparent one leaves it.
    void opaqueTextBlanksThePicture()
    {
        TestFolders folders;
        QVERIFY(WriteFile(folders.ProgramFolder() + "Help1.svg", PngBytes(Filled({40, 20}, Qt::black))));
        Page page;
        page.AddImage(FormPicture::W2Form, 0, 0, 1000, 500);
        page.AddText({100, 100}, QStringLiteral("    "), kCourier10, TextBackground::Opaque);
        page.AddText({100, 300}, QStringLiteral("    "), kCourier10, TextBackground::Transparent);
        FormPictures pictures(folders.ProgramFolder());
        const QImage image = RenderPageImage(page, pictures, kUnitDpi);
        // Four blanks of a 35-unit Courier: 84 units wide.
        QVERIFY(!IsDark(image, 110, 115));
        QVERIFY(!IsDark(image, 180, 125));
        QVERIFY(IsDark(image, 190, 115)); // past the cell
        QVERIFY(IsDark(image, 95, 115));  // before it
        QVERIFY(IsDark(image, 110, 315));
    }

    // Pictures are read by content, whatever the extension; what can't be
    // read is left out and the values are printed all the same.
    void picturesAreReadByContent()
    {
        TestFolders folders;
        const QString dir = folders.ProgramFolder();
        QVERIFY(WriteFile(dir + "Updater.dll",
                          "<?xml version=\"1.0\"?>\n<svg xmlns='http://www.w3.org/2000/svg' "
                          "viewBox='0 0 10 10'><rect width='10' height='10' fill='black'/></svg>"));
        QVERIFY(WriteFile(dir + "Help2.svg", PngBytes(Filled({8, 8}, Qt::black))));
        QVERIFY(WriteFile(dir + "Contactus.msg", "MZ\x90\x00 not a picture at all"));
        QVERIFY(WriteFile(dir + "Help4.svg", ""));
        FormPictures pictures(dir, 100);
        const QImage& svg = pictures.Image(FormPicture::W2CopyAPage, 254, 508);
        QCOMPARE(svg.size(), QSize(100, 200)); // drawn at 100 dpi for its rectangle
        QVERIFY(IsDark(svg, 50, 100));
        QCOMPARE(pictures.Image(FormPicture::W2CopyAPage, 1, 1).cacheKey(), svg.cacheKey());
        const QImage& png = pictures.Image(FormPicture::W3CopyPage, 100, 100);
        QCOMPARE(png.size(), QSize(8, 8));
        QVERIFY(IsDark(png, 4, 4));
        QVERIFY(pictures.Image(FormPicture::W3LaserPage, 100, 100).isNull());
        QVERIFY(pictures.Image(FormPicture::Form1099, 100, 100).isNull()); // missing
        QVERIFY(pictures.Image(FormPicture::Form1096, 100, 100).isNull()); // empty

        Page page;
        page.AddImage(FormPicture::W3LaserPage, 0, 0, 2000, 2000);
        page.AddImage(FormPicture::Form1099, 0, 0, 2000, 2000);
        page.AddText({500, 500}, QStringLiteral("HHHH"), kCourier10, TextBackground::Opaque);
        const QImage image = RenderPageImage(page, pictures, kUnitDpi);
        QVERIFY(DarkBounds(image, QRect(0, 0, 1000, 1000)).intersects(QRect(500, 500, 84, 40)));
        QVERIFY(!IsDark(image, 300, 300));
    }

    // Text anchored at its top-right corner ends there; the usual one starts
    // at its top-left corner.
    void textAnchors()
    {
        TestFolders folders;
        FormPictures pictures(folders.ProgramFolder());
        Page page;
        const PageFont arial7{FontFace::Arial, 7, false};
        page.AddText({1927, 620}, QStringLiteral("reported."), arial7, TextBackground::Transparent,
                     TextAnchor::TopRight);
        page.AddText({300, 620}, QStringLiteral("HHHH"), kCourier10, TextBackground::Transparent);
        const QImage image = RenderPageImage(page, pictures, kUnitDpi);
        const QRect right = DarkBounds(image, QRect(1500, 600, 600, 60));
        QVERIFY2(qAbs(right.right() - 1927) <= 3, qPrintable(QString::number(right.right())));
        QVERIFY(right.left() > 1800);
        const QRect left = DarkBounds(image, QRect(200, 600, 400, 60));
        QVERIFY2(qAbs(left.left() - 300) <= 4, qPrintable(QString::number(left.left())));
        // Capitals stand below the top of the text's cell, within its ascent.
        QVERIFY(left.top() > 620 && left.bottom() < 620 + 35);
    }

    // A text wider than its room is condensed into it from its anchor, every
    // letter kept; a text that fits is painted as it is. An opaque one blanks
    // its room, not what lies beyond.
    void textsKeepToTheirRooms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("room");
        QTest::addColumn<double>("start"); // where the text's advance begins and ends
        QTest::addColumn<double>("end");

        // Anchored at x 300; Courier New 10 points: 21.17 units a letter.
        QTest::newRow("fits") << "HHHH" << int(TextAnchor::TopLeft) << 200 << 300.0 << 384.7;
        QTest::newRow("no room given") << "HHHHHHHHHH" << int(TextAnchor::TopLeft) << 0 << 300.0 << 511.7;
        QTest::newRow("condensed to half") << "HHHHHHHHHH" << int(TextAnchor::TopLeft) << 106 << 300.0 << 406.0;
        QTest::newRow("words condensed") << "HH HH HH" << int(TextAnchor::TopLeft) << 85 << 300.0 << 385.0;
        QTest::newRow("ending at its anchor") << "HHHHHHHHHH" << int(TextAnchor::TopRight) << 106 << 194.0 << 300.0;
    }
    void textsKeepToTheirRooms()
    {
        QFETCH(QString, text);
        QFETCH(int, anchor);
        QFETCH(int, room);
        QFETCH(double, start);
        QFETCH(double, end);
        TestFolders folders;
        QVERIFY(WriteFile(folders.ProgramFolder() + "Help1.svg", PngBytes(Filled({40, 20}, Qt::black))));
        Page page;
        page.AddImage(FormPicture::W2Form, 0, 300, 1000, 100); // black below the opaque copy
        page.AddText({300, 100}, text, kCourier10, TextBackground::Transparent, TextAnchor(anchor), room);
        page.AddText({300, 330}, text, kCourier10, TextBackground::Opaque, TextAnchor(anchor), room);
        FormPictures pictures(folders.ProgramFolder());
        const QImage image = RenderPageImage(page, pictures, 2 * kUnitDpi); // two pixels a unit
        const QRect ink = DarkBounds(image, QRect(0, 180, 1200, 100));
        // The letters' ink lies a little inside their advance.
        const double left = ink.left() / 2.0;
        const double right = (ink.right() + 1) / 2.0;
        QVERIFY2(left >= start && left <= start + 5 && right <= end && right >= end - 6,
                 qPrintable(QStringLiteral("ink from %1 to %2").arg(left).arg(right)));
        // Every letter is there: above its bar each H is two stems.
        int stems = 0;
        const int row = ink.top() + ink.height() / 4;
        for (int x = ink.left(); x <= ink.right(); ++x)
            stems += IsDark(image, x, row) && !IsDark(image, x - 1, row);
        QCOMPARE(stems, 2 * int(text.count(QLatin1Char('H'))));

        // The opaque copy's white cell covers the text's advance, no more.
        const int blankRow = 2 * 333; // above the capitals, inside the cell
        QVERIFY(IsDark(image, int(2 * (start - 3)), blankRow));
        QVERIFY(!IsDark(image, int(2 * (start + 3)), blankRow));
        QVERIFY(!IsDark(image, int(2 * (end - 3)), blankRow));
        QVERIFY(IsDark(image, int(2 * (end + 3)), blankRow));
    }

    // "COPY" is stroked, not filled, and centred as placed.
    void outlinedCopyMark()
    {
        TestFolders folders;
        FormPictures pictures(folders.ProgramFolder());
        Page page;
        page.items.emplace_back(
            PageOutlinedText{QStringLiteral("COPY"), {FontFace::TimesNewRoman, 50, false}, 1200, 1240, 800, 600, 5});
        const QImage image = RenderPageImage(page, pictures, kUnitDpi);
        const QRect bounds = DarkBounds(image, QRect(1000, 900, 1100, 500));
        QVERIFY(!bounds.isEmpty());
        QVERIFY2(qAbs(bounds.center().x() - 1600) <= 10, qPrintable(QString::number(bounds.center().x())));
        // Top of the text cell at 1240 - (600 - height) / 2: the capitals
        // start a little below it.
        QVERIFY2(bounds.top() > 1040 && bounds.top() < 1100, qPrintable(QString::number(bounds.top())));
        // Across the middle of the word a stroked outline crosses every stem
        // twice (C 2, O 4, P 2, Y 2 or more); filled letters once.
        int runs = 0;
        const int middle = bounds.center().y();
        for (int x = bounds.left(); x <= bounds.right(); ++x)
            runs += IsDark(image, x, middle) && !IsDark(image, x - 1, middle);
        QVERIFY2(runs >= 9, qPrintable(QStringLiteral("%1 dark runs").arg(runs)));
    }

    // Every page shows the same picture object, so the PDF holds it once.
    void pdfHoldsEachPictureOnce()
    {
        TestFolders folders;
        QVERIFY(WriteFile(folders.ProgramFolder() + "Help1.svg",
                          "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 100 60'>"
                          "<rect x='2' y='2' width='96' height='56' fill='none' stroke='black'/></svg>"));
        const CompanyData data = print_fixture::Data();
        PrintW2Options options;
        options.Target = PrintTarget::All;
        options.Paper = PaperType::Blank;
        options.BlankCopy = W2CopyType::CopyB;
        const W2PrintJob job(data.company, data.employees, data.w2s, options);
        QCOMPARE(job.PageCount(), 2);
        FormPictures pictures(folders.ProgramFolder(), 150);
        const QString pdf = folders.Path("w2.pdf");
        QString error;
        QVERIFY2(WriteJobToPdf(job, pictures, pdf, &error), qPrintable(error));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Subtype /Image"), 1);
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);
    }

    // A PDF that can't be written leaves no file behind, nor a changed one.
    void failedPdfLeavesNoFile()
    {
        TestFolders folders;
        FormPictures pictures(folders.ProgramFolder());
        const CompanyData data = print_fixture::Data();
        PrintW2Options options;
        options.Target = PrintTarget::All;
        const EmployeeList nobody;
        const W2PrintJob empty(data.company, nobody, data.w2s, options);
        const QString existing = folders.Path("old.pdf");
        QVERIFY(WriteFile(existing, "old"));
        QString error;
        QVERIFY(!WriteJobToPdf(empty, pictures, existing, &error));
        QVERIFY(!error.isEmpty());
        QFile old(existing);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));

        const W2PrintJob job(data.company, data.employees, data.w2s, options);
        const QString nowhere = folders.Path("no such folder/w2.pdf");
        QVERIFY(!WriteJobToPdf(job, pictures, nowhere, &error));
        QVERIFY(error.contains("no such folder"));
        QVERIFY(!QFile::exists(nowhere));
    }
};

FORMLARK_TEST_MAIN(PageRendererTest)
#include "PageRendererTest.moc"
