// export-jpg and export-pdf: the notation of one library slot as the JPG picture the window's
// J P G button makes, or as a PDF page laid out as the printed one, drawn without a screen.
#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "cli/cli_context.h"
#include "cli/terminal_text.h"
#include "export/page_layout.h"
#include "export/qt/jpg_export.h"
#include "export/qt/offscreen_notation.h"
#include "export/qt/pdf_export.h"
#include "notation/qt/glyph_sheet.h"
#include "notation/relayout.h"

namespace ritmora::cli {
namespace {

// Drawing text needs a QGuiApplication; the command makes its own, on the offscreen platform
// unless the user chose one.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "ritmora-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// SLOT [--out FILE] of the picture commands, and that slot's usul read from the library. Returns
// kExitOk, or the exit status of a failure already reported. An usul with nothing to draw is
// reported before any graphical machinery starts.
int ReadSlotToDraw(const Context& c, const std::vector<std::string>& args,
                   const std::string& command, UsulRecord& usul, std::filesystem::path& out) {
    const std::string usage = "usage: ritmora-cli [--dir DIR] " + command + " SLOT [--out FILE]";
    int slot = 0;
    bool slotGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                return UsageError(c, command + ": --out needs a file name");
            }
            out = PathFromUtf8(args[++i]);
        } else if (!slotGiven && ParseInt(args[i], slot)) {
            slotGiven = true;
        } else {
            return UsageError(c, command + ": unexpected '" + args[i] + "'; " + usage);
        }
    }
    if (!slotGiven) return UsageError(c, usage);
    if (slot < 1 || slot > kSlotCount) {
        return UsageError(c, command + ": the slot must be from 1 to 255");
    }

    std::unique_ptr<UsulLibrary> library = OpenLibrary(c);
    if (!library) return kExitFailure;
    if (!library->ReadSlot(slot, usul)) {
        c.err << MessageText(c.language, 1) << "\n";
        return kExitFailure;
    }
    if (MevcutHalka(usul) == 0) {
        c.err << MessageText(c.language, kNoBeatsMessage) << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

// Makes the QGuiApplication that drawing text needs; false, reported, when a non-graphical
// application already runs.
bool StartGui(const Context& c, std::unique_ptr<QGuiApplication>& app) {
    app = EnsureGuiApplication();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) return true;
    c.err << "ritmora-cli: pictures need a graphical Qt application\n";
    return false;
}

// Prints the written file's path, or what went wrong.
int ReportExport(const Context& c, int message, PictureWriteFault fault,
                 const std::filesystem::path& file) {
    if (message != kNoMessage) {
        c.err << MessageText(c.language, message) << "\n";
        return kExitFailure;
    }
    if (fault != PictureWriteFault::None) {
        c.err << ForTerminal(
                     PictureWriteFaultMessage(c.language, fault, PathToQString(file).toStdString()))
              << "\n";
        return kExitFailure;
    }
    c.out << ForTerminal(PathToQString(file).toStdString()) << "\n";
    return kExitOk;
}

}  // namespace

int RunExportJpg(const Context& c, const std::vector<std::string>& args) {
    UsulRecord usul;
    std::filesystem::path out;
    if (const int status = ReadSlotToDraw(c, args, "export-jpg", usul, out); status != kExitOk) {
        return status;
    }
    std::unique_ptr<QGuiApplication> app;
    if (!StartGui(c, app)) return kExitFailure;
    const GlyphSheet glyphs;
    const QImage picture = DrawNotationPicture(usul, glyphs, c.language);
    const QString name = QString::fromStdString(TrimmedName(usul.name));
    const JpgExportResult result = ExportJpg(picture, usul, name, c.dataFolder / "vlvl", out);
    return ReportExport(c, result.message, result.fault, result.file);
}

int RunExportPdf(const Context& c, const std::vector<std::string>& args) {
    UsulRecord usul;
    std::filesystem::path out;
    if (const int status = ReadSlotToDraw(c, args, "export-pdf", usul, out); status != kExitOk) {
        return status;
    }
    std::unique_ptr<QGuiApplication> app;
    if (!StartGui(c, app)) return kExitFailure;
    const QString name = QString::fromStdString(TrimmedName(usul.name));
    const PdfExportResult result = ExportPdf(usul, c.language, name, c.dataFolder / "vlvl", out);
    return ReportExport(c, result.message, result.fault, result.file);
}

}  // namespace ritmora::cli
