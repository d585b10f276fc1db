#include "place_chooser.h"

#include <QMenu>
#include <QScopedValueRollback>
#include <QSettings>
#include <algorithm>

#include "kept_place.h"
#include "kept_settings.h"
#include "main_window.h"
#include "menu_entry.h"
#include "menu_texts.h"
#include "message_box.h"
#include "messages.h"
#include "place_field.h"
#include "typed_place.h"
#include "world_cities.h"

namespace zenlith {

namespace {

constexpr std::size_t recentKept = 8;
const QString currentKey = QStringLiteral("place/current");
const QString recentKey = QStringLiteral("place/recent");
const QString dipKey = QStringLiteral("place/horizonDip");

std::string_view refusalText(PlaceTextProblem problem) {
    switch (problem) {
    case PlaceTextProblem::empty: return messages::placeEmpty;
    case PlaceTextProblem::unknownName: return messages::placeUnknown;
    case PlaceTextProblem::severalNames: return messages::placeSeveral;
    case PlaceTextProblem::latitudeRange: return messages::placeLatitudeRange;
    case PlaceTextProblem::longitudeRange: return messages::placeLongitudeRange;
    case PlaceTextProblem::heightRange: return messages::placeHeightRange;
    case PlaceTextProblem::noZoneTables: return messages::placeNoZoneTables;
    }
    return messages::placeUnknown;
}

// The reason, the candidates where there are some, and the accepted forms.
std::string refusalMessage(const PlaceTextRefusal& refusal) {
    std::string message(refusalText(refusal.problem));
    for (const PlaceEntry* entry : refusal.candidates) message += "\n" + (entry->hebrew.empty() ? entry->english : entry->hebrew);
    return message + "\n\n" + std::string(messages::placeForms);
}

}  // namespace

PlaceChooser::PlaceChooser(MainWindow& window, MessageBox& messages, QSettings& settings, QObject* parent)
    : QObject(parent),
      window_(window),
      messages_(messages),
      settings_(settings),
      catalogue_(PlaceCatalogue::standard(std::string(zoneInfoFolder))) {
    field_ = new PlaceField(catalogue_);
    field_->showPlace(originalSite());
    field_->showOffset(window_.offsetInForceSeconds());
    connect(field_, &PlaceField::placeTyped, this, &PlaceChooser::chooseTyped);
    connect(field_, &PlaceField::placePicked, this, &PlaceChooser::choose);
    connect(&window_, &MainWindow::clockInForceChanged, this,
            [this] { field_->showOffset(window_.offsetInForceSeconds()); });
}

void PlaceChooser::buildMenu(QMenu* menu) {
    connect(menuEntry(menu, menu_texts::choosePlace, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)),
            &QAction::triggered, field_, &PlaceField::startTyping);
    connect(menuEntry(menu, menu_texts::originalPlace), &QAction::triggered, this, [this] { choose(originalSite()); });
    recentMenu_ = menu->addMenu(qtText(menu_texts::recentPlaces));
    fillRecentMenu();
    menu->addSeparator();
    horizonDip_ = menuEntry(menu, menu_texts::horizonDip);
    horizonDip_->setCheckable(true);
    connect(horizonDip_, &QAction::toggled, this, &PlaceChooser::dipHorizon);
}

void PlaceChooser::restore() {
    const QScopedValueRollback reading(restoring_, true);
    // One place a line: a kept text never holds a line break.
    for (const QString& kept : settings_.value(recentKey).toString().split(QLatin1Char('\n'))) {
        const std::optional<Place> place = placeFromKeptText(kept.toStdString());
        if (place && recent_.size() < recentKept && std::find(recent_.begin(), recent_.end(), *place) == recent_.end()) {
            recent_.push_back(*place);
        }
    }
    field_->setRecent(recent_);
    fillRecentMenu();
    if (horizonDip_) horizonDip_->setChecked(readFlag(settings_, dipKey));
    const std::optional<Place> current = placeFromKeptText(settings_.value(currentKey).toString().toStdString());
    if (current && *current != originalSite()) choose(*current);
}

bool PlaceChooser::choose(const Place& place) {
    if (!window_.standAt(place)) {
        field_->showPlace(window_.document().state().place);
        return false;
    }
    field_->showPlace(place);
    remember(place);
    emit placeChosen(place);
    return true;
}

// The day's events follow the document; the form's figures do not depend on it.
void PlaceChooser::dipHorizon(bool on) {
    SkyState state = window_.document().state();
    state.horizonDipped = on;
    window_.document().setComputed(state);
    if (!restoring_) keepValue(settings_, dipKey, on, false);
}

void PlaceChooser::chooseTyped(const QString& text) {
    const auto read = placeFromText(text.toStdString(), catalogue_);
    if (const auto* refusal = std::get_if<PlaceTextRefusal>(&read)) {
        messages_.show(refusalMessage(*refusal), messages::placeTitle);
        return;
    }
    choose(std::get<Place>(read));
}

// The place goes first among the recent ones, and into the settings.
void PlaceChooser::remember(const Place& place) {
    if (restoring_) return;
    recent_.erase(std::remove(recent_.begin(), recent_.end(), place), recent_.end());
    recent_.insert(recent_.begin(), place);
    if (recent_.size() > recentKept) recent_.resize(recentKept);
    field_->setRecent(recent_);
    fillRecentMenu();
    QStringList kept;
    for (const Place& each : recent_) kept << qtText(keptPlaceText(each));
    keepValue(settings_, currentKey, qtText(keptPlaceText(place)), qtText(keptPlaceText(originalSite())));
    keepValue(settings_, recentKey, kept.join(QLatin1Char('\n')), QString());
}

void PlaceChooser::fillRecentMenu() {
    if (!recentMenu_) return;
    recentMenu_->clear();
    for (const Place& place : recent_) {
        connect(recentMenu_->addAction(placeName(place)), &QAction::triggered, this, [this, place] { choose(place); });
    }
    recentMenu_->setEnabled(!recent_.empty());
}

}  // namespace zenlith
