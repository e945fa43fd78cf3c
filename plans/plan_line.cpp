#include "plans/plan_line.h"

#include <cmath>
#include <cstdlib>

#include "app/texts.h"
#include "library/rounding.h"
#include "notation/relayout.h"
#include "plans/plan_syntax.h"

namespace ritmora {
namespace {

int BeatCountOf(UsulLibrary& library, int slot) {
    UsulRecord record;
    if (!library.ReadSlot(slot, record)) return 0;
    return MevcutHalka(record);
}

// Rounds a value already known to lie within the bounds of an int.
int ToInt(double value) { return static_cast<int>(RoundHalfEven(value)); }

// Checks a metronome value against 20..208: 0 when it passes, else `tooHigh` or `tooLow`.
int BpmFault(double value, int tooHigh, int tooLow) {
    if (value > kMaxBpm) return tooHigh;
    if (value < kMinBpm) return tooLow;
    return 0;
}

}  // namespace

PlanLineCheck CheckPlanLine(const std::string& line, UsulLibrary& library) {
    PlanLineCheck result;
    auto fault = [&result](int index) {
        result.messageIndex = index;
        return result;
    };
    const std::vector<std::string> fields = SplitAtBlanks(line);
    if (fields.size() != kPlanFieldCount) return fault(28);
    PassageSpec& passage = result.passage;
    passage.name = fields[0];

    const double slot = LeadingNumber(fields[1]);
    if (!(slot >= 1 && slot <= kSlotCount)) return fault(29);
    passage.usulSlot = ToInt(slot);
    const int beatCount = BeatCountOf(library, passage.usulSlot);

    const std::string& times = fields[2];
    std::string timesText;
    const std::size_t dash = times.find('-');
    const double timesValue = LeadingNumber(times);
    if (dash == std::string::npos) {
        // A repeat count is not checked, except that it must fit its column when saved.
        if (!(timesValue <= kMaxRepeats)) return fault(kPlanRepeatsTooLargeMessage);
        timesText = ShortestNumberText(timesValue);
        passage.startBeat = 1;
        passage.endBeat = beatCount;
        passage.repeats = ToInt(timesValue);
    } else {
        if (times.find('-', dash + 1) != std::string::npos) return fault(30);
        const bool dashFirst = times.front() == '-';
        if (!dashFirst && times.back() != '-') return fault(30);
        if (std::fabs(timesValue) > beatCount) return fault(31);
        // A ring must name a real cell: "-0", "0-" and a bare "-" would reach cell 0.
        const int ring = std::abs(ToInt(timesValue));
        if (ring < 1) return fault(31);
        const std::string ringText = ShortestNumberText(std::fabs(timesValue));
        timesText = dashFirst ? "-" + ringText : ringText + "-";
        passage.startBeat = dashFirst ? 1 : ring;
        passage.endBeat = dashFirst ? ring : beatCount;
        passage.repeats = 1;
    }

    const double unit = LeadingNumber(fields[3]);
    if (unit != 2 && unit != 4 && unit != 8 && unit != 16) return fault(32);
    passage.unit = ToInt(unit);

    const std::string& bpm = fields[4];
    std::string bpmText;
    const std::size_t arrow = bpm.find('>');
    if (arrow == std::string::npos) {
        const double value = LeadingNumber(bpm);
        if (int index = BpmFault(value, 33, 34)) return fault(index);
        passage.introBpm = passage.finalBpm = ToInt(value);
        bpmText = ShortestNumberText(value);
    } else {
        if (bpm.find('>', arrow + 1) != std::string::npos) return fault(35);
        const double intro = LeadingNumber(std::string_view(bpm).substr(0, arrow));
        const double final = LeadingNumber(std::string_view(bpm).substr(arrow + 1));
        if (int index = BpmFault(intro, 36, 37)) return fault(index);
        if (int index = BpmFault(final, 38, 39)) return fault(index);
        passage.introBpm = ToInt(intro);
        passage.finalBpm = ToInt(final);
        bpmText = ShortestNumberText(intro) + ">" + ShortestNumberText(final);
    }
    result.fields = {fields[0], ShortestNumberText(slot), timesText, ShortestNumberText(unit),
                     bpmText};
    return result;
}

bool IsPlanLineFault(int messageIndex) {
    return (messageIndex >= 28 && messageIndex <= 39) ||
           messageIndex == kPlanRepeatsTooLargeMessage || messageIndex == kPlanFieldTooWideMessage;
}

}  // namespace ritmora
