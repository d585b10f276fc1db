#pragma once
// "אירועי היום": the day's events for the date the main window last computed.
// A normal window beside the main one; closing it only hides it, so it comes
// back where the user left it.
#include <QWidget>
#include <optional>

#include "civil_date.h"
#include "clock_rules.h"
#include "day_calculator.h"
#include "printer.h"

class QPlainTextEdit;
class QPushButton;

namespace zenlith {

class EventsWindow : public QWidget {
    Q_OBJECT

public:
    EventsWindow(const ClockRules& clockRules, Printer& printer, QWidget* parent = nullptr);

    // The local day of the entered instant; illumination is the Moon's at it.
    void showDay(const std::optional<CivilDateTime>& entered, ModelKind model, double illumination);
    QString text() const;

private:
    void copyText();
    void print();

    const ClockRules& clockRules_;
    Printer& printer_;
    DayCalculator calculator_;
    // The searches of the day last shown: a step within the same day, or the
    // window reopened on it, only refreshes the Moon's illumination.
    struct ShownDay {
        std::optional<CivilDateTime> entered;
        ModelKind model;
        std::optional<DaySheet> sheet;
    };
    std::optional<ShownDay> shown_;
    QPlainTextEdit* sheet_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* print_ = nullptr;
};

}  // namespace zenlith
