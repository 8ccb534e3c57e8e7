// The start of the program as a user sees it: from launching the built
// formlark until its main window is on the screen, with the Sample Company
// as the last active company, under the offscreen platform by default. The program
// says when its window is up (FORMLARK_REPORT_WINDOW_SHOWN); each run has
// a settings file and program folder of its own, so no run finds what an
// earlier one left. Prints the median in milliseconds; it should stay
// under 250. With "--platform xcb" the window comes up on the display of
// DISPLAY (under xvfb-run, for example), fonts and all.
//
//   start_benchmark [--small] [--runs N] [--program PATH] [--platform NAME]
#include "bench/BenchCompany.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr char kShownLine[] = "formlark: main window shown";
constexpr int kLongestStartMs = 30000;

// The milliseconds from launch to the window, or a negative value when the
// program ended or took too long without saying so.
double TimeOneStart(const QString& program, const QString& platform, const QString& sampleStore)
{
    QTemporaryDir folder;
    const QString programFolder = folder.filePath(QStringLiteral("program"));
    QDir().mkpath(programFolder + QStringLiteral("/DatabaseFiles"));
    QFile::copy(sampleStore, programFolder + QStringLiteral("/DatabaseFiles/Sample Company.pmt"));

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.insert(QStringLiteral("FORMLARK_SETTINGS_FILE"), folder.filePath(QStringLiteral("settings.ini")));
    environment.insert(QStringLiteral("FORMLARK_PROGRAM_FOLDER"), programFolder);
    environment.insert(QStringLiteral("FORMLARK_REPORT_WINDOW_SHOWN"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder.path());

    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    process.setReadChannel(QProcess::StandardError);
    double shown = -1;
    QByteArray said;
    while (timer.elapsed() < kLongestStartMs && process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(50);
        said += process.readAllStandardError();
        if (said.contains(kShownLine)) {
            shown = timer.nsecsElapsed() / 1e6;
            break;
        }
    }
    // The window is all this measures: the run ends here, without the end
    // of a run's writing (its folder goes with it).
    const bool ended = process.state() == QProcess::NotRunning;
    process.kill();
    process.waitForFinished(5000);
    if (shown < 0)
        std::fprintf(stderr, "the program did not show its window (%s, exit code %d):\n%s\n",
                     ended ? qPrintable(process.errorString()) : "it took too long", process.exitCode(),
                     (said + process.readAllStandardError()).constData());
    return shown;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int runs = SmallRun(argc, argv) ? 1 : 15;
    QString program = QStringLiteral(FORMLARK_PROGRAM);
    QString platform = QStringLiteral("offscreen");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--program") == 0)
            // Absolute: each run starts it in a folder of its own.
            program = QFileInfo(QString::fromLocal8Bit(argv[i + 1])).absoluteFilePath();
        else if (std::strcmp(argv[i], "--platform") == 0)
            platform = QString::fromLocal8Bit(argv[i + 1]);
    }
    const QString sampleStore = QStringLiteral(FORMLARK_SAMPLE_STORE);
    if (!QFile::exists(sampleStore)) {
        std::fprintf(stderr, "no Sample Company store at %s\n", qPrintable(sampleStore));
        return 1;
    }
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const double ms = TimeOneStart(program, platform, sampleStore);
        if (ms < 0)
            return 1;
        times.push_back(ms);
    }
    std::printf("start to main window: median %.1f ms of %d runs\n", Median(times), runs);
    return 0;
}
