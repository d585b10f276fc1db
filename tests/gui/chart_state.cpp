#include "chart_state.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

ChartState captureChart(const QWidget& window) {
    ChartState state;
    state.sky = window.findChild<QWidget*>(QStringLiteral("Frame5"))->palette().color(QPalette::Window);
    for (const char* name : {"sun", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptun", "moon1"}) {
        const auto* marker = window.findChild<QLabel*>(QString::fromLatin1(name));
        state.markers[marker->objectName()] = {marker->pos(), marker->isVisibleTo(&window)};
    }
    state.plot = window.findChild<QLabel*>(QStringLiteral("plot"))->pixmap().toImage();
    state.moonMarker = window.findChild<QLabel*>(QStringLiteral("moon1"))->pixmap().toImage();
    state.calendarLine = window.findChild<QLineEdit*>(QStringLiteral("Text6"))->text();
    state.report = window.findChild<QPlainTextEdit*>(QStringLiteral("Text2"))->toPlainText();
    return state;
}
