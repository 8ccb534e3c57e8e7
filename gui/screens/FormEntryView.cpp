#include "gui/screens/FormEntryView.h"

#include "core/document/GlobalDoc.h"
#include "core/records/ScreenQuestions.h"
#include "core/prompt/Prompt.h"
#include "gui/controls/BalloonWindow.h"
#include "gui/controls/ColorButton.h"
#include "gui/controls/WaitCursor.h"
#include "gui/screens/FormCells.h"
#include "gui/screens/SelectRecordDialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The captions of the two button groups: Arial 12 points, heaviest weight,
// and larger with a larger desktop font, so that they stay headings.
void UseGroupCaptionFont(QGroupBox* group)
{
    QFont screenFont = group->parentWidget()->font();
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(std::max(12.0, QFontInfo(screenFont).pointSizeF() * 4 / 3));
    font.setWeight(QFont::Black);
    group->setFont(font);
    // The buttons inside keep the screen's font: set as a whole, or they
    // would take the caption's from the group.
    screenFont.setResolveMask(QFont::AllPropertiesResolved);
    for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setFont(screenFont);
}

CColorButton* NewCommandButton(const char* caption, QWidget* parent)
{
    auto* button = new CColorButton(QLatin1String(caption), parent);
    button->setObjectName(QLatin1String(caption));
    // Enter in a box never presses a button: none is a default button.
    button->setAutoDefault(false);
    button->setDefault(false);
    // A click leaves the focus in the box: leaving a box may say something
    // (a cap), and a message during the press would swallow the click. The
    // command finishes the box itself; Tab still reaches every button.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

// The quick-help icon: a flat tool button that shows where the keyboard is
// as plainly as the command buttons do, with a dotted frame.
class HelpIconButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QToolButton::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        QPen pen(palette().color(QPalette::ButtonText));
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
};

} // namespace

CFormEntryView::CFormEntryView(CGlobalDoc& document, const FormScreenTexts& texts, const FormOwnerLists& lists,
                               QWidget* parent)
    : CFormView(document, parent)
    , texts_(texts)
    , lists_(lists)
    , select_(NewCommandButton("Select", this))
    , next_(NewCommandButton("Next", this))
    , previous_(NewCommandButton("Previous", this))
    , save_(NewCommandButton("Save", this))
    , reset_(NewCommandButton("Reset", this))
    , clear_(NewCommandButton("Clear", this))
    , print_(NewCommandButton("Print", this))
    , commands_(new QHBoxLayout)
{
    auto* ownerGroup = new QGroupBox(QLatin1String(texts.ownerCaption), this);
    ownerGroup->setObjectName(QStringLiteral("OwnerGroup"));
    auto* ownerRow = new QHBoxLayout(ownerGroup);
    for (CColorButton* button : {select_, next_, previous_}) {
        button->setParent(ownerGroup);
        ownerRow->addWidget(button);
    }

    auto* formGroup = new QGroupBox(QLatin1String(texts.formCaption), this);
    formGroup->setObjectName(QStringLiteral("FormGroup"));
    auto* formRow = new QHBoxLayout(formGroup);
    for (CColorButton* button : {save_, reset_, clear_, print_}) {
        button->setParent(formGroup);
        formRow->addWidget(button);
    }
    lastButton_ = print_;
    // The buttons keep their size; the spare width goes to the right.
    formRow->addStretch(1);
    if (texts.quickHelp) {
        help_ = new HelpIconButton(formGroup);
        help_->setObjectName(QStringLiteral("Help"));
        help_->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
        help_->setIconSize(QSize(28, 28));
        help_->setAutoRaise(true);
        // As the command buttons: a click leaves the focus in the box.
        help_->setFocusPolicy(Qt::TabFocus);
        help_->setAccessibleName(QStringLiteral("Quick help"));
        help_->setToolTip(QStringLiteral("Quick help"));
        formRow->addWidget(help_);
        lastButton_ = help_;
        connect(help_, &QToolButton::clicked, this, &CFormEntryView::OnQuickHelp);
    }
    UseGroupCaptionFont(ownerGroup);
    UseGroupCaptionFont(formGroup);

    commands_->addWidget(ownerGroup);
    commands_->addWidget(formGroup, 1);

    connect(select_, &QPushButton::clicked, this, &CFormEntryView::OnSelect);
    connect(next_, &QPushButton::clicked, this, &CFormEntryView::OnNext);
    connect(previous_, &QPushButton::clicked, this, &CFormEntryView::OnPrevious);
    connect(save_, &QPushButton::clicked, this, &CFormEntryView::OnSave);
    connect(reset_, &QPushButton::clicked, this, &CFormEntryView::OnReset);
    connect(clear_, &QPushButton::clicked, this, &CFormEntryView::OnClear);
    connect(print_, &QPushButton::clicked, this, &CFormEntryView::OnPrint);
}

