// `apply FONT OUTPUT --op OP [--op OP ...] [format options]`: runs all-glyph
// operations in the given order and saves the result in the format of
// OUTPUT's extension.
// Every operation is checked before the font is read; a scaling that fails
// for any glyph writes nothing.

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "formatoptions.h"
#include "model/font.h"

namespace {

struct TApplyOp {
    TCharOperation Code = coItalic;
    bool FitWidth = false; // the width fitted to the ink instead of Code
    int Height = 0;        // the body height set to this instead of Code
    double WidthFactor = 1.0, HeightFactor = 1.0;
};

const struct {
    const char* Name;
    TCharOperation Code;
} kOps[] = {{"italic", coItalic},
            {"bold", coBold},
            {"adjust-top", coAdjustTop},
            {"adjust-bottom", coAdjustBottom},
            {"adjust-left", coAdjustLeft},
            {"adjust-right", coAdjustRight},
            {"adjust-hcenter", coAdjustHCenter},
            {"adjust-vcenter", coAdjustVCenter},
            {"clear", coClear}};

// A positive finite number that fills the whole text.
bool ParseFactor(const std::string& text, double& value) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text[0]))) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(value) && value > 0;
}

// "" when text names an operation, else what is wrong with it.
std::string ParseOp(const std::string& text, TApplyOp& op) {
    for (const auto& known : kOps)
        if (text == known.Name) {
            op.Code = known.Code;
            return "";
        }
    if (text == "fit-width") {
        op.FitWidth = true;
        return "";
    }
    const std::string height = "height=";
    if (text.compare(0, height.size(), height) == 0) {
        // The bounds of the window's body height field.
        if (!ParseWholeNumber(text.substr(height.size()), 1, 192, op.Height))
            return "apply: height needs a body height of 1 to 192 pixels, not '" +
                   text.substr(height.size()) + "'";
        return "";
    }
    const std::string prefix = "scale=";
    if (text.compare(0, prefix.size(), prefix) != 0)
        return "apply: unknown operation '" + text + "'";
    const std::string factors = text.substr(prefix.size());
    const std::size_t x = factors.find('x');
    if (x == std::string::npos || !ParseFactor(factors.substr(0, x), op.WidthFactor) ||
        !ParseFactor(factors.substr(x + 1), op.HeightFactor))
        return "apply: scale needs two positive factors as WFxHF, not '" + factors + "'";
    op.Code = coScale;
    return "";
}

} // namespace

int RunApply(const TArgs& args) {
    std::vector<std::string> files;
    std::vector<TApplyOp> ops;
    TFormatOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string text;
        if (TakeFormatOption(args, i, options, text)) {
            if (!text.empty()) return UsageError("apply: " + text);
            continue;
        }
        if (args[i] == "--op") {
            if (i + 1 >= args.size()) return UsageError("apply: --op needs an operation");
            text = args[++i];
        } else if (args[i].compare(0, 5, "--op=") == 0) {
            text = args[i].substr(5);
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return UsageError("apply: unknown option '" + args[i] + "'");
        } else {
            files.push_back(args[i]);
            continue;
        }
        TApplyOp op;
        const std::string error = ParseOp(text, op);
        if (!error.empty()) return UsageError(error);
        ops.push_back(op);
    }
    if (files.size() != 2) return UsageError("apply: needs a font and an output file");
    if (ops.empty()) return UsageError("apply: needs at least one --op");

    TFZXFont font;
    std::string error = LoadAnyFont(font, files[0], options);
    if (!error.empty()) return Fail(error);
    for (const TApplyOp& op : ops) {
        font.OnGetScaleFactors = [&op](double& widthFactor, double& heightFactor) {
            widthFactor = op.WidthFactor;
            heightFactor = op.HeightFactor;
            return true;
        };
        std::string message;
        font.OnMessage = [&message](const std::string& text) { message = text; };
        if (op.Height > 0)
            font.SetHeight(op.Height);
        else if (op.FitWidth)
            font.FitAllWidths();
        else
            font.ApplyToAll(op.Code);
        if (!message.empty()) return Fail(message);
    }
    error = SaveAnyFont(font, files[1], options);
    if (!error.empty()) return Fail(error);
    // Ink below the body runs into the next line of text: worth a word,
    // though the font is written as it is.
    const auto [tallest, taller] = font.MaxHeight();
    if (taller > 0)
        std::cerr << "quorrel-cli: " << taller
                  << (taller == 1 ? " character reaches" : " characters reach")
                  << " below the body height of " << font.Height() << " (the tallest is " << tallest
                  << " rows)"
                  << (tallest <= 192 ? ": --op height=" + std::to_string(tallest) + " makes room"
                                     : "")
                  << '\n';
    return 0;
}
