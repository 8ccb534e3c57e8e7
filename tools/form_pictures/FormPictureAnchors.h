#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

// Where the printed values land on each form picture.
//
// The print engine draws a picture stretched into a fixed rectangle of the
// page and writes the values at the anchor points of the form's point table
// after that table's adjustments. This file repeats those numbers on its own
// (it does not use the print engine) and turns every anchor into a position
// relative to the picture's rectangle, in the picture's own units (0.1 mm),
// so the pictures can be checked against them: every value must fall into
// an empty part of its box, every check mark into a check box.

// A text printed on the picture: its top-left corner and the widest text the
// box must hold.
struct PictureText {
    QString What;
    double X = 0;
    double Y = 0;
    int Chars = 0;  // Courier New 10 pt characters, when Sample is empty
    QString Sample; // else this text in Font at PointSize
    QString Font;
    double PointSize = 0;
    bool Bold = false;
};

// A check mark: two crossing lines between the corners of Box, drawn with
// a pen 5 units wide.
struct PictureMark {
    QString What;
    QRectF Box;
};

// One use of a picture: a paper kind and a form slot of the page.
struct PictureUse {
    QString Name;          // e.g. "W-2 blank copy, bottom form"
    QString InstalledName; // file name beside the executable
    double Width = 0;      // placement rectangle = the picture's viewBox
    double Height = 0;
    QList<PictureText> Texts;
    QList<PictureMark> Marks;
    QList<QRectF> WhiteOuts;   // painted white over the picture before the values
    QList<QRectF> MustBeBlank; // after the white-outs, no ink may remain here
};

// Character advance of Courier New 10 pt in 0.1 mm.
constexpr double kCourierAdvance = 0.6 * 10.0 * 254.0 / 72.0;

// The vertical band of a Courier New 10 pt text that holds ink, measured from
// the text's top (the cell's top): capitals, digits and descenders.
constexpr double kCourierInkTop = 6.0;
constexpr double kCourierInkBottom = 37.0;

QList<PictureUse> FormPictureUses();

// The installed picture names in the order the engine knows them.
QStringList FormPictureNames();
