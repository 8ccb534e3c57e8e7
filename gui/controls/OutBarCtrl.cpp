#include "gui/controls/OutBarCtrl.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetricsF>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOption>
#include <QtMath>
#include <qdrawutil.h>

#include <algorithm>
#include <utility>

namespace {

constexpr int kHoverCheckMs = 100;

// Pointer over a folder header, and the two faces of a dragged item.
constexpr Qt::CursorShape kHeaderCursor = Qt::PointingHandCursor;
constexpr Qt::CursorShape kDragCursor = Qt::DragMoveCursor;
constexpr Qt::CursorShape kNoDropCursor = Qt::ForbiddenCursor;

// A one-pixel 3-D frame on the border pixels of `r`.
void Draw3dRect(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    const int x = r.left();
    const int y = r.top();
    const int w = r.width();
    const int h = r.height();
    painter.fillRect(QRect(x, y, w - 1, 1), topLeft);
    painter.fillRect(QRect(x, y, 1, h - 1), topLeft);
    painter.fillRect(QRect(x + w - 1, y, 1, h), bottomRight);
    painter.fillRect(QRect(x, y + h - 1, w, 1), bottomRight);
}

} // namespace

COutBarCtrl::COutBarCtrl(QWidget* parent, unsigned barFlags)
    : QWidget(parent)
    , flags_(barFlags)
{
    // The static edge: one pixel all round.
    setContentsMargins(1, 1, 1, 1);
    setMouseTracking(true);
    // Tab and F6 bring the keyboard here; a click takes the focus when it
    // ends (see mouseReleaseEvent).
    setFocusPolicy(Qt::TabFocus);
    // Painting covers every pixel, so there is nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);

    const QPalette& colors = palette();
    background_ = colors.color(QPalette::Dark);
    outline_ = colors.color(QPalette::Shadow);
    text_ = colors.color(QPalette::Base);
    face_ = colors.color(QPalette::Button);
    light3d_ = colors.color(QPalette::Midlight);
    highlight_ = colors.color(QPalette::Light);
    shadow_ = colors.color(QPalette::Dark);
    darkShadow_ = colors.color(QPalette::Shadow);

    InstallOutBarAccessibility();

    hoverTimer_.setInterval(kHoverCheckMs);
    connect(&hoverTimer_, &QTimer::timeout, this, &COutBarCtrl::CheckPointerLeft);
    connect(&slideTimer_, &QTimer::timeout, this, &COutBarCtrl::SlideTick);
    connect(&nudgeTimer_, &QTimer::timeout, this, &COutBarCtrl::NudgeTick);
}

COutBarCtrl::~COutBarCtrl()
{
    // The editor dies with the bar; its last focus change must not reach us.
    if (editor_)
        editor_->removeEventFilter(this);
    editor_ = nullptr;
}

void COutBarCtrl::SetBarFlags(unsigned flags)
{
    flags_ = flags;
    firstVisible_ = 0;
    update();
}

void COutBarCtrl::SetBackgroundColor(const QColor& color)
{
    background_ = color;
    update();
}

void COutBarCtrl::SetTextColor(const QColor& color)
{
    text_ = color;
    update();
}

void COutBarCtrl::SetSelectedItemAnimation(int milliseconds)
{
    nudgeOffset_ = {};
    if (milliseconds > 0) {
        nudge_.Restart();
        nudgeTimer_.start(milliseconds);
    } else {
        nudgeTimer_.stop();
    }
    update();
}

void COutBarCtrl::SetBarImageList(const OutBarImageList& list, ImageListKind which)
{
    (which == LargeImages ? largeImages_ : smallImages_) = list;
    update();
}

void COutBarCtrl::SetFolderImageList(int folder, const OutBarImageList& list, ImageListKind which)
{
    if (folder < 0 || folder >= FolderCount())
        return;
    OutBarFolder& f = folders_[folder];
    (which == LargeImages ? f.largeImages : f.smallImages) = list;
    update();
}

int COutBarCtrl::AppendFolder(const QString& name, int userValue)
{
    OutBarFolder folder;
    folder.name = name;
    folder.userValue = userValue;
    folders_.append(folder);
    updateGeometry();
    update();
    NotifyOutBarChildren(this);
    return FolderCount() - 1;
}

