// The print routines as a Spectrum program runs them: the frame interrupt
// keeps running while they draw, SP stays on the stack, a font may end at
// the top of memory, and the fast routine never costs more than the
// compact one.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formatfiles.h"
#include "model/font.h"
#include "render/textlayout.h"
#include "shareddata.h"
#include "spectrum/printroutine.h"
#include "spectrumfonts.h"
#include "z80machine.h"

namespace {

constexpr unsigned kRoutineAt = 0x8000;
constexpr unsigned kTextAt = 0x6000;
constexpr unsigned kStack = 0x5FF0; // where TZ80Machine::Call puts SP
constexpr unsigned kFrames = 0x5C78;

const std::string kPangram = "The quick brown fox jumps over the lazy dog. 0123456789";

std::string Repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text + " ";
    return out;
}

std::vector<std::uint8_t> Image(const TFZXFont& font) {
    std::vector<std::uint8_t> image;
    EXPECT_EQ(font.BuildFZXImage(image), "");
    return image;
}

// The machine with the routine at kRoutineAt, the text at kTextAt and the
// font at fontAt.
void Load(z80test::TZ80Machine& machine, TPrintRoutine routine,
          const std::vector<std::uint8_t>& font, unsigned fontAt, const std::string& text) {
    machine.Load(kRoutineAt, PrintRoutineAt(kRoutineAt, routine));
    machine.Load(fontAt, font);
    std::vector<std::uint8_t> codes(text.begin(), text.end());
    codes.push_back(0);
    machine.Load(kTextAt, codes);
}

// The ROM's frame interrupt handler in short: FRAMES counted (its third
// byte through IY), the keyboard scan's time spent, registers kept. Mode 2
// reaches it through a vector table of 0xFD bytes at 0xFE00 and a jump at
// 0xFDFD, as Spectrum programs set it up.
void LoadInterruptHandlers(z80test::TZ80Machine& machine) {
    machine.Load(0x0038, {0xF5, 0xE5, 0x2A, 0x78, 0x5C, 0x23, 0x22, 0x78, 0x5C, 0x7C,
                          0xB5, 0x20, 0x03, 0xFD, 0x34, 0x40, 0xC5, 0xD5, 0x06, 0x50,
                          0x10, 0xFE, 0xD1, 0xC1, 0xE1, 0xF1, 0xFB, 0xC9});
    machine.Load(0xFE00, std::vector<std::uint8_t>(257, 0xFD));
    machine.Load(0xFDFD, {0xC3, 0x38, 0x00});
}

// A screen full of text, in every interrupt mode and at several phases of
// the frame: the standard FZX driver never disables interrupts and so takes
// every interrupt raised while it draws; the routine must take as many, and
// SP must never leave the stack (an interrupt or NMI would write there).
void ExpectEveryFrameInterruptTaken(TPrintRoutine routine) {
    TFZXFont font;
    spectrumtest::MakeFont(font, 16, 1, 127, 16, 3); // every width: every drawing path
    const std::vector<std::uint8_t> image = Image(font);
    const std::string text = Repeated(kPangram, 12);
    z80test::TZ80Machine quiet;
    Load(quiet, routine, image, 0x9000, text);
    ASSERT_TRUE(quiet.Call(kRoutineAt + kRoutinePrint, kTextAt, 0x9000, 0));
    ASSERT_GT(quiet.Tstates, 4 * z80test::TZ80Machine::kFrame) << "not a screen full of text";
    for (const int mode : {1, 2})
        for (const long long phase : {0LL, 1LL, 9000LL, 34944LL, 69887LL}) {
            SCOPED_TRACE("mode " + std::to_string(mode) + ", phase " + std::to_string(phase));
            z80test::TZ80Machine machine;
            Load(machine, routine, image, 0x9000, text);
            LoadInterruptHandlers(machine);
            machine.InterruptsOn = true;
            machine.InterruptMode = mode;
            machine.InterruptVector = 0xFE;
            machine.FramePhase = phase;
            ASSERT_TRUE(machine.Call(kRoutineAt + kRoutinePrint, kTextAt, 0x9000, 0));
            EXPECT_GE(machine.InterruptsRaised, 4);
            EXPECT_EQ(machine.InterruptsTaken, machine.InterruptsRaised);
            EXPECT_EQ(machine.Memory[kFrames] | machine.Memory[kFrames + 1] << 8,
                      machine.InterruptsTaken);
            EXPECT_GE(machine.LowestSP, kStack - 64);
            EXPECT_LE(machine.HighestSP, kStack + 2);
            EXPECT_TRUE(machine.InterruptsOnAtReturn);
            EXPECT_TRUE(std::equal(machine.Memory.begin() + 0x4000, machine.Memory.begin() + 0x5800,
                                   quiet.Memory.begin() + 0x4000))
                << "the interrupts changed what was drawn";
        }
}

