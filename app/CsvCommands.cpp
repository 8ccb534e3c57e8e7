#include "app/CsvCommands.h"

#include "app/CommandLine.h"
#include "core/companyfiles/CompanyFiles.h"
#include "core/document/GlobalDoc.h"
#include "core/import/CompanySetupCsv.h"
#include "core/import/CsvExport.h"
#include "core/import/CsvFile.h"
#include "core/import/CsvImportPlan.h"
#include "core/prompt/Prompt.h"
#include "core/store/CompanyData.h"
#include "core/store/StoreFileKind.h"
#include "core/store/StoreLock.h"

#include <QCoreApplication>
#include <QStringList>

#include <optional>

namespace {

// What a CSV file holds.
enum class CsvKind { Employees, Contractors, Company };

const char kCompanyKind[] = "company";

OptionSyntax KindOption()
{
    return {.name = "--kind",
            .choices = {"employees", "contractors", kCompanyKind},
            .required = true,
            .help = "the employees with their W-2 boxes, the contractors with their 1099-MISC boxes, or the "
                    "company setup (employer, W-3 and 1096 information, one line of values)"};
}

CsvKind KindOf(const CommandRun& run)
{
    const QString kind = run.Value("--kind");
    if (kind == QLatin1String(kCompanyKind))
        return CsvKind::Company;
    return kind == QLatin1String("employees") ? CsvKind::Employees : CsvKind::Contractors;
}

PeopleKind PeopleKindOf(CsvKind kind)
{
    return kind == CsvKind::Employees ? PeopleKind::Employees : PeopleKind::Contractors;
}

QString KindName(CsvKind kind)
{
    switch (kind) {
    case CsvKind::Employees:
        return QStringLiteral("employees");
    case CsvKind::Contractors:
        return QStringLiteral("contractors");
    case CsvKind::Company:
        break;
    }
    return QStringLiteral("company setup");
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

// Opens the company `name` in `document` for an import: a store of this
// edition that no window of the program has open.
std::optional<CommandFailure> OpenForImport(const QString& name, bool dryRun, CGlobalDoc& document)
{
    QString folder;
    QString storeFile;
    if (auto failure = FindCompanyStore(name, folder, storeFile))
        return failure;
    const QString company = CompanyNameOfStoreFile(storeFile);
    const QString path = folder + storeFile;
    if (StoreFileKindOf(path) == StoreFileKind::Earlier)
        return CommandFailure{QStringLiteral("the store of company \"%1\" was saved by an earlier edition of the "
                                             "program; convert it first (formlark convert --company \"%1\")")
                                  .arg(company)};
    if (!dryRun && StoreLock::IsHeldElsewhere(path))
        return CommandFailure{QStringLiteral("company \"%1\" is open in another Formlark window, so nothing can be "
                                             "imported into it; close it there and run the command again")
                                  .arg(company)};
    document.SetDataFolder(folder);
    document.SetCurrentCompany(company, path);
    if (!document.LoadCurrentCompany())
        return StoreReadFailure(name, path, document.Store().LastFailure());
    return std::nullopt;
}

int ImportPeople(const CommandRun& run, CsvKind csvKind, const CsvTable& table, CGlobalDoc& document)
{
    const PeopleKind kind = PeopleKindOf(csvKind);
    const QString file = run.Value("FILE");
    const std::vector<int> mapping = MatchCsvHeader(kind, table.header);
    const CsvImportPlan plan = CsvImportPlan::Build(kind, table, mapping, document.Data());
    if (!plan.Blocker().isEmpty())
        return run.Fail({plan.Blocker()});
    const QStringList unmapped = UnmappedColumns(table.header, mapping);
    if (!unmapped.isEmpty())
        run.Warn(QStringLiteral("columns not imported: \"%1\"").arg(unmapped.join(QStringLiteral("\", \""))));
    for (const CsvPlanRow& row : plan.Rows())
        for (const CsvProblem& problem : row.problems)
            run.Say(file + QStringLiteral(": ") + OneLine(DescribeCsvProblem(problem, table.header)));

    const QString company = document.CurrentCompanyName();
    const QString kindName = KindName(csvKind);
    if (run.Has("--dry-run")) {
        PrintLine(stdout, QStringLiteral("%1 of \"%2\" from %3: %4; dry run, nothing written")
                              .arg(kindName, company, file, plan.Summary()));
        return plan.Refused() > 0 ? kExitProblemsFound : 0;
    }
    if (!document.CanWrite())
        return run.Fail({OneLine(document.WriteRefusal())});
    const ImportedPeople imported = kind == PeopleKind::Employees
                                        ? document.Editor().ImportEmployees(plan.Employees())
                                        : document.Editor().ImportContractors(plan.Contractors());
    // Said once, with the system's reason; what the window would add (use
    // Save to try again) means nothing here.
    if (imported.outcome == SaveOutcome::Kept)
        return run.Fail({OneLine(document.CommitFailure())});
    for (const QString& refusal : imported.refusals)
        run.Say(refusal);
    PrintLine(stdout, QStringLiteral("%1 of \"%2\" from %3: %4 added, %5 updated, %6 unchanged, %7 with errors "
                                     "(not imported)")
                          .arg(kindName, company, file)
                          .arg(imported.added)
                          .arg(imported.updated)
                          .arg(plan.Unchanged() + imported.unchanged)
                          .arg(plan.Refused() + int(imported.refusals.size())));
    return plan.Refused() > 0 || !imported.refusals.isEmpty() ? kExitProblemsFound : 0;
}

// The company setup from its file, as one change of the company record;
// nothing of it when any value is refused.
int ImportCompanySetup(const CommandRun& run, const CsvTable& table, CGlobalDoc& document)
{
    const QString file = run.Value("FILE");
    const CompanySetupImport setup = ReadCompanySetupCsv(table, document.Company());
    if (!setup.unmappedColumns.isEmpty())
        run.Warn(
            QStringLiteral("columns not imported: \"%1\"").arg(setup.unmappedColumns.join(QStringLiteral("\", \""))));
    for (const CsvProblem& problem : setup.problems)
        run.Say(file + QStringLiteral(": ") + OneLine(DescribeCsvProblem(problem, table.header)));

    const QString summary =
        QStringLiteral("company setup of \"%1\" from %2: ").arg(document.CurrentCompanyName(), file);
    const qsizetype count = setup.changedBoxes.size();
    const QString changed = count == 0 ? QStringLiteral("no box")
                                       : QStringLiteral("%1 %2 (%3)")
                                             .arg(count)
                                             .arg(QLatin1String(count == 1 ? "box" : "boxes"),
                                                  setup.changedBoxes.join(QStringLiteral(", ")));
    if (!setup.Accepted()) {
        PrintLine(stdout, summary
                              + QStringLiteral("%1 %2; nothing imported")
                                    .arg(setup.problems.size())
                                    .arg(QLatin1String(setup.problems.size() == 1 ? "problem" : "problems")));
        return kExitProblemsFound;
    }
    if (run.Has("--dry-run")) {
        PrintLine(stdout, summary + changed + QStringLiteral(" to change; dry run, nothing written"));
        return 0;
    }
    // A box the file does not change is never rewritten, nor is the
    // company when the file changes none.
    if (setup.Changes()) {
        if (!document.CanWrite())
            return run.Fail({OneLine(document.WriteRefusal())});
        if (document.Editor().UpdateCompany(setup.company) == SaveOutcome::Kept)
            return run.Fail({OneLine(document.CommitFailure())});
    }
    PrintLine(stdout, summary + changed + QStringLiteral(" changed"));
    return 0;
}

} // namespace

const CommandSyntax& ImportCsvSyntax()
{
    static const CommandSyntax syntax{
        .name = "import-csv",
        .purpose =
            "Brings the employees with their W-2 boxes, or the contractors with their 1099-MISC boxes, of a CSV "
            "file into a company of the data folder. Columns are found by their headers; a row whose SSN (TIN) is "
            "a known person's updates that person, any other adds one. Rows with problems are listed and not "
            "imported; the others are written together.\n\n"
            "With --kind company the file is the company setup: a header line with the boxes of the company "
            "setup (\"Employer Name\", \"Employer Identification Number\", \"W-3 Kind of Payer\", ...; "
            "export-csv --kind company writes them all) and one line of values, each checked as the company "
            "setup screen checks it. An empty cell, or a column left out, keeps the stored value; nothing is "
            "imported when a value is refused. The company keeps its name (the name of its store).\n\n"
            "A company open in a window of the program can't be imported into.",
        .options =
            {
                CompanyOptionSyntax(),
                KindOption(),
                {.name = "FILE", .value = "the CSV FILE", .required = true, .help = "the CSV file to read"},
                {.name = "--dry-run", .help = "check and list everything, write nothing"},
            },
        .problemsFound = "a row or value has problems (the other rows are imported unless --dry-run; of a company "
                         "setup file nothing is)",
    };
    return syntax;
}

int RunImportCsvCommand(CommandRun& run)
{
    QCoreApplication app(run.ApplicationArgc(), run.ApplicationArgv());
    run.Start();
    const CsvTable table = ReadCsvFile(run.Value("FILE"));
    if (!table.Readable())
        return run.Fail({OneLine(table.error)});

    QuietPrompt prompt;
    CGlobalDoc document;
    if (auto failure = OpenForImport(run.Value("--company"), run.Has("--dry-run"), document))
        return run.Fail(*failure);
    const CsvKind kind = KindOf(run);
    if (kind == CsvKind::Company)
        return ImportCompanySetup(run, table, document);
    return ImportPeople(run, kind, table, document);
}

const CommandSyntax& ExportCsvSyntax()
{
    static const CommandSyntax syntax{
        .name = "export-csv",
        .purpose = "Writes the employees with their W-2 boxes, the contractors with their 1099-MISC boxes, or "
                   "the company setup of a company of the data folder to a CSV file (UTF-8), with the headers "
                   "import-csv reads: the file imports back unchanged.",
        .options =
            {
                CompanyOptionSyntax(),
                KindOption(),
                {.name = "FILE", .value = "the CSV FILE", .required = true, .help = "the CSV file to write"},
            },
    };
    return syntax;
}

int RunExportCsvCommand(CommandRun& run)
{
    QCoreApplication app(run.ApplicationArgc(), run.ApplicationArgv());
    run.Start();
    const QString name = run.Value("--company");
    const QString file = run.Value("FILE");
    QString folder;
    QString storeFile;
    if (auto failure = FindCompanyStore(name, folder, storeFile))
        return run.Fail(*failure);
    // Refused before the store is even read: an export never lands on a
    // company's files.
    if (auto failure = CheckOutputFile(file, folder))
        return run.Fail(*failure);
    CompanyData data;
    if (auto failure = ReadCompanyStore(name, folder + storeFile, data))
        return run.Fail(*failure);
    const CsvKind kind = KindOf(run);
    const QByteArray bytes = kind == CsvKind::Company ? ExportCompanySetupCsv(data.company)
                                                      : ExportPeopleCsv(PeopleKindOf(kind), data);
    QString error;
    if (!WriteCsvFile(file, bytes, folder, &error))
        return run.Fail({error});
    const QString company = CompanyNameOfStoreFile(storeFile);
    if (kind == CsvKind::Company) {
        PrintLine(stdout, QStringLiteral("company setup of \"%1\" written to %2").arg(company, file));
        return 0;
    }
    const size_t count = kind == CsvKind::Employees ? data.employees.size() : data.contractors.size();
    PrintLine(stdout, QStringLiteral("%1 %2 of \"%3\" written to %4").arg(count).arg(KindName(kind), company, file));
    return 0;
}
