// Every field of the four forms at its maximum length, on every paper: each
// value is printed whole, inside the room its box gives it, and no two values
// of a form overlap (read back from the PDF with pdftotext); on blank paper
// that room lies on blank ground of the form picture.

#include "core/contractor/Form1096PrintJob.h"
#include "core/contractor/Form1099Copies.h"
#include "core/contractor/Form1099PrintJob.h"
#include "core/wage/W2PrintJob.h"
#include "core/wage/W3PrintJob.h"
#include "core/wage/WageCopies.h"
#include "render/output/PagedOutput.h"
#include "render/painting/FormPictures.h"
#include "tests/support/OnePageJob.h"
#include "tests/support/PageQuery.h"
#include "tests/support/PdfWords.h"
#include "tests/support/TestFolders.h"

#include <QStandardPaths>
#include <QtTest>

#include <functional>
#include <limits>

using namespace page_query;

namespace {

// Values as long as their fields hold, each starting with a tag of its own
// so it can be told apart on the page.
class LongValues {
public:
    template <int N>
    void Fill(FixedText<N>& field)
    {
        field = Next(N);
    }
    // A money box at its longest: a stored text that does not read as an
    // amount prints as it is stored.
    void Fill(AmountField& field) { field = Next(AmountField::kCapacity); }

private:
    QString Next(int capacity)
    {
        const QString tag = QString(QChar(u'A' + count_ / 26)) + QChar(u'a' + count_ % 26);
        ++count_;
        return tag + QString(capacity, QLatin1Char('8'));
    }

    int count_ = 0;
};

struct LongCompany {
    CompanyRecord company;
    EmployeeList employees;
    W2List w2s;
    ContractorList contractors;
    Form1099List forms1099;
};

LongCompany MakeLongCompany()
{
    LongValues v;
    LongCompany d;
    CompanyRecord& c = d.company;
    c.CompanyUniqueID = 1;
    for (auto* f : {&c.EmployerName, &c.Address1, &c.Address2, &c.FormW3ThirdPartySickPay})
        v.Fill(*f);
    for (auto* f :
         {&c.City, &c.FormW3ControlNumber, &c.FormW3EstablishmentNumber, &c.FormW3ContactName, &c.Form1096ContactName})
        v.Fill(*f);
    v.Fill(c.FormW3IncomeTaxWithHeld);
    for (auto* f : {&c.EmployerIdentificationNumber, &c.StateID})
        v.Fill(*f);
    for (auto* f : {&c.FormW3OtherEIN, &c.FormW3Telephone, &c.FormW3Fax, &c.Form1096Telephone, &c.Form1096Fax})
        v.Fill(*f);
    for (auto* f : {&c.FormW3Email, &c.Form1096Email})
        v.Fill(*f);
    v.Fill(c.State);
    v.Fill(c.Zip);
    v.Fill(c.SocialSecurityNumber);
    c.FormW3RadioKindOfPayer = 0;
    c.Form1096CheckIsThisYourFinalReturn = 1;

    for (int id = 1; id <= 2; ++id) {
        EmployeeRecord e;
        e.EmployeeUniqueID = id;
        v.Fill(e.SocialSecurityNumber);
        for (auto* f : {&e.FirstName, &e.LastName, &e.City})
            v.Fill(*f);
        for (auto* f : {&e.Address1, &e.Address2})
            v.Fill(*f);
        v.Fill(e.MiddleName);
        v.Fill(e.State);
        v.Fill(e.Zip);
        d.employees.push_back(e);

        W2Record w;
        w.W2UniqueID = id;
        w.EmployeeUniqueID = id;
        for (auto* f : {&w.Wages,
                        &w.FederalIncomeTaxWithdrawal,
                        &w.SocialSecurityWages,
                        &w.SocialSecurityTaxWithheld,
                        &w.MedicareWages,
                        &w.MedicareTaxWithheld,
                        &w.SocialSecurityTips,
                        &w.AllocatedTips,
                        &w.AdvancEICPayment,
                        &w.DependentCareBenefits,
                        &w.NonQualifiedPlans,
                        &w.Field12aAmount,
                        &w.Field12bAmount,
                        &w.Field12cAmount,
                        &w.Field12dAmount,
                        &w.StateWages1,
                        &w.StateWages2,
                        &w.StateIncomTax1,
                        &w.StateIncomTax2,
                        &w.LocalWages1,
                        &w.LocalWages2,
                        &w.LocalIncomeTax1,
                        &w.LocalIncomeTax2})
            v.Fill(*f);
        for (auto* f : {&w.Other1, &w.Other2, &w.Other3})
            v.Fill(*f);
        for (auto* f : {&w.Field12aCode, &w.Field12bCode, &w.Field12cCode, &w.Field12dCode})
            v.Fill(*f);
        for (auto* f : {&w.Field12aYear, &w.Field12bYear, &w.Field12cYear, &w.Field12dYear, &w.State1, &w.State2})
            v.Fill(*f);
        for (auto* f : {&w.StateID1, &w.StateID2})
            v.Fill(*f);
        for (auto* f : {&w.LocalityName1, &w.LocalityName2})
            v.Fill(*f);
        w.StatutoryEmployee = w.RetirementPlan = w.ThirdPartySickpay = 1;
        d.w2s.push_back(w);

        ContractorRecord r;
        r.ContractorUniqueID = id;
        v.Fill(r.IdentificationNumber);
        for (auto* f : {&r.FirstName, &r.LastName, &r.City})
            v.Fill(*f);
        for (auto* f : {&r.Address1, &r.Address2})
            v.Fill(*f);
        v.Fill(r.MiddleName);
        v.Fill(r.State);
        v.Fill(r.Zip);
        v.Fill(r.AccountNumber);
        r.SecondTIN = 1;
        d.contractors.push_back(r);

        Form1099Record f;
        f.Form1099UniqueID = id;
        f.ContractorUniqueID = id;
        for (auto* a :
             {&f.Rents, &f.Royalities, &f.OtherIncome, &f.FederalIncomeTaxWithheld, &f.FishingBoatProceeds,
              &f.MedicalAndHealthCarePayments, &f.NonemployeeCompensation, &f.SubstitutePayments,
              &f.CropInsuranceProceeds, &f.ExcessGoldenParachutePayments, &f.GrossProceedsPaidToAttorney,
              &f.StateTaxWithheld1, &f.StateTaxWithheld2, &f.StateIncome1, &f.StateIncome2, &f.Field15A, &f.Field15B})
            v.Fill(*a);
        for (auto* a : {&f.PayerStateID1, &f.PayerStateID2})
            v.Fill(*a);
        f.PayerMadeDirectSales = 1;
        d.forms1099.push_back(f);
    }
    return d;
}

// The largest sums the totals can show.
W3Totals LongW3Totals()
{
    W3Totals totals;
    totals.formCount = std::numeric_limits<int>::max();
    for (int box : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 17, 18, 19})
        totals.Add(box, std::numeric_limits<qint64>::max());
    return totals;
}

