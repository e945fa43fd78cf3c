#pragma once
// A request to end the program from outside (SIGTERM from a logout or `kill`, SIGINT from a
// terminal's Ctrl+C, SIGHUP when the terminal goes) leaves the event loop the ordinary way, so
// the shutdown cleanup runs as after a click on the window's close button. Without it the
// default action ends the process at once and leaves the rendered *.--- files behind.
#include <QObject>

class QSocketNotifier;

namespace ritmora {

class TerminationSignals : public QObject {
  public:
    TerminationSignals();
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

  private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace ritmora
