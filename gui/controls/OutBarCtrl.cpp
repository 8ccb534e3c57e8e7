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

COutBarCtrl::COutBarCtrl(QWidget* parent, unsigned barFlags) : QWidget(parent), m_flags(barFlags)
{
    // The static edge: one pixel all round.
    setContentsMargins(1, 1, 1, 1);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    // Painting covers every pixel, so there is nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);

    const QPalette& colors = palette();
    m_background = colors.color(QPalette::Dark);
    m_outline = colors.color(QPalette::Shadow);
    m_text = colors.color(QPalette::Base);
    m_face = colors.color(QPalette::Button);
    m_light3d = colors.color(QPalette::Midlight);
    m_highlight = colors.color(QPalette::Light);
    m_shadow = colors.color(QPalette::Dark);
    m_darkShadow = colors.color(QPalette::Shadow);

    m_hoverTimer.setInterval(kHoverCheckMs);
    connect(&m_hoverTimer, &QTimer::timeout, this, &COutBarCtrl::CheckPointerLeft);
    connect(&m_slideTimer, &QTimer::timeout, this, &COutBarCtrl::SlideTick);
    connect(&m_nudgeTimer, &QTimer::timeout, this, &COutBarCtrl::NudgeTick);
}

COutBarCtrl::~COutBarCtrl()
{
    // The editor dies with the bar; its last focus change must not reach us.
    if (m_editor)
        m_editor->removeEventFilter(this);
    m_editor = nullptr;
}

void COutBarCtrl::SetBarFlags(unsigned flags)
{
    m_flags = flags;
    m_firstVisible = 0;
    update();
}

void COutBarCtrl::SetBackgroundColor(const QColor& color)
{
    m_background = color;
    update();
}

void COutBarCtrl::SetTextColor(const QColor& color)
{
    m_text = color;
    update();
}

void COutBarCtrl::SetSelectedItemAnimation(int milliseconds)
{
    m_nudgeOffset = {};
    if (milliseconds > 0) {
        m_nudge.Restart();
        m_nudgeTimer.start(milliseconds);
    } else {
        m_nudgeTimer.stop();
    }
    update();
}

void COutBarCtrl::SetBarImageList(const OutBarImageList& list, ImageListKind which)
{
    (which == LargeImages ? m_largeImages : m_smallImages) = list;
    update();
}

void COutBarCtrl::SetFolderImageList(int folder, const OutBarImageList& list, ImageListKind which)
{
    if (folder < 0 || folder >= FolderCount())
        return;
    OutBarFolder& f = m_folders[folder];
    (which == LargeImages ? f.largeImages : f.smallImages) = list;
    update();
}

int COutBarCtrl::AppendFolder(const QString& name, int userValue)
{
    OutBarFolder folder;
    folder.name = name;
    folder.userValue = userValue;
    m_folders.append(folder);
    update();
    return FolderCount() - 1;
}

int COutBarCtrl::InsertFolderItem(int folder, int position, const QString& caption, int image, int userValue)
{
    if (folder < 0 || folder >= FolderCount())
        return -1;
    QList<OutBarItem>& items = m_folders[folder].items;
    if (position < 0 || position > items.size())
        position = int(items.size());
    items.insert(position, OutBarItem{caption, image, userValue});
    if (m_selectedFolder == folder && m_selected >= position)
        ++m_selected;
    update();
    return position;
}

void COutBarCtrl::SetFolderWindow(int folder, QWidget* window)
{
    if (folder < 0 || folder >= FolderCount())
        return;
    OutBarFolder& f = m_folders[folder];
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
    return folder >= 0 && folder < FolderCount() ? int(m_folders[folder].items.size()) : 0;
}

bool COutBarCtrl::HostsWindow(int folder) const
{
    return folder >= 0 && folder < FolderCount() && m_folders[folder].window;
}

const OutBarImageList& COutBarCtrl::Images(int folder) const
{
    const bool small = m_flags & OutBarFlag::kSmallIcons;
    if (folder >= 0 && folder < FolderCount()) {
        const OutBarFolder& f = m_folders[folder];
        const std::optional<OutBarImageList>& own = small ? f.smallImages : f.largeImages;
        if (own)
            return *own;
    }
    return small ? m_smallImages : m_largeImages;
}

