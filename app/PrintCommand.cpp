#include "app/PrintCommand.h"

#include "app/CommandLine.h"
#include "core/check/PrintCheck.h"
#include "core/companyfiles/CompanyFiles.h"
#include "render/output/HeadlessGui.h"
#include "core/settings/Settings.h"
#include "core/print/ContractorPrintOptions.h"
#include "core/contractor/ContractorScreenPrint.h"
#include "core/contractor/Form1096PrintJob.h"
#include "core/contractor/Form1099Copies.h"
#include "core/contractor/Form1099PrintJob.h"
#include "core/records/DisplayOrder.h"
#include "core/store/CompanyData.h"
#include "core/store/RecordLookup.h"
#include "render/painting/FormPictures.h"
#include "render/output/OffPageValues.h"
#include "render/output/PagedOutput.h"
#include "render/output/PrinterOutput.h"
#include "core/print/TwoFormSheetJob.h"
#include "core/wage/W2PrintJob.h"
#include "core/wage/W3PrintJob.h"
#include "core/wage/WageCopies.h"
#include "core/print/WagePrintOptions.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

using Failure = CommandFailure;

struct Arguments {
    QString company;
    QString form;
    std::optional<PrintTarget> target;
    QString paper;
    std::optional<int> copy;
    std::optional<double> offsetX;
    std::optional<double> offsetY;
    std::optional<double> verticalSpace;
    QString pdf;
    bool strict = false;
    QString printer;
    std::optional<int> copies;
};

// Inches as the alignment boxes take them: up to two whole digits and two
// decimals, with a sign where a direction is meant.
std::optional<double> ParseInches(const QString& text, bool allowSign)
{
    static const QRegularExpression signedPattern(QStringLiteral("^[+-]?(\\d{1,2}(\\.\\d{0,2})?|\\.\\d{1,2})$"));
    static const QRegularExpression unsignedPattern(QStringLiteral("^(\\d{1,2}(\\.\\d{0,2})?|\\.\\d{1,2})$"));
    if (!(allowSign ? signedPattern : unsignedPattern).match(text).hasMatch())
        return std::nullopt;
    return text.toDouble();
}

// The options' values, and the rules that tie them to the form.
std::optional<Failure> ReadArguments(const CommandRun& run, Arguments& out)
{
    out.company = run.Value("--company");
    out.form = run.Value("--form");
    if (run.Has("--all"))
        out.target = PrintTarget::All;
    else if (run.Has("--current"))
        out.target = PrintTarget::Current;
    out.paper = run.Value("--paper");
    if (run.Has("--copy")) {
        static const QRegularExpression digits(QStringLiteral("^\\d{1,2}$"));
        const QString value = run.Value("--copy");
        if (!digits.match(value).hasMatch())
            return Failure{QStringLiteral("--copy must be a copy number, not \"%1\"").arg(value)};
        out.copy = value.toInt();
    }
    for (const char* name : {"--offset-x", "--offset-y"}) {
        if (!run.Has(name))
            continue;
        const auto inches = ParseInches(run.Value(name), true);
        if (!inches)
            return Failure{QStringLiteral("%1 must be inches such as 0.25 or -1.5 (at most 99.99), not \"%2\"")
                               .arg(QLatin1String(name), run.Value(name))};
        (qstrcmp(name, "--offset-x") == 0 ? out.offsetX : out.offsetY) = *inches;
    }
    if (run.Has("--vertical-space")) {
        const QString value = run.Value("--vertical-space");
        const auto inches = ParseInches(value, false);
        if (!inches || *inches < 0.75 || *inches > 1.75)
            return Failure{QStringLiteral("--vertical-space must be inches from 0.75 to 1.75, not \"%1\"").arg(value)};
        out.verticalSpace = *inches;
    }
    out.pdf = run.Value("--pdf");
    out.printer = run.Value("--printer");
    if (run.Has("--copies")) {
        static const QRegularExpression count(QStringLiteral("^[1-9]\\d{0,2}$"));
        const QString value = run.Value("--copies");
        if (!count.match(value).hasMatch())
            return Failure{QStringLiteral("--copies must be a number from 1 to 999, not \"%1\"").arg(value)};
        if (out.printer.isEmpty())
            return Failure{QStringLiteral("--copies goes with --printer")};
        out.copies = value.toInt();
    }
    out.strict = run.Has("--strict");

    const bool twoUp = out.form == QLatin1String("w2") || out.form == QLatin1String("1099");
    if (out.target && !twoUp)
        return Failure{QStringLiteral("--all and --current apply to w2 and 1099 only")};
    if (out.paper == QLatin1String("laser") && (out.form == QLatin1String("1099") || out.form == QLatin1String("1096")))
        return Failure{QStringLiteral("--paper laser applies to w2 and w3 only")};
    if (out.copy) {
        if (!twoUp)
            return Failure{QStringLiteral("--copy applies to w2 and 1099 only")};
        if (!out.paper.isEmpty() && out.paper != QLatin1String("copy"))
            return Failure{QStringLiteral("--copy goes with --paper copy")};
        const int copies = out.form == QLatin1String("w2") ? kW2CopyCount : k1099CopyCount;
        if (*out.copy >= copies)
            return Failure{QStringLiteral("--copy must be 0 to %1 for %2").arg(copies - 1).arg(out.form)};
        out.paper = QStringLiteral("copy");
    }
    if (out.verticalSpace && out.form != QLatin1String("w2"))
        return Failure{QStringLiteral("--vertical-space applies to w2 only")};
    return std::nullopt;
}

