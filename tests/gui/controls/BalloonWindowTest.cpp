#include "gui/controls/BalloonWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>

namespace {

// Balloons shown at the moment, oldest first.
QList<CBalloonWindow*> OpenBalloons()
{
    QList<CBalloonWindow*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* balloon = qobject_cast<CBalloonWindow*>(window); balloon && balloon->isVisible())
            found << balloon;
    }
    return found;
}

// Shows one balloon and hands it back.
QPointer<CBalloonWindow> Show(BalloonOptions options, QPoint anchor, int timeoutMs = 0, QWidget* anchorWindow = nullptr)
{
    const QList<CBalloonWindow*> before = OpenBalloons();
    ShowBalloon(QStringLiteral("Note"), QStringLiteral("This is the last employee in the list!"), anchor,
                BalloonIcon::Question, options, anchorWindow, QString(), timeoutMs);
    for (CBalloonWindow* balloon : OpenBalloons()) {
        if (!before.contains(balloon))
            return balloon;
    }
    return nullptr;
}

// A key press that a widget does not take goes on to its parent; this one
// asks for a balloon while it handles the key, the way a form screen's
// button does.
class BalloonOnKey : public QWidget {
public:
    using QWidget::QWidget;
    BalloonOptions options = 192;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        ShowBalloon(QStringLiteral("Note"), QStringLiteral("This is the last contractor in the list!"),
                    mapToGlobal(rect().center()), BalloonIcon::Question, options);
        event->ignore();
    }
};

} // namespace

class BalloonWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void laidOutOnTheAnchorsScreen();
    void longTextWrapsToFitTheScreen_data();
    void longTextWrapsToFitTheScreen();
    void mouseMoveOfMoreThanThreePixelsCloses_data();
    void mouseMoveOfMoreThanThreePixelsCloses();
    void keyClosesOnlyWithItsBit();
    void buttonTriggers_data();
    void buttonTriggers();
    void inputThatOpenedTheBalloonDoesNotCloseIt();
    void timeoutCloses();
    void delayedCloseArmsTheTimeoutOnFirstRequest();
    void delayedCloseWithoutTimeoutWaitsForTheNextRequest();
    void twoBalloonsCloseIndependently();
    void closeButtonCloses();
    void followsTheAnchorWindow();

private:
    void MoveMouseTo(QPoint global);
    QPoint Centre() const { return host_->geometry().center(); }

    QWidget* host_ = nullptr;
};

void BalloonWindowTest::init()
{
    // A window under the whole screen, so that every move lands in one of
    // the program's windows.
    host_ = new QWidget;
    host_->setGeometry(QGuiApplication::primaryScreen()->geometry());
    host_->show();
    QVERIFY(QTest::qWaitForWindowExposed(host_));
    QCursor::setPos(Centre());
    QCoreApplication::processEvents();
}

void BalloonWindowTest::cleanup()
{
    for (CBalloonWindow* balloon : OpenBalloons())
        delete balloon;
    delete host_;
    host_ = nullptr;
}

void BalloonWindowTest::MoveMouseTo(QPoint global)
{
    QTest::mouseMove(host_->windowHandle(), host_->windowHandle()->mapFromGlobal(global));
}

void BalloonWindowTest::laidOutOnTheAnchorsScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint anchors[] = {screen.topLeft() + QPoint(40, 40), screen.topRight() + QPoint(-40, 40),
                              screen.bottomLeft() + QPoint(40, -40), screen.bottomRight() + QPoint(-40, -40)};
    for (const QPoint anchor : anchors) {
        QPointer<CBalloonWindow> balloon = Show(192, anchor);
        QVERIFY(balloon);
        const BalloonGeometry& g = balloon->Layout();
        QCOMPARE(balloon->geometry(), g.window);
        QVERIFY(screen.contains(g.window));
        QCOMPARE(g.window.topLeft() + g.tail.tip, anchor);
        QCOMPARE(g.tail.side, anchor.y() < screen.center().y() ? BalloonTailSide::Top : BalloonTailSide::Bottom);
        // The window is cut to body and tail: the tip is in, the corner
        // beside the tail is not.
        QVERIFY(balloon->mask().contains(g.tail.tip));
        QVERIFY(!balloon->mask().contains(g.tail.side == BalloonTailSide::Top ? QPoint(0, 0)
                                                                              : QPoint(0, g.window.height() - 1)));
        QCOMPARE(balloon->palette().color(QPalette::ToolTipBase), QToolTip::palette().color(QPalette::ToolTipBase));
        QVERIFY(balloon->Options() & BalloonDeleteOnClose);
        balloon->close();
        QTRY_VERIFY(balloon.isNull());
    }
}

