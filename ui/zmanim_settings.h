#pragma once
// How the user keeps the day's halachic times: shown or hidden, the custom of
// candle lighting (by default the one the document's place suggests) and the
// time of havdalah. Read strictly: an unknown value leaves the default.
#include <optional>

#include "candle_custom.h"
#include "day_zmanim.h"

class QSettings;

namespace zenlith {

struct ZmanimSettings {
    bool shown = false;
    std::optional<CandleCustom> custom;  // nothing: the place's own
    HavdalahRule havdalah = HavdalahRule::atTzeit;
};

ZmanimSettings readZmanimSettings(const QSettings& settings);
// Writes only what changed.
void keepZmanimSettings(QSettings& settings, const ZmanimSettings& kept);

ZmanimChoices zmanimChoicesAt(const ZmanimSettings& kept, const Place& place);

}  // namespace zenlith
