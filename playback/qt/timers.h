#pragma once
// One-shot timers kept by identifier, in families that never share identifiers: an usul's
// marker timers, its end timer, a plan's passage timers and the plan's end timer can all be
// armed at once, and killing or re-arming one never touches another family, however many
// strokes a loop schedules.
#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

class QTimer;

namespace ritmora {

enum class TimerFamily { Marker, UsulEnd, Passage, PlanEnd };

class TimerBank : public QObject {
    Q_OBJECT

  public:
    explicit TimerBank(QObject* parent = nullptr);
    ~TimerBank() override;

    // Arms (or re-arms, replacing the old one) timer id of family, due after ms milliseconds
    // (a negative delay is due at once). A timer that fires is removed before its callback
    // runs, so the callback may arm, kill or re-arm freely.
    void Arm(TimerFamily family, int id, int ms, std::function<void()> callback);
    // Killing an identifier that is not armed is harmless.
    void Kill(TimerFamily family, int id);
    void KillRange(TimerFamily family, int from, int to);
    void KillAll(TimerFamily family);
    bool IsArmed(TimerFamily family, int id) const;
    int ArmedCount(TimerFamily family) const;

  private:
    using Key = std::pair<TimerFamily, int>;
    struct Entry;

    void Fire(Key key, const QTimer* timer);

    std::map<Key, std::unique_ptr<Entry>> armed_;
    std::vector<std::unique_ptr<Entry>> retired_;  // fired timers, freed back in the event loop
};

}  // namespace ritmora
