#include "gui/controls/BalloonWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kIconGap = 4;        // between the icon and the title
constexpr int kCloseButtonGap = 8; // between the title and the close button

QStyle::StandardPixmap StandardPixmapOf(BalloonIcon icon)
{
    switch (icon) {
    case BalloonIcon::Information:
        return QStyle::SP_MessageBoxInformation;
    case BalloonIcon::Warning:
        return QStyle::SP_MessageBoxWarning;
    case BalloonIcon::Critical:
        return QStyle::SP_MessageBoxCritical;
    case BalloonIcon::Question:
    case BalloonIcon::None:
        break;
    }
    return QStyle::SP_MessageBoxQuestion;
}

int CloseButtonSize(const QStyle* style)
{
    const int size = style->pixelMetric(QStyle::PM_TitleBarButtonSize);
    return size > 0 ? size : 16;
}

QColor Blend(const QColor& a, const QColor& b, double bShare)
{
    const double aShare = 1.0 - bShare;
    return QColor::fromRgbF(static_cast<float>(a.redF() * aShare + b.redF() * bShare),
                            static_cast<float>(a.greenF() * aShare + b.greenF() * bShare),
                            static_cast<float>(a.blueF() * aShare + b.blueF() * bShare));
}

// The tail, row by row from the tip (one pixel, on the anchor) to the base,
// with the end points of each row included. A polygon's region would leave
// out the pixels along its right and lower edges, and the tip with them.
QRegion TailRegion(const BalloonTail& tail)
{
    QRegion region;
    const int rows = std::abs(tail.base1.y() - tail.tip.y());
    const int step = tail.base1.y() > tail.tip.y() ? 1 : -1;
    for (int i = 0; i <= rows; ++i) {
        const double t = rows ? double(i) / rows : 1.0;
        const double x1 = tail.tip.x() + (tail.base1.x() - tail.tip.x()) * t;
        const double x2 = tail.tip.x() + (tail.base2.x() - tail.tip.x()) * t;
        const int left = static_cast<int>(std::lround(std::min(x1, x2)));
        const int right = static_cast<int>(std::lround(std::max(x1, x2)));
        region += QRect(left, tail.tip.y() + i * step, right - left + 1, 1);
    }
    return region;
}

// The window's shape: the rounded body and the tail triangle.
QRegion BalloonRegion(const BalloonGeometry& g)
{
    const QRect& b = g.body;
    const int d = kBalloonCornerDiameter;
    const int r = d / 2;
    QRegion region(b.adjusted(r, 0, -r, 0));
    region += b.adjusted(0, r, 0, -r);
    region += QRegion(QRect(b.left(), b.top(), d, d), QRegion::Ellipse);
    region += QRegion(QRect(b.right() - d + 1, b.top(), d, d), QRegion::Ellipse);
    region += QRegion(QRect(b.left(), b.bottom() - d + 1, d, d), QRegion::Ellipse);
    region += QRegion(QRect(b.right() - d + 1, b.bottom() - d + 1, d, d), QRegion::Ellipse);
    region += TailRegion(g.tail);
    return region;
}

// The region less a one-pixel band along its outline.
QRegion Erode(const QRegion& r)
{
    return r & r.translated(1, 0) & r.translated(-1, 0) & r.translated(0, 1) & r.translated(0, -1);
}

BalloonButton ButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return BalloonButton::Left;
    case Qt::MiddleButton:
        return BalloonButton::Middle;
    case Qt::RightButton:
        return BalloonButton::Right;
    default:
        return BalloonButton::Other;
    }
}

} // namespace

void ShowBalloon(const QString& title, const QString& content, QPoint anchor, BalloonIcon icon, BalloonOptions options,
                 QWidget* anchorWindow, const QString& command, int timeoutMs)
{
    // The balloon is nobody's to keep: it always frees itself once closed.
    auto* balloon = new CBalloonWindow(title, content, icon, options | BalloonDeleteOnClose, anchorWindow, command,
                                       timeoutMs);
    balloon->Open(anchor);
}

