#pragma once
// What the user is told when a picture cannot be written or a page cannot be printed. The status
// texts of the JPG encoder are the program's historical ones (English in both languages); the
// wording after them says in the interface language what happened.
#include <string>
#include <string_view>

#include "app/texts.h"

namespace ritmora {

// The kinds of fault a picture encoder reports.
enum class PictureWriteFault {
    None,
    AccessDenied,  // the file or its folder could not be created, written or renamed
    NoEncoder,     // no JPG encoder is available
    InvalidImage,  // the encoder refused the picture
    Unknown,       // any other fault of the encoder
};

// "Access Denied.", "Invalid Parameter.", "Generic Error."; empty for None and NoEncoder (that
// kind had no status text).
std::string_view PictureWriteStatusText(PictureWriteFault fault);

// The whole message: the status text, a blank, then a plain sentence naming `file`.
std::string PictureWriteFaultMessage(Language language, PictureWriteFault fault,
                                     std::string_view file);

enum class PrintFault { None, NoPrinter, PrinterFailed };

std::string PrintFaultMessage(Language language, PrintFault fault);

// Writing record 256 (the background colour) failed.
const std::string& ColourNotStoredText(Language language);

}  // namespace ritmora
