#include "tests/support/ProgramRun.h"

#include "tests/support/TestFolders.h"

#include <QProcess>

QString FormlarkProgram()
{
    return qEnvironmentVariable("FORMLARK_RUNTIME_DIR") + QStringLiteral("/formlark");
}

ProgramRun RunFormlark(const TestFolders& folders, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FORMLARK_SETTINGS_FILE"), folders.SettingsFile());
    env.insert(QStringLiteral("FORMLARK_PROGRAM_FOLDER"), folders.ProgramFolder());
    process.setProcessEnvironment(env);
    process.start(FormlarkProgram(), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}
