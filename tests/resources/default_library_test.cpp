// The default library as the program carries it: the bytes and the provenance table are checked
// against the library's fixed facts, the editor's rules and a transcription of the sources,
// independently of the generator that wrote them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "library/default_library.h"
#include "library/provenance.h"
#include "library/usul_record.h"
#include "notation/note_values.h"
#include "notation/relayout.h"
#include "tests/support/test_support.h"

namespace ritmora {
namespace {

// Stroke patterns written by hand from the usul reference notes, not from the library source:
// Stroke:duration(strength) in sixty-fourths at the fastest mertebe the notes give; "|" only
// marks the parts; no strength where the notes give none; a bare word is the pattern of that
// name. musemmen-v is the library's own form, loudness deliberately not set; aksak-semai-at-16
// is the aksak semai's (2+1+2) + (2+2+1) at the curcuna's sixteenth; ...-at-8 halves the 10/4 form.
const std::map<std::string, std::string> kPatterns = {
    {"nim-sofyan", "Düm:8(3) Tek:8(2)"},
    {"semai", "Düm:8(3) Tek:8(2) Tek:8(1)"},
    {"sofyan", "Düm:16(3) Te:8(2) Ke:8(1)"},
    {"turk-aksagi", "Düm:16(3) Tek:16(2) Tek:8(1)"},
    {"yuruk-semai", "Düm:8(3) Tek:8(2) Tek:8(1) Düm:8(1) Tek:16(2)"},
    {"bilesik-nim-sofyan", "Düm:8 Tek:8 | Düm:8 Tek:8 | Düm:8 Tek:8"},
    {"devr-i-hindi", "Düm:8(3) Tek:8(2) Tek:8(1) | Düm:16(3) Tek:16(1)"},
    {"devr-i-turan", "Düm:16(3) Tek:16(1) Tek:24(2)"},
    {"duyek", "Düm:8(2) Tek:16(3) Tek:8(1) | Düm:16(3) Tek:16(1)"},
    {"musemmen", "Düm:8(3) Tek:8(2) Tek:8(1) | Düm:16(3) Tek:16(2) Tek:8(1)"},
    {"musemmen-v", "Düm:8(0) Tek:8(0) Kâ:8(0) Tek:8(0) Kâ:8(0) Tek:8(0) Kâ:8(0) Te:4(0) Ke:4(0)"},
    {"aksak", "Düm:16(3) Te:8(2) Ke:8(1) | Düm:16(3) Tek:16(2) Tek:8(1)"},
    {"evfer", "Düm:16(3) Te:8(2) Ke:8(1) | Düm:16(3) Tek:8(1) Tek:16(2)"},
    {"raks-aksagi", "Düm:16(3) Tek:24(2) | Düm:16(3) Tek:16(1)"},
    {"oynak", "Düm:8(3) Tek:8(2) Tek:8(1) | Düm:16(3) Tek:16(2) Tek:16(1)"},
    {"curcuna", "Düm:8(3) Te:4(1) Kâ:8(2) | Düm:8(3) Tek:8(2) Tek:4(1)"},
    {"aksak-semai", "Düm:16(3) Tek:8(1) Tek:16(2) | Düm:16(3) Tek:16(2) Tek:8(1)"},
    {"aksak-semai-at-16", "Düm:8(3) Tek:4(1) Tek:8(2) | Düm:8(3) Tek:8(2) Tek:4(1)"},
    {"agir-aksak-semai-evferi-at-8", "Düm:16(3) Tek:8(1) Tek:16(2) | Düm:16(3) Tek:8(1) Tek:16(2)"},
    {"sarki-devr-i-revani-1",
     "Düm:8(3) Tek:8(2) Tek:8(1) | Düm:16(3) Tek:16(1) | Düm:16(3) Te:8(2) Ke:8(1) | Tek:16(1)"},
    {"sarki-devr-i-revani-2",
     "Düm:8(3) Tek:8(2) Tek:8(1) | Düm:8(2) Tek:16(3) Tek:8(1) Düm:16(3) Tek:16(1) | Tek:16(1)"},
    {"sarki-devr-i-revani-3",
     "Düm:16(3) Tek:16(2) Tek:16(1) | Düm:8(2) Tek:16(3) Tek:8(1) Düm:16(3) Tek:16(1) | Düm:8(2) "
     "Tek:16(3) Tek:8(1) Düm:16(3) Tek:16(1) | Tek:32(1)"},
    {"bektasi-raksani-1",
     "Düm:16(3) Tek:16(2) Tek:8(1) | Düm:16(3) Tek:8(1) Tek:16(2) | Düm:16(3) Tek:16(2) Tek:8(1)"},
    {"bektasi-raksani-2",
     "Düm:16(3) Tek:8(1) Tek:16(2) | Düm:16(3) Tek:8(1) Tek:16(2) | Düm:16(3) Tek:16(2) Tek:8(1)"},
    {"fer", "sofyan | sofyan | sofyan | sofyan"},
    {"devr-i-kebir-eski", "yuruk-semai | sofyan | sofyan | yuruk-semai | sofyan | sofyan"},
    {"devr-i-kebir-yeni", "yuruk-semai | sofyan | yuruk-semai | sofyan | sofyan | sofyan"},
    {"remel", "sofyan | yuruk-semai | sofyan | yuruk-semai | sofyan | sofyan"},
};

// Every filled slot: its number, time signature and name exactly as stored (blanks count), and
// for a sourced or partly sourced usul "= pattern*k": the pattern above, every duration times k.
constexpr const char* kSlotList = R"(
1 2/8 Nim sofyan = nim-sofyan; 2 2/4 Nim sofyan = nim-sofyan*2; 3 2/2 Nim sofyan = nim-sofyan*4
4 3/8 Semai = semai; 5 3/4 Semai = semai*2; 6 3/2 Semai = semai*4; 7 3/8 Semai v.
8 3/4 Semai v.; 9 4/8 Sofyan = sofyan; 10 4/4 Sofyan = sofyan*2; 11 4/4 Sofyan v.
12 5/8 Türk aksağı = turk-aksagi; 13 5/4 Türk aksağı = turk-aksagi*2; 14 5/8 Türk aksağı v.
15 5/4 Türk aksağı v.; 16 5/8 Zafer; 17 5/8 Zafer v.; 18 6/8 Yürük semai = yuruk-semai
19 6/4 Sengin semai = yuruk-semai*2; 20 6/2 Ağır sengin semai = yuruk-semai*4
21 6/4 Sengin semai v.; 22 6/4 Sengin semai vv.; 23 6/8 Bileşik nim sofyan = bilesik-nim-sofyan
24 7/8 Devr-i hindî = devr-i-hindi; 25 7/4 Devr-i hindî = devr-i-hindi*2; 26 7/8 Devr-i hindî v.
27 7/8 Devr-i hindî vv.; 28 7/8 Devr-i turan = devr-i-turan; 29 7/8 Devr-i turan v.
30 7/8 Devr-i aryan; 31 7/8 Devr-i aryan v.; 32 8/8 Düyek = duyek; 33 8/8 Düyek v.
34 8/4 Ağır düyek; 35 8/4 Ağır düyek v.; 36 8/8 Müsemmen (Katakofti) = musemmen
37 8/8 Müsemmen v. = musemmen-v; 38 9/8 Aksak = aksak; 39 9/8 Aksak(çifte sofyan)
40 9/8 9 zamanlı sofyan; 41 9/8 Aksak v.; 42 9/8 Çifte sofyan v.; 43 9/4 Ağır aksak = aksak*2
44 9/4 Ağır aksak v.; 45 9/4 Ağır aksak özel; 46 9/8 Evfer = evfer
47 9/4 Mevlevi evferi = evfer*2; 48 9/8 Evfer v.; 49 9/4 Mevlevi evferi v.
50 9/8 Raks aksağı = raks-aksagi; 51 9/8 Raks aksağı v.; 52 9/8 Raks aksağı vv.
53 9/8 Oynak = oynak; 54 9/8 Oynak v.; 55 9/8 Oynak vv.; 56 9/8 Birleşik semai
57 9/8 Bileşik semai v.; 58 10/16 Curcuna  açık = curcuna
59 10/16 Curcuna kapalı = aksak-semai-at-16; 60 10/16 Curcuna v.
61 10/8 Aksak semai açık = curcuna*2; 62 10/8 Aksak semai kapalı = aksak-semai
63 10/8 Aksak semai v.; 64 10/8 Aksak semai evferi = agir-aksak-semai-evferi-at-8
65 10/4 Ağır aksak semai = aksak-semai*2; 66 10/4 Ağır aksak semai v.; 67 10/4 Lenk fahte
68 10/4 Lenk fahte v.; 69 10/4 Lenk fahte vv.; 70 10/4 Lenk fahte vvv.; 71 10/8 Çeng-i harbi
72 10/4 Çeng-i harbi; 73 10/8 Devr-i süreyya; 74 10/8 Devr-i süreyya v.; 75 11/8 Tek vuruş
76 11/4 Tek vuruş; 77 11/8 Tek vuruş v.; 78 11/8 Tek vuruş vv.; 79 12/8 Frenkçin
80 12/4 Frenkçin; 81 12/4 Frenkçin v.; 82 12/8 Nim çenber; 83 12/4 Nim çenber
84 12/8 Nim çenber  v.; 85 12/4 Nim çenber v.; 86 12/8 İkiz aksak; 87 12/8 İkiz aksak v.
88 12/8 İkiz aksak vv.; 89 12/8 İkiz aksak vvv.; 90 12/8 Bileşik sofyan
91 12/8 Bileşik sofyan v.; 92 13/8 Nim evsat; 93 13/4 Nim evsat; 94 13/8 Nim evsat v.
95 13/4 Nim evsat v.; 96 13/8 Şarkı devr-i revanı = sarki-devr-i-revani-1
97 13/4 Şarkı devr-i revanı = sarki-devr-i-revani-1*2; 98 13/8 Şarkı devr-i revanı v.
99 13/4 Şarkı devr-i revanı v.; 100 13/8 Şarkı devr-i revanı-2 = sarki-devr-i-revani-2
101 13/4 Şarkı devr-i revanı-2 = sarki-devr-i-revani-2*2; 102 13/8 Şarkı devr-i revanı-2 v
103 13/4 Şarkı devr-i revanı-2 v; 104 13/4 Şarkı devr-i revanı-3 = sarki-devr-i-revani-3
105 13/8 Bektaşi devr-i revan; 106 13/4 Bektaşi devr-i revanı; 107 13/8 Bektaşi devr-i revanı v.
108 13/4 Bektaşi devr-i revanı v.; 109 14/8 Ayin devr-i revanı; 110 14/4 Ayin devr-i revanı
111 14/8 Ayin devr-i revanı v.; 112 14/4 Ayin devr-i revanı v.; 113 15/8 Raksan
114 15/8 Raksan v.; 115 15/8 Bektaşi raksanı-1 = bektasi-raksani-1
116 15/8 Bektaşi raksanı-2 = bektasi-raksani-2; 117 15/8 Bektaşi raksanı v.
118 16/4 Çifte düyek; 119 16/4 Çifte düyek v.; 120 16/4 Fer i muhammes = fer*2
121 32/8 Fer i muhammes v.; 122 16/8 Nim berefşan; 123 16/4 Nim berefşan
124 16/4 Nim berefşan v.; 125 16/4 Nim hafif; 126 16/4 Nim hafif; 127 16/4 Nim hafif v.
128 18/4 Darb-ı Türkî; 129 18/4 Darb-ı Türkî v.; 130 18/4 Nim devir eski
131 18/4 Nim devir yeni; 132 18/4 Nim devir v.; 133 20/4 Fahte; 134 20/4 Fahte v.
135 21/4 Durak evferi; 136 21/4 Durak evferi v.; 137 22/4 Hezeç; 138 24/4 Çenber
139 24/2 Ağır Çenber; 140 24/4 Çenber v.; 141 24/2 Ağır Çenber v.; 142 24/4 Nim sakil eski
143 24/4 Nim sakil yeni; 144 24/2 Nim sakil yeni; 145 24/4 Nim sakil v.; 146 26/8 Evsat
147 26/4 Evsat; 148 26/8 Evsat v.; 149 26/4 Evsat v.; 150 26/4 Beste devr-i revanı
151 26/4 Beste devr-i revanı v.; 152 28/4 Frengifer; 153 28/4 Frengifer v.
154 28/4 Devr-i kebir eski = devr-i-kebir-eski*2
155 28/4 Devr-i kebir yeni = devr-i-kebir-yeni*2; 156 28/4 Devr-i kebir v.
157 28/8 Devr-i kebir v.; 158 28/2 Muzaaf Devr-i kebir; 159 28/2 Remel eski = remel*4
160 28/4 Remel eski = remel*2; 161 28/2 Remel yeni; 162 28/4 Remel yeni; 163 28/2 Remel v.
164 32/4 Muhammes; 165 32/4 Muhammes v.; 166 32/4 Hafif eski; 167 32/4 Hafif yeni
168 32/2 Hafif (ağır); 169 32/4 Hafif v.; 170 32/2 Hafif (ağır) v.; 171 32/4 Berefşan
172 32/4 Berefşan v.; 173 38/4 Darb-ı hüner; 174 48/4 Sakîl (eski); 175 48/4 Sakîl (yeni)
176 48/2 Ağır Sakîl (eski); 177 48/2 Ağır Sakîl (yeni); 178 32/8 Ağır sakil v.; 179 64/4 Havî
180 64/2 Ağır Havî; 181 32/8 Ağır Havî v.; 182 64/2 Ağır Havî  v.; 183 88/4 Darb-ı fetih
184 88/2 Ağır Darb-ı fetih; 185 32/8 Ağır Darb-ı fetih v.; 186 88/2 Ağır Darb-ı fetih  v.
231 8/8 Müsemmen v.; 232 8/8 Müsemmen v.; 233 8/8 Düyek v.; 255 12/8 Darp şiddeti demo
)";

struct Fact {
    int slot = 0;
    std::string name;
    int beats = 0;
    int mertebe = 0;
    std::string pattern;  // the strokes of a sourced or partly sourced usul
};

// The pattern of `name` with every duration times `scale`, bare words expanded.
std::string Pattern(const std::string& name, int scale) {
    std::istringstream tokens(kPatterns.at(name));
    std::string pattern;
    for (std::string token; tokens >> token;) {
        const auto colon = token.find(':');
        if (colon != std::string::npos) {
            const auto digits = token.find_first_not_of("0123456789", colon + 1);
            token.replace(colon + 1, digits - colon - 1,
                          std::to_string(std::stoi(token.substr(colon + 1)) * scale));
        } else if (token != "|") {
            token = Pattern(token, scale);
        }
        pattern += (pattern.empty() ? "" : " ") + token;
    }
    return pattern;
}

const std::vector<Fact>& Facts() {
    static const std::vector<Fact> facts = [] {
        std::string list = kSlotList;
        std::replace(list.begin(), list.end(), '\n', ';');
        std::istringstream in(list);
        std::vector<Fact> all;
        for (std::string entry; std::getline(in, entry, ';');) {
            const auto equals = entry.find(" = ");
            std::istringstream words(entry.substr(0, equals));
            Fact f;
            char slash = 0;
            if (!(words >> f.slot >> f.beats >> slash >> f.mertebe)) continue;
            std::getline(words >> std::ws, f.name);
            if (equals != std::string::npos) {
                const std::string ref = entry.substr(equals + 3);
                const auto star = ref.find('*');
                f.pattern =
                    Pattern(ref.substr(0, star),
                            star == std::string::npos ? 1 : std::stoi(ref.substr(star + 1)));
            }
            all.push_back(f);
        }
        return all;
    }();
    return facts;
}

const Fact* FactOf(int slot) {
    const auto found = std::find_if(Facts().begin(), Facts().end(),
                                    [slot](const Fact& f) { return f.slot == slot; });
    return found == Facts().end() ? nullptr : &*found;
}

std::span<const std::uint8_t, kRecordSize> RawRecord(int recordNumber) {
    const auto bytes = DefaultLibraryBytes();
    return bytes.subspan(static_cast<std::size_t>(recordNumber - 1) * kRecordSize)
        .first<kRecordSize>();
}

UsulRecord Slot(int slot) { return DecodeUsulRecord(RawRecord(slot)); }

struct Row {
    int cell;
    bool right;
    int duration;
    int loudness;
    std::string syllable;  // as stored, 3 characters
    int onset = 0;         // sixty-fourths from the start of the cycle
};

std::vector<Row> Strokes(const UsulRecord& usul) {
    std::vector<Row> rows;
    int time = 0;
    for (int c = 1; c <= kCellCount; ++c) {
        const StrokeCell& cell = usul.Cell(c);
        if (cell.IsEmpty()) continue;
        rows.push_back(
            {c, cell.rightDuration != 0, cell.Duration(), cell.loudness, cell.syllable, time});
        time += cell.Duration();
    }
    return rows;
}

int Separators(const UsulRecord& usul) {
    return static_cast<int>(std::count_if(usul.cells.begin(), usul.cells.end(),
                                          [](const StrokeCell& c) { return c.separator != 0; }));
}

// The level the usul is laid out at: the editor's re-layout at that level gives back the very
// same cells. 0 when no level does.
int LayoutLevel(const UsulRecord& usul) {
    for (int level = 63; level >= 1; --level) {
        UsulRecord relaid = usul;
        YeniDizilim(relaid, level, MevcutHalka(relaid));
        if (relaid.cells == usul.cells) return level;
    }
    return 0;
}

// The whole file: filled slots carry their name and time signature, the others are blank
// headers over zero cells, and the settings record holds the default colour.
TEST(DefaultLibrary, EveryRecordsHeader) {
    ASSERT_EQ(DefaultLibraryBytes().size(), 431104u);
    const auto settings = RawRecord(kSettingsRecordNumber);
    EXPECT_EQ(std::vector<int>(settings.begin(), settings.begin() + 3),
              (std::vector<int>{200, 185, 130}));
    EXPECT_EQ(std::count(settings.begin() + 3, settings.end(), 0), 1681);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const auto raw = RawRecord(slot);
        const UsulRecord usul = DecodeUsulRecord(raw);
        const Fact* f = FactOf(slot);
        EXPECT_EQ(usul.name, FitText(f ? f->name : "", kNameChars)) << "slot " << slot;
        EXPECT_EQ(usul.beats, f ? f->beats : 0) << "slot " << slot;
        EXPECT_EQ(usul.mertebe, f ? f->mertebe : 8) << "slot " << slot;
        EXPECT_EQ(usul.IsEmptySlot(), f == nullptr) << "slot " << slot;
        EXPECT_EQ(usul.reserved1, std::string(kReservedChars, ' ')) << "slot " << slot;
        EXPECT_EQ(usul.reserved2, std::string(kReservedChars, ' ')) << "slot " << slot;
        EXPECT_TRUE(f != nullptr || std::all_of(raw.begin(), raw.begin() + kCellCount * kCellSize,
                                                [](std::uint8_t b) { return b == 0; }))
            << "slot " << slot;
    }
    // Names keep their runs of two blanks and their Turkish letters byte for byte.
    const auto curcuna = RawRecord(58);
    EXPECT_EQ(std::string(curcuna.begin() + 1622, curcuna.begin() + 1635), "Curcuna  a\xE7\xFDk");
}

