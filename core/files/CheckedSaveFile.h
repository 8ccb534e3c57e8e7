#pragma once

#include <QSaveFile>
#include <QString>

// A file written whole or not at all. Qt's own save file may rename a
// cut-off file over the good one when the disk fills up (or a file-size
// limit is reached): a large write that ends short reports no error, and
// commit() can report success after its final flush failed. This one notes
// every write that falls short, flushes before the rename, and refuses the
// rename after any failure: the old file stays untouched and the temporary
// one is removed. A failure is told by the system's reason ("No space left
// on device", "File too large").
class CheckedSaveFile : public QSaveFile {
public:
    using QSaveFile::QSaveFile;

    // Flushes, checks every write and renames into place. False on any
    // failure, with the reason in `why` when given.
    bool CommitWhole(QString* why = nullptr);

protected:
    qint64 writeData(const char* data, qint64 length) override;

private:
    void NoteFailure(int systemError);

    QString failure_; // the first failed write's reason
};
