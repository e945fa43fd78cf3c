#pragma once
// The real operating system behind dlgsetup's decisions. On Windows only Win32 calls (message
// boxes included); elsewhere the standard file system, a Qt process start and Qt message boxes.
#include "dlgsetup/registration.h"

namespace ritmora::dlgsetup {

class SystemPlatform : public RegistrationPlatform {
  public:
    bool FolderExists(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to) override;
    std::optional<int> RunProcess(const std::string& commandLine) override;
    void ShowMessage(const std::string& text) override;
    std::string ProgramFolder() override;
    bool ChangeDirectory(const std::string& path) override;
};

}  // namespace ritmora::dlgsetup
