#include "print_actions.h"

namespace zenlith {

namespace {

constexpr int printFontSize = 7;

class ChartBorder {
public:
    explicit ChartBorder(const std::function<void(bool)>& set) : set_(set) { set_(true); }
    ~ChartBorder() { set_(false); }
    ChartBorder(const ChartBorder&) = delete;
    ChartBorder& operator=(const ChartBorder&) = delete;

private:
    const std::function<void(bool)>& set_;
};

}  // namespace

PrintStatus printParameters(Printer& printer, const QString& parameterLine, const QString& report) {
    printer.setRightToLeft(true);
    printer.setFontSize(printFontSize);
    printer.printLine(parameterLine);
    printer.printLine(QString());
    printer.printLine(report);
    printer.printLine(QString());
    return printer.endDocument();
}

PrintStatus printLines(Printer& printer, const QString& text) {
    printer.setRightToLeft(true);
    printer.setFontSize(printFontSize);
    printer.printLine(text);
    return printer.endDocument();
}

PrintStatus printScreen(Printer& printer, QWidget& window, const std::function<void(bool)>& setChartBorder) {
    const ChartBorder border(setChartBorder);
    printer.printImage(window.grab().toImage());
    return printer.endDocument();
}

}  // namespace zenlith
