#pragma once

#include "app/PlaceholderView.h"

// The employee list of the open company.
class CEmployeeView : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CEmployeeView(CGlobalDoc& document, QWidget* parent = nullptr);
};