int COutBarCtrl::InsertFolderItem(int folder, int position, const QString& caption, int image, int userValue)
{
    if (folder < 0 || folder >= FolderCount())
        return -1;
    QList<OutBarItem>& items = folders_[folder].items;
    if (position < 0 || position > items.size())
        position = int(items.size());
    items.insert(position, OutBarItem{caption, image, userValue});
    if (selectedFolder_ == folder && selected_ >= position)
        ++selected_;
    updateGeometry();
    update();
    NotifyOutBarChildren(this);
    return position;
}

void COutBarCtrl::SetFolderWindow(int folder, QWidget* window)
{
    if (folder < 0 || folder >= FolderCount())
        return;
    OutBarFolder& f = folders_[folder];
    if (f.window && f.window != window)
        f.window->hide();
    f.window = window;
    if (window)
        window->setParent(this);
    PlaceFolderWindow();
    update();
}

int COutBarCtrl::ItemCount(int folder) const
{
    return folder >= 0 && folder < FolderCount() ? int(folders_[folder].items.size()) : 0;
}

bool COutBarCtrl::HostsWindow(int folder) const
{
    return folder >= 0 && folder < FolderCount() && folders_[folder].window;
}

const OutBarImageList& COutBarCtrl::Images(int folder) const
{
    const bool small = flags_ & OutBarFlag::kSmallIcons;
    if (folder >= 0 && folder < FolderCount()) {
        const OutBarFolder& f = folders_[folder];
        const std::optional<OutBarImageList>& own = small ? f.smallImages : f.largeImages;
        if (own)
            return *own;
    }
    return small ? smallImages_ : largeImages_;
}

OutBarLayout COutBarCtrl::LayoutFor(int folder, int firstVisible) const
{
    return OutBarLayout(InputFor(folder, firstVisible));
}

OutBarLayout::Input COutBarCtrl::InputFor(int folder, int firstVisible) const
{
    OutBarLayout::Input in;
    in.client = contentsRect();
    in.folderCount = FolderCount();
    in.currentFolder = folder;
    in.firstVisibleItem = firstVisible;
    in.smallIcons = flags_ & OutBarFlag::kSmallIcons;
    in.hostsWindow = HostsWindow(folder);
    in.iconSize = Images(folder).imageSize;
    in.scrollButtonSide = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    in.metrics = metrics_;
    if (folder >= 0 && folder < FolderCount()) {
        // Measured with fractions and rounded up, so that drawing the caption
        // into its rectangle never wraps or cuts it for want of a pixel.
        const QFontMetricsF metrics(font());
        const int lineHeight = qCeil(metrics.height());
        const int limit = OutBarLayout::CaptionWidthLimit(in.client, in.smallIcons, in.iconSize, metrics_);
        for (const OutBarItem& item : folders_[folder].items) {
            QSizeF size;
            if (in.smallIcons)
                size = QSizeF(metrics.horizontalAdvance(item.caption), metrics.height());
            else
                size = metrics.boundingRect(QRectF(0, 0, limit, 0), Qt::AlignHCenter | Qt::TextWordWrap, item.caption)
                           .size();
            in.captionSizes.append(QSize(qCeil(size.width()), std::max(lineHeight, qCeil(size.height()))));
        }
    }
    return in;
}

OutBarLayout COutBarCtrl::Layout() const
{
    return LayoutFor(current_, firstVisible_);
}

OutBarHit COutBarCtrl::HitTest(const QPoint& point) const
{
    return Layout().HitTest(point);
}

bool COutBarCtrl::FocusInChild() const
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && focus != this && isAncestorOf(focus);
}

QSize COutBarCtrl::sizeHint() const
{
    return QSize(120, 300);
}

