#include "view_windows.h"

#include <QSettings>
#include <QWidget>

#include "menu_entry.h"
#include "window_geometry.h"

namespace zenlith {

ViewWindows::ViewWindows(const ViewContext& context, QSettings& settings, QWidget* owner)
    : QObject(owner), context_(context), settings_(settings), owner_(owner) {}

QAction* ViewWindows::add(QMenu* menu, std::string_view text, const QKeySequence& keys, const QString& name,
                          Maker make) {
    entries_[name] = Entry{std::move(make), nullptr};
    QAction* action = menuEntry(menu, text, keys);
    connect(action, &QAction::triggered, this, [this, name] { open(name); });
    return action;
}

QWidget* ViewWindows::open(const QString& name) {
    const auto found = entries_.find(name);
    if (found == entries_.end()) return nullptr;
    Entry& entry = found->second;
    if (!entry.window) {
        entry.window = entry.make(context_, owner_);
        restoreWindowGeometry(*entry.window, settings_, name);
    }
    entry.window->show();
    entry.window->raise();
    entry.window->activateWindow();
    return entry.window;
}

QWidget* ViewWindows::window(const QString& name) const {
    const auto found = entries_.find(name);
    return found == entries_.end() ? nullptr : found->second.window;
}

void ViewWindows::saveGeometries() {
    for (const auto& [name, entry] : entries_) {
        if (entry.window) saveWindowGeometry(*entry.window, settings_, name);
    }
}

}  // namespace zenlith
