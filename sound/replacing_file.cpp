#include "sound/replacing_file.h"

namespace ritmora {

RenderedWavCommit CommitRenderedWav(ReplacingFile& out) {
    constexpr std::uint64_t kHeaderBytes = 44;
    constexpr double kBytesPerMs = 88.2;  // 44 100 Hz, 16-bit, mono
    RenderedWavCommit commit;
    const std::uint64_t length = out.Size();
    if (out.Commit()) {
        commit.written = true;
        commit.playDurationMs = static_cast<double>(length - kHeaderBytes) / kBytesPerMs;
    } else {
        commit.error = out.error();
    }
    return commit;
}

}  // namespace ritmora
