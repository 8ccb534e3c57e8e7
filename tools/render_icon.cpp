// Build step: draws an SVG picture as a square PNG of the given size, for
// the icon sizes the desktop's icon theme wants as bitmaps.
//
//   render_icon SVG PNG SIZE

#include "core/files/CheckedSaveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args.at(3).toInt(&sizeOk) : 0;
    if (!sizeOk || size < 1 || size > 4096) {
        std::fprintf(stderr, "usage: %s SVG PNG SIZE (SIZE 1 to 4096)\n", argv[0]);
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_icon: %s is not a picture that can be drawn\n", qPrintable(args.at(1)));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        svg.render(&painter, QRectF(0, 0, size, size));
    }
    // Written whole or not at all, so a broken build never leaves half an icon.
    const QString path = args.at(2);
    QDir().mkpath(QFileInfo(path).absolutePath());
    CheckedSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || !image.save(&out, "PNG") || !out.CommitWhole()) {
        std::fprintf(stderr, "render_icon: could not write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
