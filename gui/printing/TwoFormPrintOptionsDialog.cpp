#include "gui/printing/TwoFormPrintOptionsDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton* NewChoice(const QString& text, const QString& name, QWidget* parent)
{
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    return radio;
}

QString Unspaced(QString text)
{
    return text.remove(QLatin1Char(' '));
}

} // namespace

CTwoFormPrintOptionsDialog::CTwoFormPrintOptionsDialog(const QString& title, const QString& targetCaption,
                                                       const QString& currentText, const QString& allText,
                                                       const QStringList& copyNames, QWidget* parent)
    : CPrintOptionsDialog(title, QStringLiteral("Horizontal (inch)"), QStringLiteral("Vertical (inch)"), parent)
{
    auto* targetFrame = new QGroupBox(targetCaption, this);
    current_ = NewChoice(currentText, Unspaced(currentText), targetFrame);
    all_ = NewChoice(allText, Unspaced(allText), targetFrame);
    auto* targetRow = new QHBoxLayout(targetFrame);
    targetRow->addWidget(current_);
    targetRow->addWidget(all_);
    targetRow->addStretch(1);

    auto* typeFrame = new QGroupBox(QStringLiteral("Type"), this);
    copy_ = NewChoice(QStringLiteral("Print a copy:"), QStringLiteral("PrintCopy"), typeFrame);
    copies_ = new QComboBox(typeFrame);
    copies_->setObjectName(QStringLiteral("CopyList"));
    copies_->setAccessibleName(QStringLiteral("Copy"));
    copies_->addItems(copyNames);
    preprinted_ = NewChoice(QStringLiteral("Print data only on a preprinted Red-ink Laser form"),
                            QStringLiteral("Preprinted"), typeFrame);
    // The Type buttons exclude each other, not the target buttons.
    types_ = new QButtonGroup(typeFrame);
    typeColumn_ = new QVBoxLayout(typeFrame);
    auto* copyRow = new QHBoxLayout;
    copyRow->addWidget(copy_);
    copyRow->addWidget(copies_);
    copyRow->addStretch(1);
    typeColumn_->addLayout(copyRow);
    types_->addButton(copy_);
    connect(copy_, &QRadioButton::toggled, this, [this] { ApplyTypeRule(); });
    AddTypeChoice(preprinted_);

    offsetFrame_ = new QGroupBox(QStringLiteral("Offset"), this);
    HorizontalFrame()->setParent(offsetFrame_);
    VerticalFrame()->setParent(offsetFrame_);
    auto* offsetRow = new QHBoxLayout(offsetFrame_);
    offsetRow->addWidget(HorizontalFrame());
    offsetRow->addWidget(VerticalFrame());

    extras_ = new QVBoxLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(targetFrame);
    layout->addWidget(typeFrame);
    layout->addWidget(offsetFrame_);
    layout->addLayout(extras_);
    layout->addWidget(Buttons());
}

void CTwoFormPrintOptionsDialog::AddTypeChoice(QRadioButton* radio)
{
    radio->setParent(copy_->parentWidget());
    types_->addButton(radio);
    typeColumn_->addWidget(radio);
    connect(radio, &QRadioButton::toggled, this, [this] { ApplyTypeRule(); });
}

void CTwoFormPrintOptionsDialog::ShowTarget(PrintTarget target) const
{
    (target == PrintTarget::All ? all_ : current_)->setChecked(true);
}

PrintTarget CTwoFormPrintOptionsDialog::ChosenTarget() const
{
    return all_->isChecked() ? PrintTarget::All : PrintTarget::Current;
}

void CTwoFormPrintOptionsDialog::ApplyTypeRule()
{
    const bool preprinted = preprinted_->isChecked();
    offsetFrame_->setEnabled(preprinted);
    EnableOffsets(preprinted);
    copies_->setEnabled(copy_->isChecked());
}