QSize COutBarCtrl::minimumSizeHint() const
{
    // Wide enough for every folder header and every caption on one line,
    // so a narrow window never cuts them.
    const QFontMetricsF metrics(font());
    const bool small = flags_ & OutBarFlag::kSmallIcons;
    qreal widest = 0;
    for (int folder = 0; folder < FolderCount(); ++folder) {
        const OutBarFolder& f = folders_[folder];
        widest = std::max(widest, metrics.horizontalAdvance(f.name) + 2 * metrics_.itemInsetX);
        const int iconWidth = Images(folder).imageSize.width();
        for (const OutBarItem& item : f.items) {
            const qreal caption = metrics.horizontalAdvance(item.caption);
            const int margin = std::max(metrics_.captionMargin, metrics_.focusMargin);
            widest = std::max(widest, small ? 2 * metrics_.itemInsetX + iconWidth + metrics_.smallIconGap + caption
                                            : std::max<qreal>(iconWidth, caption) + 2 * margin);
        }
    }
    const QMargins edge = contentsMargins();
    return QSize(std::max(40, qCeil(widest) + edge.left() + edge.right()),
                 metrics_.folderHeight * std::max(1, FolderCount()) + 2);
}

// ---------------------------------------------------------------- painting

void COutBarCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (slide_) {
        const Slide& slide = *slide_;
        const QRect& block = slide.plan.block;
        const qreal ratio = slide.after.devicePixelRatio();
        painter.drawPixmap(0, 0, slide.before);
        painter.setClipRect(slide.plan.clip);
        const QRectF source(block.left() * ratio, block.top() * ratio, block.width() * ratio, block.height() * ratio);
        painter.drawPixmap(QRectF(block.left(), slide.plan.tops[slide.step], block.width(), block.height()),
                           slide.after, source);
        return;
    }
    PaintBar(painter);
}

void COutBarCtrl::PaintEdge(QPainter& painter) const
{
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), palette().color(QPalette::Dark));
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), palette().color(QPalette::Dark));
    painter.fillRect(QRect(r.left() + 1, r.bottom(), r.width() - 1, 1), palette().color(QPalette::Light));
    painter.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 1), palette().color(QPalette::Light));
}

void COutBarCtrl::PaintBar(QPainter& painter) const
{
    PaintEdge(painter);
    const OutBarLayout layout = Layout();
    if (!HostsWindow(current_))
        painter.fillRect(layout.ItemArea(), background_);
    for (int f = 0; f < FolderCount(); ++f)
        PaintHeader(painter, f, layout.HeaderRect(f));
    if (FolderCount() == 0 || HostsWindow(current_))
        return;

    PaintItems(painter, layout);
    auto pushed = [this](OutBarHitKind kind) { return press_ && press_->hit.kind == kind && press_->over; };
    if (layout.UpButtonShown())
        PaintScrollButton(painter, layout.UpButtonRect(), true, pushed(OutBarHitKind::UpButton));
    if (layout.DownButtonShown())
        PaintScrollButton(painter, layout.DownButtonRect(), false, pushed(OutBarHitKind::DownButton));
}

void COutBarCtrl::PaintHeader(QPainter& painter, int folder, const QRect& r) const
{
    const OutBarHit self{OutBarHitKind::Folder, folder};
    const bool pressed = press_ && !press_->dragging && press_->hit == self && press_->over;
    // A header is hot under the pointer, and while a dragged item would be
    // appended to its folder.
    const bool hot = press_ ? (press_->dragging && press_->drop.folder == folder && !press_->drop.markY)
                            : hotFolder_ == folder;

    // A hot face is lit a little towards the highlight colour.
    QColor face = face_;
    if (hot && !pressed)
        face = QColor((face_.red() + highlight_.red()) / 2, (face_.green() + highlight_.green()) / 2,
                      (face_.blue() + highlight_.blue()) / 2);
    painter.fillRect(r, face);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), outline_);
    const QRect frame = r.adjusted(0, 1, 0, 0);
    if (pressed) {
        Draw3dRect(painter, frame, darkShadow_, highlight_);
        Draw3dRect(painter, frame.adjusted(1, 1, -1, -1), outline_, face_);
    } else {
        Draw3dRect(painter, frame, highlight_, outline_);
        if (hot)
            Draw3dRect(painter, frame.adjusted(1, 1, -1, -1), light3d_, shadow_);
    }

    QRect text = frame.adjusted(4, 0, -4, 0);
    if (pressed)
        text.translate(1, 1);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    const QString name = painter.fontMetrics().elidedText(folders_[folder].name, Qt::ElideRight, text.width());
    painter.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, name);
}

