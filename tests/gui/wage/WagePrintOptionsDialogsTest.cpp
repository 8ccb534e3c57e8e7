// The W-2 and W-3 print options dialogs through their controls: what they
// show, which controls the paper enables, the vertical-space messages,
// and what OK, Cancel and Preview do.
#include "core/print/WagePrintOptions.h"
#include "core/wage/WageCopies.h"
#include "gui/entry/RuleEdit.h"
#include "gui/wage/W2PrintOptionsDialog.h"
#include "gui/wage/W3PrintOptionsDialog.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/WidgetDriving.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

PrintW2Options W2Options()
{
    PrintW2Options o;
    o.HorizontalOffset = 0.1;
    o.HorizontalDirection = kLeftOrUp;
    o.VerticalOffset = 2;
    o.VerticalSpace = 1.5;
    o.Paper = PaperType::Blank;
    o.BlankCopy = W2CopyType::CopyC;
    o.Target = PrintTarget::All;
    return o;
}

} // namespace

class WagePrintOptionsDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void w2DialogShowsTheOptions()
    {
        CW2PrintOptionsDialog dialog(W2Options());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set W2 Print Options"));
        QVERIFY(dialog.AllEmployees()->isChecked());
        QVERIFY(dialog.CopyRadio()->isChecked());
        QCOMPARE(dialog.CopyList()->count(), 5);
        QCOMPARE(dialog.CopyList()->currentText(), QStringLiteral("Copy C-Employee Records"));
        QCOMPARE(dialog.HorizontalBox()->text(), QStringLiteral("0.10"));
        QCOMPARE(dialog.VerticalBox()->text(), QStringLiteral("2.00"));
        QCOMPARE(dialog.VerticalSpaceBox()->text(), QStringLiteral("1.50"));
        QVERIFY(dialog.findChild<QRadioButton*>("HorizontalLeft")->isChecked());
        QVERIFY(dialog.findChild<QRadioButton*>("VerticalDown")->isChecked());
        QVERIFY(dialog.PreviewButton()->isHidden()); // no preview given

        PrintW2Options laser = W2Options();
        laser.BlankCopy = W2CopyType::LaserCopyA;
        CW2PrintOptionsDialog laserDialog(laser);
        QVERIFY(laserDialog.LaserRadio()->isChecked());
        QCOMPARE(laserDialog.CopyList()->currentIndex(), 0);
    }

    // The Type buttons exclude each other; the offsets and the vertical
    // space are open only for the pre-printed form, the copy list only for
    // a copy.
    void w2TypeButtonsEnableTheirControls()
    {
        CW2PrintOptionsDialog dialog(W2Options());
        dialog.show();
        auto check = [&](QRadioButton* radio, bool offsets, bool list) {
            Click(radio);
            int checked = 0;
            for (QRadioButton* type : {dialog.CopyRadio(), dialog.PreprintedRadio(), dialog.LaserRadio()})
                checked += type->isChecked();
            QCOMPARE(checked, 1);
            QVERIFY(radio->isChecked());
            QCOMPARE(dialog.HorizontalBox()->isEnabled(), offsets);
            QCOMPARE(dialog.VerticalBox()->isEnabled(), offsets);
            QCOMPARE(dialog.VerticalSpaceBox()->isEnabled(), offsets);
            QCOMPARE(dialog.findChild<QRadioButton*>("VerticalUp")->isEnabled(), offsets);
            QCOMPARE(dialog.findChild<QRadioButton*>("HorizontalRight")->isEnabled(), offsets);
            QCOMPARE(dialog.CopyList()->isEnabled(), list);
        };
        QVERIFY(!dialog.HorizontalBox()->isEnabled()); // as opened, with a copy
        check(dialog.PreprintedRadio(), true, false);
        check(dialog.LaserRadio(), false, false);
        check(dialog.CopyRadio(), false, true);
        // The target buttons are a pair of their own.
        Click(dialog.CurrentEmployee());
        QVERIFY(dialog.CopyRadio()->isChecked());
        QVERIFY(!dialog.AllEmployees()->isChecked());
    }

    void w2VerticalSpaceOutOfRange_data()
    {
        QTest::addColumn<QString>("space");
        QTest::addColumn<QString>("message");
        QTest::newRow("too small")
            << "0.5"
            << QString::fromUtf8("Vertical space between top and bottom forms can\u2019t be less than .75 inches");
        QTest::newRow("too large")
            << "1.8"
            << QString::fromUtf8("Vertical space between top and bottom forms can\u2019t be greater than 1.75 inches");
    }

    void w2VerticalSpaceOutOfRange()
    {
        QFETCH(QString, space);
        QFETCH(QString, message);
        ScriptedPrompt prompt;
        CW2PrintOptionsDialog dialog(W2Options());
        dialog.show();
        Click(dialog.PreprintedRadio());
        Erase(dialog.VerticalSpaceBox());
        Type(dialog.VerticalSpaceBox(), space);
        Click(dialog.findChild<QPushButton*>("OK"));
        QCOMPARE(prompt.asked, QStringList({message}));
        QVERIFY(dialog.isVisible()); // stays open
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(dialog.VerticalSpaceBox()->text(), QStringLiteral("1.25")); // 1.250000 as the box takes it
        QCOMPARE(dialog.Options(), W2Options());

        // Corrected, OK takes everything.
        Erase(dialog.HorizontalBox());
        Type(dialog.HorizontalBox(), "0.35");
        Click(dialog.findChild<QRadioButton*>("HorizontalRight"));
        dialog.CopyList()->setCurrentIndex(1);
        Click(dialog.findChild<QPushButton*>("OK"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const PrintW2Options& o = dialog.Options();
        QCOMPARE(o.Paper, PaperType::Preprinted);
        QCOMPARE(o.BlankCopy, W2CopyType::Copy2);
        QCOMPARE(o.HorizontalOffset, 0.35);
        QCOMPARE(o.HorizontalDirection, kRightOrDown);
        QCOMPARE(o.VerticalSpace, 1.25);
        QCOMPARE(o.Target, PrintTarget::All);
    }

    // Preview reads the choices as OK does, runs the preview and leaves
    // the dialog open; refused choices never reach the preview.
    void previewShowsThePresentChoices()
    {
        ScriptedPrompt prompt;
        CW2PrintOptionsDialog dialog(W2Options());
        dialog.show();
        QList<PrintW2Options> previewed;
        dialog.SetPreview([&] { previewed << dialog.Options(); });
        QVERIFY(dialog.PreviewButton()->isVisible());
        Click(dialog.LaserRadio());
        Click(dialog.PreviewButton());
        QCOMPARE(previewed.size(), 1);
        QCOMPARE(previewed[0].BlankCopy, W2CopyType::LaserCopyA);
        QVERIFY(dialog.isVisible());

        Click(dialog.PreprintedRadio());
        Erase(dialog.VerticalSpaceBox());
        Click(dialog.PreviewButton());
        QCOMPARE(previewed.size(), 1);
        QCOMPARE(prompt.asked.size(), 1);
    }

    void w3DialogTypesAndOffsets()
    {
        PrintW3Options options;
        options.Paper = PaperType::LaserSubstitute;
        options.HorizontalOffset = 0.25;
        options.VerticalOffset = 0.5;
        options.VerticalDirection = kLeftOrUp;
        CW3PrintOptionsDialog dialog(options);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" "));
        QVERIFY(dialog.LaserRadio()->isChecked());
        QCOMPARE(dialog.HorizontalBox()->text(), QStringLiteral("0.25"));
        QVERIFY(dialog.UpRadio()->isChecked());
        QVERIFY(!dialog.HorizontalBox()->isEnabled());
        QVERIFY(!dialog.LeftRadio()->isEnabled());
        Click(dialog.PreprintedRadio());
        QVERIFY(dialog.HorizontalBox()->isEnabled() && dialog.VerticalBox()->isEnabled());
        QVERIFY(dialog.LeftRadio()->isEnabled() && dialog.UpRadio()->isEnabled());
        Erase(dialog.VerticalBox()); // no range check: an empty box is 0
        Click(dialog.LeftRadio());
        Click(dialog.CopyRadio());
        QVERIFY(!dialog.VerticalBox()->isEnabled());
        QVERIFY(!dialog.PreprintedRadio()->isChecked());
        Click(dialog.findChild<QPushButton*>("OK"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Options().Paper, PaperType::Blank);
        QCOMPARE(dialog.Options().VerticalOffset, 0.0);
        QCOMPARE(dialog.Options().HorizontalDirection, kLeftOrUp);

        // Cancel leaves the options untouched.
        CW3PrintOptionsDialog cancelled(options);
        cancelled.show();
        Click(cancelled.CopyRadio());
        Click(cancelled.findChild<QPushButton*>("Cancel"));
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QVERIFY(cancelled.Options() == options);
    }
};

FORMLARK_TEST_MAIN(WagePrintOptionsDialogsTest)
#include "WagePrintOptionsDialogsTest.moc"
