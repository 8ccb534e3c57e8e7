// The 1099-MISC and 1096 print options dialogs through their controls:
// what they show, which controls the paper enables, and what OK and Cancel
// take.
#include "core/print/ContractorPrintOptions.h"
#include "gui/contractor/Form1096PrintOptionsDialog.h"
#include "gui/contractor/Form1099PrintOptionsDialog.h"
#include "gui/entry/RuleEdit.h"
#include "tests/support/WidgetDriving.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

Print1099Options Options1099()
{
    Print1099Options o;
    o.HorizontalOffset = 0.5;
    o.HorizontalDirection = kLeftOrUp;
    o.VerticalOffset = 12.25;
    o.Target = PrintTarget::All;
    o.Paper = PaperType::Blank;
    o.Copy = Form1099CopyType::Copy2;
    return o;
}

QRadioButton* Radio(const QDialog& dialog, const char* name)
{
    return Child<QRadioButton>(&dialog, name);
}

} // namespace

class ContractorPrintOptionsDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void the1099DialogShowsTheOptions()
    {
        CForm1099PrintOptionsDialog dialog(Options1099());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set 1099 Print Options"));
        QVERIFY(Radio(dialog, "AllContractors")->isChecked());
        QCOMPARE(Radio(dialog, "CurrentContractor")->text(), QStringLiteral("Current Contractor"));
        QVERIFY(dialog.CopyRadio()->isChecked());
        QCOMPARE(dialog.CopyRadio()->text(), QStringLiteral("Print a copy:"));
        QCOMPARE(dialog.PreprintedRadio()->text(),
                 QStringLiteral("Print data only on a preprinted Red-ink Laser form"));
        QStringList copies;
        for (int i = 0; i < dialog.CopyList()->count(); ++i)
            copies << dialog.CopyList()->itemText(i);
        QCOMPARE(copies, QStringList({"Copy 1-For State Tax Department", "Copy B-For Recipient",
                                      QString::fromUtf8("Copy 2-To be filed with recipient\u2019s state income tax"),
                                      "Copy C-For Payer"}));
        QCOMPARE(dialog.CopyList()->currentIndex(), 2);
        QCOMPARE(dialog.HorizontalBox()->text(), QStringLiteral("0.50"));
        QCOMPARE(dialog.VerticalBox()->text(), QStringLiteral("12.25"));
        QVERIFY(dialog.LeftRadio()->isChecked());
        QVERIFY(Radio(dialog, "VerticalDown")->isChecked());
        QStringList frames;
        for (QGroupBox* frame : dialog.findChildren<QGroupBox*>())
            frames << frame->title();
        frames.sort();
        QCOMPARE(frames,
                 QStringList({"Horizontal (inch)", "Offset", "Print 1099 Data For : ", "Type", "Vertical (inch)"}));
    }

    // The offsets (boxes, directions and their frames) are open for the
    // pre-printed form alone, the copy list for a copy; switching keeps
    // what the boxes and the list hold.
    void paperChoiceEnablesItsControls_data()
    {
        QTest::addColumn<bool>("preprinted");
        QTest::newRow("copy") << false;
        QTest::newRow("pre-printed") << true;
    }

    void paperChoiceEnablesItsControls()
    {
        QFETCH(bool, preprinted);
        for (PaperType opened : {PaperType::Blank, PaperType::Preprinted}) {
            Print1099Options o = Options1099();
            o.Paper = opened;
            CForm1099PrintOptionsDialog dialog(o);
            dialog.show();
            Click(preprinted ? dialog.PreprintedRadio() : dialog.CopyRadio());
            const QWidget* offsets[] = {dialog.HorizontalBox(), dialog.VerticalBox(), dialog.LeftRadio(),
                                        dialog.UpRadio(), Radio(dialog, "HorizontalRight")};
            for (const QWidget* offset : offsets)
                QCOMPARE(offset->isEnabled(), preprinted);
            for (QGroupBox* frame : dialog.findChildren<QGroupBox*>())
                if (frame->title().contains("(inch)") || frame->title() == "Offset")
                    QCOMPARE(frame->isEnabled(), preprinted);
            QCOMPARE(dialog.CopyList()->isEnabled(), !preprinted);
            QCOMPARE(dialog.CopyList()->currentIndex(), 2);
            QCOMPARE(dialog.HorizontalBox()->text(), QStringLiteral("0.50"));
            // The target buttons are a pair of their own.
            QVERIFY(Radio(dialog, "AllContractors")->isChecked());
        }
    }

    // OK takes every choice (an offset as the amount of the box's text);
    // Cancel takes none.
    void okAndCancel()
    {
        CForm1099PrintOptionsDialog dialog(Options1099());
        dialog.show();
        Click(Radio(dialog, "CurrentContractor"));
        Click(dialog.PreprintedRadio());
        Erase(dialog.HorizontalBox());
        Type(dialog.HorizontalBox(), "1.5");
        Click(Radio(dialog, "HorizontalRight"));
        Erase(dialog.VerticalBox());
        Click(dialog.UpRadio());
        dialog.CopyList()->setCurrentIndex(3);
        Click(dialog.findChild<QPushButton*>("OK"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const Print1099Options& o = dialog.Options();
        QCOMPARE(o.Target, PrintTarget::Current);
        QCOMPARE(o.Paper, PaperType::Preprinted);
        QCOMPARE(o.Copy, Form1099CopyType::CopyC);
        QCOMPARE(o.HorizontalOffset, 1.5);
        QCOMPARE(o.HorizontalDirection, kRightOrDown);
        QCOMPARE(o.VerticalOffset, 0.0);
        QCOMPARE(o.VerticalDirection, kLeftOrUp);

        CForm1099PrintOptionsDialog cancelled(Options1099());
        cancelled.show();
        Click(cancelled.PreprintedRadio());
        Click(cancelled.findChild<QPushButton*>("Cancel"));
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QVERIFY(cancelled.Options() == Options1099());
    }

    void the1096Dialog()
    {
        Print1096Options options;
        options.HorizontalOffset = 0.25;
        options.VerticalOffset = 1;
        options.VerticalDirection = kLeftOrUp;
        options.Paper = PaperType::Blank;
        CForm1096PrintOptionsDialog dialog(options);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set 1096 Print Options"));
        QCOMPARE(dialog.CopyRadio()->text(), QStringLiteral("Print a copy"));
        QVERIFY(dialog.CopyRadio()->isChecked());
        QCOMPARE(dialog.HorizontalBox()->text(), QStringLiteral("0.25"));
        QCOMPARE(dialog.VerticalBox()->text(), QStringLiteral("1.00"));
        QVERIFY(dialog.UpRadio()->isChecked());
        QVERIFY(!dialog.HorizontalBox()->isEnabled() && !dialog.UpRadio()->isEnabled());
        QStringList frames;
        for (QGroupBox* frame : dialog.findChildren<QGroupBox*>())
            frames << frame->title();
        QVERIFY(frames.contains("Horizontal Offset (inch)") && frames.contains("Vertical Offset (inch)"));

        Click(dialog.PreprintedRadio());
        QVERIFY(dialog.HorizontalBox()->isEnabled() && dialog.VerticalBox()->isEnabled());
        QVERIFY(dialog.LeftRadio()->isEnabled() && dialog.UpRadio()->isEnabled());
        QVERIFY(!dialog.CopyRadio()->isChecked());
        Erase(dialog.HorizontalBox());
        Type(dialog.HorizontalBox(), "99.99");
        Click(dialog.LeftRadio());
        Click(dialog.findChild<QPushButton*>("OK"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Options().Paper, PaperType::Preprinted);
        QCOMPARE(dialog.Options().HorizontalOffset, 99.99);
        QCOMPARE(dialog.Options().HorizontalDirection, kLeftOrUp);
        QCOMPARE(dialog.Options().VerticalOffset, 1.0);

        CForm1096PrintOptionsDialog cancelled(options);
        cancelled.show();
        Click(cancelled.PreprintedRadio());
        Click(cancelled.findChild<QPushButton*>("Cancel"));
        QVERIFY(cancelled.Options() == options);
    }
};

FORMLARK_TEST_MAIN(ContractorPrintOptionsDialogsTest)
#include "ContractorPrintOptionsDialogsTest.moc"
