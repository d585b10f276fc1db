#include "picture.h"

#include <QLabel>

#include "placed_widget.h"
#include "qt_text.h"

namespace zenlith {

namespace {

QString picturePath(std::string_view name, std::string_view suffix) {
    return QStringLiteral(":/pictures/") + qtText(name) + qtText(suffix) + QStringLiteral(".png");
}

}  // namespace

QPixmap loadPicture(std::string_view name, qreal devicePixelRatio) {
    if (devicePixelRatio > 1) {
        QPixmap sharp(picturePath(name, "@2x"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(picturePath(name, ""));
}

QLabel* placePicture(QWidget* container, const TwipsBox& box, std::string_view name) {
    auto* image = placeWidget<QLabel>(container, box);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(loadPicture(name, container->devicePixelRatioF()));
    return image;
}

}  // namespace zenlith
