#pragma once

#include "tools/form_pictures/FormPictureAnchors.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

// Renders a form picture file (SVG, whatever its name) onto white at
// `scale` pixels per picture unit. A null image when the file is not a valid
// SVG.
QImage RenderFormPicture(const QString& path, double scale);

// The part of the picture a printed text covers with ink, in picture units.
QRectF TextInkRect(const PictureText& text);

// The part of the picture a check mark covers with ink.
QRectF MarkInkRect(const PictureMark& mark);

// Checks one use of a picture rendered at one pixel per unit: every text and
// mark inside the picture on blank ground, a check box around every mark,
// nothing left where the white-outs must clear the picture. Returns one line
// per problem.
QStringList CheckPictureUse(const PictureUse& use, const QImage& picture);

// Paints the use's white-outs over a picture rendered at `scale`.
void PaintWhiteOuts(QImage& picture, const PictureUse& use, double scale);
