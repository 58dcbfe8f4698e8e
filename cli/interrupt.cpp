#include "interrupt.h"

#include <csignal>

namespace orvex::cli {

namespace {

volatile std::sig_atomic_t g_requested = 0;
struct sigaction g_old_int, g_old_term, g_old_pipe;

void on_signal(int)
{
    g_requested = 1;
}

} // namespace

InterruptGuard::InterruptGuard()
{
    g_requested = 0;
    struct sigaction sa {};
    sa.sa_handler = on_signal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0; // no restart: a blocked write returns and the flag is seen
    sigaction(SIGINT, &sa, &g_old_int);
    sigaction(SIGTERM, &sa, &g_old_term);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &g_old_pipe);
}

InterruptGuard::~InterruptGuard()
{
    sigaction(SIGINT, &g_old_int, nullptr);
    sigaction(SIGTERM, &g_old_term, nullptr);
    sigaction(SIGPIPE, &g_old_pipe, nullptr);
}

bool InterruptGuard::requested()
{
    return g_requested != 0;
}

} // namespace orvex::cli