void CFormEntryView::SetForm(QWidget* form)
{
    form->setAutoFillBackground(false);
    SetScrolledPage(commands_, form);
    // Buttons first in the Tab order, as they stand above the form (set
    // once they are on the page, which moving them there would undo).
    QWidget* chain[] = {select_, next_, previous_, save_, reset_, clear_, print_};
    for (size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    if (help_)
        setTabOrder(print_, help_);
}

QAbstractButton* CFormEntryView::PrintCommand() const
{
    return print_;
}

void CFormEntryView::WatchBoxes(const std::vector<QWidget*>& boxes)
{
    const auto userChange = [this] {
        if (!filling_)
            modified_ = true;
    };
    QWidget* previous = lastButton_;
    if (!boxes.empty())
        firstBox_ = boxes.front();
    for (QWidget* box : boxes) {
        box->installEventFilter(this);
        if (auto* edit = qobject_cast<QLineEdit*>(box))
            connect(edit, &QLineEdit::textChanged, this, userChange);
        else if (auto* check = qobject_cast<QAbstractButton*>(box))
            connect(check, &QAbstractButton::toggled, this, userChange);
        setTabOrder(previous, box);
        previous = box;
    }
}

bool CFormEntryView::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        enteredBox_ = widget;
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            textAtEntry_ = edit->text();
        break;
    case QEvent::FocusOut: {
        // A context menu or another window taking the focus for a while is
        // not leaving the box; a message shown while a box is being left
        // is not leaving another one.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason || leaving_)
            break;
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (edit && enteredBox_ == widget && !filling_) {
            enteredBox_ = nullptr;
            leaving_ = true;
            BoxLeft(edit, edit->text() != textAtEntry_);
            leaving_ = false;
        }
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter)
            && static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            // Enter moves on, as Tab does; it never saves.
            focusNextChild();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return CFormView::eventFilter(watched, event);
}

void CFormEntryView::BoxLeft(QLineEdit*, bool)
{
}

std::vector<int> CFormEntryView::OwnerDisplayOrder() const
{
    std::vector<int> order;
    order.reserve(size_t(OwnerOrder().RowCount()));
    for (const RecordListOrder::Row& row : OwnerOrder().Rows())
        order.push_back(row.index);
    return order;
}

std::vector<int> CFormEntryView::PrintedOwners(PrintTarget target) const
{
    if (target == PrintTarget::All)
        return OwnerDisplayOrder();
    return {cursor_.OwnerIndex()};
}

