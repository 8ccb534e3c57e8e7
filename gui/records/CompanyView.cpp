#include "gui/records/CompanyView.h"

#include "core/document/GlobalDoc.h"
#include "core/shell/Prompt.h"
#include "gui/controls/ColorButton.h"
#include "gui/records/CompanyPages.h"
#include "gui/records/PropSheetCompany.h"
#include "gui/entry/RuleEdit.h"
#include "core/records/ScreenQuestions.h"
#include "gui/controls/WaitCursor.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

CCompanyView::CCompanyView(CGlobalDoc& document, QWidget* parent)
    : CFormView(document, parent)
    , sheet_(new CPropSheetCompany(this))
    , update_(new CColorButton(QStringLiteral("Update"), this))
    , reset_(new CColorButton(QStringLiteral("Reset"), this))
    , clear_(new CColorButton(QStringLiteral("Clear"), this))
{
    update_->setObjectName(QStringLiteral("Update"));
    reset_->setObjectName(QStringLiteral("Reset"));
    clear_->setObjectName(QStringLiteral("Clear"));
    for (CColorButton* button : {update_, reset_, clear_})
        button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch(1);
    buttons->addWidget(update_);
    buttons->addWidget(reset_);
    buttons->addWidget(clear_);

    // The sheet keeps the size its pages need; the screen's white surface
    // takes the rest of the pane.
    auto* column = new QVBoxLayout;
    column->setSpacing(12);
    column->addWidget(sheet_);
    column->addLayout(buttons);
    column->addStretch(1);

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(20, 20, 20, 20);
    outer->addLayout(column);
    outer->addStretch(1);
    outer->setAlignment(column, Qt::AlignTop);

    connect(update_, &QPushButton::clicked, this, &CCompanyView::OnUpdate);
    connect(reset_, &QPushButton::clicked, this, &CCompanyView::OnReset);
    connect(clear_, &QPushButton::clicked, this, &CCompanyView::OnClear);

    sheet_->Load(document_.Company());
}

void CCompanyView::RefreshFromDocument(CGlobalDoc& document)
{
    WaitCursor wait;
    sheet_->Load(document.Company());
}

void CCompanyView::OnViewShown()
{
    if (focusPlaced_)
        return;
    focusPlaced_ = true;
    sheet_->GeneralPage().EmployerNameBox()->setFocus(Qt::OtherFocusReason);
}

void CCompanyView::OnUpdate()
{
    if (sheet_->EmployerName().isEmpty()) {
        AppPrompt().Tell(QLatin1String(kEmptyEmployerName), PromptIcon::Stop);
        return;
    }
    if (!AppPrompt().AskYesNo(QLatin1String(ScreenQuestions::kSaveFields)))
        return;
    CompanyRecord record = document_.Company();
    {
        WaitCursor wait;
        sheet_->Save(record);
    }
    document_.Editor().UpdateCompany(record);
    document_.RefreshViews();
}

void CCompanyView::OnReset()
{
    if (!AppPrompt().AskYesNo(QLatin1String(ScreenQuestions::kResetFields)))
        return;
    {
        WaitCursor wait;
        sheet_->Load(document_.Company());
    }
    RetitleFromRecord();
}

void CCompanyView::OnClear()
{
    if (!AppPrompt().AskYesNo(QLatin1String(ScreenQuestions::kClearFields)))
        return;
    {
        WaitCursor wait;
        sheet_->Clear();
    }
    RetitleFromRecord();
}

void CCompanyView::RetitleFromRecord()
{
    // The company's name also names its store file at the end of the run; a
    // record without a name (a damaged store) must not take the file's
    // name away.
    const QString name = document_.Company().EmployerName.Text();
    if (name.isEmpty())
        document_.SetCompanyTitle();
    else
        document_.SetCompanyTitle(name);
}
