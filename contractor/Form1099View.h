#pragma once

#include "app/PlaceholderView.h"

// The 1099-MISC screen of the open company.
class C1099View : public CPlaceholderView {
    Q_OBJECT

public:
    explicit C1099View(CGlobalDoc& document, QWidget* parent = nullptr);
};
