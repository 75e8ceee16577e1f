// The print routines, fast and compact, run in an emulated Z80, set text
// pixel for pixel as `quorrel-cli render --wrap` does, and byte for byte as
// the screen model does: for fonts of our own, and for every font of the
// shared collection.

#include <gtest/gtest.h>

#include <iostream>
#include <string>

#include "formatfiles.h"
#include "model/font.h"
#include "render/textlayout.h"
#include "shareddata.h"
#include "spectrum/printroutine.h"
#include "spectrum/spectrumprogram.h"
#include "spectrum/spectrumscreen.h"
#include "spectrumfonts.h"
#include "z80machine.h"

namespace {

struct TOutcome {
    bool Returned = false;
    int StrayWrites = 0;
    unsigned FirstStray = 0;
    bool KeptRegisters = false;
    bool InterruptsOnAtReturn = false;
    long long Tstates = 0;
    TRaster Screen;
    std::vector<std::uint8_t> Bitmap; // screen memory from 0x4000
};

// Loads routine, font and text as the export lays them out and calls the
// print entry with the text's position.
// With junk, every row byte gets ink beyond the character's width, which
// an FZX reader ignores.
TOutcome RunOnSpectrum(const TFZXFont& font, const std::string& text, int x, int y,
                       bool junk = false, TPrintRoutine routine = TPrintRoutine::Fast,
                       TWrapMode wrap = TWrapMode::Characters, bool interrupts = false) {
    TSpectrumOptions options;
    options.Routine = routine;
    options.Text = text;
    options.Wrap = wrap;
    options.X = x;
    options.Y = y;
    TSpectrumProgram program;
    EXPECT_EQ(BuildSpectrumProgram(font, options, program), "");
    if (junk) {
        const auto& f = program.Font;
        for (int code = 32; code <= f[2]; ++code) {
            const std::size_t entry = 3 + 3 * static_cast<std::size_t>(code - 32);
            const std::size_t start = entry + ((f[entry] | (f[entry + 1] << 8)) & 0x3FFF);
            const std::size_t end = entry + 3 + ((f[entry + 3] | (f[entry + 4] << 8)) & 0x3FFF);
            const int width = (f[entry + 2] & 15) + 1;
            const std::uint8_t last = static_cast<std::uint8_t>(0xFF >> ((width - 1) % 8 + 1));
            const std::size_t perRow = width > 8 ? 2 : 1;
            for (std::size_t at = start + perRow - 1; at < end; at += perRow)
                program.Font[at] |= last;
        }
    }
    z80test::TZ80Machine machine;
    machine.Load(program.Org, program.Image());
    machine.Writable = {
        {0x4000, 0x57FF},
        {0x5F00, 0x5FFF},
        {program.Org, program.Org + static_cast<unsigned>(program.Routine.size()) - 1}};
    machine.InterruptsOn = interrupts;
    TOutcome out;
    out.Returned = machine.Call(program.Org + kRoutinePrint, program.TextAddress(),
                                program.FontAddress(), static_cast<unsigned>(y * 256 + x));
    out.StrayWrites = machine.StrayWrites;
    out.FirstStray = machine.FirstStray;
    out.KeptRegisters = machine.KeptRegisters;
    out.InterruptsOnAtReturn = machine.InterruptsOnAtReturn;
    out.Tstates = machine.Tstates;
    out.Screen = machine.Screen();
    out.Bitmap.assign(machine.Memory.begin() + 0x4000,
                      machine.Memory.begin() + 0x4000 + TSpectrumScreen::BitmapSize);
    return out;
}

// render --wrap --at x,y of the same text, ink turned black.
TRaster RenderPicture(TFZXFont& font, const std::string& text, int x, int y,
                      TWrapMode wrap = TWrapMode::Characters) {
    TRaster raster(256, 192, clWhite);
    TTextFrame frame;
    frame.Wrap = wrap;
    frame.Left = x;
    frame.Top = y;
    PaintText(font, raster, LayOutText(font, text, frame), 1);
    for (int py = 0; py < 192; ++py)
        for (int px = 0; px < 256; ++px)
            if (raster.Pixel(px, py) != clWhite) raster.SetPixel(px, py, clBlack);
    return raster;
}

// "" when the two pictures agree, else where they first differ.
std::string Difference(const TRaster& spectrum, const TRaster& render) {
    int count = 0;
    std::string first;
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 256; ++x)
            if (spectrum.Pixel(x, y) != render.Pixel(x, y) && count++ == 0)
                first = "(" + std::to_string(x) + "," + std::to_string(y) + ") spectrum " +
                        (spectrum.Pixel(x, y) == clBlack ? "ink" : "paper");
    return count == 0 ? "" : std::to_string(count) + " pixels differ, first at " + first;
}

