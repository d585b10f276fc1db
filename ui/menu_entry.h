#pragma once
// A menu entry with its keys, which work from every window of the program.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <string_view>

#include "qt_text.h"

namespace zenlith {

inline QAction* menuEntry(QMenu* menu, std::string_view text, const QKeySequence& keys = {}) {
    QAction* action = menu->addAction(qtText(text));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
    return action;
}

}  // namespace zenlith
