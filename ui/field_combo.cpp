#include "field_combo.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

namespace zenlith {

namespace {

bool movesThroughList(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

}  // namespace

FieldCombo::FieldCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        if (!picking_) emit changed();
    });
    connect(this, &QComboBox::activated, this, &FieldCombo::onActivated);
}

void FieldCombo::addEntries(const QStringList& entries) {
    const QSignalBlocker quietList(this);
    const QSignalBlocker quietText(lineEdit());
    const QString text = currentText();
    const int index = currentIndex();
    addItems(entries);
    setCurrentIndex(index);
    setEditText(text);
}

// Qt also activates an entry when typed text that matches it loses the
// focus; that is typing, not a pick, so only activations inside a pick count.
void FieldCombo::onActivated() {
    if (!picking_) return;
    picking_ = false;
    emit picked();
}

// The popup closes right before Qt applies the chosen entry, in the same
// event; if nothing was chosen, the flag falls at the next turn of the loop.
void FieldCombo::hidePopup() {
    picking_ = true;
    QComboBox::hidePopup();
    QTimer::singleShot(0, this, [this] { picking_ = false; });
}

// Typing after a popup closed without a pick is typing again.
void FieldCombo::keyPressEvent(QKeyEvent* event) {
    picking_ = movesThroughList(event->key());
    QComboBox::keyPressEvent(event);
    picking_ = false;
}

void FieldCombo::wheelEvent(QWheelEvent* event) {
    picking_ = true;
    QComboBox::wheelEvent(event);
    picking_ = false;
}

}  // namespace zenlith