CBalloonWindow::CBalloonWindow(const QString& title, const QString& content, BalloonIcon icon, BalloonOptions options,
                               QWidget* anchorWindow, const QString& command, int timeoutMs)
    // Parented to the window the user works in, so that it is stacked with
    // that window and goes with it; it is still a window of its own.
    : QWidget(anchorWindow ? anchorWindow->window() : QApplication::activeWindow(),
              Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus
                  | ((options & BalloonTopmost) ? Qt::WindowStaysOnTopHint : Qt::WindowType(0)))
    , title_(title)
    , content_(content)
    , command_(command)
    , options_(options)
    , timeoutMs_(std::max(timeoutMs, 0))
    , anchorWindow_(anchorWindow)
    , anchorTopLevel_(anchorWindow ? anchorWindow->window() : nullptr)
{
    setObjectName(QStringLiteral("balloon"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_DeleteOnClose, (options & BalloonDeleteOnClose) != 0);
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);
    setPalette(QToolTip::palette());
    resize(10, 10);

    // The drop shadow of the native balloon cannot be had here: the window
    // is cut to its outline by a mask, which leaves no translucent margin to
    // draw a shadow into. Both kinds of balloon (with and without
    // BalloonNoShadow) therefore look the same.

    contentFont_ = QApplication::font();
    titleFont_ = contentFont_;
    titleFont_.setWeight(QFont::Bold);
    setFont(contentFont_);

    if (icon != BalloonIcon::None) {
        const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
        icon_ = style()->standardIcon(StandardPixmapOf(icon)).pixmap(QSize(size, size));
    }

    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, &QWidget::close);

    if (anchorWindow_) {
        anchorWindow_->installEventFilter(this);
        if (anchorTopLevel_ != anchorWindow_)
            anchorTopLevel_->installEventFilter(this);
        // Pointing at a window that is gone would point at nothing.
        connect(anchorWindow_, &QObject::destroyed, this, &QWidget::close);
    }
}

CBalloonWindow::~CBalloonWindow()
{
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
}

void CBalloonWindow::Open(QPoint anchor)
{
    anchor_ = anchor;
    UpdateLayout();
    mouseAtOpen_ = QCursor::pos();
    show();

    if ((options_ & kBalloonReleaseTriggers) && !QWidget::mouseGrabber())
        grabMouse();
    if (timeoutMs_ > 0 && !(options_ & BalloonDelayedClose))
        timeout_.start(timeoutMs_);

    // The input being handled right now (the click or key that asked for the
    // balloon) must not close it, so the triggers watch from the next pass of
    // the event loop on.
    if (options_ & (kBalloonMouseTriggers | BalloonCloseOnKey))
        QTimer::singleShot(0, this, &CBalloonWindow::ArmTriggers);
}

void CBalloonWindow::ArmTriggers()
{
    if (!isVisible() || watchingInput_)
        return;
    watchingInput_ = true;
    qApp->installEventFilter(this);
}

