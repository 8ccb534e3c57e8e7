#pragma once

#include "app/PlaceholderView.h"

// The company setup screen.
class CCompanyView : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CCompanyView(CGlobalDoc& document, QWidget* parent = nullptr);
};
