#include "export/qt/audio_save_command.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/main_window.h"
#include "app/message_numbers.h"
#include "app/playback_panel.h"
#include "app/render_job.h"
#include "app/startup_rules.h"
#include "export/qt/export_actions.h"
#include "export/qt/offscreen_notation.h"
#include "plans/plan_file.h"
#include "plans/qt/panel_support.h"
#include "plans/qt/plan_controls.h"
#include "sound/audio_export.h"
#include "sound/audio_export_texts.h"
#include "sound/audio_format.h"
#include "sound/plan_renderer.h"
#include "sound/usul_renderer.h"

namespace ritmora {
namespace {

// The rendering's share of the progress bar; the conversion fills the rest.
constexpr double kRenderShare = 0.5;

QString Qs(const std::string& text) { return QString::fromStdString(text); }

// The user's music folder when there is one, else the home folder.
QString DefaultFolder() {
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return !music.isEmpty() && QDir(music).exists() ? music : QDir::homePath();
}

// The extension of a single-format filter ("MP3 (*.mp3)"); empty for the filter of all formats.
QString FilterExtension(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*(\\.[^ )]+)"));
    QRegularExpressionMatchIterator matches = pattern.globalMatch(filter);
    if (!matches.hasNext()) return {};
    const QString first = matches.next().captured(1);
    return matches.hasNext() ? QString() : first;
}

template <typename Result>
AudioSaveCommand::Rendered RenderedFrom(const Result& result) {
    return {result.written, result.messageIndex, result.notices, result.writeError};
}

}  // namespace

AudioSaveCommand::AudioSaveCommand(ArayüzKalıp& window)
    : QObject(&window), window_(window), lastFolder_(DefaultFolder()) {
    setObjectName(QStringLiteral("AudioSaveCommand"));
    connect(window_.Controls().Mn_SesKaydet, &QAction::triggered, this,
            [this] { Mn_SesKaydet_Click(); });
}

AudioSaveCommand::~AudioSaveCommand() = default;

bool AudioSaveCommand::IsSaving() const { return job_ && job_->IsRunning(); }

void AudioSaveCommand::Mn_SesKaydet_Click() {
    if (IsSaving()) return;
    // The window belongs to the export while it runs: a sounding plan stops first, as a start
    // stops it.
    window_.Plans().Playback().StopIfActive();
    std::optional<Source> source = window_.InPlanMode() ? PlanSource() : UsulSource();
    if (!source) return;
    const std::optional<std::filesystem::path> target = AskTarget(source->suggestedStem);
    if (!target) return;
    Start(*target, std::move(source->render));
}

std::optional<AudioSaveCommand::Source> AudioSaveCommand::UsulSource() {
    const UsulRecord usul = window_.CurrentUsul();
    if (!UsulHasStrokes(usul)) {
        window_.ShowMessage(message::kNoBeats);
        return std::nullopt;
    }
    const UsulRenderOptions options = window_.Playback().RenderOptions();
    const RenderEstimate estimate = ExpectedUsulLength(usul, options);
    if (!estimate.ok()) {
        window_.ShowMessage(estimate.messageIndex);
        return std::nullopt;
    }
    const std::filesystem::path vlvl = VlvlFolder(window_.DataFolder());
    Source source;
    source.render = [usul, options, vlvl](const std::filesystem::path& wav,
                                          const RenderControl& control) {
        return RenderedFrom(RenderUsul(usul, options, vlvl, wav, control));
    };
    const std::string stem = NotationFileStem(window_);
    source.suggestedStem = stem.empty() ? std::string("usul") : stem;
    return source;
}