OutBarLayout COutBarCtrl::LayoutFor(int folder, int firstVisible) const
{
    OutBarLayout::Input in;
    in.client = contentsRect();
    in.folderCount = FolderCount();
    in.currentFolder = folder;
    in.firstVisibleItem = firstVisible;
    in.smallIcons = m_flags & OutBarFlag::kSmallIcons;
    in.hostsWindow = HostsWindow(folder);
    in.iconSize = Images(folder).imageSize;
    in.scrollButtonSide = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    in.metrics = m_metrics;
    if (folder >= 0 && folder < FolderCount()) {
        // Measured with fractions and rounded up, so that drawing the caption
        // into its rectangle never wraps or cuts it for want of a pixel.
        const QFontMetricsF metrics(font());
        const int lineHeight = qCeil(metrics.height());
        const int limit = OutBarLayout::CaptionWidthLimit(in.client, in.smallIcons, in.iconSize, m_metrics);
        for (const OutBarItem& item : m_folders[folder].items) {
            QSizeF size;
            if (in.smallIcons)
                size = QSizeF(metrics.horizontalAdvance(item.caption), metrics.height());
            else
                size = metrics.boundingRect(QRectF(0, 0, limit, 0), Qt::AlignHCenter | Qt::TextWordWrap, item.caption)
                           .size();
            in.captionSizes.append(QSize(qCeil(size.width()), std::max(lineHeight, qCeil(size.height()))));
        }
    }
    return OutBarLayout(in);
}

OutBarLayout COutBarCtrl::Layout() const
{
    return LayoutFor(m_current, m_firstVisible);
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
    return QSize(40, m_metrics.folderHeight * std::max(1, FolderCount()) + 2);
}

// ---------------------------------------------------------------- painting

void COutBarCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_slide) {
        const Slide& slide = *m_slide;
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
    if (!HostsWindow(m_current))
        painter.fillRect(layout.ItemArea(), m_background);
    for (int f = 0; f < FolderCount(); ++f)
        PaintHeader(painter, f, layout.HeaderRect(f));
    if (FolderCount() == 0 || HostsWindow(m_current))
        return;

    PaintItems(painter, layout);
    auto pushed = [this](OutBarHitKind kind) { return m_press && m_press->hit.kind == kind && m_press->over; };
    if (layout.UpButtonShown())
        PaintScrollButton(painter, layout.UpButtonRect(), true, pushed(OutBarHitKind::UpButton));
    if (layout.DownButtonShown())
        PaintScrollButton(painter, layout.DownButtonRect(), false, pushed(OutBarHitKind::DownButton));
}

void COutBarCtrl::PaintHeader(QPainter& painter, int folder, const QRect& r) const
{
    const OutBarHit self{OutBarHitKind::Folder, folder};
    const bool pressed = m_press && !m_press->dragging && m_press->hit == self && m_press->over;
    // A header is hot under the pointer, and while a dragged item would be
    // appended to its folder.
    const bool hot = m_press ? (m_press->dragging && m_press->drop.folder == folder && !m_press->drop.markY)
                             : m_hotFolder == folder;

    // A hot face is lit a little towards the highlight colour.
    QColor face = m_face;
    if (hot && !pressed)
        face = QColor((m_face.red() + m_highlight.red()) / 2, (m_face.green() + m_highlight.green()) / 2,
                      (m_face.blue() + m_highlight.blue()) / 2);
    painter.fillRect(r, face);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), m_outline);
    const QRect frame = r.adjusted(0, 1, 0, 0);
    if (pressed) {
        Draw3dRect(painter, frame, m_darkShadow, m_highlight);
        Draw3dRect(painter, frame.adjusted(1, 1, -1, -1), m_outline, m_face);
    } else {
        Draw3dRect(painter, frame, m_highlight, m_outline);
        if (hot)
            Draw3dRect(painter, frame.adjusted(1, 1, -1, -1), m_light3d, m_shadow);
    }

    QRect text = frame.adjusted(4, 0, -4, 0);
    if (pressed)
        text.translate(1, 1);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    const QString name = painter.fontMetrics().elidedText(m_folders[folder].name, Qt::ElideRight, text.width());
    painter.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, name);
}

