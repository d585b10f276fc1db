#include "missing_display_guard.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace zenlith {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

std::vector<HeldMessage>& heldMessages() {
    static std::vector<HeldMessage> held;
    return held;
}

void holdOrStop(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const QByteArray display = qgetenv("DISPLAY");
        std::fprintf(stderr, "zenlith: no display was found (DISPLAY is %s): run it on a desktop, or under xvfb-run\n",
                     display.isEmpty() ? "empty" : ("\"" + display + "\" and cannot be reached").constData());
        std::_Exit(1);
    }
    heldMessages().push_back({type, QByteArray(context.category), text});
}

}  // namespace

MissingDisplayGuard::MissingDisplayGuard() : previous_(qInstallMessageHandler(holdOrStop)) {}

MissingDisplayGuard::~MissingDisplayGuard() { release(); }

void MissingDisplayGuard::release() {
    if (!armed_) return;
    armed_ = false;
    qInstallMessageHandler(previous_);
    for (const HeldMessage& message : heldMessages()) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages().clear();
}

}  // namespace zenlith
