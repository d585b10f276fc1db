#include "text_label.h"

#include "palette_colour.h"
#include "placed_widget.h"
#include "qt_text.h"

namespace zenlith {

QLabel* placeLabel(QWidget* container, const TwipsBox& box, std::string_view text, const LabelLook& look) {
    auto* label = placeWidget<QLabel>(container, box);
    label->setText(qtText(text));
    label->setAlignment(look.alignment | Qt::AlignAbsolute | Qt::AlignTop);
    label->setFont(look.font);
    label->setWordWrap(true);
    setPaletteColour(label, QPalette::WindowText, look.textColour);
    return label;
}

}  // namespace zenlith
