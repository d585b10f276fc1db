#include "almanac_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSaveFile>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "almanac_page.h"
#include "almanac_table_text.h"
#include "kept_settings.h"
#include "menu_texts.h"
#include "message_box.h"
#include "qt_text.h"
#include "sky_document.h"
#include "zmanim_settings.h"

namespace zenlith {

namespace {

constexpr std::string_view previousLabel = "החודש הקודם";
constexpr std::string_view nextLabel = "החודש הבא";
constexpr std::string_view hebrewMonthLabel = "חודש עברי";
constexpr std::string_view columnsLabel = "עמודות";
constexpr std::string_view zmanimLabel = "זמני היום";
constexpr std::string_view zmanimTooltip =
    "עלות השחר, משיכיר, סופי זמן קריאת שמע ותפילה, חצות, המנחות, צאת הכוכבים, הדלקת נרות והבדלה, כמנהג המקום";
constexpr std::string_view printLabel = "הדפסה";
constexpr std::string_view pdfLabel = "שמירה כ־PDF";
constexpr std::string_view csvLabel = "ייצוא ל־CSV";
constexpr std::string_view absent = "—";
constexpr std::string_view noMonth = "המודל אינו מכסה חודש זה";
constexpr std::string_view csvFailed = "הקובץ לא נשמר: לא ניתן לכתוב אותו במקום שנבחר. בחרו תיקייה או שם אחרים.";

const QString zmanimKey = QStringLiteral("almanac/zmanim");
const QString hiddenColumnsKey = QStringLiteral("almanac/hiddenColumns");

// On the document's side of the window the searches hold their own models,
// never the main form's engine.
SkyModel& modelOf(ModelKind kind, ClassicSkyModel& classic, PreciseSkyModel& precise) {
    return kind == ModelKind::precise ? static_cast<SkyModel&>(precise) : classic;
}

}  // namespace

AlmanacWindow::AlmanacWindow(SkyDocument& document, QSettings& settings, Printer& printer, Printer& pdfSaver,
                             MessageBox& messages, QWidget* parent)
    : QWidget(parent, Qt::Window),
      document_(document),
      settings_(settings),
      printer_(printer),
      pdfSaver_(pdfSaver),
      messages_(messages) {
    setObjectName(QStringLiteral("AlmanacWindow"));
    setWindowTitle(qtText(menu_texts::monthTable));
    setLayoutDirection(Qt::RightToLeft);
    auto* previous = new QPushButton(qtText(previousLabel), this);
    auto* next = new QPushButton(qtText(nextLabel), this);
    title_ = new QLabel(this);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    title_->setFont(titleFont);
    title_->setAlignment(Qt::AlignCenter);
    hebrewMonth_ = new QCheckBox(qtText(hebrewMonthLabel), this);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("AlmanacTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->setColumnCount(almanacColumnCount);
    auto* columnsMenu = new QMenu(this);
    for (const AlmanacColumnInfo& info : almanacColumns()) {
        auto* heading = new QTableWidgetItem(qtText(info.heading));
        heading->setToolTip(qtText(info.definition));
        table_->setHorizontalHeaderItem(static_cast<int>(info.column), heading);
        if (info.group == AlmanacGroup::zmanim && info.column == AlmanacColumn::alotHaShachar) {
            columnsMenu->addSection(qtText(zmanimLabel));
        }
        QAction* shown = columnsMenu->addAction(qtText(info.heading));
        shown->setCheckable(true);
        shown->setChecked(true);
        const AlmanacColumn column = info.column;
        connect(shown, &QAction::toggled, this, [this, column](bool on) { setColumnShown(column, on); });
        columnChoices_[static_cast<std::size_t>(column)] = shown;
    }
    zmanim_ = new QCheckBox(qtText(zmanimLabel), this);
    zmanim_->setToolTip(qtText(zmanimTooltip));
    auto* columns = new QToolButton(this);
    columns->setText(qtText(columnsLabel));
    columns->setMenu(columnsMenu);
    columns->setPopupMode(QToolButton::InstantPopup);
    auto* print = new QPushButton(qtText(printLabel), this);
    auto* pdf = new QPushButton(rightToLeftLabel(pdfLabel), this);
    auto* csv = new QPushButton(rightToLeftLabel(csvLabel), this);

    auto* top = new QHBoxLayout;
    top->addWidget(previous);
    top->addWidget(title_, 1);
    top->addWidget(next);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(hebrewMonth_);
    bottom->addWidget(columns);
    bottom->addWidget(zmanim_);
    bottom->addStretch();
    bottom->addWidget(print);
    bottom->addWidget(pdf);
    bottom->addWidget(csv);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addLayout(bottom);

    connect(previous, &QPushButton::clicked, this, [this] { stepMonth(-1); });
    connect(next, &QPushButton::clicked, this, [this] { stepMonth(1); });
    connect(new QShortcut(QKeySequence(Qt::Key_PageUp), this), &QShortcut::activated, this, [this] { stepMonth(-1); });
    connect(new QShortcut(QKeySequence(Qt::Key_PageDown), this), &QShortcut::activated, this,
            [this] { stepMonth(1); });
    connect(hebrewMonth_, &QCheckBox::toggled, this,
            [this](bool on) { setMonthKind(on ? MonthKind::hebrew : MonthKind::civil); });
    restoreColumns();
    connect(zmanim_, &QCheckBox::toggled, this, &AlmanacWindow::setZmanimShown);
    connect(print, &QPushButton::clicked, this, [this] { this->print(printer_); });
    connect(pdf, &QPushButton::clicked, this, [this] { this->print(pdfSaver_); });
    connect(csv, &QPushButton::clicked, this, &AlmanacWindow::chooseCsvFile);
    connect(&document_, &SkyDocument::stateChanged, this, &AlmanacWindow::follow);
    connect(&document_, &SkyDocument::zmanimChoicesChanged, this, [this] {
        if (zmanim_->isChecked() && run_) showRun(*run_);
    });
    resize(1200, 760);
    follow();
}

// A new month or model in the document is shown; a step within the month the
// user already has in view leaves the window where it is.
void AlmanacWindow::follow() {
    const SkyState& state = document_.state();
    if (!state.entered) {
        return;
    }
    const std::optional<DayRun> run = monthAround(kind_, *state.entered);
    if (!run || (run == followed_ && state.model == model_ && state.place == place_ && run_)) {
        return;
    }
    followed_ = run;
    model_ = state.model;
    place_ = state.place;
    classic_.standAt(place_);
    precise_.standAt(place_);
    showRun(*run);
}

void AlmanacWindow::stepMonth(int steps) {
    if (const std::optional<DayRun> run = run_ ? monthStepped(kind_, *run_, steps) : std::nullopt) {
        showRun(*run);
    }
}

void AlmanacWindow::setMonthKind(MonthKind kind) {
    hebrewMonth_->setChecked(kind == MonthKind::hebrew);
    if (kind == kind_) {
        return;
    }
    kind_ = kind;
    // The new kind's month around the middle of the one shown.
    if (run_) {
        const CivilDateTime middle = civilDateTimeOf(julianDateOf(run_->first) + run_->dayCount / 2);
        if (const std::optional<DayRun> run = monthAround(kind_, middle)) showRun(*run);
    }
    followed_.reset();
}

void AlmanacWindow::setColumnShown(AlmanacColumn column, bool shown) {
    columnChoices_[static_cast<std::size_t>(column)]->setChecked(shown);
    QStringList hidden;
    for (const AlmanacColumnInfo& info : almanacColumns()) {
        if (!columnChoices_[static_cast<std::size_t>(info.column)]->isChecked()) hidden << qtText(info.key);
    }
    keepValue(settings_, hiddenColumnsKey, hidden.join(QLatin1Char(',')), QString());
    showColumns();
}

void AlmanacWindow::setZmanimShown(bool shown) {
    zmanim_->setChecked(shown);
    keepValue(settings_, zmanimKey, shown, false);
    showColumns();
    if (shown && run_ && !days_.empty() && !days_.front().zmanim) showRun(*run_);
}

// A column is shown when its choice is on and, for a halachic time, the group is.
void AlmanacWindow::showColumns() {
    for (const AlmanacColumnInfo& info : almanacColumns()) {
        const bool chosen = columnChoices_[static_cast<std::size_t>(info.column)]->isChecked();
        table_->setColumnHidden(static_cast<int>(info.column),
                                !chosen || (info.group == AlmanacGroup::zmanim && !zmanim_->isChecked()));
    }
    table_->resizeColumnsToContents();  // a column hidden while filled has no width of its own
}

// Keys the settings name that are no column's are passed over.
void AlmanacWindow::restoreColumns() {
    const QStringList hidden = settings_.value(hiddenColumnsKey).toString().split(QLatin1Char(','));
    for (const AlmanacColumnInfo& info : almanacColumns()) {
        QAction* choice = columnChoices_[static_cast<std::size_t>(info.column)];
        const QSignalBlocker quiet(choice);
        choice->setChecked(!hidden.contains(qtText(info.key)));
    }
    zmanim_->setChecked(readFlag(settings_, zmanimKey));
    showColumns();
}

// The halachic times by the custom chosen in the day's events window, or the place's.
std::optional<ZmanimChoices> AlmanacWindow::zmanimChoices() const {
    if (!zmanim_->isChecked()) return std::nullopt;
    return zmanimChoicesAt(readZmanimSettings(settings_), place_);
}

void AlmanacWindow::showRun(const DayRun& run) {
    run_ = run;
    const std::optional<std::vector<AlmanacDay>> days =
        almanacDays(modelOf(model_, classic_, precise_), document_.clockRules(), run, zmanimChoices());
    days_ = days.value_or(std::vector<AlmanacDay>{});
    title_->setText(qtText(almanacTitle(kind_, run)) + (days ? QString() : QStringLiteral(" — ") + qtText(noMonth)));
    fill();
}

void AlmanacWindow::fill() {
    const ClockRules& rules = document_.clockRules();
    table_->setRowCount(static_cast<int>(days_.size()));
    for (int row = 0; row < static_cast<int>(days_.size()); ++row) {
        for (const AlmanacColumnInfo& info : almanacColumns()) {
            const std::string cell = almanacCell(days_[row], info.column, rules);
            auto* item = new QTableWidgetItem(qtText(cell.empty() ? absent : cell));
            item->setTextAlignment(Qt::AlignCenter);
            item->setToolTip(qtText(cell.empty() ? almanacAbsenceText(days_[row], info.column) : info.definition));
            table_->setItem(row, static_cast<int>(info.column), item);
        }
    }
    shadeRows();
    table_->resizeColumnsToContents();
}

// Shabbat and festival rows in the palette's own shade, so the night view
// keeps them red.
void AlmanacWindow::shadeRows() {
    const QBrush shade = palette().brush(QPalette::Midlight);
    for (int row = 0; row < static_cast<int>(days_.size()); ++row) {
        const bool setApart = isSetApart(days_[row]);
        for (int column = 0; column < almanacColumnCount; ++column) {
            if (QTableWidgetItem* item = table_->item(row, column)) item->setBackground(setApart ? shade : QBrush());
        }
    }
}

void AlmanacWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) shadeRows();
    QWidget::changeEvent(event);
}

