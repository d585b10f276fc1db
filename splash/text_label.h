#pragma once
// Labels as both windows use them: text at the top, the given horizontal
// alignment, transparent unless the container paints a background.
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
};

QLabel* placeLabel(QWidget* container, const TwipsBox& box, std::string_view text, const LabelLook& look);

}  // namespace zenlith
