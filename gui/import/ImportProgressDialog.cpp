#include "gui/import/ImportProgressDialog.h"

#include "core/import/ImportProcess.h"
#include "core/import/ImportTexts.h"
#include "core/prompt/Prompt.h"
#include "gui/import/TextureProgressBar.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kStatusColumnWidth = 45;
constexpr int kTasksColumnWidth = 300;
constexpr int kIconSide = 16;

} // namespace

CImportProgressDialog::CImportProgressDialog(const QStringList& steps, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QString::fromUtf8(ImportTexts::kDialogTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);

    tasks_ = new QTreeWidget(this);
    tasks_->setObjectName(QStringLiteral("TaskList"));
    tasks_->setColumnCount(2);
    tasks_->setHeaderLabels({QLatin1String(ImportTexts::kStatusColumn), QLatin1String(ImportTexts::kTasksColumn)});
    tasks_->setRootIsDecorated(false);
    tasks_->setItemsExpandable(false);
    tasks_->setUniformRowHeights(true);
    tasks_->setSelectionMode(QAbstractItemView::SingleSelection);
    tasks_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tasks_->setAllColumnsShowFocus(true);
    tasks_->setIconSize(QSize(kIconSide, kIconSide));
    tasks_->setFocusPolicy(Qt::NoFocus);
    tasks_->header()->setStretchLastSection(false);
    tasks_->header()->setSectionsMovable(false);
    for (const QString& step : steps)
        tasks_->addTopLevelItem(new QTreeWidgetItem(QStringList{QString(), step}));
    // Every step name is read in full, whatever the font.
    tasks_->resizeColumnToContents(1);
    const int tasksWidth = std::max(kTasksColumnWidth, tasks_->columnWidth(1));
    tasks_->setColumnWidth(0, kStatusColumnWidth);
    tasks_->setColumnWidth(1, tasksWidth);
    const int rows = std::max(1, int(steps.size()));
    const int rowHeight = std::max(tasks_->sizeHintForRow(0), kIconSide + 2);
    const int frame = 2 * tasks_->frameWidth();
    tasks_->setFixedSize(kStatusColumnWidth + tasksWidth + frame + 2,
                         tasks_->header()->sizeHint().height() + rows * rowHeight + frame + 2);
    tasks_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* taskGroup = new QGroupBox(QLatin1String(ImportTexts::kTaskListGroup), this);
    auto* taskLayout = new QVBoxLayout(taskGroup);
    taskLayout->addWidget(tasks_);

    bar_ = new CTextureProgressBar(QStringLiteral(":/import/progress-texture.svg"), this);
    bar_->setObjectName(QStringLiteral("ImportProgress"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    percent_ = new QLabel(this);
    percent_->setObjectName(QStringLiteral("ProgressPercent"));
    percent_->setAlignment(Qt::AlignCenter);
    auto* scale = new QHBoxLayout;
    scale->addWidget(new QLabel(QStringLiteral("0 %"), this));
    scale->addStretch(1);
    scale->addWidget(percent_);
    scale->addStretch(1);
    scale->addWidget(new QLabel(QStringLiteral("100 %"), this));
    auto* progressGroup = new QGroupBox(QLatin1String(ImportTexts::kProgressGroup), this);
    auto* progressLayout = new QVBoxLayout(progressGroup);
    progressLayout->addWidget(bar_);
    progressLayout->addLayout(scale);

    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("Cancel"));
    cancel_->setDefault(true);
    connect(cancel_, &QPushButton::clicked, this, &CImportProgressDialog::AskCancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(taskGroup);
    layout->addWidget(progressGroup);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetCurrentStep(0);
    SetProgress(0);
}

QIcon CImportProgressDialog::StatusIcon(Status status)
{
    switch (status) {
    case Status::Done:
        return QIcon(QStringLiteral(":/import/status-done.svg"));
    case Status::Current:
        return QIcon(QStringLiteral(":/import/status-current.svg"));
    case Status::Pending:
        break;
    }
    return QIcon(QStringLiteral(":/import/status-pending.svg"));
}

void CImportProgressDialog::SetCurrentStep(int step)
{
    static const QIcon icons[] = {StatusIcon(Status::Done), StatusIcon(Status::Current), StatusIcon(Status::Pending)};
    for (int row = 0; row < tasks_->topLevelItemCount(); ++row) {
        const Status status = row < step ? Status::Done : row == step ? Status::Current : Status::Pending;
        QTreeWidgetItem* item = tasks_->topLevelItem(row);
        item->setIcon(0, icons[int(status)]);
        item->setData(0, Qt::UserRole, int(status));
    }
    if (QTreeWidgetItem* current = tasks_->topLevelItem(step)) {
        tasks_->setCurrentItem(current);
        tasks_->scrollToItem(current);
    }
}

void CImportProgressDialog::SetProgress(int position)
{
    bar_->setValue(std::clamp(position, bar_->minimum(), bar_->maximum()));
    const QString text = ImportProcess::PercentText(bar_->value());
    if (percent_->text() != text)
        percent_->setText(text);
}

bool CImportProgressDialog::TakeCancelConfirmed()
{
    return std::exchange(cancelConfirmed_, false);
}

void CImportProgressDialog::reject()
{
    AskCancel();
}

void CImportProgressDialog::closeEvent(QCloseEvent* event)
{
    // Only the import closes the dialog; the close box asks like Cancel.
    event->ignore();
    AskCancel();
}

void CImportProgressDialog::AskCancel()
{
    if (askingCancel_)
        return;
    askingCancel_ = true;
    const bool cancel = AppPrompt().AskYesNo(QLatin1String(ImportTexts::kCancelQuestion));
    askingCancel_ = false;
    if (cancel)
        cancelConfirmed_ = true;
}
