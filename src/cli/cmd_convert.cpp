// `convert INPUT OUTPUT`: reads a font and writes it in the format that the
// output's extension names. Nothing is written when reading fails.

#include "commands.h"
#include "formats/fontfiles.h"
#include "model/font.h"

int RunConvert(const TArgs& args) {
    for (const auto& arg : args)
        if (arg.size() > 1 && arg[0] == '-')
            return UsageError("convert: unknown option '" + arg + "'");
    if (args.size() != 2) return UsageError("convert: needs an input and an output file");

    TFZXFont font;
    std::string error = LoadFontFile(font, args[0]);
    if (error.empty()) error = SaveFontForCommandLine(font, args[1]);
    return error.empty() ? 0 : Fail(error);
}
