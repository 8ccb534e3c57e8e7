#include "gui/controls/OutBarCtrl.h"
#include "gui/shell/OutBarIcons.h"

#include <QAccessible>
#include <QCursor>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

// The main window's shortcuts: caption and image index.
const QList<QPair<QString, int>> kShortcuts = {
    {"Company Info", 0}, {"Employees", 1}, {"Contractors", 1}, {"Form W2", 4},
    {"Form W3", 4},      {"Form 1099", 4}, {"Form 1096", 4},
};

constexpr unsigned kMainFrameFlags = 380;

// Records what the bar tells its owner and answers codes 2 to 4 with `answer`.
struct Owner {
    QList<OutBarNotice> notices;
    bool answer = true;

    void Attach(COutBarCtrl& bar)
    {
        QObject::connect(&bar, &COutBarCtrl::notify, &bar, [this](const OutBarNotice& notice, bool* reply) {
            notices.append(notice);
            *reply = answer;
        });
    }
    QList<OutBarNotify> Codes() const
    {
        QList<OutBarNotify> codes;
        for (const OutBarNotice& n : notices)
            codes.append(n.code);
        return codes;
    }
};

QStringList Captions(const COutBarCtrl& bar, int folder)
{
    QStringList captions;
    for (const OutBarItem& item : bar.Folder(folder).items)
        captions << item.caption;
    return captions;
}

QPoint IconCenter(const COutBarCtrl& bar, int item)
{
    return bar.Layout().IconRect(item).center();
}
QPoint HeaderCenter(const COutBarCtrl& bar, int folder)
{
    return bar.Layout().HeaderRect(folder).center();
}

// A point at the bottom left of the item area, beside and below the items.
QPoint EmptyArea(const COutBarCtrl& bar)
{
    const QRect area = bar.Layout().ItemArea();
    return QPoint(area.left() + 3, area.bottom() - 2);
}

QStringList ChildNames(QAccessibleInterface* bar)
{
    QStringList names;
    for (int i = 0; i < bar->childCount(); ++i)
        names << bar->child(i)->text(QAccessible::Name);
    return names;
}

} // namespace

class OutBarCtrlTest : public QObject {
    Q_OBJECT

private slots:
    void shortcutPicturesAreDrawn();
    void insertClampsThePosition();
    void clickNeedsPressAndReleaseOnTheSameItem_data();
    void clickNeedsPressAndReleaseOnTheSameItem();
    void headerClickOpensTheFolder();
    void selectFolder_data();
    void selectFolder();
    void scrollButtonsStepThroughLongFolders();
    void hoverEndsSoonAfterThePointerLeaves();
    void dragMovesItemsWhenTheOwnerAgrees_data();
    void dragMovesItemsWhenTheOwnerAgrees();
    void selectionFollowsAMovedItem();
    void captionEditAsksTheOwner_data();
    void captionEditAsksTheOwner();
    void clickingTheBarEndsACaptionEdit();
    void selectedItemIsNudged();
    void screenReaderReachesEveryItem();
    void screenReaderFollowsTheKeyboard();
    void screenReaderReachesTheFolders();
    void grownBarScrollsBack();
    void focusFrameStaysOnShowWhenScrolled();

private:
    // The main window's bar: one folder "Shortcuts" with the seven shortcuts,
    // and with `second` a folder "Reports" holding one item.
    std::unique_ptr<COutBarCtrl> MakeBar(unsigned flags, QSize size, bool second = false);
};

std::unique_ptr<COutBarCtrl> OutBarCtrlTest::MakeBar(unsigned flags, QSize size, bool second)
{
    auto bar = std::make_unique<COutBarCtrl>(nullptr, flags);
    bar->SetBackgroundColor(QColor(245, 245, 245));
    bar->SetTextColor(Qt::black);
    bar->SetSlideStepDelay(20);
    bar->SetBarImageList(ShortcutImageList(), COutBarCtrl::LargeImages);
    bar->SetBarImageList(OutBarImageList{QSize(16, 16), {}}, COutBarCtrl::SmallImages);
    bar->AppendFolder("Shortcuts", 0);
    for (int i = 0; i < kShortcuts.size(); ++i)
        bar->InsertFolderItem(0, i, kShortcuts[i].first, kShortcuts[i].second, i);
    if (second) {
        bar->AppendFolder("Reports", 1);
        bar->InsertFolderItem(1, 0, "Summary", 3, 0);
    }
    bar->SelectFolder(0);
    bar->resize(size);
    bar->show();
    if (!QTest::qWaitForWindowExposed(bar.get()))
        return nullptr;
    return bar;
}

