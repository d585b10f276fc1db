#pragma once
// Our texts are UTF-8 in std::string_view; Qt wants QString.
#include <QString>
#include <string_view>

namespace zenlith {

inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A Hebrew label that ends in Latin letters ("שמירה כ־PDF"), embedded right to
// left (RLE … PDF): buttons paint their labels left to right, which would put
// the Latin word after the Hebrew instead of at its end.
inline QString rightToLeftLabel(std::string_view utf8) {
    return QChar(0x202B) + qtText(utf8) + QChar(0x202C);
}

}  // namespace zenlith