void CBalloonWindow::UpdateLayout()
{
    const QPoint anchor = anchorWindow_ ? anchorWindow_->mapToGlobal(anchor_) : anchor_;
    QScreen* screen = QGuiApplication::screenAt(anchor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect monitor = screen ? screen->geometry() : QRect(anchor - QPoint(400, 300), QSize(800, 600));

    const QFontMetrics titleMetrics(titleFont_);
    const QFontMetrics contentMetrics(contentFont_);
    int titleWidth = titleMetrics.horizontalAdvance(title_);
    int titleHeight = titleMetrics.height();
    if (!icon_.isNull()) {
        const QSize iconSize = icon_.deviceIndependentSize().toSize();
        titleWidth += iconSize.width() + kIconGap;
        titleHeight = std::max(titleHeight, iconSize.height());
    }
    if (options_ & BalloonShowCloseButton) {
        const int size = CloseButtonSize(style());
        titleWidth += kCloseButtonGap + size;
        titleHeight = std::max(titleHeight, size);
    }
    // The content wraps to fit the monitor; a word too long for a line
    // breaks anywhere rather than sticking out.
    const int limit = BalloonContentWidthLimit(monitor);
    contentFlags_ = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs | Qt::TextWordWrap;
    QSize content(0, 0);
    if (!content_.isEmpty()) {
        content = contentMetrics.boundingRect(QRect(0, 0, limit, 32767), contentFlags_, content_).size();
        if (content.width() > limit) {
            contentFlags_ = (contentFlags_ & ~Qt::TextWordWrap) | Qt::TextWrapAnywhere;
            content = contentMetrics.boundingRect(QRect(0, 0, limit, 32767), contentFlags_, content_).size();
        }
    }

    geometry_ = LayoutBalloon(anchor, BalloonTextSize(titleWidth, titleHeight, content), monitor);
    setGeometry(geometry_.window);

    const QRegion region = BalloonRegion(geometry_);
    if (region != region_) {
        region_ = region;
        setMask(region_);
        update();
    }
}

bool CBalloonWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (anchorWindow_ && (watched == anchorWindow_ || watched == anchorTopLevel_)
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize) && isVisible()) {
        UpdateLayout();
    }
    if (watchingInput_)
        WatchInput(event);
    return false; // the input goes on to where it was going
}

void CBalloonWindow::WatchInput(QEvent* event)
{
    BalloonInput input;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        input.kind = BalloonInputKind::Press;
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonRelease:
        input.kind = BalloonInputKind::Release;
        break;
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseMove:
        input.kind = BalloonInputKind::Move;
        break;
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: // a key that is a shortcut never arrives as a key press
        input.kind = BalloonInputKind::Key;
        break;
    default:
        return;
    }
    if (input.kind != BalloonInputKind::Key) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        input.button = ButtonOf(mouse->button());
        input.position = mouse->globalPosition().toPoint();
    }
    if (BalloonInputCloses(options_, input, mouseAtOpen_))
        RequestClose();
}

// A close request is handled on the next pass of the event loop. One piece
// of input reaches the program's windows and widgets as several events (and
// a key as a shortcut check first); they all make one request.
void CBalloonWindow::RequestClose()
{
    if (requestPending_)
        return;
    requestPending_ = true;
    QMetaObject::invokeMethod(this, &CBalloonWindow::HandleCloseRequest, Qt::QueuedConnection);
}

void CBalloonWindow::HandleCloseRequest()
{
    requestPending_ = false;
    if (!isVisible())
        return;
    if (options_ & BalloonDelayedClose) {
        // The first request only starts the count-down; the mouse is free
        // from now on, a key (with BalloonCloseOnKey) still closes at once.
        options_ = BalloonOptionsAfterFirstRequest(options_);
        if (timeoutMs_ > 0)
            timeout_.start(timeoutMs_);
        else
            timeout_.stop();
        return;
    }
    close();
}

void CBalloonWindow::closeEvent(QCloseEvent* event)
{
    timeout_.stop();
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    if (watchingInput_) {
        qApp->removeEventFilter(this);
        watchingInput_ = false;
    }
    if (anchorWindow_)
        anchorWindow_->removeEventFilter(this);
    if (anchorTopLevel_)
        anchorTopLevel_->removeEventFilter(this);
    event->accept();
}

QRect CBalloonWindow::CloseButtonRect() const
{
    if (!(options_ & BalloonShowCloseButton))
        return QRect();
    const int size = CloseButtonSize(style());
    const QRect& client = geometry_.client;
    return QRect(client.left() + client.width() - size, client.top(), size, size);
}

void CBalloonWindow::SetCloseButtonState(bool hot, bool pushed)
{
    if (hot == closeHot_ && pushed == closePushed_)
        return;
    closeHot_ = hot;
    closePushed_ = pushed;
    update(CloseButtonRect());
}

void CBalloonWindow::mousePressEvent(QMouseEvent* event)
{
    const bool onButton = CloseButtonRect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton && onButton) {
        closeArmed_ = true;
        SetCloseButtonState(true, true);
    }
    QWidget::mousePressEvent(event);
}

