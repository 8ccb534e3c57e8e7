#pragma once

#include "app/CommandSyntax.h"
#include "core/store/CompanyData.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

// What the window-less commands (new-company, print, import-csv,
// export-csv, check, convert) share: one run of a command with its options read
// by its declared syntax, its one-line failures and warnings, the exit
// status (CommandSyntax.h), and the company lookups.

// Something that keeps the command from doing its work: one line for
// stderr and the exit code.
struct CommandFailure {
    QString message;
    int exitCode = kExitCouldNotRun;
};

void PrintLine(std::FILE* stream, const QString& line);

// One run of a command. Made from the command line (before any application
// object, so a bad command line or --help never needs more), it answers
// --help or refuses a bad command line; else the command goes on and reads
// its options here.
class CommandRun {
public:
    CommandRun(const CommandSyntax& syntax, int argc, char** argv);

    // The exit code when the run is over already (help given, or the
    // command line refused in one line), else nullopt.
    std::optional<int> Answered() const { return answered_; }

    bool Has(const char* option) const { return options_.Has(option); }
    QString Value(const char* option) const { return options_.Value(option); }

    // For the command's application object: the program's own name only,
    // so no argument of the command is ever read as the toolkit's option.
    int& ApplicationArgc() { return applicationArgc_; }
    char** ApplicationArgv() const { return argv_; }

    // The command starts its work: it only reads the settings, and says
    // once when the settings file can't be used (its defaults are used).
    void Start() const;

    // "formlark NAME: message" on stderr; returns the failure's exit code.
    int Fail(const CommandFailure& failure) const;
    // "formlark NAME: warning: message" on stderr.
    void Warn(const QString& message) const;
    // "formlark NAME: message" on stderr.
    void Say(const QString& message) const;

private:
    const CommandSyntax& syntax_;
    CommandOptions options_;
    std::optional<int> answered_;
    int applicationArgc_ = 1;
    char** argv_;
};

// "--company NAME": the company of the data folder a command works on.
OptionSyntax CompanyOptionSyntax();

// The store of company `name` in the data folder the settings name: the
// folder and the store's file name, or why there is none. The name spelt
// exactly wins; else the one store whose name differs in letter case only.
// Several that differ only in case are refused, with their names.
std::optional<CommandFailure> FindCompanyStore(const QString& name, QString& folder, QString& storeFile);

// The store of `company` at `path` could not be read; `reason` is the
// store's (CompanyStore::LastFailure), said when known.
CommandFailure StoreReadFailure(const QString& company, const QString& path, const QString& reason);

// Reads the whole company of the store `path` (of the company `name` as the
// command line gives it), of this edition or of the earlier ones (never
// converted), in one read that writes nothing, or says why it can't
// (StoreReadFailure).
std::optional<CommandFailure> ReadCompanyStore(const QString& name, const QString& path, CompanyData& data);

// The file a command writes for the user: refused when it is a company's
// file or not a regular file (see OutputTarget.h).
std::optional<CommandFailure> CheckOutputFile(const QString& file, const QString& dataFolder);

// A text of several lines (a message the window shows) as one line.
QString OneLine(QString text);
