#pragma once

#include "gui/controls/PlaceholderView.h"

// The W-3 summary of the open company.
class CW3View : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CW3View(CGlobalDoc& document, QWidget* parent = nullptr);
};