// The offsets of the command line as magnitude and direction.
template <class Options>
void ApplyOffsets(const Arguments& a, Options& o)
{
    if (a.offsetX) {
        o.HorizontalOffset = std::abs(*a.offsetX);
        o.HorizontalDirection = *a.offsetX < 0 ? kLeftOrUp : kRightOrDown;
    }
    if (a.offsetY) {
        o.VerticalOffset = std::abs(*a.offsetY);
        o.VerticalDirection = *a.offsetY < 0 ? kLeftOrUp : kRightOrDown;
    }
}

// Everything one job needs kept alive while it is written.
struct CommandJob {
    std::unique_ptr<PrintJob> job;
    QString nothingToPrint;
    QString warning;
    PrintedWithErrors errors; // the printed forms the check finds errors in
};

// The people a job of `target` prints: every one in list order, or the
// first of it.
std::vector<int> PrintedOwners(PrintTarget target, const std::vector<int>& order)
{
    if (target == PrintTarget::All || order.empty())
        return order;
    return {order.front()};
}

CommandJob BuildJob(const Arguments& a, const CompanyData& data, const QString& company)
{
    CommandJob result;
    if (a.form == QLatin1String("w2")) {
        PrintW2Options o;
        ReadPrintW2Options(o);
        if (a.target)
            o.Target = *a.target;
        if (a.paper == QLatin1String("preprinted")) {
            o.Paper = PaperType::Preprinted;
        } else if (a.paper == QLatin1String("laser")) {
            o.Paper = PaperType::Blank;
            o.BlankCopy = W2CopyType::LaserCopyA;
        } else if (a.paper == QLatin1String("copy")) {
            o.Paper = PaperType::Blank;
            if (a.copy)
                o.BlankCopy = W2CopyType(*a.copy);
            else if (o.BlankCopy == W2CopyType::LaserCopyA)
                o.BlankCopy = W2CopyType::Copy1;
        }
        ApplyOffsets(a, o);
        if (a.verticalSpace)
            o.VerticalSpace = *a.verticalSpace;
        if (data.employees.empty())
            result.nothingToPrint = o.Target == PrintTarget::All
                                        ? QStringLiteral("company \"%1\" has no W-2 forms to print").arg(company)
                                        : QStringLiteral("company \"%1\" has no employees").arg(company);
        const std::vector<int> order = FirstNameOrder(data.employees);
        result.errors = W2PrintErrors(data, PrintedOwners(o.Target, order));
        result.job = std::make_unique<W2PrintJob>(data.company, data.employees, data.w2s, o,
                                                  order.empty() ? 0 : order.front());
    } else if (a.form == QLatin1String("w3")) {
        PrintW3Options o;
        ReadPrintW3Options(o);
        if (!a.paper.isEmpty())
            o.Paper = a.paper == QLatin1String("copy")    ? PaperType::Blank
                      : a.paper == QLatin1String("laser") ? PaperType::LaserSubstitute
                                                          : PaperType::Preprinted;
        ApplyOffsets(a, o);
        if (ComputeW3Totals(data.employees, data.w2s).formCount == 0)
            result.nothingToPrint = QStringLiteral("company \"%1\" has no W-2 forms to total on a W-3").arg(company);
        result.errors = W3PrintErrors(data);
        result.job = std::make_unique<W3PrintJob>(data.company, data.employees, data.w2s, o);
    } else if (a.form == QLatin1String("1099")) {
        Print1099Options o;
        ReadPrint1099Options(o);
        if (a.target)
            o.Target = *a.target;
        if (a.paper == QLatin1String("preprinted"))
            o.Paper = PaperType::Preprinted;
        else if (a.paper == QLatin1String("copy"))
            o.Paper = PaperType::Blank;
        if (a.copy)
            o.Copy = Form1099CopyType(*a.copy);
        ApplyOffsets(a, o);
        const std::vector<int> order = FirstNameOrder(data.contractors);
        const int current = order.empty() ? 0 : order.front();
        if (data.contractors.empty()) {
            result.nothingToPrint = o.Target == PrintTarget::All
                                        ? QStringLiteral("company \"%1\" has no 1099-MISC forms to print").arg(company)
                                        : QStringLiteral("company \"%1\" has no contractors").arg(company);
        } else if (!Form1099EmptyFieldsQuestion(data, o, current).isEmpty()) {
            // What the 1099-MISC screen asks about before it prints.
            result.warning = o.Target == PrintTarget::All
                                 ? QStringLiteral("one or more 1099 forms contain empty fields")
                                 : QStringLiteral("the 1099 form contains empty fields");
        }
        result.errors = Form1099PrintErrors(data, PrintedOwners(o.Target, order));
        result.job = std::make_unique<Form1099PrintJob>(data.company, data.contractors, data.forms1099, o, current);
    } else {
        Print1096Options o;
        ReadPrint1096Options(o);
        if (a.paper == QLatin1String("preprinted"))
            o.Paper = PaperType::Preprinted;
        else if (a.paper == QLatin1String("copy"))
            o.Paper = PaperType::Blank;
        ApplyOffsets(a, o);
        if (ComputeForm1096Totals(data.contractors, data.forms1099).formCount == 0)
            result.nothingToPrint =
                QStringLiteral("company \"%1\" has no 1099-MISC forms to total on a 1096").arg(company);
        result.errors = Form1096PrintErrors(data);
        result.job = std::make_unique<Form1096PrintJob>(data.company, data.contractors, data.forms1099, o);
    }
    return result;
}

} // namespace

