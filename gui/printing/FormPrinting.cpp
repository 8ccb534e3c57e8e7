#include "gui/printing/FormPrinting.h"

#include "core/files/NewFileMode.h"
#include "core/files/OutputTarget.h"
#include "core/prompt/Prompt.h"
#include "gui/controls/WorkProgress.h"
#include "render/painting/FormPictures.h"
#include "render/output/OffPageValues.h"
#include "render/output/PrinterOutput.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

void DisablePageRange(QPrintDialog& dialog)
{
    static const char* const rangeControls[] = {"printRange",       "from",          "to",
                                                "pagesRadioButton", "pagesLineEdit", "printSelection",
                                                "printCurrentPage"};
    for (const char* name : rangeControls)
        if (QWidget* control = dialog.findChild<QWidget*>(QLatin1String(name)))
            control->setEnabled(false);
}

// The print dialog sets a printer's own default paper (A4 on many queues)
// as soon as the printer is chosen. While it is open this keeps it on
// Letter: the page setup of a printer's Properties starts on Letter, and a
// paper the user picks there is noted, so that it can be told.
class LetterPaperGuard : public QObject {
public:
    explicit LetterPaperGuard(QDialog& dialog)
        : dialog_(dialog)
    {
        qApp->installEventFilter(this);
    }
    ~LetterPaperGuard() override { qApp->removeEventFilter(this); }

    bool UserPickedOtherPaper() const { return pickedOther_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched != &dialog_ && watched->isWidgetType() && IsInDialog(watched))
            StartOnLetter(*static_cast<QWidget*>(watched));
        return false;
    }

private:
    bool IsInDialog(const QObject* object) const
    {
        for (const QObject* o = object->parent(); o; o = o->parent())
            if (o == &dialog_)
                return true;
        return false;
    }

    void StartOnLetter(QWidget& shown)
    {
        auto* sizes = shown.findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
        if (!sizes || sizes->property("formlarkLetter").toBool())
            return;
        sizes->setProperty("formlarkLetter", true);
        for (int i = 0; i < sizes->count(); ++i)
            if (IsLetter(sizes->itemData(i).value<QPageSize>()))
                sizes->setCurrentIndex(i);
        QObject::connect(sizes, &QComboBox::activated, this, [this, sizes](int index) {
            pickedOther_ = !IsLetter(sizes->itemData(index).value<QPageSize>());
        });
    }

    QDialog& dialog_;
    bool pickedOther_ = false;
};

// A PDF the printer finished: it ends with the end-of-file mark, which a
// file cut short by a full disk lacks.
bool PdfIsWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 8)
        return false;
    file.seek(std::max<qint64>(0, file.size() - 64));
    return file.readAll().contains("%%EOF");
}

QString PrintFileName(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
}

// Where the user printed last in this run: a file, or a printer.
struct Destination {
    QString file;
    QString printer;
};

Destination& LastDestination()
{
    static Destination last;
    return last;
}

QString DestinationName(const QPrinter& printer)
{
    const QString file = PrintFileName(printer);
    return file.isEmpty() ? printer.printerName() : file;
}

// Values the printer would cut or lose: the user decides whether to print
// them anyway (or to go back and mend the alignment offsets).
bool PrintDespiteValuesOutside(const OffPageValues& outside, const QPrinter& printer)
{
    if (!outside.Any())
        return true;
    return AppPrompt().AskYesNo(outside.Describe(PrintableAreaName(printer))
                                    + QStringLiteral(
                                        " Check the alignment offsets of the print options. Print anyway?"),
                                PromptIcon::Exclamation);
}

} // namespace

QString PrintFileRefusal(const QPrinter& printer, const QString& dataFolder)
{
    const QString target = PrintFileName(printer);
    return target.isEmpty() ? QString() : OutputTargetRefusal(target, dataFolder);
}

PrintOutcome PrintJobOnPrinter(QPrinter& printer, const PrintJob& job, FormPictures& pictures,
                               const QString& dataFolder, QString* refusal, const PageProgress& progress)
{
    if (job.PageCount() <= 0)
        return PrintOutcome::Failed;
    const QString chosen = PrintFileName(printer);
    if (chosen.isEmpty())
        return PrintJobOn(printer, job, pictures, progress);
    const QString refused = OutputTargetRefusal(chosen, dataFolder);
    if (!refused.isEmpty()) {
        if (refusal)
            *refusal = refused;
        return PrintOutcome::Failed;
    }
    // Written where it was checked: links resolved as the system resolves them.
    const QString target = OutputTargetPath(chosen);

    // Printed to a file: written beside it under another name, and put in
    // its place only when whole, so a full disk (or Cancel) never leaves
    // half a file where an older one was.
    QTemporaryFile part(target + QStringLiteral(".part-XXXXXX"));
    // The PDF gets the mode of the file it replaces, or the user's umask's.
    if (!part.open() || !GiveTargetMode(part.fileName(), target))
        return PrintOutcome::Failed;
    const QString partPath = part.fileName();
    part.close();
    printer.setOutputFileName(partPath);
    PrintOutcome outcome = PrintJobOn(printer, job, pictures, progress);
    printer.setOutputFileName(chosen);
    if (outcome == PrintOutcome::Printed
        && !(PdfIsWhole(partPath)
             && std::rename(QFile::encodeName(partPath).constData(), QFile::encodeName(target).constData()) == 0))
        outcome = PrintOutcome::Failed;
    return outcome;
}