bool CFormEntryView::ShowOwnerBox(int ownerId, const QString& field)
{
    const int index = lists_.OwnerIndexOf(ownerId);
    if (index < 0)
        return false;
    if (index != cursor_.OwnerIndex() || cursor_.FirstShow()) {
        AskSaveChanges(texts_.saveBeforeSelect);
        cursor_.Select(index, lists_);
        ShowCurrent();
    }
    if (QWidget* box = findChild<QWidget*>(field); box && box->isEnabled()) {
        ScrollIntoView(box);
        box->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

// ---- showing ----

void CFormEntryView::ShowCurrent()
{
    WaitCursor wait;
    if (!ownerOrder_)
        FillOwnerRows(ownOrder_);
    filling_ = true;
    if (cursor_.Settle(OwnerOrder(), lists_))
        ShowRecords(cursor_.OwnerIndex(), cursor_.FormIndex());
    else
        EmptyAllBoxes();
    filling_ = false;
    modified_ = false;
    // A box the program refilled is not one the user is editing.
    if (enteredBox_) {
        if (auto* edit = qobject_cast<QLineEdit*>(enteredBox_))
            textAtEntry_ = edit->text();
    }
}

void CFormEntryView::RefreshFromDocument(CGlobalDoc&)
{
    ShowCurrent();
}

void CFormEntryView::OnCompanyDataCleared()
{
    cursor_.Reset();
    ownOrder_.Clear();
    modified_ = false;
    filling_ = true;
    EmptyAllBoxes();
    filling_ = false;
}

void CFormEntryView::OnViewShown()
{
    if (lists_.OwnerCount() == 0) {
        filling_ = true;
        EmptyAllBoxes();
        filling_ = false;
        // The owners' screen took this one's place: nothing to point at.
        if (!SendToOwnersScreen(texts_.noOwners, texts_.ownersScreenIndex))
            return;
    }
    if (help_)
        ShowBalloon(QLatin1String(FormScreenBalloons::kHelpTitle), QLatin1String(FormScreenBalloons::kHelpHint),
                    help_->rect().center(), BalloonIcon::Question, 0, help_, QString(),
                    FormScreenBalloons::kHelpHintMs);
    // Chosen again while the user is typing in it (the screen was never
    // left): what was typed stays.
    if (!modified_)
        ShowCurrent();
}

void CFormEntryView::OnViewHidden()
{
    if (!cursor_.FirstShow())
        AskSaveChanges(texts_.saveBeforeLeaving);
}

bool CFormEntryView::OfferToSaveTypedEntries()
{
    // Before the company or the program is left the question has a way
    // out: Cancel (Escape, or closing the question) stays, and what was
    // typed stays on the screen, still to be saved.
    return cursor_.FirstShow() || AskSaveChanges(texts_.saveBeforeLeaving, PromptButtons::YesNoCancel);
}

void CFormEntryView::OwnerAdded()
{
    cursor_.OwnerAdded(lists_);
    ShowCurrent();
}

void CFormEntryView::OwnerDeleted(int ownerId)
{
    // The order still shows the rows as they were before the deletion.
    cursor_.OwnerDeleted(ownerId, OwnerOrder(), lists_);
    ShowCurrent();
}

// ---- saving ----

void CFormEntryView::FinishEnteredBox()
{
    auto* edit = qobject_cast<QLineEdit*>(enteredBox_);
    if (!edit || filling_ || leaving_)
        return;
    leaving_ = true;
    BoxLeft(edit, edit->text() != textAtEntry_);
    leaving_ = false;
    // The focus is still there: from now on the box counts as entered with
    // what it shows.
    textAtEntry_ = edit->text();
}

void CFormEntryView::SaveCurrent()
{
    if (lists_.OwnerCount() == 0)
        return;
    const SaveOutcome outcome = SaveBoxes(cursor_.OwnerId());
    if (outcome == SaveOutcome::Unchanged)
        return;
    // Every screen showing the form shows it saved; the totals follow it.
    document_.RefreshChangedViews();
    // A form the store refused stays modified: it is still to be saved,
    // and the user has been told so.
    modified_ = outcome == SaveOutcome::Kept;
}

bool CFormEntryView::AskSaveChanges(const char* question, PromptButtons buttons)
{
    if (lists_.OwnerCount() == 0)
        return true;
    FinishEnteredBox();
    if (!modified_)
        return true;
    const PromptAnswer answer = AppPrompt().Choose(QLatin1String(question), buttons);
    if (answer == PromptAnswer::Cancel)
        return false;
    if (answer == PromptAnswer::Yes)
        SaveCurrent();
    modified_ = false;
    return true;
}

// ---- commands ----

void CFormEntryView::OnSave()
{
    FinishEnteredBox();
    if (AppPrompt().AskYesNo(QLatin1String(ScreenQuestions::kSaveFields)))
        SaveCurrent();
}

void CFormEntryView::OnReset()
{
    if (AppPrompt().AskYesNo(QLatin1String(ScreenQuestions::kResetFields)))
        ShowCurrent();
}

void CFormEntryView::OnClear()
{
    if (!AppPrompt().AskYesNo(QLatin1String(ScreenQuestions::kClearFields)))
        return;
    ClearFormBoxes();
    update();
}

void CFormEntryView::OnSelect()
{
    AskSaveChanges(texts_.saveBeforeSelect);
    RecordListOrder rows;
    FillOwnerRows(rows);
    CSelectRecordDialog dialog(QLatin1String(texts_.selectTitle), rows, cursor_.OwnerIndex(), this);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    if (chosen)
        cursor_.Select(dialog.ChosenIndex(), lists_);
    ShowCurrent();
    // The chosen owner's form is to be filled: the keyboard starts at its
    // first box.
    if (chosen && firstBox_ && firstBox_->isEnabled())
        firstBox_->setFocus(Qt::OtherFocusReason);
}

void CFormEntryView::OnNext()
{
    Step(true);
}

void CFormEntryView::OnPrevious()
{
    Step(false);
}

void CFormEntryView::Step(bool forward)
{
    AskSaveChanges(forward ? texts_.saveBeforeNext : texts_.saveBeforePrevious);
    if (!ownerOrder_)
        FillOwnerRows(ownOrder_);
    const FormCursor::Step step = forward ? cursor_.StepNext(OwnerOrder(), lists_)
                                          : cursor_.StepPrevious(OwnerOrder(), lists_);
    if (step == FormCursor::Step::None) {
        ShowNote(forward ? next_ : previous_, forward ? texts_.lastOwnerNote : texts_.firstOwnerNote);
        return;
    }
    if (step == FormCursor::Step::Moved)
        ShowCurrent();
    modified_ = false;
}

void CFormEntryView::ShowNote(QWidget* at, const char* note)
{
    ShowBalloon(QLatin1String(FormScreenBalloons::kNoteTitle), QLatin1String(note), at->rect().center(),
                BalloonIcon::Question, FormScreenBalloons::kCloseOnInput, at);
}

void CFormEntryView::OnPrint()
{
    // What is printed are the saved forms; changes not saved yet are
    // offered for saving first, and kept on the screen when declined.
    FinishEnteredBox();
    if (modified_ && lists_.OwnerCount() > 0 && AppPrompt().AskYesNo(QLatin1String(texts_.saveBeforePrint)))
        SaveCurrent();
    PrintForms();
}

bool CFormEntryView::ShowQuickHelp()
{
    if (!help_)
        return false;
    OnQuickHelp();
    return true;
}

void CFormEntryView::OnQuickHelp()
{
    if (!help_ || !texts_.quickHelp)
        return;
    ShowBalloon(QLatin1String(FormScreenBalloons::kQuickHelpTitle), QLatin1String(texts_.quickHelp),
                help_->rect().center(), BalloonIcon::Question, FormScreenBalloons::kCloseOnInput, help_);
}
