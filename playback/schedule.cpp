#include "playback/schedule.h"

#include <algorithm>
#include <cstdio>

#include "library/rounding.h"

namespace ritmora {

std::vector<TimerDue> MarkerTimers(const std::vector<int>& strokeEndMs) {
    std::vector<TimerDue> timers;
    if (strokeEndMs.size() < 2) return timers;
    timers.reserve(strokeEndMs.size() - 1);
    for (std::size_t k = 1; k < strokeEndMs.size(); ++k) {
        timers.push_back({static_cast<int>(k), std::max(0, strokeEndMs[k - 1])});
    }
    return timers;
}

int UsulEndTimerMs(double playDurationMs) {
    return static_cast<int>(std::max<std::int64_t>(0, RoundHalfEven(playDurationMs)));
}

std::vector<TimerDue> PassageTimers(const std::vector<int>& passageEndMs, int fromMs) {
    std::vector<TimerDue> timers;
    for (std::size_t j = 1; j < passageEndMs.size(); ++j) {
        const int remaining = passageEndMs[j - 1] - fromMs;
        if (remaining > 0) timers.push_back({static_cast<int>(j), remaining});
    }
    return timers;
}

int PlanEndTimerMs(double playDurationMs, int fromMs) {
    return static_cast<int>(std::max<std::int64_t>(0, RoundHalfEven(playDurationMs - fromMs)));
}

int PassageAt(const std::vector<int>& passageEndMs, int positionMs) {
    for (std::size_t j = 0; j < passageEndMs.size(); ++j) {
        if (passageEndMs[j] > positionMs) return static_cast<int>(j);
    }
    return passageEndMs.empty() ? 0 : static_cast<int>(passageEndMs.size()) - 1;
}

std::string PositionLabel(int ms) {
    const long long p = std::max(0, ms);
    const long long m = p / 60000;
    const long long s = (p - 60000 * m) / 1000;
    const long long f = p - 60000 * m - 1000 * s;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld.%02lld.%03lld", m, s, f);
    return text;
}

int ProgressWidth(int width, double playDurationMs, int positionMs) {
    if (width <= 0 || !(playDurationMs > 0)) return 0;
    const auto x = RoundHalfEven(width / playDurationMs * positionMs);
    return static_cast<int>(std::clamp<std::int64_t>(x, 0, width));
}

}  // namespace ritmora