// Exactly the slots the program calls sourced or partly sourced have a transcription, and
// their strokes are the transcription's: order, hand, syllable, duration, strength if given.
TEST(DefaultLibrary, SourcedSlotsAreTheReferencesStrokes) {
    for (const Fact& f : Facts()) {
        const SlotProvenance* p = ProvenanceOf(f.slot);
        const bool sourced = p != nullptr && (p->kind == ProvenanceClass::kSourced ||
                                              p->kind == ProvenanceClass::kPartlySourced);
        EXPECT_EQ(sourced, !f.pattern.empty()) << "slot " << f.slot;
        if (f.pattern.empty()) continue;
        const std::vector<Row> strokes = Strokes(Slot(f.slot));
        std::istringstream tokens(f.pattern);
        std::size_t k = 0;
        for (std::string token; tokens >> token;) {
            if (token == "|") continue;
            const auto colon = token.find(':');
            const auto paren = token.find('(');
            const std::string syllable = token.substr(0, colon);
            ASSERT_LT(k, strokes.size()) << "slot " << f.slot << " lacks " << token;
            const Row& s = strokes[k++];
            EXPECT_EQ(s.syllable, FitText(syllable, kSyllableChars)) << f.slot << " " << token;
            EXPECT_EQ(s.right, syllable == "Düm") << f.slot << " " << token;
            EXPECT_EQ(s.duration, std::stoi(token.substr(colon + 1))) << f.slot << " " << token;
            if (paren != std::string::npos) {
                EXPECT_EQ(s.loudness, token[paren + 1] - '0') << f.slot << " " << token;
            }
        }
        EXPECT_EQ(k, strokes.size()) << "slot " << f.slot << " has more strokes";
    }
}

