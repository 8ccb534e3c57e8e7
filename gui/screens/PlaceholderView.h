#pragma once

#include "gui/screens/FormView.h"

class QLabel;

// A screen that this version does not have yet: its form's name and a
// short note, so the navigation to it still works.
class CPlaceholderView : public CFormView {
    Q_OBJECT

public:
    CPlaceholderView(CGlobalDoc& document, const QString& title, const QString& note, QWidget* parent = nullptr);
};
