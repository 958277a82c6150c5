#include "gui/shell/termination_signals.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quillux::gui {

namespace {
// [0] is written by the signal handler, [1] is read on the window thread.
int gSignalPipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, gSignalPipe) != 0) return;
    ::fcntl(gSignalPipe[0], F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(gSignalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::ReadSignal);

    struct sigaction action {};
    action.sa_handler = &TerminationSignals::Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : kSignals) ::sigaction(signalNumber, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    for (int signalNumber : kSignals) ::signal(signalNumber, SIG_DFL);
    delete notifier_;
    for (int& fd : gSignalPipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

void TerminationSignals::Handler(int signalNumber) {
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Only async-signal-safe calls here.
    [[maybe_unused]] const ssize_t written = ::write(gSignalPipe[0], &byte, 1);
}

void TerminationSignals::ReadSignal() {
    unsigned char byte = 0;
    if (::read(gSignalPipe[1], &byte, 1) == 1) emit TerminationRequested(byte);
}

}  // namespace quillux::gui
