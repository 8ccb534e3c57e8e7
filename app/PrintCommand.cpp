#include "app/PrintCommand.h"

#include "app/CommandLine.h"
#include "core/document/CompanyFiles.h"
#include "render/HeadlessGui.h"
#include "core/settings/Settings.h"
#include "core/print/ContractorPrintOptions.h"
#include "core/contractor/ContractorScreenPrint.h"
#include "core/contractor/Form1096PrintJob.h"
#include "core/contractor/Form1099Copies.h"
#include "core/contractor/Form1099PrintJob.h"
#include "core/records/DisplayOrder.h"
#include "core/store/CompanyData.h"
#include "core/store/RecordLookup.h"
#include "render/FormPictures.h"
#include "render/OffPageValues.h"
#include "render/PagedOutput.h"
#include "render/PrinterOutput.h"
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

const char kUsage[] =
    "usage: formlark print --company NAME --form w2|w3|1099|1096 [--all | --current]\n"
    "                      [--paper preprinted|copy|laser] [--copy INDEX]\n"
    "                      [--offset-x INCHES --offset-y INCHES] [--vertical-space INCHES]\n"
    "                      --pdf FILE | --printer QUEUE [--copies N]\n"
    "\n"
    "Writes the forms of a company of the data folder to one PDF on Letter paper,\n"
    "or sends them to a printer queue of the system on Letter paper.\n"
    "Options left out keep the saved print options of the form.\n"
    "  --all, --current      every W-2 / 1099-MISC, or the first employee or\n"
    "                        contractor in the list (w2 and 1099 only)\n"
    "  --paper               preprinted: data only; copy: on blank paper with the\n"
    "                        picture of the form; laser: full-page substitute\n"
    "                        (w2 and w3 only)\n"
    "  --copy INDEX          the copy on blank paper: w2 0-4 (1, 2, B, C, D),\n"
    "                        1099 0-3 (1, B, 2, C)\n"
    "  --offset-x, --offset-y  alignment on pre-printed forms in inches, up to\n"
    "                        99.99 with two decimals; negative is left / up\n"
    "  --vertical-space      inches between the two W-2 forms of a sheet,\n"
    "                        0.75 to 1.75 (w2 only)\n"
    "  --printer QUEUE       the printer queue (lpstat -p lists them)\n"
    "  --copies N            copies of the job, 1 to 999 (with --printer)\n";

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
    QString printer;
    std::optional<int> copies;
    bool help = false;
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

std::optional<Failure> ParseArguments(const QStringList& args, Arguments& out)
{
    const auto usage = &UsageFailure;
    for (qsizetype i = 0; i < args.size(); ++i) {
        CommandOption option = SplitOption(args[i]);
        const QString& name = option.name;
        const QString& value = option.value;
        const bool hasValue = option.hasValue;
        const bool flag = name == QLatin1String("--help") || name == QLatin1String("-h")
            || name == QLatin1String("--all") || name == QLatin1String("--current");
        if (flag && hasValue)
            return usage(QStringLiteral("%1 takes no value (\"%2\")").arg(name, args[i]));
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            out.help = true;
            continue;
        }
        if (name == QLatin1String("--all") || name == QLatin1String("--current")) {
            const PrintTarget target = name == QLatin1String("--all") ? PrintTarget::All : PrintTarget::Current;
            if (out.target && *out.target != target)
                return usage(QStringLiteral("--all and --current exclude each other"));
            out.target = target;
            continue;
        }
        static const QStringList withValue = {"--company",  "--form",           "--paper", "--copy",    "--offset-x",
                                              "--offset-y", "--vertical-space", "--pdf",   "--printer", "--copies"};
        if (!withValue.contains(name))
            return usage(QStringLiteral("unknown option \"%1\" (see formlark print --help)").arg(args[i]));
        if (auto failure = TakeOptionValue(option, args, i))
            return failure;

        if (name == QLatin1String("--company")) {
            out.company = value;
        } else if (name == QLatin1String("--form")) {
            out.form = value.toLower();
            static const QStringList forms = {"w2", "w3", "1099", "1096"};
            if (!forms.contains(out.form))
                return usage(QStringLiteral("--form must be w2, w3, 1099 or 1096, not \"%1\"").arg(value));
        } else if (name == QLatin1String("--paper")) {
            out.paper = value.toLower();
            static const QStringList papers = {"preprinted", "copy", "laser"};
            if (!papers.contains(out.paper))
                return usage(QStringLiteral("--paper must be preprinted, copy or laser, not \"%1\"").arg(value));
        } else if (name == QLatin1String("--copy")) {
            static const QRegularExpression digits(QStringLiteral("^\\d{1,2}$"));
            if (!digits.match(value).hasMatch())
                return usage(QStringLiteral("--copy must be a copy number, not \"%1\"").arg(value));
            out.copy = value.toInt();
        } else if (name == QLatin1String("--offset-x") || name == QLatin1String("--offset-y")) {
            const auto inches = ParseInches(value, true);
            if (!inches)
                return usage(QStringLiteral("%1 must be inches such as 0.25 or -1.5 (at most 99.99), not \"%2\"")
                                 .arg(name, value));
            (name == QLatin1String("--offset-x") ? out.offsetX : out.offsetY) = *inches;
        } else if (name == QLatin1String("--vertical-space")) {
            const auto inches = ParseInches(value, false);
            if (!inches || *inches < 0.75 || *inches > 1.75)
                return usage(QStringLiteral("--vertical-space must be inches from 0.75 to 1.75, not \"%1\"").arg(value));
            out.verticalSpace = *inches;
        } else if (name == QLatin1String("--pdf")) {
            if (value.isEmpty())
                return usage(QStringLiteral("--pdf needs a file name"));
            out.pdf = value;
        } else if (name == QLatin1String("--printer")) {
            if (value.isEmpty())
                return usage(QStringLiteral("--printer needs a printer queue"));
            out.printer = value;
        } else if (name == QLatin1String("--copies")) {
            static const QRegularExpression count(QStringLiteral("^[1-9]\\d{0,2}$"));
            if (!count.match(value).hasMatch())
                return usage(QStringLiteral("--copies must be a number from 1 to 999, not \"%1\"").arg(value));
            out.copies = value.toInt();
        }
    }
    if (out.help)
        return std::nullopt;
    if (out.company.isEmpty())
        return usage(QStringLiteral("--company NAME is required"));
    if (out.form.isEmpty())
        return usage(QStringLiteral("--form w2|w3|1099|1096 is required"));
    if (!out.pdf.isEmpty() && !out.printer.isEmpty())
        return usage(QStringLiteral("--pdf and --printer exclude each other"));
    if (out.pdf.isEmpty() && out.printer.isEmpty())
        return usage(QStringLiteral("--pdf FILE or --printer QUEUE is required"));
    if (out.copies && out.printer.isEmpty())
        return usage(QStringLiteral("--copies goes with --printer"));

    const bool twoUp = out.form == QLatin1String("w2") || out.form == QLatin1String("1099");
    if (out.target && !twoUp)
        return usage(QStringLiteral("--all and --current apply to w2 and 1099 only"));
    if (out.paper == QLatin1String("laser") && (out.form == QLatin1String("1099") || out.form == QLatin1String("1096")))
        return usage(QStringLiteral("--paper laser applies to w2 and w3 only"));
    if (out.copy) {
        if (!twoUp)
            return usage(QStringLiteral("--copy applies to w2 and 1099 only"));
        if (!out.paper.isEmpty() && out.paper != QLatin1String("copy"))
            return usage(QStringLiteral("--copy goes with --paper copy"));
        const int copies = out.form == QLatin1String("w2") ? kW2CopyCount : k1099CopyCount;
        if (*out.copy >= copies)
            return usage(QStringLiteral("--copy must be 0 to %1 for %2").arg(copies - 1).arg(out.form));
        out.paper = QStringLiteral("copy");
    }
    if (out.verticalSpace && out.form != QLatin1String("w2"))
        return usage(QStringLiteral("--vertical-space applies to w2 only"));
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
};

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
        result.job = std::make_unique<Form1096PrintJob>(data.company, data.contractors, data.forms1099, o);
    }
    return result;
}

