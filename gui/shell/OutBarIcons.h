#pragma once

#include "gui/controls/OutBarCtrl.h"

// The pictures of the main window's shortcuts, 32 x 32, by image index:
// 0 company building, 1 people, 2 briefcase, 3 calculator, 4 form.
inline constexpr int kShortcutImageCompany = 0;
inline constexpr int kShortcutImagePeople = 1;
inline constexpr int kShortcutImageBriefcase = 2;
inline constexpr int kShortcutImageTotals = 3;
inline constexpr int kShortcutImageForm = 4;

// The large-icon list for the bar, drawn for screens of the given pixel ratio.
OutBarImageList ShortcutImageList(qreal devicePixelRatio = 1.0);
