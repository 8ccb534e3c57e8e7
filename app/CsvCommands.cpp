#include "app/CsvCommands.h"

#include "app/CommandLine.h"
#include "core/document/CompanyFiles.h"
#include "core/document/GlobalDoc.h"
#include "core/import/CsvExport.h"
#include "core/import/CsvFile.h"
#include "core/import/CsvImportPlan.h"
#include "core/settings/Settings.h"
#include "core/shell/Prompt.h"
#include "core/store/CompanyData.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

const char kImportUsage[] =
    "usage: formlark import-csv --company NAME --kind employees|contractors FILE [--dry-run]\n"
    "\n"
    "Brings the employees with their W-2 boxes, or the contractors with their\n"
    "1099-MISC boxes, of a CSV file into a company of the data folder. Columns\n"
    "are found by their headers; a row whose SSN (TIN) is a known person's\n"
    "updates that person, any other adds one. Rows with problems are listed\n"
    "and not imported; the others are written together.\n"
    "  --dry-run   check and list everything, write nothing\n"
    "Exits with 0 when every row was imported (or would be).\n";

const char kExportUsage[] =
    "usage: formlark export-csv --company NAME --kind employees|contractors FILE\n"
    "\n"
    "Writes the employees with their W-2 boxes, or the contractors with their\n"
    "1099-MISC boxes, of a company of the data folder to a CSV file (UTF-8),\n"
    "with the headers import-csv reads.\n";

using Failure = CommandFailure;

struct Arguments {
    QString company;
    std::optional<PeopleKind> kind;
    QString file;
    bool dryRun = false;
    bool help = false;
};

// Options as the print command takes them: "--name value" or
// "--name=value"; a value that looks like an option is refused, so that a
// forgotten value never swallows the next option.
std::optional<Failure> ParseArguments(const QStringList& args, bool import, const QString& command, Arguments& out)
{
    const auto usage = &UsageFailure;
    for (qsizetype i = 0; i < args.size(); ++i) {
        CommandOption option = SplitOption(args[i]);
        const QString& name = option.name;
        const QString& value = option.value;
        const bool hasValue = option.hasValue;
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            out.help = true;
            continue;
        }
        if (import && name == QLatin1String("--dry-run") && !hasValue) {
            out.dryRun = true;
            continue;
        }
        if (name != QLatin1String("--company") && name != QLatin1String("--kind")) {
            if (name.startsWith(u'-') && name != QLatin1String("-"))
                return usage(QStringLiteral("unknown option \"%1\" (see formlark %2 --help)").arg(args[i], command));
            if (!out.file.isEmpty())
                return usage(QStringLiteral("one FILE only, not \"%1\" as well as \"%2\"").arg(out.file, args[i]));
            out.file = args[i];
            continue;
        }
        if (auto failure = TakeOptionValue(option, args, i))
            return failure;
        if (name == QLatin1String("--company")) {
            out.company = value;
        } else if (value.compare(QLatin1String("employees"), Qt::CaseInsensitive) == 0) {
            out.kind = PeopleKind::Employees;
        } else if (value.compare(QLatin1String("contractors"), Qt::CaseInsensitive) == 0) {
            out.kind = PeopleKind::Contractors;
        } else {
            return usage(QStringLiteral("--kind must be employees or contractors, not \"%1\"").arg(value));
        }
    }
    if (out.help)
        return std::nullopt;
    if (out.company.isEmpty())
        return usage(QStringLiteral("--company NAME is required"));
    if (!out.kind)
        return usage(QStringLiteral("--kind employees|contractors is required"));
    if (out.file.isEmpty())
        return usage(QStringLiteral("the CSV FILE is required"));
    return std::nullopt;
}

QString OneLine(QString text)
{
    return text.replace(QStringLiteral("\n\n"), QStringLiteral(" ")).replace(u'\n', u' ');
}

// Takes what the document would tell a window's user: the command says in
// its own lines what went wrong (the document keeps it for that), and
// answers every question with No, so nothing is done that was not asked.
class QuietPrompt : public Prompt {
public:
    QuietPrompt() { SetAppPrompt(this); }
    ~QuietPrompt() override { SetAppPrompt(nullptr); }
    PromptAnswer Ask(const QString&, PromptButtons buttons, PromptIcon) override
    {
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No;
    }
};

class Command {
public:
    Command(const char* name, const char* usage)
        : name_(QLatin1String(name))
        , usage_(usage)
    {
    }

    int Fail(const Failure& failure) const
    {
        PrintLine(stderr, QStringLiteral("formlark %1: %2").arg(name_, failure.message));
        return failure.exitCode;
    }
    void Warn(const QString& message) const { PrintLine(stderr, QStringLiteral("formlark %1: %2").arg(name_, message)); }