void OutBarCtrlTest::shortcutPicturesAreDrawn()
{
    const OutBarImageList list = ShortcutImageList();
    QCOMPARE(list.imageSize, QSize(32, 32));
    QVERIFY(list.images.size() >= 5);
    for (int i = 0; i < list.images.size(); ++i) {
        const QImage image = list.images[i].toImage();
        QCOMPARE(image.size(), QSize(32, 32));
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                opaque += qAlpha(image.pixel(x, y)) > 200;
        // A picture that failed to load comes out transparent.
        QVERIFY2(opaque > 200, qPrintable(QString("picture %1").arg(i)));
    }
}

void OutBarCtrlTest::insertClampsThePosition()
{
    COutBarCtrl bar;
    QCOMPARE(bar.InsertFolderItem(0, 0, "Nowhere", 0, 0), -1);
    bar.AppendFolder("Shortcuts", 0);
    QCOMPARE(bar.InsertFolderItem(0, 5, "A", 0, 0), 0);
    QCOMPARE(bar.InsertFolderItem(0, -1, "B", 0, 0), 1);
    QCOMPARE(bar.InsertFolderItem(0, 0, "C", 0, 0), 0);
    QCOMPARE(bar.InsertFolderItem(0, 99, "D", 0, 0), 3);
    QCOMPARE(Captions(bar, 0), (QStringList{"C", "A", "B", "D"}));
}

void OutBarCtrlTest::clickNeedsPressAndReleaseOnTheSameItem_data()
{
    QTest::addColumn<QString>("path"); // where the pointer goes after the press on item 1
    QTest::addColumn<bool>("clicked");

    QTest::newRow("released on the item") << "same" << true;
    QTest::newRow("released on its caption") << "caption" << true;
    QTest::newRow("away and back") << "away-back" << true;
    QTest::newRow("released on another item") << "other" << false;
    QTest::newRow("released on a header") << "header" << false;
    QTest::newRow("released in the empty area") << "empty" << false;
    QTest::newRow("released outside the bar") << "outside" << false;
}

void OutBarCtrlTest::clickNeedsPressAndReleaseOnTheSameItem()
{
    QFETCH(QString, path);
    QFETCH(bool, clicked);

    auto bar = MakeBar(kMainFrameFlags, QSize(180, 700));
    QVERIFY(bar);
    Owner owner;
    owner.Attach(*bar);

    const QPoint press = IconCenter(*bar, 1);
    QPoint release = press;
    if (path == "caption")
        release = bar->Layout().CaptionRect(1).center();
    else if (path == "other")
        release = IconCenter(*bar, 4);
    else if (path == "header")
        release = HeaderCenter(*bar, 0);
    else if (path == "empty")
        release = EmptyArea(*bar);
    else if (path == "outside")
        release = QPoint(-40, press.y());

    QTest::mousePress(bar.get(), Qt::LeftButton, {}, press);
    if (path == "away-back")
        QTest::mouseMove(bar.get(), IconCenter(*bar, 4));
    QTest::mouseMove(bar.get(), release);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, release);

    if (clicked) {
        QCOMPARE(owner.Codes(), QList<OutBarNotify>{OutBarNotify::ItemClicked});
        QCOMPARE(owner.notices[0].item, 1);
        QCOMPARE(owner.notices[0].folder, 0);
        QCOMPARE(bar->SelectedItem(), 1);
    } else {
        QVERIFY(owner.notices.isEmpty());
        QCOMPARE(bar->SelectedItem(), -1);
    }
    // Without the drag bit nothing ever moves.
    QCOMPARE(Captions(*bar, 0)[1], QString("Employees"));
}

