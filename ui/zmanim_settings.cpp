#include "zmanim_settings.h"

#include <QSettings>
#include <array>

#include "kept_settings.h"

namespace zenlith {

namespace {

const QString shownKey = QStringLiteral("zmanim/shown");
const QString customKey = QStringLiteral("zmanim/candleCustom");
const QString havdalahKey = QStringLiteral("zmanim/havdalah");
const QString byPlace = QStringLiteral("place");
const QString atTzeit = QStringLiteral("tzeit");
const QString seventyTwo = QStringLiteral("72minutes");

struct CustomWord {
    CandleCustom custom;
    QString word;
};
const std::array<CustomWord, 4> customWords{{
    {CandleCustom::jerusalem, QStringLiteral("jerusalem")},
    {CandleCustom::haifa, QStringLiteral("haifa")},
    {CandleCustom::elsewhereInIsrael, QStringLiteral("israel")},
    {CandleCustom::abroad, QStringLiteral("abroad")},
}};

QString customWord(const std::optional<CandleCustom>& custom) {
    for (const CustomWord& entry : customWords) {
        if (custom == entry.custom) return entry.word;
    }
    return byPlace;
}

}  // namespace

ZmanimSettings readZmanimSettings(const QSettings& settings) {
    ZmanimSettings kept;
    kept.shown = readFlag(settings, shownKey);
    const QString custom = settings.value(customKey).toString();
    for (const CustomWord& entry : customWords) {
        if (custom == entry.word) kept.custom = entry.custom;
    }
    if (settings.value(havdalahKey).toString() == seventyTwo) kept.havdalah = HavdalahRule::seventyTwoMinutes;
    return kept;
}

void keepZmanimSettings(QSettings& settings, const ZmanimSettings& kept) {
    keepValue(settings, shownKey, kept.shown, false);
    keepValue(settings, customKey, customWord(kept.custom), byPlace);
    keepValue(settings, havdalahKey, kept.havdalah == HavdalahRule::seventyTwoMinutes ? seventyTwo : atTzeit, atTzeit);
}

ZmanimChoices zmanimChoicesAt(const ZmanimSettings& kept, const Place& place) {
    return {candleLightingMinutes(kept.custom.value_or(suggestedCandleCustom(place))), kept.havdalah};
}

}  // namespace zenlith