// Cell, hand, duration and loudness of every stroke, as "cell:R16(3)".
std::string Layout(int slot) {
    std::string text;
    for (const Row& r : Strokes(Slot(slot))) {
        text += (text.empty() ? "" : " ") + std::to_string(r.cell) + (r.right ? ":R" : ":L") +
                std::to_string(r.duration) + "(" + std::to_string(r.loudness) + ")";
    }
    return text;
}

TEST(DefaultLibrary, ReferenceCellsAndTheUserRangeUsuls) {
    EXPECT_EQ(Layout(1), "1:R8(3) 6:L8(2)");
    EXPECT_EQ(Layout(12), "1:R16(3) 5:L16(2) 9:L8(1)");
    EXPECT_EQ(Layout(24), "1:R8(3) 4:L8(2) 7:L8(1) 10:R16(3) 16:L16(1)");
    EXPECT_EQ(Layout(37),
              "1:R8(0) 4:L8(0) 7:L8(0) 10:L8(0) 13:L8(0) 16:L8(0) 19:L8(0) 22:L4(0) 24:L4(0)");
    for (const int copy : {231, 232}) EXPECT_EQ(Slot(copy).cells, Slot(37).cells);
    EXPECT_EQ(Slot(233).cells, Slot(33).cells);
    // Packed: every level up to 5 gives quarters no room; no syllables.
    EXPECT_EQ(Layout(255), "1:R16(3) 2:R16(2) 3:R16(1) 4:L16(3) 5:L16(2) 6:L16(1)");
    for (const Row& r : Strokes(Slot(255))) EXPECT_EQ(r.syllable, "   ");
    EXPECT_EQ(LayoutLevel(Slot(255)), 5);
}

