#include "tests/support/PdfWords.h"

#include <QProcess>
#include <QRegularExpression>

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
