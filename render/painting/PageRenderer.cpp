#include "render/painting/PageRenderer.h"

#include "core/print/PrintAlignment.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

PageRenderer::PageRenderer(FormPictures& pictures)
    : pictures_(pictures)
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
    cached.raw = QRawFont::fromFont(cached.font);
    const QFontMetricsF metrics(cached.font);
    cached.ascent = metrics.ascent();
    cached.cellHeight = metrics.ascent() + metrics.descent();
    if (cached.raw.isValid()) {
        QString latin1(256, Qt::Uninitialized);
        for (int c = 0; c < 256; ++c)
            latin1[c] = QChar(c);
        const QList<quint32> glyphs = cached.raw.glyphIndexesForString(latin1);
        const QList<QPointF> advances = cached.raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
        for (int c = 0; c < 256 && c < glyphs.size() && c < advances.size(); ++c)
            cached.latin1[size_t(c)] = {glyphs[c], advances[c].x()};
    } else {
        for (int c = 0; c < 256; ++c)
            cached.latin1[size_t(c)] = {0, metrics.horizontalAdvance(QChar(c))};
    }
    fonts_.push_back(cached);
    current_ = nullptr; // the vector may have moved
    return fonts_.back();
}

PageRenderer::Glyph PageRenderer::GlyphOf(const CachedFont& font, QChar c)
{
    if (c.unicode() < 256)
        return font.latin1[c.unicode()];
    if (!font.raw.isValid())
        return {0, QFontMetricsF(font.font).horizontalAdvance(c)};
    const QList<quint32> glyphs = font.raw.glyphIndexesForString(QString(c));
    if (glyphs.size() != 1)
        return {0, QFontMetricsF(font.font).horizontalAdvance(c)};
    return {glyphs[0], font.raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics).value(0).x()};
}

void PageRenderer::Paint(QPainter& painter, const Page& page)
{
    painter.save();
    const QPaintDevice* device = painter.device();
    const qreal sx = device ? device->logicalDpiX() / qreal(kUnitsPerInch) : 1;
    const qreal sy = device ? device->logicalDpiY() / qreal(kUnitsPerInch) : 1;
    painter.scale(sx, sy);
    painter.setBackgroundMode(Qt::TransparentMode);
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
            // A one-bit picture goes into a PDF as a stencil painted in the
            // pen's colour.
            painter.setPen(Qt::black);
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

PageRenderer::SetText PageRenderer::Set(const PageText& text, bool withGlyphs)
{
    SetText set;
    const CachedFont& font = Font(text.font);
    set.font = &font;

    // The glyphs and their places along the line. Blanks are left as gaps:
    // no blank glyph goes into a PDF (its fonts map that glyph back to a
    // tab), so the text is copied out of it with spaces.
    if (withGlyphs) {
        set.glyphs.reserve(text.text.size());
        set.places.reserve(text.text.size());
    }
    qreal natural = 0;
    bool complete = font.raw.isValid();
    for (const QChar c : text.text) {
        const Glyph glyph = GlyphOf(font, c);
        if (c != QLatin1Char(' ')) {
            complete = complete && glyph.index != 0;
            if (withGlyphs) {
                set.glyphs.append(glyph.index);
                set.places.append(QPointF(natural, 0));
            }
        }
        natural += glyph.advance;
    }
    set.complete = complete;
    set.scale = text.room > 0 && natural > text.room ? text.room / natural : 1;
    const qreal width = natural * set.scale;
    const qreal left = text.anchor == TextAnchor::TopRight ? text.at.x() - width : text.at.x();
    set.cell = QRectF(left, text.at.y(), width, font.cellHeight);
    return set;
}

QRectF PageRenderer::ValueBounds(const PageItem& item)
{
    if (const auto* text = std::get_if<PageText>(&item))
        return text->text.isEmpty() ? QRectF() : Set(*text, false).cell;
    if (const auto* line = std::get_if<PageLine>(&item)) {
        const qreal half = line->penWidth / 2.0;
        return QRectF(QPointF(line->from), QPointF(line->to)).normalized().adjusted(-half, -half, half, half);
    }
    return QRectF();
}

void PageRenderer::PaintText(QPainter& painter, const PageText& text)
{
    if (text.text.isEmpty())
        return;
    const SetText set = Set(text, true);
    const CachedFont& font = *set.font;

    // An opaque text paints its cell (its advance by the font's height) white
    // first, blanking what lies below, as printer text does by default.
    if (text.background == TextBackground::Opaque)
        painter.fillRect(set.cell, Qt::white);
    if (set.glyphs.isEmpty())
        return;
    painter.setPen(Qt::black);

    // Too wide for its room: condensed from its anchor, never cut.
    const QTransform page = set.scale != 1 ? painter.transform() : QTransform();
    QPointF origin(set.cell.left(), set.cell.top() + font.ascent);
    if (set.scale != 1) {
        painter.translate(origin);
        painter.scale(set.scale, 1);
        origin = QPointF();
    }
    if (set.complete) {
        QGlyphRun run;
        run.setRawFont(font.raw);
        run.setGlyphIndexes(set.glyphs);
        run.setPositions(set.places);
        painter.drawGlyphRun(origin, run);
    } else {
        // A character the font lacks: the painter finds another font for it.
        if (current_ != &font) {
            painter.setFont(font.font);
            current_ = &font;
        }
        painter.drawText(origin, text.text);
    }
    if (set.scale != 1)
        painter.setTransform(page);
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
