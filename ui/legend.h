#pragma once
// Frame1, the legend: each body's thumbnail with its name, on black.
class QWidget;

namespace zenlith {

QWidget* buildLegend(QWidget* inputPanel);

}  // namespace zenlith
