#include "gui/screens/FormView.h"

#include "core/prompt/Prompt.h"
#include "gui/screens/FocusScrolling.h"
#include "gui/screens/FormCells.h"
#include "gui/screens/PaperPalette.h"

#include <QScrollArea>
#include <QVBoxLayout>

CFormView::CFormView(CGlobalDoc& document, QWidget* parent)
    : QWidget(parent)
    , document_(document)
{
    // Every screen of the right pane is paper, whatever the desktop's theme.
    UsePaperPalette(this);
}

CFormView::~CFormView()
{
    // QWidget's own destructor hides the window and so moves the focus: by
    // then this is no screen any more, and must hear nothing of it.
    disconnect(followFocus_);
}

bool CFormView::SendToOwnersScreen(const char* message, int ownersScreenIndex)
{
    AppPrompt().Tell(QLatin1String(message));
    emit navigateRequested(ownersScreenIndex);
    return isVisible();
}

void CFormView::SetScrolledPage(QLayout* commands, QWidget* form)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("ScreenPage"));
    // The page paints its own white ground: what scrolling uncovers is
    // painted afresh, never left over from before.
    page->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addLayout(commands);
    layout->addWidget(form, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch(1);

    scroll_ = NewFormArea(this);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(page);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll_);
    followFocus_ = FollowFocus(scroll_);
}

void CFormView::ScrollIntoView(QWidget* widget)
{
    ScrollToShow(scroll_, widget);
}
