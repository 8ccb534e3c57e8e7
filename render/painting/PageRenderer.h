#pragma once

#include "core/print/PagePrimitives.h"
#include "render/painting/FormPictures.h"

#include <QFont>
#include <QList>
#include <QRawFont>
#include <QRectF>

#include <array>
#include <vector>

class QPainter;

// Paints laid-out pages onto any painter: a printer's, a PDF writer's or an
// image's. Page units (0.1 mm) are mapped through the device's resolution
// from the painter's current origin, which every output puts at the
// paper's corner. Fonts are asked for by their names ("Courier New", "Arial", "Times
// New Roman"); the system's metric-compatible faces stand in where those are
// not installed. A text wider than its room is condensed horizontally to fit
// it, its anchor kept.
class PageRenderer {
public:
    explicit PageRenderer(FormPictures& pictures);

    void Paint(QPainter& painter, const Page& page);

    // Where a value lands, in page units: a text's cell (its painted width
    // by the font's height), a mark's line with its pen. Pictures, blanking
    // rectangles and the outlined "COPY" are no values: an empty rectangle.
    QRectF ValueBounds(const PageItem& item);

    // The font of a page font: the face by name, its em height the
    // decipoints (points x 10) in page units as FontHeightUnits gives it.
    static QFont CreateFontFromDecipoints(const PageFont& font);

private:
    struct Glyph {
        quint32 index = 0; // 0: the font has none
        qreal advance = 0;
    };
    struct CachedFont {
        PageFont key;
        QFont font;
        QRawFont raw;
        qreal ascent = 0;
        qreal cellHeight = 0; // ascent and descent: what an opaque text blanks
        std::array<Glyph, 256> latin1{};
    };
    const CachedFont& Font(const PageFont& font);
    // A character's glyph, its advance as designed: printer text is neither
    // kerned nor hinted.
    static Glyph GlyphOf(const CachedFont& font, QChar c);

    // A text set in its font: its glyphs and their places along the line,
    // the horizontal scale that fits it into its room, and its cell.
    struct SetText {
        const CachedFont* font = nullptr;
        QList<quint32> glyphs;
        QList<QPointF> places;
        bool complete = false; // the font has every glyph
        qreal scale = 1;
        QRectF cell;
    };
    SetText Set(const PageText& text, bool withGlyphs);

    void PaintText(QPainter& painter, const PageText& text);
    void PaintOutlinedText(QPainter& painter, const PageOutlinedText& text);

    FormPictures& pictures_;
    std::vector<CachedFont> fonts_;
    const CachedFont* current_ = nullptr;
};
