#pragma once
// One long rendering off the window's thread. The work runs on a worker thread that touches no
// widget and uses only what it was handed (copies, its own files and handles); meanwhile the
// window shows a progress bar with a Cancel button, keeps every other control still except the
// few its owner names, and goes on painting and answering. When the work returns, the rest of the
// handler runs back on the window's thread. Closing the window stops the work and waits for it,
// so nothing of it outlives the window: no temporary file, no late call into a closed window.
#include <QObject>
#include <QPointer>
#include <atomic>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "sound/encoded_audio.h"
#include "sound/render_limits.h"

class QFrame;
class QProgressBar;
class QTimer;

namespace ritmora {

class ArayüzKalıp;

// Renderings up to this length are made on the window's thread, as the handlers always did:
// six minutes of audio (every looped usul) are mixed and written in about a tenth of a second
// here, still below about 0.3 s on a machine a few times slower. Longer ones go to a worker.
inline constexpr std::int64_t kInlineRenderSamples = std::int64_t{6} * 60 * kSampleRate;

inline bool RendersInBackground(const RenderEstimate& estimate) {
    return estimate.ok() && estimate.samples > kInlineRenderSamples;
}

// What the work sees of its job, safe to use from the worker thread.
class RenderJobControl {
  public:
    RenderJobControl(std::stop_token stop, const std::atomic<bool>* cancel,
                     std::atomic<double>* progress)
        : stop_(std::move(stop)), cancel_(cancel), progress_(progress) {}

    // For a renderer or a converter whose progress fills [from, to] of the bar.
    RenderControl Render(double from = 0.0, double to = 1.0) const;
    AudioProgress Audio(double from = 0.0, double to = 1.0) const;
    bool Cancelled() const { return cancel_->load(); }

  private:
    std::function<void(double)> Reporter(double from, double to) const;

    std::stop_token stop_;
    const std::atomic<bool>* cancel_;
    std::atomic<double>* progress_;
};

// No Q_OBJECT: it needs no signals, and moc cannot read the window's class name.
class RenderJob : public QObject {
  public:
    using Work = std::function<void(const RenderJobControl&)>;

    struct Calls {
        // The work has returned; runs on the window's thread with the window as it was held.
        // Never runs after Stop().
        std::function<void()> finished;
        // Cancel was pressed, or the window is closing: the owner ends the job with Stop() and
        // puts the window back as its own stop does.
        std::function<void()> cancel;
    };

    // Starts `work` at once. `captionName` names the caption over the bar (texts.h);
    // `keepUsable` are the controls that stay as they are while the rest of the screen-lock
    // sweep is held still (the owner's stop button, typically).
    RenderJob(ArayüzKalıp& window, std::string_view captionName, std::vector<QObject*> keepUsable,
              Work work, Calls calls);
    ~RenderJob() override;
    RenderJob(const RenderJob&) = delete;
    RenderJob& operator=(const RenderJob&) = delete;

    // Asks the work to stop, waits for it, takes the bar away and gives every held control back
    // its state. The work's result is dropped: `finished` is not called. Safe to call twice.
    void Stop();
    // The work has not yet returned, or has returned and its result waits for the window.
    bool IsRunning() const { return running_; }
    double Progress() const { return progress_.load(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Hold(const std::vector<QObject*>& keepUsable);
    void Release();
    void ShowPanel(std::string_view captionName);
    void WorkReturned();
    void RequestCancel();

    ArayüzKalıp& window_;
    Calls calls_;
    std::atomic<bool> cancel_{false};
    std::atomic<double> progress_{0.0};
    std::stop_source stopSource_;
    std::vector<std::pair<QPointer<QObject>, bool>> held_;
    QPointer<QWidget> focus_;  // where the keys went before the hold; they go there again
    QPointer<QFrame> panel_;
    QProgressBar* bar_ = nullptr;
    QTimer* poll_ = nullptr;
    bool running_ = true;
    std::jthread worker_;  // last: started once everything above is in place
};

}  // namespace ritmora
