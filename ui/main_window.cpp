#include "main_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTextDocument>
#include <array>

#include "clock.h"
#include "clock_positions.h"
#include "entered_instant.h"
#include "summer_time.h"
#include "field_combo.h"
#include "legacy_fonts.h"
#include "legend.h"
#include "message_box.h"
#include "messages.h"
#include "moon_shading.h"
#include "palette_colour.h"
#include "parameter_line.h"
#include "pdf_file_name.h"
#include "picture.h"
#include "place_text.h"
#include "print_actions.h"
#include "placed_widget.h"
#include "qt_text.h"
#include "return_presses_button.h"
#include "sky_chart.h"
#include "splash_window.h"
#include "text_label.h"
#include "window_layout.h"
#include "window_texts.h"

namespace zenlith {

namespace {

using window_layout::boxOf;

struct Prompt {
    std::string_view label;
    std::string_view text;
};

constexpr std::array prompts{
    Prompt{"Label5", window_texts::hourPrompt}, Prompt{"Label8", window_texts::minutePrompt},
    Prompt{"Label2", window_texts::yearPrompt}, Prompt{"Label3", window_texts::monthPrompt},
    Prompt{"Label4", window_texts::dayPrompt},
};

const QColor fieldTextColour(0, 0, 128);

template <class Field>
Field* placeField(QWidget* panel, std::string_view name) {
    auto* field = placeWidget<Field>(panel, boxOf(name));
    setPaletteColour(field, QPalette::Text, fieldTextColour);
    return field;
}

QPushButton* placeButton(QWidget* panel, std::string_view name, std::string_view text, const QColor& face) {
    auto* button = placeWidget<QPushButton>(panel, boxOf(name));
    button->setText(qtText(text));
    setPaletteColour(button, QPalette::Button, face);
    return button;
}

// Entries first..last, written with at least `digits` digits.
QStringList numberEntries(int first, int last, int digits) {
    QStringList entries;
    for (int number = first; number <= last; ++number) entries << QStringLiteral("%1").arg(number, digits, 10, QLatin1Char('0'));
    return entries;
}

// The locale's, for the report and the printed parameters alike.
std::string decimalSeparator() {
    return QLocale::system().decimalPoint().toStdString();
}

// A prompt as a screen reader should say it: without the colon and blanks
// that stand before the field.
QString spokenPrompt(std::string_view prompt) {
    QString spoken = qtText(prompt).trimmed();
    if (spoken.startsWith(QLatin1Char(':'))) spoken.remove(0, 1);
    return spoken.trimmed();
}

void readRightToLeft(QPlainTextEdit* box) {
    QTextOption option = box->document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight);
    box->document()->setDefaultTextOption(option);
}

}  // namespace

MainWindow::MainWindow(MessageBox& messages, std::unique_ptr<Printer> printer, const ClockRules& clockRules,
                       std::unique_ptr<Printer> pdfSaver)
    : messages_(messages), originalSiteClock_(clockRules), document_(clockRules), printer_(std::move(printer)), pdfSaver_(pdfSaver ? std::move(pdfSaver) : makeProductPdfSaver([this] {
          return pdfFileNameFor(document_.state().entered);
      })) {
    setObjectName(qtText(window_layout::window.name));
    setWindowTitle(qtText(window_texts::caption));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    setFont(legacyFont(msSansSerif, 8.25));
    setFixedSize(pixelRect(window_layout::window).size());
    buildInputPanel();
    buildReport();
    chart_ = placeWidget<SkyChart>(this, boxOf("Frame5"));
    handlers_ = new FieldHandlers(fields_, messages_, this);
    // After the field's own handler, so the box sees what the field kept.
    connect(handlers_, &FieldHandlers::dateOrTimeChanged, this, &MainWindow::followClockRules);
    connect(summerTime_, &QCheckBox::toggled, this, &MainWindow::clockInForceChanged);
    connect(compute_, &QPushButton::clicked, this, &MainWindow::computeSky);
    connect(printParameters_, &QPushButton::clicked, this, [this] { printParameterSheet(); });
    connect(printWindow_, &QPushButton::clicked, this, [this] { printWholeWindow(); });
    setTabOrder();
    nameForScreenReaders();
    answerRequests();
}

MainWindow::~MainWindow() = default;

