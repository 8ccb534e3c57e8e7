#include "gui/check/CheckFormsWindow.h"

#include "core/document/GlobalDoc.h"
#include "core/store/Counted.h"
#include "gui/check/FindingsModel.h"
#include "gui/controls/ColumnWidths.h"
#include "gui/controls/WaitCursor.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel* IconLabel(QStyle::StandardPixmap icon, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setPixmap(QApplication::style()->standardIcon(icon).pixmap(16, 16));
    return label;
}

} // namespace

CCheckFormsWindow::CCheckFormsWindow(CGlobalDoc& document, QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , model_(new CFindingsModel(this))
    , sorted_(new QSortFilterProxyModel(this))
    , list_(new QTableView(this))
    , errorsText_(new QLabel(this))
    , warningsText_(new QLabel(this))
    , verdict_(new QLabel(this))
{
    setObjectName(QStringLiteral("CheckForms"));
    setWindowTitle(QLatin1String(kTitle));
    setModal(false);
    // Open beside the main window, it never keeps the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    setSizeGripEnabled(true);
    resize(960, 480);

    sorted_->setSourceModel(model_);
    sorted_->setSortRole(Qt::UserRole);
    list_->setObjectName(QStringLiteral("Findings"));
    list_->setModel(sorted_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setAlternatingRowColors(true);
    list_->setWordWrap(false);
    list_->verticalHeader()->hide();
    // Fixed rows and columns: a long list never measures its cells.
    list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 8);
    QHeaderView* header = list_->horizontalHeader();
    header->setStretchLastSection(true);
    header->setSortIndicator(CFindingsModel::SeverityColumn, Qt::AscendingOrder);
    list_->setSortingEnabled(true);
    const int widths[] = {90, 90, 210, 230};
    SetColumnWidths(header, widths);
    list_->setAccessibleName(QStringLiteral("Findings"));

    auto* counts = new QHBoxLayout;
    errorsText_->setObjectName(QStringLiteral("Errors"));
    warningsText_->setObjectName(QStringLiteral("Warnings"));
    verdict_->setObjectName(QStringLiteral("Verdict"));
    counts->addWidget(IconLabel(QStyle::SP_MessageBoxCritical, this));
    counts->addWidget(errorsText_);
    counts->addSpacing(16);
    counts->addWidget(IconLabel(QStyle::SP_MessageBoxWarning, this));
    counts->addWidget(warningsText_);
    counts->addSpacing(24);
    counts->addWidget(verdict_, 1);

    auto* buttons = new QHBoxLayout;
    auto* hint = new QLabel(QStringLiteral("Double-click a finding to go to its box."), this);
    auto* again = new QPushButton(QStringLiteral("Check &Again"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    again->setObjectName(QStringLiteral("CheckAgain"));
    close->setObjectName(QStringLiteral("Close"));
    again->setAutoDefault(false);
    close->setAutoDefault(false);
    buttons->addWidget(hint, 1);
    buttons->addWidget(again);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(counts);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    // A double click or Enter on a finding.
    connect(list_, &QTableView::activated, this, &CCheckFormsWindow::ChooseRow);
    connect(again, &QPushButton::clicked, this, &CCheckFormsWindow::Refresh);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    // Every change of the company ends with the screens refreshed: the
    // list follows, once for a burst of them.
    connect(&document_, &CGlobalDoc::viewsRefreshed, this, &CCheckFormsWindow::RefreshSoon);
}

void CCheckFormsWindow::Refresh()
{
    refreshPending_ = false;
    WaitCursor wait;
    FormCheckResult result = CheckCompanyForms(document_.Data());
    errors_ = result.errors;
    warnings_ = result.warnings;
    model_->SetFindings(std::move(result.findings));
    errorsText_->setText(Counted(errors_, "error", "errors"));
    warningsText_->setText(Counted(warnings_, "warning", "warnings"));
    verdict_->setText(errors_ > 0     ? QStringLiteral("The forms with errors would be rejected or questioned.")
                      : warnings_ > 0 ? QStringLiteral("No errors; look at the warnings before filing.")
                                      : QStringLiteral("No errors and no warnings: the forms are ready for filing."));
    const QString company = document_.Company().EmployerName.Text();
    setWindowTitle(company.isEmpty() ? QLatin1String(kTitle)
                                     : QStringLiteral("%1 - %2").arg(QLatin1String(kTitle), company));
}

const FormFinding* CCheckFormsWindow::FindingOnRow(int row) const
{
    return model_->FindingAt(sorted_->mapToSource(sorted_->index(row, 0)).row());
}

void CCheckFormsWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (refreshPending_)
        Refresh();
}

void CCheckFormsWindow::RefreshSoon()
{
    // A hidden window checks when it is shown again.
    if (refreshPending_)
        return;
    refreshPending_ = true;
    if (isVisible())
        QTimer::singleShot(0, this, [this] {
            if (refreshPending_)
                Refresh();
        });
}

void CCheckFormsWindow::ChooseRow(const QModelIndex& index)
{
    if (const FormFinding* finding = index.isValid() ? FindingOnRow(index.row()) : nullptr)
        emit findingChosen(*finding);
}
