// Throughput of W-2 printing: lays out and renders the W-2s of a company of
// 10,000 employees (5,000 sheets) into one PDF with the form pictures, a few
// times, and prints the medians of sheets per second and bytes per sheet,
// and how long the check of where the values land takes.
//
//   print_w2_benchmark [--employees N] [--runs R] [--paper copy|preprinted|laser] [--small]
//
// --small: 20 employees, one run (unless given otherwise).
//
// The pictures come from the program folder of the build (build/bin); when
// they are not there, a stand-in picture of similar weight is drawn.

#include "render/output/HeadlessGui.h"
#include "bench/BenchCompany.h"
#include "core/settings/Settings.h"
#include "core/store/Records.h"
#include "render/painting/FormPictures.h"
#include "render/output/OffPageValues.h"
#include "render/output/PagedOutput.h"
#include "core/wage/W2PrintJob.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

CompanyRecord BenchCompany()
{
    CompanyRecord c;
    c.EmployerName = "Brindlecove Benchmarks Inc";
    c.Address1 = "1 Long Street";
    c.Address2 = "Floor 9";
    c.City = "Springfield";
    c.State = "IL";
    c.Zip = "62704";
    c.EmployerIdentificationNumber = "36-1234567";
    c.StateID = "IL-998877";
    c.FormW3ControlNumber = "CN-1";
    c.CompanyUniqueID = 1;
    return c;
}

const char* const kFirstNames[] = {"James",   "Mary",  "John",    "Patricia",  "Robert", "Jennifer",
                                   "Michael", "Linda", "William", "Elizabeth", "David",  "Barbara",
                                   "Richard", "Susan", "Joseph",  "Jessica"};
const char* const kLastNames[] = {"Smith",     "Johnson", "Williams", "Brown",     "Jones",
                                  "Garcia",    "Miller",  "Davis",    "Rodriguez", "Martinez",
                                  "Hernandez", "Lopez",   "Gonzalez", "Wilson",    "Anderson"};

void BuildEmployees(int count, EmployeeList& employees, W2List& w2s)
{
    employees.reserve(size_t(count));
    w2s.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const int id = i + 1;
        EmployeeRecord e;
        e.EmployeeUniqueID = id;
        e.SocialSecurityNumber = QStringLiteral("%1-%2-%3").arg(100 + i % 800).arg(10 + i % 89).arg(1000 + i % 8999);
        e.FirstName = QString::fromLatin1(kFirstNames[i % 16]) + QString::number(i % 97);
        e.MiddleName = QString(QChar(u'A' + i % 26));
        e.LastName = kLastNames[i % 15];
        e.Address1 = QStringLiteral("%1 Maple Avenue").arg(i % 9000 + 1);
        e.Address2 = QStringLiteral("Unit %1").arg(i % 300);
        e.City = "Peoria";
        e.State = "IL";
        e.Zip = "61602";
        employees.push_back(e);

        W2Record w;
        w.W2UniqueID = id;
        w.EmployeeUniqueID = id;
        const QString wages = QStringLiteral("%1.%2").arg(20000 + i % 50000).arg(i % 100, 2, 10, QLatin1Char('0'));
        w.Wages = wages;
        w.FederalIncomeTaxWithdrawal = QStringLiteral("%1.00").arg(2000 + i % 5000);
        w.SocialSecurityWages = wages;
        w.SocialSecurityTaxWithheld = QStringLiteral("%1.20").arg(1240 + i % 3000);
        w.MedicareWages = wages;
        w.MedicareTaxWithheld = QStringLiteral("%1.45").arg(290 + i % 700);
        w.SocialSecurityTips = "0.00";
        w.AllocatedTips = "0.00";
        w.AdvancEICPayment = "0.00";
        w.DependentCareBenefits = "0.00";
        w.NonQualifiedPlans = "0.00";
        w.RetirementPlan = i % 3 == 0;
        w.Other1 = "UNION 120.00";
        w.Field12aCode = "D";
        w.Field12aAmount = "1500.00";
        w.Field12bAmount = "0.00";
        w.Field12cAmount = "0.00";
        w.Field12dAmount = "0.00";
        w.StateWages1 = wages;
        w.StateIncomTax1 = QStringLiteral("%1.00").arg(600 + i % 900);
        w.StateWages2 = "0.00";
        w.StateIncomTax2 = "0.00";
        w.LocalWages1 = "0.00";
        w.LocalWages2 = "0.00";
        w.LocalIncomeTax1 = "0.00";
        w.LocalIncomeTax2 = "0.00";
        w2s.push_back(w);
    }
}

