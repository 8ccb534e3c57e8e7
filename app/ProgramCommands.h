#pragma once

#include "app/CommandLine.h"

#include <QString>
#include <QStringList>

// What the program is asked to do, read from its arguments in one place: a
// command that needs no window, the version or usage line, or the window
// (with the options of the window toolkit, and the company files to open
// as a desktop file manager passes them). Anything else is refused without
// a window: an unknown command, or an option that is neither the
// program's nor the toolkit's. The commands are one table
// (ProgramCommands.cpp): new-company, print, import-csv, export-csv, check
// and convert, which the usage line and the "unknown command" message list.

struct ProgramCommand {
    const CommandSyntax& (*syntax)();
    int (*run)(CommandRun& run); // the command's work, once its options are read
};

enum class ProgramRequestKind { Window, Command, Version, Help, UnknownCommand, UnknownOption };

struct ProgramRequest {
    ProgramRequestKind kind = ProgramRequestKind::Window;
    const ProgramCommand* command = nullptr; // for Command
    QString argument;                        // the unknown command or option
    QStringList files;                       // for Window: the company files named, in their order
};

ProgramRequest ClassifyProgramArguments(int argc, char** argv);

// Runs `command` with the program's arguments: reads them (answering --help
// or refusing a bad command line), then does its work. Returns the exit code.
int RunProgramCommand(const ProgramCommand& command, int argc, char** argv);

// Every command, in the order the usage line lists them.
std::vector<const ProgramCommand*> ProgramCommandList();
// "new-company, print, import-csv, export-csv, check, convert"
QString ProgramCommandNames();

// The answers that need no window.
QString ProgramUsageLine();
QString UnknownCommandMessage(const QString& argument);
QString UnknownOptionMessage(const QString& argument);

// The window opens one company: what it says of the other files it was
// given (`files` beyond the first), or empty when there are none.
QString FilesNotOpenedMessage(const QStringList& files);
