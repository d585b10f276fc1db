#include "coming_window.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>

#include "coming_events.h"
#include "coming_text.h"
#include "coverage.h"
#include "day_sheet_text.h"
#include "print_actions.h"
#include "qt_text.h"

namespace zenlith {

namespace {

constexpr std::string_view title = "אירועים קרובים";
constexpr std::string_view copyLabel = "העתקה";
constexpr std::string_view printLabel = "הדפסה";
constexpr std::string_view kindLabel = "סוג:";
constexpr std::string_view bodyLabel = "גרם שמים:";
constexpr std::string_view everything = "הכל";
constexpr std::array<std::pair<std::string_view, EventGroup>, 5> groupLabels = {{
    {"מופעי הירח", EventGroup::phases},
    {"עונות השנה", EventGroup::seasons},
    {"כוכבי הלכת", EventGroup::planets},
    {"התקרבויות", EventGroup::approaches},
    {"ליקויים", EventGroup::eclipses},
}};
constexpr double spanDays = 365.25;
constexpr int eventRole = Qt::UserRole;

double nowJulianDate() { return 2440587.5 + static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 86400000.0; }

}  // namespace

ComingWindow::ComingWindow(SkyDocument& document, Printer& printer, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document), printer_(printer) {
    setObjectName(QStringLiteral("ComingWindow"));
    setWindowTitle(qtText(title));
    setLayoutDirection(Qt::RightToLeft);
    kind_ = new QComboBox(this);
    kind_->addItem(qtText(everything), 0U);
    for (const auto& [label, group] : groupLabels) {
        kind_->addItem(qtText(label), static_cast<unsigned>(group));
    }
    body_ = new QComboBox(this);
    body_->addItem(qtText(everything), -1);
    for (int body = 0; body < bodyCount; ++body) {
        body_->addItem(qtText(hebrewBodyName(body)), body);
    }
    list_ = new QTreeWidget(this);
    list_->setColumnCount(3);
    list_->setHeaderLabels({qtText("מועד"), qtText("תאריך עברי"), qtText("אירוע")});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setAccessibleName(qtText(title));
    copy_ = new QPushButton(qtText(copyLabel), this);
    print_ = new QPushButton(qtText(printLabel), this);
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(qtText(kindLabel), this));
    filters->addWidget(kind_);
    filters->addWidget(new QLabel(qtText(bodyLabel), this));
    filters->addWidget(body_);
    filters->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addWidget(print_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    connect(kind_, &QComboBox::activated, this, &ComingWindow::fill);
    connect(body_, &QComboBox::activated, this, &ComingWindow::fill);
    connect(list_, &QTreeWidget::itemActivated, this, &ComingWindow::activate);
    connect(copy_, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(text()); });
    connect(print_, &QPushButton::clicked, this, [this] { printLines(printer_, text()); });
    connect(&document_, &SkyDocument::stateChanged, this, [this] {
        if (isVisible()) follow();
    });
    resize(900, 560);
}

void ComingWindow::showEvent(QShowEvent* event) {
    follow();
    QWidget::showEvent(event);
}

void ComingWindow::follow() {
    const SkyState& state = document_.state();
    const double from = state.instant.value_or(nowJulianDate());
    if (searchedFrom_ && std::fabs(from - *searchedFrom_) < 1 && searchedPlace_ == state.place) {
        return;
    }
    searchedFrom_ = from;
    searchedPlace_ = state.place;
    const double to = from + spanDays;
    events_ = precise::covers(from) && precise::covers(to) ? findComingEvents(state.place, {from, to})
                                                           : std::vector<ComingEvent>{};
    fill();
}

void ComingWindow::fill() {
    const unsigned groups = kind_->currentData().toUInt();
    const int body = body_->currentData().toInt();
    list_->clear();
    QTreeWidgetItem* month = nullptr;
    std::pair<int, int> monthShown{0, 0};
    for (std::size_t k = 0; k < events_.size(); ++k) {
        const ComingEvent& event = events_[k];
        const bool kindFits = groups == 0 || (groups & static_cast<unsigned>(groupOf(event.kind))) != 0;
        const bool bodyFits = body < 0 || std::find(event.bodies.begin(), event.bodies.end(), body) != event.bodies.end();
        if (!kindFits || !bodyFits) {
            continue;
        }
        const ComingLine line = comingLine(event, document_.clockRules());
        const std::pair<int, int> eventMonth{line.local.clock.year, line.local.clock.month};
        if (!month || eventMonth != monthShown) {
            month = new QTreeWidgetItem(list_, {qtText(monthTitle(eventMonth.first, eventMonth.second))});
            month->setFirstColumnSpanned(true);
            month->setExpanded(true);
            monthShown = eventMonth;
        }
        auto* row = new QTreeWidgetItem(month, {qtText(line.when), qtText(line.hebrewDate), qtText(line.what)});
        row->setData(0, eventRole, static_cast<qulonglong>(k));
    }
    list_->expandAll();
}

void ComingWindow::activate(QTreeWidgetItem* item) {
    if (!item || !item->parent()) {
        return;  // a month's title
    }
    const auto k = static_cast<std::size_t>(item->data(0, eventRole).toULongLong());
    const LocalTime local = comingLine(events_.at(k), document_.clockRules()).local;
    emit document_.instantRequested(local.clock, local.summer);
}

QString ComingWindow::text() const {
    QStringList lines;
    for (int m = 0; m < list_->topLevelItemCount(); ++m) {
        const QTreeWidgetItem* month = list_->topLevelItem(m);
        lines << month->text(0);
        for (int r = 0; r < month->childCount(); ++r) {
            const QTreeWidgetItem* row = month->child(r);
            lines << row->text(0) + QStringLiteral("  ") + row->text(1) + QStringLiteral("  ") + row->text(2);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace zenlith
