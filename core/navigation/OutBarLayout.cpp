#include "core/navigation/OutBarLayout.h"

#include <algorithm>
#include <utility>

namespace {

// Bottom edge as one past the last row, which keeps the stacking sums exact.
int EndY(const QRect& r)
{
    return r.top() + r.height();
}

} // namespace

OutBarLayout::OutBarLayout(Input input)
    : input_(std::move(input))
{
    const QRect& client = input_.client;
    const int count = input_.folderCount;
    const int height = input_.metrics.folderHeight;
    const int askedFirst = input_.firstVisibleItem;
    input_.currentFolder = count > 0 ? std::clamp(input_.currentFolder, 0, count - 1) : 0;

    if (count == 0) {
        itemArea_ = client;
    } else {
        const int top = client.top() + (input_.currentFolder + 1) * height;
        const int end = EndY(client) - (count - 1 - input_.currentFolder) * height;
        itemArea_ = QRect(client.left(), top, client.width(), std::max(0, end - top));
    }
    viewport_ = itemArea_;
    const QList<Arrangement> arrangements = Arrangements();
    arrangement_ = arrangements.front();
    input_.firstVisibleItem = 0;
    if (input_.hostsWindow || ItemCount() == 0)
        return;

    // The look the bar is made with when every item fits; closer items and
    // smaller icons when that makes them fit; else that look again, scrolled.
    const int last = ItemCount() - 1;
    scrolls_ = true;
    for (const Arrangement& arrangement : arrangements) {
        if (RunHeight(arrangement, 0, last) <= itemArea_.height()) {
            arrangement_ = arrangement;
            scrolls_ = false;
            break;
        }
    }
    if (scrolls_) {
        // The items keep clear of the scroll buttons: no caption hides
        // behind one.
        const OutBarMetrics& m = input_.metrics;
        const int strip = std::min(m.scrollButtonMargin + input_.scrollButtonSide, itemArea_.height() / 2);
        viewport_ = itemArea_.adjusted(0, strip, 0, -strip);
        // Scrolled no further than to where the last item shows whole.
        int deepest = last;
        for (int first = 0; first < last; ++first) {
            if (RunHeight(arrangement_, first, last) <= viewport_.height()) {
                deepest = first;
                break;
            }
        }
        input_.firstVisibleItem = std::clamp(askedFirst, 0, deepest);
    }

    const OutBarMetrics& m = input_.metrics;
    const QSize icon = arrangement_.icon;
    const int limit = CaptionWidthLimit(client, input_.smallIcons, input_.iconSize, m);
    int y = viewport_.top() + arrangement_.top;
    for (int i = input_.firstVisibleItem; i <= last; ++i) {
        QSize caption = input_.captionSizes[i];
        caption.setWidth(std::min(caption.width(), limit));
        ItemGeometry g;
        if (input_.smallIcons) {
            const int row = ItemHeight(arrangement_, i);
            g.icon = QRect(QPoint(itemArea_.left() + m.itemInsetX, y + (row - icon.height()) / 2), icon);
            g.caption = QRect(QPoint(g.icon.left() + input_.iconSize.width() + arrangement_.gap,
                                     y + (row - caption.height()) / 2),
                              caption);
        } else {
            g.icon = QRect(QPoint(itemArea_.left() + (itemArea_.width() - icon.width()) / 2, y), icon);
            g.caption = QRect(QPoint(itemArea_.left() + (itemArea_.width() - caption.width()) / 2,
                                     y + icon.height() + arrangement_.gap),
                              caption);
        }
        y += ItemHeight(arrangement_, i) + arrangement_.spacing;
        items_.append(g);
    }
}

QList<OutBarLayout::Arrangement> OutBarLayout::Arrangements() const
{
    const OutBarMetrics& m = input_.metrics;
    const bool small = input_.smallIcons;
    const QSize icon = input_.iconSize;
    const int spacing = small ? m.smallItemSpacing : m.largeItemSpacing;
    const int gap = small ? m.smallIconGap : m.largeIconGap;
    // Small-icon rows start a little way in; large icons one spacing down.
    auto top = [&](int between) { return small ? std::min(m.itemInsetY, between) : between; };

    QList<Arrangement> arrangements{{spacing, gap, icon, top(spacing)}};
    const int closest = std::min(spacing, m.compactItemSpacing);
    for (int between = spacing - 1; between >= closest; --between)
        arrangements.append({between, gap, icon, top(between)});
    if (!small && icon.height() > 0) {
        const int smallest = std::min(icon.height(), m.smallestIconSide);
        for (int side = icon.height(); side >= smallest; --side)
            arrangements.append({closest, std::min(gap, m.compactIconGap),
                                 QSize(icon.width() * side / icon.height(), side), top(closest)});
    }
    return arrangements;
}

