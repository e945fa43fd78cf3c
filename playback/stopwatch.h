#pragma once
// The stopwatch xTimer: measures an interval on the steady clock in milliseconds, less the
// measured cost of one reading (Calibrieren).
#include <chrono>

namespace ritmora {

class xTimer {
  public:
    using Clock = std::chrono::steady_clock;

    void Start() { startCount_ = Clock::now(); }
    void Halt() { stopCount_ = Clock::now(); }

    // Measures how long two back-to-back readings take, so RunTime can leave it out.
    void Calibrieren();

    // Milliseconds from Start to Halt, less the calibration; 0 when neither ran yet.
    double RunTime() const;

    double CalibrationMs() const { return calibrationMs_; }

  private:
    Clock::time_point startCount_{};
    Clock::time_point stopCount_{};
    double calibrationMs_ = 0.0;
};

}  // namespace ritmora
