#pragma once
// The small text rules of work-plan lines: reading numbers, blanks, fields, and the file-name
// folding shared by plan files and JPG pictures.
#include <string>
#include <string_view>
#include <vector>

namespace ritmora {

// The longest leading run of `text` (after leading blanks) that forms a decimal number — sign,
// digits, one decimal point, exponent — read as a number; 0 when the text does not begin with
// one. "49-" -> 49, "-48" -> -48, "abc" -> 0, "1e2" -> 100, "1e" -> 1.
double LeadingNumber(std::string_view text);

// The shortest text that LeadingNumber reads back as exactly `value` (finite): 84 -> "84",
// 84.5 -> "84.5", 1e9 -> "1e+09". "0049", "84.00000" and "1e2" are longer forms of 49, 84, 100.
std::string ShortestNumberText(double value);

// Replaces every pair of blanks by one blank until no pair is left.
std::string CollapseBlanks(std::string_view text);

// Splits at the blank character, keeping empty fields: "a" -> {"a"}, "" -> {""},
// " a" -> {"", "a"}.
std::vector<std::string> SplitAtBlanks(std::string_view text);

// Removes leading and trailing blanks (the blank character only).
std::string TrimBlanks(std::string_view text);

// Splits a text into lines. A line ends at CR LF, at a bare LF (text typed on Linux) or at a
// bare CR. A final line break does not start another line, so "a\r\n" -> {"a"}; "" -> {}.
std::vector<std::string> SplitLines(std::string_view text);

// Replaces the Turkish letters ı İ Ç ç Ş ş Ö ö Ü ü Ğ ğ of a UTF-8 text by i I C c S s O o U u G g;
// every other character stays.
std::string FoldTurkishLetters(std::string_view utf8);

// Whether a folded name can become a file name in the data folder (an extension is appended):
// false when it is empty or only blanks, begins or ends with a blank, holds / \ : * ? " < > |,
// a control character or "..", or is a device name that Windows reserves (CON, NUL, COM1, ...).
bool IsUsableFileStem(std::string_view folded);

}  // namespace ritmora
