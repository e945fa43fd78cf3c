#pragma once
// The decisions of dlgsetup: where the common-dialog component COMDLG32.OCX must be copied and
// how it is registered for Ezgimar. The operating system is reached through RegistrationPlatform
// only, so the decisions can be tried without Windows.
#include <optional>
#include <string>

namespace ritmora::dlgsetup {

class RegistrationPlatform {
  public:
    virtual ~RegistrationPlatform() = default;
    virtual bool FolderExists(const std::string& path) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    virtual bool CopyFile(const std::string& from, const std::string& to) = 0;
    // Runs a command line in a minimised window that takes the focus and waits for its end:
    // its exit code, or nothing when it could not be started.
    virtual std::optional<int> RunProcess(const std::string& commandLine) = 0;
    // One message box with an OK button; returns when the user has closed it.
    virtual void ShowMessage(const std::string& text) = 0;
    virtual std::string ProgramFolder() = 0;
    virtual bool ChangeDirectory(const std::string& path) = 0;
};

// Copies the component beside the program into the system folder when it is missing there,
// registers it silently and tells the user the outcome, all in message boxes.
void RunRegistration(RegistrationPlatform& platform);

}  // namespace ritmora::dlgsetup
