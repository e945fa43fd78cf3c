#pragma once
// "Sesi kaydet…" / "Save audio…" (Mn_SesKaydet, Ctrl+Shift+S): what the player would play now,
// saved as an audio file the user keeps. In the usul mode the usul on screen with the
// instrument, metronome value, unit note, once or looped and the loudness levels in force; in
// the plan mode the selected plan from its first passage. The file dialog speaks the window's
// language and opens in the folder used last in this run (the user's music folder at first);
// the format follows the file's extension. Rendering and conversion run on a worker with a
// progress bar and Cancel; the previous file stays as it was when either fails or is cancelled.
#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sound/render_limits.h"

namespace ritmora {

class ArayüzKalıp;
class RenderJob;

// No Q_OBJECT: moc cannot read the window's class name; nothing here needs signals.
class AudioSaveCommand : public QObject {
  public:
    // Made once by the window's export actions, with Mn_SesKaydet connected to it. Its
    // objectName is "AudioSaveCommand".
    explicit AudioSaveCommand(ArayüzKalıp& window);
    ~AudioSaveCommand() override;

    // The whole command, as the menu item runs it.
    void Mn_SesKaydet_Click();

    bool IsSaving() const;
    // Where the next file dialog opens.
    const QString& LastFolder() const { return lastFolder_; }

    // What the renderer left to report, whichever renderer it was.
    struct Rendered {
        bool written = false;
        int messageIndex = 0;
        std::vector<std::string> notices;
        std::string writeError;
    };
    // Renders into the given WAV file on the worker.
    using Renderer =
        std::function<Rendered(const std::filesystem::path& wavFile, const RenderControl&)>;

  private:
    struct Source {
        Renderer render;
        std::string suggestedStem;  // the dialog's proposed name, without extension
    };
    std::optional<Source> UsulSource();
    std::optional<Source> PlanSource();
    std::optional<std::filesystem::path> AskTarget(const std::string& suggestedStem);
    void Start(const std::filesystem::path& target, Renderer render);

    ArayüzKalıp& window_;
    QString lastFolder_;
    QString lastExtension_ = QStringLiteral(".wav");
    std::unique_ptr<RenderJob> job_;
};

}  // namespace ritmora
