#pragma once
// Frame5, the sky chart: a panorama of the local sky with its static lines
// and labels, coloured by the Sun's altitude, with one marker per body.
#include <QFrame>
#include <QPixmap>
#include <optional>

#include "chart_geometry.h"

class QLabel;

namespace zenlith {

class SkyChart : public QFrame {
public:
    explicit SkyChart(QWidget* parent);

    // The chart's background and the Moon marker's, so its corners match.
    void showSkyColour(const Rgb& colour);
    // The last colour shown, again: a style sheet taken away puts back the
    // colours the chart had when it was set.
    void showSkyColourAgain();
    // Top and Left are twips inside the chart.
    void placeMarker(const MarkerPlacement& placement);
    // moon1 shows its own small Moon picture with the phase drawn on it.
    void shadeMoonMarker(const MoonPhaseDrawing& phase);
    // A single-line border, for the printed image of the window; none otherwise.
    void showBorder(bool single);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeLabels();
    void placeMarkers();
    QLabel* moonMarker_ = nullptr;
    QPixmap smallMoon_;
    std::optional<Rgb> shownSky_;
};

}  // namespace zenlith
