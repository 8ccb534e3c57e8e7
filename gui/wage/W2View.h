#pragma once

#include "gui/controls/PlaceholderView.h"

// The W-2 screen of the open company.
class CW2View : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CW2View(CGlobalDoc& document, QWidget* parent = nullptr);
};
