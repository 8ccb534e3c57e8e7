#pragma once

#include <QString>

class QBoxLayout;
class QDialog;
class QHBoxLayout;
class QLayout;
class QWidget;

// The layout of the employee and contractor dialogs, which follow the
// name and address boxes of the paper forms: each box with its caption
// above it, boxes side by side in rows, "OK" and "Cancel" at the bottom
// right.

// Adds `box` with `caption` above it (no caption: an empty line, so boxes
// of a row stay level) to `row`.
void AddCaptionedBox(QHBoxLayout* row, const QString& caption, QWidget* box);
// The same for boxes that share one caption (a name and its initial).
void AddCaptionedBoxes(QHBoxLayout* row, const QString& caption, const QList<QWidget*>& boxes);
// Sets the dialog's layout from its rows and gives it the OK and Cancel
// buttons (OK is the default button). The dialog keeps its size.
void FinishRecordDialog(QDialog* dialog, const QList<QLayout*>& rows);