bool PrintWithDialog(QWidget* parent, const PrintJobMaker& makeJob, const QString& dataFolder)
{
    QPrinter printer(QPrinter::HighResolution);
    UseFormPaper(printer);
    printer.setCreator(QStringLiteral("Formlark (2005)"));
    const std::unique_ptr<PrintJob> job = makeJob();
    const int pages = job ? job->PageCount() : 0;
    if (pages <= 0)
        return false;
    printer.setDocName(job->DocumentTitle());

    // The dialog offers where the last print of the run went.
    const Destination& last = LastDestination();
    if (!last.file.isEmpty())
        printer.setOutputFileName(last.file);
    else if (!last.printer.isEmpty())
        printer.setPrinterName(last.printer);

    // The job prints whole: no page range, selection or current page.
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize
                      | QAbstractPrintDialog::PrintCollateCopies);
    // Some platform dialogs offer "Pages from" whatever the options say;
    // once shown, its range controls are switched off. Qt's own dialog
    // starts on the default printer even when the printer prints to a
    // file: then its last choice, "Print to File", is chosen.
    const bool lastToFile = !last.file.isEmpty();
    QTimer::singleShot(0, &dialog, [&dialog, lastToFile] {
        DisablePageRange(dialog);
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        if (lastToFile && printers && printers->count() > 1)
            printers->setCurrentIndex(printers->count() - 1);
    });
    bool pickedOtherPaper = false;
    {
        const LetterPaperGuard letter(dialog);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        pickedOtherPaper = letter.UserPickedOtherPaper();
    }
    // The dialog may leave a range behind: the job prints whole.
    printer.setPrintRange(QPrinter::AllPages);
    const QPageSize chosenPaper = printer.pageLayout().pageSize();
    if (pickedOtherPaper && !IsLetter(chosenPaper))
        AppPrompt().Tell(QStringLiteral("The forms are Letter size (8.5 x 11 in): they are printed on Letter paper, "
                                        "not on %1. Put Letter paper in the printer.")
                             .arg(chosenPaper.name()),
                         PromptIcon::Information);
    UseFormPaper(printer);

    const QString refusal = PrintFileRefusal(printer, dataFolder);
    if (!refusal.isEmpty()) {
        // A file refused as a company's is not offered again.
        AppPrompt().Tell(refusal, PromptIcon::Exclamation);
        return false;
    }
    LastDestination() = PrintFileName(printer).isEmpty() ? Destination{QString(), printer.printerName()}
                                                         : Destination{printer.outputFileName(), QString()};

    OffPageValues outside;
    {
        CWorkProgress checking(parent, QStringLiteral("Print"),
                               QStringLiteral("Checking where the values of %1 land...").arg(job->DocumentTitle()),
                               pages);
        outside = OffPageValues::Find(*job, PrintableArea(printer),
                                      [&checking](int done, int) { return checking.Step(done); });
        if (checking.Cancelled())
            return false;
    }
    if (!PrintDespiteValuesOutside(outside, printer))
        return false;

    CWorkProgress
        progress(parent, QStringLiteral("Print"),
                 QStringLiteral("Printing %1 on \"%2\"...").arg(job->DocumentTitle(), DestinationName(printer)), pages);
    FormPictures pictures = FormPictures::FromProgramFolder();
    QString refused;
    const PrintOutcome outcome = PrintJobOnPrinter(printer, *job, pictures, dataFolder, &refused,
                                                   [&progress](int done, int) { return progress.Step(done); });
    const bool toFile = !PrintFileName(printer).isEmpty();
    switch (outcome) {
    case PrintOutcome::Printed:
        if (progress.Shown())
            AppPrompt().Tell(QStringLiteral("%1 is printed: %2 pages %3 \"%4\".")
                                 .arg(job->DocumentTitle())
                                 .arg(pages)
                                 .arg(toFile ? QStringLiteral("written to") : QStringLiteral("sent to"),
                                      DestinationName(printer)),
                             PromptIcon::Information);
        return true;
    case PrintOutcome::Stopped:
        AppPrompt().Tell(
            toFile
                ? QStringLiteral("Printing was cancelled: \"%1\" was not written.").arg(DestinationName(printer))
                : QStringLiteral("Printing was cancelled: nothing was sent to \"%1\".").arg(DestinationName(printer)),
            PromptIcon::Information);
        return false;
    case PrintOutcome::Failed:
        break;
    }
    AppPrompt().Tell(refused.isEmpty() ? QStringLiteral("The forms could not be printed on \"%1\". Check the printer "
                                                        "(or the file name) and try again.")
                                             .arg(DestinationName(printer))
                                       : refused,
                     PromptIcon::Exclamation);
    return false;
}

void PreviewPrintJob(QWidget* parent, const PrintJobMaker& makeJob, const QString& dataFolder)
{
    const std::unique_ptr<PrintJob> job = makeJob();
    if (!job || job->PageCount() <= 0)
        return;
    QPrinter printer(QPrinter::HighResolution);
    UseFormPaper(printer);
    FormPictures pictures = FormPictures::FromProgramFolder();
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        // Printed from the preview to a file: the same check as from the
        // dialog. Many pages take a while: they can be stopped.
        CWorkProgress progress(&preview, QStringLiteral("Print Preview"),
                               QStringLiteral("Preparing %1...").arg(job->DocumentTitle()), job->PageCount());
        QString refusal;
        PrintJobOnPrinter(*target, *job, pictures, dataFolder, &refusal,
                          [&progress](int done, int) { return progress.Step(done); });
        if (!refusal.isEmpty())
            AppPrompt().Tell(refusal, PromptIcon::Exclamation);
    });
    preview.resize(900, 1000);
    preview.exec();
}