void COutBarCtrl::PaintItems(QPainter& painter, const OutBarLayout& layout) const
{
    const QRect area = layout.ItemArea();
    QRegion clip(area);
    if (layout.UpButtonShown())
        clip -= layout.UpButtonRect();
    if (layout.DownButtonShown())
        clip -= layout.DownButtonRect();
    painter.save();
    painter.setClipRegion(clip);
    painter.setFont(font());

    const OutBarFolder& folder = m_folders[m_current];
    const OutBarImageList& images = Images(m_current);
    const bool small = m_flags & OutBarFlag::kSmallIcons;
    const int selected = SelectedItem();
    const bool showHot = !m_press && !FocusInChild();
    for (int i = layout.FirstVisibleItem(); i <= layout.LastShownItem(); ++i) {
        const OutBarItem& item = folder.items[i];
        const QRect icon = layout.IconRect(i);
        QRect iconAt = icon;
        if (i == selected && layout.IsFullyVisible(i))
            iconAt.translate(m_nudgeOffset);
        if (item.image >= 0 && item.image < images.images.size())
            painter.drawPixmap(iconAt, images.images[item.image]);

        painter.setPen(m_text);
        const QRect caption = layout.CaptionRect(i);
        if (small)
            painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             painter.fontMetrics().elidedText(item.caption, Qt::ElideRight, caption.width()));
        else
            painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, item.caption);

        // Frames sit one pixel outside the icon.
        const QRect frame = icon.adjusted(-1, -1, 1, 1);
        const bool highlighted = (m_flags & OutBarFlag::kSelectionHighlight) && i == selected;
        const bool pressed = m_press && !m_press->dragging && m_press->hit == OutBarHit{OutBarHitKind::Item, i};
        if ((pressed && m_press->over) || highlighted)
            Draw3dRect(painter, frame, m_darkShadow, m_face);
        else if (!pressed && showHot && i == m_hotItem)
            Draw3dRect(painter, frame, m_face, m_darkShadow);
    }
    if (m_press && m_press->dragging && m_press->drop.IsValid() && m_press->drop.markY)
        PaintInsertionMark(painter, area, *m_press->drop.markY);
    painter.restore();
}

void COutBarCtrl::PaintScrollButton(QPainter& painter, const QRect& rect, bool up, bool pushed) const
{
    const QBrush face(m_face);
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
    picture.fill(m_face);
    QPainter painter(&picture);
    PaintBar(painter);
    if (HostsWindow(m_current)) {
        QWidget* window = m_folders[m_current].window;
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
    setFocus(Qt::MouseFocusReason);
    // Clicking the bar ends a caption edit as leaving the editor does, also
    // when the window isn't active and the focus can't move.
    EndCaptionEdit(true);
    const OutBarHit hit = HitTest(event->position().toPoint());
    if (hit.kind == OutBarHitKind::Nothing)
        return;
    Press press;
    press.hit = hit;
    m_press = press;
    update();
}

void COutBarCtrl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (!m_press) {
        UpdateHover(point);
        return;
    }
    Press& press = *m_press;
    press.over = HitTest(point) == press.hit;
    if (press.hit.kind == OutBarHitKind::Item && (m_flags & OutBarFlag::kDragItems) && !press.over)
        press.dragging = true;
    if (press.dragging) {
        press.drop = Layout().DropTargetAt(point);
        setCursor(press.drop.IsValid() ? kDragCursor : kNoDropCursor);
    }
    update();
}

void COutBarCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_press) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const Press press = *std::exchange(m_press, std::nullopt);
    const QPoint point = event->position().toPoint();
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
    if (hotFolder != m_hotFolder || hotItem != m_hotItem) {
        m_hotFolder = hotFolder;
        m_hotItem = hotItem;
        update();
    }
    if (hotFolder >= 0)
        setCursor(kHeaderCursor);
    else
        unsetCursor();
    // Leaving the bar sends no move to it, so a timer looks for the pointer.
    if ((hotFolder >= 0 || hotItem >= 0) && !m_hoverTimer.isActive())
        m_hoverTimer.start();
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
    m_hoverTimer.stop();
    if (m_hotFolder < 0 && m_hotItem < 0)
        return;
    m_hotFolder = -1;
    m_hotItem = -1;
    if (!m_press)
        unsetCursor();
    update();
}

void COutBarCtrl::CheckPointerLeft()
{
    if (m_hotFolder < 0 && m_hotItem < 0) {
        m_hoverTimer.stop();
        return;
    }
    if (!rect().contains(mapFromGlobal(QCursor::pos())))
        ClearHover();
}

void COutBarCtrl::ClickItem(int item)
{
    m_selected = item;
    m_selectedFolder = m_current;
    m_nudge.Restart();
    m_nudgeOffset = {};
    update();
    OutBarNotice notice;
    notice.code = OutBarNotify::ItemClicked;
    notice.folder = m_current;
    notice.item = item;
    Ask(notice);
}

void COutBarCtrl::Scroll(int delta)
{
    const OutBarLayout layout = Layout();
    if ((delta < 0 && !layout.UpButtonShown()) || (delta > 0 && !layout.DownButtonShown()))
        return;
    m_firstVisible = std::max(0, m_firstVisible + delta);
    m_hotItem = -1;
    update();
}

void COutBarCtrl::MoveItem(int sourceItem, const OutBarDropTarget& drop)
{
    const int source = m_current;
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
    if (source >= FolderCount() || target >= FolderCount() || sourceItem >= ItemCount(source) ||
        ItemCount(target) != targetCount)
        return;

    const OutBarItem item = m_folders[source].items.takeAt(sourceItem);
    m_folders[target].items.insert(moved, item);

    // The selection stays with the item it was on.
    if (m_selectedFolder == source && m_selected >= 0) {
        if (m_selected == sourceItem) {
            m_selectedFolder = target;
            m_selected = moved;
        } else {
            if (m_selected > sourceItem)
                --m_selected;
            if (target == source && m_selected >= moved)
                ++m_selected;
        }
    } else if (m_selectedFolder == target && target != source && m_selected >= moved) {
        ++m_selected;
    }
    m_firstVisible = std::min(m_firstVisible, std::max(0, ItemCount(m_current) - 1));
    m_hotItem = -1;
    update();
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
    if (QWidget* window = m_folders[m_current].window)
        window->hide();

    const int from = m_current;
    const bool slide = folder != from && (m_flags & OutBarFlag::kAnimateFolders) && m_slideDelay >= 0 &&
                       isVisible() && !size().isEmpty();
    QPixmap before;
    if (slide)
        before = RenderBar();

    m_current = folder;
    m_firstVisible = 0;
    m_hotItem = -1;

    if (slide) {
        OutBarSlide plan = PlanFolderSlide(contentsRect(), FolderCount(), from, folder, m_metrics.folderHeight);
        if (!plan.tops.isEmpty()) {
            m_slide = Slide{before, RenderBar(), plan, 0};
            m_slideTimer.start(m_slideDelay);
        }
    }
    if (!m_slide)
        PlaceFolderWindow();

    OutBarNotice notice;
    notice.code = OutBarNotify::FolderChanged;
    notice.folder = folder;
    Ask(notice);
    update();
}

void COutBarCtrl::SlideTick()
{
    if (!m_slide)
        return;
    if (++m_slide->step >= m_slide->plan.tops.size())
        FinishSlide();
    else
        update();
}

void COutBarCtrl::FinishSlide()
{
    if (!m_slide)
        return;
    m_slideTimer.stop();
    m_slide.reset();
    PlaceFolderWindow();
    update();
}

