#include "core/files/NewFileMode.h"

#include <QFile>

#include <sys/stat.h>

mode_t NewFileMode()
{
    // Read from the system: setting and restoring it would leave a moment
    // in which a file made by another thread got no umask at all.
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
            if (!line.startsWith("Umask:"))
                continue;
            bool ok = false;
            const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
            if (ok)
                return mode_t(0666 & ~mask);
        }
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

bool GiveTargetMode(const QString& written, const QString& target)
{
    struct stat st = {};
    const bool replacing = ::stat(QFile::encodeName(target).constData(), &st) == 0 && S_ISREG(st.st_mode);
    const mode_t mode = replacing ? (st.st_mode & 07777) : NewFileMode();
    return ::chmod(QFile::encodeName(written).constData(), mode) == 0;
}
