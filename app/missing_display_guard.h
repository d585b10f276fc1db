#pragma once
// Qt ends a program whose window system cannot be reached with abort() and a
// few lines of its own. While a guard is armed, that end becomes one line
// saying no display was found and status 1; Qt's other messages are held and
// passed on once the guard is released.
#include <QtGlobal>

namespace zenlith {

class MissingDisplayGuard {
public:
    MissingDisplayGuard();
    ~MissingDisplayGuard();
    MissingDisplayGuard(const MissingDisplayGuard&) = delete;
    MissingDisplayGuard& operator=(const MissingDisplayGuard&) = delete;

    // The window system answered: Qt's messages go their usual way again.
    void release();

private:
    QtMessageHandler previous_;
    bool armed_ = true;
};

}  // namespace zenlith
