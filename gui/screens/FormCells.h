#pragma once

#include <QList>
#include <QStringList>
#include <QString>
#include <QWidget>

#include <vector>

class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QScrollArea;

// The paper form on a screen: a sheet of ruled cells, each with the small
// caption of its box at the top-left and its entry boxes below, as the
// W-2, W-3, 1099-MISC and 1096 screens show their forms.

// One cell of a form: a thin rule along its right and bottom edges (the
// sheet draws the outer frame), its caption, and its boxes below.
class CFormCell : public QWidget {
    Q_OBJECT

public:
    // A caption that starts with a short box number or letter ("1 ...",
    // "12a ...", "c ...") shows that number in bold.
    explicit CFormCell(const QString& caption = QString(), QWidget* parent = nullptr);

    QLabel* Caption() const { return caption_; }
    // Adds a row of widgets below the caption (the last one of a row
    // takes the spare width unless `stretchLast` is false).
    void AddRow(const QList<QWidget*>& widgets, bool stretchLast = true);
    void AddWidget(QWidget* widget);
    QBoxLayout* Body() const { return body_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* caption_;
    QBoxLayout* body_;
};

// The sheet the cells lie on: a grid without gaps inside a black frame.
class CFormSheet : public QWidget {
    Q_OBJECT

public:
    explicit CFormSheet(QWidget* parent = nullptr);
    QGridLayout* Grid() const { return grid_; }
    // Puts `cell` at (row, column) spanning the rows and columns given.
    CFormCell* Place(CFormCell* cell, int row, int column, int rowSpan = 1, int columnSpan = 1);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QGridLayout* grid_;
};

// A box the program fills and the user cannot type in (shown disabled),
// named `name`, announced as `accessibleName`.
QLineEdit* NewShownBox(const char* name, const QString& accessibleName, QWidget* parent);
// The box named `name` among `boxes`, or nullptr.
QLineEdit* FindNamedBox(const std::vector<QLineEdit*>& boxes, const char* name);
// The names of a table of boxes (entries with a `name`), in its order.
template <class Table>
QStringList NamesOf(const Table& table)
{
    QStringList names;
    for (const auto& entry : table)
        names << QLatin1String(entry.name);
    return names;
}

// Stacks the parts of a form (its sheets) on `form`, with the form's name
// line below them ("Form W-2 Wage and Tax Statement 2005 ..."), given as
// markup, and sizes the form to them.
void LayOutForm(QWidget* form, const QList<QWidget*>& parts, const QString& nameLine);

// The small caption font of the form cells.
QFont FormCaptionFont(const QFont& base);
// A caption of the form in that font; a leading box number or letter
// shows in bold.
QLabel* NewCaptionLabel(const QString& caption, QWidget* parent);

// The area a form screen shows its form in, scrolled when the screen is
// smaller: no frame, no focus of its own, the form at the top left on the
// screen's white.
QScrollArea* NewFormArea(QWidget* parent);

// Text boxes and disabled boxes of a form stay readable: dark text on a
// light grey ground when disabled.
void UseFormPalette(QWidget* widget);