void COutBarCtrl::PaintItems(QPainter& painter, const OutBarLayout& layout) const
{
    const QRect area = layout.ItemArea();
    // Items lie in the viewport; the keyboard's frame may reach a little
    // beyond it, though not under the scroll buttons.
    QRegion clip(area);
    if (layout.UpButtonShown())
        clip -= layout.UpButtonRect();
    if (layout.DownButtonShown())
        clip -= layout.DownButtonRect();
    painter.save();
    painter.setClipRegion(clip);
    painter.setFont(font());
    // Icons are drawn smaller where the bar is short.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    const OutBarFolder& folder = folders_[current_];
    const OutBarImageList& images = Images(current_);
    const bool small = flags_ & OutBarFlag::kSmallIcons;
    const int selected = SelectedItem();
    const bool showHot = !press_ && !FocusInChild();
    for (int i = layout.FirstVisibleItem(); i <= layout.LastShownItem(); ++i) {
        const OutBarItem& item = folder.items[i];
        const QRect icon = layout.IconRect(i);
        QRect iconAt = icon;
        if (i == selected && layout.IsFullyVisible(i))
            iconAt.translate(nudgeOffset_);
        if (item.image >= 0 && item.image < images.images.size())
            painter.drawPixmap(iconAt, images.images[item.image]);

        painter.setPen(text_);
        const QRect caption = layout.CaptionRect(i);
        if (small)
            painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             painter.fontMetrics().elidedText(item.caption, Qt::ElideRight, caption.width()));
        else
            painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, item.caption);

        // Frames sit one pixel outside the icon.
        const QRect frame = icon.adjusted(-1, -1, 1, 1);
        const bool highlighted = (flags_ & OutBarFlag::kSelectionHighlight) && i == selected;
        const bool pressed = press_ && !press_->dragging && press_->hit == OutBarHit{OutBarHitKind::Item, i};
        if ((pressed && press_->over) || highlighted)
            Draw3dRect(painter, frame, darkShadow_, face_);
        else if (!pressed && showHot && i == hotItem_)
            Draw3dRect(painter, frame, face_, darkShadow_);
    }
    if (press_ && press_->dragging && press_->drop.IsValid() && press_->drop.markY)
        PaintInsertionMark(painter, area, *press_->drop.markY);
    // Where the keyboard is: a dotted frame around the item's icon and caption.
    const int focusItem = FocusItem();
    if (hasFocus() && focusItem >= layout.FirstVisibleItem() && focusItem <= layout.LastShownItem()) {
        QPen pen(text_);
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const int margin = metrics_.focusMargin;
        painter.drawRect(layout.ItemRect(focusItem).adjusted(-margin, -margin, margin - 1, margin - 1));
    }
    painter.restore();
}

void COutBarCtrl::PaintScrollButton(QPainter& painter, const QRect& rect, bool up, bool pushed) const
{
    const QBrush face(face_);
    qDrawWinButton(&painter, rect, palette(), pushed, &face);
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = rect.adjusted(3, 3, -3, -3);
    if (pushed)
        arrow.rect.translate(1, 1);
    arrow.palette.setColor(QPalette::ButtonText, palette().color(QPalette::ButtonText));
    style()->drawPrimitive(up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
}

void COutBarCtrl::PaintInsertionMark(QPainter& painter, const QRect& area, int y) const
{
    // A black line across the item area with a small arrow head at each end
    // pointing inwards.
    const int left = area.left() + 3;
    const int right = area.left() + area.width() - 4;
    painter.fillRect(QRect(left, y, right - left + 1, 1), Qt::black);
    for (int d = 1; d <= 3; ++d) {
        painter.fillRect(QRect(left + 3 - d, y - d, 1, 2 * d + 1), Qt::black);
        painter.fillRect(QRect(right - 3 + d, y - d, 1, 2 * d + 1), Qt::black);
    }
}

QPixmap COutBarCtrl::RenderBar() const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap picture(size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(face_);
    QPainter painter(&picture);
    PaintBar(painter);
    if (HostsWindow(current_)) {
        QWidget* window = folders_[current_].window;
        window->resize(Layout().ItemArea().size());
        window->render(&painter, Layout().ItemArea().topLeft());
    }
    return picture;
}

// ------------------------------------------------------------------- mouse

void COutBarCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    FinishSlide();
    // Clicking the bar ends a caption edit as leaving the editor does, also
    // when the window isn't active and the focus can't move.
    EndCaptionEdit(true);
    const OutBarHit hit = HitTest(event->position().toPoint());
    if (hit.kind == OutBarHitKind::Nothing)
        return;
    Press press;
    press.hit = hit;
    press_ = press;
    update();
}

