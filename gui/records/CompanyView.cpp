#include "gui/records/CompanyView.h"

#include "core/document/GlobalDoc.h"
#include "core/prompt/Prompt.h"
#include "gui/controls/ColorButton.h"
#include "gui/records/CompanyPages.h"
#include "gui/records/PropSheetCompany.h"
#include "gui/entry/RuleEdit.h"
#include "core/records/ScreenQuestions.h"
#include "gui/controls/WaitCursor.h"

#include <QHBoxLayout>
#include <QShortcut>
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

    // Besides Ctrl+Tab in the sheet, the page keys of the desktop's other
    // tabbed windows, anywhere on the screen.
    const struct {
        Qt::Key key;
        int step;
    } pageKeys[] = {{Qt::Key_PageDown, 1}, {Qt::Key_PageUp, -1}};
    for (const auto& pageKey : pageKeys) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | pageKey.key), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step = pageKey.step] { sheet_->TurnPage(step); });
    }

    // Only a company this program may write can be updated here.
    auto offerWrites = [this](bool writable) { update_->setEnabled(writable); };
    connect(&document_, &CGlobalDoc::writableChanged, this, offerWrites);
    offerWrites(document_.CanWrite());

    ShowRecord();
}

void CCompanyView::ShowRecord()
{
    WaitCursor wait;
    sheet_->Load(document_.Company());
    shown_ = document_.Company();
    sheet_->Save(shown_);
    stale_ = false;
}

bool CCompanyView::HasTypedEntries() const
{
    CompanyRecord boxes = shown_;
    sheet_->Save(boxes);
    return !(boxes == shown_);
}

void CCompanyView::RefreshFromDocument(CGlobalDoc&)
{
    if (!stale_ && !AskToSaveTypedEntries(kSaveBeforeReplacing))
        return; // kept in the boxes: they could not be saved
    ShowRecord();
}

void CCompanyView::OnCompanyDataCleared()
{
    stale_ = true;
}

bool CCompanyView::OfferToSaveTypedEntries()
{
    // Before the company or the program is left the question has a way
    // out: Cancel (Escape, or closing the question) stays, with the typing.
    return AskToSaveTypedEntries(kSaveBeforeReplacing, PromptButtons::YesNoCancel);
}

bool CCompanyView::AskToSaveTypedEntries(const char* question, PromptButtons buttons)
{
    // Nothing typed, or nothing that could be saved anyway.
    if (!document_.CanWrite() || !HasTypedEntries())
        return true;
    switch (AppPrompt().Choose(QLatin1String(question), buttons)) {
    case PromptAnswer::Yes:
        return SaveTypedEntries();
    case PromptAnswer::Cancel:
        return false;
    default:
        return true;
    }
}

bool CCompanyView::SaveTypedEntries()
{
    if (sheet_->EmployerName().isEmpty()) {
        AppPrompt().Tell(QLatin1String(kEmptyEmployerName), PromptIcon::Stop);
        return false;
    }
    CompanyRecord record = document_.Company();
    {
        WaitCursor wait;
        sheet_->Save(record);
    }
    document_.Editor().UpdateCompany(record);
    // What the boxes hold is the record now.
    shown_ = document_.Company();
    sheet_->Save(shown_);
    return true;
}

void CCompanyView::OnViewShown()
{
    if (focusPlaced_)
        return;
    focusPlaced_ = true;
    sheet_->GeneralPage().EmployerNameBox()->setFocus(Qt::OtherFocusReason);
}

void CCompanyView::OnViewHidden()
{
    if (!document_.CanWrite() || !HasTypedEntries())
        return;
    if (AppPrompt().AskYesNo(QLatin1String(kSaveBeforeLeaving))) {
        // The other screens show the saved company.
        if (SaveTypedEntries())
            document_.RefreshViews();
    } else {
        ShowRecord();
    }
}

void CCompanyView::OnUpdate()
{
    if (sheet_->EmployerName().isEmpty()) {
        AppPrompt().Tell(QLatin1String(kEmptyEmployerName), PromptIcon::Stop);
        return;
    }
    if (!AppPrompt().AskYesNo(QLatin1String(ScreenQuestions::kSaveFields)))
        return;
    SaveTypedEntries();
    document_.RefreshViews();
}

void CCompanyView::OnReset()
{
    if (!AppPrompt().AskYesNo(QLatin1String(ScreenQuestions::kResetFields)))
        return;
    ShowRecord();
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
    // Reset and Clear change no name: the company keeps the name it has
    // (which is its store file's, whatever the employer name says).
    document_.SetCompanyTitle();
}
