#include "events_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "day_sheet_text.h"
#include "night_view.h"
#include "qt_text.h"
#include "table_page.h"

namespace zenlith {

namespace {

constexpr std::string_view copyLabel = "העתקה";
constexpr std::string_view printLabel = "הדפסה";
constexpr std::string_view pdfLabel = "שמירה כ־PDF";
constexpr std::string_view zmanimLabel = "זמני היום";
constexpr std::string_view byPlaceLabel = "נרות כמנהג המקום";
constexpr std::string_view atTzeitLabel = "הבדלה בצאת הכוכבים";
constexpr std::string_view seventyTwoLabel = "הבדלה 72 דקות אחרי השקיעה";
constexpr std::string_view noDay = "אין אירועים לתאריך זה";
constexpr int byPlace = -1;
// Large enough to read a table of the day and its halachic times on one A4 page.
constexpr double largestPrintPoints = 14;

QStringList texts(const std::vector<std::string>& cells) {
    QStringList list;
    for (const std::string& cell : cells) list << qtText(cell);
    return list;
}

}  // namespace

EventsWindow::EventsWindow(SkyDocument& document, QSettings& settings, Printer& printer, Printer& pdfSaver,
                           QWidget* parent)
    : QWidget(parent, Qt::Window),
      document_(document),
      settings_(settings),
      printer_(printer),
      pdfSaver_(pdfSaver),
      zmanim_(readZmanimSettings(settings)) {
    setObjectName(QStringLiteral("EventsWindow"));
    setWindowTitle(qtText(daySheetTitle));
    setLayoutDirection(Qt::RightToLeft);
    title_ = new QLabel(this);
    title_->setWordWrap(true);
    title_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    title_->setFont(titleFont);
    table_ = new QTableWidget(0, dayTableColumnCount, this);
    table_->setObjectName(QStringLiteral("EventsTable"));
    table_->setAccessibleName(qtText(daySheetTitle));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    // The names as wide as they need, the times sharing the rest: the table
    // always reaches both edges.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    for (int column = 0; column < dayTableColumnCount; ++column) {
        const DayColumn& info = dayTableColumns()[static_cast<std::size_t>(column)];
        auto* heading = new QTableWidgetItem(qtText(info.heading));
        heading->setToolTip(qtText(info.definition));
        table_->setHorizontalHeaderItem(column, heading);
    }
    // Everything on one panel that paints its own background: the night view's
    // effect works on a panel, not on a window.
    body_ = new QWidget(this);
    body_->setAutoFillBackground(true);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(body_);
    auto* layout = new QVBoxLayout(body_);
    layout->addWidget(title_);
    layout->addWidget(table_, 1);
    layout->addLayout(zmanimControls());
    layout->addLayout(buttons());
    resize(820, 880);
    connect(&document_, &SkyDocument::stateChanged, this, [this] {
        if (isVisible()) showDay();
    });
}

// The switch, the custom of candle lighting and the time of havdalah, as kept.
QLayout* EventsWindow::zmanimControls() {
    zmanimShown_ = new QCheckBox(qtText(zmanimLabel), this);
    zmanimShown_->setChecked(zmanim_.shown);
    custom_ = new QComboBox(this);
    custom_->setObjectName(QStringLiteral("CandleCustom"));
    custom_->addItem(qtText(byPlaceLabel), byPlace);
    for (const CandleCustom custom :
         {CandleCustom::jerusalem, CandleCustom::haifa, CandleCustom::elsewhereInIsrael, CandleCustom::abroad}) {
        custom_->addItem(QStringLiteral("נרות, %1: %2 דקות לפני השקיעה")
                             .arg(qtText(candleCustomName(custom)))
                             .arg(candleLightingMinutes(custom)),
                         static_cast<int>(custom));
    }
    custom_->setCurrentIndex(custom_->findData(zmanim_.custom ? static_cast<int>(*zmanim_.custom) : byPlace));
    havdalah_ = new QComboBox(this);
    havdalah_->setObjectName(QStringLiteral("Havdalah"));
    havdalah_->addItem(qtText(atTzeitLabel), static_cast<int>(HavdalahRule::atTzeit));
    havdalah_->addItem(qtText(seventyTwoLabel), static_cast<int>(HavdalahRule::seventyTwoMinutes));
    havdalah_->setCurrentIndex(havdalah_->findData(static_cast<int>(zmanim_.havdalah)));
    for (QWidget* choice : {static_cast<QWidget*>(custom_), static_cast<QWidget*>(havdalah_)}) {
        choice->setEnabled(zmanim_.shown);
    }
    connect(zmanimShown_, &QCheckBox::toggled, this, &EventsWindow::setZmanimShown);
    connect(custom_, &QComboBox::activated, this, &EventsWindow::keepZmanim);
    connect(havdalah_, &QComboBox::activated, this, &EventsWindow::keepZmanim);
    auto* row = new QHBoxLayout;
    row->addWidget(zmanimShown_);
    row->addWidget(custom_);
    row->addWidget(havdalah_);
    row->addStretch();
    return row;
}

QLayout* EventsWindow::buttons() {
    auto* copy = new QPushButton(qtText(copyLabel), this);
    auto* print = new QPushButton(qtText(printLabel), this);
    auto* pdf = new QPushButton(rightToLeftLabel(pdfLabel), this);
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(text()); });
    connect(print, &QPushButton::clicked, this, [this] { this->print(printer_); });
    connect(pdf, &QPushButton::clicked, this, [this] { this->print(pdfSaver_); });
    auto* row = new QHBoxLayout;
    row->addWidget(copy);
    row->addWidget(print);
    row->addWidget(pdf);
    row->addStretch();
    return row;
}

