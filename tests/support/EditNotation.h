#pragma once

#include "core/entry/EditState.h"

#include <QString>

// Edit states written the way a person would mark them: "12|34" is the
// caret after "12", "1[23]4" selects "23"; without a mark the caret is at
// the end. The mark characters never occur in the texts under test.
EditState ParseEdit(const QString& notation);
QString FormatEdit(const EditState& state);
