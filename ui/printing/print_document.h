#pragma once
// A finished document, kept whole until the end so that a failed job can be
// delivered again somewhere else with exactly the same pages.
#include <QImage>
#include <QString>
#include <variant>
#include <vector>

namespace zenlith {

struct PrintedLine {
    QString text;  // one line, no breaks
    int fontSize = 0;
    bool rightToLeft = false;
};

using PrintItem = std::variant<PrintedLine, QImage>;

struct PrintDocument {
    std::vector<PrintItem> items;
    bool landscape = false;
};

}  // namespace zenlith