int Fail(const Failure& failure)
{
    PrintLine(stderr, QStringLiteral("formlark print: ") + failure.message);
    return failure.exitCode;
}

} // namespace

int RunPrintCommand(int argc, char** argv)
{
    PrepareHeadlessGui();
    QGuiApplication app(argc, argv);
    StartCommand(QStringLiteral("print"));

    Arguments a;
    if (auto failure = ParseArguments(CommandArguments(argc, argv), a))
        return Fail(*failure);
    if (a.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }

    QString folder;
    QString storeFile;
    if (auto failure = FindCompanyStore(a.company, folder, storeFile))
        return Fail(*failure);
    // The forms go into a PDF, or to a printer queue of the system.
    std::unique_ptr<QPrinter> printer;
    if (a.printer.isEmpty()) {
        if (auto failure = CheckOutputFile(a.pdf, folder))
            return Fail(*failure);
    } else {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QString why;
        if (!UsePrinterQueue(*printer, a.printer, a.copies.value_or(1), &why))
            return Fail({why});
    }

    CompanyData data;
    if (auto failure = ReadCompanyStore(a.company, folder + storeFile, data))
        return Fail(*failure);
    const QString company = data.company.EmployerName.IsEmpty() ? a.company : data.company.EmployerName.Text();
    const FormOwnerCheck owners = CheckFormOwners(data);
    if (!owners.AllMatch())
        PrintLine(stderr, QStringLiteral("formlark print: warning: in company \"%1\" %2; forms without an owner are "
                                         "not printed or counted, owners without a form print with empty boxes")
                              .arg(company, owners.Describe()));

    CommandJob job = BuildJob(a, data, company);
    if (!job.nothingToPrint.isEmpty())
        return Fail({job.nothingToPrint});
    if (!job.warning.isEmpty())
        PrintLine(stderr, QStringLiteral("formlark print: warning: ") + job.warning);

    const OffPageValues outside =
        OffPageValues::Find(*job.job, printer ? PrintableArea(*printer) : QRectF(LetterPage()));
    if (outside.Any())
        PrintLine(stderr, QStringLiteral("formlark print: warning: ")
                              + outside.Describe(printer ? PrintableAreaName(*printer) : OffPageValues::ThePage()));

    FormPictures pictures = FormPictures::FromProgramFolder();
    if (printer) {
        if (PrintJobOn(*printer, *job.job, pictures) != PrintOutcome::Printed)
            return Fail({QStringLiteral("the forms could not be sent to printer queue \"%1\"").arg(a.printer)});
        return 0;
    }
    QString error;
    if (!WriteJobToPdf(*job.job, pictures, a.pdf, &error))
        return Fail({error});
    return 0;
}
