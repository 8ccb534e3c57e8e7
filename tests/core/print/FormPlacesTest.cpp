// Where each form prints its boxes: the rows of the box tables and of the
// employer block name their points in the form's point table, so a box
// added or moved by a row must land on points of that table and on no
// other value's place.
#include "core/contractor/Form1096PrintJob.h"
#include "core/contractor/Form1099Boxes.h"
#include "core/contractor/Form1099PrintJob.h"
#include "core/records/CompanyBoxes.h"
#include "core/records/EmployerBlock.h"
#include "core/records/KindOfPayer.h"
#include "core/wage/W2Boxes.h"
#include "core/wage/W2PrintJob.h"
#include "core/wage/W3PrintJob.h"

#include <QSet>
#include <QtTest>

Q_DECLARE_METATYPE(CompanyForm)

namespace {

// The places one form prints at: each is a point (moved down a further
// distance) and the points after it that the same value takes.
struct Place {
    QString what;
    int point;
    int down;
    int span; // points taken from `point` on
};

int SpanOf(EmployerPrint print)
{
    switch (print) {
    case EmployerPrint::Telephone:
        return 2;
    case EmployerPrint::Mark:
        return 4;
    case EmployerPrint::KindOfPayer:
        return 4 * int(kKindOfPayerList.size());
    default:
        return 1;
    }
}

template <class Box>
void AddBoxPlaces(QList<Place>& places, const std::vector<Box>& table)
{
    for (const Box& box : table)
        if (box.print != BoxPrint::None)
            places.push_back({QLatin1String(box.name), box.point, box.printDown, box.print == BoxPrint::Mark ? 4 : 1});
}

void AddTotalPlaces(QList<Place>& places, const std::vector<const TransmittalBox*>& totals)
{
    for (const TransmittalBox* total : totals)
        places.push_back({QLatin1String(total->name), total->point, 0, 1});
}

QList<Place> PlacesOn(CompanyForm form)
{
    QList<Place> places;
    for (const EmployerBox& box : EmployerBlock()) {
        const EmployerPlace& place = box.On(form);
        if (place.Printed())
            places.push_back({QLatin1String(box.company), place.point, 0, SpanOf(place.print)});
    }
    switch (form) {
    case CompanyForm::W2:
        AddBoxPlaces(places, W2Boxes());
        break;
    case CompanyForm::W3:
        AddTotalPlaces(places, {&kW3FormCountBox});
        AddTotalPlaces(places, TransmittalBoxes(W2Boxes()));
        break;
    case CompanyForm::Form1099:
        AddBoxPlaces(places, Form1099Boxes());
        break;
    case CompanyForm::Form1096:
        AddTotalPlaces(places, {&kForm1096FormCountBox});
        AddTotalPlaces(places, TransmittalBoxes(Form1099Boxes()));
        break;
    }
    return places;
}

int PointCount(CompanyForm form)
{
    switch (form) {
    case CompanyForm::W2:
        return W2PointTable(PrintW2Options()).Size();
    case CompanyForm::W3:
        return W3PointTable(PrintW3Options()).Size();
    case CompanyForm::Form1099:
        return Form1099PointTable(Print1099Options()).Size();
    case CompanyForm::Form1096:
        break;
    }
    return Form1096PointTable(Print1096Options()).Size();
}

} // namespace

class FormPlacesTest : public QObject {
    Q_OBJECT

private slots:
    void everyValueHasAPlaceOfItsOwn_data()
    {
        QTest::addColumn<CompanyForm>("form");
        QTest::newRow("W-2") << CompanyForm::W2;
        QTest::newRow("W-3") << CompanyForm::W3;
        QTest::newRow("1099-MISC") << CompanyForm::Form1099;
        QTest::newRow("1096") << CompanyForm::Form1096;
    }
    // Every printed value lies inside the form's point table, and no two
    // values share a point (lines of one box that share a point stand at
    // different distances below it).
    void everyValueHasAPlaceOfItsOwn()
    {
        QFETCH(CompanyForm, form);
        const int count = PointCount(form);
        QHash<QPair<int, int>, QString> taken;
        for (const Place& place : PlacesOn(form)) {
            QVERIFY2(place.point >= 0 && place.point + place.span <= count, qPrintable(place.what));
            for (int p = place.point; p < place.point + place.span; ++p) {
                const QPair<int, int> at(p, place.down);
                QVERIFY2(!taken.contains(at), qPrintable(place.what + QLatin1String(" and ") + taken.value(at)));
                taken.insert(at, place.what);
            }
        }
    }

    // Each row of the block names a box of the company, and each screen
    // gives its boxes names of their own with a label to announce them.
    void blockRowsNameCompanyBoxes()
    {
        for (CompanyForm form : {CompanyForm::W2, CompanyForm::W3, CompanyForm::Form1099, CompanyForm::Form1096}) {
            QSet<QString> names;
            for (const EmployerBox* box : ShownEmployerBoxes(form)) {
                QVERIFY2(FindCompanyBox(QLatin1String(box->company)), box->company);
                const EmployerPlace& place = box->On(form);
                QVERIFY2(!names.contains(QLatin1String(place.name)), place.name);
                names.insert(QLatin1String(place.name));
                const bool ownLabel = place.label != nullptr;
                const bool w2Label = form == CompanyForm::W2 && FindBox(W2Boxes(), QLatin1String(place.name));
                QVERIFY2(ownLabel || w2Label, place.name);
            }
            for (const EmployerBox& box : EmployerBlock())
                QVERIFY2(FindCompanyBox(QLatin1String(box.company)), box.company);
        }
    }

    // The payer's federal ID on the 1099-MISC: the EIN, else the SSN; the
    // 1096 shows both boxes each with its own number.
    void payerFederalId()
    {
        CompanyRecord company;
        company.SocialSecurityNumber = "321-54-9876";
        const EmployerBox* ein = nullptr;
        for (const EmployerBox& box : EmployerBlock())
            if (qstrcmp(box.company, "EmployerIdentificationNumber") == 0)
                ein = &box;
        QVERIFY(ein);
        QCOMPARE(ein->Text(company, CompanyForm::Form1099), QStringLiteral("321-54-9876"));
        QCOMPARE(ein->Text(company, CompanyForm::Form1096), QString());
        company.EmployerIdentificationNumber = "12-3456789";
        QCOMPARE(ein->Text(company, CompanyForm::Form1099), QStringLiteral("12-3456789"));
        QCOMPARE(ein->Text(company, CompanyForm::Form1096), QStringLiteral("12-3456789"));
    }
};

FORMLARK_TEST_APPLESS_MAIN(FormPlacesTest)
#include "FormPlacesTest.moc"