int OutBarLayout::ItemHeight(const Arrangement& arrangement, int item) const
{
    const int caption = input_.captionSizes[item].height();
    if (input_.smallIcons)
        return std::max(arrangement.icon.height(), caption);
    return arrangement.icon.height() + arrangement.gap + caption;
}

int OutBarLayout::RunHeight(const Arrangement& arrangement, int first, int last) const
{
    int height = arrangement.top + (last - first) * arrangement.spacing + input_.metrics.focusMargin;
    for (int i = first; i <= last; ++i)
        height += ItemHeight(arrangement, i);
    return height;
}

int OutBarLayout::CaptionWidthLimit(const QRect& client, bool smallIcons, QSize iconSize, const OutBarMetrics& m)
{
    if (smallIcons)
        return std::max(0, client.width() - m.itemInsetX - iconSize.width() - m.smallIconGap - m.captionMargin);
    return std::max(0, client.width() - 2 * m.captionMargin);
}

QRect OutBarLayout::HeaderRect(int folder) const
{
    const int count = input_.folderCount;
    if (folder < 0 || folder >= count)
        return {};
    const int height = input_.metrics.folderHeight;
    const QRect& client = input_.client;
    // The open folder and those before it sit at the top, the rest at the bottom.
    const int top = folder <= input_.currentFolder ? client.top() + folder * height
                                                   : EndY(client) - (count - folder) * height;
    return QRect(client.left(), top, client.width(), height);
}

const OutBarLayout::ItemGeometry* OutBarLayout::Geometry(int item) const
{
    const int at = item - input_.firstVisibleItem;
    if (at < 0 || at >= items_.size())
        return nullptr;
    return &items_[at];
}

QRect OutBarLayout::IconRect(int item) const
{
    const ItemGeometry* g = Geometry(item);
    return g ? g->icon : QRect();
}

QRect OutBarLayout::CaptionRect(int item) const
{
    const ItemGeometry* g = Geometry(item);
    return g ? g->caption : QRect();
}

QRect OutBarLayout::ItemRect(int item) const
{
    const ItemGeometry* g = Geometry(item);
    return g ? g->icon.united(g->caption) : QRect();
}

bool OutBarLayout::IsFullyVisible(int item) const
{
    const ItemGeometry* g = Geometry(item);
    return g && viewport_.contains(g->icon.united(g->caption));
}

int OutBarLayout::LastFullyVisibleItem() const
{
    int last = input_.firstVisibleItem - 1;
    for (int i = input_.firstVisibleItem; i < ItemCount() && IsFullyVisible(i); ++i)
        last = i;
    return last;
}

bool OutBarLayout::UpButtonShown() const
{
    return !input_.hostsWindow && input_.firstVisibleItem > 0;
}

bool OutBarLayout::DownButtonShown() const
{
    return !input_.hostsWindow && ItemCount() > 0 && LastFullyVisibleItem() != ItemCount() - 1;
}

QRect OutBarLayout::UpButtonRect() const
{
    const int side = input_.scrollButtonSide;
    const int margin = input_.metrics.scrollButtonMargin;
    return QRect(itemArea_.left() + itemArea_.width() - margin - side, itemArea_.top() + margin, side, side);
}

QRect OutBarLayout::DownButtonRect() const
{
    const int side = input_.scrollButtonSide;
    const int margin = input_.metrics.scrollButtonMargin;
    return QRect(itemArea_.left() + itemArea_.width() - margin - side, EndY(itemArea_) - margin - side, side, side);
}

OutBarHit OutBarLayout::HitTest(const QPoint& point) const
{
    if (UpButtonShown() && UpButtonRect().contains(point))
        return {OutBarHitKind::UpButton, -1};
    if (DownButtonShown() && DownButtonRect().contains(point))
        return {OutBarHitKind::DownButton, -1};
    for (int f = 0; f < input_.folderCount; ++f)
        if (HeaderRect(f).contains(point))
            return {OutBarHitKind::Folder, f};
    if (!input_.hostsWindow && itemArea_.contains(point)) {
        const int last = LastShownItem();
        for (int i = input_.firstVisibleItem; i <= last; ++i)
            if (ItemRect(i).contains(point))
                return {OutBarHitKind::Item, i};
    }
    return {};
}

