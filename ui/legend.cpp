#include "legend.h"

#include <QFrame>

#include "body_pictures.h"
#include "palette_colour.h"
#include "picture.h"
#include "placed_widget.h"
#include "qt_text.h"
#include "text_label.h"
#include "window_layout.h"
#include "window_texts.h"

namespace zenlith {

QWidget* buildLegend(QWidget* inputPanel) {
    using window_layout::boxOf;
    auto* legend = placeWidget<QFrame>(inputPanel, boxOf("Frame1"));
    // A frame without border shows no caption; assistive tools still get it.
    legend->setAccessibleName(qtText(window_texts::legendCaption));
    setBackground(legend, Qt::black);
    const LabelLook look{Qt::white, Qt::AlignRight, legend->font()};
    for (const BodyPicture& body : bodyPictures) {
        placePicture(legend, boxOf(body.thumbnail), body.picture);
        placeLabel(legend, boxOf(body.label), body.name, look);
    }
    return legend;
}

}  // namespace zenlith
