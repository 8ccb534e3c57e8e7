#include "app/CheckCommand.h"

#include "app/CommandLine.h"
#include "core/check/FindingText.h"
#include "core/check/FormCheck.h"
#include "core/store/CompanyData.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <optional>

const CommandSyntax& CheckSyntax()
{
    static const CommandSyntax syntax{
        .name = "check",
        .purpose = "Checks the forms of a company of the data folder before filing: every W-2 and 1099-MISC, and "
                   "the company's data on the W-3 and the 1096. Prints one line per finding (severity, form, "
                   "person, box, message, separated by tabs) and the counts on stderr; nothing is written.",
        .options =
            {
                CompanyOptionSyntax(),
                {.name = "--form",
                 .choices = {"w2", "1099", "all"},
                 .help = "w2: the W-2s and the W-3; 1099: the 1099-MISCs and the 1096; all (the default): both"},
                {.name = "--json",
                 .help = "a JSON array of objects with the fields severity, form, person, tin, box, rule and "
                         "message instead of the lines"},
            },
        .problemsFound = "there are errors (warnings alone give 0)",
    };
    return syntax;
}

int RunCheckCommand(CommandRun& run)
{
    QCoreApplication app(run.ApplicationArgc(), run.ApplicationArgv());
    run.Start();
    const QString companyName = run.Value("--company");
    const QString form = run.Value("--form");
    const CheckScope scope = form == QLatin1String("w2")     ? CheckScope::W2
                             : form == QLatin1String("1099") ? CheckScope::Form1099
                                                             : CheckScope::All;

    QString folder;
    QString storeFile;
    if (auto failure = FindCompanyStore(companyName, folder, storeFile))
        return run.Fail(*failure);
    CompanyData data;
    if (auto failure = ReadCompanyStore(companyName, folder + storeFile, data))
        return run.Fail(*failure);

    const FormCheckResult result = CheckCompanyForms(data, scope);
    if (run.Has("--json")) {
        std::fputs(FindingsJson(result.findings).constData(), stdout);
    } else {
        for (const FormFinding& finding : result.findings)
            PrintLine(stdout, FindingLine(finding));
    }
    const QString company = data.company.EmployerName.IsEmpty() ? companyName : data.company.EmployerName.Text();
    run.Say(QStringLiteral("company \"%1\": %2").arg(company, FindingCounts(result.errors, result.warnings)));
    return result.errors > 0 ? kExitProblemsFound : 0;
}
