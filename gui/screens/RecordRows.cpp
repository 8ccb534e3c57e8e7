#include "gui/screens/RecordRows.h"

#include "gui/controls/ColumnWidths.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace {

constexpr int kIndexRole = Qt::UserRole;
constexpr int kIdRole = Qt::UserRole + 1;

} // namespace

void SetUpRecordList(QTreeWidget* list, const QStringList& headings, const int* widths)
{
    list->setColumnCount(int(headings.size()));
    list->setHeaderLabels(headings);
    SetColumnWidths(list->header(), std::span(widths, size_t(headings.size())));
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSortingEnabled(false);
    list->header()->setSectionsClickable(true);
    list->header()->setSectionsMovable(false);
    list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The selected row stays marked while the focus is elsewhere.
    QPalette marked = list->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        marked.setColor(QPalette::Inactive, role, marked.color(QPalette::Active, role));
    list->setPalette(marked);
}

void ShowRecordRows(QTreeWidget* list, const RecordListOrder& order, std::optional<int> selectId)
{
    list->clear();
    const int columns = std::min(list->columnCount(), int(RecordListOrder::kColumnCount));
    QList<QTreeWidgetItem*> items;
    items.reserve(order.RowCount());
    QTreeWidgetItem* reselect = nullptr;
    for (const RecordListOrder::Row& row : order.Rows()) {
        QStringList texts;
        for (int column = 0; column < columns; ++column)
            texts << row.texts[size_t(column)];
        auto* item = new QTreeWidgetItem(texts);
        item->setData(0, kIndexRole, row.index);
        item->setData(0, kIdRole, row.id);
        if (selectId && *selectId == row.id)
            reselect = item;
        items << item;
    }
    list->addTopLevelItems(items);
    if (reselect) {
        list->setCurrentItem(reselect);
        reselect->setSelected(true);
        list->scrollToItem(reselect);
    }
}

std::optional<std::pair<int, int>> SelectedRecordRow(const QTreeWidget* list)
{
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    const QTreeWidgetItem* item = selected.first();
    return std::make_pair(item->data(0, kIndexRole).toInt(), item->data(0, kIdRole).toInt());
}