TEST(PrintRoutine, FastTakesEveryFrameInterruptTheStandardDriverTakes) {
    ExpectEveryFrameInterruptTaken(TPrintRoutine::Fast);
}

TEST(PrintRoutine, CompactTakesEveryFrameInterruptTheStandardDriverTakes) {
    ExpectEveryFrameInterruptTaken(TPrintRoutine::Compact);
}

// render --wrap of the same text at 0,0, as a bitmap.
TRaster Rendered(TFZXFont& font, const std::string& text) {
    TRaster raster(256, 192, clWhite);
    PaintText(font, raster, LayOutText(font, text, TTextFrame()), 1);
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 256; ++x)
            if (raster.Pixel(x, y) != clWhite) raster.SetPixel(x, y, clBlack);
    return raster;
}

bool SamePicture(const TRaster& a, const TRaster& b) {
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 256; ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

TEST(PrintRoutine, FontEndingAtTheTopOfMemory) {
    // The last character's definition ends at 65535, so the end of its
    // definition (the table's last offset) wraps to 0.
    for (const int width : {5, 12}) {
        TFZXFont font;
        spectrumtest::MakeFont(font, 8, 1, 90, 16, 4);
        const std::string row(static_cast<std::size_t>(width), '1');
        font.Glyph(90 - 32).SetAll(row + "|" + row + "|" + row, 1, width, 0);
        const std::vector<std::uint8_t> image = Image(font);
        const unsigned fontAt = 0x10000 - static_cast<unsigned>(image.size());
        const std::string text = "AZ Z" + std::string(1, 90) + "\rZ";
        for (const TPrintRoutine routine : {TPrintRoutine::Fast, TPrintRoutine::Compact}) {
            z80test::TZ80Machine machine;
            Load(machine, routine, image, fontAt, text);
            ASSERT_TRUE(machine.Call(kRoutineAt + kRoutinePrint, kTextAt, fontAt, 0));
            EXPECT_TRUE(SamePicture(machine.Screen(), Rendered(font, text)))
                << (routine == TPrintRoutine::Fast ? "fast" : "compact") << ", width " << width;
        }
    }
}

// T-states of the routine for text at x, y.
long long Cost(TPrintRoutine routine, const std::vector<std::uint8_t>& font,
               const std::string& text, int x, int y) {
    z80test::TZ80Machine machine;
    Load(machine, routine, font, 0x9000, text);
    EXPECT_TRUE(machine.Call(kRoutineAt + kRoutinePrint, kTextAt, 0x9000,
                             static_cast<unsigned>(y * 256 + x)));
    return machine.Tstates;
}

TEST(PrintRoutine, FastIsNeverSlowerThanCompact) {
    struct TCase {
        std::string What;
        std::vector<std::uint8_t> Font;
    };
    std::vector<TCase> fonts;
    for (const int maxWidth : {4, 8, 12, 16}) {
        TFZXFont font;
        spectrumtest::MakeFont(font, 9, 1, 127, maxWidth, 30u + static_cast<unsigned>(maxWidth));
        fonts.push_back({"widths up to " + std::to_string(maxWidth), Image(font)});
    }
    if (testdata::HaveSharedFonts()) {
        TFZXFont font;
        TImportReport report;
        ASSERT_EQ(LoadFontFile(
                      font, (testdata::SharedFonts() / "fzx/ao/Klausjahn/Klausjahn.fzx").string(),
                      TImportOptions(), report),
                  "");
        fonts.push_back({"Klausjahn", Image(font)});
    }
    // Every x near the right edge cuts each line's first character there.
    const std::vector<int> xs = {0, 3, 100, 241, 245, 248, 250, 253, 255};
    for (const TCase& f : fonts)
        for (const int x : xs) {
            const long long fast = Cost(TPrintRoutine::Fast, f.Font, kPangram, x, 20);
            const long long compact = Cost(TPrintRoutine::Compact, f.Font, kPangram, x, 20);
            EXPECT_LE(fast, compact) << f.What << " at x = " << x;
        }
}

} // namespace
