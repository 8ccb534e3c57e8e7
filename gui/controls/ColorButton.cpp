#include "gui/controls/ColorButton.h"

#include <QEvent>
#include <QPainter>

namespace {

QColor Grey(int level)
{
    return QColor(level, level, level);
}

// The top and left edges of `ring` in one colour, the bottom and right
// edges in another.
void DrawRing(QPainter& painter, const QRect& ring, const QColor& topLeft, const QColor& bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(ring.topLeft(), ring.topRight());
    painter.drawLine(ring.topLeft(), ring.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(ring.bottomLeft(), ring.bottomRight());
    painter.drawLine(ring.topRight(), ring.bottomRight());
}

} // namespace

CColorButton::CColorButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    TakePaletteColours();
}

void CColorButton::TakePaletteColours()
{
    text_ = palette().color(QPalette::ButtonText);
    face_ = palette().color(QPalette::Button);
    disabled_ = Qt::white;
    update();
}

void CColorButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    // A button made before its screen got its colours, or on a desktop whose
    // theme changes, takes the colours it is shown in.
    if (event->type() == QEvent::PaletteChange && followsPalette_)
        TakePaletteColours();
}

void CColorButton::Attach(const QColor& text, const QColor& face, const QColor& disabledText, int bevelWidth)
{
    followsPalette_ = false;
    text_ = text;
    face_ = face;
    disabled_ = disabledText;
    bevel_ = std::max(0, bevelWidth);
    update();
}

QSize CColorButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int width = std::max(metrics.horizontalAdvance(text()) + 24 + 2 * bevel_, 88);
    const int height = std::max(metrics.height() + 12 + 2 * bevel_, 27);
    return QSize(width, height);
}

void CColorButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, face_);
    for (int ring = 0; ring < bevel_; ++ring)
        DrawRing(painter, area.adjusted(ring, ring, -ring, -ring), Grey(RaisedLightLevel(ring)),
                 Grey(RaisedShadowLevel(ring)));
    DrawCaption(painter, area, text_);
    if (hasFocus())
        DrawFocus(painter);
    if (hasFocus() && isDown()) {
        painter.fillRect(area, face_);
        DrawRing(painter, area, Grey(128), Qt::white);
        DrawCaption(painter, area, text_);
        DrawFocus(painter);
    }
    if (!isEnabled()) {
        // The disabled colour over the caption; a grey shadow a pixel to
        // the lower right keeps a white caption readable on a light face.
        painter.fillRect(area.adjusted(bevel_, bevel_, -bevel_, -bevel_), face_);
        DrawCaption(painter, area.translated(1, 1), Grey(128));
        DrawCaption(painter, area, disabled_);
    }
}

void CColorButton::DrawCaption(QPainter& painter, const QRect& area, const QColor& colour) const
{
    painter.setPen(colour);
    painter.setFont(font());
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text());
}

void CColorButton::DrawFocus(QPainter& painter) const
{
    QPen pen(text_);
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(4, 4, -5, -5));
}
