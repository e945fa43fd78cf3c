#include "dlgsetup/registration.h"

namespace ritmora::dlgsetup {
namespace {

// One system folder and what is done in it. The probes carry no drive letter: they are resolved
// against the current drive, the program's own.
struct SystemFolder {
    const char* folderProbe;
    const char* componentProbe;
    const char* copyTarget;
    const char* registrationArgument;  // begins with a blank
    const char* successMessage;
};

constexpr SystemFolder kSysWow64 = {
    "/windows/SysWOW64",
    "/windows/SysWOW64/COMDLG32.OCX",
    "C:/Windows/SysWOW64/COMDLG32.OCX",
    " C:\\Windows\\SysWOW64\\COMDLG32.OCX",
    "Kayıt başarılı. Ezgimar çalışabilir.",
};

constexpr SystemFolder kSystem32 = {
    "/windows/System32",
    "/windows/System32/COMDLG32.OCX",
    "C:/Windows/System32/COMDLG32.OCX",
    " C:\\Windows\\System32\\COMDLG32.OCX",
    "Kayıt başarılı, ezgimar çalışabilir.",
};

constexpr const char* kComponentBesideProgram = "/COMDLG32.OCX";
constexpr const char* kRegistrationCommand = "regsvr32 /s";

constexpr const char* kComponentMissing =
    "Kayıt başarsız, Ezgimar dizininde COMDLG32.OCX dosyası gerekli. ";
constexpr const char* kCopyFailed = "Kayıt başarısız: COMDLG32.OCX sistem klasörüne kopyalanamadı.";
constexpr const char* kStartFailed = "Kayıt başarısız: regsvr32 başlatılamadı.";
constexpr const char* kRegistrationRefused =
    "Kayıt başarısız: regsvr32 COMDLG32.OCX dosyasını kaydedemedi, hata kodu ";
constexpr const char* kSystemUnknown = "İşletim sistemi tanınmıyor, Kayıt başarısız.";
constexpr const char* kContact = " Uygulamanın yazarı ile temas kurun: destek@ritmora.invalid";

void Register(RegistrationPlatform& platform, const std::string& programFolder,
              const SystemFolder& folder) {
    if (!platform.FileExists(folder.componentProbe)) {
        const std::string source = programFolder + kComponentBesideProgram;
        if (!platform.FileExists(source)) {
            platform.ShowMessage(kComponentMissing);
            return;
        }
        // A component that did not arrive cannot be registered: say so instead of success.
        if (!platform.CopyFile(source, folder.copyTarget)) {
            platform.ShowMessage(kCopyFailed);
            return;
        }
    }
    // The registration is awaited: a component the system refused (no administrator rights, a
    // damaged file) must not be announced as registered.
    const std::optional<int> exitCode =
        platform.RunProcess(std::string(kRegistrationCommand) + folder.registrationArgument);
    if (!exitCode) {
        platform.ShowMessage(kStartFailed);
    } else if (*exitCode != 0) {
        platform.ShowMessage(kRegistrationRefused + std::to_string(*exitCode) + ".");
    } else {
        platform.ShowMessage(folder.successMessage);
    }
}

}  // namespace

void RunRegistration(RegistrationPlatform& platform) {
    const std::string programFolder = platform.ProgramFolder();
    // Only the current drive matters (the probes have none); a failure leaves the drive as it is.
    platform.ChangeDirectory(programFolder);
    if (platform.FolderExists(kSysWow64.folderProbe)) {
        Register(platform, programFolder, kSysWow64);
    } else if (platform.FolderExists(kSystem32.folderProbe)) {
        Register(platform, programFolder, kSystem32);
    } else {
        platform.ShowMessage(kSystemUnknown);
        platform.ShowMessage(kContact);
    }
}

}  // namespace ritmora::dlgsetup
