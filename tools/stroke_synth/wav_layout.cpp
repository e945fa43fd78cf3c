#include "tools/stroke_synth/wav_layout.h"

#include <cstring>

namespace ritmora::strokes {
namespace {

constexpr std::uint32_t kRate = 44100;
constexpr std::uint32_t kSamplePeriodNs = 22675;  // 10^9 / 44100, truncated

class ByteWriter {
  public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void id(const char (&text)[5]) {
        for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>(text[i]));
    }
    void u16(std::uint16_t v) {
        out_.push_back(static_cast<std::uint8_t>(v & 0xFF));
        out_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8)
            out_.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
    }

  private:
    std::vector<std::uint8_t>& out_;
};

std::uint32_t read_u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

bool id_at(const std::vector<std::uint8_t>& b, std::size_t at, const char* id) {
    return b.size() >= at + 4 && std::memcmp(b.data() + at, id, 4) == 0;
}

}  // namespace

std::vector<std::uint8_t> encode_wav(const std::vector<std::int16_t>& samples, FileLayout layout,
                                     int midi_unity_note) {
    const bool sampler = layout == FileLayout::WithSamplerChunk;
    const auto data_size = static_cast<std::uint32_t>(samples.size() * 2);
    const std::uint32_t trailing = sampler ? 2 : 0;
    const std::uint32_t header = sampler ? 88 : 44;

    std::vector<std::uint8_t> out;
    out.reserve(header + data_size + trailing);
    ByteWriter w(out);
    w.id("RIFF");
    w.u32(header - 8 + data_size + trailing);
    w.id("WAVE");
    w.id("fmt ");
    w.u32(16);
    w.u16(1);  // PCM
    w.u16(1);  // mono
    w.u32(kRate);
    w.u32(kRate * 2);  // byte rate
    w.u16(2);          // block align
    w.u16(16);         // bits per sample
    if (sampler) {
        w.id("smpl");
        w.u32(36);
        w.u32(0);  // manufacturer
        w.u32(0);  // product
        w.u32(kSamplePeriodNs);
        w.u32(static_cast<std::uint32_t>(midi_unity_note));
        w.u32(0);  // pitch fraction
        w.u32(0);  // SMPTE format
        w.u32(0);  // SMPTE offset
        w.u32(0);  // loop count
        w.u32(0);  // sampler data
    }
    w.id("data");
    w.u32(data_size);
    for (std::int16_t s : samples) w.u16(static_cast<std::uint16_t>(s));
    for (std::uint32_t i = 0; i < trailing; ++i) out.push_back(0);
    return out;
}

std::string check_wav(const std::vector<std::uint8_t>& b, FileLayout layout, std::size_t frames) {
    const bool sampler = layout == FileLayout::WithSamplerChunk;
    const std::size_t data_id = sampler ? 80 : 36;
    const std::size_t expected = (sampler ? 88 + 2 : 44) + frames * 2;
    if (b.size() != expected) return "unexpected file size";
    if (!id_at(b, 0, "RIFF") || !id_at(b, 8, "WAVE") || !id_at(b, 12, "fmt "))
        return "bad RIFF/WAVE/fmt ids";
    if (read_u32(b, 4) != b.size() - 8) return "RIFF size is not file size - 8";
    if (read_u32(b, 16) != 16 || read_u32(b, 24) != 44100 || read_u32(b, 28) != 88200)
        return "bad format chunk";
    if (sampler && (!id_at(b, 36, "smpl") || read_u32(b, 40) != 36)) return "bad sampler chunk";
    if (!id_at(b, data_id, "data")) return "data chunk not where it belongs";
    if (read_u32(b, data_id + 4) != frames * 2) return "bad data size";
    return {};
}

}  // namespace ritmora::strokes
