#pragma once
// The current stroke sample of one rendering. Every stroke reads its sample file again, as the
// mixing rule expects; since the files cannot change during one rendering, each file is examined
// once and its outcome applied again, which gives the same bytes as re-reading it (a rejected
// file reports its notice again and leaves the previous samples in force).
#include <filesystem>
#include <map>
#include <string>

#include "sound/wav.h"

namespace ritmora {

class CachingStrokeReader {
  public:
    std::string ReadWav(const std::filesystem::path& path) {
        auto found = outcomes_.find(path);
        if (found == outcomes_.end()) {
            found = outcomes_.emplace(path, WavReader::Examine(path)).first;
        }
        return reader_.Apply(found->second);
    }
    const WavReader& Current() const { return reader_; }
    // Puts back an earlier current sample, for a stretch that is mixed again from its start.
    void Restore(const WavReader& current) { reader_ = current; }

  private:
    WavReader reader_;
    std::map<std::filesystem::path, WavReader::Outcome> outcomes_;
};

}  // namespace ritmora
