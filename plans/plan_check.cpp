#include "plans/plan_check.h"

#include <system_error>
#include <utility>

#include "app/texts.h"
#include "library/cp1254.h"
#include "library/replacing_file.h"
#include "plans/plan_file.h"
#include "plans/plan_line.h"
#include "plans/plan_syntax.h"

namespace ritmora {
namespace {

static_assert(kPlanColumns.size() == kPlanFieldCount);

PlanCheckResult Fault(int messageIndex, int line) {
    PlanCheckResult result;
    result.messageIndex = messageIndex;
    result.line = line;
    return result;
}

std::string NormalisedLine(const std::string& columns) {
    return CollapseBlanks(TrimBlanks(columns));
}

std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += Utf8CharSize(text, pos)) ++count;
    return count;
}

}  // namespace

bool FitsPlanColumns(const std::vector<std::string>& fields) {
    // The name is only a label: a long one is cut, as saved plans always had it. Numbers are
    // never cut, since a cut number means something else.
    for (std::size_t f = 1; f < fields.size() && f < kPlanFieldCount; ++f) {
        if (CharacterCount(fields[f]) > kPlanColumns[f].width) return false;
    }
    return true;
}

std::string PlanColumns(const std::vector<std::string>& fields) {
    // One entry per character, so UTF-8 letters take one column each.
    std::vector<std::string> cells(kPlanLineWidth, " ");
    for (std::size_t f = 0; f < fields.size() && f < kPlanFieldCount; ++f) {
        const std::string& field = fields[f];
        std::size_t pos = 0;
        for (std::size_t i = 0; i < kPlanColumns[f].width && pos < field.size(); ++i) {
            const std::size_t size = Utf8CharSize(field, pos);
            cells[kPlanColumns[f].first - 1 + i] = field.substr(pos, size);
            pos += size;
        }
    }
    std::string line;
    for (const std::string& cell : cells) line += cell;
    return line;
}

PlanCheckResult ValidatePlan(std::string_view planText, std::string_view planName,
                             UsulLibrary& library) {
    if (planText.empty()) return Fault(27, 0);
    if (planName.empty()) return Fault(26, 0);

    std::vector<std::vector<std::string>> rows;
    int lineNumber = 0;
    for (const std::string& raw : SplitLines(planText)) {
        const std::string line = NormalisedLine(raw);
        if (line.empty()) continue;
        ++lineNumber;
        PlanLineCheck check = CheckPlanLine(line, library);
        if (check.messageIndex != 0) return Fault(check.messageIndex, lineNumber);
        // Cutting a field would save something else than was typed ("0049-" as "0049").
        if (!FitsPlanColumns(check.fields)) return Fault(kPlanFieldTooWideMessage, lineNumber);
        rows.push_back(std::move(check.fields));
    }
    // A text of blank lines only holds no passage: the empty-text message fits it.
    if (rows.empty()) return Fault(27, 0);

    PlanCheckResult result;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) result.normalisedText += "\r\n";
        result.normalisedText += PlanColumns(rows[i]);
        result.passageNames.push_back(rows[i][0]);
    }

    const std::string stem = FoldTurkishLetters(TrimBlanks(planName));
    if (!IsUsableFileStem(stem)) return Fault(kUnusablePlanName, 0);
    result.fileName = stem + ".txt";
    return result;
}

bool WritePlanFile(const std::filesystem::path& planFolder, const PlanCheckResult& result,
                   std::string* error) {
    auto fail = [error](std::string reason) {
        if (error != nullptr) *error = std::move(reason);
        return false;
    };
    const std::string& name = result.fileName;
    constexpr std::string_view kExtension = ".txt";
    if (name.size() <= kExtension.size() ||
        name.compare(name.size() - kExtension.size(), kExtension.size(), kExtension) != 0 ||
        !IsUsableFileStem(std::string_view(name).substr(0, name.size() - kExtension.size()))) {
        return fail("unusable plan file name '" + name + "'");
    }
    std::error_code code;
    if (!std::filesystem::is_directory(planFolder, code)) {
        return fail("the plan folder " + planFolder.string() + " does not exist");
    }
    const std::string bytes = Utf8ToCp1254(result.normalisedText + "\r\n");
    const std::string failure =
        ReplaceFileContent(planFolder / PathFromUtf8(name),
                           {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    if (!failure.empty()) return fail(failure);
    return true;
}

const std::string& PlanNameRefusalText(bool turkish) {
    static const std::string kTurkish =
        "Bu plan adı dosya adı olarak kullanılamaz. Lütfen boş olmayan, / \\ : * ? \" < > | "
        "veya .. içermeyen bir isim verin.";
    static const std::string kEnglish =
        "This plan name cannot be used as a file name. Please give a name that is not empty "
        "and holds none of / \\ : * ? \" < > | or \"..\".";
    return turkish ? kTurkish : kEnglish;
}

}  // namespace ritmora