Form1096Totals Long1096Totals()
{
    Form1096Totals totals;
    totals.formCount = std::numeric_limits<int>::max();
    totals.federalTaxCents = totals.reportedCents = std::numeric_limits<qint64>::max();
    return totals;
}

bool IsValue(const PageText& text)
{
    return text.font.face == FontFace::CourierNew && !text.text.trimmed().isEmpty();
}

// Where a value's letters stand below the top of its text box (as pdftotext
// gives it, ascent and descent of the font): capitals to descenders.
QRectF InkOf(const QRectF& box)
{
    return QRectF(box.left(), box.top() + 0.15 * box.height(), box.width(), 0.78 * box.height());
}

// The picture ink that a value at 10 points covers, below the top of its
// text: capitals, digits and descenders.
constexpr int kInkTop = 6;
constexpr int kInkBottom = 37;

QString Describe(const PageText& t)
{
    return QStringLiteral("\"%1\" at (%2, %3), room %4").arg(t.text).arg(t.at.x()).arg(t.at.y()).arg(t.room);
}

} // namespace

class MaximumLengthPrintTest : public QObject {
    Q_OBJECT

private:
    LongCompany data_ = MakeLongCompany();

    Page W2Sheet(PaperType paper, W2CopyType copy) const
    {
        PrintW2Options o;
        o.Target = PrintTarget::All;
        o.Paper = paper;
        o.BlankCopy = copy;
        return W2PrintJob(data_.company, data_.employees, data_.w2s, o).LayOutPage(1);
    }

    Page Form1099Sheet(PaperType paper, Form1099CopyType copy) const
    {
        Print1099Options o;
        o.Target = PrintTarget::All;
        o.Paper = paper;
        o.Copy = copy;
        return Form1099PrintJob(data_.company, data_.contractors, data_.forms1099, o).LayOutPage(1);
    }

    Page W3(PaperType paper) const
    {
        PrintW3Options o;
        o.Paper = paper;
        return LayOutW3Page(data_.company, LongW3Totals(), o);
    }

    Page Form1096(PaperType paper) const
    {
        Print1096Options o;
        o.Paper = paper;
        return LayOutForm1096Page(data_.company, Long1096Totals(), o);
    }