TEST(DefaultLibrary, LongUsulsAndTheMuhammesPlan) {
    EXPECT_EQ(Separators(Slot(164)), 7);
    EXPECT_EQ(Separators(Slot(183)), 19);

    const UsulRecord muzaaf = Slot(158);
    EXPECT_EQ(Strokes(muzaaf).size(), 70u);
    EXPECT_EQ(MevcutHalka(muzaaf), 180);

    // The work-plan example plays rings 1-48 and then 49 to the end of the velveleli Muhammes:
    // ring 49 starts its last düyek-long (64) part.
    const UsulRecord muhammes = Slot(165);
    int before = 0;
    for (int c = 1; c <= 48; ++c) before += muhammes.Cell(c).Duration();
    EXPECT_EQ(before, 448);
    EXPECT_FALSE(muhammes.Cell(49).IsEmpty());
    EXPECT_EQ(SumOfDurations(muhammes), 512);
}

TEST(DefaultLibrary, EveryUsulFollowsTheEditorsRules) {
    const std::set<std::string> syllables = {"Düm", "Dü ", "Tek", "Te ", "Ke ",
                                             "Kâ ", "Ta ", "Hek", "Me ", "   "};
    const std::set<int> pinned = {1, 12, 24, 37, 158, 165, 231, 232, 255};
    for (const Fact& e : Facts()) {
        const auto raw = RawRecord(e.slot);
        const UsulRecord usul = DecodeUsulRecord(raw);
        EXPECT_EQ(usul.totalDuration, ExpectedTotal(e.beats, e.mertebe)) << "slot " << e.slot;
        EXPECT_EQ(SumOfDurations(usul), usul.totalDuration) << "slot " << e.slot;
        for (int c = 1; c <= kCellCount; ++c) {
            const StrokeCell& cell = usul.Cell(c);
            const auto cellBytes =
                raw.subspan(static_cast<std::size_t>(c - 1) * kCellSize, kCellSize);
            if (cell.IsEmpty()) {
                // Empty cells are zero bytes, except a separator mark standing before a stroke.
                std::array<std::uint8_t, kCellSize> zero{};
                zero[6] = cell.separator;
                EXPECT_TRUE(std::equal(zero.begin(), zero.end(), cellBytes.begin()))
                    << "slot " << e.slot << " cell " << c;
                if (cell.separator != 0) {
                    EXPECT_FALSE(c == kCellCount || usul.Cell(c + 1).IsEmpty())
                        << "slot " << e.slot << ": a separator stands only just before a stroke";
                }
                continue;
            }
            EXPECT_TRUE(cell.rightDuration == 0 || cell.leftDuration == 0)
                << "slot " << e.slot << " cell " << c << " holds both hands";
            EXPECT_GE(NoteClass(cell.Duration()), 0) << "slot " << e.slot << " cell " << c;
            EXPECT_LE(cell.loudness, 3) << "slot " << e.slot << " cell " << c;
            EXPECT_TRUE(syllables.count(cell.syllable)) << "slot " << e.slot << " cell " << c;
            if (cell.syllable != "   ") {
                const bool rightSyllable = cell.syllable == "Düm" || cell.syllable == "Dü ";
                EXPECT_EQ(cell.rightDuration != 0, rightSyllable)
                    << "slot " << e.slot << " cell " << c;
            }
            EXPECT_EQ(cell.spare1, 0);
            EXPECT_EQ(cell.spare2, 0);
        }
        // One spacing level lays the whole usul out, so the editor's layout commands keep it;
        // with no reference row to respect, it is the widest level that fits (legibility).
        const int level = LayoutLevel(usul);
        EXPECT_GT(level, 0) << "slot " << e.slot;
        EXPECT_LE(MevcutHalka(usul), kCellCount);
        if (!pinned.count(e.slot) && level < 63) {
            EXPECT_GT(YeniHalka(usul, level + 1, MevcutHalka(usul)), kCellCount)
                << "slot " << e.slot << " would still fit at level " << level + 1;
        }
    }
}