QString AlmanacWindow::title() const { return title_->text(); }

void AlmanacWindow::print(Printer& printer) {
    QStringList headings;
    for (int column = 0; column < almanacColumnCount; ++column) {
        if (!table_->isColumnHidden(column)) headings << table_->horizontalHeaderItem(column)->text();
    }
    std::vector<AlmanacPageRow> rows;
    for (int row = 0; row < table_->rowCount(); ++row) {
        AlmanacPageRow& page = rows.emplace_back();
        for (int column = 0; column < almanacColumnCount; ++column) {
            if (!table_->isColumnHidden(column)) page.cells << table_->item(row, column)->text();
        }
        page.setApart = isSetApart(days_[static_cast<std::size_t>(row)]);
    }
    printer.setLandscape(true);
    printer.printImage(almanacPageImage(title(), headings, rows));
    printer.endDocument();
}

bool AlmanacWindow::exportCsv(const QString& path) {
    std::vector<AlmanacColumn> shown;
    for (const AlmanacColumnInfo& info : almanacColumns()) {
        if (!table_->isColumnHidden(static_cast<int>(info.column))) shown.push_back(info.column);
    }
    // The byte-order mark tells a spreadsheet that the Hebrew is UTF-8.
    std::string text = "\xEF\xBB\xBF";
    appendAlmanacCsvHeader(text, shown, AlmanacHeadings::hebrew);
    appendAlmanacCsvRows(text, days_, shown, document_.clockRules());
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
                       file.commit();
    if (!saved) messages_.show(csvFailed, menu_texts::monthTable);
    return saved;
}

void AlmanacWindow::chooseCsvFile() {
    const QString path = QFileDialog::getSaveFileName(this, qtText(csvLabel), QString(), QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty()) exportCsv(path);
}

}  // namespace zenlith
