#include "gui/controls/Balloon.h"

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

void ShowBalloon(const QString& title, const QString& content, QPoint anchor, BalloonIcon icon,
                 BalloonOptions options, QWidget* anchorWindow, const QString& command, int timeoutMs)
{
    // The balloon is nobody's to keep: it always frees itself once closed.
    auto* balloon = new CBalloonWindow(title, content, icon, options | BalloonDeleteOnClose, anchorWindow,
                                       command, timeoutMs);
    balloon->Open(anchor);
}

CBalloonWindow::CBalloonWindow(const QString& title, const QString& content, BalloonIcon icon,
                               BalloonOptions options, QWidget* anchorWindow, const QString& command,
                               int timeoutMs)
    // Parented to the window the user works in, so that it is stacked with
    // that window and goes with it; it is still a window of its own.
    : QWidget(anchorWindow ? anchorWindow->window() : QApplication::activeWindow(),
              Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus
                  | ((options & BalloonTopmost) ? Qt::WindowStaysOnTopHint : Qt::WindowType(0)))
    , m_title(title)
    , m_content(content)
    , m_command(command)
    , m_options(options)
    , m_timeoutMs(std::max(timeoutMs, 0))
    , m_anchorWindow(anchorWindow)
    , m_anchorTopLevel(anchorWindow ? anchorWindow->window() : nullptr)
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

    m_contentFont = QApplication::font();
    m_titleFont = m_contentFont;
    m_titleFont.setWeight(QFont::Bold);
    setFont(m_contentFont);

    if (icon != BalloonIcon::None) {
        const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
        m_icon = style()->standardIcon(StandardPixmapOf(icon)).pixmap(QSize(size, size));
    }

    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, &QWidget::close);

    if (m_anchorWindow) {
        m_anchorWindow->installEventFilter(this);
        if (m_anchorTopLevel != m_anchorWindow)
            m_anchorTopLevel->installEventFilter(this);
        // Pointing at a window that is gone would point at nothing.
        connect(m_anchorWindow, &QObject::destroyed, this, &QWidget::close);
    }
}

CBalloonWindow::~CBalloonWindow()
{
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
}

void CBalloonWindow::Open(QPoint anchor)
{
    m_anchor = anchor;
    UpdateLayout();
    m_mouseAtOpen = QCursor::pos();
    show();

    if ((m_options & kBalloonReleaseTriggers) && !QWidget::mouseGrabber())
        grabMouse();
    if (m_timeoutMs > 0 && !(m_options & BalloonDelayedClose))
        m_timeout.start(m_timeoutMs);

    // The input being handled right now (the click or key that asked for the
    // balloon) must not close it, so the triggers watch from the next pass of
    // the event loop on.
    if (m_options & (kBalloonMouseTriggers | BalloonCloseOnKey))
        QTimer::singleShot(0, this, &CBalloonWindow::ArmTriggers);
}

void CBalloonWindow::ArmTriggers()
{
    if (!isVisible() || m_watchingInput)
        return;
    m_watchingInput = true;
    qApp->installEventFilter(this);
}

void CBalloonWindow::UpdateLayout()
{
    const QPoint anchor = m_anchorWindow ? m_anchorWindow->mapToGlobal(m_anchor) : m_anchor;
    QScreen* screen = QGuiApplication::screenAt(anchor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect monitor = screen ? screen->geometry() : QRect(anchor - QPoint(400, 300), QSize(800, 600));

    const QFontMetrics titleMetrics(m_titleFont);
    const QFontMetrics contentMetrics(m_contentFont);
    int titleWidth = titleMetrics.horizontalAdvance(m_title);
    int titleHeight = titleMetrics.height();
    if (!m_icon.isNull()) {
        const QSize iconSize = m_icon.deviceIndependentSize().toSize();
        titleWidth += iconSize.width() + kIconGap;
        titleHeight = std::max(titleHeight, iconSize.height());
    }
    if (m_options & BalloonShowCloseButton) {
        const int size = CloseButtonSize(style());
        titleWidth += kCloseButtonGap + size;
        titleHeight = std::max(titleHeight, size);
    }
    const QSize content = m_content.isEmpty()
                              ? QSize(0, 0)
                              : contentMetrics.boundingRect(QRect(0, 0, 32767, 32767),
                                                            Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs,
                                                            m_content).size();

    m_geometry = LayoutBalloon(anchor, BalloonTextSize(titleWidth, titleHeight, content), monitor);
    setGeometry(m_geometry.window);

    const QRegion region = BalloonRegion(m_geometry);
    if (region != m_region) {
        m_region = region;
        setMask(m_region);
        update();
    }
}

bool CBalloonWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (m_anchorWindow && (watched == m_anchorWindow || watched == m_anchorTopLevel)
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize) && isVisible()) {
        UpdateLayout();
    }
    if (m_watchingInput)
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
    if (BalloonInputCloses(m_options, input, m_mouseAtOpen))
        RequestClose();
}

