#pragma once

#include <QDialog>

#include <functional>

class CAmountEdit;
class QDialogButtonBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

// What the print options dialogs of the form screens share: OK and Cancel
// (OK keeps the dialog open while the choices are refused), a "Preview"
// button that shows the pages of the present choices before anything is
// printed, and the alignment rows (an inch box with its two direction
// buttons).
class CPrintOptionsDialog : public QDialog {
    Q_OBJECT

public:
    // The screen's preview of the dialog's present choices, run after they
    // were read; without one the Preview button is hidden.
    void SetPreview(std::function<void()> preview);

    QPushButton* PreviewButton() const { return preview_; }

    // OK: the choices are read; refused ones keep the dialog open.
    void accept() override;

protected:
    CPrintOptionsDialog(const QString& title, QWidget* parent);

    // Reads the controls into the dialog's options; false (after telling
    // the user why) when they can't be taken.
    virtual bool ReadChoices() = 0;

    QDialogButtonBox* Buttons() const { return buttons_; }

    // An alignment row: the inch box (two whole digits, two decimals, no
    // sign) in a frame captioned `caption`, and its two direction buttons
    // (direction 0 and 1).
    struct OffsetRow {
        QGroupBox* frame = nullptr;
        CAmountEdit* box = nullptr;
        QRadioButton* direction0 = nullptr;
        QRadioButton* direction1 = nullptr;
        void Show(const QString& text, int direction) const;
        int Direction() const;
        void SetEnabled(bool enabled) const;
    };
    OffsetRow NewOffsetRow(const QString& caption, const char* name, const QString& direction0,
                           const QString& direction1);
    // An inch box of the dialog (two whole digits, two decimals, no sign).
    CAmountEdit* NewInchesBox(const char* name, const QString& accessibleName);

private:
    QDialogButtonBox* buttons_;
    QPushButton* preview_;
    std::function<void()> previewAction_;
};
