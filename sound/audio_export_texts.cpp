#include "sound/audio_export_texts.h"

namespace ritmora {

std::string AudioExportFaultMessage(Language language, AudioExportFault fault,
                                    std::string_view file) {
    const bool tr = language == Language::Turkish;
    const std::string name = "\"" + std::string(file) + "\"";
    switch (fault) {
        case AudioExportFault::UnknownExtension:
            return tr ? name +
                            " için ses biçimi seçilemedi: dosya adı .wav, .flac, .ogg, .opus "
                            "ya da .mp3 ile bitmeli."
                      : "No audio format for " + name +
                            ": the file name must end in .wav, .flac, .ogg, .opus or .mp3.";
        case AudioExportFault::CannotCreate:
            return tr ? name + " oluşturulamadı: klasör yok ya da bu klasöre yazılamıyor."
                      : "Cannot create " + name +
                            ": the folder does not exist or cannot be written.";
        case AudioExportFault::WriteFailed:
            return tr ? name + " yazılamadı (disk dolu olabilir). Önceki dosya olduğu gibi duruyor."
                      : "Could not write " + name +
                            " (the disk may be full). Any earlier file is unchanged.";
        case AudioExportFault::EncoderFailed:
            return tr ? name + " için ses kodlanamadı. Önceki dosya olduğu gibi duruyor."
                      : "The audio could not be encoded for " + name +
                            ". Any earlier file is unchanged.";
        case AudioExportFault::SourceUnreadable:
            return tr ? "Oluşturulan ses okunamadı; " + name + " yazılmadı."
                      : "The rendered audio could not be read; " + name + " was not written.";
        case AudioExportFault::Cancelled:
            return tr ? "Ses kaydı iptal edildi; " + name + " yazılmadı."
                      : "Saving the audio was cancelled; " + name + " was not written.";
        case AudioExportFault::None:
        case AudioExportFault::NothingRendered:
            break;
    }
    return {};
}

}  // namespace ritmora
