#include "core/balloon/BalloonOptions.h"

#include <QTest>

Q_DECLARE_METATYPE(BalloonInputKind)
Q_DECLARE_METATYPE(BalloonButton)

class BalloonOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void closingInput_data();
    void closingInput();
    void firstRequestOfDelayedClose();
};

void BalloonOptionsTest::closingInput_data()
{
    QTest::addColumn<unsigned>("options");
    QTest::addColumn<BalloonInputKind>("kind");
    QTest::addColumn<BalloonButton>("button");
    QTest::addColumn<QPoint>("moveBy");
    QTest::addColumn<bool>("closes");

    using K = BalloonInputKind;
    using B = BalloonButton;
    const QPoint still(0, 0);

    // Each button bit answers to its own button and edge only.
    QTest::newRow("0x01 left release") << 0x01u << K::Release << B::Left << still << true;
    QTest::newRow("0x01 left press") << 0x01u << K::Press << B::Left << still << false;
    QTest::newRow("0x01 right release") << 0x01u << K::Release << B::Right << still << false;
    QTest::newRow("0x02 middle release") << 0x02u << K::Release << B::Middle << still << true;
    QTest::newRow("0x04 right release") << 0x04u << K::Release << B::Right << still << true;
    QTest::newRow("0x04 middle release") << 0x04u << K::Release << B::Middle << still << false;
    QTest::newRow("0x08 left press") << 0x08u << K::Press << B::Left << still << true;
    QTest::newRow("0x08 left release") << 0x08u << K::Release << B::Left << still << false;
    QTest::newRow("0x10 middle press") << 0x10u << K::Press << B::Middle << still << true;
    QTest::newRow("0x20 right press") << 0x20u << K::Press << B::Right << still << true;
    QTest::newRow("0x20 left press") << 0x20u << K::Press << B::Left << still << false;
    QTest::newRow("0x3F other button") << 0x3Fu << K::Press << B::Other << still << false;

    // The form screens' 192: mouse moved more than 3 pixels, or a key.
    QTest::newRow("192 moved 3 right") << 192u << K::Move << B::None << QPoint(3, 0) << false;
    QTest::newRow("192 moved 4 right") << 192u << K::Move << B::None << QPoint(4, 0) << true;
    QTest::newRow("192 moved 3 left, 3 up") << 192u << K::Move << B::None << QPoint(-3, -3) << false;
    QTest::newRow("192 moved 4 up") << 192u << K::Move << B::None << QPoint(0, -4) << true;
    QTest::newRow("192 moved 4 left") << 192u << K::Move << B::None << QPoint(-4, 1) << true;
    QTest::newRow("192 key") << 192u << K::Key << B::None << still << true;
    QTest::newRow("192 click") << 192u << K::Press << B::Left << still << false;
    QTest::newRow("0x80 alone, moved far") << 0x80u << K::Move << B::None << QPoint(50, 50) << false;
    QTest::newRow("0x40 alone, key") << 0x40u << K::Key << B::None << still << false;

    // Bits that are not triggers close nothing.
    QTest::newRow("0x3F00 key") << 0x3F00u << K::Key << B::None << still << false;
    QTest::newRow("0x3F00 moved far") << 0x3F00u << K::Move << B::None << QPoint(50, 0) << false;
}

void BalloonOptionsTest::closingInput()
{
    QFETCH(unsigned, options);
    QFETCH(BalloonInputKind, kind);
    QFETCH(BalloonButton, button);
    QFETCH(QPoint, moveBy);
    QFETCH(bool, closes);

    const QPoint openedAt(400, 300);
    QCOMPARE(BalloonInputCloses(options, BalloonInput{kind, button, openedAt + moveBy}, openedAt), closes);
}

void BalloonOptionsTest::firstRequestOfDelayedClose()
{
    // Delay and mouse triggers are spent; key, look and ownership stay.
    QCOMPARE(BalloonOptionsAfterFirstRequest(0x1C0u), 0x80u);
    QCOMPARE(BalloonOptionsAfterFirstRequest(0x3FFFu), 0x3E80u);
    QCOMPARE(BalloonOptionsAfterFirstRequest(0x340u), 0x200u);
}

FORMLARK_TEST_APPLESS_MAIN(BalloonOptionsTest)
#include "BalloonOptionsTest.moc"
