#pragma once

#include "gui/screens/PlaceholderView.h"

// A screen that no navigation item selects.
class CW4View : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CW4View(CGlobalDoc& document, QWidget* parent = nullptr);
};