// What other windows ask of the document is done here, as the user would do it.
void MainWindow::answerRequests() {
    connect(&document_, &SkyDocument::modelRequested, this, &MainWindow::chooseModel);
    connect(&document_, &SkyDocument::placeRequested, this, &MainWindow::standAt);
    connect(&document_, &SkyDocument::instantRequested, this, [this](const CivilDateTime& local, bool summer) {
        goTo(local);
        setSummerTime(summer);
        computeSky();
    });
}

void MainWindow::nameForScreenReaders() {
    fields_.year->setAccessibleName(spokenPrompt(window_texts::yearPrompt));
    fields_.month->setAccessibleName(spokenPrompt(window_texts::monthPrompt));
    fields_.day->setAccessibleName(spokenPrompt(window_texts::dayPrompt));
    fields_.hour->setAccessibleName(spokenPrompt(window_texts::hourPrompt));
    fields_.minute->setAccessibleName(spokenPrompt(window_texts::minutePrompt));
    summerTime_->setAccessibleName(qtText(window_texts::summerTime));
    compute_->setAccessibleName(qtText(window_texts::computeButton));
    printWindow_->setAccessibleName(qtText(window_texts::printWindowButton));
    printParameters_->setAccessibleName(qtText(window_texts::printParametersButton));
    calendarLine_->setAccessibleName(qtText(window_texts::calendarLineName));
    report_->setAccessibleName(qtText(window_texts::reportName));
    report_->setAccessibleDescription(qtText(window_texts::reportDescription));
    plot_->setAccessibleName(qtText(window_texts::moonPictureName));
}

void MainWindow::buildInputPanel() {
    auto* panel = placeWidget<QGroupBox>(this, boxOf("Form1"));
    panel->setTitle(qtText(window_texts::supplierLine));
    panel->setStyleSheet(QStringLiteral("QGroupBox#Form1::title { color: rgb(0, 0, 192); }"));
    buildLegend(panel);
    plot_ = placeWidget<QLabel>(panel, boxOf("plot"));
    plot_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    plot_->setFocusPolicy(Qt::StrongFocus);
    setBackground(plot_, Qt::black);
    moonPhoto_ = placePicture(plot_, boxOf("moon"), "moon_photo");
    moonPhoto_->hide();
    buildButtons(panel);
    buildFields(panel);
}

void MainWindow::buildButtons(QWidget* panel) {
    compute_ = placeButton(panel, "Command1", window_texts::computeButton, QColor(192, 192, 192));
    printWindow_ = placeButton(panel, "Command7", window_texts::printWindowButton, QColor(128, 128, 128));
    printParameters_ = placeButton(panel, "Command2", window_texts::printParametersButton, QColor(128, 128, 128));
    auto* returnPresses = new ReturnPressesButton(this);
    for (QPushButton* button : {compute_, printWindow_, printParameters_}) button->installEventFilter(returnPresses);
}

void MainWindow::buildFields(QWidget* panel) {
    fields_ = {placeField<QLineEdit>(panel, "Text1"), placeField<FieldCombo>(panel, "Combo1"),
               placeField<FieldCombo>(panel, "Combo2"), placeField<FieldCombo>(panel, "Combo3"),
               placeField<FieldCombo>(panel, "Combo4")};
    fields_.day->setEnabled(false);
    fields_.hour->setEnabled(false);
    fields_.minute->setEnabled(false);
    // Each prompt labels its field, which is how screen readers on Linux learn
    // what a combo box is for.
    const std::array<QWidget*, prompts.size()> prompted{fields_.hour, fields_.minute, fields_.year, fields_.month,
                                                        fields_.day};
    for (std::size_t i = 0; i < prompts.size(); ++i) {
        placeLabel(panel, boxOf(prompts[i].label), prompts[i].text,
                   {panel->palette().color(QPalette::WindowText), Qt::AlignLeft, font(), false, true})
            ->setBuddy(prompted[i]);
    }
    summerTime_ = placeWidget<QCheckBox>(panel, boxOf("Check4"));
    summerTime_->setText(qtText(window_texts::summerTime));
    calendarLine_ = placeWidget<QLineEdit>(panel, boxOf("Text6"));
    calendarLine_->setReadOnly(true);  // still selectable, so it can be copied
    // 9.75 point as designed cuts the longest line (a leap year's) in the
    // Hebrew font we have; 9 point is the largest size that shows it whole.
    calendarLine_->setFont(legacyFont(msSansSerif, 9));
    calendarLine_->setLayoutDirection(Qt::RightToLeft);
    setPaletteColour(calendarLine_, QPalette::Base, Qt::white);
    setPaletteColour(calendarLine_, QPalette::Text, Qt::red);
}

