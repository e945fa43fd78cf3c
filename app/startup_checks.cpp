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
#include "app/texts.h"

namespace ritmora {

namespace {

// Command-line runs are short; the start waits this long for one before it says the folder is
// busy.
constexpr std::chrono::seconds kStartPatience{10};

}  // namespace

SingleInstanceLock::SingleInstanceLock(const std::filesystem::path& dataFolder)
    : lock_(dataFolder, FolderUser::Editor) {}

SingleInstanceLock::Outcome SingleInstanceLock::TryAcquire(std::chrono::milliseconds patience) {
    switch (lock_.Acquire(patience)) {
        case DataFolderLock::Outcome::Acquired:
            return Outcome::Acquired;
        case DataFolderLock::Outcome::HeldByEditor:
            return Outcome::HeldByAnotherCopy;
        case DataFolderLock::Outcome::HeldByCommandLine:
            return Outcome::HeldByCommandLine;
        case DataFolderLock::Outcome::Unavailable:
            break;
    }
    return Outcome::Unavailable;
}

QSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize(0, 0);
}

bool RunStartupChecks(SingleInstanceLock& instance, QSize screen) {
    const SingleInstanceLock::Outcome lock = instance.TryAcquire(kStartPatience);
    const auto refuse = [](const std::string& text) {
        ShowMessageBox({nullptr, QString::fromStdString(StartupMessageTitle()),
                        QString::fromStdString(text), false});
        return false;
    };
    // Before any language is chosen the window speaks Turkish.
    if (lock == SingleInstanceLock::Outcome::HeldByCommandLine) {
        return refuse(MessageText(Language::Turkish, kFolderBusyMessage));
    }
    const bool anotherCopy = lock == SingleInstanceLock::Outcome::HeldByAnotherCopy;
    const StartupRefusal refusal = DecideStartup(anotherCopy, screen.width(), screen.height());
    if (refusal == StartupRefusal::None) return true;
    return refuse(StartupRefusalText(refusal));
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
