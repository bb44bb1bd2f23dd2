#include "QuitSignals.h"

#include <array>
#include <cerrno>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace daz::platform {
namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};

int pipeEnds[2] = {-1, -1};             // written by the handler, read by the loop
volatile std::sig_atomic_t pending[65]; // signals caught, by number
struct sigaction previous[65];

void Caught(int signal)
{
    if (signal <= 0 || signal > 64) {
        return;
    }
    if (pending[signal]) {
        // Asked again while the game ends: end at once, as the signal would.
        ::sigaction(signal, &previous[signal], nullptr);
        ::raise(signal);
        return;
    }
    pending[signal] = 1;
    const int saved = errno;
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const auto written = ::write(pipeEnds[1], &number, 1);
    errno = saved;
}

} // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0) {
        return;
    }
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char number = 0;
        // A signal stays pending: asked again, the program ends at once.
        while (::read(pipeEnds[0], &number, 1) == 1) {
            emit quitRequested(number);
        }
    });
    struct sigaction action = {};
    action.sa_handler = Caught;
    ::sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals) {
        pending[signal] = 0;
        ::sigaction(signal, &action, &previous[signal]);
        // A signal the game was started to ignore (nohup) stays ignored.
        if (previous[signal].sa_handler == SIG_IGN) {
            ::sigaction(signal, &previous[signal], nullptr);
        }
    }
}

QuitSignals::~QuitSignals()
{
    if (!notifier_) {
        return;
    }
    for (const int signal : kSignals) {
        ::sigaction(signal, &previous[signal], nullptr);
    }
    delete notifier_;
    notifier_ = nullptr;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void IgnoreFileSizeSignal()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace daz::platform
