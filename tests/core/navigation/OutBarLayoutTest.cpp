#include "core/navigation/OutBarLayout.h"

#include <QTest>

Q_DECLARE_METATYPE(OutBarHitKind)

namespace {

// A bar of 100 x 300 pixels with three folders, the middle one open, and
// seven items with captions of 60 x 15 under 32 x 32 icons. Headers are 22
// high, so the item area runs from y 44 to 277. The seven large-icon items
// don't fit even closed up, so they scroll, clear of the scroll buttons'
// strips (5 + 16 pixels at the top and bottom): they start at y 73 and
// repeat every 58 pixels (32 icon + 3 gap + 15 caption + 8), and items 0
// to 2 show whole.
OutBarLayout::Input ThreeFolders(int firstVisible = 0)
{
    OutBarLayout::Input in;
    in.client = QRect(0, 0, 100, 300);
    in.folderCount = 3;
    in.currentFolder = 1;
    in.firstVisibleItem = firstVisible;
    in.iconSize = QSize(32, 32);
    in.captionSizes = QList<QSize>(7, QSize(60, 15));
    in.scrollButtonSide = 16;
    return in;
}

} // namespace

class OutBarLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void headersStackAroundTheOpenFolder_data();
    void headersStackAroundTheOpenFolder();
    void hitTest_data();
    void hitTest();
    void scrollButtonsFollowTheHiddenItems_data();
    void scrollButtonsFollowTheHiddenItems();
    void itemsCloseUpBeforeTheyScroll_data();
    void itemsCloseUpBeforeTheyScroll();
    void hostedWindowHidesItemsAndButtons();
    void dropTargets_data();
    void dropTargets();
    void movedItemIndex_data();
    void movedItemIndex();
    void folderSlide();
    void keysMoveTheFocusItem_data();
    void keysMoveTheFocusItem();
    void focusItemIsScrolledIntoView_data();
    void focusItemIsScrolledIntoView();
    void nudgeRunsElevenTicksAndRestarts();
};

void OutBarLayoutTest::headersStackAroundTheOpenFolder_data()
{
    QTest::addColumn<int>("folders");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("headerTops");
    QTest::addColumn<QRect>("itemArea");

    QTest::newRow("single folder on top") << 1 << 0 << QList<int>{0} << QRect(0, 22, 100, 278);
    QTest::newRow("first open: the rest at the bottom") << 3 << 0 << QList<int>{0, 256, 278} << QRect(0, 22, 100, 234);
    QTest::newRow("middle open") << 3 << 1 << QList<int>{0, 22, 278} << QRect(0, 44, 100, 234);
    QTest::newRow("last open: all on top") << 3 << 2 << QList<int>{0, 22, 44} << QRect(0, 66, 100, 234);
    QTest::newRow("open index out of range is the last") << 3 << 9 << QList<int>{0, 22, 44} << QRect(0, 66, 100, 234);
}

void OutBarLayoutTest::headersStackAroundTheOpenFolder()
{
    QFETCH(int, folders);
    QFETCH(int, current);
    QFETCH(QList<int>, headerTops);
    QFETCH(QRect, itemArea);

    OutBarLayout::Input in = ThreeFolders();
    in.folderCount = folders;
    in.currentFolder = current;
    const OutBarLayout layout(in);
    for (int f = 0; f < folders; ++f)
        QCOMPARE(layout.HeaderRect(f), QRect(0, headerTops[f], 100, 22));
    QCOMPARE(layout.ItemArea(), itemArea);
    QVERIFY(layout.HeaderRect(folders).isNull());
}

