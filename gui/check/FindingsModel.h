#pragma once

#include "core/check/FormCheck.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <vector>

// The findings of the check as a table: severity (with its icon), form,
// person, box and message. Each column sorts by Qt::UserRole: errors
// before warnings, the texts as they read.
class CFindingsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { SeverityColumn, FormColumn, PersonColumn, BoxColumn, MessageColumn, ColumnCount };

    explicit CFindingsModel(QObject* parent = nullptr);

    void SetFindings(std::vector<FormFinding> findings);
    const FormFinding* FindingAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString Text(const FormFinding& finding, int column) const;

    std::vector<FormFinding> findings_;
    QIcon errorIcon_;
    QIcon warningIcon_;
};
