#pragma once
// The windows name their fonts as the original layout did ("MS Serif",
// "MS Sans Serif"); Linux has neither, so they are mapped once, at start, to
// Hebrew-capable families.
#include <QFont>

namespace zenlith {

inline constexpr const char* msSerif = "MS Serif";
inline constexpr const char* msSansSerif = "MS Sans Serif";

QFont legacyFont(const char* family, double points, bool bold = false);

// Call once before any window is made.
void mapLegacyFonts();

}  // namespace zenlith
