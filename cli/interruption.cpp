#include "interruption.h"

#include <atomic>
#include <csignal>

namespace zenlith::cli {

namespace {

std::atomic<bool> interruptedFlag{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void noteInterruption(int) { interruptedFlag.store(true); }

}  // namespace

void catchInterruptions() {
    struct sigaction action {};
    action.sa_handler = noteInterruption;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a read waiting for input returns, so the run can stop.
    action.sa_flags = SA_RESETHAND;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

bool interrupted() { return interruptedFlag.load(std::memory_order_relaxed); }

}  // namespace zenlith::cli