void OutBarLayoutTest::hitTest_data()
{
    QTest::addColumn<int>("firstVisible");
    QTest::addColumn<bool>("smallIcons");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<OutBarHitKind>("kind");
    QTest::addColumn<int>("index");

    using K = OutBarHitKind;
    QTest::newRow("header stacked on top") << 0 << false << QPoint(50, 10) << K::Folder << 0;
    QTest::newRow("open folder's header") << 0 << false << QPoint(50, 43) << K::Folder << 1;
    QTest::newRow("header stacked at the bottom") << 0 << false << QPoint(50, 290) << K::Folder << 2;
    QTest::newRow("icon of the first item") << 0 << false << QPoint(50, 80) << K::Item << 0;
    QTest::newRow("caption, wider than the icon") << 0 << false << QPoint(22, 115) << K::Item << 0;
    QTest::newRow("beside an item") << 0 << false << QPoint(10, 80) << K::Nothing << -1;
    QTest::newRow("gap between two items") << 0 << false << QPoint(50, 126) << K::Nothing << -1;
    QTest::newRow("second item") << 0 << false << QPoint(50, 140) << K::Item << 1;
    QTest::newRow("last whole item") << 0 << false << QPoint(50, 230) << K::Item << 2;
    QTest::newRow("cut item: not shown") << 0 << false << QPoint(50, 250) << K::Nothing << -1;
    QTest::newRow("strip of the up button") << 0 << false << QPoint(50, 60) << K::Nothing << -1;
    QTest::newRow("down button over the item area") << 0 << false << QPoint(85, 262) << K::DownButton << -1;
    QTest::newRow("no up button at the top") << 0 << false << QPoint(85, 53) << K::Nothing << -1;
    QTest::newRow("outside the bar") << 0 << false << QPoint(50, 320) << K::Nothing << -1;
    QTest::newRow("scrolled: up button") << 1 << false << QPoint(85, 53) << K::UpButton << -1;
    QTest::newRow("scrolled: first shown is item 1") << 1 << false << QPoint(50, 80) << K::Item << 1;
    // Small icons: 16 x 16 icon 5 from the left, caption 4 further, rows of
    // 16 every 26 pixels from y 49.
    QTest::newRow("small: caption of the second row") << 0 << true << QPoint(30, 80) << K::Item << 1;
    QTest::newRow("small: left of the icon") << 0 << true << QPoint(3, 52) << K::Nothing << -1;
    QTest::newRow("small: between rows") << 0 << true << QPoint(30, 70) << K::Nothing << -1;
}

void OutBarLayoutTest::hitTest()
{
    QFETCH(int, firstVisible);
    QFETCH(bool, smallIcons);
    QFETCH(QPoint, point);
    QFETCH(OutBarHitKind, kind);
    QFETCH(int, index);

    OutBarLayout::Input in = ThreeFolders(firstVisible);
    in.smallIcons = smallIcons;
    if (smallIcons)
        in.iconSize = QSize(16, 16);
    const OutBarHit hit = OutBarLayout(in).HitTest(point);
    QCOMPARE(hit.kind, kind);
    QCOMPARE(hit.index, index);
}

void OutBarLayoutTest::scrollButtonsFollowTheHiddenItems_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("firstVisible"); // asked for
    QTest::addColumn<int>("firstShown");
    QTest::addColumn<int>("lastFullyVisible");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("down");

    QTest::newRow("all fit") << 600 << 0 << 0 << 6 << false << false;
    QTest::newRow("all fit: a scroll left from before goes") << 600 << 3 << 0 << 6 << false << false;
    QTest::newRow("too many: down only") << 300 << 0 << 0 << 2 << false << true;
    QTest::newRow("one step down: both") << 300 << 1 << 1 << 3 << true << true;
    QTest::newRow("scrolled to the end: up only") << 300 << 4 << 4 << 6 << true << false;
    QTest::newRow("past the end: kept at the end") << 300 << 6 << 4 << 6 << true << false;
    QTest::newRow("not even one fits") << 100 << 0 << 0 << -1 << false << true;
}

