#include "gui/import/TextureProgressBar.h"

#include <QImage>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QSvgRenderer>

CTextureProgressBar::CTextureProgressBar(const QString& texture, QWidget* parent)
    : QProgressBar(parent)
    , textureFile_(texture)
{
    setTextVisible(false);
}

QSize CTextureProgressBar::sizeHint() const
{
    return QSize(QProgressBar::sizeHint().width(), 20);
}

void CTextureProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.frameShape = QFrame::StyledPanel;
    frame.state |= QStyle::State_Sunken;
    frame.lineWidth = 1;
    painter.fillRect(rect(), palette().base());
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);

    const QRect inside = rect().adjusted(2, 2, -2, -2);
    const int span = maximum() - minimum();
    if (span <= 0 || inside.isEmpty())
        return;
    const int filled = int(qint64(inside.width()) * (value() - minimum()) / span);
    if (filled <= 0)
        return;
    // The picture is made again only when the bar's height changes.
    const qreal ratio = devicePixelRatioF();
    const int height = qRound(inside.height() * ratio);
    if (texture_.isNull() || texture_.height() != height) {
        QSvgRenderer renderer(textureFile_);
        const QSize natural = renderer.defaultSize().isEmpty() ? QSize(12, 16) : renderer.defaultSize();
        const int width = std::max(1, height * natural.width() / std::max(1, natural.height()));
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter imagePainter(&image);
        renderer.render(&imagePainter, QRectF(0, 0, width, height));
        imagePainter.end();
        texture_ = QPixmap::fromImage(image);
        texture_.setDevicePixelRatio(ratio);
    }
    painter.drawTiledPixmap(QRect(inside.left(), inside.top(), filled, inside.height()), texture_);
}
