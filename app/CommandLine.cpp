#include "app/CommandLine.h"

#include "core/document/CompanyFiles.h"
#include "core/files/OutputTarget.h"
#include "core/settings/Settings.h"
#include "core/store/CompanyStore.h"

CommandOption SplitOption(const QString& argument)
{
    CommandOption option;
    option.name = argument;
    const qsizetype equals = argument.indexOf(u'=');
    if (argument.startsWith(QLatin1String("--")) && equals > 0) {
        option.name = argument.left(equals);
        option.value = argument.mid(equals + 1);
        option.hasValue = true;
    }
    return option;
}

std::optional<CommandFailure> TakeOptionValue(CommandOption& option, const QStringList& args, qsizetype& index)
{
    if (!option.hasValue) {
        if (index + 1 >= args.size())
            return UsageFailure(QStringLiteral("%1 needs a value").arg(option.name));
        option.value = args[++index];
        option.hasValue = true;
    }
    if (option.value.startsWith(QLatin1String("--")))
        return UsageFailure(QStringLiteral("%1 needs a value, not the option \"%2\"").arg(option.name, option.value));
    return std::nullopt;
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
    CompanyStore store;
    if (LoadCompany(store, path, data) != CompanyStore::kOk)
        return StoreReadFailure(name, path, store.LastFailure());
    store.Close();
    return std::nullopt;
}

QStringList CommandArguments(int argc, char** argv)
{
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

void StartCommand(const QString& command)
{
    // A command only looks at the settings: the user's file stays as it is.
    SetSettingsReadOnly(true);
    const QString problem = SettingsFileProblem();
    if (!problem.isEmpty())
        PrintLine(stderr, QStringLiteral("formlark %1: warning: %2 Its settings are not used.").arg(command, problem));
}

std::optional<CommandFailure> CheckOutputFile(const QString& file, const QString& dataFolder)
{
    const QString refusal = OutputTargetRefusal(file, dataFolder);
    if (refusal.isEmpty())
        return std::nullopt;
    return UsageFailure(refusal);
}

void PrintLine(std::FILE* stream, const QString& line)
{
    std::fprintf(stream, "%s\n", line.toLocal8Bit().constData());
}
