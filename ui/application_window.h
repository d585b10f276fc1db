#pragma once
// The program's top-level window: a right-to-left menu bar with the usual
// actions and keys over the main window, which stays as designed below it;
// moving through time (Now, steps, play); the night view; and the settings
// kept between runs.
#include <QMainWindow>
#include <QTimer>
#include <chrono>
#include <memory>

#include "main_window.h"
#include "time_step.h"
#include "view_windows.h"

class QActionGroup;
class QMenu;
class QSettings;

namespace zenlith {

class PlaceChooser;

// The day's events among the windows of the View menu.
inline const QString eventsWindowName = QStringLiteral("events");
inline const QString almanacWindowName = QStringLiteral("almanac");
inline const QString comingWindowName = QStringLiteral("coming");
inline const QString skyMapWindowName = QStringLiteral("skyMap");

class ApplicationWindow : public QMainWindow {
public:
    // Tests hand in a settings file of their own; the seams of the main
    // window pass through.
    ApplicationWindow(MessageBox& messages, QSettings& settings,
                      std::unique_ptr<Printer> printer = makeProductPrinter(),
                      const ClockRules& clockRules = israelClockRules(),
                      std::unique_ptr<Printer> pdfSaver = nullptr);
    ~ApplicationWindow() override;

    MainWindow& window() { return *window_; }
    PlaceChooser& places() { return *places_; }
    SkyDocument& document() { return window_->document(); }
    // The windows opened from the View menu; other windows join them there.
    ViewWindows& views() { return *views_; }
    bool startUp(const Clock& clock, std::chrono::milliseconds splashPause);

    // The menu where other windows of the program add the entry that opens them
    // (through views()).
    QMenu* viewMenu() const { return viewMenu_; }

    void setNightView(bool on);
    bool isNightView() const;
    void setPlaying(bool on);
    bool isPlaying() const { return player_.isActive(); }
    StepUnit playStep() const { return playStep_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFileMenu();
    void buildTimeMenu();
    void buildViewMenu();
    void buildHelpMenu();
    void addStepActions(QMenu* menu);
    void setPlayStep(StepUnit unit);
    void playOneStep();
    void showChosenModel(ModelKind kind);
    void showKeys();
    void showPlaceInTitle(const Place& place);
    void restoreSettings();

    MessageBox& messages_;
    QSettings& settings_;
    MainWindow* window_ = nullptr;
    PlaceChooser* places_ = nullptr;
    ViewWindows* views_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QAction* nightView_ = nullptr;
    QAction* classicModel_ = nullptr;
    QAction* preciseModel_ = nullptr;
    QActionGroup* playSteps_ = nullptr;
    QTimer player_;
    StepUnit playStep_ = StepUnit::minute;
    bool restoring_ = false;
};

}  // namespace zenlith
