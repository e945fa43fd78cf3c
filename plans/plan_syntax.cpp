#include "plans/plan_syntax.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <utility>

namespace ritmora {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    return pos;
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    }
    return true;
}

// Names Windows opens as devices whatever extension follows them.
bool IsReservedDeviceName(std::string_view stem) {
    const std::size_t dot = stem.find('.');
    std::string_view base = stem.substr(0, dot);
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
    for (std::string_view name : kPlain) {
        if (EqualsIgnoringAsciiCase(base, name)) return true;
    }
    if (base.size() == 4 && base[3] >= '1' && base[3] <= '9') {
        const std::string_view prefix = base.substr(0, 3);
        if (EqualsIgnoringAsciiCase(prefix, "COM") || EqualsIgnoringAsciiCase(prefix, "LPT")) {
            return true;
        }
    }
    return false;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    const std::size_t start = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    const std::size_t intStart = pos;
    pos = SkipDigits(text, pos);
    std::size_t digits = pos - intStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fracStart = pos + 1;
        const std::size_t fracEnd = SkipDigits(text, fracStart);
        digits += fracEnd - fracStart;
        pos = fracEnd;
    }
    if (digits == 0) return 0.0;
    // An exponent counts only when at least one digit follows it: "1e" reads as 1.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t expPos = pos + 1;
        if (expPos < text.size() && (text[expPos] == '+' || text[expPos] == '-')) ++expPos;
        const std::size_t expEnd = SkipDigits(text, expPos);
        if (expEnd > expPos) pos = expEnd;
    }
    // strtod reads exactly this run (it is a complete decimal number); out-of-range values
    // become infinity or zero, which every range check handles.
    const std::string number(text.substr(start, pos - start));
    return std::strtod(number.c_str(), nullptr);
}

std::string ShortestNumberText(double value) {
    // to_chars without a format gives the shortest text that reads back as the same double.
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

std::string CollapseBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out += c;
    }
    return out;
}

std::vector<std::string> SplitAtBlanks(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t blank = text.find(' ', start);
        if (blank == std::string_view::npos) {
            fields.emplace_back(text.substr(start));
            return fields;
        }
        fields.emplace_back(text.substr(start, blank - start));
        start = blank + 1;
    }
}

std::string TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, pos - start));
            pos += (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
            start = pos;
        } else {
            ++pos;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string FoldTurkishLetters(std::string_view utf8) {
    // In the order the folding is defined; no replacement creates another's source.
    static constexpr std::array<std::pair<std::string_view, char>, 12> kFolds = {{
        {"ı", 'i'},
        {"İ", 'I'},
        {"Ç", 'C'},
        {"ç", 'c'},
        {"Ş", 'S'},
        {"ş", 's'},
        {"Ö", 'O'},
        {"ö", 'o'},
        {"Ü", 'U'},
        {"ü", 'u'},
        {"Ğ", 'G'},
        {"ğ", 'g'},
    }};
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        bool folded = false;
        for (const auto& [letter, plain] : kFolds) {
            if (utf8.substr(pos, letter.size()) == letter) {
                out += plain;
                pos += letter.size();
                folded = true;
                break;
            }
        }
        if (!folded) out += utf8[pos++];
    }
    return out;
}

bool IsUsableFileStem(std::string_view folded) {
    if (folded.empty() || folded.front() == ' ' || folded.back() == ' ') return false;
    if (folded.find("..") != std::string_view::npos) return false;
    for (char c : folded) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return false;
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos) return false;
    }
    return !IsReservedDeviceName(folded);
}

}  // namespace ritmora
