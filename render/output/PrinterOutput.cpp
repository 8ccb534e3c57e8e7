#include "render/output/PrinterOutput.h"

#include "render/output/OffPageValues.h"
#include "render/painting/FormPictures.h"
#include "render/painting/PageRenderer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

void UseFormPaper(QPrinter& printer)
{
    // The printer's own Letter where it has one: with it come its margins
    // and the name of the paper its driver knows.
    QPageSize letter(QPageSize::Letter);
    for (const QPageSize& size : QPrinterInfo(printer).supportedPageSizes())
        if (IsLetter(size))
            letter = size;
    if (printer.pageLayout().pageSize().key() != letter.key())
        printer.setPageSize(letter);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
}

bool IsLetter(const QPageSize& size)
{
    return size.isValid() && size.id() == QPageSize::Letter;
}

QRectF PrintableArea(const QPrinter& printer)
{
    const QRectF page = LetterPage();
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return page;
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    // Page units are tenths of a millimetre.
    return page.marginsRemoved(layout.minimumMargins() * 10);
}

QString PrintableAreaName(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat
               ? OffPageValues::ThePage()
               : QStringLiteral("the area \"%1\" can print").arg(printer.printerName());
}

PrintOutcome PrintJobOn(QPrinter& printer, const PrintJob& job, FormPictures& pictures, const PageProgress& progress)
{
    UseFormPaper(printer);
    printer.setDocName(job.DocumentTitle());
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::Failed;
    PageRenderer renderer(pictures);
    const PrintOutcome outcome = PaintJobPages(painter, printer, job, renderer, 1, job.PageCount(), progress);
    if (outcome == PrintOutcome::Stopped) {
        // Nothing of a stopped run reaches the printer.
        printer.abort();
        painter.end();
        return outcome;
    }
    return painter.end() ? outcome : PrintOutcome::Failed;
}

bool UsePrinterQueue(QPrinter& printer, const QString& queue, int copies, QString* why)
{
    const QStringList queues = QPrinterInfo::availablePrinterNames();
    if (!queues.contains(queue)) {
        if (why)
            *why =
                queues.isEmpty()
                    ? QStringLiteral("there is no printer queue \"%1\": this system has no printer queues").arg(queue)
                    : QStringLiteral("there is no printer queue \"%1\" (the queues are %2)")
                          .arg(queue, QStringLiteral("\"") + queues.join(QStringLiteral("\", \"")) + u'"');
        return false;
    }
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(queue);
    printer.setCopyCount(copies);
    UseFormPaper(printer);
    return true;
}
