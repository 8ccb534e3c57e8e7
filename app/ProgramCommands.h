#pragma once

#include <QString>

// What the program is asked to do, read from its first argument in one
// place: a command that needs no window, the version or usage line, the
// window (no argument, an option of the window toolkit, or a company file
// to open, as a desktop file manager passes it), or nothing known. The
// commands are one table (ProgramCommands.cpp), which the usage line and
// the "unknown command" message list.

struct ProgramCommand {
    const char* name;
    int (*run)(int argc, char** argv); // gets the whole command line
};

enum class ProgramRequestKind { Window, Command, Version, Help, Unknown };

struct ProgramRequest {
    ProgramRequestKind kind = ProgramRequestKind::Window;
    const ProgramCommand* command = nullptr; // for Command
};

ProgramRequest ClassifyProgramArguments(int argc, char** argv);

// "print, import-csv, export-csv, check"
QString ProgramCommandNames();

// The one-line answers that need no window.
QString ProgramUsageLine();
QString UnknownCommandMessage(const QString& argument);
