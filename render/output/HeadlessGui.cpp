#include "render/output/HeadlessGui.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

void PrepareHeadlessGui()
{
    // Whatever platform the environment names: one that needs a display
    // (xcb without an X server) would end the program before it starts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray folder = QFile::encodeName(QDir::tempPath()) + "/formlark-runtime-" + QByteArray::number(getuid());
    struct stat info { };
    // Only a real folder of our own will do, never someone else's or a link.
    if ((::mkdir(folder.constData(), 0700) == 0 || errno == EEXIST) && ::lstat(folder.constData(), &info) == 0
        && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() && ::chmod(folder.constData(), 0700) == 0)
        qputenv("XDG_RUNTIME_DIR", folder);
}
