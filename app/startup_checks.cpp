#include "app/startup_checks.h"

#include <QGuiApplication>
#include <QScreen>
#include <QString>

#ifdef _WIN32
#include <timeapi.h>
#include <windows.h>
#endif

#include "app/message_box.h"
#include "app/startup_rules.h"

namespace ritmora {

namespace {

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.generic_u16string());
}

}  // namespace

SingleInstanceLock::SingleInstanceLock(const std::filesystem::path& dataFolder)
    : lock_(PathText(dataFolder / kFileName)) {
    // Never take a lock for stale because of its age: a copy that runs for days still holds it.
    // Only a lock whose process has gone is recovered.
    lock_.setStaleLockTime(0);
}

SingleInstanceLock::Outcome SingleInstanceLock::TryAcquire() {
    if (lock_.isLocked() || lock_.tryLock(0)) return Outcome::Acquired;
    return lock_.error() == QLockFile::LockFailedError ? Outcome::HeldByAnotherCopy
                                                       : Outcome::Unavailable;
}

QSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize(0, 0);
}

bool RunStartupChecks(SingleInstanceLock& instance, QSize screen) {
    const bool anotherCopy =
        instance.TryAcquire() == SingleInstanceLock::Outcome::HeldByAnotherCopy;
    const StartupRefusal refusal = DecideStartup(anotherCopy, screen.width(), screen.height());
    if (refusal == StartupRefusal::None) return true;
    ShowMessageBox({nullptr, QString::fromStdString(StartupMessageTitle()),
                    QString::fromStdString(StartupRefusalText(refusal)), false});
    return false;
}

#ifdef _WIN32
SystemTimerResolution::SystemTimerResolution() {
    TIMECAPS caps{};
    if (timeGetDevCaps(&caps, sizeof(caps)) == TIMERR_NOERROR &&
        timeBeginPeriod(caps.wPeriodMin) == TIMERR_NOERROR) {
        periodMs_ = caps.wPeriodMin;
    }
}

SystemTimerResolution::~SystemTimerResolution() {
    if (periodMs_ != 0) timeEndPeriod(periodMs_);
}
#else
SystemTimerResolution::SystemTimerResolution() = default;
SystemTimerResolution::~SystemTimerResolution() = default;
#endif

}  // namespace ritmora
