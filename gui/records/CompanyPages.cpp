#include "gui/records/CompanyPages.h"

#include "core/records/KindOfPayer.h"
#include "gui/entry/RuleEdit.h"
#include "gui/controls/BoxWidth.h"
#include "gui/entry/StoredText.h"
#include "gui/records/RecordBoxes.h"
#include "gui/records/StateComboBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace {

// The amount box of the income tax withheld for third-party sick pay:
// nine whole digits and twenty decimals.
constexpr int kAmountWholeDigits = 9;
constexpr int kAmountDecimals = 20;

QWidget* NewCompanyBox(const CompanyBox& box, QWidget* parent)
{
    QWidget* widget = nullptr;
    switch (box.entry) {
    case CompanyEntry::Text:
        return NewTextBox(box.name, box.maxLength, parent, box.pattern);
    case CompanyEntry::Mask:
        return NewMaskBox(box.name, box.pattern, parent);
    case CompanyEntry::Amount: {
        auto* amount = new CAmountEdit(parent);
        amount->SetWholeDigits(kAmountWholeDigits);
        amount->SetDecimalPlaces(kAmountDecimals);
        SetWidthInCharacters(amount, kAmountDecimals);
        widget = amount;
        break;
    }
    case CompanyEntry::State:
        widget = new CStateComboBox(parent);
        break;
    case CompanyEntry::KindOfPayer: {
        auto* kinds = new QComboBox(parent);
        for (const char* kind : kKindOfPayerList)
            kinds->addItem(QLatin1String(kind));
        widget = kinds;
        break;
    }
    case CompanyEntry::Check:
        widget = new QCheckBox(QString::fromUtf8(box.label), parent);
        break;
    }
    widget->setObjectName(QLatin1String(box.name));
    return widget;
}

} // namespace

CompanyPage::CompanyPage(CompanyPageKind kind, QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(24, 20, 24, 16);
    grid_->setHorizontalSpacing(16);
    grid_->setVerticalSpacing(8);
    // The boxes of all three pages start at one line.
    grid_->setColumnMinimumWidth(0, 220);

    for (const CompanyBox& box : CompanyBoxes()) {
        if (box.page != kind)
            continue;
        if (box.gapBefore && row_ > 0)
            AddGap();
        QWidget* widget = NewCompanyBox(box, this);
        // A check box says its label itself.
        AddRow(box.entry == CompanyEntry::Check ? QString() : QString::fromUtf8(box.label), widget);
        boxes_.push_back({&box, widget});
    }
    // What is left of the page stays empty.
    grid_->setColumnStretch(2, 1);
    grid_->setRowStretch(row_, 1);
}

void CompanyPage::AddRow(const QString& label, QWidget* box)
{
    if (!label.isEmpty()) {
        auto* text = new QLabel(label, this);
        text->setBuddy(box);
        grid_->addWidget(text, row_, 0, Qt::AlignLeft | Qt::AlignVCenter);
    }
    grid_->addWidget(box, row_, 1, Qt::AlignLeft | Qt::AlignVCenter);
    ++row_;
}

void CompanyPage::AddGap()
{
    grid_->setRowMinimumHeight(row_++, 10);
}

QWidget* CompanyPage::Box(const char* name) const
{
    for (const auto& [box, widget] : boxes_)
        if (qstrcmp(box->name, name) == 0)
            return widget;
    return nullptr;
}

void CompanyPage::Load(const CompanyRecord& company)
{
    cleared_ = false;
    for (const auto& [box, widget] : boxes_) {
        switch (box->entry) {
        case CompanyEntry::Text:
        case CompanyEntry::Mask:
            StoredText::Show(static_cast<QLineEdit*>(widget), box->get(company));
            break;
        case CompanyEntry::Amount: {
            // In its two-decimal form; one that does not read as an amount
            // as it is stored.
            const AmountField& amount = box->amount(company);
            StoredText::Show(static_cast<QLineEdit*>(widget), amount.IsBlank() ? QString() : amount.Shown());
            break;
        }
        case CompanyEntry::State:
            static_cast<CStateComboBox*>(widget)->SelectState(box->get(company));
            break;
        case CompanyEntry::KindOfPayer: {
            // A value outside the list selects nothing.
            auto* kinds = static_cast<QComboBox*>(widget);
            const int kind = company.*box->number;
            kinds->setCurrentIndex(kind >= 0 && kind < kinds->count() ? kind : -1);
            break;
        }
        case CompanyEntry::Check:
            static_cast<QCheckBox*>(widget)->setChecked(company.*box->number == 1);
            break;
        }
    }
}

void CompanyPage::Clear()
{
    cleared_ = true;
    for (const auto& [box, widget] : boxes_) {
        switch (box->entry) {
        case CompanyEntry::Text:
        case CompanyEntry::Mask:
        case CompanyEntry::Amount:
            static_cast<QLineEdit*>(widget)->clear();
            break;
        case CompanyEntry::State:
        case CompanyEntry::KindOfPayer:
            static_cast<QComboBox*>(widget)->setCurrentIndex(0);
            break;
        case CompanyEntry::Check:
            static_cast<QCheckBox*>(widget)->setChecked(false);
            break;
        }
    }
}

void CompanyPage::Save(CompanyRecord& company) const
{
    for (const auto& [box, widget] : boxes_) {
        switch (box->entry) {
        case CompanyEntry::Text:
        case CompanyEntry::Mask:
        case CompanyEntry::Amount: {
            const auto* edit = static_cast<const QLineEdit*>(widget);
            if (cleared_ || StoredText::Changed(edit))
                box->set(company, edit->text());
            break;
        }
        case CompanyEntry::State:
            box->set(company, static_cast<const CStateComboBox*>(widget)->KeptState());
            break;
        case CompanyEntry::KindOfPayer: {
            // Nothing selected (a stored kind not of the list) keeps it.
            const auto* kinds = static_cast<const QComboBox*>(widget);
            if (kinds->currentIndex() >= 0)
                company.*box->number = kinds->currentIndex();
            break;
        }
        case CompanyEntry::Check: {
            // A stored value other than 0 or 1 stays until the box is changed.
            const bool checked = static_cast<const QCheckBox*>(widget)->isChecked();
            if (cleared_ || checked != (company.*box->number == 1))
                company.*box->number = checked ? 1 : 0;
            break;
        }
        }
    }
}

CPropertyPageCompanyGeneral::CPropertyPageCompanyGeneral(QWidget* parent)
    : CompanyPage(CompanyPageKind::General, parent)
{
}

CCharFilterEdit* CPropertyPageCompanyGeneral::EmployerNameBox() const
{
    return static_cast<CCharFilterEdit*>(Box("EmployerName"));
}

CPropertyPageCompanyW3::CPropertyPageCompanyW3(QWidget* parent)
    : CompanyPage(CompanyPageKind::W3, parent)
{
}

CPropertyPageCompany1096::CPropertyPageCompany1096(QWidget* parent)
    : CompanyPage(CompanyPageKind::Form1096, parent)
{
}
