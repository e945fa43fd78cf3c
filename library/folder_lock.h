#pragma once
// One lock per data folder, shared by the editor and the command line: the file ritmora.lock,
// locked through the operating system, which drops the lock when its process ends however it
// ends. So a lock file left by a crash, an empty one or one full of garbage never stops anyone;
// only a live process holds the folder. The file's text tells waiting processes who holds it.
#include <chrono>
#include <filesystem>
#include <string>

#include "library/native_file.h"

namespace ritmora {

enum class FolderUser { Editor, CommandLine };

class DataFolderLock {
  public:
    static constexpr const char* kFileName = "ritmora.lock";

    enum class Outcome {
        Acquired,
        HeldByEditor,
        HeldByCommandLine,
        Unavailable,  // no lock can be made here (no such folder, no permission, a folder named
                      // like the lock file)
    };

    DataFolderLock(const std::filesystem::path& dataFolder, FolderUser user);
    ~DataFolderLock() { Release(); }
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // One try, without waiting.
    Outcome TryAcquire();
    // Waits up to `patience` while a command-line run holds the folder (runs are short); an
    // editor's hold is not waited for, it lasts as long as the window is open.
    Outcome Acquire(std::chrono::milliseconds patience);
    bool IsHeld() const { return held_; }
    void Release();

    // The system's reason when the outcome was Unavailable.
    const std::string& detail() const { return detail_; }

  private:
    Outcome Holder() const;

    std::filesystem::path path_;
    FolderUser user_;
    NativeFile file_;
    bool writable_ = false;
    bool held_ = false;
    std::string detail_;
};

}  // namespace ritmora
