#include "sound/encoded_audio.h"

#include <samplerate.h>
#include <sndfile.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <memory>
#include <span>
#include <vector>

#include "sound/replacing_file.h"
#include "sound/wav.h"

namespace ritmora {
namespace {

constexpr std::size_t kBlockFrames = 16384;  // what one step reads, converts and writes
constexpr int kOpusRate = 48000;             // the only full-band rate Opus runs at
// libsndfile's compression level of a lossy format: 0 is the best quality and the largest file,
// 1 the smallest. Chosen so that the attack of every stroke stays clean while a five-minute loop
// stays a few megabytes: Vorbis at quality 6, MP3 at LAME's VBR quality 2, Opus near 70 kbit/s
// (Opus's levels map straight to bit rates, and mono percussion needs no more).
double LossyCompressionLevel(AudioFormat format) {
    switch (format) {
        case AudioFormat::OggVorbis:
            return 0.4;
        case AudioFormat::Mp3:
            return 0.2;
        case AudioFormat::Opus:
            return 0.75;
        case AudioFormat::Wav:
        case AudioFormat::Flac:
            break;
    }
    return 0;
}

AudioWriteOutcome Fault(AudioExportFault fault, std::string detail) {
    return {fault, std::move(detail)};
}

// The rendered file: our canonical 44-byte header and the 16-bit mono samples after it.
class RenderedWavSource {
  public:
    explicit RenderedWavSource(const std::filesystem::path& file) : in_(file, std::ios::binary) {
        std::error_code error;
        const auto size = std::filesystem::file_size(file, error);
        WavHeaderBytes bytes{};
        if (error || !in_ || !in_.read(reinterpret_cast<char*>(bytes.data()), bytes.size())) {
            return;
        }
        const WavHeader header = DecodeWavHeader(bytes);
        if (header.chunkId != WavHeader{}.chunkId || header.formatTag != 1 ||
            header.channels != 1 || header.bitsPerSample != 16 ||
            header.sampleRate != static_cast<std::uint32_t>(kSampleRate) ||
            !IsDataChunkId(header.dataChunkId)) {
            return;
        }
        fileSize_ = size;
        frames_ = std::min<std::uint64_t>(header.dataSize, size - kWavHeaderSize) / 2;
        valid_ = true;
    }

    bool valid() const { return valid_; }
    std::uint64_t frames() const { return frames_; }
    std::uint64_t fileSize() const { return fileSize_; }

    // The next samples, at most `block.size()`; an empty span at the end or on a read error.
    std::span<const std::int16_t> Read(std::vector<std::int16_t>& block) {
        const std::uint64_t wanted = std::min<std::uint64_t>(block.size(), frames_ - done_);
        std::vector<std::uint8_t> bytes(wanted * 2);
        if (wanted == 0 || !in_.read(reinterpret_cast<char*>(bytes.data()),
                                     static_cast<std::streamsize>(bytes.size()))) {
            return {};
        }
        for (std::size_t i = 0; i < wanted; ++i) {
            block[i] = static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        }
        done_ += wanted;
        return {block.data(), static_cast<std::size_t>(wanted)};
    }
    bool AtEnd() const { return done_ == frames_; }
    double Fraction() const { return frames_ == 0 ? 1.0 : double(done_) / double(frames_); }