void OutBarCtrlTest::headerClickOpensTheFolder()
{
    auto bar = MakeBar(kMainFrameFlags, QSize(180, 400), true);
    QVERIFY(bar);
    Owner owner;
    owner.Attach(*bar);

    // Pressed on one header, released on the other: nothing.
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, HeaderCenter(*bar, 1));
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, HeaderCenter(*bar, 0));
    QVERIFY(owner.notices.isEmpty());
    QCOMPARE(bar->CurrentFolder(), 0);

    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, HeaderCenter(*bar, 1));
    QCOMPARE(owner.Codes(), QList<OutBarNotify>{OutBarNotify::FolderChanged});
    QCOMPARE(owner.notices[0].folder, 1);
    QCOMPARE(bar->CurrentFolder(), 1);
    QVERIFY(bar->IsSliding());
    QTRY_VERIFY(!bar->IsSliding());
    // The "Reports" header now sits on top, right under "Shortcuts".
    QCOMPARE(bar->HitTest(QPoint(90, 1 + 22 + 11)), (OutBarHit{OutBarHitKind::Folder, 1}));
    QCOMPARE(bar->HitTest(IconCenter(*bar, 0)), (OutBarHit{OutBarHitKind::Item, 0}));
}

void OutBarCtrlTest::selectFolder_data()
{
    QTest::addColumn<unsigned>("flags");
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("folder");
    QTest::addColumn<bool>("slides");

    QTest::newRow("the open folder again") << kMainFrameFlags << 20 << 0 << false;
    QTest::newRow("another folder") << kMainFrameFlags << 20 << 1 << true;
    QTest::newRow("slide bit clear") << (kMainFrameFlags & ~OutBarFlag::kAnimateFolders) << 20 << 1 << false;
    QTest::newRow("negative delay") << kMainFrameFlags << -1 << 1 << false;
}

void OutBarCtrlTest::selectFolder()
{
    QFETCH(unsigned, flags);
    QFETCH(int, delay);
    QFETCH(int, folder);
    QFETCH(bool, slides);

    auto bar = MakeBar(flags, QSize(180, 200), true);
    QVERIFY(bar);
    bar->SetSlideStepDelay(delay);
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, bar->Layout().DownButtonRect().center());
    QCOMPARE(bar->FirstVisibleItem(), 1);
    Owner owner;
    owner.Attach(*bar);

    bar->SelectFolder(folder);
    QCOMPARE(bar->IsSliding(), slides);
    QCOMPARE(owner.Codes(), QList<OutBarNotify>{OutBarNotify::FolderChanged});
    QCOMPARE(owner.notices[0].folder, folder);
    QCOMPARE(bar->CurrentFolder(), folder);
    QCOMPARE(bar->FirstVisibleItem(), 0);

    // Out of range: nothing at all.
    bar->SelectFolder(5);
    QCOMPARE(owner.notices.size(), 1);
    QCOMPARE(bar->CurrentFolder(), folder);
}

void OutBarCtrlTest::scrollButtonsStepThroughLongFolders()
{
    auto bar = MakeBar(kMainFrameFlags, QSize(180, 200));
    QVERIFY(bar);
    Owner owner;
    owner.Attach(*bar);
    QVERIFY(bar->Layout().DownButtonShown());
    QVERIFY(!bar->Layout().UpButtonShown());

    // Released off the button: no step.
    const QPoint down = bar->Layout().DownButtonRect().center();
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, down);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, EmptyArea(*bar));
    QCOMPARE(bar->FirstVisibleItem(), 0);

    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, down);
    QCOMPARE(bar->FirstVisibleItem(), 1);
    QVERIFY(bar->Layout().UpButtonShown());
    QCOMPARE(bar->HitTest(IconCenter(*bar, 1)), (OutBarHit{OutBarHitKind::Item, 1}));

    // Down until the last item shows whole; then the button is gone.
    int steps = 0;
    while (bar->Layout().DownButtonShown() && steps++ < 10)
        QTest::mouseClick(bar.get(), Qt::LeftButton, {}, bar->Layout().DownButtonRect().center());
    QCOMPARE(bar->Layout().LastFullyVisibleItem(), kShortcuts.size() - 1);
    const int first = bar->FirstVisibleItem();
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, bar->Layout().DownButtonRect().center());
    QCOMPARE(bar->FirstVisibleItem(), first);

    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, bar->Layout().UpButtonRect().center());
    QCOMPARE(bar->FirstVisibleItem(), first - 1);
    QVERIFY(owner.notices.isEmpty());
}

