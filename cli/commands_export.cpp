// export-jpg: the notation of one library slot as the JPG picture the window's J P G button
// makes, drawn without a screen.
#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "cli/cli_context.h"
#include "cli/terminal_text.h"
#include "export/page_layout.h"
#include "export/qt/jpg_export.h"
#include "export/qt/offscreen_notation.h"
#include "notation/qt/glyph_sheet.h"
#include "notation/relayout.h"

namespace ritmora::cli {
namespace {

constexpr const char* kExportUsage = "usage: ritmora-cli [--dir DIR] export-jpg SLOT [--out FILE]";

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

}  // namespace

int RunExportJpg(const Context& c, const std::vector<std::string>& args) {
    int slot = 0;
    bool slotGiven = false;
    std::filesystem::path out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                return UsageError(c, "export-jpg: --out needs a file name");
            }
            out = PathFromUtf8(args[++i]);
        } else if (!slotGiven && ParseInt(args[i], slot)) {
            slotGiven = true;
        } else {
            return UsageError(c, "export-jpg: unexpected '" + args[i] + "'; " + kExportUsage);
        }
    }
    if (!slotGiven) return UsageError(c, kExportUsage);
    if (slot < 1 || slot > kSlotCount) {
        return UsageError(c, "export-jpg: the slot must be from 1 to 255");
    }

    std::unique_ptr<UsulLibrary> library = OpenLibrary(c);
    if (!library) return kExitFailure;
    UsulRecord usul;
    if (!library->ReadSlot(slot, usul)) {
        c.err << MessageText(c.language, 1) << "\n";
        return kExitFailure;
    }

    // Nothing to draw: said before any graphical machinery starts.
    if (MevcutHalka(usul) == 0) {
        c.err << MessageText(c.language, kNoBeatsMessage) << "\n";
        return kExitFailure;
    }

    const std::unique_ptr<QGuiApplication> app = EnsureGuiApplication();
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        c.err << "ritmora-cli: pictures need a graphical Qt application\n";
        return kExitFailure;
    }
    const GlyphSheet glyphs;
    const QImage picture = DrawNotationPicture(usul, glyphs, c.language);
    const QString name = QString::fromStdString(TrimmedName(usul.name));
    const std::filesystem::path folder = c.dataFolder / "vlvl";
    const JpgExportResult result = ExportJpg(picture, usul, name, folder, out);

    if (result.message != kNoMessage) {
        c.err << MessageText(c.language, result.message) << "\n";
        return kExitFailure;
    }
    if (result.fault != PictureWriteFault::None) {
        c.err << ForTerminal(PictureWriteFaultMessage(c.language, result.fault,
                                                      PathToQString(result.file).toStdString()))
              << "\n";
        return kExitFailure;
    }
    c.out << ForTerminal(PathToQString(result.file).toStdString()) << "\n";
    return kExitOk;
}

}  // namespace ritmora::cli
