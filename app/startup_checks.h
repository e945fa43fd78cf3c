#pragma once
// The checks that run before the main window is built: one copy per data folder, and a screen
// the window fits on. Also the finer system timer period held while the program runs.
#include <QSize>
#include <chrono>
#include <filesystem>

#include "library/folder_lock.h"

namespace ritmora {

// Holds the data folder for this copy of the program, for its whole run, through the folder's
// lock that the command line shares. A lock left by a copy that crashed, or a lock file that is
// empty or damaged, is recovered: only a live process holds the folder.
class SingleInstanceLock {
  public:
    static constexpr const char* kFileName = DataFolderLock::kFileName;

    enum class Outcome {
        Acquired,
        HeldByAnotherCopy,
        HeldByCommandLine,  // a command-line run kept the folder longer than the start waits
        Unavailable,        // the lock file cannot be made at all (no such folder, no permission)
    };

    explicit SingleInstanceLock(const std::filesystem::path& dataFolder);
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // Waits up to `patience` for a command-line run to finish with the folder.
    Outcome TryAcquire(std::chrono::milliseconds patience = std::chrono::milliseconds(0));
    bool IsHeld() const { return lock_.IsHeld(); }

  private:
    DataFolderLock lock_;
};

// The size of the primary screen in pixels (0 x 0 when there is none).
QSize PrimaryScreenSize();

// Acquires the single-instance lock and checks the screen. When the program must not start it
// shows why (in Turkish, titled "Ritmora editor") and returns false: the caller ends the program.
// A command-line run that holds the folder is waited for a little while. A lock file that
// cannot be made at all does not stop the program: there is nothing to say that another copy
// runs.
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
