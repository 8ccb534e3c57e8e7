#include "tests/support/ProgramRun.h"

#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestFolders.h"

#include <QProcess>

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
    if (environment.fileSizeLimit > 0)
        process.setChildProcessModifier([limit = environment.fileSizeLimit, survive = environment.survivesFileSizeLimit] {
            LimitFileSize(limit, survive);
        });
    process.start(FormlarkProgram(), arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}