const TPrintRoutine kRoutines[] = {TPrintRoutine::Fast, TPrintRoutine::Compact};

void ExpectSameAsRender(TFZXFont& font, const std::string& text, int x, int y,
                        const std::string& what, bool junk = false,
                        TPrintRoutine routine = TPrintRoutine::Fast,
                        TWrapMode wrap = TWrapMode::Characters) {
    SCOPED_TRACE(std::string(routine == TPrintRoutine::Fast ? "fast: " : "compact: ") + what +
                 " at " + std::to_string(x) + "," + std::to_string(y));
    const TOutcome out = RunOnSpectrum(font, text, x, y, junk, routine, wrap);
    ASSERT_TRUE(out.Returned) << "the routine did not return";
    EXPECT_EQ(out.StrayWrites, 0) << "first stray write at " << out.FirstStray;
    EXPECT_TRUE(out.KeptRegisters) << "IX, IY or an alternate register changed";
    EXPECT_EQ(Difference(out.Screen, RenderPicture(font, text, x, y, wrap)), "");
    // The screen model (view and .scr) holds the same bitmap bytes.
    TSpectrumOptions options;
    options.Text = text;
    options.Wrap = wrap;
    options.X = x;
    options.Y = y;
    TSpectrumScreen screen;
    SetSpectrumText(screen, font, options);
    EXPECT_TRUE(std::equal(out.Bitmap.begin(), out.Bitmap.end(), screen.Memory().begin()))
        << "screen model differs from the machine";
}

std::string Codes(int first, int last) {
    std::string text;
    for (int c = first; c <= last; ++c)
        text += static_cast<char>(c);
    return text;
}

const std::string kPangram = "The quick brown fox jumps over the lazy dog. 0123456789 (#$%&*)";

struct TTextCase {
    const char* What;
    std::string Text;
    int X, Y;
};

std::vector<TTextCase> TextCases(const TFZXFont& font) {
    const std::string all = Codes(32, font.LastChar());
    const std::string beyond(1, static_cast<char>(font.LastChar() + 1));
    return {
        {"every code, wrapped", all + all, 0, 0},
        {"every shift of the first byte", all, 5, 3},
        {"lines and empty lines", "Ab\rcd\r\rEF gh", 7, 20},
        {"stops beyond the last code", "ABC" + beyond + "DEF", 2, 40},
        {"stops at a tab", "ab\tcd", 0, 60},
        {"cut by the bottom of the screen", kPangram + kPangram, 1, 180},
        {"first character cut by the right edge", "WWW", 251, 10},
        {"line by line down the screen", kPangram + "\r" + kPangram + "\r" + kPangram, 255, 0},
        {"last line", "xyz", 0, 191},
    };
}