const CommandSyntax& PrintSyntax()
{
    static const CommandSyntax syntax{
        .name = "print",
        .purpose = "Writes the forms of a company of the data folder to one PDF on Letter paper, or sends them to a "
                   "printer queue on Letter paper. Options left out "
                   "keep the saved print options of the form; the settings file is only read.\n\n"
                   "Forms the check finds errors in (see formlark check) are printed with a warning on stderr; "
                   "--strict prints nothing then.",
        .options =
            {
                CompanyOptionSyntax(),
                {.name = "--form",
                 .choices = {"w2", "w3", "1099", "1096"},
                 .required = true,
                 .help = "the W-2s, the W-3, the 1099-MISCs or the 1096"},
                {.name = "--all", .group = "target", .help = "every W-2 / 1099-MISC (w2 and 1099 only)"},
                {.name = "--current",
                 .group = "target",
                 .help = "the first employee or contractor of the list (w2 and 1099 only)"},
                {.name = "--paper",
                 .choices = {"preprinted", "copy", "laser"},
                 .help = "preprinted: data only; copy: on blank paper with the picture of the form; laser: "
                         "full-page substitute (w2 and w3 only)"},
                {.name = "--copy",
                 .value = "INDEX",
                 .help = "the copy on blank paper: w2 0-4 (1, 2, B, C, D), 1099 0-3 (1, B, 2, C)"},
                {.name = "--offset-x",
                 .value = "INCHES",
                 .help = "alignment on pre-printed forms in inches, up to 99.99 with two decimals; negative is "
                         "left"},
                {.name = "--offset-y", .value = "INCHES", .help = "the same, down; negative is up"},
                {.name = "--vertical-space",
                 .value = "INCHES",
                 .help = "inches between the two W-2 forms of a sheet, 0.75 to 1.75 (w2 only)"},
                {.name = "--pdf", .value = "FILE", .required = true, .group = "output", .help = "the PDF to write"},
                {.name = "--printer",
                 .value = "QUEUE",
                 .required = true,
                 .group = "output",
                 .help = "the printer queue to send the forms to, on Letter paper (lpstat -p lists them)"},
                {.name = "--copies", .value = "N", .help = "copies of the job, 1 to 999 (with --printer)"},
                {.name = "--strict", .help = "print nothing when a form to print has errors"},
            },
        .problemsFound = "--strict finds errors in the forms to print (nothing is printed)",
    };
    return syntax;
}