  private:
    std::ifstream in_;
    bool valid_ = false;
    std::uint64_t fileSize_ = 0;
    std::uint64_t frames_ = 0;
    std::uint64_t done_ = 0;
};

// The whole WAV file as it was rendered, header included: the exported file is the played one.
AudioWriteOutcome CopyWav(const std::filesystem::path& wavFile, ReplacingFile& out,
                          const AudioProgress& progress) {
    std::ifstream in(wavFile, std::ios::binary);
    std::error_code error;
    const auto total = std::filesystem::file_size(wavFile, error);
    if (!in || error) return Fault(AudioExportFault::SourceUnreadable, wavFile.string());
    std::vector<std::uint8_t> block(kBlockFrames * 2);
    std::uint64_t done = 0;
    while (done < total) {
        if (progress.Cancelled()) return Fault(AudioExportFault::Cancelled, {});
        const auto wanted = std::min<std::uint64_t>(block.size(), total - done);
        if (!in.read(reinterpret_cast<char*>(block.data()), static_cast<std::streamsize>(wanted))) {
            return Fault(AudioExportFault::SourceUnreadable, wavFile.string());
        }
        out.Write({block.data(), static_cast<std::size_t>(wanted)});
        if (!out.ok()) return Fault(AudioExportFault::WriteFailed, out.error());
        done += wanted;
        progress.Report(double(done) / double(total));
    }
    return {};
}

// libsndfile writes into the safe writer's temporary file through these callbacks. Encoders
// only seek back to fill in headers (FLAC's stream info, MP3's LAME tag); nothing is read.
struct VirtualTarget {
    ReplacingFile* file;
    sf_count_t position = 0;
};

sf_count_t VirtualLength(void* user) {
    return static_cast<sf_count_t>(static_cast<VirtualTarget*>(user)->file->Size());
}

sf_count_t VirtualSeek(sf_count_t offset, int whence, void* user) {
    auto* target = static_cast<VirtualTarget*>(user);
    const sf_count_t base = whence == SEEK_SET   ? 0
                            : whence == SEEK_CUR ? target->position
                                                 : VirtualLength(user);
    target->position = std::max<sf_count_t>(0, base + offset);
    return target->position;
}

sf_count_t VirtualRead(void*, sf_count_t, void*) { return 0; }

sf_count_t VirtualWrite(const void* data, sf_count_t count, void* user) {
    auto* target = static_cast<VirtualTarget*>(user);
    const std::span<const std::uint8_t> bytes(static_cast<const std::uint8_t*>(data),
                                              static_cast<std::size_t>(count));
    if (static_cast<std::uint64_t>(target->position) == target->file->Size()) {
        target->file->Write(bytes);
    } else {
        target->file->WriteAt(static_cast<std::uint64_t>(target->position), bytes);
    }
    if (!target->file->ok()) return 0;
    target->position += count;
    return count;
}

sf_count_t VirtualTell(void* user) { return static_cast<VirtualTarget*>(user)->position; }

struct SndFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndFilePtr = std::unique_ptr<SNDFILE, SndFileCloser>;

struct ResamplerDeleter {
    void operator()(SRC_STATE* state) const { src_delete(state); }
};

int MajorFormat(AudioFormat format) {
    switch (format) {
        case AudioFormat::Flac:
            return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
        case AudioFormat::OggVorbis:
            return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
        case AudioFormat::Opus:
            return SF_FORMAT_OGG | SF_FORMAT_OPUS;
        case AudioFormat::Mp3:
            return SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
        case AudioFormat::Wav:
            break;
    }
    return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
}

// One encoder on the temporary file, fed block by block.
class Encoder {
  public:
    Encoder(ReplacingFile& out, AudioFormat format) : target_{&out} {
        SF_INFO info{};
        info.samplerate = format == AudioFormat::Opus ? kOpusRate : kSampleRate;
        info.channels = 1;
        info.format = MajorFormat(format);
        SF_VIRTUAL_IO io{VirtualLength, VirtualSeek, VirtualRead, VirtualWrite, VirtualTell};
        file_.reset(sf_open_virtual(&io, SFM_WRITE, &info, &target_));
        if (!file_) {
            error_ = sf_strerror(nullptr);
            return;
        }
        if (format == AudioFormat::Mp3) {
            int mode = SF_BITRATE_MODE_VARIABLE;
            sf_command(file_.get(), SFC_SET_BITRATE_MODE, &mode, sizeof(mode));
        }
        if (format != AudioFormat::Flac) {
            double level = LossyCompressionLevel(format);
            sf_command(file_.get(), SFC_SET_COMPRESSION_LEVEL, &level, sizeof(level));
        }
        if (format == AudioFormat::Opus) {
            int error = 0;
            resampler_.reset(src_new(SRC_SINC_MEDIUM_QUALITY, 1, &error));
            if (!resampler_) error_ = src_strerror(error);
        }
    }