// Where a filled form names the plain form it fills, every darb of that form is still there:
// same onset, hand and syllable (a closing Tek may open the closing Te-Ke as Te).
TEST(DefaultLibrary, FilledFormsKeepEveryDarbOfTheirPlainForm) {
    for (const SlotProvenance& p : DefaultLibraryProvenance()) {
        const int base = p.velveleOf != 0 ? p.velveleOf : p.openingOf;
        if (base == 0) continue;
        const UsulRecord plain = Slot(base);
        const UsulRecord filled = Slot(p.slot);
        // An opening takes one zaman of the long usul to each of its own zaman.
        const int num = p.openingOf != 0 ? plain.mertebe : 1;
        const int den = p.openingOf != 0 ? filled.mertebe : 1;
        if (p.velveleOf != 0) {
            EXPECT_EQ(SumOfDurations(plain), SumOfDurations(filled)) << p.slot;
        }
        const std::vector<Row> kept = Strokes(plain);
        const std::vector<Row> all = Strokes(filled);
        const int end = SumOfDurations(filled) * den / num;
        for (std::size_t k = 0; k < kept.size() && kept[k].onset < end; ++k) {
            const bool closing = k + 1 == kept.size() || kept[k + 1].onset >= end;
            const auto at = std::find_if(all.begin(), all.end(), [&](const Row& r) {
                return r.onset * den == kept[k].onset * num;
            });
            ASSERT_NE(at, all.end()) << "slot " << p.slot << " moves darb " << k + 1;
            EXPECT_EQ(at->right, kept[k].right) << "slot " << p.slot << " darb " << k + 1;
            EXPECT_TRUE(at->syllable == kept[k].syllable ||
                        (closing && kept[k].syllable == "Tek" && at->syllable == "Te "))
                << "slot " << p.slot << " darb " << k + 1 << ": " << at->syllable;
        }
    }
    // Every velveleli name that is not itself sourced says which plain form it fills, directly
    // or as another mertebe of a filled form that does.
    const auto fills = [](const SlotProvenance* p) {
        return p != nullptr && p->velveleOf + p->openingOf != 0;
    };
    for (const Fact& f : Facts()) {
        const std::string last = f.name.substr(f.name.rfind(' ') + 1);
        const SlotProvenance* p = ProvenanceOf(f.slot);
        if (p == nullptr || p->kind == ProvenanceClass::kSourced) continue;
        if (last == "v" || last == "v." || last == "vv." || last == "vvv.") {
            EXPECT_TRUE(fills(p) || fills(ProvenanceOf(p->mertebeOf))) << "slot " << f.slot;
        }
    }
}

