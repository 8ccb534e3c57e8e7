// The check before filing with a large company (10,000 employees, each
// with a W-2, and 10,000 contractors, each with a 1099-MISC), one form in
// fifty spoilt so that there is something to find: the check itself, and
// the "Check Forms" window checking again and showing the list. Prints
// medians in milliseconds; the check should stay under 200.
#include "bench/BenchCompany.h"
#include "core/check/FormCheck.h"
#include "core/document/GlobalDoc.h"
#include "gui/check/CheckFormsWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The company's size and the runs of each timing: 10,000 employees and
// 10,000 contractors, or a small run.
struct Sizes {
    int employees = 10000;
    int contractors = 10000;
    int runs = 25;
};

double Time(int runs, const std::function<void()>& step)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return Median(times);
}

CompanyData SpoiltCompany(const Sizes& sizes)
{
    CompanyData data = LargeCompany(sizes.employees, sizes.contractors);
    data.company.EmployerIdentificationNumber = "93-1234567";
    data.company.Address1 = "1 Main Street";
    data.company.Zip = "62701";
    data.company.StateID = "IL-1";
    data.company.FormW3RadioKindOfPayer = 0;
    for (size_t i = 0; i < data.w2s.size(); i += 50) {
        data.w2s[i].SocialSecurityTips = "-5.50";
        data.w2s[i + 1].Field12bAmount = "100.00";
    }
    for (size_t i = 0; i < data.forms1099.size(); i += 50)
        data.forms1099[i].NonemployeeCompensation = "250.00";
    return data;
}

} // namespace

int main(int argc, char** argv)
{
    const Sizes sizes = SmallRun(argc, argv) ? Sizes{100, 100, 1} : Sizes{};
    QApplication app(argc, argv);
    CGlobalDoc document;
    document.Data() = SpoiltCompany(sizes);

    size_t findings = 0;
    const double check = Time(sizes.runs, [&] { findings = CheckCompanyForms(document.Data()).findings.size(); });

    CCheckFormsWindow window(document);
    window.resize(960, 480);
    window.show();
    const double refresh = Time(sizes.runs, [&] {
        window.Refresh();
        window.List()->viewport()->repaint();
    });

    std::printf("check of %d W-2s and %d 1099-MISCs (%zu findings): %.1f ms (median of %d)\n", sizes.employees,
                sizes.contractors, findings, check, sizes.runs);
    std::printf("Check Forms window, check and list again: %.1f ms (median of %d)\n", refresh, sizes.runs);
    return 0;
}
