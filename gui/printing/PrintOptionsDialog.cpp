#include "gui/printing/PrintOptionsDialog.h"

#include "core/print/OffsetEntry.h"
#include "gui/entry/RuleEdit.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

CPrintOptionsDialog::CPrintOptionsDialog(const QString& title, const QString& horizontalCaption,
                                         const QString& verticalCaption, QWidget* parent)
    : QDialog(parent)
    , buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
    , preview_(new QPushButton(QStringLiteral("Pre&view..."), this))
{
    setWindowTitle(title);
    buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
    preview_->setObjectName(QStringLiteral("Preview"));
    preview_->setAutoDefault(false);
    preview_->setToolTip(QStringLiteral("Shows the pages these choices print, before anything is printed"));
    preview_->hide();
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(preview_, &QPushButton::clicked, this, [this] {
        if (previewAction_ && ReadChoices())
            previewAction_();
    });
    horizontal_ = NewOffsetRow(horizontalCaption, "Horizontal", QStringLiteral("Left"), QStringLiteral("Right"));
    vertical_ = NewOffsetRow(verticalCaption, "Vertical", QStringLiteral("Up"), QStringLiteral("Down"));
}

void CPrintOptionsDialog::SetPreview(std::function<void()> preview)
{
    previewAction_ = std::move(preview);
    if (previewAction_ && !buttons_->buttons().contains(preview_))
        buttons_->addButton(preview_, QDialogButtonBox::ActionRole);
    preview_->setVisible(bool(previewAction_));
}

void CPrintOptionsDialog::accept()
{
    if (ReadChoices())
        QDialog::accept();
}

CAmountEdit* CPrintOptionsDialog::NewInchesBox(const char* name, const QString& accessibleName)
{
    auto* box = new CAmountEdit(this);
    box->SetWholeDigits(kInchesBoxWholeDigits);
    box->SetDecimalPlaces(kInchesBoxDecimals);
    box->SetNegativeAllowed(false);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    box->setMaximumWidth(80);
    return box;
}

CPrintOptionsDialog::OffsetRow CPrintOptionsDialog::NewOffsetRow(const QString& caption, const char* name,
                                                                 const QString& direction0, const QString& direction1)
{
    OffsetRow row;
    row.frame = new QGroupBox(caption, this);
    row.box = NewInchesBox(name, caption);
    row.direction0 = new QRadioButton(direction0, row.frame);
    row.direction1 = new QRadioButton(direction1, row.frame);
    row.direction0->setObjectName(QLatin1String(name) + direction0);
    row.direction1->setObjectName(QLatin1String(name) + direction1);
    // Each row's two buttons exclude each other, whatever else the dialog holds.
    auto* group = new QButtonGroup(row.frame);
    group->addButton(row.direction0);
    group->addButton(row.direction1);
    row.box->setParent(row.frame);
    auto* layout = new QHBoxLayout(row.frame);
    layout->addWidget(row.box);
    layout->addWidget(row.direction0);
    layout->addWidget(row.direction1);
    layout->addStretch(1);
    return row;
}

void CPrintOptionsDialog::ShowOffsets(const OffsetEntry& offsets) const
{
    horizontal_.box->setText(offsets.horizontal);
    (offsets.horizontalDirection == kLeftOrUp ? horizontal_.direction0 : horizontal_.direction1)->setChecked(true);
    vertical_.box->setText(offsets.vertical);
    (offsets.verticalDirection == kLeftOrUp ? vertical_.direction0 : vertical_.direction1)->setChecked(true);
}

OffsetEntry CPrintOptionsDialog::ReadOffsets() const
{
    return {horizontal_.box->text(), vertical_.box->text(),
            horizontal_.direction0->isChecked() ? kLeftOrUp : kRightOrDown,
            vertical_.direction0->isChecked() ? kLeftOrUp : kRightOrDown};
}

void CPrintOptionsDialog::EnableOffsets(bool enabled) const
{
    for (const OffsetRow* row : {&horizontal_, &vertical_})
        for (QWidget* widget : {static_cast<QWidget*>(row->frame), static_cast<QWidget*>(row->box),
                                static_cast<QWidget*>(row->direction0), static_cast<QWidget*>(row->direction1)})
            widget->setEnabled(enabled);
}
