#pragma once
// Text from files and from the user, made safe to print on a terminal.
#include <filesystem>
#include <string>
#include <string_view>

namespace ritmora::cli {

// Control characters are shown as escapes (\r, \n, \t, \x1b, \u009b) and bytes that are not
// UTF-8 as \xHH, so a name can neither break a line nor steer the terminal. Everything else,
// Turkish letters included, is kept.
std::string ForTerminal(std::string_view utf8);
inline std::string ForTerminal(const std::string& utf8) {
    return ForTerminal(std::string_view(utf8));
}
std::string ForTerminal(const std::filesystem::path& path);

}  // namespace ritmora::cli