void OutBarLayoutTest::scrollButtonsFollowTheHiddenItems()
{
    QFETCH(int, height);
    QFETCH(int, firstVisible);
    QFETCH(int, firstShown);
    QFETCH(int, lastFullyVisible);
    QFETCH(bool, up);
    QFETCH(bool, down);

    OutBarLayout::Input in = ThreeFolders(firstVisible);
    in.client.setHeight(height);
    const OutBarLayout layout(in);
    QCOMPARE(layout.FirstVisibleItem(), firstShown);
    QCOMPARE(layout.LastFullyVisibleItem(), lastFullyVisible);
    QCOMPARE(layout.UpButtonShown(), up);
    QCOMPARE(layout.DownButtonShown(), down);
    // Squares of the scroll-bar width, 5 pixels inside the item area's corners.
    const QRect area = layout.ItemArea();
    QCOMPARE(layout.UpButtonRect(), QRect(area.right() - 5 - 15, area.top() + 5, 16, 16));
    QCOMPARE(layout.DownButtonRect(), QRect(area.right() - 5 - 15, area.bottom() - 5 - 15, 16, 16));
}

// The seven items need 409 pixels as made (8 + 7 x 50 + 6 x 8, and 3 for
// the keyboard's frame below the last); with 4 between them 381; with a
// 1-pixel gap 367, and 7 fewer for each pixel off the icons' side.
void OutBarLayoutTest::itemsCloseUpBeforeTheyScroll_data()
{
    QTest::addColumn<int>("itemArea"); // height
    QTest::addColumn<int>("spacing");
    QTest::addColumn<int>("gap");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("scrolls");

    QTest::newRow("room enough: as made") << 409 << 8 << 3 << 32 << false;
    QTest::newRow("a little short: closer") << 408 << 7 << 3 << 32 << false;
    QTest::newRow("closest spacing") << 381 << 4 << 3 << 32 << false;
    QTest::newRow("then the gap") << 380 << 4 << 1 << 32 << false;
    QTest::newRow("then smaller icons") << 334 << 4 << 1 << 27 << false;
    QTest::newRow("smallest icons") << 255 << 4 << 1 << 16 << false;
    QTest::newRow("too short: as made, scrolled") << 254 << 8 << 3 << 32 << true;
}

void OutBarLayoutTest::itemsCloseUpBeforeTheyScroll()
{
    QFETCH(int, itemArea);
    QFETCH(int, spacing);
    QFETCH(int, gap);
    QFETCH(int, icon);
    QFETCH(bool, scrolls);

    OutBarLayout::Input in = ThreeFolders();
    in.client.setHeight(itemArea + 3 * 22);
    const OutBarLayout layout(in);
    QCOMPARE(layout.ItemArea().height(), itemArea);
    QCOMPARE(layout.Scrolls(), scrolls);
    QCOMPARE(layout.ItemSpacing(), spacing);
    QCOMPARE(layout.IconGap(), gap);
    QCOMPARE(layout.IconSize(), QSize(icon, icon));
    QCOMPARE(layout.DownButtonShown(), scrolls);
    if (scrolls)
        return;
    // Every item whole, the keyboard's frame (3 pixels round) too, and in
    // order without overlapping.
    QCOMPARE(layout.LastFullyVisibleItem(), 6);
    int below = layout.ItemArea().top() + 3;
    for (int item = 0; item < 7; ++item) {
        const QRect r = layout.ItemRect(item);
        QVERIFY(r.top() >= below);
        QVERIFY(layout.ItemArea().contains(r.adjusted(-1, -3, 1, 3)));
        QCOMPARE(layout.IconRect(item).size(), QSize(icon, icon));
        QCOMPARE(layout.CaptionRect(item).top(), layout.IconRect(item).bottom() + 1 + gap);
        below = r.bottom() + 1 + spacing;
    }
}

void OutBarLayoutTest::hostedWindowHidesItemsAndButtons()
{
    OutBarLayout::Input in = ThreeFolders(1);
    in.hostsWindow = true;
    const OutBarLayout layout(in);
    QVERIFY(!layout.UpButtonShown());
    QVERIFY(!layout.DownButtonShown());
    QCOMPARE(layout.HitTest(QPoint(50, 60)).kind, OutBarHitKind::Nothing);
    QCOMPARE(layout.HitTest(QPoint(50, 290)), (OutBarHit{OutBarHitKind::Folder, 2}));
    QVERIFY(!layout.DropTargetAt(QPoint(50, 60)).IsValid());
}

