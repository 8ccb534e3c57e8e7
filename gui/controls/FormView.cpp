#include "gui/controls/FormView.h"

#include "core/shell/Prompt.h"

CFormView::CFormView(CGlobalDoc& document, QWidget* parent)
    : QWidget(parent)
    , document_(document)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

bool CFormView::SendToOwnersScreen(const char* message, int ownersScreenIndex)
{
    AppPrompt().Tell(QLatin1String(message));
    emit navigateRequested(ownersScreenIndex);
    return isVisible();
}
