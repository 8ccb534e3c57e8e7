#pragma once

#include "core/entry/EntryPresets.h"

class CCharFilterEdit;
class CDigitMaskEdit;
class QWidget;

// The entry boxes of the company pages and the employee and contractor
// dialogs, named after their record fields and as wide as what they take.

// Free text of at most `maxLength` characters, none of `forbidden`.
CCharFilterEdit* NewTextBox(const char* name, int maxLength, QWidget* parent, const char* forbidden = kForbiddenCommon);
// Digits in the shape of `mask`.
CDigitMaskEdit* NewMaskBox(const char* name, const char* mask, QWidget* parent);
