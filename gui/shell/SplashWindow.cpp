#include "gui/shell/SplashWindow.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

namespace {

constexpr int kSplashMilliseconds = 1000;

QPixmap SplashPicture()
{
    QSvgRenderer svg(QStringLiteral(":/formlark/splash.svg"));
    QSize size = svg.isValid() ? svg.defaultSize() : QSize(480, 300);
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    if (svg.isValid())
        svg.render(&painter);
    return pixmap;
}

} // namespace

CSplashWindow::CSplashWindow(QWidget* over)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , over_(over)
    , timer_(new QTimer(this))
    , picture_(SplashPicture())
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(picture_.size());
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &CSplashWindow::Finish);
}

CSplashWindow::~CSplashWindow()
{
    if (showing_)
        qApp->removeEventFilter(this);
}

void CSplashWindow::Start()
{
    QRect area = over_ && over_->isVisible() ? over_->frameGeometry() : QRect();
    if (area.isEmpty() && QGuiApplication::primaryScreen())
        area = QGuiApplication::primaryScreen()->availableGeometry();
    move(area.center() - rect().center());
    showing_ = true;
    qApp->installEventFilter(this);
    show();
    raise();
    timer_->start(kSplashMilliseconds);
}

void CSplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

bool CSplashWindow::eventFilter(QObject*, QEvent* event)
{
    if (!showing_)
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken as a plain key press, so no shortcut fires; the key press
        // that follows ends the splash.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
        // The press that sends the splash away does nothing else.
        Finish();
        return true;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
        return true;
    default:
        return false;
    }
}

void CSplashWindow::Finish()
{
    if (!showing_)
        return;
    showing_ = false;
    timer_->stop();
    qApp->removeEventFilter(this);
    hide();
    if (over_)
        over_->update();
    emit finished();
}