void OutBarLayoutTest::dropTargets_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("folder");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("markY"); // -1: no mark

    QTest::newRow("upper half of the first item") << QPoint(50, 80) << 1 << 0 << 69;
    QTest::newRow("lower half of the first item") << QPoint(50, 110) << 1 << 1 << 127;
    QTest::newRow("in the gap below an item") << QPoint(5, 126) << 1 << 1 << 127;
    QTest::newRow("below the last shown item") << QPoint(50, 270) << 1 << 3 << 243;
    QTest::newRow("header of another folder appends") << QPoint(50, 290) << 2 << -1 << -1;
    QTest::newRow("header of the open folder appends") << QPoint(50, 30) << 1 << -1 << -1;
    QTest::newRow("outside") << QPoint(150, 100) << -1 << -1 << -1;
}

void OutBarLayoutTest::dropTargets()
{
    QFETCH(QPoint, point);
    QFETCH(int, folder);
    QFETCH(int, index);
    QFETCH(int, markY);

    const OutBarDropTarget target = OutBarLayout(ThreeFolders()).DropTargetAt(point);
    QCOMPARE(target.folder, folder);
    QCOMPARE(target.index, index);
    QCOMPARE(target.markY.value_or(-1), markY);
}

void OutBarLayoutTest::movedItemIndex_data()
{
    QTest::addColumn<int>("sourceFolder");
    QTest::addColumn<int>("sourceItem");
    QTest::addColumn<int>("targetFolder");
    QTest::addColumn<int>("targetIndex");
    QTest::addColumn<int>("targetCount");
    QTest::addColumn<int>("moved");

    QTest::newRow("same folder, up") << 0 << 4 << 0 << 1 << 7 << 1;
    QTest::newRow("same folder, down: one less") << 0 << 1 << 0 << 5 << 7 << 4;
    QTest::newRow("same folder, to the end") << 0 << 1 << 0 << 7 << 7 << 6;
    QTest::newRow("same folder, appended") << 0 << 1 << 0 << -1 << 7 << 6;
    QTest::newRow("same folder, its own gap above") << 0 << 3 << 0 << 3 << 7 << 3;
    QTest::newRow("same folder, its own gap below") << 0 << 3 << 0 << 4 << 7 << 3;
    QTest::newRow("other folder keeps the index") << 0 << 1 << 1 << 2 << 3 << 2;
    QTest::newRow("other folder, appended") << 0 << 5 << 1 << -1 << 3 << 3;
    QTest::newRow("other folder, beyond its end") << 0 << 5 << 1 << 9 << 3 << 3;
}

void OutBarLayoutTest::movedItemIndex()
{
    QFETCH(int, sourceFolder);
    QFETCH(int, sourceItem);
    QFETCH(int, targetFolder);
    QFETCH(int, targetIndex);
    QFETCH(int, targetCount);
    QFETCH(int, moved);
    QCOMPARE(MovedItemIndex(sourceFolder, sourceItem, targetFolder, targetIndex, targetCount), moved);
}

void OutBarLayoutTest::folderSlide()
{
    const QRect client(0, 0, 100, 300);

    // Opening the last of three from the first: headers 1 and 2 and the new
    // item area rise from y 256 to their resting place under header 0.
    const OutBarSlide rising = PlanFolderSlide(client, 3, 0, 2, 22);
    QCOMPARE(rising.block, QRect(0, 22, 100, 278));
    QCOMPARE(rising.clip, rising.block);
    QCOMPARE(rising.tops.first(), 234);
    QCOMPARE(rising.tops.last(), 22);
    for (int i = 1; i < rising.tops.size(); ++i)
        QVERIFY(rising.tops[i] < rising.tops[i - 1] && rising.tops[i - 1] - rising.tops[i] <= 22);

    // Back to the first: the new item area with headers 1 and 2 below it
    // comes down from behind header 0.
    const OutBarSlide falling = PlanFolderSlide(client, 3, 2, 0, 22);
    QCOMPARE(falling.block, QRect(0, 22, 100, 278));
    QCOMPARE(falling.clip, QRect(0, 22, 100, 278));
    QCOMPARE(falling.tops.first(), 22 - 278 + 22);
    QCOMPARE(falling.tops.last(), 22);
    for (int i = 1; i < falling.tops.size(); ++i)
        QVERIFY(falling.tops[i] > falling.tops[i - 1] && falling.tops[i] - falling.tops[i - 1] <= 22);

    // Middle to first: header 2 stays at the bottom and is not part of it.
    const OutBarSlide middle = PlanFolderSlide(client, 3, 1, 0, 22);
    QCOMPARE(middle.block, QRect(0, 22, 100, 256));
    QCOMPARE(middle.tops.last(), 22);

    QVERIFY(PlanFolderSlide(client, 3, 1, 1, 22).tops.isEmpty());
    QVERIFY(PlanFolderSlide(client, 1, 0, 0, 22).tops.isEmpty());
    QVERIFY(PlanFolderSlide(QRect(0, 0, 100, 40), 3, 0, 2, 22).tops.isEmpty());
}