OutBarDropTarget OutBarLayout::DropTargetAt(const QPoint& point) const
{
    for (int f = 0; f < input_.folderCount; ++f)
        if (HeaderRect(f).contains(point))
            return {f, -1, std::nullopt};
    if (input_.hostsWindow || !itemArea_.contains(point) || input_.folderCount == 0)
        return {};

    const int halfGap = arrangement_.spacing / 2;
    const int first = input_.firstVisibleItem;
    const int last = LastShownItem();
    OutBarDropTarget target{input_.currentFolder, -1, std::nullopt};
    for (int i = first; i <= last; ++i) {
        const QRect r = ItemRect(i);
        if (point.y() < r.center().y()) {
            target.index = i;
            target.markY = r.top() - halfGap;
            break;
        }
    }
    if (target.index < 0) {
        target.index = last + 1;
        target.markY = last >= first ? EndY(ItemRect(last)) + halfGap : itemArea_.top() + halfGap;
    }
    const int lowest = itemArea_.top() + 1;
    const int highest = EndY(itemArea_) - 2;
    target.markY = std::clamp(*target.markY, lowest, std::max(lowest, highest));
    return target;
}

OutBarSlide PlanFolderSlide(const QRect& client, int folderCount, int from, int to, int step)
{
    OutBarSlide slide;
    // Nothing to slide when the headers alone don't fit.
    if (folderCount < 2 || from == to || step <= 0 || from < 0 || to < 0 || from >= folderCount || to >= folderCount
        || client.height() <= folderCount * step)
        return slide;
    const int top = client.top();
    const int end = EndY(client);
    // Top of the header of folder `f` while folder `open` is the open one.
    auto headerTop = [&](int f, int open) { return f <= open ? top + f * step : end - (folderCount - f) * step; };
    int start = 0;
    int rest = 0;
    if (to > from) {
        // The headers after `from` up to `to` and the new item area rise from
        // the bottom stack; the headers after `to` stay where they are.
        const int blockTop = headerTop(from + 1, to);
        const int blockEnd = to + 1 < folderCount ? headerTop(to + 1, to) : end;
        slide.block = QRect(client.left(), blockTop, client.width(), blockEnd - blockTop);
        slide.clip = slide.block;
        start = headerTop(from + 1, from);
        rest = blockTop;
    } else {
        // The new item area with the headers after `to` up to `from` drops
        // down from under the header of `to`.
        const int blockTop = top + (to + 1) * step;
        const int blockEnd = from + 1 < folderCount ? headerTop(from + 1, from) : end;
        slide.block = QRect(client.left(), blockTop, client.width(), blockEnd - blockTop);
        slide.clip = slide.block;
        start = blockTop - slide.block.height();
        rest = blockTop;
    }
    if (slide.block.height() <= 0)
        return {};
    const int direction = start > rest ? -1 : 1;
    for (int y = start + direction * step; direction < 0 ? y > rest : y < rest; y += direction * step)
        slide.tops.append(y);
    slide.tops.append(rest);
    return slide;
}

int MovedItemIndex(int sourceFolder, int sourceItem, int targetFolder, int targetIndex, int targetCount)
{
    const bool sameFolder = sourceFolder == targetFolder;
    if (targetIndex < 0 || targetIndex > targetCount)
        targetIndex = targetCount;
    // Taking the item out first shifts the places after it up by one.
    if (sameFolder && targetIndex > sourceItem)
        --targetIndex;
    return targetIndex;
}

std::optional<QPoint> OutBarNudge::Tick()
{
    const int tick = counter_;
    counter_ = counter_ >= 10 ? -1 : counter_ + 1;
    switch (tick) {
    case 0:
        return QPoint(-1, 1);
    case 1:
    case 3:
        return QPoint(0, 0);
    case 2:
        return QPoint(1, 1);
    default:
        return std::nullopt;
    }
}

int OutBarKeyTarget(OutBarKey key, int item, int count)
{
    if (count <= 0)
        return -1;
    switch (key) {
    case OutBarKey::Previous:
        return std::clamp(item - 1, 0, count - 1);
    case OutBarKey::Next:
        return std::clamp(item + 1, 0, count - 1);
    case OutBarKey::First:
        return 0;
    case OutBarKey::Last:
        break;
    }
    return count - 1;
}

int OutBarFirstVisibleFor(const OutBarLayout::Input& input, int item)
{
    const int count = int(input.captionSizes.size());
    if (item < 0 || item >= count)
        return input.firstVisibleItem;
    if (item <= input.firstVisibleItem)
        return item;
    OutBarLayout::Input scrolled = input;
    while (scrolled.firstVisibleItem < item && !OutBarLayout(scrolled).IsFullyVisible(item))
        ++scrolled.firstVisibleItem;
    return scrolled.firstVisibleItem;
}
