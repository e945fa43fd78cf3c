#pragma once
// The real operating system behind dlgsetup's decisions: Win32 calls on Windows; elsewhere the
// standard file system and a detached process start. Messages are Qt message boxes everywhere.
#include "dlgsetup/registration.h"

namespace ritmora::dlgsetup {

class SystemPlatform : public RegistrationPlatform {
  public:
    bool FolderExists(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool CopyFile(const std::string& from, const std::string& to) override;
    bool StartProcess(const std::string& commandLine) override;
    void ShowMessage(const std::string& text) override;
    std::string ProgramFolder() override;
    bool ChangeDirectory(const std::string& path) override;
};

}  // namespace ritmora::dlgsetup
