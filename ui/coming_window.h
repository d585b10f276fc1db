#pragma once
// "אירועים קרובים": the sky's coming events from the instant the main window
// last computed, a year on, as a right-to-left list grouped by month and
// filtered by kind and body. Activating an event (double click or Return)
// asks the document for that instant, so the main window computes it.
#include <QWidget>
#include <optional>
#include <vector>

#include "coming_event.h"
#include "printer.h"
#include "sky_document.h"

class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zenlith {

class ComingWindow : public QWidget {
    Q_OBJECT

public:
    ComingWindow(SkyDocument& document, Printer& printer, QWidget* parent = nullptr);

    // The rows shown, month titles and events, one a line: what is copied and printed.
    QString text() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Searches again when the document's instant has left the day searched
    // from, or its place has changed.
    void follow();
    void fill();
    void activate(QTreeWidgetItem* item);

    SkyDocument& document_;
    Printer& printer_;
    std::optional<double> searchedFrom_;  // Julian date, universal time
    Place searchedPlace_;
    std::vector<ComingEvent> events_;
    QComboBox* kind_ = nullptr;
    QComboBox* body_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* print_ = nullptr;
};

}  // namespace zenlith