// The same usul at a slower mertebe: the same strokes, every duration scaled. Slots of one name
// and beat count at different mertebes are tied to each other by such claims.
TEST(DefaultLibrary, OtherMertebesScaleTheSameStrokes) {
    // Hand, syllable, loudness and length in beats (times 64) of each stroke.
    const auto shape = [](const UsulRecord& usul) {
        std::string text;
        for (const Row& r : Strokes(usul)) {
            text += (r.right ? " R" : " L") + r.syllable +
                    std::to_string(r.duration * usul.mertebe) + "(" + std::to_string(r.loudness) +
                    ")";
        }
        return text;
    };
    for (const SlotProvenance& p : DefaultLibraryProvenance()) {
        if (p.mertebeOf != 0) {
            EXPECT_EQ(shape(Slot(p.slot)), shape(Slot(p.mertebeOf)))
                << p.mertebeOf << " -> " << p.slot;
        }
    }
    const auto root = [](int slot) {
        for (const SlotProvenance* p = ProvenanceOf(slot); p != nullptr && p->mertebeOf != 0;
             p = ProvenanceOf(slot)) {
            slot = p->mertebeOf;
        }
        return slot;
    };
    const auto key = [](const Fact& f) {
        std::string name = f.name;
        for (auto at = name.find("  "); at != std::string::npos; at = name.find("  "))
            name.erase(at, 1);
        return name + "/" + std::to_string(f.beats);
    };
    for (const Fact& a : Facts()) {
        for (const Fact& b : Facts()) {
            if (a.slot < b.slot && b.slot < kFirstUserSlot && key(a) == key(b) &&
                a.mertebe != b.mertebe) {
                EXPECT_EQ(root(a.slot), root(b.slot)) << a.slot << " and " << b.slot;
            }
        }
    }
}