void OutBarCtrlTest::hoverEndsSoonAfterThePointerLeaves()
{
    auto bar = MakeBar(kMainFrameFlags, QSize(180, 400));
    QVERIFY(bar);

    const QPoint item = IconCenter(*bar, 2);
    QCursor::setPos(bar->mapToGlobal(item));
    QTest::mouseMove(bar.get(), item);
    QCOMPARE(bar->HotItem(), 2);
    QCOMPARE(bar->cursor().shape(), Qt::ArrowCursor);

    QTest::mouseMove(bar.get(), HeaderCenter(*bar, 0));
    QCOMPARE(bar->HotItem(), -1);
    QCOMPARE(bar->HotFolder(), 0);
    QCOMPARE(bar->cursor().shape(), Qt::PointingHandCursor);

    // While the pointer stays inside, the check keeps the mark.
    QCursor::setPos(bar->mapToGlobal(item));
    QTest::mouseMove(bar.get(), item);
    QTest::qWait(250);
    QCOMPARE(bar->HotItem(), 2);

    // Gone without a move event reaching the bar: the 100 ms check notices.
    QCursor::setPos(bar->mapToGlobal(QPoint(-300, -300)));
    QTRY_COMPARE_WITH_TIMEOUT(bar->HotItem(), -1, 300);
    QCOMPARE(bar->HotFolder(), -1);
}

void OutBarCtrlTest::dragMovesItemsWhenTheOwnerAgrees_data()
{
    QTest::addColumn<unsigned>("flags");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("drop"); // "item N": upper half of item N; "header N"; "empty"
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("targetFolder"); // in the notice; -1: no notice
    QTest::addColumn<int>("targetIndex");
    QTest::addColumn<QStringList>("shortcuts");
    QTest::addColumn<QStringList>("reports");

    const unsigned drag = kMainFrameFlags | OutBarFlag::kDragItems;
    const QStringList start{"Company Info", "Employees", "Contractors", "Form W2", "Form W3", "Form 1099", "Form 1096"};
    QTest::newRow("down in the folder: one place less")
        << drag << 1 << "item 4" << true << 0 << 4
        << QStringList{"Company Info", "Contractors", "Form W2", "Employees", "Form W3", "Form 1099", "Form 1096"}
        << QStringList{"Summary"};
    QTest::newRow("up in the folder") << drag << 5 << "item 0" << true << 0 << 0
                                      << QStringList{"Form 1099", "Company Info", "Employees", "Contractors",
                                                     "Form W2",   "Form W3",      "Form 1096"}
                                      << QStringList{"Summary"};
    QTest::newRow("to the end of the folder")
        << drag << 0 << "empty" << true << 0 << 7
        << QStringList{"Employees", "Contractors", "Form W2", "Form W3", "Form 1099", "Form 1096", "Company Info"}
        << QStringList{"Summary"};
    QTest::newRow("onto another folder's header: appended")
        << drag << 2 << "header 1" << true << 1 << 1
        << QStringList{"Company Info", "Employees", "Form W2", "Form W3", "Form 1099", "Form 1096"}
        << QStringList{"Summary", "Contractors"};
    QTest::newRow("owner refuses") << drag << 1 << "item 4" << false << 0 << 4 << start << QStringList{"Summary"};
    QTest::newRow("back to its own place: not asked")
        << drag << 3 << "item 4" << true << -1 << -1 << start << QStringList{"Summary"};
    QTest::newRow("dragging off") << kMainFrameFlags << 1 << "item 4" << true << -1 << -1 << start
                                  << QStringList{"Summary"};
}

void OutBarCtrlTest::dragMovesItemsWhenTheOwnerAgrees()
{
    QFETCH(unsigned, flags);
    QFETCH(int, source);
    QFETCH(QString, drop);
    QFETCH(bool, answer);
    QFETCH(int, targetFolder);
    QFETCH(int, targetIndex);
    QFETCH(QStringList, shortcuts);
    QFETCH(QStringList, reports);

    auto bar = MakeBar(flags, QSize(180, 700), true);
    QVERIFY(bar);
    Owner owner;
    owner.answer = answer;
    owner.Attach(*bar);

    QPoint target;
    const QStringList where = drop.split(' ');
    if (where[0] == "item")
        target = bar->Layout().ItemRect(where[1].toInt()).topLeft() + QPoint(20, 2);
    else if (where[0] == "header")
        target = HeaderCenter(*bar, where[1].toInt());
    else
        target = EmptyArea(*bar);

    QTest::mousePress(bar.get(), Qt::LeftButton, {}, IconCenter(*bar, source));
    QTest::mouseMove(bar.get(), IconCenter(*bar, source) + QPoint(60, 0));
    QTest::mouseMove(bar.get(), target);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, target);

    if (targetFolder < 0) {
        QVERIFY(owner.notices.isEmpty());
    } else {
        QCOMPARE(owner.Codes(), QList<OutBarNotify>{OutBarNotify::ItemDragMoved});
        const OutBarNotice& n = owner.notices[0];
        QCOMPARE(n.folder, 0);
        QCOMPARE(n.item, source);
        QCOMPARE(n.targetFolder, targetFolder);
        QCOMPARE(n.targetIndex, targetIndex);
    }
    QCOMPARE(Captions(*bar, 0), shortcuts);
    QCOMPARE(Captions(*bar, 1), reports);
    // The drag cursors are gone.
    QVERIFY(bar->cursor().shape() != Qt::DragMoveCursor);
    QVERIFY(bar->cursor().shape() != Qt::ForbiddenCursor);
}

