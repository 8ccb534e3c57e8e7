#include "gui/wage/W2PrintOptionsDialog.h"

#include "core/shell/Prompt.h"
#include "core/wage/WageCopies.h"
#include "core/wage/WagePrintOptionsEntry.h"
#include "gui/entry/RuleEdit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CW2PrintOptionsDialog::CW2PrintOptionsDialog(const PrintW2Options& options, QWidget* parent)
    : CPrintOptionsDialog(QStringLiteral("Set W2 Print Options"), QStringLiteral("Horizontal (inch)"),
                          QStringLiteral("Vertical (inch)"), parent)
    , options_(options)
{
    auto* targetFrame = new QGroupBox(QStringLiteral("Print W2 Data For : "), this);
    current_ = new QRadioButton(QStringLiteral("Current Employee"), targetFrame);
    all_ = new QRadioButton(QStringLiteral("All Employees"), targetFrame);
    current_->setObjectName(QStringLiteral("CurrentEmployee"));
    all_->setObjectName(QStringLiteral("AllEmployees"));
    auto* targetRow = new QHBoxLayout(targetFrame);
    targetRow->addWidget(current_);
    targetRow->addWidget(all_);
    targetRow->addStretch(1);

    auto* typeFrame = new QGroupBox(QStringLiteral("Type"), this);
    copy_ = new QRadioButton(QStringLiteral("Print a copy:"), typeFrame);
    copies_ = new QComboBox(typeFrame);
    copies_->addItems(W2CopyNames());
    copies_->setAccessibleName(QStringLiteral("Copy"));
    preprinted_ = new QRadioButton(QStringLiteral("Print data only on a preprinted Red-ink Laser form"), typeFrame);
    laser_ = new QRadioButton(QStringLiteral("Print a complete Laser substitute for Copy A (SSA-approved)"), typeFrame);
    copy_->setObjectName(QStringLiteral("PrintCopy"));
    copies_->setObjectName(QStringLiteral("CopyList"));
    preprinted_->setObjectName(QStringLiteral("Preprinted"));
    laser_->setObjectName(QStringLiteral("LaserSubstitute"));
    // The three Type buttons exclude each other.
    auto* types = new QButtonGroup(typeFrame);
    for (QRadioButton* radio : {copy_, preprinted_, laser_})
        types->addButton(radio);
    auto* typeColumn = new QVBoxLayout(typeFrame);
    auto* copyRow = new QHBoxLayout;
    copyRow->addWidget(copy_);
    copyRow->addWidget(copies_);
    copyRow->addStretch(1);
    typeColumn->addLayout(copyRow);
    typeColumn->addWidget(preprinted_);
    typeColumn->addWidget(laser_);

    offsetFrame_ = new QGroupBox(QStringLiteral("Offset"), this);
    HorizontalFrame()->setParent(offsetFrame_);
    VerticalFrame()->setParent(offsetFrame_);
    auto* offsetRow = new QHBoxLayout(offsetFrame_);
    offsetRow->addWidget(HorizontalFrame());
    offsetRow->addWidget(VerticalFrame());

    spaceLabel_ = new QLabel(QStringLiteral("Vertical space in inches between the Top and Bottom forms "), this);
    space_ = NewInchesBox("VerticalSpace", QStringLiteral("Vertical space in inches between the Top and Bottom forms"));
    spaceLabel_->setBuddy(space_);
    spaceNote_ = new QLabel(QStringLiteral("(Do NOT change this unless you have to, default value is 1.25\")"), this);
    auto* spaceRow = new QHBoxLayout;
    spaceRow->addWidget(spaceLabel_);
    spaceRow->addWidget(space_);
    spaceRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(targetFrame);
    layout->addWidget(typeFrame);
    layout->addWidget(offsetFrame_);
    layout->addLayout(spaceRow);
    layout->addWidget(spaceNote_);
    layout->addWidget(Buttons());

    const W2PrintOptionsEntry entry = W2EntryFromOptions(options);
    (entry.target == PrintTarget::All ? all_ : current_)->setChecked(true);
    copies_->setCurrentIndex(entry.copyIndex);
    switch (entry.paper) {
    case W2PaperChoice::Preprinted:
        preprinted_->setChecked(true);
        break;
    case W2PaperChoice::LaserCopyA:
        laser_->setChecked(true);
        break;
    case W2PaperChoice::Copy:
        copy_->setChecked(true);
        break;
    }
    ShowOffsets(entry.offsets);
    space_->setText(entry.verticalSpace);
    ApplyTypeRule();
    for (QRadioButton* radio : {copy_, preprinted_, laser_})
        connect(radio, &QRadioButton::toggled, this, &CW2PrintOptionsDialog::ApplyTypeRule);
}

void CW2PrintOptionsDialog::ApplyTypeRule()
{
    const bool preprinted = preprinted_->isChecked();
    offsetFrame_->setEnabled(preprinted);
    EnableOffsets(preprinted);
    spaceLabel_->setEnabled(preprinted);
    space_->setEnabled(preprinted);
    copies_->setEnabled(copy_->isChecked());
}

bool CW2PrintOptionsDialog::ReadChoices()
{
    W2PrintOptionsEntry entry;
    entry.target = all_->isChecked() ? PrintTarget::All : PrintTarget::Current;
    entry.paper = laser_->isChecked()        ? W2PaperChoice::LaserCopyA
                  : preprinted_->isChecked() ? W2PaperChoice::Preprinted
                                             : W2PaperChoice::Copy;
    entry.copyIndex = copies_->currentIndex();
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
