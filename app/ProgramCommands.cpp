#include "app/ProgramCommands.h"

#include "app/CheckCommand.h"
#include "app/CsvCommands.h"
#include "app/PrintCommand.h"

#include <QFileInfo>
#include <QStringList>

#include <cstring>

namespace {

// Every command, in the order the usage line lists them.
const ProgramCommand kProgramCommands[] = {
    {"print", &RunPrintCommand},
    {"import-csv", &RunImportCsvCommand},
    {"export-csv", &RunExportCsvCommand},
    {"check", &RunCheckCommand},
};

bool Is(const char* argument, const char* option)
{
    return std::strcmp(argument, option) == 0;
}

} // namespace

ProgramRequest ClassifyProgramArguments(int argc, char** argv)
{
    if (argc < 2)
        return {};
    const char* first = argv[1];
    for (const ProgramCommand& command : kProgramCommands)
        if (Is(first, command.name))
            return {ProgramRequestKind::Command, &command};
    if (Is(first, "--version") || Is(first, "-v"))
        return {ProgramRequestKind::Version};
    if (Is(first, "--help") || Is(first, "-h"))
        return {ProgramRequestKind::Help};
    // The window toolkit's own options ("-platform offscreen", "-style ...").
    if (first[0] == '-' && first[1] != '\0')
        return {};
    // A file to open, as a file manager or the desktop entry passes it.
    const QFileInfo file(QString::fromLocal8Bit(first));
    if (first[0] != '\0' && file.exists() && !file.isDir())
        return {};
    return {ProgramRequestKind::Unknown};
}

QString ProgramCommandNames()
{
    QStringList names;
    for (const ProgramCommand& command : kProgramCommands)
        names << QLatin1String(command.name);
    return names.join(QStringLiteral(", "));
}

QString ProgramUsageLine()
{
    return QStringLiteral("usage: formlark [COMPANY-FILE] (opens the window) | formlark COMMAND OPTIONS, COMMAND "
                          "one of %1 (see formlark COMMAND --help) | formlark --version")
        .arg(ProgramCommandNames());
}

QString UnknownCommandMessage(const QString& argument)
{
    return QStringLiteral("formlark: unknown command \"%1\"; the commands are %2 (see formlark COMMAND --help), "
                          "or give no argument to open the window")
        .arg(argument, ProgramCommandNames());
}
