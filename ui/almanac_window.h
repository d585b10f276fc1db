#pragma once
// "לוח חודשי": the month's table for the document's place and model, a row a
// day, right to left. It opens on the month of the date last computed and
// follows it; the user moves by month with the buttons or Page Up/Down,
// switches between the civil and the Hebrew month, hides columns and shows
// the day's halachic times as a group (both kept in the settings), prints the
// month on one page turned sideways, saves it as PDF or exports it as CSV.
#include <QWidget>
#include <array>
#include <optional>

#include "almanac_columns.h"
#include "classic_sky_model.h"
#include "precise_sky_model.h"
#include "printer.h"

class QAction;
class QCheckBox;
class QLabel;
class QSettings;
class QTableWidget;

namespace zenlith {

class MessageBox;
class SkyDocument;

class AlmanacWindow : public QWidget {
    Q_OBJECT

public:
    AlmanacWindow(SkyDocument& document, QSettings& settings, Printer& printer, Printer& pdfSaver,
                  MessageBox& messages, QWidget* parent = nullptr);

    // The month after (steps > 0) or before the one shown.
    void stepMonth(int steps);
    void setMonthKind(MonthKind kind);
    void setColumnShown(AlmanacColumn column, bool shown);
    // The halachic times' columns, by the custom of the document's place.
    void setZmanimShown(bool shown);
    // Writes the shown month's shown columns; says why in a message when it cannot.
    bool exportCsv(const QString& path);
    void print(Printer& printer);

    QString title() const;
    const QTableWidget& table() const { return *table_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void follow();
    void showRun(const DayRun& run);
    std::optional<ZmanimChoices> zmanimChoices() const;
    void fill();
    void shadeRows();
    void showColumns();
    void restoreColumns();
    void chooseCsvFile();

    SkyDocument& document_;
    QSettings& settings_;
    Printer& printer_;
    Printer& pdfSaver_;
    MessageBox& messages_;
    Engine engine_;
    ClassicSkyModel classic_{engine_};
    PreciseSkyModel precise_;
    MonthKind kind_ = MonthKind::civil;
    // What the document last asked for: a new month or model there is shown.
    std::optional<DayRun> followed_;
    ModelKind model_ = ModelKind::classic;
    Place place_ = originalSite();
    std::optional<DayRun> run_;
    std::vector<AlmanacDay> days_;
    QLabel* title_ = nullptr;
    QCheckBox* hebrewMonth_ = nullptr;
    QCheckBox* zmanim_ = nullptr;
    std::array<QAction*, almanacColumnCount> columnChoices_{};
    QTableWidget* table_ = nullptr;
};

}  // namespace zenlith
