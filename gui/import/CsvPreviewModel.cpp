#include "gui/import/CsvPreviewModel.h"

#include <QBrush>
#include <QColor>
#include <QGuiApplication>
#include <QPalette>

CCsvPreviewModel::CCsvPreviewModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

QString CCsvPreviewModel::ActionText(CsvRowAction action)
{
    switch (action) {
    case CsvRowAction::Add:
        return QStringLiteral("Add");
    case CsvRowAction::Update:
        return QStringLiteral("Update");
    case CsvRowAction::Unchanged:
        return QStringLiteral("Unchanged");
    case CsvRowAction::Refused:
        break;
    }
    return QStringLiteral("Not imported");
}

void CCsvPreviewModel::SetPlan(const CsvImportPlan& plan, const QStringList& header, const QString& numberCaption)
{
    beginResetModel();
    numberCaption_ = numberCaption;
    rows_.clear();
    rows_.reserve(plan.Rows().size());
    for (const CsvPlanRow& planned : plan.Rows()) {
        Row row{planned.line, planned.action, planned.number, planned.name, {}};
        for (const CsvProblem& problem : planned.problems) {
            const bool named = problem.column >= 0 && problem.column < header.size();
            row.problems << (named ? QStringLiteral("%1: %2").arg(header[problem.column], problem.message)
                                   : problem.message);
        }
        rows_.push_back(std::move(row));
    }
    Filter();
    endResetModel();
}

void CCsvPreviewModel::SetOnlyProblems(bool only)
{
    if (only == onlyProblems_)
        return;
    beginResetModel();
    onlyProblems_ = only;
    Filter();
    endResetModel();
}

void CCsvPreviewModel::Filter()
{
    shown_.clear();
    for (int i = 0; i < int(rows_.size()); ++i)
        if (!onlyProblems_ || !rows_[size_t(i)].problems.isEmpty())
            shown_.push_back(i);
}

int CCsvPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(shown_.size());
}

int CCsvPreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CCsvPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(shown_.size()))
        return {};
    const Row& row = rows_[size_t(shown_[size_t(index.row())])];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case kLine:
            return row.line;
        case kAction:
            return ActionText(row.action);
        case kNumber:
            return row.number;
        case kName:
            return row.name;
        case kProblems:
            return row.problems.join(QStringLiteral("; "));
        }
        break;
    case Qt::ToolTipRole:
        if (!row.problems.isEmpty())
            return QStringLiteral("Line %1:\n%2").arg(row.line).arg(row.problems.join(u'\n'));
        break;
    case Qt::BackgroundRole:
        if (row.action == CsvRowAction::Refused)
            return QBrush(QColor(255, 226, 222));
        break;
    case Qt::ForegroundRole:
        // A refused row is dark on its pink in any theme; an unchanged one
        // is dimmed the way the desktop dims text.
        if (row.action == CsvRowAction::Refused)
            return QBrush(QColor(Qt::black));
        if (row.action == CsvRowAction::Unchanged)
            return QBrush(QGuiApplication::palette().color(QPalette::PlaceholderText));
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == kLine)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    default:
        break;
    }
    return {};
}

QVariant CCsvPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case kLine:
        return QStringLiteral("Line");
    case kAction:
        return QStringLiteral("Action");
    case kNumber:
        return numberCaption_;
    case kName:
        return QStringLiteral("Name");
    case kProblems:
        return QStringLiteral("Problems");
    }
    return {};
}
