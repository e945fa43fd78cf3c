#include "sound/audio_format.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace ritmora {
namespace {

struct FormatEntry {
    const char* extension;
    AudioFormat format;
    const char* label;  // the same in both languages: these are the formats' own names
};

constexpr std::array<FormatEntry, 7> kFormats = {{
    {".wav", AudioFormat::Wav, "WAV"},
    {".flac", AudioFormat::Flac, "FLAC"},
    {".ogg", AudioFormat::OggVorbis, "Ogg Vorbis"},
    {".opus", AudioFormat::Opus, "Opus"},
    {".mp3", AudioFormat::Mp3, "MP3"},
    {".---", AudioFormat::Wav, nullptr},  // the program's own rendered files
    {".oga", AudioFormat::OggVorbis, nullptr},
}};

std::string LowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

std::optional<AudioFormat> AudioFormatForPath(const std::filesystem::path& file) {
    const std::u8string raw = file.extension().u8string();
    const std::string extension = LowerAscii(std::string(raw.begin(), raw.end()));
    for (const FormatEntry& entry : kFormats) {
        if (extension == entry.extension) return entry.format;
    }
    return std::nullopt;
}

const char* AudioFormatExtension(AudioFormat format) {
    for (const FormatEntry& entry : kFormats) {
        if (entry.format == format) return entry.extension;
    }
    return ".wav";
}

std::string AudioFileDialogFilter(Language language) {
    std::string all;
    std::string each;
    for (const FormatEntry& entry : kFormats) {
        if (entry.label == nullptr) continue;
        const std::string pattern = std::string("*") + entry.extension;
        all += (all.empty() ? "" : " ") + pattern;
        each += std::string(";;") + entry.label + " (" + pattern + ")";
    }
    const char* title = language == Language::Turkish ? "Ses dosyaları" : "Audio files";
    return std::string(title) + " (" + all + ")" + each;
}

}  // namespace ritmora