    // Parses the arguments after the command's name; answers --help.
    std::optional<int> Parse(int argc, char** argv, Arguments& a) const
    {
        if (auto failure = ParseArguments(CommandArguments(argc, argv), name_ == QLatin1String("import-csv"), name_, a))
            return Fail(*failure);
        if (a.help) {
            std::fputs(usage_, stdout);
            return 0;
        }
        return std::nullopt;
    }

private:
    QString name_;
    const char* usage_;
};

QString KindName(PeopleKind kind)
{
    return kind == PeopleKind::Employees ? QStringLiteral("employees") : QStringLiteral("contractors");
}

} // namespace

int RunImportCsvCommand(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    StartCommand(QStringLiteral("import-csv"));
    const Command command("import-csv", kImportUsage);
    Arguments a;
    if (auto exitCode = command.Parse(argc, argv, a))
        return *exitCode;

    const CsvTable table = ReadCsvFile(a.file);
    if (!table.Readable())
        return command.Fail({OneLine(table.error)});

    QString folder;
    QString storeFile;
    if (auto failure = FindCompanyStore(a.company, folder, storeFile))
        return command.Fail(*failure);
    QuietPrompt prompt;
    CGlobalDoc document;
    document.DataFolder = folder;
    document.CurrentCompanyName = CompanyNameOfStoreFile(storeFile);
    document.CurrentStorePath = folder + storeFile;
    if (!document.LoadCurrentCompany())
        return command.Fail(StoreReadFailure(a.company, document.CurrentStorePath, document.Store().LastFailure()));

    const PeopleKind kind = *a.kind;
    const std::vector<int> mapping = MatchCsvHeader(kind, table.header);
    const CsvImportPlan plan = CsvImportPlan::Build(kind, table, mapping, document.Data());
    if (!plan.Blocker().isEmpty())
        return command.Fail({plan.Blocker()});
    const QStringList unmapped = UnmappedColumns(table.header, mapping);
    if (!unmapped.isEmpty())
        command.Warn(QStringLiteral("warning: columns not imported: \"%1\"").arg(unmapped.join(QStringLiteral("\", \""))));
    for (const CsvPlanRow& row : plan.Rows())
        for (const CsvProblem& problem : row.problems)
            command.Warn(a.file + QStringLiteral(": ") + OneLine(DescribeCsvProblem(problem, table.header)));

    const QString company = document.CurrentCompanyName;
    if (a.dryRun) {
        PrintLine(stdout, QStringLiteral("%1 of \"%2\" from %3: %4; dry run, nothing written")
                              .arg(KindName(kind), company, a.file, plan.Summary()));
        return plan.Refused() > 0 ? kExitFailure : 0;
    }
    if (!document.CanWrite())
        return command.Fail({OneLine(document.WriteRefusal())});
    const ImportedPeople imported = kind == PeopleKind::Employees
                                        ? document.Editor().ImportEmployees(plan.Employees())
                                        : document.Editor().ImportContractors(plan.Contractors());
    // Said once, with the system's reason; what the window would add (use
    // Save to try again) means nothing here.
    if (imported.outcome == SaveOutcome::Kept)
        return command.Fail({OneLine(document.CommitFailure())});
    for (const QString& refusal : imported.refusals)
        command.Warn(refusal);
    PrintLine(stdout, QStringLiteral("%1 of \"%2\" from %3: %4 added, %5 updated, %6 unchanged, %7 with errors "
                                     "(not imported)")
                          .arg(KindName(kind), company, a.file)
                          .arg(imported.added)
                          .arg(imported.updated)
                          .arg(plan.Unchanged() + imported.unchanged)
                          .arg(plan.Refused() + int(imported.refusals.size())));
    return plan.Refused() > 0 || !imported.refusals.isEmpty() ? kExitFailure : 0;
}

int RunExportCsvCommand(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    StartCommand(QStringLiteral("export-csv"));
    const Command command("export-csv", kExportUsage);
    Arguments a;
    if (auto exitCode = command.Parse(argc, argv, a))
        return *exitCode;

    QString folder;
    QString storeFile;
    if (auto failure = FindCompanyStore(a.company, folder, storeFile))
        return command.Fail(*failure);
    // Refused before the store is even read: an export never lands on a
    // company's files.
    if (auto failure = CheckOutputFile(a.file, folder))
        return command.Fail(*failure);
    CompanyData data;
    if (auto failure = ReadCompanyStore(a.company, folder + storeFile, data))
        return command.Fail(*failure);
    QString error;
    if (!WriteCsvFile(a.file, ExportPeopleCsv(*a.kind, data), folder, &error))
        return command.Fail({error});
    const size_t count = *a.kind == PeopleKind::Employees ? data.employees.size() : data.contractors.size();
    PrintLine(stdout, QStringLiteral("%1 %2 of \"%3\" written to %4")
                          .arg(count)
                          .arg(KindName(*a.kind), CompanyNameOfStoreFile(storeFile), a.file));
    return 0;
}