// A quick help of several long paragraphs: wrapped to at most about 60 %
// of the screen's width and kept whole on it, wherever it points from,
// every line of it in the balloon.
void BalloonWindowTest::longTextWrapsToFitTheScreen_data()
{
    QTest::addColumn<QPointF>("anchor"); // as a share of the screen
    QTest::newRow("top left") << QPointF(0.05, 0.05);
    QTest::newRow("top right, as the help icon") << QPointF(0.95, 0.1);
    QTest::newRow("bottom left") << QPointF(0.05, 0.95);
    QTest::newRow("bottom right") << QPointF(0.95, 0.95);
    QTest::newRow("middle") << QPointF(0.5, 0.5);
}

void BalloonWindowTest::longTextWrapsToFitTheScreen()
{
    QFETCH(QPointF, anchor);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QString paragraph = QStringLiteral(
        "1.Please start by selecting the employee you want to prepare the W2 form for, this can be done by clicking "
        "on the \"Select\" button. You can also use the \"Next\" button to move to the next employee.");
    const QString content = paragraph + QStringLiteral("\n\n") + paragraph + QStringLiteral("\n\nW2-")
                            + QString(300, u'x'); // a "word" longer than a line
    const QPoint at(screen.left() + int(screen.width() * anchor.x()), screen.top() + int(screen.height() * anchor.y()));
    ShowBalloon(QStringLiteral("Quick Help (move the mouse to close this window)"), content, at, BalloonIcon::Question,
                192);
    QCOMPARE(OpenBalloons().size(), 1);
    CBalloonWindow* balloon = OpenBalloons().front();
    const BalloonGeometry& g = balloon->Layout();
    QVERIFY2(g.window.width() <= screen.width() * 6 / 10 + 1, qPrintable(QString::number(g.window.width())));
    // The body whole on the screen (the tail may reach its 20 pixels out).
    QVERIFY(screen.contains(g.body.translated(g.window.topLeft())));
    QCOMPARE(g.window.topLeft() + g.tail.tip, at);
    // Every line fits the text block: nothing is cut at its right.
    const QFontMetrics metrics(balloon->font());
    const QRect needed = metrics.boundingRect(QRect(0, 0, g.client.width(), 100000),
                                              Qt::AlignLeft | Qt::TextWordWrap | Qt::TextWrapAnywhere, content);
    QVERIFY(needed.width() <= g.client.width());
    QVERIFY(needed.height() < g.client.height());
}

void BalloonWindowTest::mouseMoveOfMoreThanThreePixelsCloses_data()
{
    QTest::addColumn<QPoint>("moveBy");
    QTest::addColumn<bool>("closes");

    QTest::newRow("3 right") << QPoint(3, 0) << false;
    QTest::newRow("3 left, 3 down") << QPoint(-3, 3) << false;
    QTest::newRow("4 right") << QPoint(4, 0) << true;
    QTest::newRow("4 up") << QPoint(0, -4) << true;
}

void BalloonWindowTest::mouseMoveOfMoreThanThreePixelsCloses()
{
    QFETCH(QPoint, moveBy);
    QFETCH(bool, closes);

    QPointer<CBalloonWindow> balloon = Show(192, Centre());
    QVERIFY(balloon);
    QCoreApplication::processEvents();

    MoveMouseTo(Centre() + moveBy);
    if (closes) {
        QTRY_VERIFY(balloon.isNull());
    } else {
        QTest::qWait(50);
        QVERIFY(balloon);
        QVERIFY(balloon->isVisible());
    }
}

void BalloonWindowTest::keyClosesOnlyWithItsBit()
{
    QPointer<CBalloonWindow> mouseOnly = Show(BalloonCloseOnMouseMove, Centre() + QPoint(-200, -200));
    QPointer<CBalloonWindow> keyed = Show(BalloonCloseOnKey | BalloonCloseOnMouseMove, Centre() + QPoint(200, 200));
    QVERIFY(mouseOnly && keyed);
    QCoreApplication::processEvents();

    QTest::keyClick(host_->windowHandle(), Qt::Key_A);
    QTRY_VERIFY(keyed.isNull());
    QVERIFY(mouseOnly && mouseOnly->isVisible());
}

