#include "core/balloon/BalloonLayout.h"

#include <QTest>

// A 200 x 40 text block gives a 216 x 76 window with e = (200 - 4) / 4 = 49:
// tail tips at x 49 (left half) or 3e + 20 = 167 (right half), and at y 1
// (tail on top) or H + 34 = 74 (tail at the bottom).
class BalloonLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void quadrants_data();
    void quadrants();
    void tipStaysWithinBody_data();
    void tipStaysWithinBody();
    void keptOnMonitor_data();
    void keptOnMonitor();
    void textSize();
};

void BalloonLayoutTest::quadrants_data()
{
    QTest::addColumn<QRect>("monitor");
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<bool>("tailOnTop");
    QTest::addColumn<QPoint>("tip");
    QTest::addColumn<int>("baseLeft");
    QTest::addColumn<QPoint>("windowTopLeft");

    const QRect screen(0, 0, 1024, 768);
    QTest::newRow("upper left: body below, to the right")
        << screen << QPoint(100, 100) << true << QPoint(49, 1) << 49 << QPoint(51, 99);
    QTest::newRow("upper right: body below, to the left")
        << screen << QPoint(900, 100) << true << QPoint(167, 1) << 147 << QPoint(733, 99);
    QTest::newRow("lower left: body above, to the right")
        << screen << QPoint(100, 700) << false << QPoint(49, 74) << 49 << QPoint(51, 626);
    QTest::newRow("lower right: body above, to the left")
        << screen << QPoint(900, 700) << false << QPoint(167, 74) << 147 << QPoint(733, 626);

    // The halves are those of the anchor's own monitor, not of the desktop.
    const QRect second(1024, 0, 1280, 1024);
    QTest::newRow("second monitor, upper left")
        << second << QPoint(1600, 400) << true << QPoint(49, 1) << 49 << QPoint(1551, 399);
    QTest::newRow("second monitor, lower right")
        << second << QPoint(1700, 900) << false << QPoint(167, 74) << 147 << QPoint(1533, 826);
}

void BalloonLayoutTest::quadrants()
{
    QFETCH(QRect, monitor);
    QFETCH(QPoint, anchor);
    QFETCH(bool, tailOnTop);
    QFETCH(QPoint, tip);
    QFETCH(int, baseLeft);
    QFETCH(QPoint, windowTopLeft);

    const BalloonGeometry g = LayoutBalloon(anchor, QSize(200, 40), monitor);

    QCOMPARE(g.window, QRect(windowTopLeft, QSize(216, 76)));
    QCOMPARE(g.window.topLeft() + g.tail.tip, anchor);
    QCOMPARE(g.tail.tip, tip);
    QCOMPARE(g.tail.side, tailOnTop ? BalloonTailSide::Top : BalloonTailSide::Bottom);
    const int baseY = tailOnTop ? 21 : 54;
    QCOMPARE(g.tail.base1, QPoint(baseLeft, baseY));
    QCOMPARE(g.tail.base2, QPoint(baseLeft + 20, baseY));
    QCOMPARE(g.body, tailOnTop ? QRect(0, 20, 216, 56) : QRect(0, 0, 216, 56));
    QCOMPARE(g.client, tailOnTop ? QRect(8, 28, 200, 40) : QRect(8, 8, 200, 40));
}

void BalloonLayoutTest::tipStaysWithinBody_data()
{
    QTest::addColumn<QSize>("text");
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<int>("tipX");

    // A narrow note: e = 4, so the left tip (4) is raised to 8 and the
    // right tip (3e + 20 = 32) lowered to W + 8 = 28.
    QTest::newRow("narrow, left half") << QSize(20, 30) << QPoint(300, 300) << 8;
    QTest::newRow("narrow, right half") << QSize(20, 30) << QPoint(700, 300) << 28;
    QTest::newRow("wide, left half") << QSize(400, 30) << QPoint(300, 300) << 99;
    QTest::newRow("wide, right half") << QSize(400, 30) << QPoint(700, 300) << 317;
}

void BalloonLayoutTest::tipStaysWithinBody()
{
    QFETCH(QSize, text);
    QFETCH(QPoint, anchor);
    QFETCH(int, tipX);

    const BalloonGeometry g = LayoutBalloon(anchor, text, QRect(0, 0, 1024, 768));
    QCOMPARE(g.tail.tip.x(), tipX);
    QCOMPARE(g.window.left() + g.tail.tip.x(), anchor.x());
    QCOMPARE(g.window.size(), text + QSize(16, 36));
}

void BalloonLayoutTest::keptOnMonitor_data()
{
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<QPoint>("windowTopLeft");
    QTest::addColumn<int>("tipX");

    // Horizontally the window is pushed back by what sticks out and the tip
    // swings back towards the anchor, as far as the body allows.
    QTest::newRow("near the left edge") << QPoint(10, 100) << QPoint(0, 99) << 10;
    QTest::newRow("on the left edge") << QPoint(0, 100) << QPoint(0, 99) << 8;
    QTest::newRow("near the right edge") << QPoint(1000, 100) << QPoint(808, 99) << 192;
    QTest::newRow("on the right edge") << QPoint(1023, 100) << QPoint(808, 99) << 208;
    // Vertically the tail's 20 pixels may stick out; more and the window is
    // brought back whole (anchors off the monitor).
    QTest::newRow("above the monitor") << QPoint(100, -30) << QPoint(51, 0) << 49;
    QTest::newRow("tail may stick out above") << QPoint(100, -10) << QPoint(51, -11) << 49;
    QTest::newRow("below the monitor") << QPoint(100, 800) << QPoint(51, 692) << 49;
    QTest::newRow("tail may stick out below") << QPoint(100, 780) << QPoint(51, 706) << 49;
}

void BalloonLayoutTest::keptOnMonitor()
{
    QFETCH(QPoint, anchor);
    QFETCH(QPoint, windowTopLeft);
    QFETCH(int, tipX);

    const BalloonGeometry g = LayoutBalloon(anchor, QSize(200, 40), QRect(0, 0, 1024, 768));
    QCOMPARE(g.window.topLeft(), windowTopLeft);
    QCOMPARE(g.tail.tip.x(), tipX);
    QCOMPARE(g.window.size(), QSize(216, 76));
    // The tail's base stays beside its tip, on the straight part of the
    // body's edge: a short triangle, never a sliver across the balloon.
    const int nearEnd = std::abs(g.tail.base1.x() - tipX) < std::abs(g.tail.base2.x() - tipX) ? g.tail.base1.x()
                                                                                              : g.tail.base2.x();
    QVERIFY2(std::abs(nearEnd - tipX) <= kBalloonCornerDiameter / 2, qPrintable(QString::number(nearEnd)));
    QVERIFY(g.tail.base1.x() >= 0 && g.tail.base2.x() <= g.window.width());
}

void BalloonLayoutTest::textSize()
{
    // Width from the wider line, height with the gap under the title line.
    QCOMPARE(BalloonTextSize(120, 18, QSize(200, 15)), QSize(200, 41));
    QCOMPARE(BalloonTextSize(250, 20, QSize(200, 30)), QSize(250, 58));
    QCOMPARE(BalloonTextSize(60, 16, QSize(0, 0)), QSize(60, 24));
}

FORMLARK_TEST_APPLESS_MAIN(BalloonLayoutTest)
#include "BalloonLayoutTest.moc"
