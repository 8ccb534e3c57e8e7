#include "core/document/GlobalDoc.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/MessageBoxPrompt.h"
#include "app/CheckCommand.h"
#include "app/CsvCommands.h"
#include "app/PrintCommand.h"
#include "core/settings/Settings.h"
#include "gui/shell/SplashWindow.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>

namespace {

// The one-line answers a shell user or a packaging check asks for; they need
// neither a window nor a display.
const char kVersionLine[] = "formlark " FORMLARK_VERSION "\n";
const char kHelpLine[] = "usage: formlark (opens the window) | formlark print OPTIONS --pdf FILE "
                         "| formlark import-csv OPTIONS FILE | formlark export-csv OPTIONS FILE "
                         "| formlark check OPTIONS "
                         "(see formlark COMMAND --help) | formlark --version\n";

bool Is(const char* argument, const char* option)
{
    return std::strcmp(argument, option) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1) {
        // The commands need no window and no display.
        if (Is(argv[1], "print"))
            return RunPrintCommand(argc, argv);
        if (Is(argv[1], "import-csv"))
            return RunImportCsvCommand(argc, argv);
        if (Is(argv[1], "export-csv"))
            return RunExportCsvCommand(argc, argv);
        if (Is(argv[1], "check"))
            return RunCheckCommand(argc, argv);
        if (Is(argv[1], "--version") || Is(argv[1], "-v")) {
            std::fputs(kVersionLine, stdout);
            return 0;
        }
        if (Is(argv[1], "--help") || Is(argv[1], "-h")) {
            std::fputs(kHelpLine, stdout);
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(kApplicationTitle));
    QApplication::setApplicationVersion(QLatin1String(FORMLARK_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QLatin1String(FORMLARK_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/formlark/program.svg")));
    MessageBoxPrompt prompt;
    SetAppPrompt(&prompt);

    CGlobalDoc document;
    CMainFrame frame(document);
    CSplashWindow splash;
    splash.Start();

    // The last active company, or the Sample Company; without either there
    // is nothing to work on (the document has said why).
    if (!document.OpenFirstCompany()) {
        SetAppPrompt(nullptr);
        return 1;
    }
    frame.showMaximized();
    frame.RefreshAllViews();
    QObject::connect(&splash, &CSplashWindow::finished, &frame, [&frame] { frame.ContinueStartUp(); },
                     Qt::QueuedConnection);

    const int result = app.exec();
    SetAppPrompt(nullptr);
    return result;
}
