#pragma once

#include "core/print/OffsetEntry.h"

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
    CAmountEdit* HorizontalBox() const { return horizontal_.box; }
    CAmountEdit* VerticalBox() const { return vertical_.box; }
    QRadioButton* LeftRadio() const { return horizontal_.direction0; }
    QRadioButton* UpRadio() const { return vertical_.direction0; }

    // OK: the choices are read; refused ones keep the dialog open.
    void accept() override;

protected:
    // The dialog with its two alignment rows (captioned as given), OK,
    // Cancel and the Preview button; the form kind lays them out.
    CPrintOptionsDialog(const QString& title, const QString& horizontalCaption, const QString& verticalCaption,
                        QWidget* parent);

    // Reads the controls into the dialog's options; false (after telling
    // the user why) when they can't be taken.
    virtual bool ReadChoices() = 0;

    QDialogButtonBox* Buttons() const { return buttons_; }
    // The frames of the alignment rows, each with its inch box and its
    // two direction buttons (Left/Right, Up/Down).
    QGroupBox* HorizontalFrame() const { return horizontal_.frame; }
    QGroupBox* VerticalFrame() const { return vertical_.frame; }

    void ShowOffsets(const OffsetEntry& offsets) const;
    OffsetEntry ReadOffsets() const;
    // The offsets apply to pre-printed forms only: they are open for them
    // alone.
    void EnableOffsets(bool enabled) const;

    // An inch box of the dialog (two whole digits, two decimals, no sign).
    CAmountEdit* NewInchesBox(const char* name, const QString& accessibleName);

private:
    struct OffsetRow {
        QGroupBox* frame = nullptr;
        CAmountEdit* box = nullptr;
        QRadioButton* direction0 = nullptr;
        QRadioButton* direction1 = nullptr;
    };
    OffsetRow NewOffsetRow(const QString& caption, const char* name, const QString& direction0,
                           const QString& direction1);

    QDialogButtonBox* buttons_;
    QPushButton* preview_;
    std::function<void()> previewAction_;
    OffsetRow horizontal_;
    OffsetRow vertical_;
};
