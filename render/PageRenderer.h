#pragma once

#include "render/FormPictures.h"
#include "core/print/PagePrimitives.h"

#include <QFont>

#include <vector>

class QPainter;

// Paints laid-out pages onto any painter: a printer's, a PDF writer's or an
// image's. Page units (0.1 mm) are mapped through the device's resolution
// from the painter's current origin, the top-left corner of the printable
// area. Fonts are asked for by their names ("Courier New", "Arial", "Times
// New Roman"); the system's metric-compatible faces stand in where those are
// not installed.
class PageRenderer {
public:
    explicit PageRenderer(FormPictures& pictures);

    void Paint(QPainter& painter, const Page& page);

    // The font of a page font: the face by name, its em height the
    // decipoints (points x 10) in page units as FontHeightUnits gives it.
    static QFont CreateFontFromDecipoints(const PageFont& font);

private:
    struct CachedFont {
        PageFont key;
        QFont font;
        qreal ascent = 0;
    };
    const CachedFont& Font(const PageFont& font);

    void PaintText(QPainter& painter, const PageText& text);
    void PaintOutlinedText(QPainter& painter, const PageOutlinedText& text);

    FormPictures& pictures_;
    std::vector<CachedFont> fonts_;
    const CachedFont* current_ = nullptr;
};