void OutBarLayoutTest::nudgeRunsElevenTicksAndRestarts()
{
    // Left-down, home, right-down, home, then quiet up to tick 10 and once more
    // for the restart at -1: twelve ticks a round.
    const std::optional<QPoint> L = QPoint(-1, 1), H = QPoint(0, 0), R = QPoint(1, 1), _ = std::nullopt;
    const QList<std::optional<QPoint>> expected = {L, H, R, H, _, _, _, _, _, _, _, _, L, H, R, H, _};
    OutBarNudge nudge;
    for (int tick = 0; tick < expected.size(); ++tick)
        QVERIFY2(nudge.Tick() == expected[tick], qPrintable(QString::number(tick)));
    nudge.Restart();
    QCOMPARE(nudge.Tick(), L);
}

FORMLARK_TEST_APPLESS_MAIN(OutBarLayoutTest)
#include "OutBarLayoutTest.moc"

void OutBarLayoutTest::keysMoveTheFocusItem_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("target");
    const int previous = int(OutBarKey::Previous), next = int(OutBarKey::Next);
    const int first = int(OutBarKey::First), last = int(OutBarKey::Last);
    QTest::newRow("down") << next << 2 << 7 << 3;
    QTest::newRow("down at the end stays") << next << 6 << 7 << 6;
    QTest::newRow("up") << previous << 2 << 7 << 1;
    QTest::newRow("up at the top stays") << previous << 0 << 7 << 0;
    QTest::newRow("home") << first << 5 << 7 << 0;
    QTest::newRow("end") << last << 1 << 7 << 6;
    QTest::newRow("no item yet, down") << next << -1 << 7 << 0;
    QTest::newRow("empty folder") << next << -1 << 0 << -1;
}

void OutBarLayoutTest::keysMoveTheFocusItem()
{
    QFETCH(int, key);
    QFETCH(int, item);
    QFETCH(int, count);
    QFETCH(int, target);
    QCOMPARE(OutBarKeyTarget(OutBarKey(key), item, count), target);
}

// Items 0 to 2 fit in the 300-pixel bar, each further one needs one step.
void OutBarLayoutTest::focusItemIsScrolledIntoView_data()
{
    QTest::addColumn<int>("firstVisible");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("expected");
    QTest::newRow("already in view") << 0 << 2 << 0;
    QTest::newRow("just below") << 0 << 3 << 1;
    QTest::newRow("the last") << 0 << 6 << 4;
    QTest::newRow("above") << 3 << 1 << 1;
    QTest::newRow("no such item") << 2 << 9 << 2;
}

void OutBarLayoutTest::focusItemIsScrolledIntoView()
{
    QFETCH(int, firstVisible);
    QFETCH(int, item);
    QFETCH(int, expected);
    OutBarLayout::Input in = ThreeFolders(firstVisible);
    const int first = OutBarFirstVisibleFor(in, item);
    QCOMPARE(first, expected);
    in.firstVisibleItem = first;
    if (item < 7)
        QVERIFY(OutBarLayout(in).IsFullyVisible(item));
}
