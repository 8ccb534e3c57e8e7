#pragma once

#include <QString>
#include <QStringList>

// The W-2 copies printed on blank paper, by blank copy type 0..4: the name
// in the print options list and the caption printed on each form. Blank
// copy type 5 is the full-page laser substitute for Copy A.

inline constexpr int kW2CopyCount = 5;
inline constexpr int kW2CopyD = 4;
inline constexpr int kW2LaserCopyA = 5;

const QStringList& W2CopyNames();
const QStringList& W2CopyCaptions();

// The caption of a copy type; empty for a type outside 0..4.
QString W2CopyCaption(int copyType);
