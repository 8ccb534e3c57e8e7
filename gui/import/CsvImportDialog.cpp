#include "gui/import/CsvImportDialog.h"

#include "core/document/GlobalDoc.h"
#include "core/prompt/Prompt.h"
#include "gui/controls/ColumnWidths.h"
#include "gui/controls/WaitCursor.h"
#include "gui/controls/WorkProgress.h"
#include "gui/import/CsvPreviewModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The steps of the bar while the import is saved: one for each percent, so
// the window is drawn a hundred times however many rows there are.
constexpr int kSavingSteps = 100;

// How long a check runs before its progress shows: a small file is done
// before.
constexpr int kProgressAfterMs = 300;

QString Quoted(const QStringList& texts)
{
    return QStringLiteral("\"%1\"").arg(texts.join(QStringLiteral("\", \"")));
}

} // namespace

CCsvImportDialog::CCsvImportDialog(CGlobalDoc& document, PeopleKind kind, const QString& fileName, CsvTable table,
                                   QWidget* parent)
    : QDialog(parent)
    , document_(document)
    , kind_(kind)
    , table_(std::move(table))
    , mapping_(MatchCsvHeader(kind, table_.header))
{
    setWindowTitle(QLatin1String(kind == PeopleKind::Employees ? CsvImportTexts::kEmployeesCaption
                                                               : CsvImportTexts::kContractorsCaption));
    setSizeGripEnabled(true);
    resize(980, 720);

    fileLabel_ = new QLabel(this);
    fileLabel_->setObjectName("File");
    fileLabel_->setWordWrap(true);
    fileLabel_->setText(QStringLiteral("File \"%1\": %2, values separated by %3, %4 row(s) below the header.")
                            .arg(QFileInfo(fileName).fileName(), table_.encoding,
                                 table_.separator == u';' ? QStringLiteral("semicolons") : QStringLiteral("commas"))
                            .arg(table_.rows.size()));

    auto* columnsBox = new QGroupBox(QStringLiteral("Columns of the file and the boxes they go into"), this);
    columns_ = new QTableWidget(columnsBox);
    columns_->setObjectName("Columns");
    unmatched_ = new QLabel(columnsBox);
    unmatched_->setObjectName("Unmatched");
    unmatched_->setWordWrap(true);
    auto* columnsLayout = new QVBoxLayout(columnsBox);
    columnsLayout->addWidget(columns_);
    columnsLayout->addWidget(unmatched_);

    auto* rowsBox = new QGroupBox(QStringLiteral("Rows"), this);
    model_ = new CCsvPreviewModel(this);
    rows_ = new QTableView(rowsBox);
    rows_->setObjectName("Rows");
    rows_->setModel(model_);
    rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
    rows_->setAlternatingRowColors(true);
    rows_->setWordWrap(false);
    rows_->verticalHeader()->hide();
    rows_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    rows_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    rows_->horizontalHeader()->setStretchLastSection(true);
    int rowWidths[CCsvPreviewModel::kName + 1] = {};
    rowWidths[CCsvPreviewModel::kLine] = 50;
    rowWidths[CCsvPreviewModel::kAction] = 100;
    rowWidths[CCsvPreviewModel::kNumber] = 110;
    rowWidths[CCsvPreviewModel::kName] = 190;
    SetColumnWidths(rows_->horizontalHeader(), rowWidths);
    details_ = new QLabel(rowsBox);
    details_->setObjectName("Details");
    details_->setWordWrap(true);
    details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(rows_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &CCsvImportDialog::ShowDetails);
    connect(model_, &QAbstractItemModel::modelReset, this, &CCsvImportDialog::ShowDetails);
    onlyProblems_ = new QCheckBox(QStringLiteral("Show only the rows with &problems"), rowsBox);
    onlyProblems_->setObjectName("OnlyProblems");
    connect(onlyProblems_, &QCheckBox::toggled, model_, &CCsvPreviewModel::SetOnlyProblems);
    auto* rowsLayout = new QVBoxLayout(rowsBox);
    rowsLayout->addWidget(rows_);
    rowsLayout->addWidget(details_);
    rowsLayout->addWidget(onlyProblems_);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(columnsBox);
    splitter->addWidget(rowsBox);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setChildrenCollapsible(false);

    summary_ = new QLabel(this);
    summary_->setObjectName("Summary");
    summary_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    import_ = buttons->addButton(QStringLiteral("&Import"), QDialogButtonBox::AcceptRole);
    import_->setObjectName("Import");
    import_->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCsvImportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileLabel_);
    layout->addWidget(splitter, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons);

    BuildColumns();
}

CCsvImportDialog::~CCsvImportDialog() = default;

void CCsvImportDialog::BuildColumns()
{
    const QStringList fields = CsvFieldHeaders(kind_);
    const int count = int(table_.header.size());
    columns_->setColumnCount(3);
    columns_->setHorizontalHeaderLabels(
        {QStringLiteral("Column of the file"), QStringLiteral("First value"), QStringLiteral("Goes into")});
    columns_->setRowCount(count);
    columns_->verticalHeader()->hide();
    columns_->setSelectionMode(QAbstractItemView::NoSelection);
    columns_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    columns_->horizontalHeader()->setStretchLastSection(true);
    const int columnWidths[] = {260, 200};
    SetColumnWidths(columns_->horizontalHeader(), columnWidths);
    const QStringList first = table_.rows.empty() ? QStringList() : table_.rows.front().Values(count);
    for (int c = 0; c < count; ++c) {
        columns_->setItem(c, 0, new QTableWidgetItem(table_.header[c]));
        columns_->setItem(c, 1, new QTableWidgetItem(c < first.size() ? first[c] : QString()));
        auto* choice = new QComboBox(columns_);
        choice->setObjectName(QStringLiteral("Column%1").arg(c));
        choice->addItem(QLatin1String(CsvImportTexts::kNotImported));
        choice->addItems(fields);
        choice->setMaxVisibleItems(20);
        choice->setCurrentIndex(mapping_[size_t(c)] + 1);
        connect(choice, &QComboBox::activated, this, [this, c](int index) { OnColumnChosen(c, index); });
        columns_->setCellWidget(c, 2, choice);
        choices_.push_back(choice);
    }
    columns_->resizeRowsToContents();
}

