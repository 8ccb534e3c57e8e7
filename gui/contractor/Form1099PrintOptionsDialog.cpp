#include "gui/contractor/Form1099PrintOptionsDialog.h"

#include "core/contractor/Form1099Copies.h"
#include "core/print/OffsetEntry.h"

#include <QComboBox>
#include <QRadioButton>

CForm1099PrintOptionsDialog::CForm1099PrintOptionsDialog(const Print1099Options& options, QWidget* parent)
    : CTwoFormPrintOptionsDialog(QStringLiteral("Set 1099 Print Options"), QStringLiteral("Print 1099 Data For : "),
                                 QStringLiteral("Current Contractor"), QStringLiteral("All Contractors"),
                                 Form1099CopyNames(), parent)
    , options_(options)
{
    ShowTarget(options.Target);
    CopyList()->setCurrentIndex(qBound(0, int(options.Copy), k1099CopyCount - 1));
    (options.Paper == PaperType::Blank ? CopyRadio() : PreprintedRadio())->setChecked(true);
    ShowOffsets(OffsetEntryOf(options));
    ApplyTypeRule();
}

bool CForm1099PrintOptionsDialog::ReadChoices()
{
    Print1099Options o;
    o.Target = ChosenTarget();
    o.Paper = PreprintedRadio()->isChecked() ? PaperType::Preprinted : PaperType::Blank;
    o.Copy = Form1099CopyType(qBound(0, CopyList()->currentIndex(), k1099CopyCount - 1));
    TakeOffsetEntry(ReadOffsets(), o);
    options_ = o;
    return true;
}
