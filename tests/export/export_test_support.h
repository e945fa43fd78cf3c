#pragma once
// Usuls, folders and pixel checks shared by the export tests.
#include <QColor>
#include <QImage>
#include <filesystem>
#include <random>
#include <string>

#include "library/usul_record.h"
#include "notation/geometry.h"

namespace ritmora::testing {

// An usul with a quarter note (16) on the right hand of every ring 1..rings.
inline UsulRecord UsulOfRings(int rings, int beats = 4, int mertebe = 4) {
    UsulRecord usul;
    for (int ring = 1; ring <= rings; ++ring) usul.Cell(ring).rightDuration = 16;
    usul.beats = static_cast<std::uint8_t>(beats);
    usul.mertebe = static_cast<std::uint8_t>(mertebe);
    return usul;
}

class ScratchFolder {
  public:
    ScratchFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("ritmora-export-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

    int FileCount() const {
        int count = 0;
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, error)) {
            if (entry.is_regular_file()) ++count;
        }
        return count;
    }

  private:
    std::filesystem::path path_;
};

// The pixel on the left-hand edge of ring `column` of `row`, shifted by (dx, dy).
inline QColor RingEdge(const QImage& image, int row, int column, int dx = 0, int dy = 0) {
    return image.pixelColor(RingCentreX(column) - kRingRadius + dx, RingCentreY(row) + dy);
}

inline bool IsWhite(const QColor& colour) { return colour == QColor(255, 255, 255); }
inline bool IsGrey(const QColor& colour) { return colour == QColor(200, 200, 200); }
inline bool IsDark(const QColor& colour) { return colour.lightness() < 128; }

}  // namespace ritmora::testing
