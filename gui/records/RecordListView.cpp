#include "gui/records/RecordListView.h"

#include "core/document/GlobalDoc.h"
#include "core/prompt/Prompt.h"
#include "gui/controls/ColorButton.h"
#include "gui/screens/RecordRows.h"
#include "core/records/ScreenQuestions.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace {

constexpr int kButtonGap = 8;

} // namespace

CRecordListView::CRecordListView(CGlobalDoc& document, const Captions& captions, QWidget* parent)
    : CFormView(document, parent)
    , list_(new QTreeWidget(this))
    , new_(new CColorButton(QLatin1String(captions.newButton), this))
    , modify_(new CColorButton(QLatin1String(captions.modifyButton), this))
    , delete_(new CColorButton(QLatin1String(captions.deleteButton), this))
{
    new_->setObjectName(QStringLiteral("New"));
    modify_->setObjectName(QStringLiteral("Modify"));
    delete_->setObjectName(QStringLiteral("Delete"));
    // The three buttons share one size, that of the widest caption.
    QSize size;
    for (CColorButton* button : {new_, modify_, delete_})
        size = size.expandedTo(button->sizeHint());
    for (CColorButton* button : {new_, modify_, delete_}) {
        button->setAutoDefault(false);
        button->resize(size);
    }
    // Buttons come first in the Tab order, as they stand above the list.
    setTabOrder(new_, modify_);
    setTabOrder(modify_, delete_);
    setTabOrder(delete_, list_);

    list_->setObjectName(QStringLiteral("RecordList"));
    SetUpRecordList(list_,
                    {QStringLiteral("First Name"), QStringLiteral("Middle Name"), QStringLiteral("Last Name"),
                     QLatin1String(captions.numberHeading)},
                    kColumnWidths);
    list_->header()->setStretchLastSection(false);

    connect(list_->header(), &QHeaderView::sectionClicked, this, &CRecordListView::OnHeadingClicked);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { OnModify(); });
    connect(new_, &QPushButton::clicked, this, &CRecordListView::OnNew);
    connect(modify_, &QPushButton::clicked, this, &CRecordListView::OnModify);
    connect(delete_, &QPushButton::clicked, this, &CRecordListView::OnDelete);
    // A company open in another program is only looked at here.
    auto offerWrites = [this](bool writable) {
        new_->setEnabled(writable);
        delete_->setEnabled(writable);
    };
    connect(&document_, &CGlobalDoc::writableChanged, this, offerWrites);
    offerWrites(document_.CanWrite());
}

std::optional<std::pair<int, int>> CRecordListView::SelectedRecord() const
{
    return SelectedRecordRow(list_);
}

bool CRecordListView::SelectRecord(int index)
{
    const int row = order_.RowOfRecord(index);
    if (row < 0)
        return false;
    QTreeWidgetItem* item = list_->topLevelItem(row);
    list_->setCurrentItem(item);
    item->setSelected(true);
    list_->scrollToItem(item);
    return true;
}

void CRecordListView::RefreshFromDocument(CGlobalDoc&)
{
    Refresh();
}

void CRecordListView::OnCompanyDataCleared()
{
    order_.Clear();
    list_->clear();
}

void CRecordListView::OnViewShown()
{
    Refresh();
}

void CRecordListView::Refresh()
{
    if (FillOrder(order_))
        ShowRows();
}

void CRecordListView::ShowRows()
{
    const std::optional<std::pair<int, int>> selected = SelectedRecord();
    ShowRecordRows(list_, order_, selected ? std::optional<int>(selected->second) : std::nullopt);
}

void CRecordListView::OnHeadingClicked(int column)
{
    order_.SortByColumn(column);
    ShowRows();
}

void CRecordListView::OnNew()
{
    if (RunRecordDialog(-1, -1))
        Refresh();
}

void CRecordListView::OnModify()
{
    const std::optional<std::pair<int, int>> selected = SelectedRecord();
    if (!selected)
        return;
    if (RunRecordDialog(selected->first, selected->second)) {
        order_.ResetSort();
        Refresh();
    }
}

void CRecordListView::OnDelete()
{
    if (!AppPrompt().AskYesNo(QLatin1String(ScreenQuestions::kDeleteRecord)))
        return;
    const std::optional<std::pair<int, int>> selected = SelectedRecord();
    if (!selected)
        return;
    DeleteRecord(selected->first, selected->second);
    order_.ResetSort();
    Refresh();
}

void CRecordListView::resizeEvent(QResizeEvent* event)
{
    CFormView::resizeEvent(event);
    LayOut();
}

void CRecordListView::LayOut()
{
    // The list starts one and a half button heights down, at the left edge,
    // and reaches to 5 pixels from the right and the bottom edge.
    const int buttonHeight = new_->height();
    const int top = buttonHeight * 3 / 2;
    list_->setGeometry(0, top, std::max(0, width() - 5), std::max(0, height() - top - 5));
    int x = kButtonGap;
    const int y = (top - buttonHeight) / 2;
    for (CColorButton* button : {new_, modify_, delete_}) {
        button->move(x, y);
        x += button->width() + kButtonGap;
    }
}
