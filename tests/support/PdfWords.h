#pragma once

// The words of a PDF as pdftotext (poppler-utils) reads them back, with
// their boxes in page units (0.1 mm from the page's top-left corner).

#include <QList>
#include <QRectF>
#include <QString>

struct PdfWord {
    int page = 0; // from 1
    QString text;
    QRectF box;
};

// Empty when pdftotext is missing or cannot read the file.
QList<PdfWord> PdfWords(const QString& pdf);
