#include "plans/plan_file.h"

#include <algorithm>
#include <system_error>

#include "app/texts.h"
#include "library/cp1254.h"
#include "plans/plan_line.h"
#include "plans/plan_syntax.h"

namespace ritmora {
namespace {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t extra = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (i + extra >= bytes.size()) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto byte = static_cast<unsigned char>(bytes[i + k]);
            const unsigned char min = k == 1 ? low : 0x80;
            const unsigned char max = k == 1 ? high : 0xBF;
            if (byte < min || byte > max) return false;
        }
        i += extra + 1;
    }
    return true;
}

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string Utf8OfPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

PlanFileText ReadPlanFile(const std::filesystem::path& file) {
    PlanFileText result;
    CheckedRead read = ReadCheckedFile(file, kPlanFileByteLimit);
    if (!read.ok()) {
        result.fault = read.fault;
        result.detail = DescribeReadFault(read, file);
        return result;
    }
    std::string bytes(read.bytes.begin(), read.bytes.end());
    read.bytes = {};

    std::string text;
    if (IsValidUtf8(bytes)) {
        text = std::move(bytes);
        if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    } else {
        text = Cp1254ToUtf8(bytes);
    }
    bool first = true;
    for (const std::string& line : SplitLines(text)) {
        if (!first) result.text += "\r\n";
        result.text += line;
        first = false;
    }
    return result;
}

int PlanReadFaultMessage(ReadFault fault) {
    switch (fault) {
        case ReadFault::None:
            return 0;
        case ReadFault::Missing:
            return kPlanFileMissingMessage;
        case ReadFault::NotARegularFile:
            return kNotAPlanFileMessage;
        case ReadFault::TooLarge:
            return kPlanFileTooLargeMessage;
        case ReadFault::Unreadable:
            break;
    }
    return kPlanFileUnreadableMessage;
}

std::optional<std::string> TryReadPlanFileText(const std::filesystem::path& file) {
    PlanFileText read = ReadPlanFile(file);
    if (!read.ok()) return std::nullopt;
    return std::move(read.text);
}

std::string ReadPlanFileText(const std::filesystem::path& file) {
    return TryReadPlanFileText(file).value_or(std::string());
}

std::string PlanNameFromFileName(std::string fileName) {
    constexpr std::string_view kExtension = ".txt";
    for (std::size_t pos = fileName.find(kExtension); pos != std::string::npos;
         pos = fileName.find(kExtension, pos)) {
        fileName.erase(pos, kExtension.size());
    }
    return fileName;
}

std::vector<std::string> PassageNamesOf(std::string_view planText) {
    std::vector<std::string> names;
    for (const std::string& line : SplitLines(planText)) {
        // Blank lines hold no passage; skipping them keeps the list in step with the passages
        // the renderer makes, whose end times are looked up by list position.
        if (TrimBlanks(line).empty()) continue;
        names.push_back(SplitAtBlanks(CollapseBlanks(line)).front());
    }
    return names;
}

std::vector<std::filesystem::path> ListPlanFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code code;
    std::filesystem::directory_iterator it(folder, code);
    if (code) return files;
    const std::filesystem::directory_iterator end;
    while (it != end) {
        std::error_code typeCode;
        const std::string name = Utf8OfPath(it->path().filename());
        if (it->is_regular_file(typeCode) && name.size() > 4 &&
            LowerAscii(name.substr(name.size() - 4)) == ".txt") {
            files.push_back(it->path());
        }
        it.increment(code);
        if (code) break;
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        const std::string nameA = Utf8OfPath(a.filename());
        const std::string nameB = Utf8OfPath(b.filename());
        const std::string lowerA = LowerAscii(nameA);
        const std::string lowerB = LowerAscii(nameB);
        return lowerA != lowerB ? lowerA < lowerB : nameA < nameB;
    });
    return files;
}

PlanReadResult ReadPlanForRendering(std::string_view planText, UsulLibrary& library) {
    PlanReadResult result;
    int lineNumber = 0;
    for (const std::string& raw : SplitLines(planText)) {
        const std::string line = CollapseBlanks(TrimBlanks(raw));
        if (line.empty()) continue;
        ++lineNumber;
        PlanLineCheck check = CheckPlanLine(line, library);
        if (check.messageIndex != 0) {
            result.passages.clear();
            result.messageIndex = check.messageIndex;
            result.line = lineNumber;
            return result;
        }
        result.passages.push_back(std::move(check.passage));
    }
    if (result.passages.empty()) result.messageIndex = 27;
    return result;
}

}  // namespace ritmora
