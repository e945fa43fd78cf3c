#pragma once
// The main window's picture export, printing and colour menu: the click handlers of But_JPG,
// Mn_PDF, But_baskı and Mn_RenkZemin, and the one call that connects them (and the audio save
// command of the export menu).
#include <filesystem>
#include <string>

class QPrinter;

namespace ritmora {

class ArayüzKalıp;
class FRenk;

// Connects the window's But_JPG, Mn_PDF, But_baskı and Mn_RenkZemin to the handlers below and
// makes the window's AudioSaveCommand for Mn_SesKaydet. The window calls it once, when it builds
// its panels.
void ConnectExportActions(ArayüzKalıp& window);

// The folder of rendered files and pictures: <data folder>/vlvl.
std::filesystem::path PictureFolder(const std::filesystem::path& dataFolder);

// J P G: the notation of CurrentUsul as <data folder>/vlvl/"N-D  Name.jpg"; the name comes from
// the name box Text5. The composed picture is kept in imajPenceresi. Messages: 3 (no beats),
// 22 (unusable name) and the encoder's faults.
void But_JPG_Click(ArayüzKalıp& window);

// PDF: the notation of CurrentUsul as a PDF page, <data folder>/vlvl/"N-D  Name.pdf", named by
// the J P G rule. Messages as J P G shows them: 3 (no beats), 22 (unusable name), write faults.
void Mn_PDF_Click(ArayüzKalıp& window);

// The name the pictures of the usul on screen are saved under, without its extension:
// "N-D  Name" by the J P G rule; empty when the name box cannot make a file name.
std::string NotationFileStem(ArayüzKalıp& window);

// Print: the notation on the default printer, or on `printer` when one is given (tests print
// into a PDF file). Messages: 3 (no beats), no printer installed, the printer failed.
void But_baskı_Click(ArayüzKalıp& window, QPrinter* printer = nullptr);

// Color: opens a new FRenk for the window (the window is disabled until FRenk closes). Returns
// the window; an already open one is raised instead.
FRenk* Mn_RenkZemin_Click(ArayüzKalıp& window);

}  // namespace ritmora
