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
    : CPrintOptionsDialog(QStringLiteral(" "), parent)
    , options_(options)
{
    horizontal_ = NewOffsetRow(QStringLiteral("Horizontal Offset (inch)"), "Horizontal", QStringLiteral("Left"),
                               QStringLiteral("Right"));
    vertical_ = NewOffsetRow(QStringLiteral("Vertical Offset (inch)"), "Vertical", QStringLiteral("Up"),
                             QStringLiteral("Down"));

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
    offsets->addWidget(horizontal_.frame);
    offsets->addWidget(vertical_.frame);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(offsets);
    layout->addWidget(typeFrame);
    layout->addWidget(Buttons());

    const W3PrintOptionsEntry entry = W3EntryFromOptions(options);
    horizontal_.Show(entry.horizontal, entry.horizontalDirection);
    vertical_.Show(entry.vertical, entry.verticalDirection);
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

CAmountEdit* CW3PrintOptionsDialog::HorizontalBox() const
{
    return horizontal_.box;
}

CAmountEdit* CW3PrintOptionsDialog::VerticalBox() const
{
    return vertical_.box;
}

QRadioButton* CW3PrintOptionsDialog::LeftRadio() const
{
    return horizontal_.direction0;
}

QRadioButton* CW3PrintOptionsDialog::UpRadio() const
{
    return vertical_.direction0;
}

void CW3PrintOptionsDialog::ApplyTypeRule()
{
    const bool preprinted = preprinted_->isChecked();
    horizontal_.SetEnabled(preprinted);
    vertical_.SetEnabled(preprinted);
}

bool CW3PrintOptionsDialog::ReadChoices()
{
    W3PrintOptionsEntry entry;
    entry.paper = copy_->isChecked() ? PaperType::Blank
                  : laser_->isChecked() ? PaperType::LaserSubstitute
                                        : PaperType::Preprinted;
    entry.horizontal = horizontal_.box->text();
    entry.vertical = vertical_.box->text();
    entry.horizontalDirection = horizontal_.Direction();
    entry.verticalDirection = vertical_.Direction();
    options_ = AcceptW3Entry(entry);
    return true;
}