    Page Lay(const QString& form, int paper, int copy) const
    {
        if (form == "W-2")
            return W2Sheet(PaperType(paper), W2CopyType(copy));
        if (form == "W-3")
            return W3(PaperType(paper));
        if (form == "1099-MISC")
            return Form1099Sheet(PaperType(paper), Form1099CopyType(copy));
        return Form1096(PaperType(paper));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable("pdftotext").isEmpty(), "pdftotext (poppler-utils) is needed");
        QVERIFY2(!qEnvironmentVariableIsEmpty("FORMLARK_RUNTIME_DIR"), "run through ctest, which names the pictures");
    }

    void everyForm_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("copy");
        const int blank = int(PaperType::Blank);
        const int preprinted = int(PaperType::Preprinted);
        QTest::newRow("W-2 pre-printed") << "W-2" << preprinted << 0;
        for (int copy = 0; copy < kW2CopyCount; ++copy)
            QTest::addRow("W-2 copy %d", copy) << "W-2" << blank << copy;
        QTest::newRow("W-2 Copy A laser") << "W-2" << blank << int(W2CopyType::LaserCopyA);
        QTest::newRow("W-3 pre-printed") << "W-3" << preprinted << 0;
        QTest::newRow("W-3 copy") << "W-3" << blank << 0;
        QTest::newRow("W-3 laser") << "W-3" << int(PaperType::LaserSubstitute) << 0;
        QTest::newRow("1099-MISC pre-printed") << "1099-MISC" << preprinted << 0;
        for (int copy = 0; copy < k1099CopyCount; ++copy)
            QTest::addRow("1099-MISC copy %d", copy) << "1099-MISC" << blank << copy;
        QTest::newRow("1096 pre-printed") << "1096" << preprinted << 0;
        QTest::newRow("1096 copy") << "1096" << blank << 0;
    }

    // Read back from the PDF: every value whole, inside its room, clear of
    // every other value.
    void everyForm()
    {
        QFETCH(QString, form);
        QFETCH(int, paper);
        QFETCH(int, copy);
        const Page page = Lay(form, paper, copy);

        std::vector<PageText> values;
        for (const PageText& t : Texts(page))
            if (IsValue(t))
                values.push_back(t);
        QVERIFY(values.size() >= 14);
        for (const PageText& t : values)
            QVERIFY2(t.room > 0, qPrintable(Describe(t) + ": no room given"));

        TestFolders folders;
        FormPictures pictures(qEnvironmentVariable("FORMLARK_RUNTIME_DIR"));
        const QString pdf = folders.Path("long.pdf");
        QString error;
        QVERIFY2(WriteJobToPdf(OnePageJob(page), pictures, pdf, &error), qPrintable(error));
        QList<PdfWord> words = PdfWords(pdf);
        QVERIFY(!words.isEmpty());

        // Each value's words, in order along its line, make its box.
        std::vector<QRectF> boxes;
        for (const PageText& t : values) {
            QRectF box;
            qreal from = t.at.x() - 1;
            for (const QString& part : t.text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                qsizetype found = -1;
                for (qsizetype i = 0; i < words.size(); ++i) {
                    const PdfWord& w = words[i];
                    if (w.text == part && qAbs(w.box.top() - t.at.y()) < 3 && w.box.left() >= from
                        && (found < 0 || w.box.left() < words[found].box.left()))
                        found = i;
                }
                QVERIFY2(found >= 0, qPrintable(Describe(t) + ": \"" + part + "\" not read back whole"));
                box |= words[found].box;
                from = words[found].box.right();
                words.removeAt(found);
            }
            QVERIFY2(box.left() >= t.at.x() - 0.5 && box.right() <= t.at.x() + t.room + 0.5,
                     qPrintable(Describe(t)
                                + QStringLiteral(" printed from %1 to %2").arg(box.left()).arg(box.right())));
            boxes.push_back(box);
        }
        for (size_t i = 0; i < values.size(); ++i)
            for (size_t j = i + 1; j < values.size(); ++j)
                QVERIFY2(!InkOf(boxes[i]).intersects(InkOf(boxes[j])),
                         qPrintable(Describe(values[i]) + " overlaps " + Describe(values[j])));
    }

    void roomsOnBlankGround_data() { everyForm_data(); }

    // On blank paper the room of every value is empty on the picture, the
    // marks and captions drawn over it.
    void roomsOnBlankGround()
    {
        QFETCH(QString, form);
        QFETCH(int, paper);
        QFETCH(int, copy);
        if (paper == int(PaperType::Preprinted))
            QSKIP("nothing is printed under the values on a pre-printed form");
        const Page page = Lay(form, paper, copy);
        Page ground;
        for (const PageItem& item : page.items) {
            const auto* text = std::get_if<PageText>(&item);
            if (!std::holds_alternative<PageLine>(item) && !(text && IsValue(*text)))
                ground.items.push_back(item);
        }
        FormPictures pictures(qEnvironmentVariable("FORMLARK_RUNTIME_DIR"), kUnitsPerInch);
        const QImage image = RenderPageImage(ground, pictures, kUnitsPerInch); // a pixel per unit
        QStringList problems;
        for (const PageText& t : Texts(page)) {
            if (!IsValue(t))
                continue;
            const QRect room =
                QRect(t.at.x(), t.at.y() + kInkTop, t.room, kInkBottom - kInkTop).intersected(image.rect());
            int ink = 0;
            for (int y = room.top(); y <= room.bottom(); ++y)
                for (int x = room.left(); x <= room.right(); ++x)
                    ink += qGray(image.pixel(x, y)) < 128;
            if (ink > 0)
                problems << QStringLiteral("%1 covers %2 pixels of the form").arg(Describe(t)).arg(ink);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }
};

FORMLARK_TEST_MAIN(MaximumLengthPrintTest)
#include "MaximumLengthPrintTest.moc"