TEST(DefaultLibrary, EveryFixedUsulCarriesItsProvenanceAndNoOtherSlotDoes) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const SlotProvenance* p = ProvenanceOf(slot);
        if (slot >= kFirstUserSlot || FactOf(slot) == nullptr) {
            EXPECT_EQ(p, nullptr) << "slot " << slot;
            continue;
        }
        ASSERT_NE(p, nullptr) << "slot " << slot;
        EXPECT_FALSE(p->noteEnglish.empty()) << "slot " << slot;
        EXPECT_FALSE(p->noteTurkish.empty()) << "slot " << slot;
    }
    // The provenance speaks of the default usul only: a library file whose fixed slot holds
    // something else (an older version's, or an edited file) gets no note.
    UsulRecord changed = Slot(130);
    EXPECT_EQ(SourceOfSlot(130, changed).state, SlotSourceState::kDefault);
    changed.Cell(1).loudness = 1;
    EXPECT_EQ(SourceOfSlot(130, changed).state, SlotSourceState::kChanged);
    EXPECT_EQ(SourceOfSlot(130, changed).provenance, nullptr);
    EXPECT_EQ(SourceOfSlot(231, Slot(231)).state, SlotSourceState::kUserSlot);
    EXPECT_EQ(SourceOfSlot(190, Slot(190)).state, SlotSourceState::kEmpty);
}

#ifdef RITMORA_MAKE_DEFAULT_LIBRARY
// The generator reads the text source the build used and must give back the very bytes the
// program carries; a musician's typo or a false claim must stop it with the file and line.
class Generator : public ::testing::Test {
  protected:
    void SetUp() override {
        source_ =
            testing::ReadText(std::string(RITMORA_SOURCE_DIR) + "/resources/default_library.txt");
        ASSERT_FALSE(source_.empty());
    }

    // Runs the generator over `text`; returns its exit code and leaves its message in message_.
    int Run(const std::string& text) {
        const auto input = dir_ / "default_library.txt";
        testing::WriteText(input, text);
        const std::string command = std::string("\"") + RITMORA_MAKE_DEFAULT_LIBRARY + "\" \"" +
                                    input.string() + "\" \"" + (dir_ / "out.usl").string() +
                                    "\" \"" + (dir_ / "out.cpp").string() + "\" 2>\"" +
                                    (dir_ / "message.txt").string() + "\"";
        const int status = std::system(testing::ShellCommand(command).c_str());
        message_ = testing::ReadText(dir_ / "message.txt");
        return status;
    }
    // The line `text` starts on in the source.
    int LineOf(const std::string& text) const {
        const auto at = source_.find(text);
        EXPECT_NE(at, std::string::npos) << text;
        return 1 + static_cast<int>(
                       std::count(source_.begin(), source_.begin() + static_cast<long>(at), '\n'));
    }
    std::string Replaced(const std::string& from, const std::string& to) const {
        std::string text = source_;
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) text.replace(at, from.size(), to);
        return text;
    }

    // The generator is a build tool: it takes its paths in the system's code page.
    testing::TempFolder folder_{u8"ritmora"};
    const std::filesystem::path& dir_ = folder_.path();
    std::string source_;
    std::string message_;
};