TEST(SpectrumPrint, OwnFontsLookTheSameAsRender) {
    struct TFontCase {
        const char* What;
        int Height, Tracking, LastChar, MaxWidth;
        unsigned Seed;
    } fonts[] = {
        {"narrow, 8 high", 8, 0, 127, 8, 1},  {"up to 16 wide, tracking 1", 9, 1, 140, 16, 2},
        {"wide, tall", 16, 2, 100, 16, 3},    {"low body, rows beyond it", 3, 0, 127, 12, 4},
        {"large tracking", 7, 40, 90, 10, 5}, {"last code 255", 10, 0, 255, 16, 6},
    };
    for (const auto& f : fonts) {
        TFZXFont font;
        spectrumtest::MakeFont(font, f.Height, f.Tracking, f.LastChar, f.MaxWidth, f.Seed);
        for (const TPrintRoutine r : kRoutines) {
            for (const TTextCase& t : TextCases(font))
                ExpectSameAsRender(font, t.Text, t.X, t.Y, std::string(f.What) + ": " + t.What,
                                   false, r);
            for (int x = 0; x < 8; ++x)
                ExpectSameAsRender(font, kPangram, x, 100 + x, std::string(f.What) + ": shift",
                                   false, r);
        }
    }
}

TEST(SpectrumPrint, BitsBeyondTheWidthAreIgnored) {
    TFZXFont font;
    spectrumtest::MakeFont(font, 9, 1, 127, 16, 7);
    for (const TPrintRoutine r : kRoutines)
        for (const TTextCase& t : TextCases(font))
            ExpectSameAsRender(font, t.Text, t.X, t.Y, std::string("junk bits: ") + t.What, true,
                               r);
}

TEST(SpectrumPrint, InterruptsAtTheReturnAsAtTheCall) {
    // A call from BASIC needs interrupts on afterwards; a caller that had
    // them off must not find them on.
    TFZXFont font;
    spectrumtest::MakeFont(font, 16, 2, 100, 16, 3);
    for (const TPrintRoutine r : kRoutines)
        for (const bool on : {false, true}) {
            const TOutcome out =
                RunOnSpectrum(font, kPangram, 3, 10, false, r, TWrapMode::Characters, on);
            ASSERT_TRUE(out.Returned);
            EXPECT_EQ(out.InterruptsOnAtReturn, on)
                << (r == TPrintRoutine::Fast ? "fast" : "compact");
        }
}

TEST(SpectrumPrint, KernNeverTakesACharacterLeftOfTheLineStart) {
    // "!" is a 13 x 2 frame whose left column is ink: a cut shows at once.
    TFZXFont font;
    font.SetLastChar(33);
    font.SetHeight(3);
    const struct {
        const char* What;
        std::string Text;
        int Line; // of the character checked
    } texts[] = {
        {"first line", "!!!!", 0},
        {"after code 13", "!\r!!", 1},
        {"after wrapping", std::string(40, '!'), 1},
    };
    for (int kern = 1; kern <= 3; ++kern) {
        font.Glyph(1).SetAll("1111111111111|1000000000001", 0, 13, kern);
        for (const auto& t : texts)
            for (const int x : {0, 1, 2, 3, 100})
                for (const TPrintRoutine r : kRoutines) {
                    const std::string what = std::string(t.What) + ", kern " + std::to_string(kern);
                    ExpectSameAsRender(font, t.Text, x, 0, what, false, r);
                    const TOutcome out = RunOnSpectrum(font, t.Text, x, 0, false, r);
                    EXPECT_EQ(out.Screen.Pixel(x, 3 * t.Line + 1), clBlack) << what << " at " << x;
                    if (x > 0) {
                        EXPECT_EQ(out.Screen.Pixel(x - 1, 3 * t.Line + 1), clWhite) << what;
                    }
                }
    }
    // Negative advances cannot walk the pen off the line's start either.
    font.Glyph(1).SetAll("1|1", 0, 1, 3);
    for (const TPrintRoutine r : kRoutines)
        ExpectSameAsRender(font, std::string(200, '!'), 4, 0, "pen moving left", false, r);
}

