#include "gui/wage/W3PrintOptionsDialog.h"

#include "core/wage/WagePrintOptionsEntry.h"
#include "gui/entry/RuleEdit.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

CW3PrintOptionsDialog::CW3PrintOptionsDialog(const PrintW3Options& options, QWidget* parent)
    : CPrintOptionsDialog(QStringLiteral(" "), QStringLiteral("Horizontal Offset (inch)"),
                          QStringLiteral("Vertical Offset (inch)"), parent)
    , options_(options)
{

    auto* typeFrame = new QGroupBox(QStringLiteral("Type"), this);
    copy_ = new QRadioButton(QStringLiteral("Print a copy of form W3"), typeFrame);
    laser_ = new QRadioButton(QStringLiteral("Print a complete Laser substitute for Form W3 (SSA-approved) "), typeFrame);
    preprinted_ = new QRadioButton(QStringLiteral("Print data only on a preprinted Red-ink Laser W3 form"), typeFrame);
    copy_->setObjectName(QStringLiteral("PrintCopy"));
    laser_->setObjectName(QStringLiteral("LaserSubstitute"));
    preprinted_->setObjectName(QStringLiteral("Preprinted"));
    auto* types = new QButtonGroup(typeFrame);
    auto* typeColumn = new QVBoxLayout(typeFrame);
    for (QRadioButton* radio : {copy_, laser_, preprinted_}) {
        types->addButton(radio);
        typeColumn->addWidget(radio);
    }

    auto* offsets = new QHBoxLayout;
    offsets->addWidget(HorizontalFrame());
    offsets->addWidget(VerticalFrame());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(offsets);
    layout->addWidget(typeFrame);
    layout->addWidget(Buttons());

    const W3PrintOptionsEntry entry = W3EntryFromOptions(options);
    ShowOffsets(entry.offsets);
    switch (entry.paper) {
    case PaperType::Blank:
        copy_->setChecked(true);
        break;
    case PaperType::LaserSubstitute:
        laser_->setChecked(true);
        break;
    case PaperType::Preprinted:
        preprinted_->setChecked(true);
        break;
    }
    ApplyTypeRule();
    for (QRadioButton* radio : {copy_, laser_, preprinted_})
        connect(radio, &QRadioButton::toggled, this, &CW3PrintOptionsDialog::ApplyTypeRule);
}

void CW3PrintOptionsDialog::ApplyTypeRule()
{
    EnableOffsets(preprinted_->isChecked());
}

bool CW3PrintOptionsDialog::ReadChoices()
{
    W3PrintOptionsEntry entry;
    entry.paper = copy_->isChecked() ? PaperType::Blank
                  : laser_->isChecked() ? PaperType::LaserSubstitute
                                        : PaperType::Preprinted;
    entry.offsets = ReadOffsets();
    options_ = AcceptW3Entry(entry);
    return true;
}
