#include "core/files/CheckedSaveFile.h"

qint64 CheckedSaveFile::writeData(const char* data, qint64 length)
{
    qint64 written = QSaveFile::writeData(data, length);
    if (written >= 0 && written < length) {
        // A write cut short tells no reason; writing the rest does.
        const qint64 more = QSaveFile::writeData(data + written, length - written);
        if (more > 0)
            written += more;
    }
    if (written != length && failure_.isEmpty())
        failure_ = error() != QFileDevice::NoError ? errorString() : QStringLiteral("only part of it could be written");
    return written;
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
    if (!flush() && failure_.isEmpty())
        failure_ = errorString();
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
