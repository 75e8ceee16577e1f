#include "formats/fontfiles.h"

#include "formats/fileio.h"
#include "model/font.h"

std::string LoadFontFile(TFZXFont& font, const std::string& path) {
    const std::string ext = UpperExtension(path);
    if (ext == ".FZX") return font.LoadFZX(path);
    if (ext == ".CHR" || ext == ".UDG") return font.LoadCHR(path);
    return "Invalid file extension!";
}

std::string SaveFontFile(TFZXFont& font, const std::string& path, bool allowASM) {
    const std::string ext = UpperExtension(path);
    if (ext == ".FZX") return font.SaveFZX(path);
    if (ext == ".CHR" || ext == ".UDG") return font.SaveCHR(path);
    if (ext == ".ASM" && allowASM) return font.SaveASM(path);
    return "Illegal file extension! File not saved.";
}