void OutBarCtrlTest::selectionFollowsAMovedItem()
{
    auto bar = MakeBar(kMainFrameFlags | OutBarFlag::kDragItems, QSize(180, 700));
    QVERIFY(bar);
    Owner owner;
    owner.Attach(*bar);

    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, IconCenter(*bar, 3));
    QCOMPARE(bar->SelectedItem(), 3);

    // "Company Info" moves below "Form W2": the selection stays on "Form W2".
    const QPoint target = bar->Layout().ItemRect(4).topLeft() + QPoint(20, 2);
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, IconCenter(*bar, 0));
    QTest::mouseMove(bar.get(), IconCenter(*bar, 0) + QPoint(60, 0));
    QTest::mouseMove(bar.get(), target);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, target);
    QCOMPARE(Captions(*bar, 0)[bar->SelectedItem()], QString("Form W2"));

    // Moving the selected item itself takes the selection along.
    const QPoint top = bar->Layout().ItemRect(0).topLeft() + QPoint(20, 2);
    QTest::mousePress(bar.get(), Qt::LeftButton, {}, IconCenter(*bar, 2));
    QTest::mouseMove(bar.get(), IconCenter(*bar, 2) + QPoint(60, 0));
    QTest::mouseMove(bar.get(), top);
    QTest::mouseRelease(bar.get(), Qt::LeftButton, {}, top);
    QCOMPARE(bar->SelectedItem(), 0);
    QCOMPARE(Captions(*bar, 0)[0], QString("Form W2"));
}

void OutBarCtrlTest::captionEditAsksTheOwner_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("caption");

    QTest::newRow("item, accepted") << false << "Staff" << int(Qt::Key_Return) << true << true << "Staff";
    QTest::newRow("item, refused") << false << "Staff" << int(Qt::Key_Return) << false << true << "Employees";
    QTest::newRow("item, escaped") << false << "Staff" << int(Qt::Key_Escape) << true << false << "Employees";
    QTest::newRow("item, emptied") << false << "" << int(Qt::Key_Return) << true << false << "Employees";
    QTest::newRow("folder, accepted") << true << "Screens" << int(Qt::Key_Enter) << true << true << "Screens";
    QTest::newRow("folder, refused") << true << "Screens" << int(Qt::Key_Return) << false << true << "Shortcuts";
}

void OutBarCtrlTest::captionEditAsksTheOwner()
{
    QFETCH(bool, folder);
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(QString, caption);

    auto bar = MakeBar(kMainFrameFlags, QSize(180, 400));
    QVERIFY(bar);
    Owner owner;
    owner.answer = answer;
    owner.Attach(*bar);

    QVERIFY(folder ? bar->EditFolderCaption(0) : bar->EditItemCaption(1));
    QLineEdit* editor = bar->CaptionEditor();
    QVERIFY(editor);
    QCOMPARE(editor->text(), folder ? QString("Shortcuts") : QString("Employees"));
    editor->setText(text);
    QTest::keyClick(editor, Qt::Key(key));
    QVERIFY(!bar->CaptionEditor());

    if (asked) {
        QCOMPARE(owner.notices.size(), 1);
        const OutBarNotice& n = owner.notices[0];
        QCOMPARE(n.code, folder ? OutBarNotify::FolderCaptionEdited : OutBarNotify::ItemCaptionEdited);
        QCOMPARE(n.folder, 0);
        QCOMPARE(n.item, folder ? -1 : 1);
        QCOMPARE(n.text, text);
    } else {
        QVERIFY(owner.notices.isEmpty());
    }
    QCOMPARE(folder ? bar->Folder(0).name : bar->Folder(0).items[1].caption, caption);
}