bool CCsvImportDialog::CheckRows()
{
    return Rebuild(mapping_);
}

void CCsvImportDialog::OnColumnChosen(int column, int choice)
{
    MapColumn(column, choice - 1);
}

void CCsvImportDialog::MapColumn(int column, int field)
{
    if (column < 0 || size_t(column) >= mapping_.size() || mapping_[size_t(column)] == field)
        return;
    std::vector<int> mapping = mapping_;
    if (field >= 0)
        for (int& other : mapping)
            if (other == field)
                other = -1;
    mapping[size_t(column)] = field;
    Rebuild(mapping);
    // A stopped check keeps the mapping the rows were checked with.
    for (size_t c = 0; c < choices_.size(); ++c) {
        const QSignalBlocker quiet(choices_[c]);
        choices_[c]->setCurrentIndex(mapping_[c] + 1);
    }
}

bool CCsvImportDialog::Rebuild(const std::vector<int>& mapping)
{
    QProgressDialog progress(QStringLiteral("Checking the rows of the file..."), QStringLiteral("Stop"), 0,
                             int(table_.rows.size()), isVisible() ? this : parentWidget());
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressAfterMs);
    CsvImportPlan plan;
    {
        const WaitCursor wait;
        plan = CsvImportPlan::Build(kind_, table_, mapping, document_.Data(), [&progress](int done, int) {
            progress.setValue(done);
            return !progress.wasCanceled();
        });
    }
    if (plan.Cancelled())
        return false;
    plan_ = std::move(plan);
    mapping_ = mapping;
    ShowPlan();
    return true;
}

void CCsvImportDialog::ShowPlan()
{
    model_->SetPlan(plan_, table_.header,
                    kind_ == PeopleKind::Employees ? QStringLiteral("SSN") : QStringLiteral("TIN"));

    const QStringList unmatched = UnmappedColumns(table_.header, mapping_);
    unmatched_->setText(unmatched.isEmpty()
                            ? QStringLiteral("Every column of the file goes into a box.")
                            : QStringLiteral("Not imported: %1. If a column belongs in a box, choose the box in its "
                                             "list above.")
                                  .arg(Quoted(unmatched)));

    const bool blocked = !plan_.Blocker().isEmpty();
    summary_->setText(blocked ? plan_.Blocker()
                              : plan_.Summary() + QStringLiteral(". Nothing is stored until you click Import."));
    // A warning red that stands out from the dialog's ground, light or dark.
    const bool darkGround = palette().color(QPalette::Window).lightness() < 128;
    const QString warning = darkGround ? QStringLiteral("color: #ff8a80;") : QStringLiteral("color: #a40000;");
    summary_->setStyleSheet(blocked || plan_.Refused() > 0 ? warning : QString());
    import_->setEnabled(!blocked && plan_.Adds() + plan_.Updates() > 0);
}

void CCsvImportDialog::ShowDetails()
{
    const QModelIndex current = rows_->currentIndex();
    const QString problems = current.isValid() ? model_->data(current, Qt::ToolTipRole).toString() : QString();
    if (!problems.isEmpty())
        details_->setText(problems);
    else if (current.isValid())
        details_->setText(
            QStringLiteral("Line %1: no problems.").arg(model_->data(current.siblingAtColumn(0)).toInt()));
    else
        details_->setText(QStringLiteral("Choose a row to see its problems in full."));
}

void CCsvImportDialog::accept()
{
    const int rows = plan_.Adds() + plan_.Updates();
    if (!plan_.Blocker().isEmpty() || rows == 0)
        return;
    if (plan_.Refused() > 0
        && !AppPrompt().AskYesNo(QString::fromUtf8(CsvImportTexts::kImportWithErrors).arg(plan_.Refused()).arg(rows)))
        return;
    ImportedPeople imported;
    {
        // Writing thousands of rows takes a while; the user may stop it, and
        // then nothing of the import stays.
        CWorkProgress progress(this, windowTitle(), QStringLiteral("Saving the imported rows in the company file..."),
                               kSavingSteps);
        const CommitProgress step = [&progress](int done, int total) {
            return progress.Step(int(qint64(done) * kSavingSteps / std::max(total, 1)));
        };
        imported = kind_ == PeopleKind::Employees ? document_.Editor().ImportEmployees(plan_.Employees(), step)
                                                  : document_.Editor().ImportContractors(plan_.Contractors(), step);
    }
    // Stopped: the preview stays, to import again or close.
    if (imported.outcome == SaveOutcome::Cancelled)
        return;
    imported_ = imported;
    // The lists, the W-3 and the 1096 show the new people and totals.
    document_.RefreshChangedViews();
    QDialog::accept();
}
