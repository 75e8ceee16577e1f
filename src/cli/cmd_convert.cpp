// `convert INPUT OUTPUT [options]`: reads a font and writes it in the format
// that the output's extension names. Nothing is written when reading fails.

#include "commands.h"
#include "formatoptions.h"
#include "model/font.h"

int RunConvert(const TArgs& args) {
    TFormatOptions options;
    TArgs files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string error;
        if (TakeFormatOption(args, i, options, error)) {
            if (!error.empty()) return UsageError("convert: " + error);
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return UsageError("convert: unknown option '" + args[i] + "'");
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2) return UsageError("convert: needs an input and an output file");

    TFZXFont font;
    std::string error = LoadAnyFont(font, files[0], options);
    if (error.empty()) error = SaveAnyFont(font, files[1], options);
    return error.empty() ? 0 : Fail(error);
}