void OutBarCtrlTest::clickingTheBarEndsACaptionEdit()
{
    auto bar = MakeBar(kMainFrameFlags, QSize(180, 400));
    QVERIFY(bar);
    Owner owner;
    owner.Attach(*bar);

    // No caption on show: no editor.
    QVERIFY(!bar->EditItemCaption(9));
    QVERIFY(!bar->CaptionEditor());

    QVERIFY(bar->EditItemCaption(2));
    bar->CaptionEditor()->setText("Vendors");
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, EmptyArea(*bar));
    QVERIFY(!bar->CaptionEditor());
    QCOMPARE(owner.Codes(), QList<OutBarNotify>{OutBarNotify::ItemCaptionEdited});
    QCOMPARE(bar->Folder(0).items[2].caption, QString("Vendors"));
}

void OutBarCtrlTest::selectedItemIsNudged()
{
    auto bar = MakeBar(kMainFrameFlags, QSize(180, 700));
    QVERIFY(bar);
    bar->SetSelectedItemAnimation(100);

    // Nothing selected: nothing moves.
    QTest::qWait(250);
    QCOMPARE(bar->SelectedItemOffset(), QPoint(0, 0));

    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, IconCenter(*bar, 3));
    QTRY_COMPARE(bar->SelectedItemOffset(), QPoint(-1, 1));
    QTRY_COMPARE(bar->SelectedItemOffset(), QPoint(1, 1));

    bar->SetSelectedItemAnimation(0);
    QCOMPARE(bar->SelectedItemOffset(), QPoint(0, 0));
    QTest::qWait(250);
    QCOMPARE(bar->SelectedItemOffset(), QPoint(0, 0));
}

void OutBarCtrlTest::screenReaderReachesEveryItem()
{
    auto bar = MakeBar(kMainFrameFlags, QSize(180, 700));
    QVERIFY(bar);
    Owner owner;
    owner.Attach(*bar);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(bar.get());
    QVERIFY(access);
    QCOMPARE(access->role(), QAccessible::List);
    QCOMPARE(access->text(QAccessible::Name), QString("Navigation bar"));
    bar->setAccessibleName("Screens");
    QCOMPARE(access->text(QAccessible::Name), QString("Screens"));

    // One folder: its seven items and nothing else, top to bottom.
    QStringList captions;
    for (const auto& shortcut : kShortcuts)
        captions << shortcut.first;
    QCOMPARE(ChildNames(access), captions);
    const QRect barOnScreen(bar->mapToGlobal(QPoint(0, 0)), bar->size());
    for (int i = 0; i < access->childCount(); ++i) {
        QAccessibleInterface* item = access->child(i);
        QCOMPARE(item->role(), QAccessible::ListItem);
        QCOMPARE(item->parent(), access);
        QCOMPARE(access->indexOfChild(item), i);
        QVERIFY(item->state().selectable && item->state().focusable);
        QVERIFY(!item->state().selected);
        QVERIFY(barOnScreen.contains(item->rect()));
        QCOMPARE(access->childAt(item->rect().center().x(), item->rect().center().y()), item);
        QVERIFY(item->actionInterface());
        QVERIFY(item->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }

    // A press opens the item as a click does: the owner hears of it.
    QAccessibleInterface* w2 = access->child(3);
    w2->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(owner.Codes(), QList<OutBarNotify>{OutBarNotify::ItemClicked});
    QCOMPARE(owner.notices[0].item, 3);
    QVERIFY(w2->state().selected);
    QCOMPARE(bar->SelectedItem(), 3);
    for (int i : {0, 1, 2, 4, 5, 6})
        QVERIFY(!access->child(i)->state().selected);
}

void OutBarCtrlTest::screenReaderFollowsTheKeyboard()
{
    auto bar = MakeBar(kMainFrameFlags, QSize(180, 700));
    QVERIFY(bar);
    bar->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(bar.get()));
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(bar.get());
    bar->SetSelectedItem(1);
    bar->clearFocus();
    QVERIFY(!access->focusChild());
    QVERIFY(!access->child(1)->state().focused);

    // The keyboard's item is the focused child; the selected one stays so.
    bar->setFocus(Qt::TabFocusReason);
    QCOMPARE(access->focusChild(), access->child(1));
    QVERIFY(access->child(1)->state().focused);
    QTest::keyClick(bar.get(), Qt::Key_Down);
    QCOMPARE(access->focusChild(), access->child(2));
    QVERIFY(!access->child(1)->state().focused);
    QVERIFY(access->child(1)->state().selected);
    QTest::keyClick(bar.get(), Qt::Key_Return);
    QVERIFY(access->child(2)->state().selected);
    QVERIFY(!access->child(1)->state().selected);

    // Its focus action puts the keyboard on an item, in a bar without it.
    bar->clearFocus();
    access->child(5)->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    QVERIFY(bar->hasFocus());
    QCOMPARE(access->focusChild(), access->child(5));
    QCOMPARE(bar->SelectedItem(), 2);
}