void COutBarCtrl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (!press_) {
        UpdateHover(point);
        return;
    }
    Press& press = *press_;
    press.over = HitTest(point) == press.hit;
    if (press.hit.kind == OutBarHitKind::Item && (flags_ & OutBarFlag::kDragItems) && !press.over)
        press.dragging = true;
    if (press.dragging) {
        press.drop = Layout().DropTargetAt(point);
        setCursor(press.drop.IsValid() ? kDragCursor : kNoDropCursor);
    }
    update();
}

void COutBarCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !press_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const Press press = *std::exchange(press_, std::nullopt);
    const QPoint point = event->position().toPoint();
    // The focus comes with the end of the click: the box it leaves may say
    // something on leaving (a W-2 cap), and a message in the middle of the
    // press would swallow the click.
    setFocus(Qt::MouseFocusReason);
    update();
    if (press.dragging) {
        unsetCursor();
        const OutBarDropTarget drop = Layout().DropTargetAt(point);
        if (drop.IsValid())
            MoveItem(press.hit.index, drop);
    } else if (HitTest(point) == press.hit) {
        // Only a release on what was pressed counts as a click.
        switch (press.hit.kind) {
        case OutBarHitKind::Item:
            ClickItem(press.hit.index);
            break;
        case OutBarHitKind::Folder:
            SelectFolder(press.hit.index);
            break;
        case OutBarHitKind::UpButton:
            Scroll(-1);
            break;
        case OutBarHitKind::DownButton:
            Scroll(1);
            break;
        case OutBarHitKind::Nothing:
            break;
        }
    }
    UpdateHover(point);
}

void COutBarCtrl::UpdateHover(const QPoint& point)
{
    const OutBarHit hit = rect().contains(point) ? HitTest(point) : OutBarHit{};
    const int hotFolder = hit.kind == OutBarHitKind::Folder ? hit.index : -1;
    const int hotItem = hit.kind == OutBarHitKind::Item ? hit.index : -1;
    if (hotFolder != hotFolder_ || hotItem != hotItem_) {
        hotFolder_ = hotFolder;
        hotItem_ = hotItem;
        update();
    }
    if (hotFolder >= 0)
        setCursor(kHeaderCursor);
    else
        unsetCursor();
    // Leaving the bar sends no move to it, so a timer looks for the pointer.
    if ((hotFolder >= 0 || hotItem >= 0) && !hoverTimer_.isActive())
        hoverTimer_.start();
}

void COutBarCtrl::leaveEvent(QEvent* event)
{
    // Where the window system reports the pointer leaving, the marks go at
    // once; the timer covers the rest.
    QWidget::leaveEvent(event);
    ClearHover();
}

void COutBarCtrl::ClearHover()
{
    hoverTimer_.stop();
    if (hotFolder_ < 0 && hotItem_ < 0)
        return;
    hotFolder_ = -1;
    hotItem_ = -1;
    if (!press_)
        unsetCursor();
    update();
}

void COutBarCtrl::CheckPointerLeft()
{
    if (hotFolder_ < 0 && hotItem_ < 0) {
        hoverTimer_.stop();
        return;
    }
    if (!rect().contains(mapFromGlobal(QCursor::pos())))
        ClearHover();
}

void COutBarCtrl::SetSelectedItem(int item)
{
    if (item >= ItemCount(current_))
        item = -1;
    if (item == SelectedItem())
        return;
    selected_ = item;
    selectedFolder_ = item >= 0 ? current_ : -1;
    focusItem_ = item;
    nudge_.Restart();
    nudgeOffset_ = {};
    update();
    NotifyOutBarItem(this, QAccessible::Selection, item);
}

