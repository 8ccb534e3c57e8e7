#include "render/output/PagedOutput.h"

#include "core/files/CheckedSaveFile.h"
#include "core/files/OutputTarget.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

PrintOutcome PaintJobPages(QPainter& painter, QPagedPaintDevice& device, const PrintJob& job, PageRenderer& renderer,
                           int firstPage, int lastPage, const PageProgress& progress)
{
    const int total = lastPage - firstPage + 1;
    for (int page = firstPage; page <= lastPage; ++page) {
        if (progress && !progress(page - firstPage, total))
            return PrintOutcome::Stopped;
        if (page > firstPage && !device.newPage())
            return PrintOutcome::Failed;
        renderer.Paint(painter, job.LayOutPage(page));
    }
    if (progress && !progress(total, total))
        return PrintOutcome::Stopped;
    return PrintOutcome::Printed;
}

bool WriteJobToPdf(const PrintJob& job, FormPictures& pictures, const QString& fileName, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const int pages = job.PageCount();
    if (pages <= 0)
        return fail(QStringLiteral("there is nothing to print"));

    // Written where the target was checked: its links resolved as the
    // system resolves them.
    CheckedSaveFile file(OutputTargetPath(fileName));
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write \"%1\": %2").arg(fileName, file.errorString()));

    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Formlark (2005)"));
        writer.setTitle(job.DocumentTitle());
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (painter.begin(&writer)) {
            PageRenderer renderer(pictures);
            painted = PaintJobPages(painter, writer, job, renderer, 1, pages) == PrintOutcome::Printed;
            painted = painter.end() && painted;
        }
    }
    if (!painted) {
        file.cancelWriting();
        return fail(QStringLiteral("cannot write \"%1\": its pages could not be drawn").arg(fileName));
    }
    QString why;
    if (!file.CommitWhole(&why))
        return fail(QStringLiteral("cannot write \"%1\": %2").arg(fileName, why));
    return true;
}

QImage RenderPageImage(const Page& page, FormPictures& pictures, double dotsPerInch)
{
    const int width = int(std::lround(kLetterWidthUnits * dotsPerInch / kUnitsPerInch));
    const int height = int(std::lround(kLetterHeightUnits * dotsPerInch / kUnitsPerInch));
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PageRenderer renderer(pictures);
    renderer.Paint(painter, page);
    painter.end();
    return image;
}