void BalloonWindowTest::buttonTriggers_data()
{
    QTest::addColumn<unsigned>("options");
    QTest::addColumn<bool>("release");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("closes");

    QTest::newRow("left press, 0x08") << 0x08u << false << int(Qt::LeftButton) << true;
    QTest::newRow("right press, 0x08") << 0x08u << false << int(Qt::RightButton) << false;
    QTest::newRow("right press, 0x20") << 0x20u << false << int(Qt::RightButton) << true;
    QTest::newRow("left press, 0x01") << 0x01u << false << int(Qt::LeftButton) << false;
    QTest::newRow("left release, 0x01") << 0x01u << true << int(Qt::LeftButton) << true;
    QTest::newRow("middle release, 0x02") << 0x02u << true << int(Qt::MiddleButton) << true;
    QTest::newRow("left release, 0x04") << 0x04u << true << int(Qt::LeftButton) << false;
}

void BalloonWindowTest::buttonTriggers()
{
    QFETCH(unsigned, options);
    QFETCH(bool, release);
    QFETCH(int, button);
    QFETCH(bool, closes);

    QPointer<CBalloonWindow> balloon = Show(options, Centre() + QPoint(-150, -150));
    QVERIFY(balloon);
    QCoreApplication::processEvents();

    // Pressed and released where the mouse is, well away from the balloon.
    const QPoint at = host_->windowHandle()->mapFromGlobal(Centre());
    const auto which = static_cast<Qt::MouseButton>(button);
    if (release) {
        // The press before the release must not be the trigger.
        QTest::mousePress(host_->windowHandle(), which, {}, at);
        QTest::qWait(20);
        QVERIFY(balloon);
        QTest::mouseRelease(host_->windowHandle(), which, {}, at);
    } else {
        QTest::mousePress(host_->windowHandle(), which, {}, at);
    }
    if (closes) {
        QTRY_VERIFY(balloon.isNull());
    } else {
        QTest::qWait(50);
        QVERIFY(balloon && balloon->isVisible());
    }
    if (!release)
        QTest::mouseRelease(host_->windowHandle(), which, {}, at);
}

void BalloonWindowTest::inputThatOpenedTheBalloonDoesNotCloseIt()
{
    // The key goes on to the parent after the child opened the balloon; the
    // balloon must not take that same key press for its closing key.
    auto* child = new BalloonOnKey(host_);
    child->setGeometry(100, 100, 80, 24);
    child->setFocusPolicy(Qt::StrongFocus);
    child->show();
    host_->activateWindow();
    child->setFocus();
    QTRY_VERIFY(child->hasFocus());

    QTest::keyPress(host_->windowHandle(), Qt::Key_Return);
    QTest::qWait(50);
    QCOMPARE(OpenBalloons().size(), 1);
    QPointer<CBalloonWindow> balloon = OpenBalloons().first();
    QTest::keyRelease(host_->windowHandle(), Qt::Key_Return);
    QTest::qWait(20);
    QVERIFY(balloon);

    // The next key does close it.
    QTest::keyClick(host_->windowHandle(), Qt::Key_Space);
    QTRY_VERIFY(balloon.isNull());
}

void BalloonWindowTest::timeoutCloses()
{
    QPointer<CBalloonWindow> balloon = Show(0, Centre(), 500);
    QVERIFY(balloon);
    QVERIFY(balloon->TimeoutRunning());
    // Input means nothing to a balloon without triggers.
    QTest::keyClick(host_->windowHandle(), Qt::Key_A);
    MoveMouseTo(Centre() + QPoint(30, 30));
    QVERIFY(balloon);
    QTRY_VERIFY_WITH_TIMEOUT(balloon.isNull(), 5000);
}

