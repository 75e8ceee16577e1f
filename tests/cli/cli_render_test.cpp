// `quorrel-cli render`, driven as a user would: pictures are read back and
// compared with pixels worked out here from the font bytes themselves.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <png.h>

#include "model/font.h"
#include "model/glyph.h"
#include "shareddata.h"
#include "tempdir.h"

namespace fs = std::filesystem;

namespace {

std::string Quote(const std::string& s) {
    std::string out = "'";
    for (char ch : s)
        out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return out + "'";
}

struct RunResult {
    int Code;
    std::string Err;
};

// Height 6, Tracking 1, codes 32..34: space (width 3, empty), "!" (width 1,
// leading 1, rows 1 1 1 0 1) and '"' (width 3, kern 1, rows 101 101).
const std::vector<std::uint8_t> kFixture = {0x06, 0x01, 0x22, // header
                                            0x0B, 0x00, 0x02, // 32: definition at 14
                                            0x08, 0x00, 0x10, // 33: definition at 14, leading 1
                                            0x0A, 0x40, 0x02, // 34: definition at 19, kern 1
                                            0x09, 0x00,       // terminator: end at 21
                                            0x80, 0x80, 0x80, 0x00, 0x80, 0xA0, 0xA0};

class CliRender : public ::testing::Test {
  protected:
    void SetUp() override {
        Fixture = (Dir / "tiny.fzx").string();
        std::ofstream(Fixture, std::ios::binary)
            .write(reinterpret_cast<const char*>(kFixture.data()),
                   static_cast<std::streamsize>(kFixture.size()));
    }

    RunResult Render(const std::vector<std::string>& args) {
        const fs::path err = Dir / "stderr.txt";
        std::string cmd = Quote(QUORREL_CLI) + " render";
        for (const auto& a : args)
            cmd += " " + Quote(a);
        cmd += " >/dev/null 2>" + Quote(err.string());
        const int status = std::system(cmd.c_str());
        std::ifstream in(err);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                std::string(std::istreambuf_iterator<char>(in), {})};
    }

    std::string Out() const { return (Dir / "out.png").string(); }

    testdata::TempDir Temp;
    const fs::path& Dir = Temp.Path();
    std::string Fixture;
};

TEST_F(CliRender, RejectsBadArguments) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {Fixture},
        {Fixture, "a.png", "b.png"},
        {Fixture, "a.png", "--zoom", "0"},
        {Fixture, "a.png", "--zoom", "5"},
        {Fixture, "a.png", "--zoom", "2x"},
        {Fixture, "a.png", "--width", "0"},
        {Fixture, "a.png", "--height", "-3"},
        {Fixture, "a.png", "--width", "99999999"},
        {Fixture, "a.png", "--text"},
        {Fixture, "a.png", "--colour", "red"},
    };
    for (const auto& args : cases) {
        const RunResult r = Render(args);
        EXPECT_EQ(r.Code, 2) << r.Err;
        EXPECT_EQ(r.Err.rfind("quorrel-cli: render: ", 0), 0u) << r.Err;
        EXPECT_EQ(r.Err.substr(r.Err.find('\n')), "\nTry 'quorrel-cli --help'.\n");
    }
    EXPECT_FALSE(fs::exists(Dir / "a.png"));
}

TEST_F(CliRender, ReportsFontsThatCannotBeRead) {
    const RunResult missing = Render({(Dir / "none.fzx").string(), Out()});
    EXPECT_EQ(missing.Code, 1);
    EXPECT_NE(missing.Err.find("none.fzx"), std::string::npos) << missing.Err;

    const RunResult wrongType = Render({(Dir / "stderr.txt").string(), Out()});
    EXPECT_EQ(wrongType.Code, 1);
    EXPECT_NE(wrongType.Err.find("Invalid file extension!"), std::string::npos) << wrongType.Err;

    std::ofstream((Dir / "short.fzx").string(), std::ios::binary) << "\x08";
    const RunResult truncated = Render({(Dir / "short.fzx").string(), Out()});
    EXPECT_EQ(truncated.Code, 1);
    EXPECT_NE(truncated.Err.find("Unexpected end of file"), std::string::npos) << truncated.Err;
    EXPECT_FALSE(fs::exists(Out()));
}

