#include "playback/stopwatch.h"

namespace ritmora {

namespace {
double Milliseconds(xTimer::Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}
}  // namespace

void xTimer::Calibrieren() {
    startCount_ = Clock::now();
    stopCount_ = Clock::now();
    calibrationMs_ = Milliseconds(stopCount_ - startCount_);
}

double xTimer::RunTime() const { return Milliseconds(stopCount_ - startCount_) - calibrationMs_; }

}  // namespace ritmora
