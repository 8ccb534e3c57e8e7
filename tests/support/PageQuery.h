#pragma once

// Looking things up on a laid-out page, for the layout tests.

#include "core/print/PagePrimitives.h"

#include <QList>
#include <QPoint>
#include <QString>

#include <vector>

namespace page_query {

inline std::vector<PageText> Texts(const Page& page)
{
    std::vector<PageText> texts;
    for (const PageItem& item : page.items)
        if (const auto* t = std::get_if<PageText>(&item))
            texts.push_back(*t);
    return texts;
}

inline std::vector<PageLine> Lines(const Page& page)
{
    std::vector<PageLine> lines;
    for (const PageItem& item : page.items)
        if (const auto* l = std::get_if<PageLine>(&item))
            lines.push_back(*l);
    return lines;
}

inline std::vector<PageImage> Images(const Page& page)
{
    std::vector<PageImage> images;
    for (const PageItem& item : page.items)
        if (const auto* i = std::get_if<PageImage>(&item))
            images.push_back(*i);
    return images;
}

inline std::vector<PageWhiteRect> WhiteRects(const Page& page)
{
    std::vector<PageWhiteRect> rects;
    for (const PageItem& item : page.items)
        if (const auto* r = std::get_if<PageWhiteRect>(&item))
            rects.push_back(*r);
    return rects;
}

inline std::vector<PageOutlinedText> OutlinedTexts(const Page& page)
{
    std::vector<PageOutlinedText> texts;
    for (const PageItem& item : page.items)
        if (const auto* t = std::get_if<PageOutlinedText>(&item))
            texts.push_back(*t);
    return texts;
}

// Where a text is written, in page order (empty when it is not).
inline QList<QPoint> WhereIs(const Page& page, const QString& text)
{
    QList<QPoint> points;
    for (const PageText& t : Texts(page))
        if (t.text == text)
            points << t.at;
    return points;
}

// The texts written at `at`.
inline QStringList TextsAt(const Page& page, QPoint at)
{
    QStringList texts;
    for (const PageText& t : Texts(page))
        if (t.at == at)
            texts << t.text;
    return texts;
}

// A check mark as its two lines, a-b and c-d.
struct Mark {
    QPoint a, b, c, d;
};

inline bool HasLine(const Page& page, QPoint from, QPoint to)
{
    for (const PageLine& l : Lines(page))
        if ((l.from == from && l.to == to) || (l.from == to && l.to == from))
            return true;
    return false;
}

inline bool HasMark(const Page& page, const Mark& m)
{
    return HasLine(page, m.a, m.b) && HasLine(page, m.c, m.d);
}

} // namespace page_query
