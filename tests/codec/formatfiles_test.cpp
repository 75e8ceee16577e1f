// Loading and saving files through the formats table: the editor's own
// formats by extension, a failed load leaves the font as it was, files that
// must not be read are refused before reading, a failed save leaves the old
// file, and the console fonts of the system import with the characters they
// hold.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "formatfiles.h"
#include "formats/fileio.h"
#include "formats/psffile.h"
#include "formats/sheet.h"
#include "model/font.h"
#include "tempdir.h"

namespace {

namespace fs = std::filesystem;
using TBytes = std::vector<std::uint8_t>;

// A font of codes 32..90 whose 'A' is a small triangle.
void MakeFont(TFZXFont& font) {
    font.SetLastChar(90);
    font.SetHeight(7);
    font.Glyph('A' - 32).SetAll("010|111", 3, 3, 0);
    font.SetModified(false);
}

std::string Import(TFZXFont& font, const std::string& path, TImportReport* report = nullptr) {
    TImportReport local;
    return LoadFontFile(font, path, TImportOptions(), report ? *report : local);
}

TEST(FormatFiles, ExportThenImportEveryWritableRow) {
    testdata::TempDir temp;
    TFZXFont font;
    MakeFont(font);
    for (const char* name : {"f.psf", "f.psf.gz", "f.png"}) {
        SCOPED_TRACE(name);
        const std::string path = temp.File(name);
        ASSERT_EQ(SaveFontFile(font, path, TExportOptions()), "");
        TFZXFont back;
        TImportReport report;
        // Cells as wide as the widest character (8), as high as the font;
        // a sheet marks each character's own width in its cell.
        ASSERT_EQ(LoadFontFile(back, path, SheetImportOptions(font, TExportOptions()), report), "");
        EXPECT_EQ(back.Glyph('A' - 32).Rows(),
                  std::string(name) == "f.png" ? "010|111" : "01000000|11100000");
        EXPECT_EQ(back.Glyph('A' - 32).Leading(), 3);
        EXPECT_FALSE(back.Modified());
    }
    // Formats that hold a name take the file's.
    ASSERT_EQ(SaveFontFile(font, temp.File("My Font.BDF"), TExportOptions()), "");
    const TBytes bdf = testdata::ReadAll(temp.File("My Font.BDF"));
    EXPECT_NE(std::string(bdf.begin(), bdf.end()).find("My Font"), std::string::npos);

    const TBytes gz = testdata::ReadAll(temp.File("f.psf.gz"));
    ASSERT_GE(gz.size(), 2u);
    EXPECT_EQ(gz[0], 0x1F);
    EXPECT_EQ(gz[1], 0x8B);
}

TEST(FormatFiles, FailuresLeaveTheFontAsItWas) {
    testdata::TempDir temp;
    // A damaged PSF, a PSF that is really gzip-less, a picture that is no PNG,
    // a folder, a pipe and an oversized file.
    testdata::WriteAll(temp.File("cut.psf"), {0x72, 0xB5, 0x4A, 0x86, 0, 0});
    testdata::WriteAll(temp.File("plain.psf.gz"), {0x36, 0x04, 0, 8});
    testdata::WriteAll(temp.File("text.png"), {'h', 'e', 'l', 'l', 'o'});
    fs::create_directory(temp.Path() / "folder.psf");
    fs::create_directory(temp.Path() / "folder.fzx");
    fs::create_directory(temp.Path() / "folder");
    ASSERT_EQ(::mkfifo(temp.File("pipe.psf").c_str(), 0600), 0);
    { std::ofstream big(temp.File("big.psf"), std::ios::binary); }
    fs::resize_file(temp.File("big.psf"), kMaxPSFFileSize + 1);
    testdata::WriteAll(temp.File("font.xyz"), {1, 2, 3});

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"cut.psf", "byte 6: the file ends inside the 32-byte PSF 2 header"},
        {"plain.psf.gz", "not a gzip file"},
        {"text.png", "not a PNG picture"},
        {"folder.psf", "not a regular file"},
        {"folder.fzx", "not a regular file"},
        {"folder", "not a regular file"},
        {"pipe.psf", "not a regular file"},
        {"big.psf", "too large for a PSF font"},
    };
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        TFZXFont font;
        MakeFont(font);
        font.SetCurrent(5);
        int notified = 0;
        font.OnChange = [&](TFZXFont&) { ++notified; };
        const std::string error = Import(font, temp.File(name));
        EXPECT_NE(error.find("\"" + temp.File(name) + "\": "), std::string::npos) << error;
        EXPECT_NE(error.find(message), std::string::npos) << error;
        EXPECT_EQ(notified, 0);
        EXPECT_EQ(font.LastChar(), 90);
        EXPECT_EQ(font.CurrentIndex(), 5);
        EXPECT_EQ(font.Glyph('A' - 32).Rows(), "010|111");
    }
    TFZXFont font;
    EXPECT_THROW(Import(font, temp.File("missing.psf")), TFileError);
}

