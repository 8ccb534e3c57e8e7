#include "app/GlobalDoc.h"
#include "app/MainFrame.h"
#include "app/MessageBoxPrompt.h"
#include "app/PrintCommand.h"
#include "app/Settings.h"

#include <QApplication>

#include <cstring>

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "print") == 0)
        return RunPrintCommand(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(kApplicationTitle));
    MessageBoxPrompt prompt;
    SetAppPrompt(&prompt);

    CGlobalDoc document;
    if (!document.OpenFirstCompany())
        return 1;
    CMainFrame frame(document);
    frame.showMaximized();
    const int result = app.exec();
    SetAppPrompt(nullptr);
    return result;
}
