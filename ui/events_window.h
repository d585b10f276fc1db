#pragma once
// "אירועי היום": the day's events for the date the window's document last
// computed. A normal window beside the main one; while hidden it does no
// searches, and it is brought up to date when shown again.
#include <QWidget>
#include <optional>

#include "civil_date.h"
#include "day_calculator.h"
#include "printer.h"
#include "sky_document.h"

class QPlainTextEdit;
class QPushButton;

namespace zenlith {

class EventsWindow : public QWidget {
    Q_OBJECT

public:
    EventsWindow(const SkyDocument& document, Printer& printer, QWidget* parent = nullptr);

    QString text() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The local day of the document's instant.
    void showDay();
    void copyText();
    void print();

    const SkyDocument& document_;
    Printer& printer_;
    DayCalculator calculator_;
    // The searches of the day last shown: a step within the same day, or the
    // window reopened on it, only refreshes the Moon's illumination.
    struct ShownDay {
        std::optional<CivilDateTime> entered;
        ModelKind model;
        Place place;
        std::optional<DaySheet> sheet;
    };
    std::optional<ShownDay> shown_;
    QPlainTextEdit* sheet_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* print_ = nullptr;
};

}  // namespace zenlith
