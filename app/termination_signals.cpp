#include "app/termination_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#if defined(__unix__) || defined(__APPLE__)
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>

namespace ritmora {
namespace {

// A signal handler may only do async-signal-safe work: it writes one byte into a socket whose
// other end the event loop watches.
std::array<int, 2> wakeSockets{-1, -1};
constexpr std::array kEndSignals{SIGTERM, SIGINT, SIGHUP};

void OnEndSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakeSockets[0], &byte, 1);
}

}  // namespace

TerminationSignals::TerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeSockets.data()) != 0) return;
    notifier_ = new QSocketNotifier(wakeSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(wakeSockets[1], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kEndSignals) ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) return;
    for (const int signal : kEndSignals) ::signal(signal, SIG_DFL);
    delete notifier_;
    ::close(wakeSockets[0]);
    ::close(wakeSockets[1]);
    wakeSockets = {-1, -1};
}

}  // namespace ritmora

#else

namespace ritmora {
// Windows ends a windowed program through its window messages, which Qt turns into a close.
TerminationSignals::TerminationSignals() = default;
TerminationSignals::~TerminationSignals() = default;
}  // namespace ritmora

#endif
