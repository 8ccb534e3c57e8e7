#include "gui/screens/PaperPalette.h"

#include <QWidget>

namespace {

struct PaperColour {
    QPalette::ColorRole role;
    QRgb normal; // active and inactive
    QRgb disabled;
};

// A light desktop palette of the usual kind, on a white ground.
constexpr PaperColour kPaperColours[] = {
    {QPalette::Window, 0xffffff, 0xffffff},      {QPalette::WindowText, 0x000000, 0x787878},
    {QPalette::Base, 0xffffff, 0xf0f0f0},        {QPalette::AlternateBase, 0xf5f5f5, 0xf5f5f5},
    {QPalette::Text, 0x000000, 0x787878},        {QPalette::PlaceholderText, 0x808080, 0x9c9c9c},
    {QPalette::Button, 0xf0f0f0, 0xf0f0f0},      {QPalette::ButtonText, 0x000000, 0x787878},
    {QPalette::BrightText, 0xffffff, 0xffffff},  {QPalette::Light, 0xffffff, 0xffffff},
    {QPalette::Midlight, 0xe3e3e3, 0xf7f7f7},    {QPalette::Mid, 0xa0a0a0, 0xa0a0a0},
    {QPalette::Dark, 0xa0a0a0, 0xa0a0a0},        {QPalette::Shadow, 0x696969, 0x000000},
    {QPalette::Highlight, 0x0078d7, 0x919191},   {QPalette::HighlightedText, 0xffffff, 0xffffff},
    {QPalette::Link, 0x0000ee, 0x0000ee},        {QPalette::LinkVisited, 0x551a8b, 0x551a8b},
    {QPalette::ToolTipBase, 0xffffdc, 0xffffdc}, {QPalette::ToolTipText, 0x000000, 0x000000},
};

} // namespace

QPalette PaperPalette()
{
    QPalette palette;
    for (const PaperColour& colour : kPaperColours) {
        palette.setColor(QPalette::Active, colour.role, QColor::fromRgb(colour.normal));
        palette.setColor(QPalette::Inactive, colour.role, QColor::fromRgb(colour.normal));
        palette.setColor(QPalette::Disabled, colour.role, QColor::fromRgb(colour.disabled));
    }
    return palette;
}

void UsePaperPalette(QWidget* screen)
{
    screen->setPalette(PaperPalette());
    screen->setAutoFillBackground(true);
}
