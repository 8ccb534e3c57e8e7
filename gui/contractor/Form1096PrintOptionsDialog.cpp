#include "gui/contractor/Form1096PrintOptionsDialog.h"

#include "core/print/OffsetEntry.h"

CForm1096PrintOptionsDialog::CForm1096PrintOptionsDialog(const Print1096Options& options, QWidget* parent)
    : CPaperPrintOptionsDialog(QStringLiteral("Set 1096 Print Options"), parent)
    , options_(options)
{
    AddPaperChoice(QStringLiteral("Print a copy"), "PrintCopy", PaperType::Blank);
    AddPaperChoice(QStringLiteral("Print data only on a preprinted Red-ink Laser form"), "Preprinted",
                   PaperType::Preprinted);
    ShowOffsets(OffsetEntryOf(options));
    ShowPaper(options.Paper);
}

bool CForm1096PrintOptionsDialog::ReadChoices()
{
    Print1096Options o;
    o.Paper = ChosenPaper();
    TakeOffsetEntry(ReadOffsets(), o);
    options_ = o;
    return true;
}
