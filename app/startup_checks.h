#pragma once
// The checks that run before the main window is built: one copy per data folder, and a screen
// the window fits on. Also the finer system timer period held while the program runs.
#include <QLockFile>
#include <QSize>
#include <filesystem>

namespace ritmora {

// Holds the data folder for this copy of the program through a lock file in it. A lock left by
// a copy that crashed is recovered: the file names the process that made it, and a process that
// no longer runs holds nothing.
class SingleInstanceLock {
  public:
    static constexpr const char* kFileName = "ritmora.lock";

    enum class Outcome {
        Acquired,
        HeldByAnotherCopy,
        Unavailable,  // the lock file cannot be made at all (no such folder, no permission)
    };

    explicit SingleInstanceLock(const std::filesystem::path& dataFolder);
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    Outcome TryAcquire();
    bool IsHeld() const { return lock_.isLocked(); }

  private:
    QLockFile lock_;
};

// The size of the primary screen in pixels (0 x 0 when there is none).
QSize PrimaryScreenSize();

// Acquires the single-instance lock and checks the screen. When the program must not start it
// shows why (in Turkish, titled "Ritmora editor") and returns false: the caller ends the program.
// A lock file that cannot be made at all does not stop the program: there is nothing to say
// that another copy runs.
bool RunStartupChecks(SingleInstanceLock& instance, QSize screen);

// The finest period of the system timer for the life of this object (Windows; elsewhere the
// precise Qt timers need nothing).
class SystemTimerResolution {
  public:
    SystemTimerResolution();
    ~SystemTimerResolution();
    SystemTimerResolution(const SystemTimerResolution&) = delete;
    SystemTimerResolution& operator=(const SystemTimerResolution&) = delete;

    // The period requested in milliseconds, 0 when none was.
    unsigned PeriodMs() const { return periodMs_; }

  private:
    unsigned periodMs_ = 0;
};

}  // namespace ritmora