void CBalloonWindow::mouseMoveEvent(QMouseEvent* event)
{
    const bool onButton = CloseButtonRect().contains(event->position().toPoint());
    SetCloseButtonState(onButton, onButton && closeArmed_);
    QWidget::mouseMoveEvent(event);
}

void CBalloonWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && closeArmed_) {
        closeArmed_ = false;
        const bool onButton = CloseButtonRect().contains(event->position().toPoint());
        SetCloseButtonState(onButton, false);
        if (onButton) {
            close();
            return;
        }
    }
    QWidget::mouseReleaseEvent(event);
}

void CBalloonWindow::leaveEvent(QEvent* event)
{
    SetCloseButtonState(false, false);
    QWidget::leaveEvent(event);
}

void CBalloonWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintFrame(painter);

    const QColor text = palette().color(QPalette::ToolTipText);
    const QRect& client = geometry_.client;
    const QRect closeButton = CloseButtonRect();
    const int lineHeight = std::max({QFontMetrics(titleFont_).height(),
                                     icon_.isNull() ? 0 : icon_.deviceIndependentSize().toSize().height(),
                                     closeButton.height()});
    int x = client.left();
    if (!icon_.isNull()) {
        const QSize iconSize = icon_.deviceIndependentSize().toSize();
        painter.drawPixmap(x, client.top() + (lineHeight - iconSize.height()) / 2, icon_);
        x += iconSize.width() + kIconGap;
    }
    painter.setPen(text);
    painter.setFont(titleFont_);
    const int titleRight = closeButton.isValid() ? closeButton.left() - kCloseButtonGap : client.right() + 1;
    painter.drawText(QRect(x, client.top(), titleRight - x, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, title_);

    painter.setFont(contentFont_);
    const int contentTop = client.top() + lineHeight + kBalloonTitleGap;
    painter.drawText(QRect(client.left(), contentTop, client.width(), client.bottom() + 1 - contentTop), contentFlags_,
                     content_);

    if (closeButton.isValid())
        PaintCloseButton(painter);
}

void CBalloonWindow::PaintFrame(QPainter& painter)
{
    const QColor base = palette().color(QPalette::ToolTipBase);
    const QColor text = palette().color(QPalette::ToolTipText);

    // The outline is the region's own outermost pixels, so that it follows
    // the mask exactly, steps and all.
    painter.fillRect(rect(), text);
    const QRegion inside = Erode(region_);
    painter.setClipRegion(inside);
    painter.fillRect(rect(), base);

    if (options_ & BalloonShadedBorder) {
        // Two pixels inside the outline: lit from the top left, shaded
        // towards the bottom right.
        painter.setClipRegion(inside - inside.translated(-2, -2));
        painter.fillRect(rect(), Blend(base, text, 0.45));
        painter.setClipRegion(inside - inside.translated(2, 2));
        painter.fillRect(rect(), Blend(base, QColor(Qt::white), 0.7));
    }
    painter.setClipping(false);
}

void CBalloonWindow::PaintCloseButton(QPainter& painter)
{
    const QRect button = CloseButtonRect();
    const QColor base = palette().color(QPalette::ToolTipBase);
    const QColor text = palette().color(QPalette::ToolTipText);

    painter.save();
    if (closeHot_ || closePushed_) {
        // Flat until the mouse is over it; pushed in while pressed.
        painter.setPen(Blend(base, text, 0.5));
        painter.setBrush(closePushed_ ? Blend(base, text, 0.2) : Blend(base, QColor(Qt::white), 0.6));
        painter.drawRect(button.adjusted(0, 0, -1, -1));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(text, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const QPointF offset = closePushed_ ? QPointF(1, 1) : QPointF(0, 0);
    const QRectF glyph = QRectF(button)
                             .adjusted(button.width() * 0.3, button.height() * 0.3, -button.width() * 0.3,
                                       -button.height() * 0.3)
                             .translated(offset);
    painter.drawLine(glyph.topLeft(), glyph.bottomRight());
    painter.drawLine(glyph.topRight(), glyph.bottomLeft());
    painter.restore();
}
