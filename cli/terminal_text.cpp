#include "cli/terminal_text.h"

#include <cstdio>

#include "library/cp1254.h"

namespace ritmora::cli {

namespace {

void AppendHex(std::string& out, const char* form, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, form, value);
    out += text;
}

}  // namespace

std::string ForTerminal(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x20 || byte == 0x7F) {
            if (byte == '\r') {
                out += "\\r";
            } else if (byte == '\n') {
                out += "\\n";
            } else if (byte == '\t') {
                out += "\\t";
            } else {
                AppendHex(out, "\\x%02x", byte);
            }
            ++i;
            continue;
        }
        const std::size_t size = Utf8CharSize(utf8, i);
        if (size == 1 && byte >= 0x80) {  // not UTF-8
            AppendHex(out, "\\x%02x", byte);
            ++i;
            continue;
        }
        // U+0080..U+009F: the C1 controls, which some terminals obey like ESC sequences.
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            AppendHex(out, "\\u%04x", next);
        } else {
            out.append(utf8.substr(i, size));
        }
        i += size;
    }
    return out;
}

std::string ForTerminal(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return ForTerminal(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

}  // namespace ritmora::cli
