#pragma once

#include <QString>
#include <QStringList>

// The program as a user runs it (the build's formlark, found through
// FORMLARK_RUNTIME_DIR, which ctest sets), with the test's own settings
// file and program folder, under the offscreen platform.

struct ProgramRun {
    int exitCode = -1; // -1: killed by a signal, or not ended within its time
    QString standardOutput;
    QString standardError;
};

struct ProgramEnvironment {
    QString settingsFile;
    QString programFolder; // empty: the program's own
    QString workingFolder; // empty: the test's
    // A file-size limit in bytes (0: none); unless `survivesFileSizeLimit`,
    // SIGXFSZ is left as a shell leaves it, deadly to a program that does
    // not ignore it itself.
    qint64 fileSizeLimit = 0;
    bool survivesFileSizeLimit = true;
    // The platform the environment names to the window toolkit; any other
    // than "offscreen" is named with no display to reach (as on a server
    // whose environment names "xcb").
    QString platform = QStringLiteral("offscreen");
    // The umask the program runs under (-1: the test's own).
    int umask = -1;
    // The most memory (the data segment and private mappings, in bytes) the
    // program may take (0: no limit); past it an allocation fails.
    qint64 memoryLimit = 0;
    // A folder the program can't write (empty: none): its permissions taken
    // away for the run, or, for root (whom permissions don't stop), a
    // read-only mount of it in a mount namespace of the program's own. Where
    // neither can be had, the run's exitCode is kNoReadOnlyFolder.
    QString readOnlyFolder;
};

inline constexpr int kNoReadOnlyFolder = 125;

class TestFolders;

QString FormlarkProgram();

// The settings file and program folder of `folders`, run in its folder.
ProgramEnvironment FoldersEnvironment(const TestFolders& folders);

// Runs the program with `arguments`; one that runs longer than `timeoutMs`
// is killed.
ProgramRun RunFormlark(const QStringList& arguments, const ProgramEnvironment& environment, int timeoutMs = 60000);
