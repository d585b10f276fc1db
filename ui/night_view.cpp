#include "night_view.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGraphicsEffect>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace zenlith {

namespace {

const QColor dimRed(170, 0, 0);
const QColor darkRed(60, 0, 0);
const QColor faintRed(30, 0, 0);

QPalette nightPalette() {
    QPalette palette;
    for (const QPalette::ColorRole role :
         {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button, QPalette::ToolTipBase}) {
        palette.setColor(role, Qt::black);
    }
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                           QPalette::ToolTipText, QPalette::BrightText, QPalette::PlaceholderText}) {
        palette.setColor(role, dimRed);
    }
    palette.setColor(QPalette::Highlight, darkRed);
    palette.setColor(QPalette::HighlightedText, dimRed);
    palette.setColor(QPalette::Light, darkRed);
    palette.setColor(QPalette::Midlight, darkRed);
    palette.setColor(QPalette::Mid, faintRed);
    palette.setColor(QPalette::Dark, faintRed);
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Text, darkRed);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, darkRed);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, darkRed);
    return palette;
}

// The window's controls carry colours of their own (white boxes, grey
// buttons); at night they take the night's.
const QString nightControls = QStringLiteral(
    "QLineEdit, QComboBox, QPlainTextEdit, QPushButton, QCheckBox {"
    " background-color: black; color: rgb(170, 0, 0); border: 1px solid rgb(60, 0, 0); }"
    "QCheckBox::indicator { width: 11px; height: 11px; border: 1px solid rgb(170, 0, 0); background-color: black; }"
    "QCheckBox::indicator:checked { background-color: rgb(170, 0, 0); }"
    // The style's own arrow would be cached afresh at every repaint, under a
    // key that names the style sheet's new palette: memory grew during play.
    "QComboBox::down-arrow { image: url(:/night/arrow_down.svg); width: 8px; height: 5px; }"
    "QLabel { color: rgb(170, 0, 0); }"
    // The daytime sky turns bright red, on which red writing vanishes.
    "QLabel[chartLabel=\"true\"] { background-color: black; }"
    "QGroupBox#Form1::title { color: rgb(170, 0, 0); }");

// Every pixel becomes red as bright as its brightest channel, dimmed: black
// stays black, and the chart's day, twilights and night keep their order.
// Swapped, white becomes black and dark writing red.
class RedByBrightness : public QGraphicsEffect {
public:
    RedByBrightness(bool swapped, QObject* parent) : QGraphicsEffect(parent), swapped_(swapped) {}

protected:
    void draw(QPainter* painter) override {
        QPoint offset;
        QImage image = sourcePixmap(Qt::DeviceCoordinates, &offset).toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = line[x];
                const int brightest = std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)});
                const int bright = (swapped_ ? 255 - brightest : brightest) * 7 / 10;
                line[x] = qRgba(bright, 0, 0, qAlpha(pixel));
            }
        }
        const QTransform world = painter->worldTransform();
        painter->setWorldTransform(QTransform());
        painter->drawImage(offset, image);
        painter->setWorldTransform(world);
    }

private:
    bool swapped_;
};

// Dialogs come and go (message boxes, the save and print dialogs): at night
// each is turned red as it is shown, its icons and pictures included.
class RedDialogs : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = event->type() == QEvent::Show ? qobject_cast<QDialog*>(watched) : nullptr;
        if (dialog && !dialog->graphicsEffect()) dialog->setGraphicsEffect(new RedByBrightness(false, dialog));
        return false;
    }
};

}  // namespace

void applyNightView(QWidget& window, bool on) {
    static RedDialogs redDialogs;
    if (on) {
        qApp->installEventFilter(&redDialogs);
    } else {
        qApp->removeEventFilter(&redDialogs);
    }
    QApplication::setPalette(on ? nightPalette() : QApplication::style()->standardPalette());
    window.setStyleSheet(on ? nightControls : QString());
    if (on) {
        window.setGraphicsEffect(new RedByBrightness(false, &window));  // owns it from here on
    } else {
        window.setGraphicsEffect(nullptr);
    }
}

void showLightPanelAtNight(QWidget& panel) {
    panel.setGraphicsEffect(new RedByBrightness(true, &panel));
}

}  // namespace zenlith
