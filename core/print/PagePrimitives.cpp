#include "core/print/PagePrimitives.h"

#include <cmath>

QString FormPictureFileName(FormPicture picture)
{
    switch (picture) {
    case FormPicture::W2Form:
        return QStringLiteral("Help1.svg");
    case FormPicture::W2CopyAPage:
        return QStringLiteral("Updater.dll");
    case FormPicture::W3CopyPage:
        return QStringLiteral("Help2.svg");
    case FormPicture::W3LaserPage:
        return QStringLiteral("Contactus.msg");
    case FormPicture::Form1099:
        return QStringLiteral("Help3.svg");
    case FormPicture::Form1096:
        return QStringLiteral("Help4.svg");
    }
    return QString();
}

QString FontFamilyName(FontFace face)
{
    switch (face) {
    case FontFace::CourierNew:
        return QStringLiteral("Courier New");
    case FontFace::Arial:
        return QStringLiteral("Arial");
    case FontFace::TimesNewRoman:
        return QStringLiteral("Times New Roman");
    }
    return QString();
}

void DrawCopyWatermark(Page& page, int shiftUp, int left, int width, int height)
{
    page.items.emplace_back(PageOutlinedText{QStringLiteral("COPY"), PageFont{FontFace::TimesNewRoman, 50, false}, left,
                                             shiftUp, width, height, 5});
}

int FontHeightUnits(int points)
{
    return int(std::lround(points * double(254) / 72.0));
}
