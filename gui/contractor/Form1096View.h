#pragma once

#include "gui/controls/PlaceholderView.h"

// The 1096 summary of the open company.
class C1096View : public CPlaceholderView {
    Q_OBJECT

public:
    explicit C1096View(CGlobalDoc& document, QWidget* parent = nullptr);
};
