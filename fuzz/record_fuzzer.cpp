// Usul records and the library file: any 1684 bytes decode to a record that encodes to the same
// bytes, Windows-1254 text survives its way through UTF-8, and the library file gives back what
// it holds (or, at a wrong size, is left alone).
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "library/cp1254.h"
#include "library/default_library.h"
#include "library/library_file.h"
#include "library/list_line.h"
#include "library/usul_record.h"

using namespace ritmora;
using ritmora::fuzz::Require;

namespace {

RecordBytes RecordAt(std::span<const std::uint8_t> data, std::size_t offset) {
    RecordBytes bytes{};
    if (offset < data.size()) {
        std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(offset),
                    std::min(kRecordSize, data.size() - offset), bytes.begin());
    }
    return bytes;
}

void CheckRecord(const RecordBytes& bytes) {
    const UsulRecord record = DecodeUsulRecord(bytes);
    Require(EncodeUsulRecord(record) == bytes, "record bytes -> record -> bytes");
    Require(EncodeSettingsRecord(DecodeSettingsRecord(bytes)) == bytes, "settings round trip");
    Require(Utf8Length(record.name) == kNameChars, "a decoded name keeps 40 characters");
    Require(Utf8Length(UsulListLine(kSlotCount, record)) == kListLineChars, "list line width");
}

void CheckText(std::string_view raw) {
    const std::string utf8 = Cp1254ToUtf8(raw);
    Require(Utf8ToCp1254(utf8) == raw, "Windows-1254 -> UTF-8 -> Windows-1254");
    Require(Utf8Length(utf8) == raw.size(), "one character per Windows-1254 byte");
    // The same bytes taken as (possibly malformed) UTF-8.
    Require(Utf8ToCp1254(raw).size() == Utf8Length(raw), "one byte per UTF-8 character");
    Require(Utf8Length(FitText(raw, kNameChars)) == kNameChars, "a fitted text has its width");
}

// The library file: the default one with the input over its last two records (slot 255 and the
// settings); a longer input makes the file too long, which must be refused untouched. Only that
// tail is rewritten for each input.
void CheckLibraryFile(std::span<const std::uint8_t> data) {
    static const fuzz::ScratchFolder folder;
    static const auto path = folder.path() / UsulLibrary::kFileName;
    static const bool created = (fuzz::WriteFile(path, DefaultLibraryBytes()), true);
    constexpr std::size_t kTailOffset = kLibraryFileSize - 2 * kRecordSize;
    std::vector<std::uint8_t> tail(data.begin(), data.end());
    tail.resize(std::max(tail.size(), 2 * kRecordSize), 0);
    {
        std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(kTailOffset);
        file.write(reinterpret_cast<const char*>(tail.data()),
                   static_cast<std::streamsize>(tail.size()));
        Require(created && file.good(), "the library file is written");
    }
    std::filesystem::resize_file(path, kTailOffset + tail.size());

    LibraryOpenResult opened = UsulLibrary::EnsureAndOpen(folder.path(), DefaultLibraryBytes());
    if (kTailOffset + tail.size() != kLibraryFileSize) {
        Require(opened.status == LibraryStatus::WrongSize, "a wrong size is refused");
        Require(fuzz::ReadFile(path, kTailOffset) == tail, "a refused library is left untouched");
        return;
    }
    Require(opened.status == LibraryStatus::Ok, "a library of the right size opens");
    UsulLibrary& library = *opened.library;
    UsulRecord record;
    Require(library.ReadSlot(kSlotCount, record), "slot 255 reads");
    Require(record == DecodeUsulRecord(RecordAt(data, 0)), "slot 255 as stored");
    SettingsRecord settings;
    Require(library.ReadSettings(settings), "the settings read");
    Require(settings == DecodeSettingsRecord(RecordAt(data, kRecordSize)), "settings as stored");
    Require(library.WriteSlot(kSlotCount, record) && library.WriteSettings(settings),
            "records write back");
    library.Close();
    Require(fuzz::ReadFile(path, kTailOffset) == tail,
            "writing back what was read changes nothing");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    CheckRecord(RecordAt(input, 0));
    CheckText(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckLibraryFile(input);
    return 0;
}