void OutBarCtrlTest::screenReaderReachesTheFolders()
{
    auto bar = MakeBar(kMainFrameFlags & ~OutBarFlag::kAnimateFolders, QSize(180, 700), true);
    QVERIFY(bar);
    Owner owner;
    owner.Attach(*bar);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(bar.get());
    // With two folders their headers are there too, where they stand.
    QStringList expected{"Shortcuts"};
    for (const auto& shortcut : kShortcuts)
        expected << shortcut.first;
    expected << "Reports";
    QCOMPARE(ChildNames(access), expected);
    QAccessibleInterface* reports = access->child(8);
    QCOMPARE(reports->role(), QAccessible::Button);
    reports->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(bar->CurrentFolder(), 1);
    QCOMPARE(ChildNames(access), (QStringList{"Shortcuts", "Reports", "Summary"}));
    // What was an item of the other folder says so rather than lying.
    access->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(owner.notices.last().item, 0);
    QCOMPARE(owner.notices.last().folder, 1);
}

void OutBarCtrlTest::grownBarScrollsBack()
{
    auto bar = MakeBar(kMainFrameFlags, QSize(180, 200));
    QVERIFY(bar);
    QVERIFY(bar->Layout().Scrolls());
    while (bar->Layout().DownButtonShown())
        QTest::mouseClick(bar.get(), Qt::LeftButton, {}, bar->Layout().DownButtonRect().center());
    const int deepest = bar->FirstVisibleItem();
    QVERIFY(deepest > 0);

    // A little taller: the items above come back as far as there is room,
    // the last one stays.
    bar->resize(180, 260);
    QVERIFY(bar->FirstVisibleItem() < deepest);
    QCOMPARE(bar->Layout().LastFullyVisibleItem(), kShortcuts.size() - 1);
    // Tall enough for all: none is hidden, none cut.
    bar->resize(180, 700);
    QCOMPARE(bar->FirstVisibleItem(), 0);
    QVERIFY(!bar->Layout().UpButtonShown() && !bar->Layout().DownButtonShown());
    QCOMPARE(bar->Layout().LastFullyVisibleItem(), kShortcuts.size() - 1);
}

void OutBarCtrlTest::focusFrameStaysOnShowWhenScrolled()
{
    auto bar = MakeBar(kMainFrameFlags, QSize(180, 200));
    QVERIFY(bar);
    bar->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(bar.get()));
    bar->SetSelectedItem(0);

    // The buttons scroll the keyboard's item along.
    bar->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, bar->Layout().DownButtonRect().center());
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, bar->Layout().DownButtonRect().center());
    QCOMPARE(bar->FirstVisibleItem(), 2);
    QVERIFY(bar->Layout().IsFullyVisible(bar->FocusItem()));
    QCOMPARE(bar->SelectedItem(), 0);

    // Scrolled away without the focus, the bar scrolls back to the item
    // when the focus comes.
    bar->clearFocus();
    bar->SetSelectedItem(1); // as the owner marks the screen it shows
    QVERIFY(!bar->Layout().IsFullyVisible(1));
    bar->setFocus(Qt::TabFocusReason);
    QCOMPARE(bar->FocusItem(), 1);
    QVERIFY(bar->Layout().IsFullyVisible(1));

    // The frame is drawn: the bar's picture differs with and without it.
    const QImage focused = bar->grab().toImage();
    bar->clearFocus();
    QVERIFY(focused != bar->grab().toImage());
}

FORMLARK_TEST_MAIN(OutBarCtrlTest)
#include "OutBarCtrlTest.moc"
