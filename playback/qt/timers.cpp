#include "playback/qt/timers.h"

#include <QTimer>
#include <algorithm>
#include <climits>

namespace ritmora {

struct TimerBank::Entry {
    QTimer timer;
    std::function<void()> callback;
};

TimerBank::TimerBank(QObject* parent) : QObject(parent) {}

TimerBank::~TimerBank() = default;

void TimerBank::Arm(TimerFamily family, int id, int ms, std::function<void()> callback) {
    const Key key{family, id};
    auto entry = std::make_unique<Entry>();
    entry->callback = std::move(callback);
    entry->timer.setSingleShot(true);
    entry->timer.setTimerType(Qt::PreciseTimer);
    const QTimer* timer = &entry->timer;
    connect(&entry->timer, &QTimer::timeout, this, [this, key, timer] { Fire(key, timer); });
    entry->timer.start(std::max(0, ms));
    armed_[key] = std::move(entry);
}

void TimerBank::Fire(Key key, const QTimer* timer) {
    const auto it = armed_.find(key);
    if (it == armed_.end() || &it->second->timer != timer) return;  // killed or replaced
    // Take the entry out first; the QTimer that is emitting is deleted once control returns to
    // the event loop.
    std::unique_ptr<Entry> entry = std::move(it->second);
    armed_.erase(it);
    const std::function<void()> callback = std::move(entry->callback);
    if (retired_.empty()) QTimer::singleShot(0, this, [this] { retired_.clear(); });
    retired_.push_back(std::move(entry));
    if (callback) callback();
}

void TimerBank::Kill(TimerFamily family, int id) { armed_.erase(Key{family, id}); }

void TimerBank::KillRange(TimerFamily family, int from, int to) {
    if (from > to) return;
    armed_.erase(armed_.lower_bound(Key{family, from}), armed_.upper_bound(Key{family, to}));
}

void TimerBank::KillAll(TimerFamily family) {
    armed_.erase(armed_.lower_bound(Key{family, INT_MIN}),
                 armed_.upper_bound(Key{family, INT_MAX}));
}

bool TimerBank::IsArmed(TimerFamily family, int id) const {
    return armed_.contains(Key{family, id});
}

int TimerBank::ArmedCount(TimerFamily family) const {
    return static_cast<int>(std::distance(armed_.lower_bound(Key{family, INT_MIN}),
                                          armed_.upper_bound(Key{family, INT_MAX})));
}

}  // namespace ritmora
