#pragma once
// The place field above the form: part of a name, in Hebrew or English, or
// coordinates; suggestions as one types, recently used places first; Enter
// or a pick from the list chooses. Beside it, the offset from universal time
// the form computes on ("UTC+3").
#include <QWidget>
#include <vector>

#include "place.h"
#include "place_catalogue.h"

class QCompleter;
class QLabel;
class QLineEdit;
class QStringListModel;

namespace zenlith {

class PlaceField : public QWidget {
    Q_OBJECT

public:
    PlaceField(const PlaceCatalogue& catalogue, QWidget* parent = nullptr);

    // The chosen place's name in the field, the field's edits forgotten.
    void showPlace(const Place& place);
    void setRecent(const std::vector<Place>& recent) { recent_ = recent; }
    void showOffset(int offsetSeconds);
    // Into the field, its text selected, to type a new place over it.
    void startTyping();

signals:
    // Enter on a text that is no suggestion: the chooser reads it.
    void placeTyped(const QString& text);
    void placePicked(const zenlith::Place& place);

private:
    void suggest(const QString& text);
    void pick(int row);
    void enter();

    const PlaceCatalogue& catalogue_;
    std::vector<Place> recent_;
    std::vector<Place> suggested_;  // the places behind the completer's rows
    QString shown_;                 // the chosen place's name as the field shows it
    QLineEdit* edit_ = nullptr;
    QLabel* offset_ = nullptr;
    QStringListModel* rows_ = nullptr;
    QCompleter* completer_ = nullptr;
};

// How the field, the title bar and the menu name a place: its name, or its
// coordinates when it has none.
QString placeName(const Place& place);

}  // namespace zenlith
