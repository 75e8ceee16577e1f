// Exporting a font as Z80 assembler source that, assembled at address 0,
// gives the bytes of the FZX file: the assembler computes the table's
// offsets from the labels, so the source stays editable.

#include "formats/asmfile.h"

#include "formats/fileio.h"
#include "model/font.h"

namespace {

// Names of the printable ASCII codes 32 to 127 that are not digits or letters.
const char* SymbolName(int code) {
    switch (code) {
    case 32:
        return "space";
    case 33:
        return "exclamation_mark";
    case 34:
        return "quotation_mark";
    case 35:
        return "number_sign";
    case 36:
        return "dollar_sign";
    case 37:
        return "percent_sign";
    case 38:
        return "ampersand";
    case 39:
        return "apostrophe";
    case 40:
        return "left_parenthesis";
    case 41:
        return "right_parenthesis";
    case 42:
        return "asterisk";
    case 43:
        return "plus_sign";
    case 44:
        return "comma";
    case 45:
        return "hyphen_minus";
    case 46:
        return "full_stop";
    case 47:
        return "solidus";
    case 58:
        return "colon";
    case 59:
        return "semicolon";
    case 60:
        return "less_than_sign";
    case 61:
        return "equals_sign";
    case 62:
        return "greater_than_sign";
    case 63:
        return "question_mark";
    case 64:
        return "commercial_at";
    case 91:
        return "left_square_bracket";
    case 92:
        return "reverse_solidus";
    case 93:
        return "right_square_bracket";
    case 94:
        return "circumflex_accent";
    case 95:
        return "low_line";
    case 96:
        return "grave_accent";
    case 123:
        return "left_curly_bracket";
    case 124:
        return "vertical_line";
    case 125:
        return "right_curly_bracket";
    case 126:
        return "tilde";
    case 127:
        return "delete";
    default:
        return nullptr;
    }
}

class TLines {
  public:
    void Add(const std::string& line) {
        FText += line;
        FText += "\r\n";
    }
    void Section(const std::string& title) {
        Add("");
        Add("; " + std::string(80, '-'));
        Add("; " + title);
        Add("");
    }
    const std::string& Text() const { return FText; }

  private:
    std::string FText;
};
} // namespace

std::string CharLabel(int code) {
    if (code >= '0' && code <= '9') return std::string("digit_") + static_cast<char>(code);
    if (code >= 'A' && code <= 'Z')
        return std::string("latin_capital_letter_") + static_cast<char>(code - 'A' + 'a');
    if (code >= 'a' && code <= 'z')
        return std::string("latin_small_letter_") + static_cast<char>(code);
    if (const char* name = SymbolName(code)) return name;
    return "character_" + std::to_string(code);
}

std::string TFZXFont::BuildASMText(const std::string& fileName) const {
    // A font without its full glyph list (only left by a failed read) has
    // nothing coherent to export.
    if (FLastChar < 32 || Count() < FLastChar - 31) return std::string();

    TLines out;
    // A line break in the name would end the comment and start a line of
    // source, so control characters are shown as "?".
    std::string name = FileNameOnly(fileName);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
    out.Add("; " + name + " - FZX font file");
    out.Add("; created with Quorrel");
    out.Add("");
    out.Add("\torg\t0");
    out.Section("header");
    out.Add("header:");
    out.Add("\tdefb\t" + std::to_string(FHeight) +
            "\t\t; vertical gap between baselines in pixels");
    out.Add("");
    out.Add("tracking:");
    out.Add("\tdefb\t" + std::to_string(FTracking) +
            "\t\t; horizontal gap between characters in pixels");
    out.Add("");
    out.Add("lastchar:");
    out.Add("\tdefb\t" + std::to_string(FLastChar) + "\t\t; last defined character (32-255)");

    out.Section("character table");
    out.Add("table:");
    out.Add("; defw offset+16384*kern");
    out.Add("; defb 16*leading+width-1");
    out.Add("");
    for (int code = 32; code <= FLastChar; ++code) {
        const TFZXChar& g = Glyph(code - 32);
        const std::string kern = g.Kern() == 0 ? "" : "+16384*" + std::to_string(g.Kern());
        out.Add("\tdefw\t" + CharLabel(code) + kern + " -$");
        out.Add("\tdefb\t16*" + std::to_string(g.Leading()) + "+" +
                std::to_string(FZXWidthField(g.Width()) + 1) + "-1");
    }
    out.Add("\tdefw\tterminus -$");

    out.Section("definitions");
    for (int code = 32; code <= FLastChar; ++code) {
        const TFZXChar& g = Glyph(code - 32);
        if (code != 32) out.Add("");
        out.Add(CharLabel(code) + ":");
        // The very bytes the FZX writer stores, so the source assembles to them.
        const std::vector<std::uint8_t> bytes = g.DefinitionBytes();
        const std::size_t perRow = static_cast<std::size_t>(g.BytesPerRow());
        for (std::size_t r = 0; perRow > 0 && r < bytes.size(); r += perRow) {
            std::string line = "\tdefb";
            for (std::size_t b = 0; b < perRow; ++b)
                line += (b > 0 ? ",\t%" : "\t%") + ByteToBits(bytes[r + b]);
            out.Add(line);
        }
    }
    out.Add("");
    out.Add("terminus:");
    return out.Text();
}

std::string TFZXFont::SaveASM(const std::string& fileName) {
    const std::string text = BuildASMText(fileName);
    if (text.empty()) return kFileWriteError;
    if (!WriteFileReplacing(fileName, reinterpret_cast<const std::uint8_t*>(text.data()),
                            text.size()))
        return kFileWriteError;
    return std::string();
}
