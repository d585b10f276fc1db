#pragma once
// Where the window stands: the place field above the form and the "מקום"
// menu, the places used lately, and the choice kept between runs. A chosen
// place goes to the main form, which computes on it; a refused text says why
// and which forms are accepted.
#include <QObject>
#include <vector>

#include "place.h"
#include "place_catalogue.h"

class QAction;
class QMenu;
class QSettings;

namespace zenlith {

class MainWindow;
class MessageBox;
class PlaceField;

class PlaceChooser : public QObject {
    Q_OBJECT

public:
    PlaceChooser(MainWindow& window, MessageBox& messages, QSettings& settings, QObject* parent);

    PlaceField* field() const { return field_; }
    void buildMenu(QMenu* menu);
    // The place kept from the last run, if it is still one the machine can
    // tell the time of; otherwise the original site stays.
    void restore();
    // False, with the main form's message, when its zone is unknown here.
    bool choose(const Place& place);
    void chooseTyped(const QString& text);

signals:
    void placeChosen(const zenlith::Place& place);

private:
    void remember(const Place& place);
    void fillRecentMenu();
    void dipHorizon(bool on);

    MainWindow& window_;
    MessageBox& messages_;
    QSettings& settings_;
    PlaceCatalogue catalogue_;
    std::vector<Place> recent_;  // most recent first
    PlaceField* field_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QAction* horizonDip_ = nullptr;
    bool restoring_ = false;
};

}  // namespace zenlith
