#include "sky_chart.h"

#include <QLabel>
#include <QPainter>
#include <array>

#include "body_pictures.h"
#include "legacy_fonts.h"
#include "moon_shading.h"
#include "palette_colour.h"
#include "picture.h"
#include "placed_widget.h"
#include "qt_text.h"
#include "text_label.h"
#include "window_layout.h"

namespace zenlith {

namespace {

struct ChartLabel {
    std::string_view name;
    std::string_view text;
    double points;
};

constexpr std::array chartLabels{
    ChartLabel{"Label48", "אופק", 8.25}, ChartLabel{"Label39", "זניט", 8.25}, ChartLabel{"Label47", "10", 9.75},
    ChartLabel{"Label46", "20", 9.75},   ChartLabel{"Label45", "30", 9.75},   ChartLabel{"Label44", "40", 9.75},
    ChartLabel{"Label43", "50", 9.75},   ChartLabel{"Label42", "60", 9.75},   ChartLabel{"Label41", "70", 9.75},
    ChartLabel{"Label40", "80", 9.75},   ChartLabel{"Label38", "צפון", 9.75}, ChartLabel{"Label36", "מזרח", 9.75},
    ChartLabel{"Label35", "דרום", 9.75}, ChartLabel{"Label33", "מערב", 9.75}, ChartLabel{"Label31", "צפון", 9.75},
};

QColor colourOf(const Rgb& rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

QPointF pixelPoint(int x, int y) {
    return {static_cast<qreal>(pixelsFromTwips(x)), static_cast<qreal>(pixelsFromTwips(y))};
}

}  // namespace

SkyChart::SkyChart(QWidget* parent) : QFrame(parent) {
    placeLabels();
    placeMarkers();
}

void SkyChart::showBorder(bool single) {
    setFrameStyle(single ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(1);
}

void SkyChart::placeLabels() {
    for (const ChartLabel& label : chartLabels) {
        placeLabel(this, window_layout::boxOf(label.name), label.text,
                   {Qt::red, Qt::AlignHCenter, legacyFont(msSerif, label.points)})
            ->setProperty("chartLabel", true);  // the night view gives them a dark ground
    }
}

// Markers stand hidden in their parking column until a computation places them.
void SkyChart::placeMarkers() {
    for (const BodyPicture& body : bodyPictures) {
        placePicture(this, window_layout::boxOf(body.marker), body.picture)->hide();
    }
    moonMarker_ = findChild<QLabel*>(QStringLiteral("moon1"));
    smallMoon_ = moonMarker_->pixmap();
}

void SkyChart::showSkyColour(const Rgb& colour) {
    shownSky_ = colour;
    setBackground(this, colourOf(colour));
    setBackground(moonMarker_, colourOf(colour));
}

void SkyChart::showSkyColourAgain() {
    if (shownSky_) showSkyColour(*shownSky_);
}

void SkyChart::placeMarker(const MarkerPlacement& placement) {
    auto* marker = findChild<QLabel*>(qtText(placement.name));
    marker->move(pixelsFromTwips(placement.left), pixelsFromTwips(placement.top));
    marker->setVisible(placement.visible);
}

void SkyChart::shadeMoonMarker(const MoonPhaseDrawing& phase) {
    moonMarker_->setPixmap(shadedCopy(smallMoon_, phase));
}

void SkyChart::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    for (const window_layout::ChartLine& line : window_layout::chartLines) {
        painter.setPen(QPen(QColor::fromRgb(line.colour), 1, line.style));
        painter.drawLine(pixelPoint(line.x1, line.y1), pixelPoint(line.x2, line.y2));
    }
}

}  // namespace zenlith
