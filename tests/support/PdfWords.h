#pragma once

// The words of a PDF with their places, read back with pdftotext -bbox
// (poppler-utils), for the tests that check where printed values landed.

#include <QList>
#include <QPoint>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtTest>

namespace pdf_words {

struct Word {
    int page = 0; // from 1
    QString text;
    double x = 0; // left and top, in page units (0.1 mm)
    double y = 0;
};

inline double PointsToUnits(double points)
{
    return points * 254 / 72;
}

inline QString Unescape(QString text)
{
    text.replace("&apos;", "'").replace("&quot;", "\"").replace("&lt;", "<").replace("&gt;", ">");
    return text.replace("&amp;", "&");
}

inline QList<Word> Words(const QString& pdf)
{
    QProcess process;
    process.start("pdftotext", {"-bbox", pdf, "-"});
    process.waitForFinished(60000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(
        "<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"[0-9.]+\">([^<]*)</word>");
    QList<Word> words;
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        words << Word{page, Unescape(m.captured(3)), PointsToUnits(m.captured(1).toDouble()),
                      PointsToUnits(m.captured(2).toDouble())};
    }
    return words;
}

// The word is on `page` with its top-left corner at `at` (within a unit
// and a half; a negative x takes any x).
inline void CheckWord(const QList<Word>& words, int page, const QString& text, QPoint at)
{
    QStringList seen;
    for (const Word& w : words) {
        if (w.page != page || w.text != text)
            continue;
        if ((at.x() < 0 || qAbs(w.x - at.x()) < 1.5) && qAbs(w.y - at.y()) < 1.5)
            return;
        seen << QStringLiteral("(%1, %2)").arg(w.x, 0, 'f', 1).arg(w.y, 0, 'f', 1);
    }
    QFAIL(qPrintable(QStringLiteral("\"%1\" not at (%2, %3) on page %4; seen at %5")
                         .arg(text)
                         .arg(at.x())
                         .arg(at.y())
                         .arg(page)
                         .arg(seen.isEmpty() ? QStringLiteral("no place") : seen.join(", "))));
}

inline int PageCount(const QList<Word>& words)
{
    int pages = 0;
    for (const Word& w : words)
        pages = qMax(pages, w.page);
    return pages;
}

} // namespace pdf_words
