// The two text sets of the interface. The blanks inside the messages are part of the texts:
// they centre them in the message box, and they differ between the languages.
#include "app/texts.h"

#include <array>
#include <map>
#include <string>

namespace ritmora {
namespace {

using MessageArray = std::array<std::string, kMessageCount>;

const char* const kEnglishMessages[kMessageCount] = {
    /*  0 */ "",
    /*  1 */ "    Error loading usul.   ",
    /*  2 */ "   Please give a name to this usul.   ",
    /*  3 */ "              No beats !             ",
    /*  4 */ "Cannot save to list between 1-200! Please try higher slots.",
    /*  5 */ "Beats are less than time signature.",
    /*  6 */ "Beats exceed time signature.",
    /*  7 */ "Durations cannot be changed more.",
    /*  8 */ "Do you want to close this program?",
    /*  9 */ "File usuller.usl not found. Program will close.",
    /* 10 */ "Do you want to delete this usul permanently ?",
    /* 11 */ "",
    /* 12 */ "",
    /* 13 */ "       Soundfile error.       ",
    /* 14 */ "       Unknown error.       ",
    /* 15 */ "Please load first an empty usul from the list first.",
    /* 16 */ "Exceed",
    /* 17 */ "Match",
    /* 18 */ "Short",
    /* 19 */ "F",
    /* 20 */ "M",
    /* 21 */ "P",
    /* 22 */ "Cannot use forbidden characters in usul name. Please try to rename.",
    /* 23 */ "",  // built from kHelpLines
    /* 24 */ "",  // built from kAboutLines
    /* 25 */ "Please select a plan.",
    /* 26 */ "Please give a name to this plan.",
    /* 27 */ "No Sequence !.",
    /* 28 */ "  Invalid entry or blank in sequence name.  Line: ",
    /* 29 */ "  Invalid usul nr.  Line:  ",
    /* 30 */ "  Unexpected dash line.  Line: ",
    /* 31 */ "  Invalid beat nr.  Line: ",
    /* 32 */ "  Invalid unit note value. Line: ",
    /* 33 */ "BpM is greater than maximum.  Line: ",
    /* 34 */ "BpM is less than minimum.  Line: ",
    /* 35 */ "Unexpected greater-than sign.  Line: ",
    /* 36 */ "Intro BpM is greater than maximum.  Line: ",
    /* 37 */ "Intro BpM is less than minimum.   Line: ",
    /* 38 */ "Final BpM is greater than maximum.  Line: ",
    /* 39 */ "Final BpM is less than minimum.  Line: ",
    /* 40 */ "",
    /* 41 */ "",
    /* 42 */ "",
    /* 43 */ "",
    /* 44 */ "",
    /* 45 */ "",
    /* 46 */ "",
    /* 47 */ "",
    /* 48 */ "",
    /* 49 */ "",
    /* 50 */ "",
};

const char* const kTurkishMessages[kMessageCount] = {
    /*  0 */ "",
    /*  1 */ "     usul okuma başarısız.     ",
    /*  2 */ "     Lutfen bu usule bir isim verin.    ",
    /*  3 */ "       Girilmiş darp yok.       ",
    /*  4 */ "1-200 arası  usuller değiştirilemez, Lutfen daha büyük numaraları deneyin.",
    /*  5 */ "       Eksik darp girildi.        ",
    /*  6 */ "       Fazla darp girildi.       ",
    /*  7 */ "      Mertebe daha fazla değiştirilemez.      ",
    /*  8 */ "Bu proğramı kapatmak istiyormusunuz ?",
    /*  9 */ "Dosya usuller.usl dosyası bulunamadı. Program kapatılacak.",
    /* 10 */ "Bu usulü kalıcı olarak silmek istiyor musunuz ?",
    /* 11 */ "",
    /* 12 */ "",
    /* 13 */ "   Ses dosyası hatası.   ",
    /* 14 */ "     Bilinmeyen hata.     ",
    /* 15 */ "Önce listeden BOŞ bir usul yükleyin.",
    /* 16 */ "Fazla",
    /* 17 */ "Tamam",
    /* 18 */ "Eksik",
    /* 19 */ "K",
    /* 20 */ "O",
    /* 21 */ "Z",
    /* 22 */ "Usul isminde özel karakterler bulunamaz, yeniden isimlendirmeyi deneyin.",
    /* 23 */ "",  // built from kHelpLines
    /* 24 */ "",  // built from kAboutLines
    /* 25 */ "Bir meşk planı seçin.  ",
    /* 26 */ "Meşk planına bir isim verin.  ",
    /* 27 */ "Hiç bölüm girilmemiş.  ",
    /* 28 */ "Hatalı giriş veya bölüm adında boşluk var.  Satır: ",
    /* 29 */ "Hatalı usul numarası.  Satır: ",
    /* 30 */ "Hatalı tire çizgisi.  Satır: ",
    /* 31 */ "Hatalı halka no.  Satır: ",
    /* 32 */ "Hatalı birim nota değeri.  Satır: ",
    /* 33 */ "Metronom çok yüksek.  Satır: ",
    /* 34 */ "Metronom çok düşük.  Satır: ",
    /* 35 */ "Hatalı metronom işareti.  Satır: ",
    /* 36 */ "Giriş metronomu çok yüksek.  Satır: ",
    /* 37 */ "Giriş metronomu çok düşük.  Satır: ",
    /* 38 */ "Çıkış metronomu çok yüksek.  Satır: ",
    /* 39 */ "Çıkış metronomu çok düşük.  Satır: ",
    /* 40 */ "",
    /* 41 */ "",
    /* 42 */ "",
    /* 43 */ "",
    /* 44 */ "",
    /* 45 */ "",
    /* 46 */ "",
    /* 47 */ "",
    /* 48 */ "",
    /* 49 */ "",
    /* 50 */ "",
};

// Help (entry 23) and about (entry 24), one string per line. The help names the user guide
// installed with the program: the window puts the guide's place where %1 stands.
const char* const kEnglishHelpLines[] = {
    "Read the user guide to learn how to use this program:",
    "%1",
};
const char* const kTurkishHelpLines[] = {
    "Proğramın kullanımı için kullanım kılavuzunu dikkatle okuyun:",
    "%1",
};
const char* const kEnglishAboutLines[] = {
    "Author : the Ritmora developers",
    "",
    "We thank the musicians who tested it",
    "for their most generous assistance in the testing and improvement of this program.",
    "",
    "Istanbul 30 March 2010.",
};
const char* const kTurkishAboutLines[] = {
    "Yazar: Ritmora geliştiricileri",
    "",
    "Programı deneyen müzisyenlere",
    "gösterdikleri özverili katkılardan dolayı müteşekkirim.",
    "",
    "İstanbul 30 Mart 2010.",
};

const char* const kEnglishExampleLines[] = {
    "Beat information for HUSEYNI PESHREV of Lavta-player Tavron:",
    "",
    "-The usul of the composition is the 32/4 meter Muhammes.",
    "-Tempo is 84 beats per minute in quarter note resolution from the beginning of the piece to "
    "the end.",
    "-Each hane (movement) is composed of 2 measures (16 times Duyek usul) and is without "
    "repetition, ",
    "-While the Teslim (coda) is 1 measure (8 times Duyek usul) and is reprised.",
    "",
    "An usul work plan of the piece:",
    "- Let the composition be executed as just the 1st hane (movement) and teslim (coda).",
    "- Let the last Duyek usul in the reprised coda be the final measure.",
    "- Let the tempo drop down to 50 beats per minute towards the final is within the last measure "
    "(i.e. let the tempo decelerate down to the specified pace onward from the 49th beat circle in "
    "the velveleli (filled-beat) Muhammes usul whose slot number is 165 in the Usul list).",
    "",
    "THIS WORK PLAN WILL BE INDICATED AS SPECIFIED BELOW",
};
const char* const kTurkishExampleLines[] = {
    "LAVTACI TAVRON'UN HÜSEYNİ PEŞREVİ:",
    "",
    "Lavtacı Tavron'un HÜSEYNİ PEŞREVİ'nin darp bilgileri:",
    "- Eserin usulü 32/4 lük Muhammes'tir. ",
    "- Metronom değeri parçanın başından sonuna kadar dörtlük birim nota çözünürlüğünde dakikada "
    "84 vuruştur. ",
    "- Hanelerin herbiri 2 ölçü (16 adet Düyek) ve dönüşsüz olup, ",
    "- Teslim 1 mezür (8 adet düyek) ve dönüşlüdür. ",
    "",
    "Esere dair bir usul meşk planı:",
    "- Eser sadece birinci hane ve teslim olarak icra edilsin.",
    "-Teslimin tekrarında son Düyek bitiş ölçüsü olsun.",
    "- Bitiş ölçüsünde karara giderken metronom dakikada dakikada 50 vuruşa düşsün (usul "
    "listesinde 165 numaralı velveleli Muhammes usulünün 49. darp halkasından itibaren tempo "
    "belirtilen hıza insin).",
    "",
    "BU MEŞK PLANI AŞAĞIDA GÖSTERİLDİĞİ GİBİ BELİRTİLİR.",
};

template <std::size_t N>
std::string JoinLines(const char* const (&lines)[N]) {
    std::string text;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    return text;
}

MessageArray BuildTable(const char* const (&messages)[kMessageCount], std::string help,
                        std::string about) {
    MessageArray table;
    for (int i = 0; i < kMessageCount; ++i) table[i] = messages[i];
    table[kHelpMessage] = std::move(help);
    table[kAboutMessage] = std::move(about);
    return table;
}

const MessageArray& Table(Language language) {
    static const MessageArray english =
        BuildTable(kEnglishMessages, JoinLines(kEnglishHelpLines), JoinLines(kEnglishAboutLines));
    static const MessageArray turkish =
        BuildTable(kTurkishMessages, JoinLines(kTurkishHelpLines), JoinLines(kTurkishAboutLines));
    return language == Language::English ? english : turkish;
}

const std::string& ExtraMessage(Language language, int index) {
    static const std::map<int, std::pair<std::string, std::string>> extras = {
        {kTimeSignatureRangeMessage,
         {"The time signature must be whole numbers from 0 to 255.",
          "Usul ölçüsü 0 ile 255 arasında tam sayılardan oluşmalıdır."}},
        {kRecordWriteFailedMessage,
         {"The usul could not be written to the library file usuller.usl.",
          "Usul, usuller.usl kütüphane dosyasına yazılamadı."}},
        {kDeletePlanQuestionMessage,
         {"Do you want to delete the work plan \"%1\" permanently ?",
          "\"%1\" meşk planını kalıcı olarak silmek istiyor musunuz ?"}},
        {kReplaceUsulQuestionMessage,
         {"Slot %1 holds \"%2\". Do you want to replace it ?",
          "%1 numaralı yerde \"%2\" var. Yerine bu usul yazılsın mı ?"}},
        {kFolderHeldByEditorMessage,
         {"The Ritmora editor is using this data folder. Close it first, or name another folder "
          "with --dir.",
          "Ritmora editörü bu veri klasörünü kullanıyor. Önce editörü kapatın ya da --dir ile "
          "başka bir klasör verin."}},
        {kFolderBusyMessage,
         {"Another Ritmora program is still using this data folder. Try again when it has "
          "finished.",
          "Bu veri klasörünü başka bir Ritmora programı kullanıyor. O bitince yeniden deneyin."}},
        {kPlanFileMissingMessage,
         {"The plan file does not exist.", "Meşk planı dosyası bulunamadı."}},
        {kNotAPlanFileMessage,
         {"This is not a plan file: it is a folder or a device.",
          "Bu bir meşk planı dosyası değil: bir klasör ya da aygıt."}},
        {kPlanFileTooLargeMessage,
         {"The file is larger than 1 MB, far too large for a plan.",
          "Dosya 1 MB'tan büyük, bir meşk planı için fazla büyük."}},
        {kPlanFileUnreadableMessage,
         {"The plan file could not be read.", "Meşk planı dosyası okunamadı."}},
        {kRenderTooLongMessage,
         {"The audio would last longer than 2 hours, the longest rendering allowed.",
          "Ses 2 saatten uzun sürerdi; en uzun seslendirme 2 saattir."}},
        {kRenderCancelledMessage,
         {"Rendering cancelled; the previous audio file is unchanged.",
          "Seslendirme iptal edildi; önceki ses dosyası değişmedi."}},
        {kPlanRepeatsTooLargeMessage,
         {"Repeat count is greater than 9999.  Line: ",
          "Tekrar sayısı 9999'dan büyük olamaz.  Satır: "}},
        {kPlanFieldTooWideMessage,
         {"Entry does not fit its column (usul 4, times 4, unit 3, BpM 7 characters).  "
          "Line: ",
          "Giriş sütununa sığmıyor (usul 4, tekrar 4, birim 3, metronom 7 karakter).  "
          "Satır: "}},
    };
    static const std::string empty;
    const auto found = extras.find(index);
    if (found == extras.end()) return empty;
    return language == Language::English ? found->second.first : found->second.second;
}

using G = CaptionGroup;

const Caption kCaptions[] = {
    // The usul mode: window, menus, buttons, frames and options.
    {"ArayüzKalıp", G::kUsulMode, "Ritmora editor", "Ritmora editörü"},
    {"Mn_Lisanlar", G::kUsulMode, "Turkce", "English"},
    {"Mn_yardm", G::kUsulMode, "Help", "Yardım"},
    {"Mn_bilgi", G::kUsulMode, "About", "Hakkında"},
    {"Mn_volüm", G::kUsulMode, "Loudnesses", "Gürlük"},
    {"Mn_orta", G::kUsulMode, "M (Mezzoforte)", "O (Orta)"},
    {"Mn_zayıf", G::kUsulMode, "P (Piano)", "Z (Zayıf)"},
    {"Mn_RenkZemin", G::kUsulMode, "Color", "Renk"},
    {"Mn_editNota(6)", G::kUsulMode, "Del RH", "Düm Sil"},
    {"Mn_editNota(8)", G::kUsulMode, "Del LH", "Tek Sil"},
    {"But_baskı", G::kUsulMode, "Print", "Baskı"},
    {"But_JPG", G::kUsulMode, "J P G", "J P G"},
    {"But_optimize", G::kUsulMode, "Auto-Layout", "Düzenle"},
    {"But_mertebe(0)", G::kUsulMode, "Double durations", "Birim zaman x 2"},
    {"But_mertebe(1)", G::kUsulMode, "Halve durations", "Birim zaman / 2"},
    {"But_yükle", G::kUsulMode, "Choose from list", "Listeden seç"},
    {"But_farklı", G::kUsulMode, "Save as", "Farklı kaydet"},
    {"But_Sil", G::kUsulMode, "Delete", "S i l"},
    {"But_Baslat", G::kUsulMode, "Start", "Başla"},
    {"But_Dur", G::kUsulMode, "Stop", "Dur"},
    {"But_Temizle", G::kUsulMode, "Clear", "Temizle"},
    {"But_kaydet", G::kUsulMode, "Save", "Kaydet"},
    {"Frame7", G::kUsulMode, "Beat durations ", "Mertebe "},
    {"Frame4", G::kUsulMode, "Edit ", "Düzen "},
    {"Frame3", G::kUsulMode, "Usul name and slot number ", "Usul adı ve liste numarası "},
    {"Frame2", G::kUsulMode, "Play", "Duyur"},
    {"Frame1", G::kUsulMode, "Percussion", "Ritimsaz"},
    {"Option3", G::kUsulMode, "Looped", "Devamlı"},
    {"Option2", G::kUsulMode, "Once", "Tekli"},
    {"Option1(1)", G::kUsulMode, "Qudum", "Kudüm"},
    {"Option1(2)", G::kUsulMode, "Bendir", "Bendir"},
    {"Option1(3)", G::kUsulMode, "Tambourine", "Def"},
    // Export, the progress of a long rendering and the source line of the usul on screen.
    {"Mn_aktar", G::kUsulMode, "Export", "Dışa aktar"},
    {"Mn_SesKaydet", G::kUsulMode, "Save audio…", "Sesi kaydet…"},
    {"Mn_PDF", G::kUsulMode, "Notation as PDF", "Notayı PDF olarak kaydet"},
    {"AudioSaveDialog", G::kUsulMode, "Save audio", "Sesi kaydet"},
    {"RenderProgress.render", G::kUsulMode, "Preparing the sound…", "Ses hazırlanıyor…"},
    {"RenderProgress.export", G::kUsulMode, "Saving the audio file…", "Ses dosyası kaydediliyor…"},
    {"RenderProgress.cancel", G::kUsulMode, "Cancel", "İptal"},
    {"Label_kaynak.prefix", G::kUsulMode, "Source: ", "Kaynak: "},
    // The plan mode: option, frames and the two texts of the pause button.
    {"Option4", G::kPlanMode, "Planned", "Planlı"},
    {"Frame5", G::kPlanMode, " Saved work plans ", " Kayıtlı meşk planları "},
    {"Frame10", G::kPlanMode, "Rehearse from sequence", "Meşkde ilk bölüm "},
    {"Frame9", G::kPlanMode, " Define / edit sequence ", " Bölüm tanımla / düzenle "},
    {"Command1.pause", G::kPlanMode, "Pause", "Bekle"},
    {"Command1.continue", G::kPlanMode, "Continue", "Devam"},
    // The plan panels' buttons and labels.
    {"Command3", G::kPlanPanel, "Stop", "Dur"},
    {"Command4", G::kPlanPanel, "Start", "Başla"},
    {"Command5", G::kPlanPanel, "Del", "Sil"},
    {"Command8", G::kPlanPanel, "Save", "Kaydet"},
    {"Command10", G::kPlanPanel, "New ", "Yeni"},
    {"Label2", G::kPlanPanel, "Sequence name            Usul Nr       Time(s)    Unit       BpM ",
     "Bölüm adı                           Usul Nr    Tekrar    Birim     Metronom "},
    {"Label3", G::kPlanPanel, "00.00.000", "00.00.000"},
    {"Label9", G::kPlanPanel, "Plan name", "Plan adı"},
    // The help panel.
    {"Frame12", G::kHelpPanel, "WORK PLAN EXAMPLE", "MEŞK PLANI ÖRNEĞİ"},
    {"Frame13", G::kHelpPanel, "Saved work plans view", "Meşk planları listesinin görünümü"},
    {"Frame14", G::kHelpPanel, "Sequences view", "Bölüm detayları görünümü"},
    // Captions that read the same in both languages.
    {"Mn_birim", G::kFixed, "birim Nota", "birim Nota"},
    {"ikilik", G::kFixed, "2", "2"},
    {"dörtlük", G::kFixed, "4", "4"},
    {"sekizlik", G::kFixed, "8", "8"},
    {"onaltılık", G::kFixed, "16", "16"},
    {"otuzikilik", G::kFixed, "32", "32"},
    {"Mn_metin(0)", G::kFixed, "Düm", "Düm"},
    {"Mn_metin(1)", G::kFixed, "Dü", "Dü"},
    {"Mn_metin(2)", G::kFixed, "Tek", "Tek"},
    {"Mn_metin(3)", G::kFixed, "Te", "Te"},
    {"Mn_metin(4)", G::kFixed, "Ke", "Ke"},
    {"Mn_metin(5)", G::kFixed, "Kâ", "Kâ"},
    {"Mn_metin(6)", G::kFixed, "Ta", "Ta"},
    {"Mn_metin(7)", G::kFixed, "Hek", "Hek"},
    {"Mn_metin(8)", G::kFixed, "Me", "Me"},
    {"Mn_Oseviye(2)", G::kFixed, "20 %", "20 %"},
    {"Mn_Oseviye(3)", G::kFixed, "30 %", "30 %"},
    {"Mn_Oseviye(4)", G::kFixed, "40 %", "40 %"},
    {"Mn_Oseviye(5)", G::kFixed, "50 %", "50 %"},
    {"Mn_Oseviye(6)", G::kFixed, "60 %", "60 %"},
    {"Mn_Oseviye(7)", G::kFixed, "70 %", "70 %"},
    {"Mn_Oseviye(8)", G::kFixed, "80 %", "80 %"},
    {"Mn_Oseviye(9)", G::kFixed, "90 %", "90 %"},
    {"Mn_Zseviye(2)", G::kFixed, "20 %", "20 %"},
    {"Mn_Zseviye(3)", G::kFixed, "30 %", "30 %"},
    {"Mn_Zseviye(4)", G::kFixed, "40 %", "40 %"},
    {"Mn_Zseviye(5)", G::kFixed, "50 %", "50 %"},
    {"Mn_Zseviye(6)", G::kFixed, "60 %", "60 %"},
    {"Mn_Zseviye(7)", G::kFixed, "70 %", "70 %"},
    {"Mn_Zseviye(8)", G::kFixed, "80 %", "80 %"},
    {"Mn_Zseviye(9)", G::kFixed, "90 %", "90 %"},
    {"Mn_editNota(7)", G::kFixed, "-", "-"},
    {"Label7", G::kFixed, "darbe s.", "darbe s."},
    {"But_kısalt", G::kFixed, ">   <", ">   <"},
    {"But_uzat", G::kFixed, "<    >", "<    >"},
};

}  // namespace

const std::string& MessageText(Language language, int index) {
    if (index >= 0 && index < kMessageCount) return Table(language)[index];
    return ExtraMessage(language, index);
}

std::span<const Caption> Captions() { return kCaptions; }

const std::string& CaptionText(Language language, std::string_view controlName) {
    static const auto texts = [] {
        std::map<std::string, std::pair<std::string, std::string>, std::less<>> byName;
        for (const Caption& caption : kCaptions) {
            byName.emplace(std::string(caption.control),
                           std::pair{std::string(caption.english), std::string(caption.turkish)});
        }
        return byName;
    }();
    static const std::string empty;
    const auto found = texts.find(controlName);
    if (found == texts.end()) return empty;
    return language == Language::English ? found->second.first : found->second.second;
}

const std::string& ApplicationTitle(Language language) {
    return CaptionText(language, "ArayüzKalıp");
}

const std::string& ExampleDescriptionText(Language language) {
    static const std::string english = JoinLines(kEnglishExampleLines);
    static const std::string turkish = JoinLines(kTurkishExampleLines);
    return language == Language::English ? english : turkish;
}

const std::string& AlreadyRunningText() {
    static const std::string text = "Ritmora editörü zaten çalışıyor.";
    return text;
}

const std::string& ScreenTooNarrowText() {
    static const std::string text = "Ekran genişliğinin en az 1024 olması gerekir.";
    return text;
}

const std::string& ScreenTooLowText() {
    static const std::string text = "Ekran yüksekliğinin en az 768 olması gerekir.";
    return text;
}

}  // namespace ritmora
