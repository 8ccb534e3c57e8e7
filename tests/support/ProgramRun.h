#pragma once

#include <QString>
#include <QStringList>

class TestFolders;

// A run of the program of the build, as a user runs it from a shell.
struct ProgramRun {
    int exitCode = -1; // -1 when it crashed or did not end within a minute
    QString standardOutput;
    QString standardError;
};

// The program of the build: FORMLARK_RUNTIME_DIR (which ctest names) +
// "/formlark".
QString BuiltFormlark();

// Runs it with `arguments`, the settings file and program folder of
// `folders` and no display.
ProgramRun RunFormlark(const QStringList& arguments, const TestFolders& folders);
