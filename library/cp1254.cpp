#include "library/cp1254.h"

#include <array>
#include <cstdint>

namespace ritmora {
namespace {

// Code points of the bytes 0x80..0xFF. Bytes that Windows-1254 leaves undefined map to the C1
// control of the same value, so that any byte read from a file is written back unchanged.
// clang-format off
constexpr std::array<char32_t, 128> kHighHalf = {
    // 0x80
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,
    // 0x90
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,
    // 0xA0
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    // 0xB0
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,
    // 0xC0
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,
    // 0xD0: Ğ, İ and Ş replace Ð, Ý and Þ of Latin-1
    0x011E, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x0130, 0x015E, 0x00DF,
    // 0xE0
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,
    // 0xF0: ğ, ı and ş replace ð, ý and þ
    0x011F, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x0131, 0x015F, 0x00FF,
};
// clang-format on

constexpr char32_t kInvalid = 0xFFFFFFFF;

char32_t CodePointOfByte(unsigned char byte) {
    return byte < 0x80 ? char32_t{byte} : kHighHalf[byte - 0x80];
}

// The byte of a code point, or -1 when Windows-1254 has none.
int ByteOfCodePoint(char32_t codePoint) {
    if (codePoint < 0x80) return static_cast<int>(codePoint);
    for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
        if (kHighHalf[i] == codePoint) return static_cast<int>(0x80 + i);
    }
    return -1;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::size_t Utf8CharSize(std::string_view utf8, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    std::size_t size = 1;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4;
        min = 0x10000;
    } else {
        return 1;  // ASCII, or a stray byte that counts as one character of its own
    }
    if (pos + size > utf8.size()) return 1;
    char32_t cp = lead & (0x7F >> size);
    for (std::size_t i = 1; i < size; ++i) {
        const auto next = static_cast<unsigned char>(utf8[pos + i]);
        if ((next & 0xC0) != 0x80) return 1;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 1;
    return size;
}

namespace {

// The code point starting at `pos` (kInvalid for a malformed sequence) and its size in bytes.
char32_t DecodeAt(std::string_view utf8, std::size_t pos, std::size_t& size) {
    size = Utf8CharSize(utf8, pos);
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    if (size == 1) return lead < 0x80 ? char32_t{lead} : kInvalid;
    char32_t cp = lead & (0x7F >> size);
    for (std::size_t i = 1; i < size; ++i) {
        cp = (cp << 6) | (static_cast<unsigned char>(utf8[pos + i]) & 0x3F);
    }
    return cp;
}

}  // namespace

std::string Cp1254ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char byte : bytes) AppendUtf8(out, CodePointOfByte(static_cast<unsigned char>(byte)));
    return out;
}

std::string Utf8ToCp1254(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t size = 1;
        const char32_t cp = DecodeAt(utf8, pos, size);
        const int byte = cp == kInvalid ? -1 : ByteOfCodePoint(cp);
        out += byte < 0 ? '?' : static_cast<char>(byte);
        pos += size;
    }
    return out;
}

std::size_t Utf8Length(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); pos += Utf8CharSize(utf8, pos)) ++count;
    return count;
}

std::string ShownText(std::string_view utf8) {
    std::string out(utf8);
    for (char& c : out) {
        if (c == '\0') c = ' ';
    }
    return out;
}

}  // namespace ritmora
