#include "render/PageRenderer.h"

#include "core/print/PrintAlignment.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

PageRenderer::PageRenderer(FormPictures& pictures) : pictures_(pictures)
{
}

QFont PageRenderer::CreateFontFromDecipoints(const PageFont& font)
{
    QFont f(FontFamilyName(font.face));
    f.setPixelSize(FontHeightUnits(font.points));
    f.setBold(font.bold);
    // Printer text is neither kerned nor hinted, so widths follow the font's
    // metrics at any scale.
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleHint(font.face == FontFace::CourierNew      ? QFont::TypeWriter
                   : font.face == FontFace::TimesNewRoman ? QFont::Serif
                                                          : QFont::SansSerif);
    return f;
}

const PageRenderer::CachedFont& PageRenderer::Font(const PageFont& font)
{
    for (const CachedFont& cached : fonts_)
        if (cached.key == font)
            return cached;
    CachedFont cached;
    cached.key = font;
    cached.font = CreateFontFromDecipoints(font);
    const QFontMetricsF metrics(cached.font);
    cached.ascent = metrics.ascent();
    fonts_.push_back(cached);
    current_ = nullptr; // the vector may have moved
    return fonts_.back();
}

void PageRenderer::Paint(QPainter& painter, const Page& page)
{
    painter.save();
    const QPaintDevice* device = painter.device();
    const qreal sx = device ? device->logicalDpiX() / qreal(kUnitsPerInch) : 1;
    const qreal sy = device ? device->logicalDpiY() / qreal(kUnitsPerInch) : 1;
    painter.scale(sx, sy);
    painter.setBackground(Qt::white);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    current_ = nullptr;

    for (const PageItem& item : page.items) {
        if (const auto* text = std::get_if<PageText>(&item)) {
            PaintText(painter, *text);
        } else if (const auto* line = std::get_if<PageLine>(&item)) {
            painter.setPen(QPen(Qt::black, line->penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawLine(line->from, line->to);
        } else if (const auto* image = std::get_if<PageImage>(&item)) {
            const QImage& picture = pictures_.Image(image->picture, image->width, image->height);
            if (!picture.isNull())
                painter.drawImage(QRectF(image->x, image->y, image->width, image->height), picture);
        } else if (const auto* rect = std::get_if<PageWhiteRect>(&item)) {
            painter.setPen(QPen(Qt::white, rect->penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.setBrush(Qt::white);
            painter.drawRect(QRectF(QPointF(rect->left, rect->top), QPointF(rect->right, rect->bottom)).normalized());
            painter.setBrush(Qt::NoBrush);
        } else if (const auto* outlined = std::get_if<PageOutlinedText>(&item)) {
            PaintOutlinedText(painter, *outlined);
        }
    }
    painter.restore();
    current_ = nullptr;
}

void PageRenderer::PaintText(QPainter& painter, const PageText& text)
{
    if (text.text.isEmpty())
        return;
    const CachedFont& font = Font(text.font);
    if (current_ != &font) {
        painter.setFont(font.font);
        current_ = &font;
    }
    painter.setPen(Qt::black);
    // An opaque text paints its cell (its advance by the font's height) white
    // first, blanking what lies below, as printer text does by default.
    painter.setBackgroundMode(text.background == TextBackground::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    qreal x = text.at.x();
    if (text.anchor == TextAnchor::TopRight)
        x -= QFontMetricsF(font.font).horizontalAdvance(text.text);
    painter.drawText(QPointF(x, text.at.y() + font.ascent), text.text);
}

void PageRenderer::PaintOutlinedText(QPainter& painter, const PageOutlinedText& text)
{
    const QFont font = CreateFontFromDecipoints(text.font);
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text.text);
    const qreal left = text.left + (text.width - width) / 2;
    const qreal top = text.shiftUp - (text.height - metrics.height()) / 2;
    QPainterPath path;
    path.addText(QPointF(left, top + metrics.ascent()), font, text.text);
    painter.strokePath(path, QPen(Qt::black, text.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}
