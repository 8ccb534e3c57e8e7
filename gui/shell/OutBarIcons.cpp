#include "gui/shell/OutBarIcons.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

constexpr int kShortcutSide = 32;

// In image-index order.
constexpr const char* kShortcutFiles[] = {
    ":/icons/shortcut-company.svg", ":/icons/shortcut-people.svg", ":/icons/shortcut-briefcase.svg",
    ":/icons/shortcut-totals.svg",  ":/icons/shortcut-form.svg",
};

QPixmap RenderIcon(const QString& file, qreal ratio)
{
    const int side = qRound(kShortcutSide * ratio);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

OutBarImageList ShortcutImageList(qreal devicePixelRatio)
{
    OutBarImageList list;
    list.imageSize = QSize(kShortcutSide, kShortcutSide);
    for (const char* file : kShortcutFiles)
        list.images.append(RenderIcon(QString::fromLatin1(file), devicePixelRatio));
    return list;
}
