#include "core/document/GlobalDoc.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/MessageBoxPrompt.h"
#include "app/PrintCommand.h"
#include "core/settings/Settings.h"
#include "gui/shell/SplashWindow.h"

#include <QApplication>
#include <QIcon>

#include <cstring>

int main(int argc, char** argv)
{
    // Printing needs no window and no display.
    if (argc > 1 && std::strcmp(argv[1], "print") == 0)
        return RunPrintCommand(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(kApplicationTitle));
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