// A close request is handled on the next pass of the event loop. One piece
// of input reaches the program's windows and widgets as several events (and
// a key as a shortcut check first); they all make one request.
void CBalloonWindow::RequestClose()
{
    if (m_requestPending)
        return;
    m_requestPending = true;
    QMetaObject::invokeMethod(this, &CBalloonWindow::HandleCloseRequest, Qt::QueuedConnection);
}

void CBalloonWindow::HandleCloseRequest()
{
    m_requestPending = false;
    if (!isVisible())
        return;
    if (m_options & BalloonDelayedClose) {
        // The first request only starts the count-down; the mouse is free
        // from now on, a key (with BalloonCloseOnKey) still closes at once.
        m_options = BalloonOptionsAfterFirstRequest(m_options);
        if (m_timeoutMs > 0)
            m_timeout.start(m_timeoutMs);
        else
            m_timeout.stop();
        return;
    }
    close();
}

void CBalloonWindow::closeEvent(QCloseEvent* event)
{
    m_timeout.stop();
    if (QWidget::mouseGrabber() == this)
        releaseMouse();
    if (m_watchingInput) {
        qApp->removeEventFilter(this);
        m_watchingInput = false;
    }
    if (m_anchorWindow)
        m_anchorWindow->removeEventFilter(this);
    if (m_anchorTopLevel)
        m_anchorTopLevel->removeEventFilter(this);
    event->accept();
}

QRect CBalloonWindow::CloseButtonRect() const
{
    if (!(m_options & BalloonShowCloseButton))
        return QRect();
    const int size = CloseButtonSize(style());
    const QRect& client = m_geometry.client;
    return QRect(client.left() + client.width() - size, client.top(), size, size);
}

void CBalloonWindow::SetCloseButtonState(bool hot, bool pushed)
{
    if (hot == m_closeHot && pushed == m_closePushed)
        return;
    m_closeHot = hot;
    m_closePushed = pushed;
    update(CloseButtonRect());
}

void CBalloonWindow::mousePressEvent(QMouseEvent* event)
{
    const bool onButton = CloseButtonRect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton && onButton) {
        m_closeArmed = true;
        SetCloseButtonState(true, true);
    }
    QWidget::mousePressEvent(event);
}

void CBalloonWindow::mouseMoveEvent(QMouseEvent* event)
{
    const bool onButton = CloseButtonRect().contains(event->position().toPoint());
    SetCloseButtonState(onButton, onButton && m_closeArmed);
    QWidget::mouseMoveEvent(event);
}

void CBalloonWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_closeArmed) {
        m_closeArmed = false;
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
    const QRect& client = m_geometry.client;
    const QRect closeButton = CloseButtonRect();
    const int lineHeight = std::max({QFontMetrics(m_titleFont).height(),
                                     m_icon.isNull() ? 0 : m_icon.deviceIndependentSize().toSize().height(),
                                     closeButton.height()});
    int x = client.left();
    if (!m_icon.isNull()) {
        const QSize iconSize = m_icon.deviceIndependentSize().toSize();
        painter.drawPixmap(x, client.top() + (lineHeight - iconSize.height()) / 2, m_icon);
        x += iconSize.width() + kIconGap;
    }
    painter.setPen(text);
    painter.setFont(m_titleFont);
    const int titleRight = closeButton.isValid() ? closeButton.left() - kCloseButtonGap : client.right() + 1;
    painter.drawText(QRect(x, client.top(), titleRight - x, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     m_title);

    painter.setFont(m_contentFont);
    const int contentTop = client.top() + lineHeight + kBalloonTitleGap;
    painter.drawText(QRect(client.left(), contentTop, client.width(), client.bottom() + 1 - contentTop),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs, m_content);

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
    const QRegion inside = Erode(m_region);
    painter.setClipRegion(inside);
    painter.fillRect(rect(), base);

    if (m_options & BalloonShadedBorder) {
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
    if (m_closeHot || m_closePushed) {
        // Flat until the mouse is over it; pushed in while pressed.
        painter.setPen(Blend(base, text, 0.5));
        painter.setBrush(m_closePushed ? Blend(base, text, 0.2) : Blend(base, QColor(Qt::white), 0.6));
        painter.drawRect(button.adjusted(0, 0, -1, -1));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(text, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const QPointF offset = m_closePushed ? QPointF(1, 1) : QPointF(0, 0);
    const QRectF glyph = QRectF(button).adjusted(button.width() * 0.3, button.height() * 0.3,
                                                 -button.width() * 0.3, -button.height() * 0.3)
                             .translated(offset);
    painter.drawLine(glyph.topLeft(), glyph.bottomRight());
    painter.drawLine(glyph.topRight(), glyph.bottomLeft());
    painter.restore();
}
