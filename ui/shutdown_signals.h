#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <array>
#include <csignal>

namespace quavix {

// Turns SIGTERM, SIGINT and SIGHUP (logout, Ctrl-C, kill) into a Qt signal on the thread that
// created this object, so that they end the program the way closing the window does:
//
//   ShutdownSignals shutdown;
//   QObject::connect(&shutdown, &ShutdownSignals::shutdownRequested, &window, &QWidget::close);
//
// Create it after the QApplication and before exec(); a signal that arrives while the window is
// still loading is delivered once the event loop runs. shutdownRequested is emitted once; each
// signal is caught only once, so a second Ctrl-C ends a program whose event loop is stuck.
// Once shut-down has begun (shutdownRequested, or ignoreFromNowOn() when the window was closed)
// the three signals are ignored for the rest of the process, so that one arriving during the
// tear-down can't kill it halfway. A signal ignored when the program started (nohup) stays
// ignored. One instance at a time.
class ShutdownSignals : public QObject {
  Q_OBJECT

 public:
  explicit ShutdownSignals(QObject* parent = nullptr);
  ~ShutdownSignals() override;

  // Shut-down has begun: SIGTERM, SIGINT and SIGHUP are ignored from now on, also after this
  // object is gone.
  void ignoreFromNowOn();

 signals:
  void shutdownRequested();

 private:
  void drainPipe();

  static constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

  std::array<int, 2> pipe_{-1, -1};  // [0] read by the notifier, [1] written by the handler
  QSocketNotifier* notifier_ = nullptr;
  std::array<struct sigaction, kSignals.size()> previous_{};
  std::array<bool, kSignals.size()> installed_{};
  bool requested_ = false;
  bool ignoring_ = false;
};

}  // namespace quavix
