#pragma once

#include "core/document/CompanyEditor.h"
#include "core/import/CsvImportPlan.h"
#include "core/import/CsvTable.h"

#include <QDialog>

#include <vector>

class CCsvPreviewModel;
class CGlobalDoc;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

// The preview of a CSV import: which column of the file goes into which
// box (changeable), the columns left out, and every row with what will
// happen to it and its problems. Nothing is stored until Import; then the
// rows without problems are added or update their person, all together.
class CCsvImportDialog : public QDialog {
    Q_OBJECT

public:
    CCsvImportDialog(CGlobalDoc& document, PeopleKind kind, const QString& fileName, CsvTable table,
                     QWidget* parent = nullptr);
    ~CCsvImportDialog() override;

    // Checks the rows for the first time, with progress on a long file.
    // False when the user stopped it (the dialog is not to be shown).
    bool CheckRows();

    const CsvImportPlan& Plan() const { return plan_; }
    const std::vector<int>& Mapping() const { return mapping_; }
    // What the import did, once the dialog was accepted.
    const ImportedPeople& Imported() const { return imported_; }

    // Sends column `column` of the file into `field` (-1: not imported) as
    // the user's choice in its list does; a column that held the field
    // before is left out.
    void MapColumn(int column, int field);

    void accept() override;

private:
    void BuildColumns();
    void OnColumnChosen(int column, int choice);
    bool Rebuild(const std::vector<int>& mapping);
    void ShowPlan();
    void ShowDetails();

    CGlobalDoc& document_;
    PeopleKind kind_;
    CsvTable table_;
    std::vector<int> mapping_;
    CsvImportPlan plan_;
    ImportedPeople imported_;

    QLabel* fileLabel_ = nullptr;
    QTableWidget* columns_ = nullptr;
    std::vector<QComboBox*> choices_;
    QLabel* unmatched_ = nullptr;
    QTableView* rows_ = nullptr;
    CCsvPreviewModel* model_ = nullptr;
    QLabel* details_ = nullptr; // the problems of the current row in full
    QCheckBox* onlyProblems_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* import_ = nullptr;
};

namespace CsvImportTexts {
inline constexpr char kEmployeesCaption[] = "Import Employees and W-2s from CSV";
inline constexpr char kContractorsCaption[] = "Import Contractors and 1099-MISCs from CSV";
inline constexpr char kNotImported[] = "(not imported)";
inline constexpr char kImportWithErrors[] =
    "%1 row(s) have errors and will not be imported. Import the other %2 row(s)?";
} // namespace CsvImportTexts
