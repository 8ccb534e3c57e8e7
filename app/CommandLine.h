#pragma once

#include "core/store/CompanyData.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

// What the window-less commands (print, import-csv, export-csv, check) share:
// their exit codes, one-line failures, and options written "--name value"
// or "--name=value".

inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// A bad command line or input: one line for stderr and the exit code.
struct CommandFailure {
    QString message;
    int exitCode = kExitFailure;
};

inline CommandFailure UsageFailure(const QString& message)
{
    return {message, kExitUsage};
}

// One option of the command line, "--name=value" split at the sign.
struct CommandOption {
    QString name;
    QString value;
    bool hasValue = false;
};

CommandOption SplitOption(const QString& argument);

// Gives `option` the next argument as its value when it had none. A value
// that looks like an option is refused, so that a forgotten value never
// swallows the next option ("--pdf --all" never names a file "--all").
std::optional<CommandFailure> TakeOptionValue(CommandOption& option, const QStringList& args, qsizetype& index);

void PrintLine(std::FILE* stream, const QString& line);

// The store of company `name` in the data folder the settings name: the
// folder and the store's file name, or why there is none. The name spelt
// exactly wins; else the one store whose name differs in letter case only.
// Several that differ only in case are refused, with their names.
std::optional<CommandFailure> FindCompanyStore(const QString& name, QString& folder, QString& storeFile);

// The store of `company` at `path` could not be read; `reason` is the
// store's (CompanyStore::LastFailure), said when known.
CommandFailure StoreReadFailure(const QString& company, const QString& path, const QString& reason);

// Reads the whole company of the store `path` (of the company `name` as the
// command line gives it) in one read that writes nothing, or says why it
// can't (StoreReadFailure).
std::optional<CommandFailure> ReadCompanyStore(const QString& name, const QString& path, CompanyData& data);

// The arguments after the command's name.
QStringList CommandArguments(int argc, char** argv);

// Where a command starts: it only reads the settings, and says once on
// stderr when the settings file can't be used (its defaults are used then).
void StartCommand(const QString& command);

// The file a command writes for the user: refused (a usage failure) when
// it is a company's file or not a regular file (see OutputTarget.h).
std::optional<CommandFailure> CheckOutputFile(const QString& file, const QString& dataFolder);
