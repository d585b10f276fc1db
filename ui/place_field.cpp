#include "place_field.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>

#include "entered_text_filter.h"
#include "place_text.h"
#include "qt_text.h"
#include "window_texts.h"

namespace zenlith {

namespace {

constexpr std::size_t suggestionsShown = 12;

// "ירושלים — Jerusalem": both names where the entry has both.
QString suggestionText(const PlaceEntry& entry) {
    if (entry.hebrew.empty()) return qtText(entry.english);
    return qtText(entry.hebrew) + QStringLiteral(" — ") + qtText(entry.english);
}

bool startsAsTyped(const Place& place, const std::string& typedKey) {
    return searchKey(placeName(place).toStdString()).starts_with(typedKey);
}

}  // namespace

QString placeName(const Place& place) {
    return qtText(place.name.empty() ? coordinatesText(place) : place.name);
}

PlaceField::PlaceField(const PlaceCatalogue& catalogue, QWidget* parent) : QWidget(parent), catalogue_(catalogue) {
    setLayoutDirection(Qt::RightToLeft);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 3, 6, 3);
    auto* prompt = new QLabel(qtText(window_texts::placePrompt), this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("placeField"));
    edit_->setPlaceholderText(qtText(window_texts::placeHint));
    edit_->setAccessibleName(qtText(window_texts::placeFieldName));
    edit_->setToolTip(qtText(window_texts::placeHint));
    edit_->setValidator(new EnteredTextFilter(edit_));
    prompt->setBuddy(edit_);
    offset_ = new QLabel(this);
    offset_->setObjectName(QStringLiteral("utcOffset"));
    offset_->setLayoutDirection(Qt::LeftToRight);
    row->addWidget(prompt);
    row->addWidget(edit_, 1);
    row->addWidget(offset_);
    rows_ = new QStringListModel(this);
    completer_ = new QCompleter(rows_, this);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(static_cast<int>(suggestionsShown));
    completer_->popup()->setLayoutDirection(Qt::RightToLeft);
    edit_->setCompleter(completer_);
    connect(edit_, &QLineEdit::textEdited, this, &PlaceField::suggest);
    // Queued: the completer writes the suggestion's text into the field after
    // it tells of the pick, and the field is to show the place's name.
    connect(
        completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
        [this](const QModelIndex& index) { pick(index.row()); }, Qt::QueuedConnection);
    connect(edit_, &QLineEdit::returnPressed, this, &PlaceField::enter);
}

void PlaceField::showPlace(const Place& place) {
    shown_ = placeName(place);
    edit_->setText(shown_);
    edit_->setCursorPosition(0);
    edit_->setToolTip(qtText(placeText(place)));
}

void PlaceField::showOffset(int offsetSeconds) {
    offset_->setText(qtText(utcOffsetText(offsetSeconds)));
}

void PlaceField::startTyping() {
    edit_->setFocus(Qt::ShortcutFocusReason);
    edit_->selectAll();
}

// Recent places that begin as typed, then the catalogue's matches.
void PlaceField::suggest(const QString& text) {
    const std::string typedKey = searchKey(text.toStdString());
    suggested_.clear();
    QStringList texts;
    for (const Place& place : recent_) {
        if (!startsAsTyped(place, typedKey)) continue;
        suggested_.push_back(place);
        texts << placeName(place);
    }
    if (!typedKey.empty()) {
        for (const PlaceEntry* entry : catalogue_.search(text.toStdString(), suggestionsShown)) {
            if (std::find(suggested_.begin(), suggested_.end(), entry->place) != suggested_.end()) continue;
            suggested_.push_back(entry->place);
            texts << suggestionText(*entry);
        }
    }
    rows_->setStringList(texts);
    if (!texts.isEmpty()) completer_->complete();
}

void PlaceField::pick(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= suggested_.size()) return;
    const Place place = suggested_[static_cast<std::size_t>(row)];
    rows_->setStringList({});
    showPlace(place);
    emit placePicked(place);
}

void PlaceField::enter() {
    const QModelIndex current = completer_->popup()->currentIndex();
    if (completer_->popup()->isVisible() && current.isValid()) {
        completer_->popup()->hide();
        pick(current.row());
        return;
    }
    if (edit_->text() == shown_) return;  // the chosen place itself
    // A suggestion's text, left in the field by a pick not yet handled.
    const int suggestion = static_cast<int>(rows_->stringList().indexOf(edit_->text()));
    if (suggestion >= 0) {
        pick(suggestion);
        return;
    }
    emit placeTyped(edit_->text());
}

}  // namespace zenlith
