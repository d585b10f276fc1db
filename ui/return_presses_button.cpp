#include "return_presses_button.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace zenlith {

bool ReturnPressesButton::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zenlith
