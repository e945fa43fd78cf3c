#pragma once
// The main window with the sample bank menus and the usul playback panel installed as the
// program's start-up installs them; the player runs on its silent clock unless a test asks for
// the real audio output.
#include <QTest>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/playback_panel.h"
#include "app/sample_bank_menu.h"
#include "app/startup_rules.h"
#include "tests/gui/window_fixture.h"

namespace ritmora::testing {

class PlaybackFixture : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        ASSERT_TRUE(Window().StartedOk());
        ASSERT_TRUE(InstallSampleBankMenu(Window()));
        panel = InstallPlaybackPanel(Window(), output);
    }

    std::filesystem::path Vlvl() const { return VlvlFolder(folder); }

    // BpM 250 (the scroll bar's top): the strokes follow each other quickly.
    void SetBpm(int bpm) { Controls().VScroll1->setValue(270 - bpm); }

    static std::vector<char> Bytes(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The 16-bit samples after a 44-byte header.
    static std::vector<std::int16_t> Samples(const std::filesystem::path& file) {
        const std::vector<char> bytes = Bytes(file);
        std::vector<std::int16_t> samples;
        for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
            const auto low = static_cast<std::uint8_t>(bytes[at]);
            const auto high = static_cast<std::uint8_t>(bytes[at + 1]);
            samples.push_back(static_cast<std::int16_t>(low | (high << 8)));
        }
        return samples;
    }

    Player::Output output = Player::Output::Silent;
    PlaybackPanel* panel = nullptr;
};

}  // namespace ritmora::testing
