#include "core/document/GlobalDoc.h"
#include "core/document/RunStart.h"
#include "gui/shell/MainFrame.h"
#include "gui/shell/MessageBoxPrompt.h"
#include "app/CommandLine.h"
#include "app/ProgramCommands.h"
#include "core/settings/Settings.h"
#include "gui/shell/SplashWindow.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <QWindow>

#include <csignal>
#include <cstdio>

namespace {

// The variable that asks the program to say on stderr when its main window
// is first on the screen: the benchmark of the start waits for that line.
constexpr char kReportWindowShown[] = "FORMLARK_REPORT_WINDOW_SHOWN";

// Says so once the window's first expose has been painted.
class WindowShownReport : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] {
                std::fputs("formlark: main window shown\n", stderr);
                std::fflush(stderr);
            });
        }
        return false;
    }
};

} // namespace

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
    if (!RunStart(document).OpenFirstCompany(fileToOpen)) {
        SetAppPrompt(nullptr);
        return 1;
    }
    // A file that is not the first company opens once the start is through,
    // so the password is asked first.
    if (!fileToOpen.isEmpty() && !document.IsOpenStore(fileToOpen))
        frame.OpenFileAfterStartUp(fileToOpen);
    WindowShownReport shownReport;
    if (qEnvironmentVariableIsSet(kReportWindowShown)) {
        // The window's handle before it is shown: its first expose may come
        // while it is being shown.
        frame.createWinId();
        frame.windowHandle()->installEventFilter(&shownReport);
    }
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
