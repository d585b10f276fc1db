#pragma once
// An editable drop-down field with the two events its handlers need:
//  - changed: the text changed, typed or assigned by the program, raised at
//    once (nested inside whatever assigned it);
//  - picked: the user picked an entry from the list (popup, arrow keys,
//    wheel). A pick changes the text too, but raises only picked.
// Typed texts are never added to the list, and nothing completes them.
#include <QComboBox>

namespace zenlith {

class FieldCombo : public QComboBox {
    Q_OBJECT
public:
    explicit FieldCombo(QWidget* parent);

    // Appends list entries without selecting one and without touching the
    // field's text (Qt would select the first entry of an empty list).
    void addEntries(const QStringList& entries);

    void hidePopup() override;

signals:
    void changed();
    void picked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void onActivated();
    bool picking_ = false;
};

}  // namespace zenlith