std::optional<AudioSaveCommand::Source> AudioSaveCommand::PlanSource() {
    const std::optional<std::filesystem::path> file = window_.Plans().Panel().SelectedPlanFile();
    if (!file) {
        window_.ShowMessage(message::kSelectAPlan);
        return std::nullopt;
    }
    const PlanReadResult read = ReadPlanForRendering(ReadPlanFileText(*file), window_.Library());
    if (read.messageIndex != 0) {
        ShowPlanFault(window_, read.messageIndex, read.line);
        return std::nullopt;
    }
    const RenderEstimate estimate = ExpectedPlanLength(read.passages, window_.Library());
    if (!estimate.ok()) {
        window_.ShowMessage(estimate.messageIndex);
        return std::nullopt;
    }
    // The worker reads the library through a handle of its own.
    LibraryOpenResult opened =
        UsulLibrary::EnsureAndOpen(window_.Library().Path().parent_path(), {});
    if (!opened.library) {
        window_.ShowText(LibraryOpenFailureText(opened.status, opened.path,
                                                window_.language() == Language::Turkish));
        return std::nullopt;
    }
    std::shared_ptr<UsulLibrary> library = std::move(opened.library);
    const std::vector<PassageSpec> passages = read.passages;
    const Instrument instrument = window_.ChosenInstrument();
    const std::filesystem::path vlvl = VlvlFolder(window_.DataFolder());
    Source source;
    source.render = [library, passages, instrument, vlvl](const std::filesystem::path& wav,
                                                          const RenderControl& control) {
        return RenderedFrom(RenderPlan(passages, *library, instrument, vlvl, wav, control));
    };
    source.suggestedStem = PathToQString(file->stem()).toStdString();
    return source;
}

std::optional<std::filesystem::path> AudioSaveCommand::AskTarget(const std::string& suggestedStem) {
    const Language language = window_.language();
    // Qt's own dialog, so that its buttons and questions follow the program's translations.
    QFileDialog dialog(&window_, Qs(CaptionText(language, "AudioSaveDialog")), lastFolder_);
    dialog.setObjectName(QStringLiteral("AudioSaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = Qs(AudioFileDialogFilter(language)).split(QStringLiteral(";;"));
    dialog.setNameFilters(filters);
    for (const QString& filter : filters) {
        if (FilterExtension(filter) == lastExtension_) dialog.selectNameFilter(filter);
    }
    dialog.selectFile(QString::fromStdString(suggestedStem) + lastExtension_);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The keys come back to the window, also where no window manager hands them back.
    window_.activateWindow();
    if (!accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    QString chosen = dialog.selectedFiles().constFirst();
    if (QFileInfo(chosen).suffix().isEmpty()) {
        const QString extension = FilterExtension(dialog.selectedNameFilter());
        chosen += extension.isEmpty() ? lastExtension_ : extension;
    }
    const std::filesystem::path target = PathFromUtf8(chosen.toStdString());
    lastFolder_ = QFileInfo(chosen).absolutePath();
    if (AudioFormatForPath(target))
        lastExtension_ = QStringLiteral(".") + QFileInfo(chosen).suffix().toLower();
    return target;
}

void AudioSaveCommand::Start(const std::filesystem::path& target, Renderer render) {
    struct Outcome {
        Rendered rendered;
        AudioWriteOutcome written;
    };
    auto outcome = std::make_shared<Outcome>();
    const std::filesystem::path vlvl = VlvlFolder(window_.DataFolder());
    auto work = [outcome, render = std::move(render), target,
                 vlvl](const RenderJobControl& control) {
        const RenderIntoWav intoWav = [&](const std::filesystem::path& wav) {
            outcome->rendered = render(wav, control.Render(0.0, kRenderShare));
            return outcome->rendered.written;
        };
        outcome->written = ExportAudio(target, vlvl, intoWav, control.Audio(kRenderShare, 1.0));
    };
    auto finished = [this, outcome, target] {
        const Rendered& rendered = outcome->rendered;
        window_.ShowNotices(rendered.notices);
        const AudioExportFault fault = outcome->written.fault;
        if (fault == AudioExportFault::None || fault == AudioExportFault::Cancelled) return;
        if (fault != AudioExportFault::NothingRendered) {
            window_.ShowText(AudioExportFaultMessage(window_.language(), fault,
                                                     PathToQString(target).toStdString()));
        } else if (rendered.messageIndex != 0 && rendered.messageIndex != kRenderCancelledMessage) {
            window_.ShowMessage(rendered.messageIndex);
        } else if (!rendered.writeError.empty()) {
            window_.ShowText(
                QString::fromStdString(MessageText(window_.language(), message::kSoundFileFault))
                    .trimmed()
                    .toStdString() +
                "\n" + rendered.writeError);
        }
    };
    job_ = std::make_unique<RenderJob>(window_, "RenderProgress.export", std::vector<QObject*>{},
                                       std::move(work),
                                       RenderJob::Calls{finished, [this] { job_->Stop(); }});
}

}  // namespace ritmora
