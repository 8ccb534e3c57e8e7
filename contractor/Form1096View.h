#pragma once

#include "app/PlaceholderView.h"

// The 1096 summary of the open company.
class C1096View : public CPlaceholderView {
    Q_OBJECT

public:
    explicit C1096View(CGlobalDoc& document, QWidget* parent = nullptr);
};
