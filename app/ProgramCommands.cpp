#include "app/ProgramCommands.h"

#include "app/CheckCommand.h"
#include "app/ConvertCommand.h"
#include "app/CsvCommands.h"
#include "app/NewCompanyCommand.h"
#include "app/PrintCommand.h"

#include <QFileInfo>
#include <QStringList>

#include <cstring>

namespace {

// Every command, in the order the usage line lists them: the order a
// bureau's script runs them in.
const ProgramCommand kProgramCommands[] = {
    {&NewCompanySyntax, &RunNewCompanyCommand}, {&PrintSyntax, &RunPrintCommand},
    {&ImportCsvSyntax, &RunImportCsvCommand},   {&ExportCsvSyntax, &RunExportCsvCommand},
    {&CheckSyntax, &RunCheckCommand},           {&ConvertSyntax, &RunConvertCommand},
};

// The options the window toolkit takes itself ("-platform offscreen",
// "-style=fusion", also written with two dashes).
const char* const kToolkitOptionsWithValue[] = {
    "platform",
    "platformpluginpath",
    "platformtheme",
    "plugin",
    "qwindowgeometry",
    "geometry",
    "qwindowtitle",
    "title",
    "qwindowicon",
    "icon",
    "session",
    "display",
    "name",
    "style",
    "stylesheet",
    "visual",
    "ncols",
    "im",
    "inputstyle",
};
const char* const kToolkitFlags[] = {"reverse", "nograb", "dograb", "sync", "widgetcount", "cmap", "testability"};
const char* const kToolkitOptionsWithJoinedValue[] = {"style=", "stylesheet=", "qmljsdebugger="};

enum class ToolkitOption { None, Flag, WithValue };

ToolkitOption ToolkitOptionOf(const char* argument)
{
    if (argument[0] != '-')
        return ToolkitOption::None;
    const char* name = argument + (argument[1] == '-' ? 2 : 1);
    for (const char* option : kToolkitOptionsWithValue)
        if (std::strcmp(name, option) == 0)
            return ToolkitOption::WithValue;
    for (const char* option : kToolkitFlags)
        if (std::strcmp(name, option) == 0)
            return ToolkitOption::Flag;
    for (const char* option : kToolkitOptionsWithJoinedValue)
        if (std::strncmp(name, option, std::strlen(option)) == 0)
            return ToolkitOption::Flag;
    return ToolkitOption::None;
}

bool Is(const char* argument, const char* option)
{
    return std::strcmp(argument, option) == 0;
}

bool IsOption(const char* argument)
{
    return argument[0] == '-' && argument[1] != '\0';
}

// A company file to open, as a file manager or the desktop entry passes it.
bool IsFileToOpen(const char* argument)
{
    const QFileInfo file(QString::fromLocal8Bit(argument));
    return argument[0] != '\0' && file.exists() && !file.isDir();
}

} // namespace

ProgramRequest ClassifyProgramArguments(int argc, char** argv)
{
    ProgramRequest request;
    if (argc < 2)
        return request;
    const char* first = argv[1];
    for (const ProgramCommand& command : kProgramCommands)
        if (Is(first, command.syntax().name))
            return {ProgramRequestKind::Command, &command, {}, {}};
    if (!IsOption(first) && !IsFileToOpen(first))
        return {ProgramRequestKind::UnknownCommand, nullptr, QString::fromLocal8Bit(first), {}};
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (!IsOption(argument)) {
            request.files << QString::fromLocal8Bit(argument);
            continue;
        }
        if (Is(argument, "--version") || Is(argument, "-v"))
            return {ProgramRequestKind::Version, nullptr, {}, {}};
        if (Is(argument, "--help") || Is(argument, "-h"))
            return {ProgramRequestKind::Help, nullptr, {}, {}};
        switch (ToolkitOptionOf(argument)) {
        case ToolkitOption::WithValue:
            ++i;
            break;
        case ToolkitOption::Flag:
            break;
        case ToolkitOption::None:
            return {ProgramRequestKind::UnknownOption, nullptr, QString::fromLocal8Bit(argument), {}};
        }
    }
    return request;
}

int RunProgramCommand(const ProgramCommand& command, int argc, char** argv)
{
    CommandRun run(command.syntax(), argc, argv);
    if (const std::optional<int> exitCode = run.Answered())
        return *exitCode;
    return command.run(run);
}

std::vector<const ProgramCommand*> ProgramCommandList()
{
    std::vector<const ProgramCommand*> list;
    for (const ProgramCommand& command : kProgramCommands)
        list.push_back(&command);
    return list;
}

QString ProgramCommandNames()
{
    QStringList names;
    for (const ProgramCommand& command : kProgramCommands)
        names << QLatin1String(command.syntax().name);
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

QString UnknownOptionMessage(const QString& argument)
{
    return QStringLiteral("formlark: unknown option \"%1\"").arg(argument);
}

QString FilesNotOpenedMessage(const QStringList& files)
{
    if (files.size() < 2)
        return QString();
    QStringList others;
    for (qsizetype i = 1; i < files.size(); ++i)
        others << QStringLiteral("\"%1\"").arg(files.at(i));
    if (others.size() == 1)
        return QStringLiteral("Formlark opens one company at a time, so %1 was not opened.").arg(others.front());
    return QStringLiteral("Formlark opens one company at a time, so these files were not opened: %1.")
        .arg(others.join(QStringLiteral(", ")));
}
