#include "ui/shutdown_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quavix {

namespace {

// A signal handler may only touch plain data and call async-signal-safe functions.
volatile sig_atomic_t handlerWriteEnd = -1;

void onShutdownSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  // Non-blocking: when the socket is full a wake-up is already pending.
  [[maybe_unused]] const ssize_t written = ::write(handlerWriteEnd, &byte, 1);
  errno = savedErrno;
}

}  // namespace

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pipe_.data()) != 0) {
    std::fprintf(stderr, "quavix: SIGTERM, SIGINT and SIGHUP will not save the scores: %s\n",
                 std::strerror(errno));
    return;
  }
  handlerWriteEnd = pipe_[1];
  notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &ShutdownSignals::drainPipe);

  for (size_t i = 0; i < kSignals.size(); ++i) {
    struct sigaction current {};
    if (sigaction(kSignals[i], nullptr, &current) != 0 || current.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = onShutdownSignal;
    sigemptyset(&action.sa_mask);
    // Caught once: a repeated signal takes the default way out if the first one is not served.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    installed_[i] = sigaction(kSignals[i], &action, &previous_[i]) == 0;
  }
}

ShutdownSignals::~ShutdownSignals() {
  for (size_t i = 0; i < kSignals.size(); ++i) {
    if (installed_[i] && !ignoring_) sigaction(kSignals[i], &previous_[i], nullptr);
  }
  if (pipe_[0] < 0) return;
  handlerWriteEnd = -1;
  delete notifier_;
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

void ShutdownSignals::ignoreFromNowOn() {
  ignoring_ = true;
  for (size_t i = 0; i < kSignals.size(); ++i) {
    if (installed_[i]) std::signal(kSignals[i], SIG_IGN);
  }
}

void ShutdownSignals::drainPipe() {
  char bytes[16];
  while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  if (requested_) return;
  requested_ = true;
  ignoreFromNowOn();
  emit shutdownRequested();
}

}  // namespace quavix
