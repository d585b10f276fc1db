#pragma once
// "מפת השמיים": the sky at the main window's instant, place and model, as a
// horizon strip or a disc, with the stars, the constellations and the bodies
// named. A normal window beside the main one; closing it only hides it, and
// its projection and switches are kept in the settings (its geometry by the
// View menu's registry).
#include <QWidget>
#include <memory>

#include "classic_sky_model.h"
#include "day_calculator.h"
#include "precise_sky_model.h"
#include "printer.h"
#include "sky_document.h"
#include "sky_map_view.h"
#include "star_positions.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QIODevice;
class QSettings;

namespace zenlith {

class MessageBox;

class SkyMapWindow : public QWidget {
    Q_OBJECT

public:
    SkyMapWindow(const SkyDocument& document, QSettings& settings, Printer& printer, MessageBox& messages,
                 QWidget* parent = nullptr);

    SkyMapView& view() { return *view_; }
    // By the file's suffix: .png, .svg or .pdf; false when it cannot be written.
    bool saveAs(const QString& path);
    void print();
    // Dim red on black, as the night view makes every window.
    void setNightView(bool on);
    // The text a click on the object shows: its name and the day's events.
    QString details(const sky_map::SceneObject& object);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void restoreSettings();
    void saveSettings();
    void follow();
    void refreshContent();
    void chooseFileAndSave();
    QString tooltip(const sky_map::SceneObject& object) const;
    QImage image(QSize size) const;
    bool writeImage(QIODevice& file, const QString& suffix) const;

    const SkyDocument& document_;
    QSettings& settings_;
    Printer& printer_;
    MessageBox& messages_;
    Engine engine_;
    ClassicSkyModel classic_{engine_};
    PreciseSkyModel precise_;
    DayCalculator days_;
    stars::StarPositions stars_;
    SkyPlaces bodies_;
    bool placed_ = false;
    SkyMapView* view_ = nullptr;
    QComboBox* projection_ = nullptr;
    QCheckBox* grid_ = nullptr;
    QCheckBox* figures_ = nullptr;
    QCheckBox* constellationNames_ = nullptr;
    QCheckBox* starNames_ = nullptr;
    QDoubleSpinBox* magnitudeLimit_ = nullptr;
};

}  // namespace zenlith
