#include "core/contractor/Form1099Copies.h"

namespace {

struct SideText {
    int x, y;
    const char16_t* text;
};

const PageFont kCaptionFont{FontFace::Arial, 10, true};
const PageFont kNoticeFont{FontFace::Arial, 7, false};
const PageFont kKeepFont{FontFace::Arial, 9, false};

const SideText kCopy1[] = {
    {1830, 357, u"Copy 1"},
    {1722, 410, u"For State Tax"},
    {1750, 463, u"Department"},
};

const SideText kCopyB[] = {
    {1823, 357, u"Copy B"},
    {1720, 410, u"For Recipient"},
};

// The Copy B notice, each line ending at x = 1927.
const char16_t* const kCopyBNotice[] = {
    u"This is important tax", u"information and is",  u"being furnished to",
    u"the Internal Revenue",  u"Service. If you are", u"required to file a",
    u"return, a negligence",  u"penalty or other",    u"sanction may be",
    u"imposed on you if",     u"this income is",      u"taxable and the IRS",
    u"determines that it",    u"has not been",        u"reported.",
};

const SideText kCopy2[] = {
    {1830, 357, u"Copy 2"},       {1773, 410, u"To be filed"},  {1878, 463, u"with"}, {1772, 516, u"recipient\u2019s"},
    {1732, 569, u"state income"}, {1780, 622, u"tax return, "}, {1855, 675, u"when"}, {1800, 728, u"required."},
};

const SideText kCopyC[] = {
    {1820, 357, u"Copy C"},
    {1783, 410, u"For Payer"},
};

template <size_t N>
void AddCaptions(Page& page, const SideText (&lines)[N], int halfTop)
{
    for (const SideText& line : lines)
        page.AddText(QPoint(line.x, halfTop + line.y), QString::fromUtf16(line.text), kCaptionFont,
                     TextBackground::Transparent);
}

} // namespace

const QStringList& Form1099CopyNames()
{
    static const QStringList names = {
        QStringLiteral("Copy 1-For State Tax Department"),
        QStringLiteral("Copy B-For Recipient"),
        QString::fromUtf16(u"Copy 2-To be filed with recipient\u2019s state income tax"),
        QStringLiteral("Copy C-For Payer"),
    };
    return names;
}

QString Form1099CopyName(Form1099CopyType copy)
{
    return Form1099CopyNames().value(int(copy));
}

void AddForm1099SideTexts(Page& page, Form1099CopyType copy, int halfTop)
{
    switch (copy) {
    case Form1099CopyType::Copy1:
    case Form1099CopyType::CopyB:
        page.AddWhiteRect(1670, halfTop + 350, 2000, halfTop + 590);
        page.AddWhiteRect(1680, halfTop + 610, 2000, halfTop + 1100);
        break;
    case Form1099CopyType::Copy2:
        page.AddWhiteRect(1670, halfTop + 350, 2000, halfTop + 1100);
        break;
    case Form1099CopyType::CopyC:
        page.AddWhiteRect(1680, halfTop + 350, 2000, halfTop + 590);
        break;
    }

    switch (copy) {
    case Form1099CopyType::Copy1:
        AddCaptions(page, kCopy1, halfTop);
        break;
    case Form1099CopyType::CopyB: {
        AddCaptions(page, kCopyB, halfTop);
        int y = 620;
        for (const char16_t* line : kCopyBNotice) {
            page.AddText(QPoint(1927, halfTop + y), QString::fromUtf16(line), kNoticeFont, TextBackground::Transparent,
                         TextAnchor::TopRight);
            y += 30;
        }
        page.AddText(QPoint(840, halfTop + 1250), QStringLiteral("(keep for your records)"), kKeepFont,
                     TextBackground::Transparent);
        break;
    }
    case Form1099CopyType::Copy2:
        AddCaptions(page, kCopy2, halfTop);
        page.AddLine(QPoint(1665, halfTop + 895), QPoint(1944, halfTop + 895), 4);
        break;
    case Form1099CopyType::CopyC:
        AddCaptions(page, kCopyC, halfTop);
        break;
    }
}
