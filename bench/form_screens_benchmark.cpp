// The form screens with a large company (10,000 employees, each with a
// W-2, and 10,000 contractors, each with a 1099-MISC): bringing the W-2
// and 1099-MISC screens up in the main window, Next, and Save of one
// changed form (the store write, the W-3 or 1096 totals and the refresh
// of the screens that show the form). Prints medians in milliseconds; each
// should stay under 30.
#include "bench/BenchCompany.h"
#include "core/document/GlobalDoc.h"
#include "core/settings/Settings.h"
#include "core/prompt/Prompt.h"
#include "core/store/CompanyData.h"
#include "gui/shell/MainFrame.h"
#include "gui/contractor/Form1096View.h"
#include "gui/contractor/Form1099View.h"
#include "gui/wage/W2View.h"
#include "gui/wage/W3View.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Answers every question with Yes, as a user saving their changes does.
class YesPrompt : public Prompt {
public:
    PromptAnswer Ask(const QString&, PromptButtons buttons, PromptIcon) override
    {
        ++asked;
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Yes;
    }
    int asked = 0;
};

// The company's size and the runs of each timing: 10,000 employees and
// 10,000 contractors, or a small run.
struct Sizes {
    int employees = 10000;
    int contractors = 10000;
    int runs = 25;
    int nexts = 101;
};

// Runs `prepare` (untimed) and `step` (timed) `runs` times; the median.
double Time(int runs, const std::function<void()>& prepare, const std::function<void()>& step)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        step();
        QApplication::processEvents();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return Median(times);
}

struct ScreenTimes {
    double up = 0;
    double next = 0;
    double save = 0;
};

// A form screen (navigation index `screen`) brought up from the screen of
// `from`, Next through the owners in the list's order, and Save of the
// form with `box` typed anew (dollars from `dollars` on), answered Yes.
ScreenTimes TimeFormScreen(const Sizes& sizes, CMainFrame& frame, int screen, int from, CFormEntryView& view,
                           QLineEdit* box, int dollars)
{
    ScreenTimes times;
    times.up = Time(
        sizes.runs, [&] { frame.Navigate(1, from); }, [&] { frame.Navigate(1, screen); });
    frame.Navigate(1, screen);
    times.next = Time(
        sizes.nexts, [] {}, [&] { view.OnNext(); });
    int cents = 0;
    times.save = Time(
        sizes.runs,
        [&] {
            box->setText(QStringLiteral("%1.%2").arg(dollars + cents / 100).arg(cents % 100, 2, 10, QChar('0')));
            ++cents;
        },
        [&] { view.OnSave(); });
    return times;
}

} // namespace

int main(int argc, char** argv)
{
    const Sizes sizes = SmallRun(argc, argv) ? Sizes{50, 50, 3, 3} : Sizes{};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    SetSettingsFile(dir.filePath("settings.ini"));
    YesPrompt prompt;
    SetAppPrompt(&prompt);

    const QString path = dir.filePath("Benchmark Company.pmt");
    if (!WriteCompanyStore(path, LargeCompany(sizes.employees, sizes.contractors))) {
        std::fprintf(stderr, "could not write the company\n");
        return 1;
    }
    CGlobalDoc document;
    document.SetDataFolder(dir.path() + u'/');
    document.SetCurrentCompany("Benchmark Company", path);
    if (!document.LoadCurrentCompany()) {
        std::fprintf(stderr, "could not load the company\n");
        return 1;
    }
    CMainFrame frame(document);
    frame.resize(1400, 900);
    frame.show();
    // Every screen built, as a user who has been to each has them: a Save
    // then has all of them to bring up to date, or not.
    for (int screen = 0; screen < kScreenCount; ++screen)
        frame.View(Screen(screen));
    QElapsedTimer first;
    first.start();
    frame.RefreshAllViews();
    const double firstRefresh = first.nsecsElapsed() / 1e6;
    app.processEvents();

    // The W-2 screen coming from the W-3 screen, the 1099-MISC screen from
    // the 1096 screen; box 1 typed anew before each Save.
    auto* w2 = static_cast<CW2View*>(frame.View(Screen::W2));
    const ScreenTimes w2Times = TimeFormScreen(sizes, frame, 3, 4, *w2, w2->Box("Wages"), 50000);
    auto* w3 = static_cast<CW3View*>(frame.View(Screen::W3));
    const double w3Totals = Time(
        sizes.runs, [] {}, [&] { w3->RefreshFromDocument(document); });
    const double refreshAll = Time(
        sizes.runs, [] {}, [&] { document.RefreshViews(); });

    auto* form1099 = static_cast<C1099View*>(frame.View(Screen::Form1099));
    const ScreenTimes form1099Times = TimeFormScreen(sizes, frame, 5, 6, *form1099, form1099->Box("Rents"), 700);
    auto* form1096 = static_cast<C1096View*>(frame.View(Screen::Form1096));
    const double form1096Totals = Time(
        sizes.runs, [] {}, [&] { form1096->RefreshFromDocument(document); });
    // The store write alone: the form through the document, no screen.
    const int contractorId = form1099->Cursor().OwnerId();
    Form1099Record changed = document.Forms1099()[size_t(form1099->Cursor().FormIndex())];
    int royalties = 0;
    const double write1099 = Time(
        sizes.runs, [&] { changed.Royalities = QStringLiteral("%1.00").arg(++royalties); },
        [&] { document.Editor().Save1099(contractorId, changed); });

    const bool saved = document.Modified() == 0 && w2->Box("Wages")->text().startsWith(QLatin1String("50"))
                       && form1099->Box("Rents")->text().startsWith(QLatin1String("70"));
    std::printf("company of %d employees, each with a W-2, and %d contractors, each with a 1099-MISC "
                "(medians, ms)\n",
                sizes.employees, sizes.contractors);
    std::printf("  first refresh of every screen       %8.2f (once)\n", firstRefresh);
    std::printf("  W-2 screen brought up               %8.2f\n", w2Times.up);
    std::printf("  Next                                %8.2f\n", w2Times.next);
    std::printf("  Save of one changed W-2             %8.2f\n", w2Times.save);
    std::printf("    of which: W-3 totals and boxes    %8.2f\n", w3Totals);
    std::printf("    of which: refresh of every screen %8.2f\n", refreshAll);
    std::printf("  1099-MISC screen brought up         %8.2f\n", form1099Times.up);
    std::printf("  Next                                %8.2f\n", form1099Times.next);
    std::printf("  Save of one changed 1099-MISC       %8.2f\n", form1099Times.save);
    std::printf("    of which: store write             %8.2f\n", write1099);
    std::printf("    of which: 1096 totals and boxes   %8.2f\n", form1096Totals);
    SetAppPrompt(nullptr);
    if (!saved) {
        std::fprintf(stderr, "the saves did not reach the store\n");
        return 1;
    }
    return 0;
}
