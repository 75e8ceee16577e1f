// Tapes, snapshots and source from the Spectrum export: read back with
// libspectrum, their code run in an emulated Z80 the way the machine would
// run it, and the screen compared with render's picture.

#include <gtest/gtest.h>
#include <libspectrum.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "formats/fileio.h"
#include "model/font.h"
#include "render/textlayout.h"
#include "spectrum/basicloader.h"
#include "spectrum/printroutine.h"
#include "spectrum/spectrumfiles.h"
#include "spectrumfonts.h"
#include "tempdir.h"
#include "text/textrows.h"
#include "z80machine.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

struct LibSpectrum : ::testing::Test {
    static void SetUpTestSuite() { libspectrum_init(); }
    void SnapshotShowsTheText(TPrintRoutine routine);
    void TapeHoldsALoaderAndTheCodeBlocks(TPrintRoutine routine);
};

TSpectrumOptions SampleOptions() {
    TSpectrumOptions o;
    o.Text = "Quorrel on a Spectrum,\rwith kern and tracking and a long line that wraps.";
    o.X = 5;
    o.Y = 30;
    o.Ink = 2;
    o.Paper = 6;
    o.Bright = true;
    o.Border = 1;
    return o;
}

void MakeSampleFont(TFZXFont& font) {
    spectrumtest::MakeFont(font, 9, 1, 127, 12, 11);
}

TRaster RenderPicture(TFZXFont& font, const TSpectrumOptions& o) {
    TRaster raster(256, 192, clWhite);
    TTextFrame frame;
    frame.Left = o.X;
    frame.Top = o.Y;
    PaintText(font, raster, LayOutText(font, o.Text, frame), 1);
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 256; ++x)
            if (raster.Pixel(x, y) != clWhite) raster.SetPixel(x, y, clBlack);
    return raster;
}

// The machine after the start-up has run: screen, colours and border set.
void ExpectStartUpShowsText(z80test::TZ80Machine& m, unsigned pc, unsigned sp, TFZXFont& font,
                            const TSpectrumOptions& o) {
    ASSERT_TRUE(m.RunToHalt(pc, sp)) << "the start-up did not reach its waiting loop";
    EXPECT_TRUE(m.Screen() == RenderPicture(font, o)) << "screen differs from render";
    for (unsigned a = 0x5800; a < 0x5B00; ++a)
        ASSERT_EQ(m.Memory[a], 64 + o.Paper * 8 + o.Ink) << "attribute at " << a;
    EXPECT_EQ(m.Ula & 7, o.Border);
}

// The fast routine's program prints the text itself (its run in a BASIC
// ROM is in spectrumbasic_test.cpp); the compact one's loads it as a fourth
// block and runs the start-up.
TEST_F(LibSpectrum, TapeHoldsALoaderAndTheCodeBlocksInPlace) {
    for (const TPrintRoutine routine : {TPrintRoutine::Fast, TPrintRoutine::Compact}) {
        SCOPED_TRACE(routine == TPrintRoutine::Fast ? "fast" : "compact");
        TapeHoldsALoaderAndTheCodeBlocks(routine);
    }
}

