#include "gui/screens/PlaceholderView.h"

#include <QLabel>
#include <QVBoxLayout>

CPlaceholderView::CPlaceholderView(CGlobalDoc& document, const QString& title, const QString& note, QWidget* parent)
    : CFormView(document, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 32, 32, 32);
    auto* heading = new QLabel(title, this);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.8);
    font.setBold(true);
    heading->setFont(font);
    auto* text = new QLabel(note, this);
    text->setWordWrap(true);
    layout->addWidget(heading);
    layout->addSpacing(12);
    layout->addWidget(text);
    layout->addStretch(1);
}