// The editor's own formats by extension, ignoring letter case: FZX and CHR
// writes count as saves, the assembler source as an export.
TEST(FormatFiles, EditorFormatsByExtension) {
    testdata::TempDir temp;
    TFZXFont font;
    // CHR-compatible: codes 32..33 with one pixel row in "!".
    font.SetLastChar(33);
    font.Glyph(1).SetAll("00011000", 3, 8, 0);
    TBytes fzx, chr;
    ASSERT_EQ(font.BuildFZXImage(fzx), "");
    ASSERT_EQ(font.BuildCHRImage(chr), "");

    const std::pair<const char*, const TBytes*> writes[] = {
        {"a.fzx", &fzx}, {"b.FZX", &fzx}, {"c.chr", &chr}, {"d.Udg", &chr}};
    for (const auto& [name, bytes] : writes) {
        SCOPED_TRACE(name);
        font.SetModified(true);
        ASSERT_EQ(SaveFontFile(font, temp.File(name), TExportOptions(), fgOwn), "");
        EXPECT_EQ(testdata::ReadAll(temp.File(name)), *bytes);
        EXPECT_FALSE(font.Modified());

        TFZXFont back;
        ASSERT_EQ(Import(back, temp.File(name)), "");
        ASSERT_EQ(back.Count(), 2);
        EXPECT_EQ(back.Glyph(1).Rows(), "00011000");
        EXPECT_EQ(back.Glyph(1).Leading(), 3);
    }

    // Assembler source only where the caller takes it; it leaves Modified.
    font.SetModified(true);
    EXPECT_EQ(SaveFontFile(font, temp.File("e.Asm"), TExportOptions(), fgOwn | fgSource), "");
    EXPECT_EQ(testdata::ReadAll(temp.File("e.Asm")).size(),
              font.BuildASMText(temp.File("e.Asm")).size());
    EXPECT_TRUE(font.Modified());
    EXPECT_EQ(SaveFontFile(font, temp.File("f.asm"), TExportOptions(), fgOwn),
              "Illegal file extension! File not saved.");
    EXPECT_FALSE(fs::exists(temp.File("f.asm")));
    // Open takes only the editor's own formats.
    ASSERT_EQ(SaveFontFile(font, temp.File("g.bdf"), TExportOptions()), "");
    TImportReport report;
    EXPECT_EQ(LoadFontFile(font, temp.File("g.bdf"), TImportOptions(), report, fgOwn),
              "Invalid file extension!");
}

TEST(FormatFiles, UnknownExtensionsTouchNothing) {
    testdata::TempDir temp;
    TFZXFont font;
    MakeFont(font);
    font.SetModified(true);
    testdata::WriteAll(temp.File("font.txt"), TBytes(768, 0));
    for (const char* name : {"font.txt", "font.asm", "fzx", "font.fzx.bak", "font."}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Import(font, temp.File(name)), "Invalid file extension!");
        EXPECT_EQ(font.LastChar(), 90);
        if (std::string(name) != "font.asm") {
            EXPECT_EQ(SaveFontFile(font, temp.File(name), TExportOptions()),
                      "Illegal file extension! File not saved.");
        }
        EXPECT_TRUE(font.Modified());
    }
    EXPECT_EQ(temp.Entries().size(), 1u);
    // A missing file is the platform's error, not a message.
    EXPECT_THROW(Import(font, temp.File("missing.chr")), TFileError);
    EXPECT_EQ(font.LastChar(), 90);
}

TEST(FormatFiles, FailedExportKeepsTheOldFile) {
    testdata::TempDir temp;
    const std::string path = temp.File("old.psf");
    testdata::WriteAll(path, {'o', 'l', 'd'});
    TFZXFont font;
    MakeFont(font);
    font.Glyph(0).SetWidth(12);
    EXPECT_EQ(SaveFontFile(font, path, TExportOptions()),
              "Character [32] is 12 pixels wide: console fonts (PSF) take at most 8.");
    EXPECT_EQ(testdata::ReadAll(path), (TBytes{'o', 'l', 'd'}));
    EXPECT_EQ(temp.Entries().size(), 1u);
}

// The console fonts of console-setup-linux, with characters compared by hand
// with what the file holds (decoded separately from the PSF 1 table).
TEST(FormatFiles, ConsoleFonts) {
    const fs::path folder = "/usr/share/consolefonts";
    if (!fs::exists(folder / "Lat15-Fixed16.psf.gz"))
        GTEST_SKIP() << "console fonts not found in " << folder << " (install console-setup-linux)";
    int fonts = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.size() < 7 || name.substr(name.size() - 7) != ".psf.gz") continue;
        SCOPED_TRACE(name);
        TFZXFont font;
        TImportReport report;
        ASSERT_EQ(Import(font, entry.path().string(), &report), "");
        EXPECT_GE(font.LastChar(), 126);
        ++fonts;
    }
    EXPECT_GT(fonts, 100);

    TFZXFont font;
    ASSERT_EQ(Import(font, (folder / "Lat15-Fixed16.psf.gz").string()), "");
    EXPECT_EQ(font.Height(), 16);
    const TFZXChar& a = font.Glyph('A' - 32);
    EXPECT_EQ(a.Width(), 8);
    EXPECT_EQ(a.Leading(), 4);
    EXPECT_EQ(a.Rows(), "00011000|00100100|00100100|01000010|01000010|"
                        "01111110|01000010|01000010|01000010|01000010");
    const TFZXChar& pound = font.Glyph(0xA3 - 32);
    EXPECT_EQ(pound.Leading(), 4);
    EXPECT_EQ(pound.Rows(), "00001110|00010000|00010000|00010000|01111100|"
                            "00010000|00010000|00010000|00111110|01100001");

    // With the Spectrum's characters the arrow, pound and copyright move.
    TImportOptions zx;
    zx.ZxCharset = true;
    TImportReport report;
    ASSERT_EQ(LoadFontFile(font, (folder / "Uni2-Terminus16.psf.gz").string(), zx, report), "");
    EXPECT_EQ(font.Glyph(94 - 32).Rows(), "00010000|00111000|01010100|00010000|00010000|"
                                          "00010000|00010000|00010000|00010000|00010000");
    EXPECT_EQ(font.Glyph(127 - 32).Rows().substr(0, 17), "01111110|10000001");
    EXPECT_GT(report.Skipped, 0);
}

} // namespace
