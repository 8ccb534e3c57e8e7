// The form pictures beside the program: each one loads as an SVG whatever
// its file name, has the size of the rectangle it is printed into, and every
// value and check mark the print tables put on it lands on blank ground
// inside its box.

#include "tools/form_pictures/FormPictureAnchors.h"
#include "tools/form_pictures/FormPictureCheck.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString PictureFolder()
{
    return qEnvironmentVariable("FORMLARK_RUNTIME_DIR");
}

QString WriteSvg(const QTemporaryDir& dir, const QString& name, const QString& body)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 400 200\">%1</svg>")
                   .arg(body)
                   .toUtf8());
    return path;
}

} // namespace

class FormPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void installedPictureLoads_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSizeF>("size");
        QTest::newRow("W-2 one form") << QStringLiteral("Help1.svg") << QSizeF(1980, 1340);
        QTest::newRow("W-2 Copy A page") << QStringLiteral("Updater.dll") << QSizeF(1955, 2692);
        QTest::newRow("W-3 copy") << QStringLiteral("Help2.svg") << QSizeF(1965, 2630);
        QTest::newRow("W-3 laser substitute") << QStringLiteral("Contactus.msg") << QSizeF(1981, 2667);
        QTest::newRow("1099-MISC one form") << QStringLiteral("Help3.svg") << QSizeF(1980, 1370);
        QTest::newRow("1096") << QStringLiteral("Help4.svg") << QSizeF(1900, 2610);
    }

    void installedPictureLoads()
    {
        QFETCH(QString, name);
        QFETCH(QSizeF, size);
        const QString path = QDir(PictureFolder()).filePath(name);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QSvgRenderer renderer(path);
        QVERIFY2(renderer.isValid(), qPrintable(path));
        // One picture unit is 0.1 mm on paper only when the viewBox is the
        // placement rectangle.
        QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), size));

        // The names say nothing about the content: an image reader that
        // goes by content alone must read them too.
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), QByteArray("svg"));
        QVERIFY2(!reader.read().isNull(), qPrintable(reader.errorString()));
    }

    void valuesLandInTheirBoxes_data()
    {
        QTest::addColumn<int>("index");
        const QList<PictureUse> uses = FormPictureUses();
        for (int i = 0; i < uses.size(); ++i)
            QTest::newRow(qPrintable(uses[i].Name)) << i;
    }

    void valuesLandInTheirBoxes()
    {
        QFETCH(int, index);
        const PictureUse use = FormPictureUses().at(index);
        const QImage picture = RenderFormPicture(QDir(PictureFolder()).filePath(use.InstalledName), 1.0);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), QSize(int(use.Width), int(use.Height)));
        const QStringList problems = CheckPictureUse(use, picture);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // The check itself must see a value printed over a line, a mark without
    // a box around it, and picture ink left where a white-out must clear it.
    void checkFindsMisplacedValues()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path =
            WriteSvg(dir, QStringLiteral("picture.dll"),
                     QStringLiteral(
                         "<rect width=\"400\" height=\"200\" fill=\"white\"/>"
                         "<line x1=\"0\" y1=\"60\" x2=\"400\" y2=\"60\" stroke=\"black\" stroke-width=\"3\"/>"
                         "<rect x=\"290\" y=\"120\" width=\"40\" height=\"40\" fill=\"none\" stroke=\"black\" "
                         "stroke-width=\"2.5\"/>"
                         "<rect x=\"20\" y=\"150\" width=\"30\" height=\"10\" fill=\"black\"/>"));
        const QImage picture = RenderFormPicture(path, 1.0);
        QVERIFY(!picture.isNull());

        PictureUse use;
        use.Name = QStringLiteral("fixture");
        use.Width = 400;
        use.Height = 200;
        PictureText clear;
        clear.What = QStringLiteral("clear");
        clear.X = 10;
        clear.Y = 70;
        clear.Chars = 5;
        PictureText crossing = clear;
        crossing.What = QStringLiteral("crossing");
        crossing.Y = 40;
        PictureText outside = clear;
        outside.What = QStringLiteral("outside");
        outside.X = 380;
        use.Texts = {clear, crossing, outside};
        use.Marks = {{QStringLiteral("boxed"), QRectF(300, 130, 20, 20)},
                     {QStringLiteral("bare"), QRectF(200, 130, 20, 20)}};
        use.MustBeBlank = {QRectF(10, 140, 60, 30)};

        QStringList problems = CheckPictureUse(use, picture);
        const QString all = problems.join(QLatin1Char('\n'));
        QVERIFY2(!all.contains(QLatin1String("clear")), qPrintable(all));
        QVERIFY2(!all.contains(QLatin1String("boxed")), qPrintable(all));
        QVERIFY2(all.contains(QLatin1String("crossing")) && all.contains(QLatin1String("line work")), qPrintable(all));
        QVERIFY2(all.contains(QLatin1String("outside the picture")), qPrintable(all));
        QCOMPARE(problems.filter(QLatin1String("bare has no check box line")).size(), 4);
        QVERIFY2(all.contains(QLatin1String("show through")), qPrintable(all));

        // A white-out over the ink clears it.
        use.WhiteOuts = {QRectF(15, 145, 40, 20)};
        problems = CheckPictureUse(use, picture);
        QVERIFY(problems.filter(QLatin1String("show through")).isEmpty());
    }
};

FORMLARK_TEST_MAIN(FormPicturesTest)
#include "FormPicturesTest.moc"