void LibSpectrum::TapeHoldsALoaderAndTheCodeBlocks(TPrintRoutine routine) {
    TFZXFont font;
    MakeSampleFont(font);
    TSpectrumOptions o = SampleOptions();
    o.Routine = routine;
    TSpectrumProgram program;
    ASSERT_EQ(BuildSpectrumProgram(font, o, program), "");
    const TBytes tap = BuildSpectrumTape(program);

    libspectrum_tape* tape = libspectrum_tape_alloc();
    ASSERT_EQ(libspectrum_tape_read(tape, tap.data(), tap.size(), LIBSPECTRUM_ID_UNKNOWN, "t.tap"),
              LIBSPECTRUM_ERROR_NONE);
    std::vector<TBytes> blocks;
    libspectrum_tape_iterator it;
    for (libspectrum_tape_block* b = libspectrum_tape_iterator_init(&it, tape); b;
         b = libspectrum_tape_iterator_next(&it)) {
        ASSERT_EQ(libspectrum_tape_block_type(b), LIBSPECTRUM_TAPE_BLOCK_ROM);
        const libspectrum_byte* data = libspectrum_tape_block_data(b);
        blocks.emplace_back(data, data + libspectrum_tape_block_data_length(b));
    }
    libspectrum_tape_free(tape);
    const std::size_t files = routine == TPrintRoutine::Fast ? 3 : 4;
    ASSERT_EQ(blocks.size(), 2 * files);

    z80test::TZ80Machine m;
    unsigned usr = 0;
    for (std::size_t i = 0; i < blocks.size(); i += 2) {
        const TBytes& header = blocks[i];
        const TBytes& data = blocks[i + 1];
        SCOPED_TRACE("file " + std::to_string(i / 2));
        for (const TBytes* block : {&header, &data}) {
            std::uint8_t sum = 0;
            for (const std::uint8_t b : *block)
                sum ^= b;
            EXPECT_EQ(sum, 0) << "checksum";
        }
        ASSERT_EQ(header.size(), 19u);
        EXPECT_EQ(header[0], 0x00);
        EXPECT_EQ(data[0], 0xFF);
        const TBytes body(data.begin() + 1, data.end() - 1);
        EXPECT_EQ(header[12] | (header[13] << 8), static_cast<int>(body.size())) << "length";
        const unsigned param1 = header[14] | (header[15] << 8);
        if (i == 0) {
            // 10 CLEAR n: LOAD ""CODE ... and RANDOMIZE USR n, in lines
            // whose lengths lead to the program's end
            EXPECT_EQ(header[1], 0) << "a program";
            EXPECT_EQ(param1, 10u) << "starts at line 10";
            EXPECT_EQ(header[16] | (header[17] << 8), static_cast<int>(body.size()));
            ASSERT_GE(body.size(), 5u);
            EXPECT_EQ(body[0] * 256 + body[1], 10);
            EXPECT_EQ(body[4], 0xFD) << "CLEAR";
            std::size_t loads = 0;
            std::size_t line = 0;
            while (line + 4 < body.size()) {
                const std::size_t end = line + 4 + (body[line + 2] | (body[line + 3] << 8));
                ASSERT_LE(end, body.size()) << "line length";
                EXPECT_EQ(body[end - 1], 0x0D) << "line end";
                for (std::size_t k = line + 4; k + 1 < end; ++k) {
                    if (body[k] == 0xEF) ++loads;
                    if (body[k] == 0x0E) { // a number's hidden form agrees with its digits
                        std::size_t d = k;
                        while (d > line + 4 && body[d - 1] >= '0' && body[d - 1] <= '9')
                            --d;
                        ASSERT_LT(d, k) << "a number without digits";
                        const unsigned shown = static_cast<unsigned>(
                            std::stoul(std::string(body.begin() + static_cast<long>(d),
                                                   body.begin() + static_cast<long>(k))));
                        EXPECT_EQ(body[k + 3] | (body[k + 4] << 8), static_cast<int>(shown));
                        if (body[d - 1] == 0xC0) usr = shown;
                        k += 5;
                    }
                }
                line = end;
            }
            EXPECT_EQ(line, body.size()) << "line lengths";
            EXPECT_EQ(loads, files - 1);
        } else {
            EXPECT_EQ(header[1], 3) << "code";
            m.Load(param1, body); // LOAD ""CODE puts it where its header says
        }
    }
    if (routine == TPrintRoutine::Fast) {
        EXPECT_EQ(usr, program.Org + static_cast<unsigned>(kRoutineInstall));
        const TBytes image = program.Image();
        const std::size_t loaded = program.Routine.size() + program.Font.size();
        EXPECT_TRUE(std::equal(image.begin(), image.begin() + static_cast<long>(loaded),
                               m.Memory.begin() + program.Org));
        return;
    }
    EXPECT_EQ(usr, program.Org + static_cast<unsigned>(kRoutineStart));
    ExpectStartUpShowsText(m, usr, program.Org, font, o);
}

TEST_F(LibSpectrum, SnapshotStartsWithAnEmptyScreenAndShowsTheText) {
    for (const TPrintRoutine routine : {TPrintRoutine::Fast, TPrintRoutine::Compact}) {
        SCOPED_TRACE(routine == TPrintRoutine::Fast ? "fast" : "compact");
        SnapshotShowsTheText(routine);
    }
}

void LibSpectrum::SnapshotShowsTheText(TPrintRoutine routine) {
    TFZXFont font;
    MakeSampleFont(font);
    TSpectrumOptions o = SampleOptions();
    o.Routine = routine;
    TSpectrumProgram program;
    ASSERT_EQ(BuildSpectrumProgram(font, o, program), "");
    const TBytes z80 = BuildSpectrumSnapshot(program);

    libspectrum_snap* snap = libspectrum_snap_alloc();
    ASSERT_EQ(libspectrum_snap_read(snap, z80.data(), z80.size(), LIBSPECTRUM_ID_UNKNOWN, "s.z80"),
              LIBSPECTRUM_ERROR_NONE);
    EXPECT_EQ(libspectrum_snap_machine(snap), LIBSPECTRUM_MACHINE_48);
    EXPECT_EQ(libspectrum_snap_pc(snap), program.Org + kRoutineStart);
    EXPECT_EQ(libspectrum_snap_im(snap), 1);
    EXPECT_EQ(libspectrum_snap_iy(snap), 0x5C3A);
    EXPECT_EQ(libspectrum_snap_out_ula(snap) & 7, o.Border);
    z80test::TZ80Machine m;
    const int pages[] = {5, 2, 0}; // 0x4000, 0x8000, 0xC000 on a 48K machine
    for (int i = 0; i < 3; ++i) {
        const libspectrum_byte* page = libspectrum_snap_pages(snap, pages[i]);
        ASSERT_NE(page, nullptr);
        m.Load(0x4000u * static_cast<unsigned>(i + 1), TBytes(page, page + 0x4000));
    }
    const unsigned pc = libspectrum_snap_pc(snap), sp = libspectrum_snap_sp(snap);
    libspectrum_snap_free(snap);

    EXPECT_TRUE(m.Screen() == TRaster(256, 192, clWhite)) << "the screen starts empty";
    const TBytes image = program.Image();
    EXPECT_TRUE(std::equal(image.begin(), image.end(), m.Memory.begin() + program.Org));
    ExpectStartUpShowsText(m, pc, sp, font, o);

    // The screen file holds the machine's screen memory once the text shows.
    testdata::TempDir dir;
    const std::string scr = (dir.Path() / "s.SCR").string();
    ASSERT_EQ(ExportForSpectrum(font, o, scr, "f.fzx"), "");
    EXPECT_TRUE(ReadFileBytes(scr) == TBytes(m.Memory.begin() + 0x4000, m.Memory.begin() + 0x5B00));
}

