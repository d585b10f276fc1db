#pragma once
// The program's pictures, held as resources under ":/pictures/NAME.png" with
// a twice-as-large NAME@2x.png for high-DPI screens.
#include <QPixmap>
#include <string_view>

#include "twips.h"

class QLabel;

namespace zenlith {

// The picture for a screen of the given device pixel ratio; its logical size
// is the same either way.
QPixmap loadPicture(std::string_view name, qreal devicePixelRatio);

// An image control: the picture at the top left of its box, no background.
QLabel* placePicture(QWidget* container, const TwipsBox& box, std::string_view name);

}  // namespace zenlith