int RunPrintCommand(CommandRun& run)
{
    Arguments a;
    if (auto failure = ReadArguments(run, a))
        return run.Fail(*failure);
    // Painting needs an application of the window toolkit, never a display.
    PrepareHeadlessGui();
    QGuiApplication app(run.ApplicationArgc(), run.ApplicationArgv());
    run.Start();

    QString folder;
    QString storeFile;
    if (auto failure = FindCompanyStore(a.company, folder, storeFile))
        return run.Fail(*failure);
    // The forms go into a PDF, or to a printer queue of the system.
    std::unique_ptr<QPrinter> printer;
    if (a.printer.isEmpty()) {
        if (auto failure = CheckOutputFile(a.pdf, folder))
            return run.Fail(*failure);
    } else {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QString why;
        if (!UsePrinterQueue(*printer, a.printer, a.copies.value_or(1), &why))
            return run.Fail({why});
    }

    CompanyData data;
    if (auto failure = ReadCompanyStore(a.company, folder + storeFile, data))
        return run.Fail(*failure);
    const QString company = data.company.EmployerName.IsEmpty() ? a.company : data.company.EmployerName.Text();
    const FormOwnerCheck owners = CheckFormOwners(data);
    if (!owners.AllMatch())
        run.Warn(QStringLiteral("in company \"%1\" %2; forms without an owner are not printed or counted, owners "
                                "without a form print with empty boxes")
                     .arg(company, owners.Describe()));

    CommandJob job = BuildJob(a, data, company);
    if (!job.nothingToPrint.isEmpty())
        return run.Fail({job.nothingToPrint});
    if (job.errors.Any()) {
        const QString listed = QStringLiteral("formlark check --company \"%1\" lists the errors").arg(a.company);
        if (a.strict)
            return run.Fail(
                {QStringLiteral("%1, so nothing is printed (--strict); %2").arg(job.errors.Description(), listed),
                 kExitProblemsFound});
        run.Warn(QStringLiteral("%1; printed all the same (%2)").arg(job.errors.Description(), listed));
    }
    if (!job.warning.isEmpty())
        run.Warn(job.warning);

    const OffPageValues outside = OffPageValues::Find(*job.job,
                                                      printer ? PrintableArea(*printer) : QRectF(LetterPage()));
    if (outside.Any())
        run.Warn(outside.Describe(printer ? PrintableAreaName(*printer) : OffPageValues::ThePage()));

    FormPictures pictures = FormPictures::FromProgramFolder();
    if (printer) {
        if (PrintJobOn(*printer, *job.job, pictures) != PrintOutcome::Printed)
            return run.Fail({QStringLiteral("the forms could not be sent to printer queue \"%1\"").arg(a.printer)});
        return 0;
    }
    QString error;
    if (!WriteJobToPdf(*job.job, pictures, a.pdf, &error))
        return run.Fail({error});
    return 0;
}