void SourceAssembles(TPrintRoutine routine);

TEST(SpectrumSource, AssemblesToTheBytesOfTheProgram) {
    for (const TPrintRoutine routine : {TPrintRoutine::Fast, TPrintRoutine::Compact}) {
        SCOPED_TRACE(routine == TPrintRoutine::Fast ? "fast" : "compact");
        SourceAssembles(routine);
    }
}

void SourceAssembles(TPrintRoutine routine) {
    TFZXFont font;
    MakeSampleFont(font);
    TSpectrumProgram program;
    TSpectrumOptions o = SampleOptions();
    o.Routine = routine;
    ASSERT_EQ(BuildSpectrumProgram(font, o, program), "");
    testdata::TempDir dir;
    const std::string asmPath = (dir.Path() / "demo.asm").string();
    const std::string binPath = (dir.Path() / "demo.bin").string();
    // A name with a line break in it stays in the comment.
    const std::string text = BuildSpectrumSource(program, "two\nlines.fzx");
    EXPECT_EQ(text.find("without ORG"), std::string::npos) << "the source has its own org";
    ASSERT_TRUE(WriteFileReplacing(asmPath, TBytes(text.begin(), text.end())));
    // Commands separated by '|', the file names as SOURCE and OBJECT.
    TStringList commands;
    SplitText(commands, QUORREL_ASSEMBLER_COMMANDS, '|');
    ASSERT_FALSE(commands.empty());
    for (std::string command : commands) {
        std::filesystem::remove(binPath);
        command.replace(command.find("SOURCE"), 6, "'" + asmPath + "'");
        command.replace(command.find("OBJECT"), 6, "'" + binPath + "'");
        command += " > /dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        EXPECT_TRUE(ReadFileBytes(binPath) == program.Image()) << command;
    }
}

TEST(SpectrumExport, FileTypeByExtensionAndRefusals) {
    TFZXFont font;
    MakeSampleFont(font);
    testdata::TempDir dir;
    TSpectrumProgram program;
    ASSERT_EQ(BuildSpectrumProgram(font, SampleOptions(), program), "");
    struct {
        const char* Name;
        TBytes Expected;
    } rows[] = {{"a.TAP", BuildSpectrumTape(program)}, {"b.z80", BuildSpectrumSnapshot(program)}};
    for (const auto& row : rows) {
        const std::string path = (dir.Path() / row.Name).string();
        EXPECT_EQ(ExportForSpectrum(font, SampleOptions(), path, "f.fzx"), "");
        EXPECT_TRUE(ReadFileBytes(path) == row.Expected) << row.Name;
    }
    const std::string kept = (dir.Path() / "kept.txt").string();
    ASSERT_TRUE(WriteFileReplacing(kept, TBytes{1, 2, 3}));
    EXPECT_NE(ExportForSpectrum(font, SampleOptions(), kept, "f.fzx"), "");
    EXPECT_TRUE(ReadFileBytes(kept) == (TBytes{1, 2, 3}));

    // A text too long for the machine's memory is refused, not cut.
    TSpectrumOptions huge = SampleOptions();
    huge.Text.assign(50000, 'A');
    EXPECT_NE(BuildSpectrumProgram(font, huge, program), "");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "c.tap"));
    EXPECT_NE(ExportForSpectrum(font, huge, (dir.Path() / "c.tap").string(), "f.fzx"), "");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "c.tap"));

    // 20,000 dots of a font one pixel high fit in memory and on the screen,
    // but the tape's BASIC program printing them would leave BASIC no room
    // below the routine: the tape is refused, the snapshot written.
    TFZXFont dots;
    dots.SetHeight(1);
    dots.SetTracking(0);
    dots.SetLastChar(32);
    dots.Glyph(0).SetAll("1", 0, 1, 0);
    TSpectrumOptions many;
    many.Text.assign(20000, ' ');
    ASSERT_EQ(BuildSpectrumProgram(dots, many, program), "");
    EXPECT_EQ(ExportForSpectrum(dots, many, (dir.Path() / "d.tap").string(), "d.fzx"),
              CheckBasicLoaderRoom(program));
    EXPECT_NE(CheckBasicLoaderRoom(program), "");
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "d.tap"));
    EXPECT_EQ(ExportForSpectrum(dots, many, (dir.Path() / "d.z80").string(), "d.fzx"), "");
}

} // namespace
