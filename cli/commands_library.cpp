// list and show: the library as text.
#include <iomanip>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_context.h"
#include "cli/terminal_text.h"
#include "library/cp1254.h"
#include "library/list_line.h"
#include "library/provenance.h"
#include "library/usul_record.h"

namespace ritmora::cli {
namespace {

// A stored text without its padding (blanks and NULs).
std::string Trimmed(const std::string& text) {
    const std::string shown = ShownText(text);
    const auto first = shown.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return shown.substr(first, shown.find_last_not_of(' ') + 1 - first);
}

bool HoldsAnything(const StrokeCell& cell) {
    return cell.rightDuration != 0 || cell.leftDuration != 0 || cell.loudness != 0 ||
           cell.separator != 0 || !Trimmed(cell.syllable).empty();
}

// The ring of the last stroke, 0 when the usul has none.
int LastRingInUse(const UsulRecord& record) {
    for (int ring = kCellCount; ring >= 1; --ring) {
        if (!record.Cell(ring).IsEmpty()) return ring;
    }
    return 0;
}

std::string ReadFailure(int slot) {
    return "ritmora-cli: slot " + std::to_string(slot) + " could not be read from the library";
}

}  // namespace

int RunList(const Context& context, const std::vector<std::string>& args) {
    const bool sources = args.size() == 1 && args[0] == "--sources";
    if (!args.empty() && !sources) return UsageError(context, "usage: list [--sources]");
    const auto library = OpenLibrary(context);
    if (!library) return kExitFailure;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        UsulRecord record;
        if (!library->ReadSlot(slot, record)) {
            context.err << ReadFailure(slot) << "\n";
            return kExitFailure;
        }
        context.out << ForTerminal(UsulListLine(slot, record));
        if (sources) {
            const SlotSource source = SourceOfSlot(slot, record);
            context.out << "  "
                        << (source.state == SlotSourceState::kDefault
                                ? std::string(ProvenanceClassName(source.provenance->kind,
                                                                  context.language))
                                : SlotSourceLine(source, context.language));
        }
        context.out << "\n";
    }
    return kExitOk;
}

int RunShow(const Context& context, const std::vector<std::string>& args) {
    if (args.size() != 1) return UsageError(context, "usage: show SLOT (a slot number 1..255)");
    int slot = 0;
    if (!ParseInt(args[0], slot) || slot < 1 || slot > kSlotCount) {
        return UsageError(context, "show: '" + args[0] + "' is not a slot number 1..255");
    }
    const auto library = OpenLibrary(context);
    if (!library) return kExitFailure;
    UsulRecord record;
    if (!library->ReadSlot(slot, record)) {
        context.err << ReadFailure(slot) << "\n";
        return kExitFailure;
    }

    std::ostream& out = context.out;
    out << "slot " << slot << ": " << ForTerminal(Trimmed(record.name)) << "\n";
    out << "time signature " << int(record.beats) << "/" << int(record.mertebe)
        << ", total duration " << record.totalDuration << ", expected total "
        << ExpectedTotal(record.beats, record.mertebe) << ", last ring in use "
        << LastRingInUse(record) << "\n";
    const SlotSource source = SourceOfSlot(slot, record);
    out << "source: " << SlotSourceLine(source, context.language) << "\n";
    if (source.provenance != nullptr) {
        out << "note: " << ProvenanceNote(*source.provenance, context.language) << "\n";
    }
    out << "cell right left loudness syllable separator\n";
    const auto column = [&out](int value, int width) { out << std::setw(width) << value; };
    for (int ring = 1; ring <= kCellCount; ++ring) {
        const StrokeCell& cell = record.Cell(ring);
        if (!HoldsAnything(cell)) continue;
        column(ring, 4);
        column(cell.rightDuration, 6);
        column(cell.leftDuration, 5);
        column(cell.loudness, 9);
        out << "    \"" << ForTerminal(ShownText(cell.syllable)) << "\"";
        column(cell.separator, 10);
        out << "\n";
    }
    return kExitOk;
}

}  // namespace ritmora::cli
