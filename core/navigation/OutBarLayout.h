#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

// Geometry of the navigation bar, computed from sizes alone so that hit
// tests, scrolling and the folder slide can be checked without a window.

// Option bits of the bar (`BarFlags`).
namespace OutBarFlag {
inline constexpr unsigned kSmallIcons = 0x1;           // clear: large icons
inline constexpr unsigned kInert = 0x7C;               // bits 0x4 to 0x40: kept as given, change nothing
inline constexpr unsigned kDragItems = 0x80;           // items can be dragged to a new place
inline constexpr unsigned kAnimateFolders = 0x100;     // slide when the open folder changes
inline constexpr unsigned kSelectionHighlight = 0x200; // frame the selected item's icon
// Before the owner sets its own (0x3FC).
inline constexpr unsigned kInitial = kInert | kDragItems | kAnimateFolders | kSelectionHighlight;
} // namespace OutBarFlag

// Spacing of the bar, in pixels.
struct OutBarMetrics {
    int folderHeight = 22;
    int smallIconGap = 4;      // icon to caption, small icons
    int largeIconGap = 3;      // icon to caption, large icons
    int smallItemSpacing = 10; // between items, small icons
    int largeItemSpacing = 8;  // between items, large icons
    int itemInsetX = 5;        // small icons: left edge to the icon
    int itemInsetY = 5;        // small icons: top of the item area to the first item
    int scrollButtonMargin = 5;
    int captionMargin = 2; // large icons: captions wrap this far inside the edges
    int focusMargin = 3;   // the keyboard's frame lies this far outside an item
    // When the open folder's items don't all fit, the spacing shrinks to
    // this, then (large icons) the gap and the icons, before the bar scrolls.
    int compactItemSpacing = 4;
    int compactIconGap = 1;
    int smallestIconSide = 16;
};

// What a point of the bar is over. The numbers are the bar's own hit codes.
enum class OutBarHitKind { Nothing = -1, Folder = 0, Item = 1, UpButton = 2, DownButton = 3 };

struct OutBarHit {
    OutBarHitKind kind = OutBarHitKind::Nothing;
    int index = -1; // folder or item index; -1 for the rest

    bool operator==(const OutBarHit&) const = default;
};

// Where a dragged item would land: before `index` of `folder`, or at the end
// of it when `index` is -1 (dropped on the folder's header).
struct OutBarDropTarget {
    int folder = -1;
    int index = -1;
    std::optional<int> markY; // row of the insertion mark; none over a header

    bool IsValid() const { return folder >= 0; }
};

// One slide between two folders: `block` is the part of the new picture that
// moves, shown only inside `clip`; `tops` are its top edges step by step,
// the last one its resting place.
struct OutBarSlide {
    QRect block;
    QRect clip;
    QList<int> tops;
};

class OutBarLayout {
public:
    struct Input {
        QRect client; // the bar inside its edge
        int folderCount = 0;
        int currentFolder = 0;
        int firstVisibleItem = 0;
        bool smallIcons = false;
        bool hostsWindow = false; // the open folder shows a window instead of items
        QSize iconSize{32, 32};
        QList<QSize> captionSizes; // measured captions of the open folder's items, in order
        int scrollButtonSide = 16;
        OutBarMetrics metrics;
    };

    explicit OutBarLayout(Input input);

    // Widest a caption may be: large-icon captions wrap to it, small-icon
    // captions are cut to it.
    static int CaptionWidthLimit(const QRect& client, bool smallIcons, QSize iconSize,
                                 const OutBarMetrics& metrics = {});

    QRect HeaderRect(int folder) const;
    QRect ItemArea() const { return itemArea_; }
    // The part of the item area the items are shown in: all of it, less
    // the strips of the scroll buttons when the items don't all fit.
    QRect ItemViewport() const { return viewport_; }
    // Whether the items need scrolling even at the closest spacing and
    // smallest icons; else every one of them shows whole.
    bool Scrolls() const { return scrolls_; }
    // The spacing between items, the icon-to-caption gap and the icon
    // size the items are laid out with (smaller than the metrics' when
    // that lets every item show).
    int ItemSpacing() const { return arrangement_.spacing; }
    int IconGap() const { return arrangement_.gap; }
    QSize IconSize() const { return arrangement_.icon; }

    int ItemCount() const { return int(input_.captionSizes.size()); }
    // The first visible item asked for, kept within what scrolling needs:
    // 0 when every item fits, and never so far down that there is room
    // for more items above than below (a grown bar shows them again).
    int FirstVisibleItem() const { return input_.firstVisibleItem; }
    // The last item shown: items are shown whole or not at all.
    int LastShownItem() const { return LastFullyVisibleItem(); }
    // The last item whose whole rectangle is inside the item area; one less
    // than the first visible item when not even that one fits.
    int LastFullyVisibleItem() const;

    // Rectangles of items at or after the first visible one (empty otherwise).
    QRect IconRect(int item) const;
    QRect CaptionRect(int item) const;
    QRect ItemRect(int item) const;
    bool IsFullyVisible(int item) const;

    bool UpButtonShown() const;
    bool DownButtonShown() const;
    QRect UpButtonRect() const;
    QRect DownButtonRect() const;

    OutBarHit HitTest(const QPoint& point) const;
    OutBarDropTarget DropTargetAt(const QPoint& point) const;

private:
    struct ItemGeometry {
        QRect icon;
        QRect caption;
    };
    struct Arrangement {
        int spacing = 0; // between items
        int gap = 0;     // icon to caption
        QSize icon;
        int top = 0; // viewport top to the first item
    };

    QList<Arrangement> Arrangements() const;
    // Height of item `item` in an arrangement, without the spacing.
    int ItemHeight(const Arrangement& arrangement, int item) const;
    // Height the items from `first` to `last` take, from the viewport's top
    // to the last one's bottom plus room for the focus frame.
    int RunHeight(const Arrangement& arrangement, int first, int last) const;
    const ItemGeometry* Geometry(int item) const;

    Input input_;
    QRect itemArea_;
    QRect viewport_;
    Arrangement arrangement_;
    bool scrolls_ = false;
    QList<ItemGeometry> items_; // from the first visible item on
};

// The keys that move the bar's focus mark through the open folder.
enum class OutBarKey { Previous, Next, First, Last };

// The item the focus mark moves to from `item` in a folder of `count` items
// (-1 when the folder is empty). It stops at the ends.
int OutBarKeyTarget(OutBarKey key, int item, int count);

// The first visible item that shows `item` whole, scrolling as little as
// possible from `input.firstVisibleItem`: up to the item itself, or down
// until it fits (or is the first one shown).
int OutBarFirstVisibleFor(const OutBarLayout::Input& input, int item);

// The slide from folder `from` to folder `to` in a bar of `folderCount`
// folders: opening a folder below the open one moves the new folder's header
// and item area up over the old area, one above moves them down. No steps
// when the folders are the same or there is no room to move.
OutBarSlide PlanFolderSlide(const QRect& client, int folderCount, int from, int to, int step);

// The index a moved item ends up at in the target folder once it has been
// taken from its old place. `targetIndex` is the insertion place before the
// move, -1 for the end; `targetCount` the target folder's count before it.
int MovedItemIndex(int sourceFolder, int sourceItem, int targetFolder, int targetIndex, int targetCount);

// The selected item's nudge: a counter that runs 0..10 and restarts at -1.
// Ticks 0 to 3 move the icon (left-down, home, right-down, home); the others
// leave it where it is (no value).
class OutBarNudge {
public:
    void Restart() { counter_ = 0; }
    std::optional<QPoint> Tick();

private:
    int counter_ = 0;
};
