// `convert INPUT OUTPUT [options]`: reads a font and writes it in the format
// that the output's extension names. Nothing is written when reading fails.
// `convert INPUT... --out-dir DIR --to FORMAT [options]`: the same for many
// fonts in one process, each written to DIR under its own name; one that
// fails is reported and the others are still converted.

#include <exception>
#include <filesystem>
#include <map>

#include "commands.h"
#include "formatoptions.h"
#include "formats/fileio.h"
#include "formats/fontformats.h"
#include "model/font.h"

namespace {

// The extensions --to takes: every written format's first, without its dot.
std::string WrittenFormats() {
    std::string names;
    for (const TFontFormat& format : FontFormats())
        if (format.CanWrite())
            names += (names.empty() ? "" : ", ") + format.Extensions[0].substr(1);
    return names;
}

// The written format's extension --to names ("fzx", ".FZX", "psf.gz"), or "".
std::string TargetExtension(std::string name) {
    if (!name.empty() && name[0] != '.') name = "." + name;
    const TFontFormat* format = FindFontFormat("x" + name);
    if (!format || !format->CanWrite()) return "";
    for (const std::string& ext : format->Extensions)
        if (EndsWithIgnoringCase(name, ext) && name.size() == ext.size()) return ext;
    return "";
}

// The input's file name without its folders and its format's extension.
std::string BaseName(const std::string& input) {
    std::string name = FileNameOnly(input);
    if (const TFontFormat* format = FindFontFormat(name))
        for (const std::string& ext : format->Extensions)
            if (name.size() > ext.size() && EndsWithIgnoringCase(name, ext)) {
                name.resize(name.size() - ext.size());
                break;
            }
    return name;
}

// The file a path names, however it is written ("./a.fzx", "b/../a.fzx").
std::string SameFile(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path file = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : file.string();
}

// Reads one font and writes it; "" or the message.
std::string ConvertOne(const std::string& input, const std::string& output,
                       const TFormatOptions& options) {
    TFZXFont font;
    std::string error = LoadAnyFont(font, input, options);
    if (error.empty()) error = SaveAnyFont(font, output, options);
    return error;
}

// Every input into the folder; exit status 0 when all were converted.
int ConvertAll(const TArgs& inputs, const std::string& folder, const std::string& extension,
               const TFormatOptions& options) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        return Fail("convert: \"" + folder + "\": no such folder");
    // By the files themselves: an output must never replace another input,
    // nor what another input was converted to.
    std::map<std::string, std::string> sources, written; // file -> the input it is, or came from
    for (const std::string& input : inputs)
        sources.emplace(SameFile(input), input);
    int failed = 0;
    for (const std::string& input : inputs) {
        const std::string output =
            (std::filesystem::path(folder) / (BaseName(input) + extension)).string();
        const auto source = sources.find(SameFile(output));
        const auto taken = written.find(SameFile(output));
        std::string error;
        if (taken != written.end()) {
            error = "\"" + output + "\" is written from \"" + taken->second + "\" already";
        } else if (source != sources.end() && source->second != input &&
                   source->first != SameFile(input)) {
            error = "\"" + output + "\" would replace the input \"" + source->second + "\"";
        } else {
            try {
                error = ConvertOne(input, output, options);
            } catch (const std::exception& e) {
                error = e.what();
            }
            if (error.empty()) written.emplace(SameFile(output), input);
        }
        if (error.empty()) continue;
        // Each message names its input; the editor's own messages do not.
        if (error.find("\"" + input + "\"") == std::string::npos)
            error = "\"" + input + "\": " + error;
        Fail(error);
        ++failed;
    }
    if (failed == 0) return 0;
    return Fail("convert: " + std::to_string(failed) + " of " + std::to_string(inputs.size()) +
                " fonts not converted");
}

} // namespace

int RunConvert(const TArgs& args) {
    TFormatOptions options;
    TArgs files;
    std::string folder, extension;
    bool toGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string error;
        const std::string& arg = args[i];
        if (TakeFormatOption(args, i, options, error)) {
            if (!error.empty()) return UsageError("convert: " + error);
        } else if (arg == "--out-dir" || arg == "--to") {
            if (i + 1 >= args.size()) return UsageError("convert: " + arg + " needs a value");
            const std::string& value = args[++i];
            if (arg == "--out-dir") {
                if (value.empty()) return UsageError("convert: --out-dir needs a value");
                folder = value;
            } else {
                extension = TargetExtension(value);
                toGiven = true;
                if (extension.empty())
                    return UsageError("convert: --to must be a format written: " +
                                      WrittenFormats());
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError("convert: unknown option '" + arg + "'");
        } else {
            files.push_back(arg);
        }
    }
    if (!folder.empty() || toGiven) {
        if (folder.empty() || !toGiven)
            return UsageError("convert: --out-dir and --to go together");
        if (files.empty()) return UsageError("convert: needs at least one input file");
        return ConvertAll(files, folder, extension, options);
    }
    if (files.size() != 2) return UsageError("convert: needs an input and an output file");
    const std::string error = ConvertOne(files[0], files[1], options);
    return error.empty() ? 0 : Fail(error);
}
