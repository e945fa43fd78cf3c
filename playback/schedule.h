#pragma once
// The playback schedule: which one-shot timers an usul or a plan arms, and when, plus the
// running-time text and the progress bar width. Pure arithmetic, so every rule is testable
// without a clock.
#include <string>
#include <vector>

namespace ritmora {

// One timer to arm: its identifier within its family and its delay from "now".
struct TimerDue {
    int id = 0;
    int dueMs = 0;
    friend bool operator==(const TimerDue&, const TimerDue&) = default;
};

// Usul marker timers. strokeEndMs holds stroke k's end at index k - 1. Stroke k's timer
// (id k, k = 1 .. n - 1) moves the marker on to stroke k + 1 at strokeEndMs[k - 1]; the last
// stroke has none: its marker stays until the stop.
std::vector<TimerDue> MarkerTimers(const std::vector<int>& strokeEndMs);

// Usul end timer: the whole file has sounded.
int UsulEndTimerMs(double playDurationMs);

// Plan passage timers for playback from fromMs (the start of the selected passage, or the
// device position when a paused plan continues). passageEndMs holds passage j's end at index
// j - 1. Timer j (j = 1 .. count - 1) switches the display from passage j to j + 1; it is armed
// only when passage j ends after fromMs, with the time that remains until then. The last
// passage's end is the plan end timer's business.
std::vector<TimerDue> PassageTimers(const std::vector<int>& passageEndMs, int fromMs);

// Plan end timer for playback from fromMs: round(playDurationMs - fromMs), never negative.
int PlanEndTimerMs(double playDurationMs, int fromMs);

// The passage that sounds at positionMs (0-based, as the passage list counts): the first whose
// end lies after it; the last passage once everything has sounded.
int PassageAt(const std::vector<int>& passageEndMs, int positionMs);

// Running time as "mm.ss.fff" ("01.23.456" at 83456 ms). Minutes past 99 keep all their
// digits; a negative position reads as 0.
std::string PositionLabel(int ms);

// Width of the progress bar: round(width / playDurationMs x positionMs), kept within
// 0 .. width (an empty or unknown length shows no bar).
int ProgressWidth(int width, double playDurationMs, int positionMs);

}  // namespace ritmora
