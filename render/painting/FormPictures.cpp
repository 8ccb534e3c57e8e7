#include "render/painting/FormPictures.h"

#include "core/print/PrintAlignment.h"
#include "core/settings/Settings.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace {

// SVG is XML text (possibly after a byte-order mark and blanks) or gzip
// compressed; anything else is handed to the image readers.
bool LooksLikeSvg(const QByteArray& data)
{
    if (data.startsWith("\x1f\x8b"))
        return true;
    qsizetype i = data.startsWith("\xef\xbb\xbf") ? 3 : 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return i < data.size() && data[i] == '<';
}

// Black-and-white pictures are kept in grey levels: a third of the memory
// and of the PDF stream.
QImage Compact(QImage image)
{
    if (image.isNull())
        return image;
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.setDevicePixelRatio(image.devicePixelRatio());
        flat.fill(Qt::white);
        QPainter p(&flat);
        p.drawImage(0, 0, image);
        p.end();
        image = flat;
    }
    if (image.allGray())
        return image.convertToFormat(QImage::Format_Grayscale8);
    return image;
}

// Line art in one bit per pixel, ink where the grey is darker than half.
// The colour table is black, white, the one a PDF takes as a stencil: the
// picture is stored as its ink alone, an eighth of the grey image, and
// painted in the pen's colour.
QImage InkBitmap(const QImage& grey)
{
    QImage bits(grey.size(), QImage::Format_Mono);
    bits.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const int width = grey.width();
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        uchar* out = bits.scanLine(y);
        std::fill(out, out + bits.bytesPerLine(), uchar(0xff));
        for (int x = 0; x < width; ++x)
            if (in[x] < 128)
                out[x >> 3] &= uchar(~(0x80 >> (x & 7)));
    }
    return bits;
}

} // namespace

FormPictures::FormPictures(const QString& folder, double dotsPerInch)
    : folder_(folder)
    , dotsPerInch_(dotsPerInch)
{
    if (!folder_.isEmpty() && !folder_.endsWith(u'/'))
        folder_ += u'/';
}

FormPictures FormPictures::FromProgramFolder(double dotsPerInch)
{
    return FormPictures(ProgramFolder(), dotsPerInch);
}

const QImage& FormPictures::Image(FormPicture picture, int widthUnits, int heightUnits)
{
    Entry& entry = entries_[size_t(picture)];
    if (!entry.loaded) {
        entry.image = Load(picture, widthUnits, heightUnits);
        entry.loaded = true;
    }
    return entry.image;
}

QImage FormPictures::Load(FormPicture picture, int widthUnits, int heightUnits) const
{
    QFile file(folder_ + FormPictureFileName(picture));
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray data = file.readAll();
    if (data.isEmpty())
        return QImage();

    if (!LooksLikeSvg(data))
        return Compact(QImage::fromData(data));

    QSvgRenderer svg(data);
    if (!svg.isValid())
        return QImage();
    const double pixelsPerUnit = dotsPerInch_ / kUnitsPerInch;
    const int width = std::max(1, int(std::lround(std::abs(widthUnits) * pixelsPerUnit)));
    const int height = std::max(1, int(std::lround(std::abs(heightUnits) * pixelsPerUnit)));
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    svg.render(&painter, QRectF(0, 0, width, height));
    painter.end();
    return InkBitmap(image);
}
