#include "gui/check/FindingsModel.h"

#include "core/check/FindingText.h"

#include <QApplication>
#include <QStyle>

CFindingsModel::CFindingsModel(QObject* parent)
    : QAbstractTableModel(parent)
    , errorIcon_(QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical))
    , warningIcon_(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning))
{
}

void CFindingsModel::SetFindings(std::vector<FormFinding> findings)
{
    beginResetModel();
    findings_ = std::move(findings);
    endResetModel();
}

const FormFinding* CFindingsModel::FindingAt(int row) const
{
    return row >= 0 && size_t(row) < findings_.size() ? &findings_[size_t(row)] : nullptr;
}

int CFindingsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(findings_.size());
}

int CFindingsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString CFindingsModel::Text(const FormFinding& finding, int column) const
{
    switch (column) {
    case SeverityColumn:
        return finding.IsError() ? QStringLiteral("Error") : QStringLiteral("Warning");
    case FormColumn:
        return CheckedFormName(finding.Form());
    case PersonColumn:
        return FindingPerson(finding);
    case BoxColumn:
        return finding.box;
    case MessageColumn:
        return finding.message;
    }
    return QString();
}

QVariant CFindingsModel::data(const QModelIndex& index, int role) const
{
    const FormFinding* finding = index.isValid() ? FindingAt(index.row()) : nullptr;
    if (!finding)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return Text(*finding, index.column());
    case Qt::ToolTipRole:
        return index.column() == MessageColumn || index.column() == BoxColumn ? Text(*finding, index.column())
                                                                              : QVariant();
    case Qt::DecorationRole:
        if (index.column() == SeverityColumn)
            return finding->IsError() ? errorIcon_ : warningIcon_;
        return QVariant();
    case Qt::UserRole:
        // Errors first; the texts as they read.
        if (index.column() == SeverityColumn)
            return finding->IsError() ? 0 : 1;
        return Text(*finding, index.column());
    default:
        return QVariant();
    }
}

QVariant CFindingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    static const char* const headers[ColumnCount] = {"Severity", "Form", "Person", "Box", "Message"};
    return section >= 0 && section < ColumnCount ? QVariant(QLatin1String(headers[section])) : QVariant();
}
