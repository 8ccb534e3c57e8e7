// CColorButton's drawing, read back pixel by pixel: the face, the raised
// bevel's grey levels per ring, the caption, the focus rectangle, the
// sunken ring while pressed and the disabled caption colour.
#include "gui/controls/ColorButton.h"

#include <QImage>
#include <QtTest>

namespace {

const QColor kText(0, 0, 255);
const QColor kFace(200, 220, 180);
const QColor kDisabled(255, 255, 255);

QRgb Grey(int level)
{
    return qRgb(level, level, level);
}

// How many pixels of `colour` lie in `area`.
int CountOf(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

struct Fixture {
    Fixture()
        : button(QStringLiteral("Update"), &host)
        , other(QStringLiteral("Other"), &host)
    {
        host.resize(300, 100);
        button.setGeometry(10, 10, 100, 30);
        other.setGeometry(150, 10, 100, 30);
        button.Attach(kText, kFace, kDisabled, 2);
        host.show();
        host.activateWindow();
        // Only a widget of the active window has the focus.
        active = QTest::qWaitForWindowActive(&host);
        other.setFocus();
    }

    QImage Picture() { return button.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QWidget host;
    bool active = false;
    CColorButton button;
    CColorButton other;
};

} // namespace

class ColorButtonTest : public QObject {
    Q_OBJECT

private slots:
    void bevelRingsAndFace()
    {
        QCOMPARE(CColorButton::RaisedLightLevel(0), 255);
        QCOMPARE(CColorButton::RaisedShadowLevel(0), 127);
        QCOMPARE(CColorButton::RaisedLightLevel(1), 223);
        QCOMPARE(CColorButton::RaisedShadowLevel(1), 85);

        Fixture f;
        const QImage image = f.Picture();
        QCOMPARE(image.size(), QSize(100, 30));
        QCOMPARE(image.pixel(50, 0), Grey(255));  // outer ring, top
        QCOMPARE(image.pixel(0, 15), Grey(255));  // outer ring, left
        QCOMPARE(image.pixel(50, 29), Grey(127)); // outer ring, bottom
        QCOMPARE(image.pixel(99, 15), Grey(127)); // outer ring, right
        QCOMPARE(image.pixel(50, 1), Grey(223));  // inner ring, top
        QCOMPARE(image.pixel(1, 15), Grey(223));  // inner ring, left
        QCOMPARE(image.pixel(50, 28), Grey(85));  // inner ring, bottom
        QCOMPARE(image.pixel(98, 15), Grey(85));  // inner ring, right
        QCOMPARE(image.pixel(3, 3), kFace.rgb());
        // The caption in the text colour; no focus rectangle without focus.
        QVERIFY(CountOf(image, QRect(20, 6, 60, 18), kText.rgb()) > 10);
        QCOMPARE(CountOf(image, QRect(4, 4, 92, 1), kText.rgb()), 0);
    }

    void focusRectangleInsetByFour()
    {
        Fixture f;
        QVERIFY(f.active);
        f.button.setFocus();
        QVERIFY(f.button.hasFocus());
        const QImage image = f.Picture();
        // A dotted line on the rectangle 4 pixels in, nothing just outside.
        QVERIFY(CountOf(image, QRect(4, 4, 92, 1), kText.rgb()) > 20);
        QVERIFY(CountOf(image, QRect(4, 4, 1, 22), kText.rgb()) > 5);
        QVERIFY(CountOf(image, QRect(4, 25, 92, 1), kText.rgb()) > 20);
        QCOMPARE(CountOf(image, QRect(3, 3, 94, 1), kText.rgb()), 0);
        QCOMPARE(image.pixel(50, 0), Grey(255));
    }

    void pressedShowsOneSunkenRing()
    {
        Fixture f;
        QVERIFY(f.active);
        f.button.setFocus();
        f.button.setDown(true);
        const QImage image = f.Picture();
        QCOMPARE(image.pixel(50, 0), Grey(128));
        QCOMPARE(image.pixel(0, 15), Grey(128));
        QCOMPARE(image.pixel(50, 29), Grey(255));
        QCOMPARE(image.pixel(99, 15), Grey(255));
        QCOMPARE(image.pixel(50, 1), kFace.rgb()); // a single ring only
        QVERIFY(CountOf(image, QRect(4, 4, 92, 1), kText.rgb()) > 20);
        QVERIFY(CountOf(image, QRect(20, 6, 60, 18), kText.rgb()) > 10);

        // Pressed without the focus (the mouse held outside): raised.
        f.other.setFocus();
        QCOMPARE(f.Picture().pixel(50, 0), Grey(255));
    }

    void disabledCaptionColour()
    {
        Fixture f;
        f.button.setEnabled(false);
        const QImage image = f.Picture();
        const QRect caption(20, 6, 60, 18);
        QVERIFY(CountOf(image, caption, kDisabled.rgb()) > 10);
        QCOMPARE(CountOf(image, caption, kText.rgb()), 0);
        QCOMPARE(image.pixel(50, 0), Grey(255)); // still raised
    }
};

FORMLARK_TEST_MAIN(ColorButtonTest)
#include "ColorButtonTest.moc"
