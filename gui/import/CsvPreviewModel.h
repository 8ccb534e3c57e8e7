#pragma once

#include "core/import/CsvImportPlan.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

// The rows of an import plan for the preview: line, what happens to the row,
// number, name and problems; a refused row stands out. Can show only the
// rows with problems. Holds its own copy of what it shows, so a plan can be
// rebuilt while it is on screen.
class CCsvPreviewModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { kLine, kAction, kNumber, kName, kProblems, kColumnCount };

    explicit CCsvPreviewModel(QObject* parent = nullptr);

    // `numberCaption` heads the number column ("SSN", "TIN"); `header` is
    // the file's, to name the columns of the problems.
    void SetPlan(const CsvImportPlan& plan, const QStringList& header, const QString& numberCaption);
    void SetOnlyProblems(bool only);
    bool OnlyProblems() const { return onlyProblems_; }

    // The text of an action as the preview shows it.
    static QString ActionText(CsvRowAction action);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Row {
        int line = 0;
        CsvRowAction action = CsvRowAction::Refused;
        QString number;
        QString name;
        QStringList problems; // "column: message", one per problem
    };
    void Filter();

    std::vector<Row> rows_;
    std::vector<int> shown_; // indexes into rows_
    bool onlyProblems_ = false;
    QString numberCaption_;
};
