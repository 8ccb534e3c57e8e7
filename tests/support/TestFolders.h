#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A program folder and a settings file of the test's own, in a temporary
// folder that goes away with the object. The program folder holds an empty
// "DatabaseFiles" folder.
class TestFolders {
public:
    TestFolders();
    ~TestFolders();

    QString ProgramFolder() const; // ends in "/"
    QString DataFolder() const;    // ProgramFolder() + "DatabaseFiles/"
    QString SettingsFile() const;
    QString Path(const QString& relative) const;
    bool IsValid() const { return dir_.isValid(); }

private:
    QTemporaryDir dir_;
};

// Every file and folder beneath `folder` with its size, time of change and
// permissions, one line each in a fixed order: two snapshots differ when
// anything beneath it was written, added, renamed or removed.
QStringList FolderSnapshot(const QString& folder);

// A file's bytes (empty when it can't be read), and a file written with
// `bytes` (false when it can't be).
QByteArray FileBytes(const QString& path);
bool WriteFileBytes(const QString& path, const QByteArray& bytes);

// The permission bits of the file at `path` (0644, ...), -1 when there is
// none.
int FileMode(const QString& path);
