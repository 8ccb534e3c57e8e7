#include "app/CheckCommand.h"

#include "app/CommandLine.h"
#include "core/check/FindingText.h"
#include "core/check/FormCheck.h"
#include "core/store/CompanyData.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

const char kUsage[] =
    "usage: formlark check --company NAME [--form w2|1099|all] [--json]\n"
    "\n"
    "Checks the forms of a company of the data folder before filing: every\n"
    "W-2 and 1099-MISC, and the company's data on the W-3 and the 1096.\n"
    "Prints one line per finding (severity, form, person, box, message,\n"
    "separated by tabs) and the counts on stderr; nothing is written.\n"
    "  --form    w2: the W-2s and the W-3; 1099: the 1099-MISCs and the 1096;\n"
    "            all (the default): both\n"
    "  --json    a JSON array of objects with the fields severity, form,\n"
    "            person, tin, box, rule and message instead of the lines\n"
    "Exits with 0 when there are no errors (warnings may be), 1 when there\n"
    "are errors, 2 when the check could not run.\n";

// Every failure of this command is one the check could not run through.
constexpr int kExitCouldNotRun = 2;
constexpr int kExitErrorsFound = 1;

struct Arguments {
    QString company;
    CheckScope scope = CheckScope::All;
    bool json = false;
    bool help = false;
};

std::optional<CommandFailure> ParseArguments(const QStringList& args, Arguments& out)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        CommandOption option = SplitOption(args[i]);
        const QString& name = option.name;
        const bool flag = name == QLatin1String("--help") || name == QLatin1String("-h")
            || name == QLatin1String("--json");
        if (flag && option.hasValue)
            return UsageFailure(QStringLiteral("%1 takes no value (\"%2\")").arg(name, args[i]));
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            out.help = true;
            continue;
        }
        if (name == QLatin1String("--json")) {
            out.json = true;
            continue;
        }
        if (name != QLatin1String("--company") && name != QLatin1String("--form"))
            return UsageFailure(QStringLiteral("unknown option \"%1\" (see formlark check --help)").arg(args[i]));
        if (auto failure = TakeOptionValue(option, args, i))
            return failure;
        if (name == QLatin1String("--company")) {
            out.company = option.value;
            continue;
        }
        const QString form = option.value.toLower();
        if (form == QLatin1String("w2"))
            out.scope = CheckScope::W2;
        else if (form == QLatin1String("1099"))
            out.scope = CheckScope::Form1099;
        else if (form == QLatin1String("all"))
            out.scope = CheckScope::All;
        else
            return UsageFailure(QStringLiteral("--form must be w2, 1099 or all, not \"%1\"").arg(option.value));
    }
    if (!out.help && out.company.isEmpty())
        return UsageFailure(QStringLiteral("--company NAME is required"));
    return std::nullopt;
}

int Fail(const CommandFailure& failure)
{
    PrintLine(stderr, QStringLiteral("formlark check: ") + failure.message);
    return kExitCouldNotRun;
}

} // namespace

int RunCheckCommand(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    StartCommand(QStringLiteral("check"));

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
    CompanyData data;
    if (auto failure = ReadCompanyStore(a.company, folder + storeFile, data))
        return Fail(*failure);

    const FormCheckResult result = CheckCompanyForms(data, a.scope);
    if (a.json) {
        std::fputs(FindingsJson(result.findings).constData(), stdout);
    } else {
        for (const FormFinding& finding : result.findings)
            PrintLine(stdout, FindingLine(finding));
    }
    const QString company = data.company.EmployerName.IsEmpty() ? a.company : data.company.EmployerName.Text();
    PrintLine(stderr, QStringLiteral("formlark check: company \"%1\": %2")
                          .arg(company, FindingCounts(result.errors, result.warnings)));
    return result.errors > 0 ? kExitErrorsFound : 0;
}
