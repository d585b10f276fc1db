#pragma once
// Every control of both windows is made the same way: a child of its
// container, named after its layout entry, at the entry's place.
#include <QWidget>

#include "qt_text.h"
#include "twips.h"

namespace zenlith {

template <class Widget>
Widget* placeWidget(QWidget* container, const TwipsBox& box) {
    auto* widget = new Widget(container);
    widget->setObjectName(qtText(box.name));
    widget->setGeometry(pixelRect(box));
    return widget;
}

}  // namespace zenlith
