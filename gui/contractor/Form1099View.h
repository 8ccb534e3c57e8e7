#pragma once

#include "gui/controls/PlaceholderView.h"

// The 1099-MISC screen of the open company.
class C1099View : public CPlaceholderView {
    Q_OBJECT

public:
    explicit C1099View(CGlobalDoc& document, QWidget* parent = nullptr);
};
