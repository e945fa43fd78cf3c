#include "dlgsetup/registration.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
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

    Texts copies;  // "from -> to"
    Texts started;
    Texts messages;
    Texts directories;

    bool FolderExists(const std::string& path) override { return folders.count(path) > 0; }
    bool FileExists(const std::string& path) override { return files.count(path) > 0; }
    bool CopyFile(const std::string& from, const std::string& to) override {
        copies.push_back(from + " -> " + to);
        return copySucceeds;
    }
    std::optional<int> RunProcess(const std::string& commandLine) override {
        started.push_back(commandLine);
        return exitCode;
    }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    std::string ProgramFolder() override { return "D:/Programs/Ritmora"; }
    bool ChangeDirectory(const std::string& path) override {
        directories.push_back(path);
        return true;
    }
};

TEST(Registration, EverySystemAndFailureHasItsOutcome) {
    const std::string beside = "D:/Programs/Ritmora/COMDLG32.OCX";
    const std::string w64 = "/windows/SysWOW64", w32 = "/windows/System32";
    const std::string reg64 = "regsvr32 /s C:\\Windows\\SysWOW64\\COMDLG32.OCX";
    const std::string reg32 = "regsvr32 /s C:\\Windows\\System32\\COMDLG32.OCX";
    const std::string copy64 = beside + " -> C:/Windows/SysWOW64/COMDLG32.OCX";
    const std::string copy32 = beside + " -> C:/Windows/System32/COMDLG32.OCX";
    const std::string ok64 = "Kayıt başarılı. Ezgimar çalışabilir.";
    struct Case {
        const char* what;
        std::set<std::string> folders, files;
        bool copySucceeds;
        std::optional<int> exitCode;
        Texts copies, started, messages;
    };
    // clang-format off
    const Case cases[] = {
        {"in SysWOW64", {w64, w32}, {w64 + "/COMDLG32.OCX"}, true, 0, {}, {reg64}, {ok64}},
        {"beside, SysWOW64", {w64}, {beside}, true, 0, {copy64}, {reg64}, {ok64}},
        {"beside, System32", {w32}, {beside}, true, 0, {copy32}, {reg32},
         {"Kayıt başarılı, ezgimar çalışabilir."}},
        {"nowhere", {w32}, {}, true, 0, {}, {},
         {"Kayıt başarsız, Ezgimar dizininde COMDLG32.OCX dosyası gerekli. "}},
        {"unknown system", {}, {beside}, true, 0, {}, {},
         {"İşletim sistemi tanınmıyor, Kayıt başarısız.",
          " Uygulamanın yazarı ile temas kurun: destek@ritmora.invalid"}},
        // A failed copy, start or registration is never announced as a success.
        {"copy fails", {w64}, {beside}, false, 0, {copy64}, {},
         {"Kayıt başarısız: COMDLG32.OCX sistem klasörüne kopyalanamadı."}},
        {"no start", {w64}, {beside}, true, std::nullopt, {copy64}, {reg64},
         {"Kayıt başarısız: regsvr32 başlatılamadı."}},
        {"refused", {w64}, {beside}, true, 5, {copy64}, {reg64},
         {"Kayıt başarısız: regsvr32 COMDLG32.OCX dosyasını kaydedemedi, hata kodu 5."}},
    };
    // clang-format on
    for (const Case& c : cases) {
        FakePlatform platform;
        platform.folders = c.folders;
        platform.files = c.files;
        platform.copySucceeds = c.copySucceeds;
        platform.exitCode = c.exitCode;
        RunRegistration(platform);
        EXPECT_EQ(platform.directories, Texts{"D:/Programs/Ritmora"}) << c.what;
        EXPECT_EQ(platform.copies, c.copies) << c.what;
        EXPECT_EQ(platform.started, c.started) << c.what;
        EXPECT_EQ(platform.messages, c.messages) << c.what;
    }
}

}  // namespace
}  // namespace ritmora::dlgsetup
