#include "menu_keys_first.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace zenlith {

namespace {

bool holdsKeys(const QMenu& menu, const QKeySequence& keys) {
    for (const QAction* action : menu.actions()) {
        if (action->menu() && holdsKeys(*action->menu(), keys)) return true;
        if (!action->shortcut().isEmpty() && action->shortcut() == keys) return true;
    }
    return false;
}

}  // namespace

MenuKeysFirst::MenuKeysFirst(const QMenuBar& menus, QObject* parent) : QObject(parent), menus_(menus) {
    QCoreApplication::instance()->installEventFilter(this);
}

// A widget claims a key by accepting its ShortcutOverride; kept from the
// widget and left unaccepted, the key goes to the menu entry.
bool MenuKeysFirst::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        isMenuKey(QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()))) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool MenuKeysFirst::isMenuKey(const QKeySequence& keys) const {
    for (const QAction* top : menus_.actions()) {
        if (top->menu() && holdsKeys(*top->menu(), keys)) return true;
    }
    return false;
}

}  // namespace zenlith