    bool ok() const { return file_ && error_.empty(); }
    const std::string& error() const { return error_; }

    bool Write(std::span<const std::int16_t> samples, bool last) {
        if (!resampler_) {
            const auto count = static_cast<sf_count_t>(samples.size());
            return Check(sf_write_short(file_.get(), samples.data(), count) == count);
        }
        std::vector<float> in(samples.size());
        std::transform(samples.begin(), samples.end(), in.begin(),
                       [](std::int16_t s) { return static_cast<float>(s) / 32768.0F; });
        std::vector<float> converted(samples.size() * 2 + 64);
        SRC_DATA data{};
        data.data_in = in.data();
        data.input_frames = static_cast<long>(in.size());
        data.src_ratio = double(kOpusRate) / kSampleRate;
        data.end_of_input = last ? 1 : 0;
        do {
            data.data_out = converted.data();
            data.output_frames = static_cast<long>(converted.size());
            if (const int error = src_process(resampler_.get(), &data); error != 0) {
                error_ = src_strerror(error);
                return false;
            }
            const sf_count_t count = data.output_frames_gen;
            if (!Check(sf_write_float(file_.get(), converted.data(), count) == count)) return false;
            data.data_in += data.input_frames_used;
            data.input_frames -= data.input_frames_used;
        } while (data.input_frames > 0 || (last && data.output_frames_gen > 0));
        return true;
    }

    // Flushes the encoder into the file: the footer, the headers filled in afterwards.
    bool Finish() {
        const int status = sf_close(file_.release());
        if (status != 0) error_ = sf_error_number(status);
        return status == 0;
    }

  private:
    bool Check(bool written) {
        if (!written && error_.empty()) error_ = sf_strerror(file_.get());
        return written;
    }

    VirtualTarget target_;
    SndFilePtr file_;
    std::unique_ptr<SRC_STATE, ResamplerDeleter> resampler_;
    std::string error_;
};

AudioWriteOutcome Encode(const std::filesystem::path& wavFile, ReplacingFile& out,
                         AudioFormat format, const AudioProgress& progress) {
    RenderedWavSource source(wavFile);
    if (!source.valid()) return Fault(AudioExportFault::SourceUnreadable, wavFile.string());
    Encoder encoder(out, format);
    if (!encoder.ok()) return Fault(AudioExportFault::EncoderFailed, encoder.error());
    // A failed write of the temporary file is the disk's fault, not the encoder's.
    const auto failure = [&] {
        return out.ok() ? Fault(AudioExportFault::EncoderFailed, encoder.error())
                        : Fault(AudioExportFault::WriteFailed, out.error());
    };
    std::vector<std::int16_t> block(kBlockFrames);
    do {
        if (progress.Cancelled()) return Fault(AudioExportFault::Cancelled, {});
        const std::span<const std::int16_t> samples = source.Read(block);
        if (samples.empty() && !source.AtEnd()) {
            return Fault(AudioExportFault::SourceUnreadable, wavFile.string());
        }
        if (!encoder.Write(samples, source.AtEnd())) return failure();
        progress.Report(source.Fraction());
    } while (!source.AtEnd());
    if (!encoder.Finish() || !out.ok()) return failure();
    return {};
}

}  // namespace

AudioWriteOutcome EncodeWavFile(const std::filesystem::path& wavFile,
                                const std::filesystem::path& target, AudioFormat format,
                                const AudioProgress& progress) {
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) {  // never replaced by a file
        return Fault(AudioExportFault::CannotCreate, target.string() + " is a folder");
    }
    ReplacingFile out(target);
    if (!out.ok()) return Fault(AudioExportFault::CannotCreate, out.error());
    AudioWriteOutcome outcome = format == AudioFormat::Wav ? CopyWav(wavFile, out, progress)
                                                           : Encode(wavFile, out, format, progress);
    if (!outcome.ok()) {
        out.Abandon();
        return outcome;
    }
    if (!out.Commit()) return Fault(AudioExportFault::WriteFailed, out.error());
    progress.Report(1.0);
    return outcome;
}

}  // namespace ritmora
