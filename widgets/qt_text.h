#pragma once
// Our texts are UTF-8 in std::string_view; Qt wants QString.
#include <QString>
#include <string_view>

namespace zenlith {

inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace zenlith
