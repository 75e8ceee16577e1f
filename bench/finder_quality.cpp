// Recall and precision of the font finder on made-up memory: real sets and
// FZX fonts placed at random byte offsets into 48K of real code and data
// (the OpenSE ROM without its own set, Fuse's keyboard screen, two Linux
// binaries, runs of zeros). `finder_quality tune` measures on the half of
// the collection the scoring was tuned on, `finder_quality` on the other
// half plus the ROM's own set. A find counts when code 33 lies at the exact
// byte where it was placed (FZX: the header's byte); every other find that
// overlaps no placed font is false. Not a test: it needs the shared fonts
// and files of other packages, and prints figures.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "finder/fontfinder.h"
#include "formats/fileio.h"
#include "formats/fontformats.h"
#include "model/font.h"

namespace fs = std::filesystem;
using TBytes = std::vector<std::uint8_t>;

namespace {

TBytes Read(const std::string& path, std::size_t from = 0, std::size_t count = SIZE_MAX) {
    if (!fs::exists(path)) return {};
    const TBytes all = ReadFileBytes(path);
    if (from >= all.size()) return {};
    return TBytes(all.begin() + static_cast<std::ptrdiff_t>(from),
                  all.begin() + static_cast<std::ptrdiff_t>(std::min(all.size(), from + count)));
}

// An FZX font of codes up to 127 whose characters fit 8 x 8 cells, as a set.
bool AsCells(const std::string& path, TBytes& cells) {
    TFZXFont font;
    const TBytes bytes = Read(path);
    if (!font.LoadFZXBytes(bytes.data(), bytes.size()).empty() || font.LastChar() < 127)
        return false;
    cells.assign(768, 0);
    for (int i = 0; i < 96; ++i) {
        const TFZXChar& g = font.Glyph(i);
        if (g.Width() > 8) return false;
        int row = g.Leading();
        std::size_t at = 0;
        const std::string rows = g.Rows();
        while (at < rows.size()) {
            std::size_t bar = rows.find('|', at);
            if (bar == std::string::npos) bar = rows.size();
            const std::string bits = rows.substr(at, bar - at);
            if (row >= 8) {
                if (bits.find('1') != std::string::npos) return false;
            } else {
                for (std::size_t x = 0; x < bits.size() && x < 8; ++x)
                    if (bits[x] == '1') cells[static_cast<std::size_t>(i * 8 + row)] |= 0x80 >> x;
            }
            ++row;
            at = bar + 1;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const bool tune = argc > 1 && std::string(argv[1]) == "tune";
    const TBytes rom = Read("/usr/share/spectrum-roms/opense.rom");
    std::vector<TBytes> material;
    if (rom.size() == 0x4000) material.emplace_back(rom.begin(), rom.begin() + 0x3D00);
    for (const TBytes& m : {Read("/usr/share/fuse/keyboard.scr"),
                            Read("/usr/bin/pasmo", 4096, 60000), Read("/bin/ls", 4096, 40000)})
        if (m.size() > 8192) material.push_back(m);
    std::vector<std::string> chrs, fzxs;
    const fs::path shared = fs::path(QUORREL_SHARED_DIR) / "fonts";
    if (material.empty() || !fs::is_directory(shared)) {
        std::printf("needs the shared fonts and the OpenSE ROM (package opense-basic)\n");
        return 1;
    }
    for (const auto& e : fs::recursive_directory_iterator(shared)) {
        const std::string p = e.path().string();
        if (EndsWithIgnoringCase(p, ".chr")) chrs.push_back(p);
        if (EndsWithIgnoringCase(p, ".fzx")) fzxs.push_back(p);
    }
    std::sort(chrs.begin(), chrs.end());
    std::sort(fzxs.begin(), fzxs.end());
    struct TPlaced {
        std::string Name;
        TBytes Bytes;
        bool Fzx;
    };
    std::vector<TPlaced> fonts;
    for (std::size_t i = 0; i < chrs.size(); ++i)
        if ((i % 2 == 0) == tune) fonts.push_back({chrs[i], Read(chrs[i]), false});
    for (std::size_t i = 0; i < fzxs.size(); ++i) {
        if ((i % 2 == 0) != tune) continue;
        TBytes cells;
        if (AsCells(fzxs[i], cells)) fonts.push_back({fzxs[i] + " (as cells)", cells, false});
        fonts.push_back({fzxs[i], Read(fzxs[i]), true});
    }
    if (!tune && rom.size() == 0x4000)
        fonts.push_back({"ROM set", TBytes(rom.begin() + 0x3D00, rom.end()), false});

    std::mt19937 random(tune ? 1 : 2);
    const auto fill = [&](TBytes& memory) {
        for (std::size_t at = 0; at < memory.size();) {
            const TBytes& m = material[random() % material.size()];
            const std::size_t n = 64 + random() % 4096, from = random() % (m.size() - n);
            if (random() % 6 == 0) { // zeros
                at += n;
                continue;
            }
            for (std::size_t i = 0; i < n && at < memory.size(); ++i)
                memory[at++] = m[from + i];
        }
    };
    int placed = 0, hits = 0, falses = 0;
    for (const TPlaced& font : fonts)
        for (int repeat = 0; repeat < 3; ++repeat) {
            std::vector<TScanArea> areas(1);
            areas[0].Base = 0x4000;
            areas[0].Bytes.assign(0xC000, 0);
            fill(areas[0].Bytes);
            const std::size_t at = random() % (0xC000 - font.Bytes.size());
            std::copy(font.Bytes.begin(), font.Bytes.end(),
                      areas[0].Bytes.begin() + static_cast<std::ptrdiff_t>(at));
            ++placed;
            bool hit = false;
            for (const TFoundFont& f : FindFonts(areas)) {
                const bool exact =
                    font.Fzx
                        ? f.Kind == TFoundKind::Fzx && f.Offset == at
                        : f.Kind == TFoundKind::Charset &&
                              f.Offset + 8 * static_cast<std::size_t>(33 - f.FirstCode) == at + 8;
                hit = hit || exact;
                if (!exact && (f.Offset >= at + font.Bytes.size() || at >= f.Offset + f.Length))
                    ++falses;
            }
            hits += hit;
            if (!hit) std::printf("missed: %s at 0x%zX\n", font.Name.c_str(), at + 0x4000);
        }
    int empty = 0, emptyFalses = 0;
    for (; empty < 200; ++empty) {
        std::vector<TScanArea> areas(1);
        areas[0].Bytes.assign(0xC000, 0);
        fill(areas[0].Bytes);
        emptyFalses += static_cast<int>(FindFonts(areas).size());
    }
    std::printf("%s: %d of %d placed fonts found at their exact place; %d false finds beside "
                "them; %d false finds in %d x 48K without fonts\n",
                tune ? "tuning half" : "held-out half", hits, placed, falses, emptyFalses, empty);
    return 0;
}