// Read-only but selectable, so the report can be copied.
void MainWindow::buildReport() {
    report_ = placeWidget<QPlainTextEdit>(this, boxOf("Text2"));
    report_->setReadOnly(true);
    report_->setFocusPolicy(Qt::ClickFocus);
    report_->setFont(legacyFont(msSerif, 8.25));
    setPaletteColour(report_, QPalette::Base, QColor(192, 192, 192));
    setPaletteColour(report_, QPalette::Text, Qt::white);
    readRightToLeft(report_);
}

void MainWindow::setTabOrder() {
    const std::array<QWidget*, 11> order{plot_,          calendarLine_, summerTime_,  fields_.day,
                                         fields_.month,  fields_.minute, fields_.year, fields_.hour,
                                         compute_,       printWindow_,   printParameters_};
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

bool MainWindow::startUp(const Clock& clock, std::chrono::milliseconds splashPause, bool nightSplash) {
    if (!showSplashFor(splashPause, nightSplash)) return false;
    clock_ = clock.clone();
    clock_->useRules(document_.clockRules());
    fillFieldsFromClock(*clock_);
    fillLists();
    followClockRules();
    if (const std::optional<bool> summer = clock_->summerTime()) setSummerTime(*summer);
    return true;
}

void MainWindow::showNow() {
    if (!clock_) return;
    clock_->useRules(document_.clockRules());
    fillFieldsFromClock(*clock_);
    followClockRules();
    if (const std::optional<bool> summer = clock_->summerTime()) setSummerTime(*summer);
    computeSky();
}

void MainWindow::goTo(const CivilDateTime& when) {
    {
        // The box follows once, for the whole instant.
        const QScopedValueRollback oneRuling(fillingFields_, true);
        fields_.year->setText(QString::number(when.year));
        fields_.month->setEditText(QString::number(when.month));
        fields_.day->setEditText(QString::number(when.day));
        fields_.hour->setEditText(QString::number(when.hour));
        fields_.minute->setEditText(QStringLiteral("%1").arg(when.minute, 2, 10, QLatin1Char('0')));
    }
    followClockRules();
}

bool MainWindow::step(StepUnit unit, int count) {
    const std::optional<CivilDateTime> from = enteredCivilTime(fieldTexts());
    if (!from) {
        messages_.show(messages::noDateEntered, messages::missingValueTitle);
        return false;
    }
    const std::optional<LocalTime> to = stepped(document_.clockRules(), {*from, summerTime_->isChecked()}, unit, count);
    if (!to) {
        messages_.show(messages::stepBeyondRange, messages::outOfRangeTitle);
        return false;
    }
    goTo(to->clock);
    setSummerTime(to->summer);  // which pass of the repeated autumn hour
    computeSky();
    return true;
}

void MainWindow::setSummerTime(bool on) {
    summerTime_->setChecked(on);
}

bool MainWindow::standAt(const Place& place) {
    std::unique_ptr<ClockRules> zoneClock;
    if (place != originalSite()) {
        zoneClock = ZoneClockRules::open(place.timeZone);
        if (!zoneClock) {
            messages_.show(messages::placeZoneUnknown, messages::placeTitle);
            return false;
        }
    }
    const ClockRules& clock = zoneClock ? *zoneClock : originalSiteClock_;
    calculator_.standAt(place, clock);
    document_.setPlace(place, clock);
    placeClock_ = std::move(zoneClock);  // the old clock goes only once nothing points to it
    summerTime_->setEnabled(clock.keepsSummerTime());
    if (!clock.keepsSummerTime()) summerTime_->setChecked(false);
    followClockRules();
    emit clockInForceChanged();
    if (document_.state().instant) {
        computeSky();
    } else {
        document_.setComputed(document_.state());
    }
    return true;
}

int MainWindow::offsetInForceSeconds() const {
    const ClockRules& clock = document_.clockRules();
    return summerTime_->isChecked() ? clock.summerOffsetSeconds() : clock.standardOffsetSeconds();
}

void MainWindow::chooseModel(ModelKind kind) {
    calculator_.choose(kind);
    if (document_.state().instant) computeSky();
}

// The clock is read anew for every field, as each assignment may run a while.
void MainWindow::fillFieldsFromClock(const Clock& clock) {
    using namespace clock_positions;
    fields_.year->setText(qtText(yearOf(clock.dateText())));
    fields_.month->setEditText(qtText(monthOf(clock.dateText())));
    fields_.day->setEditText(qtText(dayOf(clock.dateText())));
    fields_.hour->setEditText(qtText(hourOf(clock.timeText())));
    fields_.minute->setEditText(qtText(minuteOf(clock.timeText())));
}

void MainWindow::fillLists() {
    fields_.month->addEntries(numberEntries(1, 12, 1));
    fields_.day->addEntries(numberEntries(1, 31, 1));
    fields_.hour->addEntries(numberEntries(0, 24, 1));
    fields_.minute->addEntries(numberEntries(0, 59, 2));
}

// The box follows Israel's clock for the instant in the fields whenever a
// date or time field changes; a hand-set tick holds until then. While the
// fields name no instant the box keeps its state.
void MainWindow::followClockRules() {
    if (fillingFields_) return;
    const std::optional<CivilDateTime> entered = enteredCivilTime(fieldTexts());
    if (!entered) return;
    if (const std::optional<bool> summer = summerTimeAt(document_.clockRules(), *entered)) summerTime_->setChecked(*summer);
}

FieldTexts MainWindow::fieldTexts() const {
    return {fields_.year->text().toStdString(),  fields_.month->currentText().toStdString(),
            fields_.day->currentText().toStdString(), fields_.hour->currentText().toStdString(),
            fields_.minute->currentText().toStdString(), summerTime_->isChecked()};
}

void MainWindow::computeSky() {
    const ComputeOutcome outcome = calculator_.compute(fieldTexts(), decimalSeparator());
    if (const auto* refusal = std::get_if<Refusal>(&outcome)) {
        messages_.show(refusal->prompt, refusal->title);
        return;
    }
    const auto& sky = std::get<ComputedSky>(outcome);
    showSky(sky);
    const FieldTexts texts = fieldTexts();
    SkyState state = document_.state();
    state.entered = enteredCivilTime(texts);
    state.instant = sky.julianDate;
    state.summerTime = texts.summerTime;
    state.moonIllumination = sky.places.moon.illumination;
    state.model = sky.model;
    state.place = calculator_.place();
    document_.setComputed(state);
}

// The Moon's picture is fresh for every computation; the phase, when there is
// one to draw, goes on both Moon pictures.
void MainWindow::showSky(const ComputedSky& sky) {
    chart_->showSkyColour(sky.sky);
    plot_->setPixmap(moonPhoto_->pixmap());
    for (const MarkerPlacement& marker : sky.markers) chart_->placeMarker(marker);
    if (sky.moonPhase) drawMoonPhase(*sky.moonPhase);
    calendarLine_->setText(qtText(sky.text6));
    calendarLine_->setCursorPosition(0);  // show the line's beginning
    showReport(sky.report);
}

void MainWindow::showComputedColours() {
    chart_->showSkyColourAgain();
    if (document_.state().instant) setPaletteColour(report_, QPalette::Base, Qt::black);
}

void MainWindow::drawMoonPhase(const MoonPhaseDrawing& phase) {
    plot_->setPixmap(shadedCopy(moonPhoto_->pixmap(), phase));
    chart_->shadeMoonMarker(phase);
}

void MainWindow::showReport(const std::string& report) {
    report_->setPlainText(qtText(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    setPaletteColour(report_, QPalette::Base, Qt::black);
}

void MainWindow::printParameterSheet() {
    printParameterSheet(*printer_);
}

void MainWindow::printWholeWindow() {
    printWholeWindow(*printer_);
}

void MainWindow::saveParameterSheetAsPdf() {
    printParameterSheet(*pdfSaver_);
}

void MainWindow::saveWholeWindowAsPdf() {
    printWholeWindow(*pdfSaver_);
}

// Prints what the fields hold now under the last computed report.
void MainWindow::printParameterSheet(Printer& printer) {
    const FieldTexts texts = fieldTexts();
    std::string line = parameterLine(
        {window_texts::chartCaption, texts.year, texts.month, texts.day, texts.hour, texts.minute}, decimalSeparator());
    // Away from the original site the sheet says where its sky was seen.
    if (calculator_.place() != originalSite()) line += "  " + placeText(calculator_.place());
    printParameters(printer, qtText(line), report_->toPlainText());
}

void MainWindow::printWholeWindow(Printer& printer) {
    printScreen(printer, *this, [this](bool single) { chart_->showBorder(single); });
}

}  // namespace zenlith
