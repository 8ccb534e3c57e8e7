#include "gui/records/RecordListView.h"

#include "core/document/GlobalDoc.h"
#include "core/shell/Prompt.h"
#include "gui/controls/ColorButton.h"
#include "core/records/ScreenQuestions.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace {

constexpr int kIndexRole = Qt::UserRole;
constexpr int kIdRole = Qt::UserRole + 1;
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
    list_->setColumnCount(RecordListOrder::kColumnCount);
    list_->setHeaderLabels({QStringLiteral("First Name"), QStringLiteral("Middle Name"), QStringLiteral("Last Name"),
                            QLatin1String(captions.numberHeading)});
    for (int column = 0; column < RecordListOrder::kColumnCount; ++column)
        list_->setColumnWidth(column, kColumnWidths[column]);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSortingEnabled(false);
    list_->header()->setSectionsClickable(true);
    list_->header()->setSectionsMovable(false);
    list_->header()->setStretchLastSection(false);
    list_->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The selected row stays marked while the focus is elsewhere.
    QPalette marked = list_->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        marked.setColor(QPalette::Inactive, role, marked.color(QPalette::Active, role));
    list_->setPalette(marked);

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
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    const QTreeWidgetItem* item = selected.first();
    return std::make_pair(item->data(0, kIndexRole).toInt(), item->data(0, kIdRole).toInt());
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
    FillOrder(order_);
    ShowRows();
}

void CRecordListView::ShowRows()
{
    const std::optional<std::pair<int, int>> selected = SelectedRecord();
    list_->clear();
    QList<QTreeWidgetItem*> items;
    QTreeWidgetItem* reselect = nullptr;
    for (const RecordListOrder::Row& row : order_.Rows()) {
        QStringList texts;
        for (const QString& text : row.texts)
            texts << text;
        auto* item = new QTreeWidgetItem(texts);
        item->setData(0, kIndexRole, row.index);
        item->setData(0, kIdRole, row.id);
        if (selected && selected->second == row.id)
            reselect = item;
        items << item;
    }
    list_->addTopLevelItems(items);
    if (reselect) {
        list_->setCurrentItem(reselect);
        reselect->setSelected(true);
    }
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
