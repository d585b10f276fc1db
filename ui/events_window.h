#pragma once
// "אירועי היום": the day's events for the date the window's document last
// computed, at its place and on its model, as a right-to-left table (see
// day_table.h), with the day's halachic times shown when the user asks. A
// normal window beside the main one; while hidden it does no searches, and it
// is brought up to date when shown again.
#include <QWidget>
#include <optional>

#include "day_calculator.h"
#include "day_table.h"
#include "printer.h"
#include "sky_document.h"
#include "zmanim_settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSettings;
class QTableWidget;

namespace zenlith {

class EventsWindow : public QWidget {
    Q_OBJECT

public:
    EventsWindow(SkyDocument& document, QSettings& settings, Printer& printer, Printer& pdfSaver,
                 QWidget* parent = nullptr);

    // The title lines, the headings and the rows as tab-separated lines: what "העתקה" copies.
    QString text() const;
    const QTableWidget& table() const { return *table_; }
    void setZmanimShown(bool shown);
    // Every pixel in dim red on black, frames and controls included.
    void setNightView(bool on);
    void print(Printer& printer);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QLayout* zmanimControls();
    QLayout* buttons();
    void keepZmanim();
    // The local day of the document's instant.
    void showDay();
    void fill(const std::vector<std::string>& title, const std::vector<DayTableRow>& rows, bool newDay);
    void shadeHeadings();

    SkyDocument& document_;
    QSettings& settings_;
    Printer& printer_;
    Printer& pdfSaver_;
    DayCalculator calculator_;
    ZmanimSettings zmanim_;
    // The searches of the day last shown: a step within the same day, or the
    // window reopened on it, only refreshes the Moon's illumination.
    struct ShownDay {
        std::optional<CivilDateTime> entered;
        ModelKind model;
        Place place;
        bool horizonDipped;
        std::optional<ZmanimChoices> zmanim;
        std::optional<DaySheet> sheet;
    };
    std::optional<ShownDay> shown_;
    std::vector<DayTableRow> rows_;
    QWidget* body_ = nullptr;
    QLabel* title_ = nullptr;
    QTableWidget* table_ = nullptr;
    QCheckBox* zmanimShown_ = nullptr;
    QComboBox* custom_ = nullptr;
    QComboBox* havdalah_ = nullptr;
};

}  // namespace zenlith
