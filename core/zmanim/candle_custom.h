#pragma once
// How many minutes before sunset candles are lit on the eve of Shabbat and
// festivals: a local custom, which the user may choose; the place suggests it.
#include <string_view>

#include "place.h"

namespace zenlith {

enum class CandleCustom { jerusalem, haifa, elsewhereInIsrael, abroad };

// "מנהג ירושלים", "מנהג חיפה", "שאר הארץ", "חוץ לארץ".
std::string_view candleCustomName(CandleCustom custom);

// 40, 30, 20 and 18 minutes.
int candleLightingMinutes(CandleCustom custom);

// Jerusalem's or Haifa's within a few kilometres of the city, elsewhere on
// Israel's clock Israel's, otherwise abroad.
CandleCustom suggestedCandleCustom(const Place& place);

}  // namespace zenlith
