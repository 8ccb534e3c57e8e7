#pragma once

#include "core/print/WagePrintOptions.h"

#include <QString>
#include <QStringList>

// The W-2 copies printed on blank paper, Copy 1 to Copy D: the name in the
// print options list and the caption printed on each form.

inline constexpr int kW2CopyCount = 5;

const QStringList& W2CopyNames();
const QStringList& W2CopyCaptions();

// The caption of a copy; empty for the laser substitute, which has none.
QString W2CopyCaption(W2CopyType copy);
