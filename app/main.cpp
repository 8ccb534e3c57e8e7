#include "core/document/GlobalDoc.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/MessageBoxPrompt.h"
#include "app/CommandLine.h"
#include "app/ProgramCommands.h"
#include "core/settings/Settings.h"
#include "gui/shell/SplashWindow.h"

#include <QApplication>
#include <QIcon>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv)
{
    // A file-size limit (ulimit -f) makes a write fail, which is reported
    // like a full disk, instead of killing the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);

    // The commands and the one-line answers need no window and no display.
    const ProgramRequest request = ClassifyProgramArguments(argc, argv);
    switch (request.kind) {
    case ProgramRequestKind::Command:
        return RunProgramCommand(*request.command, argc, argv);
    case ProgramRequestKind::Version:
        std::fputs("formlark " FORMLARK_VERSION "\n", stdout);
        return 0;
    case ProgramRequestKind::Help:
        PrintLine(stdout, ProgramUsageLine());
        return 0;
    case ProgramRequestKind::UnknownCommand:
        PrintLine(stderr, UnknownCommandMessage(request.argument));
        return kExitCouldNotRun;
    case ProgramRequestKind::UnknownOption:
        PrintLine(stderr, UnknownOptionMessage(request.argument));
        PrintLine(stderr, ProgramUsageLine());
        return kExitCouldNotRun;
    case ProgramRequestKind::Window:
        break;
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

    // A company file to open (the desktop's "Open with") stands in for the
    // last active company. One company is open at a time: the user is told
    // which other files were not opened.
    const QString fileToOpen = request.files.isEmpty() ? QString() : request.files.front();
    const QString notOpened = FilesNotOpenedMessage(request.files);
    // The last active company (or that file), or the Sample Company; without
    // any there is nothing to work on (the document has said why).
    if (!document.OpenFirstCompany(fileToOpen)) {
        SetAppPrompt(nullptr);
        return 1;
    }
    // A file that is not the first company opens once the start is through,
    // so the password is asked first.
    if (!fileToOpen.isEmpty() && !document.IsOpenStore(fileToOpen))
        frame.OpenFileAfterStartUp(fileToOpen);
    frame.showMaximized();
    frame.RefreshAllViews();
    QObject::connect(
        &splash, &CSplashWindow::finished, &frame,
        [&frame, notOpened] {
            if (frame.ContinueStartUp() && !notOpened.isEmpty())
                AppPrompt().Tell(notOpened, PromptIcon::Exclamation);
        },
        Qt::QueuedConnection);

    const int result = app.exec();
    SetAppPrompt(nullptr);
    return result;
}
