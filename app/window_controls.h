#pragma once
// Pointers to every named control of the main window. Each control's objectName is its name;
// items of a control array are named with their index in brackets: "Option1(1)".."Option1(3)",
// "But_mertebe(0)" and "But_mertebe(1)", "Mn_editNota(0)".."Mn_editNota(14)",
// "Mn_metin(0)".."Mn_metin(8)", "Mn_Oseviye(2)".."Mn_Oseviye(9)", "Mn_Zseviye(2)"..(9).
#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;
class QToolButton;
class QWidget;

namespace ritmora {

class NotationView;
class PictureBox;

struct WindowControls {
    // Pictures.
    NotationView* Picture1 = nullptr;     // the notation
    PictureBox* Picture2 = nullptr;       // plan progress bar
    QWidget* Picture3 = nullptr;          // the plan help panel (holds Frame12..Frame14)
    PictureBox* Picture4 = nullptr;       // the usul reference table
    PictureBox* Picture5 = nullptr;       // hidden backdrop of the notation
    PictureBox* Picture8 = nullptr;       // metronome grid, hidden
    PictureBox* PicBirimNota = nullptr;   // unit-note box
    PictureBox* imajPenceresi = nullptr;  // export canvas, hidden

    // Boxes and labels.
    QPlainTextEdit* Text1 = nullptr;   // example description (help panel)
    QLineEdit* Text2 = nullptr;        // beats
    QLineEdit* Text3 = nullptr;        // mertebe
    QLineEdit* Text4 = nullptr;        // total of durations (read-only)
    QLineEdit* Text5 = nullptr;        // usul name
    QLineEdit* Text9 = nullptr;        // plan name
    QPlainTextEdit* Text14 = nullptr;  // plan text
    QLabel* Label1 = nullptr;          // slot number
    QLabel* Label2 = nullptr;          // plan column header
    QLabel* Label3 = nullptr;          // plan running time
    QLabel* Label4 = nullptr;          // completeness status
    QLabel* Label5 = nullptr;          // metronome value "= 150"
    QLabel* Label7 = nullptr;          // "darbe s."
    QLabel* Label9 = nullptr;          // "Plan name"
    QLabel* Label_kaynak = nullptr;    // where the usul on screen comes from (fixed slots)

    // Lists.
    QListWidget* List1 = nullptr;  // load list, hidden
    QListWidget* List2 = nullptr;  // save-as list, hidden
    QListWidget* List3 = nullptr;  // plan passages
    QListWidget* File1 = nullptr;  // saved plans

    // Buttons of the usul mode.
    QPushButton* But_yükle = nullptr;
    QPushButton* But_önceki = nullptr;
    QPushButton* But_sonraki = nullptr;
    QPushButton* But_kaydet = nullptr;
    QPushButton* But_farklı = nullptr;
    QPushButton* But_Sil = nullptr;
    QPushButton* But_Temizle = nullptr;
    QPushButton* But_optimize = nullptr;
    QPushButton* But_kısalt = nullptr;
    QPushButton* But_uzat = nullptr;
    std::array<QPushButton*, 2> But_mertebe{};  // [0] double, [1] halve
    QPushButton* But_Baslat = nullptr;
    QPushButton* But_Dur = nullptr;
    QPushButton* But_JPG = nullptr;
    QPushButton* But_baskı = nullptr;

    // Buttons of the plan mode.
    QPushButton* Command1 = nullptr;   // pause / continue
    QToolButton* Command2 = nullptr;   // help (question-mark icon)
    QPushButton* Command3 = nullptr;   // stop
    QPushButton* Command4 = nullptr;   // start
    QPushButton* Command5 = nullptr;   // delete plan
    QPushButton* Command8 = nullptr;   // save plan
    QPushButton* Command10 = nullptr;  // new plan
    QToolButton* Image3 = nullptr;     // closes the help panel

    // Options: Option1[0..2] are items 1..3 (Kudüm, Bendir, Def).
    std::array<QRadioButton*, 3> Option1{};
    QRadioButton* Option2 = nullptr;  // once
    QRadioButton* Option3 = nullptr;  // looped
    QRadioButton* Option4 = nullptr;  // planned

    // Frames.
    QGroupBox* Frame1 = nullptr;   // percussion
    QGroupBox* Frame2 = nullptr;   // play
    QGroupBox* Frame3 = nullptr;   // usul name and slot number
    QGroupBox* Frame4 = nullptr;   // spacing
    QGroupBox* Frame5 = nullptr;   // saved work plans
    QGroupBox* Frame6 = nullptr;   // time signature
    QGroupBox* Frame7 = nullptr;   // beat durations
    QGroupBox* Frame8 = nullptr;   // tempo
    QGroupBox* Frame9 = nullptr;   // define / edit sequence
    QGroupBox* Frame10 = nullptr;  // rehearse from sequence
    QGroupBox* Frame12 = nullptr;  // work plan example
    QGroupBox* Frame13 = nullptr;  // saved work plans view
    QGroupBox* Frame14 = nullptr;  // sequences view

    QScrollBar* VScroll1 = nullptr;  // tempo: BpM = 270 - value, 20..250
    QTimer* TimerWav = nullptr;      // 100 ms plan running-time timer, stopped

    // Menus of the menu bar.
    QAction* Mn_Lisanlar = nullptr;
    QAction* Mn_yardm = nullptr;
    QAction* Mn_bilgi = nullptr;
    QAction* Mn_RenkZemin = nullptr;
    QMenu* Mn_volüm = nullptr;
    QMenu* Mn_orta = nullptr;
    QMenu* Mn_zayıf = nullptr;
    std::array<QAction*, 8> Mn_Oseviye{};  // items 2..9 at [item - 2]
    std::array<QAction*, 8> Mn_Zseviye{};
    QMenu* Mn_aktar = nullptr;        // export: the audio and the notation as PDF
    QAction* Mn_SesKaydet = nullptr;  // save audio (Ctrl+Shift+S)
    QAction* Mn_PDF = nullptr;        // the notation as a PDF page, named as the J P G picture

    // Popup menus.
    QMenu* Mn_edit = nullptr;  // note menu
    std::array<QAction*, 15> Mn_editNota{};
    QMenu* Mn_metinler = nullptr;  // syllable menu
    std::array<QAction*, 9> Mn_metin{};
    QMenu* Mn_birim = nullptr;                // denominator menu
    std::array<QAction*, 5> Mn_birimItems{};  // ikilik, dörtlük, sekizlik, onaltılık, otuzikilik
};

}  // namespace ritmora
