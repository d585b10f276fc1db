#include "text_label.h"

#include <QFontMetrics>
#include <algorithm>

#include "palette_colour.h"
#include "placed_widget.h"
#include "qt_text.h"

namespace zenlith {

namespace {

int alignedLeft(const QRect& box, int width, Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight) return box.left() + box.width() - width;
    if (alignment & Qt::AlignHCenter) return box.left() + (box.width() - width) / 2;
    return box.left();
}

void growToFit(QLabel* label, Qt::Alignment alignment) {
    const QRect box = label->geometry();
    const QFontMetrics metrics(label->font());
    const int width = label->wordWrap() ? box.width() : std::max(box.width(), metrics.horizontalAdvance(label->text()) + 2);
    const int textHeight = label->wordWrap() ? label->heightForWidth(width) : metrics.height();
    label->setGeometry(alignedLeft(box, width, alignment), box.top(), width, std::max(box.height(), textHeight));
}

}  // namespace

QLabel* placeLabel(QWidget* container, const TwipsBox& box, std::string_view text, const LabelLook& look) {
    auto* label = placeWidget<QLabel>(container, box);
    // A leading left-to-right mark sets the line's direction, as Qt takes
    // it from the first strong letter otherwise.
    label->setText((look.leftToRight ? QStringLiteral("\u200e") : QString()) + qtText(text));
    if (look.leftToRight) label->setAccessibleName(qtText(text));  // the mark is not read out
    label->setAlignment(look.alignment | Qt::AlignAbsolute | Qt::AlignTop);
    label->setFont(look.font);
    label->setWordWrap(look.wraps);
    setPaletteColour(label, QPalette::WindowText, look.textColour);
    growToFit(label, look.alignment);
    return label;
}

}  // namespace zenlith