TEST(SpectrumPrint, WordWrapLooksTheSameAsRender) {
    const std::string longWord(70, 'm');
    const struct {
        const char* What;
        std::string Text;
    } texts[] = {
        {"words at the ends of lines", kPangram + " " + kPangram + " " + kPangram},
        {"a word longer than a line", "a " + longWord + " b " + longWord + longWord},
        {"a space, then a run longer than a line", " " + longWord + longWord},
        {"spaces at the ends of lines",
         "Lorem       ipsum   " + std::string(90, ' ') +
             "dolor sit amet,  consectetur adipiscing elit, sed do eiusmod tempor"},
        {"code 13 between words", "one two\rthree four five six seven\r\reight " + kPangram},
        {"a word cut by a code the font lacks", kPangram + " end" + std::string(1, '\x7f')},
    };
    for (unsigned seed : {21u, 22u, 23u}) {
        TFZXFont font;
        spectrumtest::MakeFont(font, 8, static_cast<int>(seed % 3), 126, 8 + seed % 9, seed);
        for (const auto& t : texts)
            for (const int x : {0, 5, 131})
                ExpectSameAsRender(font, t.Text, x, 8 * x / 5, t.What, false, TPrintRoutine::Fast,
                                   TWrapMode::Words);
    }
}

TEST(SpectrumPrint, AGlyphOfNoWidthTakesTheWidthItsFileStores) {
    TFZXFont font;
    spectrumtest::MakeFont(font, 8, 0, 127, 8, 10);
    font.Glyph(0).SetAll("", 0, 0, 0); // Scale can leave a space 0 wide
    for (const TPrintRoutine r : kRoutines)
        ExpectSameAsRender(font, " A B C D", 0, 0, "spaces 0 wide", false, r);
}

TEST(SpectrumPrint, NothingForAFontOfNoHeightOrAStartBelowTheScreen) {
    TFZXFont font;
    spectrumtest::MakeFont(font, 8, 0, 127, 8, 9);
    for (const TPrintRoutine r : kRoutines) {
        const TOutcome below = RunOnSpectrum(font, "ABC", 0, 192 + 0, false, r);
        EXPECT_TRUE(below.Returned);
        EXPECT_EQ(Difference(below.Screen, TRaster(256, 192, clWhite)), "");
    }
    font.SetHeight(0);
    for (const TPrintRoutine r : kRoutines) {
        const TOutcome flat = RunOnSpectrum(font, "ABC", 0, 0, false, r);
        EXPECT_TRUE(flat.Returned);
        EXPECT_EQ(Difference(flat.Screen, TRaster(256, 192, clWhite)), "");
    }
}

TEST(SpectrumPrint, SharedFontsLookTheSameAsRender) {
    QUORREL_REQUIRE_SHARED_FONTS();
    auto files = testdata::FontFiles("fzx", ".fzx");
    ASSERT_FALSE(files.empty());
    for (const auto& chr : testdata::FontFiles("chr", ".chr"))
        files.push_back(chr);
    std::size_t tested = 0;
    for (const auto& path : files) {
        TFZXFont font;
        TImportReport report;
        if (!LoadFontFile(font, path.string(), TImportOptions(), report).empty())
            continue; // broken files are the readers' tests
        ++tested;
        const std::string name = path.filename().string();
        const std::string all = Codes(32, font.LastChar());
        const std::string beyond(1, static_cast<char>(font.LastChar() + 1));
        for (const TPrintRoutine r : kRoutines) {
            ExpectSameAsRender(font, all + "\r\r" + kPangram + "\r" + kPangram, 3, 1,
                               name + ": codes", false, r);
            ExpectSameAsRender(font, kPangram + beyond + kPangram, 250, 150, name + ": edges",
                               false, r);
        }
        ExpectSameAsRender(font, kPangram + "  " + kPangram + " " + kPangram, 17, 9,
                           name + ": words", false, TPrintRoutine::Fast, TWrapMode::Words);
    }
    std::cout << tested << " of " << files.size() << " shared fonts set on the Spectrum\n";
    EXPECT_GT(tested, files.size() / 2);
}

} // namespace
