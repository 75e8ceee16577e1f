// `find FILE... [--extract DIR] [--sheet PNG]`: lists the fonts inside
// Spectrum tapes, snapshots, ROM images and other files, best first over all
// files, one line each; writes them out as fonts, or all of them on one
// picture to look at first. Many files go in one process.

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "commands.h"
#include "finder/fontfinder.h"
#include "finder/foundsample.h"
#include "formatfiles.h"
#include "formats/fileio.h"
#include "model/font.h"
#include "pngcodec.h"
#include "spectrumcontainer.h"
#include "text/controlescape.h"

namespace {

struct TFindOptions {
    std::vector<std::string> Files;
    std::string ExtractDir;
    std::string SheetPath;
};

std::string ParseArgs(const TArgs& args, TFindOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--extract" || arg == "--sheet") {
            if (i + 1 >= args.size()) return arg + " needs a value";
            (arg == "--extract" ? o.ExtractDir : o.SheetPath) = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option '" + arg + "'";
        } else {
            o.Files.push_back(arg);
        }
    }
    if (o.Files.empty()) return "needs at least one file to look into";
    return "";
}

// One file's areas and what was found in them.
struct TLookedInto {
    std::string Path;
    std::vector<TScanArea> Areas;
    std::vector<TFoundFont> Found;
};

struct TFind {
    const TLookedInto* File;
    TFoundFont Font;
};

// "game.tzx@block3+0x1A0": the file's name and the place, as a font
// argument of the other commands takes it.
std::string FontArgument(const TLookedInto& file, const TFoundFont& f) {
    return file.Path + "@" + PlaceText(file.Areas[f.Area], f.Offset);
}

std::string Extract(const TLookedInto& file, const TFoundFont& f, const std::string& dir) {
    TFZXFont font;
    std::string error = ReadFoundFont(font, file.Areas, f);
    if (!error.empty()) return error;
    const std::string stem =
        (std::filesystem::path(dir) /
         (FileNameOnly(file.Path) + "@" + PlaceText(file.Areas[f.Area], f.Offset)))
            .string();
    std::vector<std::string> outputs{stem + ".fzx"};
    if (f.Kind == TFoundKind::Charset) outputs.push_back(stem + ".chr");
    if (f.Kind == TFoundKind::Udg) outputs.push_back(stem + ".udg");
    for (const std::string& out : outputs) {
        error = SaveFontFile(font, out, TExportOptions());
        if (!error.empty()) return "\"" + out + "\": " + error;
    }
    return "";
}

} // namespace

int RunFind(const TArgs& args) {
    TFindOptions o;
    const std::string usage = ParseArgs(args, o);
    if (!usage.empty()) return UsageError("find: " + usage);
    if (!o.ExtractDir.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(o.ExtractDir, ec);
        if (!std::filesystem::is_directory(o.ExtractDir))
            return Fail("\"" + o.ExtractDir + "\": cannot make the folder");
    }
    int status = 0;
    std::vector<TLookedInto> files;
    files.reserve(o.Files.size());
    for (const std::string& path : o.Files) {
        TLookedInto file;
        file.Path = path;
        std::string error;
        try {
            error = ReadSpectrumFile(path, file.Areas);
        } catch (const TFileError& e) {
            error = e.what();
        }
        if (!error.empty()) {
            // The other files are still looked into.
            status = Fail(error);
            continue;
        }
        file.Found = FindFonts(file.Areas);
        files.push_back(std::move(file));
    }
    std::vector<TFind> all;
    for (const TLookedInto& file : files)
        for (const TFoundFont& f : file.Found)
            all.push_back({&file, f});
    std::stable_sort(all.begin(), all.end(),
                     [](const TFind& a, const TFind& b) { return a.Font.Score > b.Font.Score; });
    std::vector<TSheetLine> sheet;
    for (const TFind& find : all) {
        const TFoundFont& f = find.Font;
        std::cout << EscapeControls(FontArgument(*find.File, f)) << ": "
                  << FoundFontText(find.File->Areas, f) << '\n';
        if (!o.ExtractDir.empty()) {
            const std::string error = Extract(*find.File, f, o.ExtractDir);
            if (!error.empty()) status = Fail(error);
        }
        if (!o.SheetPath.empty()) {
            TFZXFont font;
            if (ReadFoundFont(font, find.File->Areas, f).empty())
                sheet.push_back(
                    {PlaceText(find.File->Areas[f.Area], f.Offset), FoundFontPicture(font, f, 1)});
        }
    }
    if (!o.SheetPath.empty()) {
        const std::string error = WritePNG(FoundFontsSheet(sheet), o.SheetPath);
        if (!error.empty()) status = Fail(error);
    }
    return status;
}
