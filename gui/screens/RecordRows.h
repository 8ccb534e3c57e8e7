#pragma once

#include "core/records/RecordListOrder.h"

#include <QStringList>

#include <optional>
#include <utility>

class QTreeWidget;

// The report lists of employees and contractors: on their screens and in
// the "Select Employee" and "Select Contractor" dialogs. Each row is one
// record of a RecordListOrder and carries its list index and id.

// Whole rows, one selected at a time and kept marked when the list loses
// the focus, headings that sort on a click; `widths` in pixels.
void SetUpRecordList(QTreeWidget* list, const QStringList& headings, const int* widths);

// Shows the rows of `order` (as many texts as the list has columns); the
// row of the record `selectId` becomes the selected and current one.
void ShowRecordRows(QTreeWidget* list, const RecordListOrder& order, std::optional<int> selectId);

// (index, id) of the selected row's record.
std::optional<std::pair<int, int>> SelectedRecordRow(const QTreeWidget* list);
