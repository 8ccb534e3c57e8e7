#include "core/files/CheckedSaveFile.h"

#include "core/files/RegularFile.h"

#include <cerrno>

qint64 CheckedSaveFile::writeData(const char* data, qint64 length)
{
    // The system's error number is taken right at the failed write: Qt's
    // own text for a write cut short is often only "Unknown error".
    errno = 0;
    qint64 written = QSaveFile::writeData(data, length);
    int systemError = errno;
    if (written >= 0 && written < length) {
        // A write cut short tells no reason; writing the rest does.
        errno = 0;
        const qint64 more = QSaveFile::writeData(data + written, length - written);
        if (more > 0)
            written += more;
        if (errno != 0)
            systemError = errno;
    }
    if (written != length)
        NoteFailure(systemError);
    return written;
}

void CheckedSaveFile::NoteFailure(int systemError)
{
    if (!failure_.isEmpty())
        return;
    if (systemError != 0)
        failure_ = SystemErrorText(systemError);
    else if (error() != QFileDevice::NoError)
        failure_ = errorString();
    else
        failure_ = QStringLiteral("only part of it could be written");
}

bool CheckedSaveFile::CommitWhole(QString* why)
{
    auto fail = [&](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (!isOpen())
        return fail(QStringLiteral("the file is not open"));
    errno = 0;
    if (!flush())
        NoteFailure(errno);
    if (!failure_.isEmpty()) {
        // A cancelled file is removed by the commit instead of renamed.
        cancelWriting();
        commit();
        return fail(failure_);
    }
    if (!commit())
        return fail(errorString());
    return true;
}