int COutBarCtrl::FocusItem() const
{
    const int count = ItemCount(current_);
    if (count == 0 || HostsWindow(current_))
        return -1;
    if (focusItem_ >= 0 && focusItem_ < count)
        return focusItem_;
    const int selected = SelectedItem();
    return selected >= 0 ? selected : std::min(FirstVisibleItem(), count - 1);
}

void COutBarCtrl::MoveFocusItem(int item)
{
    if (item < 0)
        return;
    focusItem_ = item;
    // Scrolled so that the item shows whole.
    firstVisible_ = OutBarFirstVisibleFor(InputFor(current_, FirstVisibleItem()), item);
    update();
    if (hasFocus())
        NotifyOutBarItem(this, QAccessible::Focus, item);
}

void COutBarCtrl::ActivateItem(int item)
{
    if (item < 0 || item >= ItemCount(current_) || HostsWindow(current_))
        return;
    MoveFocusItem(item);
    ClickItem(item);
}

void COutBarCtrl::FocusOnItem(int item)
{
    if (item < 0 || item >= ItemCount(current_) || HostsWindow(current_))
        return;
    focusItem_ = item;
    setFocus(Qt::OtherFocusReason);
    MoveFocusItem(item);
}

void COutBarCtrl::keyPressEvent(QKeyEvent* event)
{
    if (press_ || slide_ || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int count = ItemCount(current_);
    const int item = FocusItem();
    switch (event->key()) {
    case Qt::Key_Up:
        MoveFocusItem(OutBarKeyTarget(OutBarKey::Previous, item, count));
        break;
    case Qt::Key_Down:
        MoveFocusItem(OutBarKeyTarget(OutBarKey::Next, item, count));
        break;
    case Qt::Key_Home:
        MoveFocusItem(OutBarKeyTarget(OutBarKey::First, item, count));
        break;
    case Qt::Key_End:
        MoveFocusItem(OutBarKeyTarget(OutBarKey::Last, item, count));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // As a click on the item: the owner opens its screen.
        ActivateItem(item);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void COutBarCtrl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // The keyboard's frame shows where the keyboard is, also in a bar
    // scrolled away from that item.
    KeepFocusItemInView();
    update();
    // The window tells a screen reader that the bar has the focus once
    // this returns; the item follows, so that the reader lands on it.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            NotifyOutBarItem(this, QAccessible::Focus, FocusItem());
    });
}

void COutBarCtrl::KeepFocusItemInView()
{
    const OutBarLayout layout = Layout();
    const int item = FocusItem();
    if (item < 0 || layout.IsFullyVisible(item))
        return;
    firstVisible_ = OutBarFirstVisibleFor(InputFor(current_, layout.FirstVisibleItem()), item);
}

void COutBarCtrl::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void COutBarCtrl::ClickItem(int item)
{
    selected_ = item;
    selectedFolder_ = current_;
    focusItem_ = item;
    nudge_.Restart();
    nudgeOffset_ = {};
    update();
    NotifyOutBarItem(this, QAccessible::Selection, item);
    OutBarNotice notice;
    notice.code = OutBarNotify::ItemClicked;
    notice.folder = current_;
    notice.item = item;
    Ask(notice);
}

void COutBarCtrl::Scroll(int delta)
{
    const OutBarLayout layout = Layout();
    if ((delta < 0 && !layout.UpButtonShown()) || (delta > 0 && !layout.DownButtonShown()))
        return;
    firstVisible_ = std::max(0, layout.FirstVisibleItem() + delta);
    hotItem_ = -1;
    // The keyboard's item comes along into view, so that its frame stays
    // on show: the nearest item still shown.
    const OutBarLayout scrolled = Layout();
    const int focus = FocusItem();
    if (focus >= 0 && !scrolled.IsFullyVisible(focus) && scrolled.LastShownItem() >= scrolled.FirstVisibleItem())
        focusItem_ = std::clamp(focus, scrolled.FirstVisibleItem(), scrolled.LastShownItem());
    update();
}

