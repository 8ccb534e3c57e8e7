#pragma once

#include "core/print/PagePrimitives.h"

#include <QImage>
#include <QString>

#include <array>

// The pictures of the blank forms for one print job. Each picture file is
// read by its content (SVG, or any image format Qt reads) whatever its name
// says, drawn once into an image and handed out again for every page, so a
// PDF holds it once. SVG pictures (line art) become one-bit images, which a
// PDF keeps as a small stencil of their ink. A missing or unreadable file
// gives a null image and the page is printed without it.
class FormPictures {
public:
    // `folder` holds the picture files; SVG pictures are drawn at
    // `dotsPerInch` for the rectangle they are first asked for.
    explicit FormPictures(const QString& folder, double dotsPerInch = 300);

    // The pictures beside the program.
    static FormPictures FromProgramFolder(double dotsPerInch = 300);

    const QImage& Image(FormPicture picture, int widthUnits, int heightUnits);

private:
    QImage Load(FormPicture picture, int widthUnits, int heightUnits) const;

    struct Entry {
        bool loaded = false;
        QImage image;
    };
    QString folder_;
    double dotsPerInch_;
    std::array<Entry, kFormPictureCount> entries_{};
};
