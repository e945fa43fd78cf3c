#include "dlgsetup/registration.h"

#include <gtest/gtest.h>

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
    bool startSucceeds = true;

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
    bool StartProcess(const std::string& commandLine) override {
        if (startSucceeds) started.push_back(commandLine);
        return startSucceeds;
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

bool AnnouncesSuccess(const FakePlatform& platform) {
    for (const std::string& message : platform.messages) {
        if (message.find("başarılı") != std::string::npos) return true;
    }
    return false;
}

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

TEST(Registration, FailedCopyOrStartIsNeverASuccess) {
    FakePlatform copyFails;
    copyFails.folders = {"/windows/System32"};
    copyFails.files = {kBeside};
    copyFails.copySucceeds = false;
    RunRegistration(copyFails);
    EXPECT_TRUE(copyFails.started.empty());
    EXPECT_EQ(copyFails.messages,
              Texts{"Kayıt başarısız: COMDLG32.OCX sistem klasörüne kopyalanamadı."});

    FakePlatform startFails;
    startFails.folders = {"/windows/SysWOW64"};
    startFails.files = {"/windows/SysWOW64/COMDLG32.OCX"};
    startFails.startSucceeds = false;
    RunRegistration(startFails);
    EXPECT_FALSE(AnnouncesSuccess(startFails));
    EXPECT_EQ(startFails.messages, Texts{"Kayıt başarısız: regsvr32 başlatılamadı."});
}

}  // namespace
}  // namespace ritmora::dlgsetup
