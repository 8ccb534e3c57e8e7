#pragma once

#include <QPoint>
#include <QString>

#include <variant>
#include <vector>

// A laid-out page: what to draw, in order, in tenths of a millimetre from the
// top-left corner of the paper, y growing downward. Layout builds
// pages without any paint device; the renderer paints them onto one.

// The pictures of the blank forms, files beside the program. Their names are
// those the first editions shipped with and are read by content, whatever
// the extension says.
enum class FormPicture {
    W2Form,      // one blank W-2, drawn twice on a sheet
    W2CopyAPage, // the full W-2 Copy A page (laser substitute)
    W3CopyPage,  // the blank W-3
    W3LaserPage, // the full W-3 page (laser substitute)
    Form1099,    // one blank 1099-MISC, drawn twice on a sheet
    Form1096,    // the blank 1096
};
inline constexpr int kFormPictureCount = 6;
QString FormPictureFileName(FormPicture picture);

enum class FontFace { CourierNew, Arial, TimesNewRoman };
QString FontFamilyName(FontFace face);

struct PageFont {
    FontFace face = FontFace::CourierNew;
    int points = 10;
    bool bold = false;

    bool operator==(const PageFont&) const = default;
};

// The em height of a font of `points` points in page units, rounded to a
// whole unit as the printer fonts are made: 12 points -> 42, 10 -> 35.
int FontHeightUnits(int points);

// Whether a text paints its cell white first (the printer's default, which
// also blanks what lies under it) or leaves the background as it is.
enum class TextBackground { Opaque, Transparent };

// Where the anchor point of a text lies: its top-left corner, or its
// top-right corner (the text ends there).
enum class TextAnchor { TopLeft, TopRight };

struct PageText {
    QPoint at;
    QString text;
    PageFont font;
    TextBackground background = TextBackground::Opaque;
    TextAnchor anchor = TextAnchor::TopLeft;
    // The width the text may take from its anchor, up to the next value on
    // its line or the edge of its box; 0 for no limit. A text wider than its
    // room is painted condensed to fit it, never cut.
    int room = 0;
};

// A solid black line.
struct PageLine {
    QPoint from;
    QPoint to;
    int penWidth = 5;
};

// A form picture stretched into a rectangle.
struct PageImage {
    FormPicture picture = FormPicture::W2Form;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A white rectangle with a white border of `penWidth`, blanking part of a
// form picture.
struct PageWhiteRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int penWidth = 5;
};

// An outlined (stroked, not filled) word such as "COPY". It is placed by its
// measured size: left edge at left + (width - text width) / 2, top edge at
// shiftUp - (height - text height) / 2.
struct PageOutlinedText {
    QString text;
    PageFont font;
    int left = 0;
    int shiftUp = 0;
    int width = 0;
    int height = 0;
    int penWidth = 5;
};

using PageItem = std::variant<PageText, PageLine, PageImage, PageWhiteRect, PageOutlinedText>;

struct Page {
    std::vector<PageItem> items;

    void AddText(QPoint at, const QString& text, const PageFont& font, TextBackground background,
                 TextAnchor anchor = TextAnchor::TopLeft, int room = 0)
    {
        items.emplace_back(PageText{at, text, font, background, anchor, room});
    }
    void AddLine(QPoint from, QPoint to, int penWidth = 5) { items.emplace_back(PageLine{from, to, penWidth}); }
    void AddImage(FormPicture picture, int x, int y, int width, int height)
    {
        items.emplace_back(PageImage{picture, x, y, width, height});
    }
    void AddWhiteRect(int left, int top, int right, int bottom, int penWidth = 5)
    {
        items.emplace_back(PageWhiteRect{left, top, right, bottom, penWidth});
    }
};

// The outlined "COPY" of the blank-paper W-3 and 1096: Times New Roman at 50
// points, centred across `left`..`left + width`, its top `shiftUp` less
// half of what `height` leaves beside the text.
void DrawCopyWatermark(Page& page, int shiftUp, int left, int width, int height);

// Amounts that are exactly "0.00" are left off the printed forms.
inline bool IsZeroAmountText(const QString& text)
{
    return text == QLatin1String("0.00");
}
