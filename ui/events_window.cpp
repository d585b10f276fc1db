#include "events_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "day_sheet_text.h"
#include "print_actions.h"
#include "qt_text.h"

namespace zenlith {

namespace {

constexpr std::string_view copyLabel = "העתקה";
constexpr std::string_view printLabel = "הדפסה";
constexpr std::string_view noDay = "אין אירועים לתאריך זה";

QString joined(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines) {
        texts << qtText(line);
    }
    return texts.join(QLatin1Char('\n'));
}

}  // namespace

EventsWindow::EventsWindow(const SkyDocument& document, Printer& printer, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document), printer_(printer) {
    setObjectName(QStringLiteral("EventsWindow"));
    setWindowTitle(qtText(daySheetTitle));
    setLayoutDirection(Qt::RightToLeft);
    sheet_ = new QPlainTextEdit(this);
    sheet_->setReadOnly(true);
    sheet_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QTextOption option = sheet_->document()->defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight);
    sheet_->document()->setDefaultTextOption(option);
    sheet_->setAccessibleName(qtText(daySheetTitle));
    copy_ = new QPushButton(qtText(copyLabel), this);
    print_ = new QPushButton(qtText(printLabel), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addWidget(print_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheet_);
    layout->addLayout(buttons);
    connect(copy_, &QPushButton::clicked, this, &EventsWindow::copyText);
    connect(print_, &QPushButton::clicked, this, &EventsWindow::print);
    resize(760, 520);
    connect(&document_, &SkyDocument::stateChanged, this, [this] {
        if (isVisible()) showDay();
    });
}

void EventsWindow::showEvent(QShowEvent* event) {
    showDay();
    QWidget::showEvent(event);
}

void EventsWindow::showDay() {
    const SkyState& state = document_.state();
    if (!state.instant) return;  // nothing computed yet
    const std::optional<CivilDateTime>& entered = state.entered;
    const ModelKind model = state.model;
    const ClockRules& clockRules = document_.clockRules();
    auto sameDay = [&](const ShownDay& day) {
        return day.model == model && day.place == state.place && day.entered.has_value() == entered.has_value() &&
               (!entered || (day.entered->year == entered->year && day.entered->month == entered->month &&
                             day.entered->day == entered->day));
    };
    if (!shown_ || !sameDay(*shown_)) {
        shown_ = ShownDay{entered, model, state.place,
                          entered ? calculator_.sheetFor(model, clockRules, entered->year, entered->month, entered->day)
                                  : std::nullopt};
    }
    const std::optional<DaySheet>& sheet = shown_->sheet;
    sheet_->setPlainText(sheet ? joined(daySheetLines(*sheet, clockRules, state.moonIllumination)) : qtText(noDay));
}

QString EventsWindow::text() const { return sheet_->toPlainText(); }

void EventsWindow::copyText() { QGuiApplication::clipboard()->setText(text()); }

void EventsWindow::print() { printLines(printer_, text()); }

}  // namespace zenlith
