#include "formatoptions.h"

#include <iostream>

#include "commands.h"
#include "formatfiles.h"
#include "formats/sheet.h"
#include "model/font.h"
#include "sheetload.h"
#include "text/controlescape.h"
#include "text/wholenumber.h"

namespace {

bool Number(const std::string& text, int low, int high, int& value) {
    for (const char c : text)
        if (c < '0' || c > '9') return false; // no signs, blanks or hex here
    const auto number = ReadWholeNumber(text);
    if (!number || *number < low || *number > high) return false;
    value = static_cast<int>(*number);
    return true;
}

// "W" or "WxH"; a single number is used for both.
bool Pair(const std::string& text, int low, int high, int& a, int& b, bool single) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return single && Number(text, low, high, a) && ((b = a), true);
    return Number(text.substr(0, x), low, high, a) && Number(text.substr(x + 1), low, high, b);
}

} // namespace

bool TakeFormatOption(const TArgs& args, std::size_t& i, TFormatOptions& o, std::string& error) {
    const std::string& arg = args[i];
    TImportOptions& in = o.Import;
    if (arg == "--grid") {
        o.Export.Grid = true;
        return true;
    }
    if (arg == "--invert") {
        in.Invert = true;
        return true;
    }
    if (arg == "--captions") {
        o.Export.Captions = true;
        return true;
    }
    if (arg == "--fit-width") {
        in.FitWidth = true;
        // The spacing is optional: a following plain number is it.
        int spacing;
        if (i + 1 < args.size() && Number(args[i + 1], 0, 16, spacing)) {
            in.Spacing = spacing;
            ++i;
        } else if (i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-' &&
                   args[i + 1].find_first_not_of("0123456789") == std::string::npos) {
            error = "--fit-width spacing must be 0 to 16";
        }
        return true;
    }
    if (arg != "--cell" && arg != "--first-code" && arg != "--columns" && arg != "--gap" &&
        arg != "--margin" && arg != "--charset" && arg != "--last-code")
        return false;
    if (i + 1 >= args.size()) {
        error = arg + " needs a value";
        return true;
    }
    const std::string& value = args[++i];
    bool ok = true;
    if (arg == "--cell") {
        ok = Pair(value, 1, 255, in.CellWidth, in.CellHeight, false);
        o.CellGiven = true;
        if (!ok) error = "--cell must be WIDTHxHEIGHT, each 1 to 255";
    } else if (arg == "--first-code") {
        ok = Number(value, 0, 255, in.FirstCode);
        if (!ok) error = "--first-code must be 0 to 255";
    } else if (arg == "--last-code") {
        ok = Number(value, 32, 255, in.LastCode);
        if (!ok) error = "--last-code must be 32 to 255";
    } else if (arg == "--columns") {
        ok = Number(value, 1, 256, in.Columns);
        o.Export.Columns = in.Columns;
        o.ColumnsGiven = true;
        if (!ok) error = "--columns must be 1 to 256";
    } else if (arg == "--gap" || arg == "--margin") {
        int& x = arg == "--gap" ? in.GapX : in.MarginX;
        int& y = arg == "--gap" ? in.GapY : in.MarginY;
        ok = Pair(value, 0, 1024, x, y, true);
        (arg == "--gap" ? o.GapGiven : o.MarginGiven) = true;
        if (!ok) error = arg + " must be N or XxY, each 0 to 1024";
    } else {
        ok = value == "zx" || value == "latin1";
        in.ZxCharset = o.Export.ZxCharset = value == "zx";
        if (!ok) error = "--charset must be zx or latin1";
    }
    return true;
}

std::string LoadAnyFont(TFZXFont& font, const std::string& path, const TFormatOptions& options) {
    const TFontFormat* format = FindFontFormat(path);
    if (format && format->Picture) return LoadSheet(font, path, options);
    TImportReport report;
    const std::string error = LoadFontFile(font, path, options.Import, report);
    if (error.empty())
        for (const std::string& line : report.Lines)
            std::cerr << EscapeControls(path + ": " + line) << '\n';
    return error;
}

std::string SaveAnyFont(TFZXFont& font, const std::string& path, const TFormatOptions& options) {
    std::string error = SaveFontFile(font, path, options.Export);
    const TFontFormat* format = FindFontFormat(path);
    std::vector<std::uint8_t> image;
    // The CHR writer's refusal is the one message that does not say why.
    const std::string reason = font.CHRIncompatibility();
    if (!error.empty() && !reason.empty() && error == font.BuildCHRImage(image))
        error += " " + reason;
    if (error.empty() && format->Picture) {
        // How to read the sheet back, since its layout is not in the file.
        const TImportOptions in = SheetImportOptions(font, options.Export);
        std::cerr << path << ": read back with --cell " << in.CellWidth << 'x' << in.CellHeight
                  << " --columns " << in.Columns;
        if (in.GapX > 0) std::cerr << " --gap " << in.GapX;
        if (in.MarginX > 0) std::cerr << " --margin " << in.MarginX << 'x' << in.MarginY;
        if (in.LastCode > 0) std::cerr << " --last-code " << in.LastCode;
        std::cerr << '\n';
    }
    return error;
}
