#include "tools/form_pictures/FormPictureCheck.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kUnitsPerPoint = 254.0 / 72.0;
constexpr int kDark = 128; // grey level below which a pixel counts as ink

QFont PrintFont(const QString& family, double pointSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(std::max(1, int(std::lround(pointSize * kUnitsPerPoint))));
    font.setBold(bold);
    return font;
}

// Ink band of a font below the top of its text cell: from the top of the
// tallest glyph a value can hold to the bottom of the deepest descender.
QPair<double, double> InkBand(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ$(),-.@/gjpqy"));
    return {metrics.ascent() + ink.top(), metrics.ascent() + ink.bottom()};
}

bool IsInk(QRgb pixel)
{
    return qGray(pixel) < kDark;
}

// Pixels whose area meets `r` (picture units at one pixel per unit).
QRect PixelsOf(const QRectF& r)
{
    const int left = int(std::floor(r.left()));
    const int top = int(std::floor(r.top()));
    const int right = int(std::ceil(r.right())) - 1;
    const int bottom = int(std::ceil(r.bottom())) - 1;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

int InkCount(const QImage& image, const QRect& area)
{
    const QRect clipped = area.intersected(image.rect());
    int count = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += IsInk(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// Is there a line along one side of `box`, between `near` and `far` units
// away from it? A line is a row (or column) of the band whose pixels are ink
// over most of the box's length.
bool LineBeside(const QImage& image, const QRectF& box, int side, double near, double far)
{
    const QRect b = PixelsOf(box);
    const bool vertical = side == 0 || side == 2; // left, right
    const int length = vertical ? b.height() : b.width();
    for (double d = near; d <= far; d += 1.0) {
        int ink = 0;
        for (int i = 0; i < length; ++i) {
            int x = 0;
            int y = 0;
            switch (side) {
            case 0:
                x = int(std::floor(box.left() - d));
                y = b.top() + i;
                break;
            case 1:
                x = b.left() + i;
                y = int(std::floor(box.top() - d));
                break;
            case 2:
                x = int(std::floor(box.right() + d));
                y = b.top() + i;
                break;
            default:
                x = b.left() + i;
                y = int(std::floor(box.bottom() + d));
                break;
            }
            if (image.rect().contains(x, y) && IsInk(image.pixel(x, y)))
                ++ink;
        }
        if (ink * 10 >= length * 8)
            return true;
    }
    return false;
}

QString Where(const QRectF& r)
{
    return QStringLiteral("(%1, %2)-(%3, %4)")
        .arg(r.left(), 0, 'f', 1)
        .arg(r.top(), 0, 'f', 1)
        .arg(r.right(), 0, 'f', 1)
        .arg(r.bottom(), 0, 'f', 1);
}

} // namespace

QImage RenderFormPicture(const QString& path, double scale)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    const QRectF box = renderer.viewBoxF();
    QImage image(QSize(int(std::ceil(box.width() * scale)), int(std::ceil(box.height() * scale))),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(0, 0, box.width() * scale, box.height() * scale));
    return image;
}

QRectF TextInkRect(const PictureText& text)
{
    if (text.Sample.isEmpty()) {
        static const QPair<double, double> band = InkBand(PrintFont(QStringLiteral("Courier New"), 10, false));
        return QRectF(text.X, text.Y + band.first, text.Chars * kCourierAdvance, band.second - band.first);
    }
    const QFont font = PrintFont(text.Font, text.PointSize, text.Bold);
    const QPair<double, double> band = InkBand(font);
    const double width = QFontMetricsF(font).horizontalAdvance(text.Sample);
    return QRectF(text.X, text.Y + band.first, width, band.second - band.first);
}

QRectF MarkInkRect(const PictureMark& mark)
{
    // Two lines of a 5-unit pen between the corners; their ink reaches a
    // little past the corners.
    return mark.Box.adjusted(-1.5, -1.5, 1.5, 1.5);
}

void PaintWhiteOuts(QImage& picture, const PictureUse& use, double scale)
{
    QPainter painter(&picture);
    for (const QRectF& r : use.WhiteOuts)
        painter.fillRect(QRectF(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale), Qt::white);
}

QStringList CheckPictureUse(const PictureUse& use, const QImage& picture)
{
    QStringList problems;
    const QRectF bounds(0, 0, use.Width, use.Height);
    QImage image = picture;
    PaintWhiteOuts(image, use, 1.0);

    for (const PictureText& text : use.Texts) {
        const QRectF ink = TextInkRect(text);
        if (!bounds.contains(ink))
            problems << QStringLiteral("%1: %2 lies outside the picture %3").arg(use.Name, text.What, Where(ink));
        else if (const int n = InkCount(image, PixelsOf(ink)); n > 0)
            problems << QStringLiteral("%1: %2 %3 falls on %4 pixels of line work")
                            .arg(use.Name, text.What, Where(ink))
                            .arg(n);
    }
    for (const PictureMark& mark : use.Marks) {
        const QRectF ink = MarkInkRect(mark);
        if (!bounds.contains(ink)) {
            problems << QStringLiteral("%1: mark %2 lies outside the picture %3").arg(use.Name, mark.What, Where(ink));
            continue;
        }
        if (const int n = InkCount(image, PixelsOf(ink)); n > 0)
            problems << QStringLiteral("%1: mark %2 %3 falls on %4 pixels of line work")
                            .arg(use.Name, mark.What, Where(ink))
                            .arg(n);
        static const char* sides[] = {"left", "top", "right", "bottom"};
        for (int side = 0; side < 4; ++side)
            if (!LineBeside(image, mark.Box, side, 2.0, 16.0))
                problems << QStringLiteral("%1: mark %2 has no check box line on its %3 side")
                                .arg(use.Name, mark.What, QString::fromLatin1(sides[side]));
    }
    for (const QRectF& r : use.MustBeBlank)
        if (const int n = InkCount(image, PixelsOf(r)); n > 0)
            problems
                << QStringLiteral("%1: %2 pixels of the picture show through %3").arg(use.Name).arg(n).arg(Where(r));
    return problems;
}
