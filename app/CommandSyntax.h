#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// What a window-less command takes, declared once: its usage line, its
// --help and the reading of its command line all come from the
// declaration, so every command refuses a bad command line the same way.
//
// Options are written "--name value" or "--name=value". A forgotten value
// never swallows the next option ("--pdf --all" never names a file
// "--all"), an option given twice is refused rather than one of its values
// silently winning, and "--" ends the options (a file whose name starts
// with a dash follows it).

struct OptionSyntax {
    // "--company"; a name without dashes ("FILE") is the one file the
    // command takes, given without an option name.
    const char* name = nullptr;
    // What the value is ("NAME", "INCHES"); nullptr for a flag. For the
    // file: how a message names it ("the CSV FILE").
    const char* value = nullptr;
    // The values the option takes (any letter case), when it is a choice;
    // they stand for its value in the usage ("w2|w3").
    std::vector<const char*> choices{};
    bool required = false;
    // Options of one group exclude each other; when they are required, one
    // of them must be given.
    const char* group = nullptr;
    const char* help = nullptr; // what --help says of it

    bool IsFile() const { return name[0] != '-'; }
    bool TakesValue() const { return value != nullptr || !choices.empty(); }
    // "--company NAME", "--form w2|w3", "--all", "FILE".
    QString Written() const;
};

// The options of a command line as read by its syntax.
class CommandOptions {
public:
    bool Has(const char* name) const { return values_.contains(QLatin1String(name)); }
    // The value given (a choice as the syntax spells it), or empty.
    QString Value(const char* name) const { return values_.value(QLatin1String(name)); }

private:
    friend struct CommandSyntax;
    QHash<QString, QString> values_; // option name (or file placeholder) -> value
};

// How a reading of the command line ended.
struct CommandLineReading {
    bool help = false; // --help (or -h) was asked for
    QString refusal;   // why the command line is refused (one line), or empty
};

struct CommandSyntax {
    const char* name = nullptr;    // "print"
    const char* purpose = nullptr; // what --help says the command does; "\n\n" between paragraphs
    std::vector<OptionSyntax> options{};
    // When the command exits with 1, "ran and found problems" ("there are
    // errors"); nullptr for a command that never does.
    const char* problemsFound = nullptr;

    // "usage: formlark print --company NAME ...", wrapped, ending in a new line.
    QString Usage() const;
    // The usage, the purpose, every option and the exit status.
    QString Help() const;
    // Reads `arguments` (those after the command's name) into `options`.
    CommandLineReading Read(const QStringList& arguments, CommandOptions& options) const;

    const OptionSyntax* Find(const QString& name) const;
};

// The exit status every command keeps to.
inline constexpr int kExitProblemsFound = 1; // ran, and found problems (the command says which)
inline constexpr int kExitCouldNotRun = 2;   // a bad command line, an unknown company, an
                                             // unreadable store, a file that can't be used

// The exit status in a sentence, for --help: what 0 and 2 mean, and 1 when
// `problemsFound` says when the command gives it.
QString ExitStatusText(const char* problemsFound);