void COutBarCtrl::MoveItem(int sourceItem, const OutBarDropTarget& drop)
{
    const int source = current_;
    const int target = drop.folder;
    const int targetCount = ItemCount(target);
    const int place = drop.index < 0 ? targetCount : drop.index;
    const int moved = MovedItemIndex(source, sourceItem, target, place, targetCount);
    if (target == source && moved == sourceItem)
        return; // dropped where it already is

    OutBarNotice notice;
    notice.code = OutBarNotify::ItemDragMoved;
    notice.folder = source;
    notice.item = sourceItem;
    notice.targetFolder = target;
    notice.targetIndex = place;
    if (!Ask(notice))
        return;
    // The owner may have changed the bar while it answered.
    if (source >= FolderCount() || target >= FolderCount() || sourceItem >= ItemCount(source)
        || ItemCount(target) != targetCount)
        return;

    const OutBarItem item = folders_[source].items.takeAt(sourceItem);
    folders_[target].items.insert(moved, item);

    // The selection stays with the item it was on.
    if (selectedFolder_ == source && selected_ >= 0) {
        if (selected_ == sourceItem) {
            selectedFolder_ = target;
            selected_ = moved;
        } else {
            if (selected_ > sourceItem)
                --selected_;
            if (target == source && selected_ >= moved)
                ++selected_;
        }
    } else if (selectedFolder_ == target && target != source && selected_ >= moved) {
        ++selected_;
    }
    firstVisible_ = std::min(firstVisible_, std::max(0, ItemCount(current_) - 1));
    hotItem_ = -1;
    update();
    NotifyOutBarChildren(this);
}

bool COutBarCtrl::Ask(const OutBarNotice& notice)
{
    bool answer = false;
    emit notify(notice, &answer);
    return answer;
}

// ----------------------------------------------------------------- folders

void COutBarCtrl::SelectFolder(int folder)
{
    if (folder < 0 || folder >= FolderCount())
        return;
    FinishSlide();
    EndCaptionEdit(false);
    if (QWidget* window = folders_[current_].window)
        window->hide();

    const int from = current_;
    const bool slide = folder != from && (flags_ & OutBarFlag::kAnimateFolders) && slideDelay_ >= 0 && isVisible()
                       && !size().isEmpty();
    QPixmap before;
    if (slide)
        before = RenderBar();

    current_ = folder;
    firstVisible_ = 0;
    hotItem_ = -1;
    focusItem_ = -1;

    if (slide) {
        OutBarSlide plan = PlanFolderSlide(contentsRect(), FolderCount(), from, folder, metrics_.folderHeight);
        if (!plan.tops.isEmpty()) {
            slide_ = Slide{before, RenderBar(), plan, 0};
            slideTimer_.start(slideDelay_);
        }
    }
    if (!slide_)
        PlaceFolderWindow();

    OutBarNotice notice;
    notice.code = OutBarNotify::FolderChanged;
    notice.folder = folder;
    Ask(notice);
    update();
    NotifyOutBarChildren(this);
}

void COutBarCtrl::SlideTick()
{
    if (!slide_)
        return;
    if (++slide_->step >= slide_->plan.tops.size())
        FinishSlide();
    else
        update();
}

void COutBarCtrl::FinishSlide()
{
    if (!slide_)
        return;
    slideTimer_.stop();
    slide_.reset();
    PlaceFolderWindow();
    update();
}

void COutBarCtrl::PlaceFolderWindow()
{
    const QRect area = Layout().ItemArea();
    for (int f = 0; f < FolderCount(); ++f) {
        QWidget* window = folders_[f].window;
        if (!window)
            continue;
        if (f == current_) {
            window->setGeometry(area);
            window->show();
            window->raise();
        } else {
            window->hide();
        }
    }
}

void COutBarCtrl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FinishSlide();
    EndCaptionEdit(false);
    PlaceFolderWindow();
    // A bar that has grown scrolls back as far as its room allows: no item
    // stays hidden above while there is room for it.
    firstVisible_ = Layout().FirstVisibleItem();
    if (hasFocus())
        KeepFocusItemInView();
}

