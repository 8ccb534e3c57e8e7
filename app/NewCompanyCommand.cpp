#include "app/NewCompanyCommand.h"

#include "core/companyfiles/CompanyFiles.h"
#include "core/document/DocumentMessages.h"
#include "core/companyfiles/NewCompanyStore.h"

#include <QCoreApplication>
#include <QDir>

const CommandSyntax& NewCompanySyntax()
{
    static const CommandSyntax syntax{
        .name = "new-company",
        .purpose = "Makes a new, empty company in the data folder, as Company > New does: its store NAME.pmt, "
                   "with NAME as its employer name. import-csv --kind company then fills in its company setup, "
                   "import-csv --kind employees and --kind contractors its people.",
        .options =
            {
                {.name = "--company",
                 .value = "NAME",
                 .required = true,
                 .help = "the new company's name: at most 30 characters, none of % * \" + ? > < : \\ / |; a "
                         "company of that name in any letter case is refused"},
            },
    };
    return syntax;
}

int RunNewCompanyCommand(CommandRun& run)
{
    QCoreApplication app(run.ApplicationArgc(), run.ApplicationArgv());
    run.Start();
    const QString name = run.Value("--company");
    if (const QString refusal = NewCompanyNameRefusal(name); !refusal.isEmpty())
        return run.Fail({refusal});
    const QString folder = ReadDataFolder();
    if (!QDir().mkpath(folder))
        return run.Fail({QStringLiteral("the data folder %1 can't be made").arg(QDir::toNativeSeparators(folder))});
    const NewCompanyStore made = CreateCompanyStore(folder, name);
    switch (made.result) {
    case NewCompanyStore::Result::Created:
        break;
    case NewCompanyStore::Result::Exists:
        return run.Fail(
            {QStringLiteral("%1: \"%2\" (%3)")
                 .arg(QLatin1String(DocumentMessages::kCompanyExists), CompanyNameOfStoreFile(made.storeFile),
                      QDir::toNativeSeparators(folder + made.storeFile))});
    case NewCompanyStore::Result::Ambiguous:
        return run.Fail({AmbiguousCompanyMessage(name, made.candidates)});
    case NewCompanyStore::Result::Failed:
        return run.Fail({QStringLiteral("the company file %1 could not be created")
                             .arg(QDir::toNativeSeparators(folder + made.storeFile))});
    }
    PrintLine(stdout,
              QStringLiteral("new company \"%1\": %2").arg(name, QDir::toNativeSeparators(folder + made.storeFile)));
    return 0;
}
