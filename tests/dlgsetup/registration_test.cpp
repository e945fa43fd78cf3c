#include "dlgsetup/registration.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace ritmora::dlgsetup {
namespace {

using Texts = std::vector<std::string>;

// A system made of sets of folders and files; it records what is copied, started and shown.
class FakePlatform : public RegistrationPlatform {
  public:
    std::set<std::string> folders;
    std::set<std::string> files;
    bool copySucceeds = true;
    std::optional<int> exitCode = 0;  // nothing: the command cannot be started

    std::vector<std::pair<std::string, std::string>> copies;
    Texts started;
    Texts messages;
    Texts directories;

    bool FolderExists(const std::string& path) override { return folders.count(path) > 0; }
    bool FileExists(const std::string& path) override { return files.count(path) > 0; }
    bool CopyFile(const std::string& from, const std::string& to) override {
        copies.emplace_back(from, to);
        return copySucceeds;
    }
    std::optional<int> RunProcess(const std::string& commandLine) override {
        if (exitCode) started.push_back(commandLine);
        return exitCode;
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    std::string ProgramFolder() override { return "D:/Programs/Ritmora"; }
    bool ChangeDirectory(const std::string& path) override {
        directories.push_back(path);
        return true;
    }
};

constexpr const char* kMissing = "Kayıt başarsız, Ezgimar dizininde COMDLG32.OCX dosyası gerekli. ";
constexpr const char* kBeside = "D:/Programs/Ritmora/COMDLG32.OCX";

TEST(Registration, ComponentAlreadyInSysWow64IsOnlyRegistered) {
    FakePlatform platform;
    platform.folders = {"/windows/SysWOW64", "/windows/System32"};
    platform.files = {"/windows/SysWOW64/COMDLG32.OCX"};
    RunRegistration(platform);
    EXPECT_EQ(platform.directories, Texts{"D:/Programs/Ritmora"});
    EXPECT_TRUE(platform.copies.empty());
    EXPECT_EQ(platform.started, Texts{"regsvr32 /s C:\\Windows\\SysWOW64\\COMDLG32.OCX"});
    EXPECT_EQ(platform.messages, Texts{"Kayıt başarılı. Ezgimar çalışabilir."});
}

TEST(Registration, SysWow64WithoutComponentCopiesTheOneBesideTheProgram) {
    FakePlatform platform;
    platform.folders = {"/windows/SysWOW64"};
    platform.files = {kBeside};
    RunRegistration(platform);
    ASSERT_EQ(platform.copies.size(), 1u);
    EXPECT_EQ(platform.copies[0].second, "C:/Windows/SysWOW64/COMDLG32.OCX");
    EXPECT_EQ(platform.started.size(), 1u);
}

TEST(Registration, MissingEverywhereFailsWithoutCopyingOrStarting) {
    FakePlatform platform;
    platform.folders = {"/windows/System32"};
    RunRegistration(platform);
    EXPECT_TRUE(platform.copies.empty());
    EXPECT_TRUE(platform.started.empty());
    EXPECT_EQ(platform.messages, Texts{kMissing});
}

TEST(Registration, System32CopiesThenRegistersWithTheCommaMessage) {
    FakePlatform platform;
    platform.folders = {"/windows/System32"};
    platform.files = {kBeside};
    RunRegistration(platform);
    ASSERT_EQ(platform.copies.size(), 1u);
    EXPECT_EQ(platform.copies[0], std::make_pair(std::string(kBeside),
                                                 std::string("C:/Windows/System32/COMDLG32.OCX")));
    EXPECT_EQ(platform.started, Texts{"regsvr32 /s C:\\Windows\\System32\\COMDLG32.OCX"});
    EXPECT_EQ(platform.messages, Texts{"Kayıt başarılı, ezgimar çalışabilir."});
}

TEST(Registration, UnknownSystemShowsExactlyTwoMessages) {
    FakePlatform platform;
    platform.files = {kBeside};
    RunRegistration(platform);
    EXPECT_EQ(platform.messages,
              (Texts{"İşletim sistemi tanınmıyor, Kayıt başarısız.",
                     " Uygulamanın yazarı ile temas kurun: destek@ritmora.invalid"}));
    EXPECT_TRUE(platform.copies.empty());
    EXPECT_TRUE(platform.started.empty());
}

TEST(Registration, FailedCopyStartOrRegistrationIsNeverASuccess) {
    struct Case {
        bool componentPresent;
        bool copySucceeds;
        std::optional<int> exitCode;
        const char* message;
    };
    const Case cases[] = {
        {false, false, 0, "Kayıt başarısız: COMDLG32.OCX sistem klasörüne kopyalanamadı."},
        {true, true, std::nullopt, "Kayıt başarısız: regsvr32 başlatılamadı."},
        {true, true, 5,
         "Kayıt başarısız: regsvr32 COMDLG32.OCX dosyasını kaydedemedi, hata kodu 5."},
    };
    for (const Case& c : cases) {
        FakePlatform platform;
        platform.folders = {"/windows/SysWOW64"};
        platform.files = {kBeside};
        if (c.componentPresent) platform.files.insert("/windows/SysWOW64/COMDLG32.OCX");
        platform.copySucceeds = c.copySucceeds;
        platform.exitCode = c.exitCode;
        RunRegistration(platform);
        EXPECT_EQ(platform.messages, Texts{c.message});
        if (!c.copySucceeds) {
            EXPECT_TRUE(platform.started.empty());
        }
    }
}

}  // namespace
}  // namespace ritmora::dlgsetup
