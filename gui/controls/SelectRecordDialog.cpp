#include "gui/controls/SelectRecordDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kIndexRole = Qt::UserRole;

} // namespace

CSelectRecordDialog::CSelectRecordDialog(const QString& title, RecordListOrder rows, int currentIndex,
                                         QWidget* parent)
    : QDialog(parent)
    , order_(std::move(rows))
    , currentIndex_(currentIndex)
    , list_(new QTreeWidget(this))
{
    setWindowTitle(title);
    list_->setObjectName(QStringLiteral("RecordList"));
    list_->setAccessibleName(title);
    list_->setColumnCount(3);
    list_->setHeaderLabels({QStringLiteral("First Name"), QStringLiteral("Middle Name"), QStringLiteral("Last Name")});
    for (int column = 0; column < 3; ++column)
        list_->setColumnWidth(column, kColumnWidths[column]);
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->header()->setSectionsClickable(true);
    list_->header()->setSectionsMovable(false);
    list_->header()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { accept(); });
    connect(list_->header(), &QHeaderView::sectionClicked, this, &CSelectRecordDialog::OnHeadingClicked);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(560, 320);

    order_.ResetSort();
    ShowRows(currentIndex_);
    list_->setFocus();
}

int CSelectRecordDialog::ChosenIndex() const
{
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? currentIndex_ : selected.first()->data(0, kIndexRole).toInt();
}

void CSelectRecordDialog::ShowRows(int selectIndex)
{
    list_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(order_.RowCount());
    QTreeWidgetItem* selected = nullptr;
    for (const RecordListOrder::Row& row : order_.Rows()) {
        auto* item = new QTreeWidgetItem(QStringList{row.texts[0], row.texts[1], row.texts[2]});
        item->setData(0, kIndexRole, row.index);
        if (row.index == selectIndex)
            selected = item;
        items << item;
    }
    list_->addTopLevelItems(items);
    if (selected) {
        list_->setCurrentItem(selected);
        list_->scrollToItem(selected);
    }
}

void CSelectRecordDialog::OnHeadingClicked(int column)
{
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    const int keep = selected.isEmpty() ? -1 : selected.first()->data(0, kIndexRole).toInt();
    order_.SortByColumn(column);
    ShowRows(keep);
}
