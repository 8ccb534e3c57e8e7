#include "tests/support/ProgramRun.h"

#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestFolders.h"

#include <QFile>
#include <QProcess>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

} // namespace

QString FormlarkProgram()
{
    return qEnvironmentVariable("FORMLARK_RUNTIME_DIR") + QStringLiteral("/formlark");
}

ProgramEnvironment FoldersEnvironment(const TestFolders& folders)
{
    ProgramEnvironment environment;
    environment.settingsFile = folders.SettingsFile();
    environment.programFolder = folders.ProgramFolder();
    environment.workingFolder = folders.Path(QString());
    return environment;
}

ProgramRun RunFormlark(const QStringList& arguments, const ProgramEnvironment& environment, int timeoutMs)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), environment.platform);
    if (environment.platform != QLatin1String("offscreen")) {
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    env.insert(QStringLiteral("FORMLARK_SETTINGS_FILE"), environment.settingsFile);
    if (environment.programFolder.isEmpty())
        env.remove(QStringLiteral("FORMLARK_PROGRAM_FOLDER"));
    else
        env.insert(QStringLiteral("FORMLARK_PROGRAM_FOLDER"), environment.programFolder);
    process.setProcessEnvironment(env);
    if (!environment.workingFolder.isEmpty())
        process.setWorkingDirectory(environment.workingFolder);
    const bool asRoot = ::geteuid() == 0;
    const QByteArray readOnly = QFile::encodeName(environment.readOnlyFolder);
    QFile::Permissions permissions;
    if (!readOnly.isEmpty() && !asRoot) {
        permissions = QFile::permissions(environment.readOnlyFolder);
        QFile::setPermissions(environment.readOnlyFolder,
                              permissions
                                  & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther));
    }
    process.setChildProcessModifier([limit = environment.fileSizeLimit, survive = environment.survivesFileSizeLimit,
                                     mask = environment.umask, folder = asRoot ? readOnly : QByteArray(),
                                     memory = environment.memoryLimit] {
        if (limit > 0)
            LimitFileSize(limit, survive);
        // AddressSanitizer maps terabytes of shadow memory at start, which a
        // data limit refuses: in that build the limit can't be measured.
        if (memory > 0 && !kAddressSanitizer) {
            const rlimit data = {rlim_t(memory), rlim_t(memory)};
            ::setrlimit(RLIMIT_DATA, &data);
        }
        if (mask >= 0)
            ::umask(mode_t(mask));
        if (!folder.isEmpty()
            && (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
                || ::mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr) != 0
                || ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0))
            ::_exit(kNoReadOnlyFolder);
    });
    process.start(FormlarkProgram(), arguments);
    const bool finished = process.waitForFinished(timeoutMs);
    if (!readOnly.isEmpty() && !asRoot)
        QFile::setPermissions(environment.readOnlyFolder, permissions);
    if (!finished) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}
