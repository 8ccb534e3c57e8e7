#pragma once

#include <QByteArray>
#include <QString>

// Files read as input (a CSV file, the settings file) are regular files of
// a bounded size. A device (/dev/zero), a pipe without a writer or a folder
// would be read without end or block for ever; they are refused before any
// byte is read, and opening never waits.

enum class FileReadOutcome {
    Read,
    Missing,    // no file of that name
    NotRegular, // a folder, device, pipe or socket
    TooLarge,   // more than the bound
    Failed,     // the system refused (no permission, an I/O error)
};

struct FileContents {
    FileReadOutcome outcome = FileReadOutcome::Failed;
    QByteArray bytes; // the whole file when Read
    QString reason;   // why not, in words: "it is a pipe (FIFO), not a regular file"
    bool Ok() const { return outcome == FileReadOutcome::Read; }
};

// The whole file at `path` (links followed) when it is a regular file of at
// most `maxBytes` bytes.
FileContents ReadRegularFile(const QString& path, qint64 maxBytes);

// What the existing file at `path` (links followed) is when it is not a
// regular file: "a folder", "a device", "a pipe (FIFO)", "a socket"; empty
// for a regular file or a missing one.
QString NonRegularFileKind(const QString& path);

// The system's text for an error number ("No space left on device").
QString SystemErrorText(int error);
