#pragma once

#include "core/check/FormCheck.h"

#include <QDialog>

class CFindingsModel;
class CGlobalDoc;
class QLabel;
class QSortFilterProxyModel;
class QTableView;

// "Check Forms": what the check before filing finds in the open company's
// forms, in a list that sorts by any of its columns (severity, form,
// person, box, message), with the number of errors and of warnings above
// it. A double click on a finding (or Enter) asks for its box to be shown
// (findingChosen). The window stays open beside the screens and checks
// again after every change of the company while it is shown.
class CCheckFormsWindow : public QDialog {
    Q_OBJECT

public:
    explicit CCheckFormsWindow(CGlobalDoc& document, QWidget* parent = nullptr);

    static constexpr char kTitle[] = "Check Forms";

    // Checks the company again and shows what is found.
    void Refresh();

    QTableView* List() const { return list_; }
    // The finding on row `row` of the list as it is sorted, or nullptr.
    const FormFinding* FindingOnRow(int row) const;
    int ErrorCount() const { return errors_; }
    int WarningCount() const { return warnings_; }
    // "2 errors", "1 warning", each beside its icon.
    QLabel* ErrorsLabel() const { return errorsText_; }
    QLabel* WarningsLabel() const { return warningsText_; }

signals:
    void findingChosen(const FormFinding& finding);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RefreshSoon();
    void ChooseRow(const QModelIndex& index);

    CGlobalDoc& document_;
    CFindingsModel* model_;
    QSortFilterProxyModel* sorted_;
    QTableView* list_;
    QLabel* errorsText_;
    QLabel* warningsText_;
    QLabel* verdict_;
    bool refreshPending_ = false;
    int errors_ = 0;
    int warnings_ = 0;
};
