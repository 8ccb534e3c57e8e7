#include "app/CommandLine.h"

#include "core/companyfiles/CompanyFiles.h"
#include "core/files/OutputTarget.h"
#include "core/settings/Settings.h"
#include "core/store/CompanyFileRead.h"
#include "core/store/CompanyStore.h"

CommandRun::CommandRun(const CommandSyntax& syntax, int argc, char** argv)
    : syntax_(syntax)
    , argv_(argv)
{
    QStringList arguments;
    for (int i = 2; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLineReading reading = syntax.Read(arguments, options_);
    if (reading.help) {
        std::fputs(syntax.Help().toLocal8Bit().constData(), stdout);
        answered_ = 0;
    } else if (!reading.refusal.isEmpty()) {
        answered_ = Fail({reading.refusal});
    }
}

void CommandRun::Start() const
{
    // A command only looks at the settings: the user's file stays as it is.
    SetSettingsReadOnly(true);
    const QString problem = SettingsFileProblem();
    if (!problem.isEmpty())
        Warn(problem + QStringLiteral(" Its settings are not used."));
}

int CommandRun::Fail(const CommandFailure& failure) const
{
    Say(failure.message);
    return failure.exitCode;
}

void CommandRun::Warn(const QString& message) const
{
    Say(QStringLiteral("warning: ") + message);
}

void CommandRun::Say(const QString& message) const
{
    PrintLine(stderr, QStringLiteral("formlark %1: %2").arg(QLatin1String(syntax_.name), message));
}

OptionSyntax CompanyOptionSyntax()
{
    return {.name = "--company",
            .value = "NAME",
            .required = true,
            .help = "the company of the data folder (its name in any letter case)"};
}

std::optional<CommandFailure> FindCompanyStore(const QString& name, QString& folder, QString& storeFile)
{
    folder = ReadDataFolder();
    storeFile = FindCompanyStoreFile(folder, name);
    if (!storeFile.isEmpty())
        return std::nullopt;
    const QStringList candidates = CompanyStoreCandidates(folder, name);
    if (candidates.size() > 1)
        return CommandFailure{AmbiguousCompanyMessage(name, candidates)};
    return CommandFailure{QStringLiteral("there is no company \"%1\" in %2").arg(name, folder)};
}

CommandFailure StoreReadFailure(const QString& company, const QString& path, const QString& reason)
{
    QString message = QStringLiteral("cannot read the store of company \"%1\" (%2)").arg(company, path);
    if (!reason.isEmpty())
        message += QStringLiteral(": ") + reason;
    return {message};
}

std::optional<CommandFailure> ReadCompanyStore(const QString& name, const QString& path, CompanyData& data)
{
    CompanyFileRead read = ReadCompanyFile(path, data);
    if (read.read)
        return std::nullopt;
    // A store of the earlier editions says in a sentence what keeps it from
    // being read.
    if (read.earlierEdition)
        return CommandFailure{OneLine(read.problem)};
    return StoreReadFailure(name, path, read.problem);
}

std::optional<CommandFailure> CheckOutputFile(const QString& file, const QString& dataFolder)
{
    const QString refusal = OutputTargetRefusal(file, dataFolder);
    if (refusal.isEmpty())
        return std::nullopt;
    return CommandFailure{refusal};
}

QString OneLine(QString text)
{
    return text.replace(QStringLiteral("\n\n"), QStringLiteral(" ")).replace(u'\n', u' ');
}

void PrintLine(std::FILE* stream, const QString& line)
{
    std::fprintf(stream, "%s\n", line.toLocal8Bit().constData());
}
