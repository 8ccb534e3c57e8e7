#pragma once

// The words of a PDF as pdftotext (poppler-utils) reads them back, with
// their boxes in page units (0.1 mm from the page's top-left corner).

#include <QList>
#include <QPoint>
#include <QRectF>
#include <QString>

struct PdfWord {
    int page = 0; // from 1
    QString text;
    QRectF box;
};

// Empty when pdftotext is missing or cannot read the file.
QList<PdfWord> PdfWords(const QString& pdf);

// The word is on `page` with its top-left corner at `at` (within a unit and
// a half; a negative x takes any x); fails the test otherwise.
void CheckWord(const QList<PdfWord>& words, int page, const QString& text, QPoint at);

// Two PDFs of the same pages hold the same words in the same order, each on
// the same page at the same place (within a unit and a half); fails the
// test otherwise.
void CheckSameWords(const QList<PdfWord>& words, const QList<PdfWord>& expected);

// The number of pages that hold a word.
int PageCount(const QList<PdfWord>& words);