void EventsWindow::setZmanimShown(bool shown) {
    zmanimShown_->setChecked(shown);
    keepZmanim();
}

void EventsWindow::keepZmanim() {
    zmanim_.shown = zmanimShown_->isChecked();
    const int custom = custom_->currentData().toInt();
    zmanim_.custom = custom == byPlace ? std::nullopt : std::optional(static_cast<CandleCustom>(custom));
    zmanim_.havdalah = static_cast<HavdalahRule>(havdalah_->currentData().toInt());
    custom_->setEnabled(zmanim_.shown);
    havdalah_->setEnabled(zmanim_.shown);
    keepZmanimSettings(settings_, zmanim_);
    emit document_.zmanimChoicesChanged();
    if (isVisible()) showDay();
}

void EventsWindow::setNightView(bool on) { applyNightView(*body_, on); }

void EventsWindow::showEvent(QShowEvent* event) {
    showDay();
    QWidget::showEvent(event);
}

void EventsWindow::showDay() {
    const SkyState& state = document_.state();
    if (!state.instant) return;  // nothing computed yet
    const std::optional<CivilDateTime>& entered = state.entered;
    const ClockRules& clockRules = document_.clockRules();
    const std::optional<ZmanimChoices> choices =
        zmanim_.shown ? std::optional(zmanimChoicesAt(zmanim_, state.place)) : std::nullopt;
    auto sameDay = [&](const ShownDay& day) {
        return day.model == state.model && day.place == state.place && day.zmanim == choices &&
               day.horizonDipped == state.horizonDipped &&
               day.entered.has_value() == entered.has_value() &&
               (!entered || (day.entered->year == entered->year && day.entered->month == entered->month &&
                             day.entered->day == entered->day));
    };
    const bool newDay = !shown_ || !sameDay(*shown_);
    if (newDay) {
        std::optional<DaySheet> sheet;
        if (entered) {
            calculator_.standAt(state.place);
            calculator_.dipForHeight(state.horizonDipped);
            sheet = calculator_.sheetFor(state.model, clockRules, entered->year, entered->month, entered->day, choices);
        }
        shown_ = ShownDay{entered, state.model, state.place, state.horizonDipped, choices, sheet};
    }
    const std::optional<DaySheet>& sheet = shown_->sheet;
    if (!sheet) {
        fill({std::string(noDay)}, {}, newDay);
        return;
    }
    fill(dayTableTitle(*sheet, clockRules), dayTableRows(*sheet, clockRules, state.moonIllumination), newDay);
}

void EventsWindow::fill(const std::vector<std::string>& title, const std::vector<DayTableRow>& rows, bool newDay) {
    rows_ = rows;
    title_->setText(texts(title).join(QLatin1Char('\n')));
    table_->clearSpans();
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const DayTableRow& shown = rows[static_cast<std::size_t>(row)];
        const int cellCount = static_cast<int>(shown.cells.size());
        for (int column = 0; column < dayTableColumnCount; ++column) {
            auto* item = new QTableWidgetItem(column < cellCount ? qtText(shown.cells[column]) : QString());
            // Names, and a value across the row, start at the right, beside each other.
            const bool leading = column == 0 || (column == cellCount - 1 && cellCount < dayTableColumnCount);
            item->setTextAlignment(leading ? Qt::AlignLeading | Qt::AlignVCenter : Qt::AlignCenter);
            if (shown.kind == DayRowKind::heading) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            if (!shown.definition.empty()) item->setToolTip(qtText(shown.definition));
            table_->setItem(row, column, item);
        }
        if (cellCount < dayTableColumnCount) table_->setSpan(row, cellCount - 1, 1, dayTableColumnCount - cellCount + 1);
    }
    shadeHeadings();
    // Back to the right edge, where the names are; to the first row only for
    // a new day, so that steps within the day leave the reader where they were.
    if (newDay) table_->scrollToTop();
    table_->horizontalScrollBar()->setValue(table_->horizontalScrollBar()->minimum());
}

// The parts' heading rows in the palette's own shade, so the night view keeps them red.
void EventsWindow::shadeHeadings() {
    const QBrush shade = palette().brush(QPalette::Midlight);
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
        const bool heading = rows_[static_cast<std::size_t>(row)].kind == DayRowKind::heading;
        for (int column = 0; column < dayTableColumnCount; ++column) {
            if (QTableWidgetItem* item = table_->item(row, column)) item->setBackground(heading ? shade : QBrush());
        }
    }
}

void EventsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) shadeHeadings();
    QWidget::changeEvent(event);
}

QString EventsWindow::text() const {
    QStringList lines = title_->text().split(QLatin1Char('\n'));
    QStringList headings;
    for (const DayColumn& column : dayTableColumns()) headings << qtText(column.heading);
    lines << headings.join(QLatin1Char('\t'));
    for (const DayTableRow& row : rows_) lines << texts(row.cells).join(QLatin1Char('\t'));
    return lines.join(QLatin1Char('\n'));
}

void EventsWindow::print(Printer& printer) {
    TablePage page{title_->text().split(QLatin1Char('\n')), {}, {}, false, largestPrintPoints};
    for (const DayColumn& column : dayTableColumns()) page.headings << qtText(column.heading);
    for (const DayTableRow& row : rows_) {
        const bool heading = row.kind == DayRowKind::heading;
        page.rows.push_back({texts(row.cells), heading, heading});
    }
    printer.setLandscape(false);
    printer.printImage(tablePageImage(page));
    printer.endDocument();
}

}  // namespace zenlith
