#pragma once
// Return and Enter press the focused button, as Space does: Qt leaves them to
// a dialog's default button, and a default-looking button in a window would
// change how the window looks (and prints) whenever one has the focus.
#include <QObject>

namespace zenlith {

class ReturnPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zenlith
