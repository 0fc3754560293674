// SPDX-License-Identifier: MIT
#include "platform/FixedColours.h"

#include <QWidget>

namespace platform {
namespace {

struct RoleColours {
    QPalette::ColorRole role;
    QRgb normal;
    QRgb disabled;
};

// Qt's built-in light palette, as the game shows on a desktop that sets none.
constexpr RoleColours Light[] = {
    {QPalette::WindowText, 0x000000, 0xbebebe},
    {QPalette::Button, 0xefefef, 0xefefef},
    {QPalette::Light, 0xffffff, 0xffffff},
    {QPalette::Midlight, 0xcacaca, 0xcacaca},
    {QPalette::Dark, 0x9f9f9f, 0xbebebe},
    {QPalette::Mid, 0xb8b8b8, 0xb8b8b8},
    {QPalette::Text, 0x000000, 0xbebebe},
    {QPalette::BrightText, 0xffffff, 0xffffff},
    {QPalette::ButtonText, 0x000000, 0xbebebe},
    {QPalette::Base, 0xffffff, 0xefefef},
    {QPalette::Window, 0xefefef, 0xefefef},
    {QPalette::Shadow, 0x767676, 0xb1b1b1},
    {QPalette::Highlight, 0x308cc6, 0x919191},
    {QPalette::HighlightedText, 0xffffff, 0xffffff},
    {QPalette::Link, 0x0000ff, 0x0000ff},
    {QPalette::LinkVisited, 0xff00ff, 0xff00ff},
    {QPalette::AlternateBase, 0xf7f7f7, 0xf7f7f7},
    {QPalette::NoRole, 0x000000, 0x000000},
    {QPalette::ToolTipBase, 0xffffdc, 0xffffdc},
    {QPalette::ToolTipText, 0x000000, 0x000000},
};

} // namespace

QPalette lightPalette()
{
    QPalette palette;
    for (const RoleColours &entry : Light) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, entry.role, QColor(entry.normal));
        palette.setColor(QPalette::Disabled, entry.role, QColor(entry.disabled));
    }
    const QColor placeholder(0, 0, 0, 128);
    palette.setColor(QPalette::PlaceholderText, placeholder);
    return palette;
}

void fixColours(QWidget *widget, const QColor &window, const QColor &text)
{
    QPalette palette = lightPalette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, text);
    }
    if (window.isValid())
        palette.setColor(QPalette::Window, window);
    widget->setPalette(palette);
}

} // namespace platform