void COutBarCtrl::PlaceFolderWindow()
{
    const QRect area = Layout().ItemArea();
    for (int f = 0; f < FolderCount(); ++f) {
        QWidget* window = m_folders[f].window;
        if (!window)
            continue;
        if (f == m_current) {
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
}

void COutBarCtrl::NudgeTick()
{
    const std::optional<QPoint> offset = m_nudge.Tick();
    const int selected = SelectedItem();
    if (!offset || selected < 0 || HostsWindow(m_current))
        return;
    const OutBarLayout layout = Layout();
    if (!layout.IsFullyVisible(selected) || *offset == m_nudgeOffset)
        return;
    m_nudgeOffset = *offset;
    update(layout.IconRect(selected).adjusted(-2, -2, 2, 2));
}

// --------------------------------------------------------- caption editing

bool COutBarCtrl::EditFolderCaption(int folder)
{
    if (folder < 0 || folder >= FolderCount())
        return false;
    return StartCaptionEdit(EditTarget::Folder, folder, Layout().HeaderRect(folder).adjusted(2, 2, -2, -1),
                            m_folders[folder].name);
}

bool COutBarCtrl::EditItemCaption(int item)
{
    const OutBarLayout layout = Layout();
    if (HostsWindow(m_current) || item < layout.FirstVisibleItem() || item > layout.LastShownItem())
        return false;
    return StartCaptionEdit(EditTarget::Item, item, layout.CaptionRect(item),
                            m_folders[m_current].items[item].caption);
}

bool COutBarCtrl::StartCaptionEdit(EditTarget target, int index, const QRect& over, const QString& text)
{
    FinishSlide();
    EndCaptionEdit(false);
    m_editTarget = target;
    m_editIndex = index;
    m_editFolder = m_current;
    m_editAnchor = over;

    m_editor = new QLineEdit(this);
    m_editor->setFont(font());
    m_editor->setText(text);
    m_editor->selectAll();
    m_editor->installEventFilter(this);
    connect(m_editor, &QLineEdit::returnPressed, this, [this] { EndCaptionEdit(true); });
    connect(m_editor, &QLineEdit::textChanged, this, &COutBarCtrl::FitCaptionEditor);
    FitCaptionEditor();
    m_editor->show();
    m_editor->setFocus(Qt::OtherFocusReason);
    update();
    return true;
}

void COutBarCtrl::FitCaptionEditor()
{
    if (!m_editor)
        return;
    // The box grows with its text, up to the width of the bar, around the
    // middle of the caption it covers.
    const QRect client = contentsRect();
    const QFontMetrics metrics(m_editor->font());
    const int height = m_editor->sizeHint().height();
    const int width = std::min(client.width(), std::max(48, metrics.horizontalAdvance(m_editor->text()) + 12));
    int x = m_editAnchor.center().x() - width / 2;
    x = std::clamp(x, client.left(), client.left() + client.width() - width);
    const int line = std::min(m_editAnchor.height(), metrics.height());
    const int y = m_editAnchor.top() + (line - height) / 2;
    m_editor->setGeometry(x, y, width, height);
}

void COutBarCtrl::EndCaptionEdit(bool keep)
{
    if (!m_editor)
        return;
    QLineEdit* editor = std::exchange(m_editor, nullptr);
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
    if (m_editTarget == EditTarget::Folder) {
        notice.code = OutBarNotify::FolderCaptionEdited;
        notice.folder = m_editIndex;
        if (Ask(notice) && m_editIndex < FolderCount())
            m_folders[m_editIndex].name = text;
    } else {
        notice.code = OutBarNotify::ItemCaptionEdited;
        notice.folder = m_editFolder;
        notice.item = m_editIndex;
        if (Ask(notice) && m_editFolder < FolderCount() && m_editIndex < ItemCount(m_editFolder))
            m_folders[m_editFolder].items[m_editIndex].caption = text;
    }
    update();
}

bool COutBarCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (m_editor && watched == m_editor) {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            EndCaptionEdit(false);
            return true;
        }
        // The editor's own context menu takes the focus for a moment; that
        // doesn't end the edit.
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            EndCaptionEdit(true);
    }
    return QWidget::eventFilter(watched, event);
}
