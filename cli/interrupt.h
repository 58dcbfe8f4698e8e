// Ctrl+C and termination requests for a command that runs long: while a
// guard lives, SIGINT and SIGTERM only raise a flag, which the command checks
// between steps, so it ends through its ordinary clean-up (closing the
// session removes its working folder). A write to a closed pipe fails with
// EPIPE instead of killing the process.
#pragma once

namespace orvex::cli {

class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard &) = delete;
    InterruptGuard &operator=(const InterruptGuard &) = delete;

    static bool requested();
};

} // namespace orvex::cli