void COutBarCtrl::NudgeTick()
{
    const std::optional<QPoint> offset = nudge_.Tick();
    const int selected = SelectedItem();
    if (!offset || selected < 0 || HostsWindow(current_))
        return;
    const OutBarLayout layout = Layout();
    if (!layout.IsFullyVisible(selected) || *offset == nudgeOffset_)
        return;
    nudgeOffset_ = *offset;
    update(layout.IconRect(selected).adjusted(-2, -2, 2, 2));
}

// --------------------------------------------------------- caption editing

bool COutBarCtrl::EditFolderCaption(int folder)
{
    if (folder < 0 || folder >= FolderCount())
        return false;
    return StartCaptionEdit(EditTarget::Folder, folder, Layout().HeaderRect(folder).adjusted(2, 2, -2, -1),
                            folders_[folder].name);
}

bool COutBarCtrl::EditItemCaption(int item)
{
    const OutBarLayout layout = Layout();
    if (HostsWindow(current_) || item < layout.FirstVisibleItem() || item > layout.LastShownItem())
        return false;
    return StartCaptionEdit(EditTarget::Item, item, layout.CaptionRect(item), folders_[current_].items[item].caption);
}

bool COutBarCtrl::StartCaptionEdit(EditTarget target, int index, const QRect& over, const QString& text)
{
    FinishSlide();
    EndCaptionEdit(false);
    editTarget_ = target;
    editIndex_ = index;
    editFolder_ = current_;
    editAnchor_ = over;

    editor_ = new QLineEdit(this);
    editor_->setFont(font());
    editor_->setText(text);
    editor_->selectAll();
    editor_->installEventFilter(this);
    connect(editor_, &QLineEdit::textChanged, this, &COutBarCtrl::FitCaptionEditor);
    FitCaptionEditor();
    editor_->show();
    editor_->setFocus(Qt::OtherFocusReason);
    update();
    return true;
}

void COutBarCtrl::FitCaptionEditor()
{
    if (!editor_)
        return;
    // The box grows with its text, up to the width of the bar, around the
    // middle of the caption it covers.
    const QRect client = contentsRect();
    const QFontMetrics metrics(editor_->font());
    const int height = editor_->sizeHint().height();
    const int width = std::min(client.width(), std::max(48, metrics.horizontalAdvance(editor_->text()) + 12));
    int x = editAnchor_.center().x() - width / 2;
    x = std::clamp(x, client.left(), client.left() + client.width() - width);
    const int line = std::min(editAnchor_.height(), metrics.height());
    const int y = editAnchor_.top() + (line - height) / 2;
    editor_->setGeometry(x, y, width, height);
}

void COutBarCtrl::EndCaptionEdit(bool keep)
{
    if (!editor_)
        return;
    QLineEdit* editor = std::exchange(editor_, nullptr);
    editor->removeEventFilter(this);
    const QString text = editor->text();
    if (editor->hasFocus())
        setFocus(Qt::OtherFocusReason);
    editor->hide();
    editor->deleteLater();
    update();
    if (!keep || text.isEmpty())
        return;

    OutBarNotice notice;
    notice.text = text;
    if (editTarget_ == EditTarget::Folder) {
        notice.code = OutBarNotify::FolderCaptionEdited;
        notice.folder = editIndex_;
        if (Ask(notice) && editIndex_ < FolderCount())
            folders_[editIndex_].name = text;
    } else {
        notice.code = OutBarNotify::ItemCaptionEdited;
        notice.folder = editFolder_;
        notice.item = editIndex_;
        if (Ask(notice) && editFolder_ < FolderCount() && editIndex_ < ItemCount(editFolder_)) {
            folders_[editFolder_].items[editIndex_].caption = text;
            if (editFolder_ == current_)
                NotifyOutBarItem(this, QAccessible::NameChanged, editIndex_);
        }
    }
    update();
}

bool COutBarCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (editor_ && watched == editor_) {
        if (event->type() == QEvent::KeyPress) {
            // Enter and Escape end the edit and go no further: the bar would
            // take an Enter the box passes on as opening the item.
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
                EndCaptionEdit(key != Qt::Key_Escape);
                return true;
            }
        }
        // The editor's own context menu takes the focus for a moment; that
        // doesn't end the edit.
        if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            EndCaptionEdit(true);
    }
    return QWidget::eventFilter(watched, event);
}
