#pragma once

#include <QString>
#include <QStringList>

class TestFolders;

// The program beside the tests (ctest names its folder) run as a user runs
// a command: with the settings file and the program folder of `folders`.
struct ProgramRun {
    int exitCode = -1; // -1: it crashed or did not end within a minute
    QString standardOutput;
    QString standardError;
};
QString FormlarkProgram();
ProgramRun RunFormlark(const TestFolders& folders, const QStringList& arguments);
