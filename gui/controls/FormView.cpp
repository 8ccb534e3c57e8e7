#include "gui/controls/FormView.h"

CFormView::CFormView(CGlobalDoc& document, QWidget* parent)
    : QWidget(parent)
    , document_(document)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}
