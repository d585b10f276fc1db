#pragma once
// Controls get their designed colours through their own palette.
#include <QColor>
#include <QPalette>
#include <QWidget>

namespace zenlith {

inline void setPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// A background of its own, painted by the widget itself.
inline void setBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    setPaletteColour(widget, QPalette::Window, colour);
}

}  // namespace zenlith
