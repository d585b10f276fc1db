#pragma once
// Controls get their designed colours through their own palette.
#include <QColor>
#include <QPalette>
#include <QWidget>

namespace zenlith {

// Set again only when it changes: under a style sheet (the night view) every
// new palette re-polishes the widget, and each step of play would do so.
inline void setPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    if (palette.isBrushSet(QPalette::Active, role) && palette.color(role) == colour) return;
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// A background of its own, painted by the widget itself.
inline void setBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    setPaletteColour(widget, QPalette::Window, colour);
}

}  // namespace zenlith
