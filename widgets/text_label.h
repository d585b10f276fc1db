#pragma once
// Labels as both windows use them: text at the top, the given horizontal
// alignment, transparent unless the container paints a background. A label
// whose text would be clipped grows to fit it, keeping its aligned edge (or
// its centre) and its top: the designed boxes were measured for fonts
// narrower than the Hebrew ones we have.
#include <QColor>
#include <QFont>
#include <QLabel>
#include <string_view>

#include "twips.h"

namespace zenlith {

struct LabelLook {
    QColor textColour;
    Qt::Alignment alignment;  // horizontal only; always measured from the left edge
    QFont font;
    bool wraps = false;  // a paragraph: wraps at the box's width, grows downwards
    // Lays the line out left to right even when it is Hebrew: a prompt given
    // as ": text" then shows its colon on the left, next to its field.
    bool leftToRight = false;
};

QLabel* placeLabel(QWidget* container, const TwipsBox& box, std::string_view text, const LabelLook& look);

}  // namespace zenlith
