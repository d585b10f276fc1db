#include "night_view.h"

#include <QApplication>
#include <QGraphicsColorizeEffect>
#include <QPalette>
#include <QStyle>
#include <QWidget>

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
    "QLabel { color: rgb(170, 0, 0); }"
    "QGroupBox#Form1::title { color: rgb(170, 0, 0); }");

}  // namespace

void applyNightView(QWidget& window, bool on) {
    QApplication::setPalette(on ? nightPalette() : QApplication::style()->standardPalette());
    window.setStyleSheet(on ? nightControls : QString());
    if (on) {
        auto* red = new QGraphicsColorizeEffect(&window);
        red->setColor(dimRed);
        red->setStrength(1.0);
        window.setGraphicsEffect(red);  // owns it from here on
    } else {
        window.setGraphicsEffect(nullptr);
    }
}

}  // namespace zenlith
