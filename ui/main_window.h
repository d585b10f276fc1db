#pragma once
// zenlith, the main window: the input panel, the report and the sky chart.
// It owns the calculator for its whole life, so the engine's cells live from
// one computation to the next, and writes every computation into the window's
// document, which the other windows follow.
#include <QWidget>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "civil_date.h"
#include "sky_calculator.h"
#include "field_handlers.h"
#include "zone_clock_rules.h"
#include "printer.h"
#include "product_printer.h"
#include "sky_document.h"
#include "time_step.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zenlith {

class Clock;
class FieldCombo;
class MessageBox;
class SkyChart;

class MainWindow : public QWidget {
    Q_OBJECT

public:
    // Tests hand in printers and clock rules of their own; the product
    // prints to the system's default printer and keeps Israel's clock.
    explicit MainWindow(MessageBox& messages, std::unique_ptr<Printer> printer = makeProductPrinter(),
                        const ClockRules& clockRules = israelClockRules(),
                        std::unique_ptr<Printer> pdfSaver = nullptr);  // null: the product's, named by the instant
    ~MainWindow() override;

    // The window's Load: the splash for the pause, then the fields from the
    // clock (each raising its Change), then the lists. False, with nothing
    // filled, when the user closed the splash: the program is to end.
    bool startUp(const Clock& clock, std::chrono::milliseconds splashPause, bool nightSplash = false);

    // "Now": the fields from start-up's clock, the box by the rules, computed.
    void showNow();
    // The fields set to an instant through their handlers, as typing would,
    // in chain order; the box follows the rules for it.
    void goTo(const CivilDateTime& when);
    // Moves the entered instant and computes; false, with a message, when the
    // fields hold no instant or the step would leave the years they take.
    bool step(StepUnit unit, int count);
    void computeSky();
    // After the night view is left: its style sheet put back the colours of
    // the instant computed when it began.
    void showComputedColours();
    void setSummerTime(bool on);
    // Sees the sky from the place on its zone's clock, computing again once
    // something was computed. False, with a message and nothing changed, when
    // the machine's time-zone database does not know the zone.
    bool standAt(const Place& place);
    // Once something was computed, the sky is computed again on the new model.
    void chooseModel(ModelKind kind);
    ModelKind chosenModel() const { return calculator_.chosen(); }
    SkyDocument& document() { return document_; }
    // The offset from universal time the form computes on now: the summer
    // offset while the box is ticked.
    int offsetInForceSeconds() const;
    Printer& printer() { return *printer_; }
    Printer& pdfSaver() { return *pdfSaver_; }
    void printParameterSheet();
    void printWholeWindow();
    void saveParameterSheetAsPdf();
    void saveWholeWindowAsPdf();

signals:
    // The place, or the box, changed the offset in force.
    void clockInForceChanged();

private:
    void buildInputPanel();
    void buildFields(QWidget* panel);
    void buildButtons(QWidget* panel);
    void buildReport();
    void setTabOrder();
    void fillFieldsFromClock(const Clock& clock);
    void fillLists();
    void followClockRules();
    FieldTexts fieldTexts() const;
    void showSky(const ComputedSky& sky);
    void answerRequests();
    void drawMoonPhase(const MoonPhaseDrawing& phase);
    void showReport(const std::string& report);
    void printParameterSheet(Printer& printer);
    void printWholeWindow(Printer& printer);
    void nameForScreenReaders();

    MessageBox& messages_;
    const ClockRules& originalSiteClock_;
    std::unique_ptr<ClockRules> placeClock_;  // the chosen place's, away from the original site
    SkyDocument document_;
    std::unique_ptr<Printer> printer_;
    std::unique_ptr<Printer> pdfSaver_;
    std::unique_ptr<Clock> clock_;
    SkyCalculator calculator_;
    InputFields fields_{};
    QCheckBox* summerTime_ = nullptr;
    QPushButton* compute_ = nullptr;
    QPushButton* printWindow_ = nullptr;
    QPushButton* printParameters_ = nullptr;
    QLabel* plot_ = nullptr;
    QLabel* moonPhoto_ = nullptr;
    QLineEdit* calendarLine_ = nullptr;  // Text6
    QPlainTextEdit* report_ = nullptr;   // Text2
    SkyChart* chart_ = nullptr;
    FieldHandlers* handlers_ = nullptr;
    bool fillingFields_ = false;
};

}  // namespace zenlith
