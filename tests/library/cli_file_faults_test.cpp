// ritmora-cli against files that are not what they claim to be and outputs that must survive a
// failed run.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/test_support.h"

namespace ritmora {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::ReadText;
using testing::WriteText;

using CliFileFaults = testing::CliTest;

TEST_F(CliFileFaults, WhatIsNoPlanFileIsRefusedWithAMessage) {
    WriteText(folder_ / "huge.txt", "");
    fs::resize_file(folder_ / "huge.txt", 20 << 20);
    const std::pair<fs::path, std::string> cases[] = {
        {folder_.path(), "This is not a plan file"}, {"/dev/zero", "This is not a plan file"},
        {"/proc/self/mem", "could not be read"},     {folder_ / "huge.txt", "larger than 1 MB"},
        {folder_ / "none.txt", "does not exist"},
    };
    for (const auto& [file, message] : cases) {
        for (const char* command : {"check-plan", "render-plan"}) {
            const CliRun run = Run(std::string("--lang en ") + command + " " + Quoted(file));
            EXPECT_EQ(run.exitCode, 1) << command << " " << file;
            EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        }
    }
}

TEST_F(CliFileFaults, OutputsAreReplacedWholeOrKept) {
    // A folder named as the output is refused and kept.
    fs::create_directory(folder_ / "out.wav");
    EXPECT_EQ(Run("render-usul 24 --out " + Quoted(folder_ / "out.wav")).exitCode, 1);
    EXPECT_TRUE(fs::is_directory(folder_ / "out.wav"));

    // Links planted at the temporary names earlier versions used lead nowhere.
    WriteText(folder_ / "victim", "keep");
    fs::create_directories(folder_ / "vlvl");
    for (const char* name : {"~Shablon.---", "~KUDUMD31.---", "~KUDUMD21.---"}) {
        fs::create_symlink(folder_ / "victim", folder_ / "vlvl" / name);
    }
    EXPECT_EQ(Run("render-usul 24").exitCode, 0);
    EXPECT_EQ(ReadText(folder_ / "victim"), "keep");

    // A rendering that fails part-way (a file-size limit standing in for a full disk) keeps the
    // file it was to replace, and says so.
    WriteText(folder_ / "old.wav", "previous");
    const CliRun full = Run("render-usul 24 --loop --out " + Quoted(folder_ / "old.wav"),
                            "trap '' XFSZ; ulimit -f 2000;");
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_NE(full.err.find("old.wav"), std::string::npos) << full.err;
    EXPECT_EQ(ReadText(folder_ / "old.wav"), "previous");
}

}  // namespace
}  // namespace ritmora
