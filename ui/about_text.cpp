#include "about_text.h"

#include <erfaextra.h>

#include <QtGlobal>

#include "zone_clock_rules.h"
#include "menu_texts.h"
#include "splash_texts.h"

namespace zenlith {

std::string aboutText() {
    using namespace menu_texts;
    std::string text;
    text += std::string(splash_texts::productName) + " — " + std::string(splash_texts::tagline) + "\n";
    text += std::string(versionWord) + " " ZENLITH_VERSION "\n";
    text += std::string(splash_texts::rights) + "\n\n";
    text += std::string(qtLine) + " " + qVersion() + "\n";
    text += std::string(erfaLine) + " " + eraVersion() + "\n";
    const QString tz = ZoneClockRules::databaseVersion();
    text += std::string(tzLine) + " " + (tz.isEmpty() ? std::string("?") : tz.toStdString()) + "\n";
    text += std::string(placesLine) + "\n";
    text += std::string(starsLine) + "\n";
    text += std::string(figuresLine);
    return text;
}

}  // namespace zenlith
