#include "gui/wage/W3PrintOptionsDialog.h"

#include "core/wage/WagePrintOptionsEntry.h"

CW3PrintOptionsDialog::CW3PrintOptionsDialog(const PrintW3Options& options, QWidget* parent)
    : CPaperPrintOptionsDialog(QStringLiteral(" "), parent)
    , options_(options)
{
    AddPaperChoice(QStringLiteral("Print a copy of form W3"), "PrintCopy", PaperType::Blank);
    AddPaperChoice(QStringLiteral("Print a complete Laser substitute for Form W3 (SSA-approved) "), "LaserSubstitute",
                   PaperType::LaserSubstitute);
    AddPaperChoice(QStringLiteral("Print data only on a preprinted Red-ink Laser W3 form"), "Preprinted",
                   PaperType::Preprinted);
    const W3PrintOptionsEntry entry = W3EntryFromOptions(options);
    ShowOffsets(entry.offsets);
    ShowPaper(entry.paper);
}

bool CW3PrintOptionsDialog::ReadChoices()
{
    options_ = AcceptW3Entry({ChosenPaper(), ReadOffsets()});
    return true;
}
