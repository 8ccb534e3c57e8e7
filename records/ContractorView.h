#pragma once

#include "app/PlaceholderView.h"

// The contractor list of the open company.
class CContractorView : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CContractorView(CGlobalDoc& document, QWidget* parent = nullptr);
};
