#pragma once
// Everything a computation shows, captured so two moments can be compared.
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <map>

class QWidget;

struct ChartState {
    QColor sky;
    std::map<QString, std::pair<QPoint, bool>> markers;  // position, visible
    QImage plot;
    QImage moonMarker;
    QString calendarLine;
    QString report;
    friend bool operator==(const ChartState&, const ChartState&) = default;
};

ChartState captureChart(const QWidget& window);
