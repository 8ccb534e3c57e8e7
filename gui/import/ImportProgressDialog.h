#pragma once

#include <QDialog>
#include <QIcon>
#include <QStringList>

class CTextureProgressBar;
class QLabel;
class QPushButton;
class QTreeWidget;

// The modeless dialog the import shows while it runs: the list of its steps
// with a status picture each (done, current, pending), the progress bar of
// the current step with its percentage, and Cancel, which asks first.
class CImportProgressDialog : public QDialog {
    Q_OBJECT

public:
    explicit CImportProgressDialog(const QStringList& steps, QWidget* parent = nullptr);

    // Marks the steps before `step` done, `step` current (selected and kept
    // in view) and the later ones pending.
    void SetCurrentStep(int step);
    // The bar's position, 0 to 100, and its percentage label.
    void SetProgress(int position);

    // While the Cancel question is open the import waits.
    bool IsAskingCancel() const { return askingCancel_; }
    // Whether the user confirmed Cancel since the last call.
    bool TakeCancelConfirmed();

    QTreeWidget* TaskList() const { return tasks_; }
    CTextureProgressBar* ProgressBar() const { return bar_; }
    QLabel* PercentLabel() const { return percent_; }
    QPushButton* CancelButton() const { return cancel_; }
    // The status picture shown for a step in the given state.
    enum class Status { Done, Current, Pending };
    static QIcon StatusIcon(Status status);

    // Cancel, Escape and the close box all ask the Cancel question.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AskCancel();

    QTreeWidget* tasks_ = nullptr;
    CTextureProgressBar* bar_ = nullptr;
    QLabel* percent_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool askingCancel_ = false;
    bool cancelConfirmed_ = false;
};