TEST_F(Generator, RebuildsTheEmbeddedBytesFromTheSource) {
    ASSERT_EQ(Run(source_), 0) << message_;
    const std::vector<std::uint8_t> bytes = testing::ReadBytes(dir_ / "out.usl");
    const auto embedded = DefaultLibraryBytes();
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), embedded.begin(), embedded.end()));
}

TEST_F(Generator, StopsAtAMistakeOrAFalseClaimWithFileAndLine) {
    const std::string slot1 = "slot 1 \"Nim sofyan\" 2/8 level 63\n";
    const std::string tek = "      6   L       8    2   Tek   .";
    const std::string strokes1 = "      1   R       8    3   Düm   .\n" + tek;
    const std::string class1 = "sourced: Özkan; DİA \"Nim sofyan\"\n";
    const std::string strengths130 = "strengths: 3 2 1 3 2 3 2 3 1 2 1";
    struct Case {
        std::string from, to, message;
        int lineOffset;  // from the line `from` starts on
    };
    const std::vector<Case> cases = {
        {tek, "      6   L       8    2   Tak   .", "unknown syllable", 0},
        {tek, "      6   R       8    2   Tek   .", "left (L) hand", 0},
        {tek, "      6   L       9    2   Tek   .", "not a note value", 0},
        {tek, "      6   L       8    4   Tek   .", "loudness", 0},
        {tek, "      5   L       8    2   Tek   .", "belongs in cell 6", 0},
        {tek, "      6   L       8    2   Tek   |", "after the last stroke", 0},
        {tek, "      6   L       8    2   Tek", "six columns", 0},
        {strokes1, "      1   R      16    3   Düm   .\n     10   L       8    2   Tek   .",
         "add up to 24", -5},
        {slot1, "slot 1 \"Nim sofyann\" 2/8 level 63\n", "must be \"Nim sofyan\" 2/8", 0},
        {slot1 + class1, slot1, "must start with \"sourced:\"", 1},
        {class1, "sourced:\n", "say which source", 0},
        {strengths130, "strengths: 3 2 1 1 2 3 2 3 1 2 1", "loudness reads 3 2 1 3 2", 0},
        {"darbs: 6\n", "darbs: 7\n", "has 6 darbs, not 7", 0},
        {"velvele of: 4\n", "velvele of: 5\n", "keeps the length of slot 5", 0},
        {"velvele of: 58\n", "velvele of: 59\n", "is not kept in its place", 0},
        {"mertebe of: 18\n", "mertebe of: 24\n", "not the strokes of slot 24", 0},
        {"opening of: 174\n", "opening of: 172\n", "not a stretch of it", 0},
        {"en: Düm one zaman", "en: 3 2 1 3, Düm one zaman", "give them on a \"strengths:\"", 0},
        {"en: Düm one zaman", "en: D\xFCm one zaman", "not UTF-8", 0},
        {"tr: Özkan'ın usul", "# tr: Özkan'ın usul", "needs a note in both languages", -3},
        {"slot 231 \"Müsemmen v.\" 8/8 level 42\n",
         "slot 231 \"Müsemmen v.\" 8/8 level 42\nsourced: slot 37\n", "carry no provenance", 1},
    };
    for (const Case& c : cases) {
        EXPECT_NE(Run(Replaced(c.from, c.to)), 0) << c.to;
        EXPECT_NE(message_.find(c.message), std::string::npos) << c.to << ": " << message_;
        EXPECT_EQ(
            message_.rfind(
                "default_library.txt:" + std::to_string(LineOf(c.from) + c.lineOffset) + ": ", 0),
            0u)
            << message_;
    }
    // A slot of the empty range, and a missing fixed slot.
    EXPECT_NE(Run(source_ + "slot 200 \"X\" 2/8 level 1\nno source found:\nen: x\ntr: x\n"
                            " 1 R 8 0 - .\n 2 L 8 0 - .\nend\n"),
              0);
    EXPECT_NE(message_.find("stays empty"), std::string::npos) << message_;
    EXPECT_NE(Run(Replaced(slot1, "slot 187 \"Nim sofyan\" 2/8 level 63\n")), 0);
    EXPECT_NE(message_.find("slot 1 (\"Nim sofyan\") is missing"), std::string::npos) << message_;
}
#endif

}  // namespace
}  // namespace ritmora
