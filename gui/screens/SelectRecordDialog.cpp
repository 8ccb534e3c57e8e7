#include "gui/screens/SelectRecordDialog.h"

#include "gui/screens/RecordRows.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CSelectRecordDialog::CSelectRecordDialog(const QString& title, RecordListOrder rows, int currentIndex, QWidget* parent)
    : QDialog(parent)
    , order_(std::move(rows))
    , currentIndex_(currentIndex)
    , list_(new QTreeWidget(this))
{
    setWindowTitle(title);
    list_->setObjectName(QStringLiteral("RecordList"));
    list_->setAccessibleName(title);
    SetUpRecordList(list_, {QStringLiteral("First Name"), QStringLiteral("Middle Name"), QStringLiteral("Last Name")},
                    kColumnWidths);
    list_->header()->setStretchLastSection(true);
    // The arrow on the heading the rows are sorted by.
    list_->header()->setSortIndicatorShown(true);

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
    const int row = order_.RowOfRecord(currentIndex_);
    ShowRows(row >= 0 ? std::optional<int>(order_.Rows()[size_t(row)].id) : std::nullopt);
    list_->setFocus();
}

int CSelectRecordDialog::ChosenIndex() const
{
    const std::optional<std::pair<int, int>> selected = SelectedRecordRow(list_);
    return selected ? selected->first : currentIndex_;
}

void CSelectRecordDialog::ShowRows(std::optional<int> selectId)
{
    ShowRecordRows(list_, order_, selectId);
    list_->header()->setSortIndicator(order_.SortColumn(),
                                      order_.SortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void CSelectRecordDialog::OnHeadingClicked(int column)
{
    const std::optional<std::pair<int, int>> selected = SelectedRecordRow(list_);
    order_.SortByColumn(column);
    ShowRows(selected ? std::optional<int>(selected->second) : std::nullopt);
}
