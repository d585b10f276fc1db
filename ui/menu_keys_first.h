#pragma once
// The menus' keys come before the keys of whatever widget has the focus: a
// line edit takes Ctrl+E for "end of line", a text box other keys of its own,
// and the menu entry would never be reached from it.
#include <QObject>

class QMenuBar;

namespace zenlith {

class MenuKeysFirst : public QObject {
public:
    // Watches the whole application for as long as it lives.
    explicit MenuKeysFirst(const QMenuBar& menus, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isMenuKey(const QKeySequence& keys) const;

    const QMenuBar& menus_;
};

}  // namespace zenlith