// A picture as heavy as a real blank form: box lines and small captions.
bool WriteStandInPicture(const QString& path)
{
    QString svg = QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 1980 1340'>"
                                 "<rect x='5' y='5' width='1970' height='1330' fill='none' stroke='black' "
                                 "stroke-width='4'/>");
    for (int y = 80; y < 1340; y += 85)
        svg += QStringLiteral("<line x1='5' y1='%1' x2='1975' y2='%1' stroke='black' stroke-width='2'/>").arg(y);
    for (int x = 500; x < 1980; x += 460)
        svg += QStringLiteral("<line x1='%1' y1='5' x2='%1' y2='1335' stroke='black' stroke-width='2'/>").arg(x);
    for (int y = 100; y < 1340; y += 85)
        for (int x = 15; x < 1980; x += 460)
            svg += QStringLiteral("<text x='%1' y='%2' font-family='Arial' font-size='18'>%3 Box caption</text>")
                       .arg(x)
                       .arg(y)
                       .arg(y / 85);
    svg += QStringLiteral("</svg>");
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(svg.toUtf8()) > 0;
}

} // namespace

int main(int argc, char** argv)
{
    PrepareHeadlessGui();
    QGuiApplication app(argc, argv);

    const bool small = SmallRun(argc, argv);
    int employeeCount = small ? 20 : 10000;
    int runs = small ? 1 : 3;
    QString paper = QStringLiteral("copy");
    QStringList args = app.arguments();
    args.removeAll(QStringLiteral("--small"));
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--employees"))
            employeeCount = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--paper"))
            paper = args[i + 1];
    }

    QTemporaryDir work;
    if (!work.isValid()) {
        std::fprintf(stderr, "print_w2_benchmark: no temporary folder\n");
        return 1;
    }
#ifdef FORMLARK_PICTURE_FOLDER
    QString pictureFolder = QStringLiteral(FORMLARK_PICTURE_FOLDER);
#else
    QString pictureFolder = ProgramFolder();
#endif
    const bool realPictures = QFileInfo::exists(pictureFolder + FormPictureFileName(FormPicture::W2Form));
    if (!realPictures) {
        pictureFolder = work.path() + QStringLiteral("/");
        if (!WriteStandInPicture(pictureFolder + FormPictureFileName(FormPicture::W2Form))) {
            std::fprintf(stderr, "print_w2_benchmark: cannot write the stand-in picture\n");
            return 1;
        }
    }

    const CompanyRecord company = BenchCompany();
    EmployeeList employees;
    W2List w2s;
    BuildEmployees(employeeCount, employees, w2s);

    PrintW2Options options;
    options.Target = PrintTarget::All;
    options.Paper = paper == QLatin1String("preprinted") ? PaperType::Preprinted : PaperType::Blank;
    options.BlankCopy = paper == QLatin1String("laser") ? W2CopyType::LaserCopyA : W2CopyType::CopyB;

    std::printf("W-2 print benchmark: %d employees, paper %s, pictures %s\n", employeeCount, qPrintable(paper),
                realPictures ? "of the program folder" : "stand-in");
    std::vector<double> rates;
    std::vector<double> sizes;
    for (int run = 1; run <= runs; ++run) {
        const QString pdf = work.path() + QStringLiteral("/w2-%1.pdf").arg(run);
        QElapsedTimer timer;
        timer.start();
        // The job is part of the work measured: it sorts the employees.
        const W2PrintJob job(company, employees, w2s, options);
        FormPictures pictures(pictureFolder);
        QString error;
        if (!WriteJobToPdf(job, pictures, pdf, &error)) {
            std::fprintf(stderr, "print_w2_benchmark: %s\n", qPrintable(error));
            return 1;
        }
        const double seconds = timer.nsecsElapsed() / 1e9;
        const int sheets = job.PageCount();
        // What the window does before it prints: where every value lands.
        timer.restart();
        const bool outside = OffPageValues::Find(job, LetterPage()).Any();
        std::printf("run %d: values checked against the page in %.2f s%s\n", run, timer.nsecsElapsed() / 1e9,
                    outside ? " (some outside)" : "");
        const double bytes = double(QFileInfo(pdf).size());
        rates.push_back(sheets / seconds);
        sizes.push_back(bytes / sheets);
        std::printf("run %d: %d sheets in %.2f s, %.0f sheets/s, %.0f bytes/sheet\n", run, sheets, seconds,
                    sheets / seconds, bytes / sheets);
        QFile::remove(pdf);
    }
    std::printf("median: %.0f sheets/s, %.0f bytes/sheet\n", Median(rates), Median(sizes));
    return 0;
}
