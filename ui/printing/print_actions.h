#pragma once
// The two print buttons' work, in their fixed order of printer operations.
// Neither computes anything: they print what the window shows now.
#include <QString>
#include <QWidget>
#include <functional>

#include "printer.h"

namespace zenlith {

// The parameter line, an empty line, the report, an empty line; small
// right-to-left type.
PrintStatus printParameters(Printer& printer, const QString& parameterLine, const QString& report);

// Lines of text, as the day's events show them; small right-to-left type.
PrintStatus printLines(Printer& printer, const QString& text);

// The whole window's image with the chart framed by a single line while it is
// taken. The frame loses its border again however the job ends.
PrintStatus printScreen(Printer& printer, QWidget& window, const std::function<void(bool)>& setChartBorder);

}  // namespace zenlith
