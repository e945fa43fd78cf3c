#include "export/export_texts.h"

namespace ritmora {
namespace {

const std::string& Pick(Language language, const std::string& english, const std::string& turkish) {
    return language == Language::English ? english : turkish;
}

}  // namespace

std::string_view PictureWriteStatusText(PictureWriteFault fault) {
    switch (fault) {
        case PictureWriteFault::AccessDenied:
            return "Access Denied.";
        case PictureWriteFault::InvalidImage:
            return "Invalid Parameter.";
        case PictureWriteFault::Unknown:
            return "Generic Error.";
        case PictureWriteFault::None:
        case PictureWriteFault::NoEncoder:
            break;
    }
    return {};
}

std::string PictureWriteFaultMessage(Language language, PictureWriteFault fault,
                                     std::string_view file) {
    static const std::string kWriteEn = "The picture could not be written: ";
    static const std::string kWriteTr = "Resim dosyası yazılamadı: ";
    static const std::string kEncoderEn = "No JPG encoder is available; no picture was written: ";
    static const std::string kEncoderTr = "JPG kodlayıcısı bulunamadı; resim yazılmadı: ";
    if (fault == PictureWriteFault::None) return {};
    if (fault == PictureWriteFault::NoEncoder) {
        return Pick(language, kEncoderEn, kEncoderTr) + std::string(file);
    }
    return std::string(PictureWriteStatusText(fault)) + " " + Pick(language, kWriteEn, kWriteTr) +
           std::string(file);
}

std::string PrintFaultMessage(Language language, PrintFault fault) {
    static const std::string kNoPrinterEn = "No printer is installed. Nothing was printed.";
    static const std::string kNoPrinterTr = "Yüklü bir yazıcı yok. Hiçbir şey basılmadı.";
    static const std::string kFailedEn = "The page could not be sent to the printer.";
    static const std::string kFailedTr = "Sayfa yazıcıya gönderilemedi.";
    switch (fault) {
        case PrintFault::NoPrinter:
            return Pick(language, kNoPrinterEn, kNoPrinterTr);
        case PrintFault::PrinterFailed:
            return Pick(language, kFailedEn, kFailedTr);
        case PrintFault::None:
            break;
    }
    return {};
}

const std::string& ColourNotStoredText(Language language) {
    static const std::string kEn =
        "The colour could not be stored in the library file usuller.usl; it lasts until the "
        "program ends.";
    static const std::string kTr =
        "Renk, usuller.usl kütüphane dosyasına kaydedilemedi; program kapanana kadar geçerlidir.";
    return Pick(language, kEn, kTr);
}

}  // namespace ritmora