TEST_F(CliRender, ReportsPicturesThatCannotBeWritten) {
    const std::string nowhere = (Dir / "no" / "such" / "out.png").string();
    const RunResult r = Render({Fixture, nowhere});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err,
              "quorrel-cli: Cannot create file \"" + nowhere + "\": No such file or directory\n");

    // A folder in the way of the picture is reported, and left as it is.
    fs::create_directory(Out());
    const RunResult folder = Render({Fixture, Out()});
    EXPECT_EQ(folder.Code, 1);
    EXPECT_NE(folder.Err.find(Out()), std::string::npos) << folder.Err;
    EXPECT_TRUE(fs::is_directory(Out()));
}

struct Picture {
    int Width = 0, Height = 0;
    std::vector<std::uint8_t> Rgb; // 3 bytes a pixel, rows top to bottom
};

// Any PNG, read with libpng as 8-bit RGB; Width 0 when it cannot be read.
Picture ReadPicture(const std::string& fileName) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    Picture picture;
    if (!png_image_begin_read_from_file(&image, fileName.c_str())) return picture;
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return picture;
    }
    picture.Width = static_cast<int>(image.width);
    picture.Height = static_cast<int>(image.height);
    picture.Rgb = std::move(rgb);
    return picture;
}

// The picture as rows of '#' (black) and '.' (white); anything else shows.
std::vector<std::string> Rows(const Picture& picture) {
    std::vector<std::string> rows;
    const std::uint8_t* p = picture.Rgb.data();
    for (int y = 0; y < picture.Height; ++y) {
        std::string row;
        for (int x = 0; x < picture.Width; ++x, p += 3) {
            const bool black = p[0] == 0 && p[1] == 0 && p[2] == 0;
            const bool white = p[0] == 255 && p[1] == 255 && p[2] == 255;
            row += black ? '#' : white ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST_F(CliRender, HandCheckedFixtureWithKernAndTracking) {
    const RunResult r = Render({Fixture, Out(), "--text", "!\"! \n\"", "--width", "10"});
    ASSERT_EQ(r.Code, 0) << r.Err;
    const Picture image = ReadPicture(Out());
    ASSERT_GT(image.Width, 0);
    // "!" advances 2; '"' starts one pixel back at x 1 and advances 3; the
    // second line starts at y 6 with '"' cut one column off on the left.
    const std::vector<std::string> expected = {
        ".#.#......", //
        "##.#.#....", //
        "#....#....", //
        "#....#....", //
        "..........", //
        "#....#....", //
        ".#........", //
        ".#........", //
        "..........", //
        "..........", //
        "..........", //
        "..........", //
    };
    EXPECT_EQ(Rows(image), expected);
}

TEST_F(CliRender, DefaultSizeAndCharacterSequence) {
    for (bool endless : {false, true}) {
        std::vector<std::string> args = {Fixture, Out(), "--zoom", "2"};
        if (endless) args.push_back("--endless");
        const RunResult r = Render(args);
        ASSERT_EQ(r.Code, 0) << r.Err;
        const Picture image = ReadPicture(Out());
        ASSERT_EQ(image.Width, 256);
        ASSERT_EQ(image.Height, 2 * 6 * 2);
        // The sequence is space, "!", '"', space, ...: the space moves the pen
        // (3 + 1) x 2 = 8, "!" stands at x 8..9 from y 2, '"' at 12 - 2 kern.
        const auto rows = Rows(image);
        EXPECT_EQ(rows[0].substr(0, 16), "..........##..##");
        EXPECT_EQ(rows[4].substr(0, 16), "........##......");
        const bool secondRowInked = rows[12 + 4].find('#') != std::string::npos;
        EXPECT_EQ(secondRowInked, endless);
    }
}

// FZX bytes decoded here, independently of the program's reader.
struct RefGlyph {
    int Kern = 0, Leading = 0, Width = 0;
    std::vector<std::string> Rows;
};

RefGlyph DecodeGlyph(const std::vector<std::uint8_t>& f, int code) {
    const std::size_t p = 3 + 3 * static_cast<std::size_t>(code - 32);
    auto word = [&](std::size_t at) { return f[at] | (f[at + 1] << 8); };
    RefGlyph g;
    g.Kern = word(p) >> 14;
    g.Leading = f[p + 2] >> 4;
    g.Width = (f[p + 2] & 15) + 1;
    const std::size_t start = (word(p) & 0x3FFF) + p;
    const std::size_t end = code < f[2] ? (word(p + 3) & 0x3FFF) + p + 3 : word(p + 3) + p + 3;
    const std::size_t bytesPerRow = g.Width > 8 ? 2 : 1;
    for (std::size_t at = start; at + bytesPerRow <= end; at += bytesPerRow) {
        std::string row;
        for (int x = 0; x < g.Width; ++x)
            row += (f[at + static_cast<std::size_t>(x / 8)] >> (7 - x % 8)) & 1 ? '#' : '.';
        g.Rows.push_back(row);
    }
    return g;
}

TEST_F(CliRender, RealFontMatchesItsOwnBytes) {
    QUORREL_REQUIRE_SHARED_FONTS();
    const fs::path font = testdata::SharedFonts() / "fzx" / "ao" / "Sinclair" / "Sinclair.fzx";
    if (!fs::exists(font)) GTEST_SKIP() << font << " not found";
    std::ifstream in(font, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    const int height = bytes[0], tracking = bytes[1], zoom = 2;

    const std::string text = "Hij!"; // j overlaps i by one pixel
    const int width = 80;
    // One line of text: the picture is one line high.
    std::vector<std::string> expected(static_cast<std::size_t>(height * zoom),
                                      std::string(width, '.'));
    int pen = 0;
    for (char ch : text) {
        const RefGlyph g = DecodeGlyph(bytes, static_cast<unsigned char>(ch));
        for (std::size_t r = 0; r < g.Rows.size() && g.Leading + static_cast<int>(r) < height; ++r)
            for (int c = 0; c < g.Width; ++c) {
                if (g.Rows[r][static_cast<std::size_t>(c)] != '#') continue;
                for (int dy = 0; dy < zoom; ++dy)
                    for (int dx = 0; dx < zoom; ++dx) {
                        const int x = pen + (c - g.Kern) * zoom + dx;
                        const int y = (g.Leading + static_cast<int>(r)) * zoom + dy;
                        if (x >= 0 && x < width)
                            expected[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] =
                                '#';
                    }
            }
        pen += (g.Width + tracking - g.Kern) * zoom;
    }

    const RunResult r = Render(
        {font.string(), Out(), "--text", text, "--zoom", "2", "--width", std::to_string(width)});
    ASSERT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(Rows(ReadPicture(Out())), expected);
}

TEST_F(CliRender, PictureFitsTheTextByDefault) {
    QUORREL_REQUIRE_SHARED_FONTS();
    const fs::path font = testdata::SharedFonts() / "fzx" / "ao" / "Sinclair" / "Sinclair.fzx";
    if (!fs::exists(font)) GTEST_SKIP() << font << " not found";
    const std::string text = "The quick brown fox jumps\nover the lazy dog.";
    ASSERT_EQ(Render({font.string(), Out(), "--zoom", "3", "--text", text}).Code, 0);
    const auto fitted = Rows(ReadPicture(Out()));
    ASSERT_EQ(Render({font.string(), Out(), "--zoom", "3", "--text", text, "--width", "4000",
                      "--height", "400"})
                  .Code,
              0);
    const auto wide = Rows(ReadPicture(Out()));
    ASSERT_FALSE(fitted.empty());
    const std::size_t w = fitted[0].size();
    EXPECT_GT(w, 256u); // wider than the old default
    std::ifstream in(font, std::ios::binary);
    const int height = in.get();
    EXPECT_EQ(fitted.size(), static_cast<std::size_t>(2 * height * 3)); // two lines
    // Everything the roomy picture inks lies inside the fitted one, and the
    // ink reaches to the last few columns (a glyph's blank right side and the
    // tracking follow it).
    std::size_t rightmost = 0;
    for (std::size_t y = 0; y < wide.size(); ++y) {
        const std::string& row = wide[y];
        if (y >= fitted.size()) {
            EXPECT_EQ(row.find('#'), std::string::npos) << y;
            continue;
        }
        EXPECT_EQ(row.substr(0, w), fitted[y]) << y;
        EXPECT_EQ(row.find('#', w), std::string::npos) << y;
        const std::size_t ink = row.rfind('#', w - 1);
        if (ink != std::string::npos) rightmost = std::max(rightmost, ink);
    }
    EXPECT_GE(rightmost + 4 * 3, w);
}

// Typed text reaches the font as the window's text fields pass it on: one
// byte per character, "?" for anything beyond Latin-1 or not UTF-8 at all.
TEST_F(CliRender, TextIsTakenAsTheWindowTakesIt) {
    // Every code 32..255 is 8 wide with its own code as its one pixel row,
    // so the picture's top row spells out the codes that were set.
    TFZXFont font;
    font.SetLastChar(255);
    font.SetHeight(8);
    font.SetTracking(0);
    for (int code = 32; code <= 255; ++code)
        font.Glyph(code - 32).SetAll(ByteToBits(static_cast<std::uint8_t>(code)), 0, 8, 0);
    const std::string path = (Dir / "codes.fzx").string();
    ASSERT_EQ(font.SaveFZX(path), "");

    const std::pair<std::string, std::string> cases[] = {
        {"h\xC3\xA9llo \xE2\x82\xAC", "h\xE9llo ?"}, // "héllo €"
        {"\xC2\xA9 \xF0\x9F\x98\x80!", "\xA9 ?!"},   // an emoji is one character
        {"a\xFF\xC3z", "a??z"},                      // bytes that are no UTF-8
    };
    for (const auto& [text, codes] : cases) {
        SCOPED_TRACE(::testing::PrintToString(text));
        const int width = 8 * static_cast<int>(codes.size());
        const RunResult r = Render({path, Out(), "--text", text, "--width", std::to_string(width)});
        ASSERT_EQ(r.Code, 0) << r.Err;
        const std::vector<std::string> rows = Rows(ReadPicture(Out()));
        ASSERT_FALSE(rows.empty());
        std::string set;
        for (int x = 0; x + 8 <= width; x += 8) {
            int code = 0;
            for (int b = 0; b < 8; ++b)
                code = code * 2 + (rows[0][static_cast<std::size_t>(x + b)] == '#');
            set += static_cast<char>(code);
        }
        EXPECT_EQ(set, codes);
    }
}

} // namespace

namespace {

// The picture ends at a character the font lacks; the user is told, and
// still gets the picture of what could be set.
TEST_F(CliRender, SaysWhereTheTextStops) {
    for (const std::vector<std::string>& extra :
         {std::vector<std::string>{}, {"--wrap", "--at", "0,0"}}) {
        std::vector<std::string> args = {Fixture, Out(), "--text", "!\"\nA!"};
        args.insert(args.end(), extra.begin(), extra.end());
        const RunResult r = Render(args);
        EXPECT_EQ(r.Code, 0);
        EXPECT_EQ(r.Err, "quorrel-cli: the text stops at character 65 (A), which the font does "
                         "not have: 2 of its 4 characters are left out\n");
        EXPECT_TRUE(fs::exists(Out()));
        fs::remove(Out());
    }
}

TEST_F(CliRender, WrapAndAtSetTextAsTheSpectrumRoutineDoes) {
    // "!" advances 2, '"' 3 after a kern of 1. From x 1 the fourth character
    // would pass the right edge at 8: with --wrap it starts the next line
    // (6 rows down, at x 1 again, where its kern cannot take it further
    // left: it keeps its left column); without,
    // the pen has reached the edge and the rest of the line is dropped.
    const std::vector<std::string> wrapped = {
        "..#.#...", ".##.#.#.", ".#....#.", ".#....#.", "........", ".#....#.",
        ".#.#....", ".#.#....", "........", "........", "........", "........",
    };
    const std::vector<std::string> cut = {
        "..#.#...", ".##.#.#.", ".#....#.", ".#....#.", "........", ".#....#.",
        "........", "........", "........", "........", "........", "........",
    };
    for (bool wrap : {true, false}) {
        std::vector<std::string> args = {Fixture, Out(),      "--text", "!\"!\"", "--width",
                                         "8",     "--height", "12",     "--at",   "1,0"};
        if (wrap) args.push_back("--wrap");
        const RunResult r = Render(args);
        ASSERT_EQ(r.Code, 0) << r.Err;
        EXPECT_EQ(Rows(ReadPicture(Out())), wrap ? wrapped : cut) << "wrap " << wrap;
    }
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{Fixture, Out(), "--wrap", "--endless"},
          {Fixture, Out(), "--at", "1"},
          {Fixture, Out(), "--at", "-1,0"},
          {Fixture, Out(), "--at", "1,x"}})
        EXPECT_EQ(Render(bad).Code, 2) << bad.back();
}

} // namespace