void BalloonWindowTest::delayedCloseArmsTheTimeoutOnFirstRequest()
{
    QPointer<CBalloonWindow> balloon = Show(BalloonDelayedClose | BalloonCloseOnMouseMove | BalloonCloseOnKey, Centre(),
                                            800);
    QVERIFY(balloon);
    QVERIFY(!balloon->TimeoutRunning());
    QCoreApplication::processEvents();

    // The first request only starts the count-down and spends the mouse.
    MoveMouseTo(Centre() + QPoint(10, 0));
    QTRY_VERIFY(balloon && balloon->TimeoutRunning());
    QCOMPARE(balloon->Options() & (BalloonDelayedClose | kBalloonMouseTriggers), 0u);
    MoveMouseTo(Centre() + QPoint(40, 40));
    QTest::qWait(30);
    QVERIFY(balloon && balloon->isVisible());

    // Then the time-out closes it.
    QTRY_VERIFY_WITH_TIMEOUT(balloon.isNull(), 5000);
}

void BalloonWindowTest::delayedCloseWithoutTimeoutWaitsForTheNextRequest()
{
    QPointer<CBalloonWindow> balloon = Show(BalloonDelayedClose | BalloonCloseOnMouseMove | BalloonCloseOnKey, Centre(),
                                            0);
    QVERIFY(balloon);
    QCoreApplication::processEvents();

    QTest::keyClick(host_->windowHandle(), Qt::Key_A);
    QTest::qWait(50);
    QVERIFY(balloon && balloon->isVisible());
    QVERIFY(!balloon->TimeoutRunning());

    // The mouse is spent; the next key closes.
    MoveMouseTo(Centre() + QPoint(50, 0));
    QTest::qWait(50);
    QVERIFY(balloon && balloon->isVisible());
    QTest::keyClick(host_->windowHandle(), Qt::Key_B);
    QTRY_VERIFY(balloon.isNull());
}

void BalloonWindowTest::twoBalloonsCloseIndependently()
{
    QPointer<CBalloonWindow> first = Show(BalloonCloseOnMouseMove, Centre() + QPoint(-200, -200));
    QPointer<CBalloonWindow> second = Show(BalloonCloseOnKey, Centre() + QPoint(200, 200));
    QVERIFY(first && second);
    QVERIFY(first != second);
    QCoreApplication::processEvents();

    MoveMouseTo(Centre() + QPoint(20, 0));
    QTRY_VERIFY(first.isNull());
    QVERIFY(second && second->isVisible());

    QTest::keyClick(host_->windowHandle(), Qt::Key_Escape);
    QTRY_VERIFY(second.isNull());
}

void BalloonWindowTest::closeButtonCloses()
{
    QPointer<CBalloonWindow> balloon = Show(BalloonShowCloseButton, Centre());
    QVERIFY(balloon);
    QVERIFY(QTest::qWaitForWindowExposed(balloon));
    const QRect client = balloon->Layout().client;
    // The button sits in the top right corner of the text area.
    const QPoint onButton(client.right() - 4, client.top() + 4);
    QTest::mouseClick(balloon->windowHandle(), Qt::LeftButton, {}, onButton);
    QTRY_VERIFY(balloon.isNull());

    // Without the option the same click does nothing.
    QPointer<CBalloonWindow> plain = Show(0, Centre());
    QVERIFY(plain);
    QVERIFY(QTest::qWaitForWindowExposed(plain));
    const QRect plainClient = plain->Layout().client;
    QTest::mouseClick(plain->windowHandle(), Qt::LeftButton, {},
                      QPoint(plainClient.right() - 4, plainClient.top() + 4));
    QTest::qWait(50);
    QVERIFY(plain && plain->isVisible());
}

void BalloonWindowTest::followsTheAnchorWindow()
{
    QWidget form;
    form.setGeometry(100, 100, 300, 200);
    auto* next = new QPushButton(QStringLiteral("Next"), &form);
    next->setGeometry(40, 60, 80, 24);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QPointer<CBalloonWindow> balloon = Show(0, next->rect().center(), 0, next);
    QVERIFY(balloon);
    QCOMPARE(balloon->geometry().topLeft() + balloon->Layout().tail.tip, next->mapToGlobal(next->rect().center()));

    form.move(160, 130);
    QTRY_COMPARE(balloon->geometry().topLeft() + balloon->Layout().tail.tip, next->mapToGlobal(next->rect().center()));
    next->move(100, 20);
    QTRY_COMPARE(balloon->geometry().topLeft() + balloon->Layout().tail.tip, next->mapToGlobal(next->rect().center()));

    // A balloon pointing at a window that is gone has nothing to say.
    delete next;
    QTRY_VERIFY(balloon.isNull());
}

FORMLARK_TEST_MAIN(BalloonWindowTest)
#include "BalloonWindowTest.moc"
