#pragma once
// The window's state in one place: the instant last computed, the place and
// the model. The main form writes it after each computation; every other view
// (the day's events, the sky map, the month, the coming events) follows its
// stateChanged signal and reads state(). A view that wants the window at
// another instant, place or model asks through the request signals; the main
// form answers by setting its fields and computing, as a step does.
#include <QObject>

#include "clock_rules.h"
#include "sky_state.h"

namespace zenlith {

class SkyDocument : public QObject {
    Q_OBJECT

public:
    explicit SkyDocument(const ClockRules& clockRules, QObject* parent = nullptr);

    const SkyState& state() const { return state_; }
    // The civil clock of the state's place.
    const ClockRules& clockRules() const { return *clockRules_; }

    // By the main form, after every computation (and with nothing entered
    // after a refused one).
    void setComputed(const SkyState& computed);
    // By the main form when the place changes; it computes (or announces the
    // state) right after, so this emits nothing.
    void setPlace(const Place& place, const ClockRules& clockRules) {
        state_.place = place;
        clockRules_ = &clockRules;
    }

signals:
    void stateChanged();
    // Asked by a view; the main form sets its fields and computes.
    void instantRequested(const zenlith::CivilDateTime& local, bool summerTime);
    void modelRequested(zenlith::ModelKind model);
    void placeRequested(const zenlith::Place& place);
    // The custom of candle lighting or the time of havdalah was chosen anew
    // (kept in the settings): views that show the halachic times recompute.
    void zmanimChoicesChanged();

private:
    const ClockRules* clockRules_;
    SkyState state_;
};

}  // namespace zenlith
