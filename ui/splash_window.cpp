#include "splash_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QLabel>
#include <QScreen>
#include <QWindow>
#include <array>

#include "legacy_fonts.h"
#include "night_view.h"
#include "palette_colour.h"
#include "picture.h"
#include "placed_widget.h"
#include "splash_texts.h"
#include "text_label.h"

namespace zenlith {

namespace {

enum class Panel { main, notice };

struct SplashLabel {
    TwipsBox box;
    Panel panel;
    std::string_view text;
    bool darkRed;  // 128, 0, 0; black otherwise
    Qt::AlignmentFlag alignment;
    const char* family;
    double points;
    bool bold;
    bool wraps;
};

constexpr TwipsBox windowBox{"frmSplash", 0, 0, 6630, 3465};
constexpr TwipsBox mainPanelBox{"fraMainFrame", 0, -120, 6660, 3615};
constexpr TwipsBox noticePanelBox{"Frame1", 120, 2400, 6375, 1000};
constexpr TwipsBox logoBox{"picLogo", 4290, 240, 2200, 1930};

// Columns: box, panel, text, dark red (else black), alignment, font, wraps.
const std::array<SplashLabel, 7> splashLabels{{
    {{"lblProductName", 690, 240, 2895, 435}, Panel::main, splash_texts::productName, true, Qt::AlignHCenter,
     msSansSerif, 18, true, false},
    {{"Label3", 1560, 720, 885, 360}, Panel::main, splash_texts::producedBy, true, Qt::AlignHCenter, msSansSerif,
     13.5, false, false},
    {{"lblCompanyProduct", 120, 1080, 3945, 450}, Panel::main, splash_texts::supplier, true, Qt::AlignRight,
     msSansSerif, 24, true, false},
    {{"Label2", 1320, 1560, 1575, 360}, Panel::main, splash_texts::address, true, Qt::AlignLeft, msSansSerif, 13.5,
     false, false},
    {{"Label4", 240, 2280, 3795, 300}, Panel::main, splash_texts::tagline, true, Qt::AlignLeft, msSansSerif, 12,
     false, false},
    {{"lblCopyright", 4440, 0, 1815, 375}, Panel::notice, splash_texts::rights, false, Qt::AlignRight, msSansSerif,
     8.25, false, true},
    {{"Label1", 120, 360, 3855, 615}, Panel::notice, splash_texts::warning, false, Qt::AlignRight, msSerif, 8.25,
     false, true},
}};

QWidget* whitePanel(QWidget* window, const TwipsBox& box) {
    auto* panel = placeWidget<QWidget>(window, box);
    setBackground(panel, Qt::white);
    return panel;
}

void placeSplashLabel(QWidget* container, const SplashLabel& entry) {
    const QColor colour = entry.darkRed ? QColor(128, 0, 0) : QColor(Qt::black);
    QLabel* label = placeLabel(container, entry.box, entry.text,
                               {colour, entry.alignment, legacyFont(entry.family, entry.points, entry.bold), entry.wraps});
    // Hebrew sentences read right to left, punctuation included.
    if (entry.alignment == Qt::AlignRight) label->setLayoutDirection(Qt::RightToLeft);
}

void centreOnScreen(QWidget& window) {
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
}

// Painting happens when the window system exposes the window; wait for that
// (briefly) so the pause shows a finished picture.
void paintNow(QWidget& window) {
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 1000) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    }
    window.repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

SplashWindow::SplashWindow(bool night) : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(qtText(windowBox.name));
    setFixedSize(pixelRect(windowBox).size());
    QWidget* mainPanel = whitePanel(this, mainPanelBox);
    placePicture(mainPanel, logoBox, "splash_logo");
    QWidget* noticePanel = whitePanel(this, noticePanelBox);  // made last, so drawn in front
    for (const SplashLabel& entry : splashLabels) {
        placeSplashLabel(entry.panel == Panel::main ? mainPanel : noticePanel, entry);
    }
    if (night) {
        showLightPanelAtNight(*mainPanel);
        showLightPanelAtNight(*noticePanel);
    }
}

void SplashWindow::closeEvent(QCloseEvent* event) {
    emit closeRequested();
    QWidget::closeEvent(event);
}

bool showSplashFor(std::chrono::milliseconds pause, bool night) {
    SplashWindow splash(night);
    // Its close ends the program through start-up's answer, not by quitting
    // an event loop that has not begun.
    splash.setAttribute(Qt::WA_QuitOnClose, false);
    QEventLoop standing;
    bool closed = false;
    QObject::connect(&splash, &SplashWindow::closeRequested, &standing, [&] {
        closed = true;
        standing.quit();
    });
    centreOnScreen(splash);
    splash.show();
    paintNow(splash);
    if (closed) return false;
    QTimer::singleShot(pause, &standing, &QEventLoop::quit);
    standing.exec();
    return !closed;
}

}  // namespace zenlith
