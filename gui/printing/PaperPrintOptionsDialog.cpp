#include "gui/printing/PaperPrintOptionsDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

CPaperPrintOptionsDialog::CPaperPrintOptionsDialog(const QString& title, QWidget* parent)
    : CPrintOptionsDialog(title, QStringLiteral("Horizontal Offset (inch)"), QStringLiteral("Vertical Offset (inch)"),
                          parent)
{
    auto* typeFrame = new QGroupBox(QStringLiteral("Type"), this);
    group_ = new QButtonGroup(typeFrame);
    column_ = new QVBoxLayout(typeFrame);

    auto* offsets = new QHBoxLayout;
    offsets->addWidget(HorizontalFrame());
    offsets->addWidget(VerticalFrame());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(offsets);
    layout->addWidget(typeFrame);
    layout->addWidget(Buttons());
}

QRadioButton* CPaperPrintOptionsDialog::AddPaperChoice(const QString& text, const char* name, PaperType paper)
{
    auto* radio = new QRadioButton(text, this); // the frame's layout takes it
    radio->setObjectName(QLatin1String(name));
    group_->addButton(radio);
    column_->addWidget(radio);
    choices_.push_back({radio, paper});
    connect(radio, &QRadioButton::toggled, this, [this] { ApplyPaperRule(); });
    return radio;
}

QRadioButton* CPaperPrintOptionsDialog::PaperRadio(PaperType paper) const
{
    for (const Choice& choice : choices_)
        if (choice.paper == paper)
            return choice.radio;
    return nullptr;
}

void CPaperPrintOptionsDialog::ShowPaper(PaperType paper)
{
    QRadioButton* radio = PaperRadio(paper);
    if (!radio && !choices_.empty())
        radio = choices_.front().radio;
    if (radio)
        radio->setChecked(true);
    ApplyPaperRule();
}

PaperType CPaperPrintOptionsDialog::ChosenPaper() const
{
    for (const Choice& choice : choices_)
        if (choice.radio->isChecked())
            return choice.paper;
    return choices_.empty() ? PaperType::Preprinted : choices_.front().paper;
}

void CPaperPrintOptionsDialog::ApplyPaperRule() const
{
    EnableOffsets(ChosenPaper() == PaperType::Preprinted);
}
