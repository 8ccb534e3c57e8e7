#include "gui/wage/W2PrintOptionsDialog.h"

#include "core/prompt/Prompt.h"
#include "core/wage/WageCopies.h"
#include "core/wage/WagePrintOptionsEntry.h"
#include "gui/entry/RuleEdit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CW2PrintOptionsDialog::CW2PrintOptionsDialog(const PrintW2Options& options, QWidget* parent)
    : CTwoFormPrintOptionsDialog(QStringLiteral("Set W2 Print Options"), QStringLiteral("Print W2 Data For : "),
                                 QStringLiteral("Current Employee"), QStringLiteral("All Employees"), W2CopyNames(),
                                 parent)
    , options_(options)
{
    laser_ = new QRadioButton(QStringLiteral("Print a complete Laser substitute for Copy A (SSA-approved)"), this);
    laser_->setObjectName(QStringLiteral("LaserSubstitute"));
    AddTypeChoice(laser_);

    spaceLabel_ = new QLabel(QStringLiteral("Vertical space in inches between the Top and Bottom forms "), this);
    space_ = NewInchesBox("VerticalSpace", QStringLiteral("Vertical space in inches between the Top and Bottom forms"));
    spaceLabel_->setBuddy(space_);
    spaceNote_ = new QLabel(QStringLiteral("(Do NOT change this unless you have to, default value is 1.25\")"), this);
    auto* spaceRow = new QHBoxLayout;
    spaceRow->addWidget(spaceLabel_);
    spaceRow->addWidget(space_);
    spaceRow->addStretch(1);
    Extras()->addLayout(spaceRow);
    Extras()->addWidget(spaceNote_);

    const W2PrintOptionsEntry entry = W2EntryFromOptions(options);
    ShowTarget(entry.target);
    CopyList()->setCurrentIndex(entry.copyIndex);
    switch (entry.paper) {
    case W2PaperChoice::Preprinted:
        PreprintedRadio()->setChecked(true);
        break;
    case W2PaperChoice::LaserCopyA:
        laser_->setChecked(true);
        break;
    case W2PaperChoice::Copy:
        CopyRadio()->setChecked(true);
        break;
    }
    ShowOffsets(entry.offsets);
    space_->setText(entry.verticalSpace);
    ApplyTypeRule();
}

void CW2PrintOptionsDialog::ApplyTypeRule()
{
    CTwoFormPrintOptionsDialog::ApplyTypeRule();
    const bool preprinted = PreprintedRadio()->isChecked();
    spaceLabel_->setEnabled(preprinted);
    space_->setEnabled(preprinted);
}

bool CW2PrintOptionsDialog::ReadChoices()
{
    W2PrintOptionsEntry entry;
    entry.target = ChosenTarget();
    entry.paper = laser_->isChecked()              ? W2PaperChoice::LaserCopyA
                  : PreprintedRadio()->isChecked() ? W2PaperChoice::Preprinted
                                                   : W2PaperChoice::Copy;
    entry.copyIndex = CopyList()->currentIndex();
    entry.offsets = ReadOffsets();
    entry.verticalSpace = space_->text();
    const W2EntryResult result = AcceptW2Entry(entry);
    if (!result.options) {
        AppPrompt().Tell(result.message, PromptIcon::Exclamation);
        space_->setText(result.verticalSpace);
        return false;
    }
    options_ = *result.options;
    return true;
}
