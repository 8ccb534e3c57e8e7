#include "tests/support/PdfWords.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QtTest>

namespace {

double PointsToUnits(const QString& points)
{
    return points.toDouble() * 254 / 72;
}

QString Unescape(QString text)
{
    text.replace("&apos;", "'").replace("&quot;", "\"").replace("&lt;", "<").replace("&gt;", ">");
    return text.replace("&amp;", "&");
}

} // namespace

QList<PdfWord> PdfWords(const QString& pdf)
{
    QProcess process;
    process.start("pdftotext", {"-bbox", pdf, "-"});
    if (!process.waitForFinished(60000))
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                                        "yMax=\"([0-9.]+)\">([^<]*)</word>");
    QList<PdfWord> words;
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        const QPointF topLeft(PointsToUnits(m.captured(1)), PointsToUnits(m.captured(2)));
        const QPointF bottomRight(PointsToUnits(m.captured(3)), PointsToUnits(m.captured(4)));
        words << PdfWord{page, Unescape(m.captured(5)), QRectF(topLeft, bottomRight)};
    }
    return words;
}

void CheckWord(const QList<PdfWord>& words, int page, const QString& text, QPoint at)
{
    QStringList seen;
    for (const PdfWord& w : words) {
        if (w.page != page || w.text != text)
            continue;
        if ((at.x() < 0 || qAbs(w.box.left() - at.x()) < 1.5) && qAbs(w.box.top() - at.y()) < 1.5)
            return;
        seen << QStringLiteral("(%1, %2)").arg(w.box.left(), 0, 'f', 1).arg(w.box.top(), 0, 'f', 1);
    }
    QFAIL(qPrintable(QStringLiteral("\"%1\" not at (%2, %3) on page %4; seen at %5")
                         .arg(text)
                         .arg(at.x())
                         .arg(at.y())
                         .arg(page)
                         .arg(seen.isEmpty() ? QStringLiteral("no place") : seen.join(", "))));
}

void CheckSameWords(const QList<PdfWord>& words, const QList<PdfWord>& expected)
{
    QCOMPARE(words.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(words[i].text, expected[i].text);
        QCOMPARE(words[i].page, expected[i].page);
        QVERIFY2(qAbs(words[i].box.left() - expected[i].box.left()) < 1.5
                     && qAbs(words[i].box.top() - expected[i].box.top()) < 1.5,
                 qPrintable(QStringLiteral("\"%1\" at (%2, %3) instead of (%4, %5)")
                                .arg(expected[i].text)
                                .arg(words[i].box.left(), 0, 'f', 1)
                                .arg(words[i].box.top(), 0, 'f', 1)
                                .arg(expected[i].box.left(), 0, 'f', 1)
                                .arg(expected[i].box.top(), 0, 'f', 1)));
    }
}

int PageCount(const QList<PdfWord>& words)
{
    int pages = 0;
    for (const PdfWord& w : words)
        pages = qMax(pages, w.page);
    return pages;
}
