// quorrel-cli info and convert, run as a separate process: exact output on a
// small font, every shared font described and converted, and every failure
// with its exit status, its message and no file left behind.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "formats/fileio.h"
#include "model/font.h"
#include "runcli.h"
#include "shareddata.h"
#include "shell/fontwarnings.h"
#include "tempdir.h"

namespace fs = std::filesystem;

namespace {

using testcli::ReadText;
using testcli::RunCli;
using testcli::TRun;

// What follows the one line that names a usage mistake.
const std::string kTryHelp = "\nTry 'quorrel-cli --help'.\n";

class CliTest : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    std::set<std::string> Entries() const { return temp.Entries(); }

    testdata::TempDir temp;
    const fs::path& dir = temp.Path();
};

// Codes 32..34, body 9, tracking 1: a 3-pixel space, a 12-pixel "!" reaching
// below the body, and a kerned '"'.
void MakeFixture(TFZXFont& font) {
    font.SetLastChar(34);
    font.SetHeight(9);
    font.SetTracking(1);
    font.Glyph(0).SetAll("", 0, 3, 0);
    font.Glyph(1).SetAll("111111111111|100000000001", 10, 12, 0);
    font.Glyph(2).SetAll("101|101", 1, 3, 1);
}

// --- a small JSON reader, enough to take apart what `info --json` prints ---
struct TJson {
    enum TKind { Null, Bool, Number, String, Array, Object } Kind = Null;
    bool Flag = false;
    long long Value = 0;
    std::string Text;
    std::vector<TJson> Items;
    std::map<std::string, TJson> Fields;
    std::vector<std::string> Keys; // in the order written

    const TJson& operator[](const std::string& key) const {
        static const TJson missing;
        const auto it = Fields.find(key);
        return it == Fields.end() ? missing : it->second;
    }
};

class TJsonReader {
  public:
    explicit TJsonReader(const std::string& text) : FText(text) {}
    // False when text is not exactly one JSON value (plus white space).
    bool Read(TJson& value) {
        if (!Value(value)) return false;
        Space();
        return FPos == FText.size();
    }

  private:
    void Space() {
        while (FPos < FText.size() && std::isspace(static_cast<unsigned char>(FText[FPos])))
            ++FPos;
    }
    bool Take(char c) {
        Space();
        if (FPos < FText.size() && FText[FPos] == c) {
            ++FPos;
            return true;
        }
        return false;
    }
    bool Word(const std::string& w) {
        if (FText.compare(FPos, w.size(), w) != 0) return false;
        FPos += w.size();
        return true;
    }
    bool Str(std::string& s) {
        if (!Take('"')) return false;
        while (FPos < FText.size() && FText[FPos] != '"') {
            if (FText[FPos] == '\\' || static_cast<unsigned char>(FText[FPos]) < 0x20) return false;
            s += FText[FPos++];
        }
        return Take('"');
    }
    bool Value(TJson& v) {
        Space();
        if (FPos >= FText.size()) return false;
        const char c = FText[FPos];
        if (c == '{') {
            v.Kind = TJson::Object;
            ++FPos;
            if (Take('}')) return true;
            do {
                std::string key;
                TJson item;
                if (!Str(key) || !Take(':') || !Value(item) || v.Fields.count(key)) return false;
                v.Keys.push_back(key);
                v.Fields[key] = std::move(item);
            } while (Take(','));
            return Take('}');
        }
        if (c == '[') {
            v.Kind = TJson::Array;
            ++FPos;
            if (Take(']')) return true;
            do {
                v.Items.emplace_back();
                if (!Value(v.Items.back())) return false;
            } while (Take(','));
            return Take(']');
        }
        if (c == '"') {
            v.Kind = TJson::String;
            return Str(v.Text);
        }
        if (Word("true") || Word("false")) {
            v.Kind = TJson::Bool;
            v.Flag = c == 't';
            return true;
        }
        v.Kind = TJson::Number;
        const std::size_t start = FPos;
        if (FPos < FText.size() && FText[FPos] == '-') ++FPos;
        while (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos])))
            ++FPos;
        if (FPos == start) return false;
        v.Value = std::stoll(FText.substr(start, FPos - start));
        return true;
    }

    const std::string& FText;
    std::size_t FPos = 0;
};

// Rebuilds a font from `info --json`; checks the document's shape on the way.
void FontFromJson(const std::string& text, TFZXFont& font) {
    TJson doc;
    ASSERT_TRUE(TJsonReader(text).Read(doc)) << text.substr(0, 200);
    ASSERT_EQ(doc.Kind, TJson::Object);
    EXPECT_EQ(doc.Keys, (std::vector<std::string>{"height", "tracking", "lastchar", "size",
                                                  "chr_compatible", "glyphs"}));
    ASSERT_EQ(doc["glyphs"].Kind, TJson::Array);
    font.SetLastChar(static_cast<int>(doc["lastchar"].Value));
    font.SetHeight(static_cast<int>(doc["height"].Value));
    font.SetTracking(static_cast<int>(doc["tracking"].Value));
    ASSERT_EQ(static_cast<int>(doc["glyphs"].Items.size()), font.Count());
    int code = 32;
    for (const TJson& g : doc["glyphs"].Items) {
        ASSERT_EQ(g.Keys, (std::vector<std::string>{"code", "width", "leading", "kern", "rows"}));
        ASSERT_EQ(g["code"].Value, code++);
        TStringList rows;
        for (const TJson& row : g["rows"].Items)
            rows.push_back(row.Text);
        font.Glyph(static_cast<int>(g["code"].Value) - 32)
            .SetAll(JoinText(rows, '|'), static_cast<int>(g["leading"].Value),
                    static_cast<int>(g["width"].Value), static_cast<int>(g["kern"].Value));
    }
    EXPECT_EQ(doc["size"].Value, font.FZXFileSize());
    EXPECT_EQ(doc["chr_compatible"].Kind, TJson::Bool);
    EXPECT_EQ(doc["chr_compatible"].Flag, font.IsCHRCompatible());
}

TEST_F(CliTest, InfoOnASmallFont) {
    TFZXFont font;
    MakeFixture(font);
    const std::string path = Path("small.FZX");
    ASSERT_EQ(font.SaveFZX(path), "");
    const auto size = fs::file_size(path);

    const TRun plain = RunCli({"info", path});
    EXPECT_EQ(plain.Status, 0);
    EXPECT_EQ(plain.Err, "");
    EXPECT_EQ(plain.Out, "file: " + path +
                             "\nheight: 9\ntracking: 1\nlastchar: 34\nglyphs: 3\nsize: " +
                             std::to_string(size) +
                             "\nchr-compatible: no\n"
                             "Current height is 12. Exceeds body height!\n");

    for (const auto& args : {std::vector<std::string>{"info", path, "--json"},
                             std::vector<std::string>{"info", "--json", path}}) {
        const TRun json = RunCli(args);
        EXPECT_EQ(json.Status, 0);
        EXPECT_EQ(json.Err, "");
        EXPECT_EQ(json.Out,
                  "{\"height\":9,\"tracking\":1,\"lastchar\":34,\"size\":" + std::to_string(size) +
                      ",\"chr_compatible\":false,\"glyphs\":["
                      "{\"code\":32,\"width\":3,\"leading\":0,\"kern\":0,\"rows\":[]},"
                      "{\"code\":33,\"width\":12,\"leading\":10,\"kern\":0,\"rows\":["
                      "\"111111111111\",\"100000000001\"]},"
                      "{\"code\":34,\"width\":3,\"leading\":1,\"kern\":1,\"rows\":["
                      "\"101\",\"101\"]}]}\n");
    }

    // A CHR-compatible font, read from a character set.
    std::vector<std::uint8_t> block(16, 0);
    block[11] = 0x3C;
    ASSERT_TRUE(WriteFileReplacing(Path("two.udg"), block));
    const TRun chr = RunCli({"info", Path("two.udg")});
    EXPECT_EQ(chr.Status, 0);
    EXPECT_EQ(chr.Out, "file: " + Path("two.udg") +
                           "\nheight: 8\ntracking: 0\nlastchar: 33\nglyphs: 2\nsize: 12\n"
                           "chr-compatible: yes\n");
}

TEST_F(CliTest, ConvertBetweenFormats) {
    TFZXFont font;
    font.SetLastChar(40);
    font.Glyph(1).SetAll("00011000|00111100", 2, 8, 0);
    font.Glyph(8).SetAll("1", 7, 8, 0);
    std::vector<std::uint8_t> chr, fzx;
    ASSERT_EQ(font.BuildCHRImage(chr), "");
    ASSERT_EQ(font.BuildFZXImage(fzx), "");
    ASSERT_TRUE(WriteFileReplacing(Path("in.chr"), chr));

    const std::vector<std::pair<std::string, std::string>> steps = {
        {"in.chr", "a.fzx"}, {"a.fzx", "b.UDG"}, {"b.UDG", "c.Chr"},  {"c.Chr", "d.FZX"},
        {"d.FZX", "e.asm"},  {"a.fzx", "a.fzx"}, {"in.chr", "in.chr"}};
    for (const auto& [from, to] : steps) {
        SCOPED_TRACE(from + " -> " + to);
        const TRun run = RunCli({"convert", Path(from), Path(to)});
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, "");
    }
    EXPECT_EQ(ReadFileBytes(Path("a.fzx")), fzx);
    EXPECT_EQ(ReadFileBytes(Path("b.UDG")), chr);
    EXPECT_EQ(ReadFileBytes(Path("c.Chr")), chr);
    EXPECT_EQ(ReadFileBytes(Path("d.FZX")), fzx);
    EXPECT_EQ(ReadFileBytes(Path("in.chr")), chr);
    EXPECT_EQ(ReadText(dir / "e.asm"), font.BuildASMText(Path("e.asm")));
}

// Many fonts in one process: each written into the folder under its own
// name, a failed one named and counted while the rest are converted, and no
// output ever replacing another input or another input's output.
TEST_F(CliTest, ConvertManyFontsIntoAFolder) {
    TFZXFont font;
    font.SetLastChar(40);
    font.Glyph(1).SetAll("00011000|00111100", 2, 8, 0);
    std::vector<std::uint8_t> chr, fzx;
    ASSERT_EQ(font.BuildCHRImage(chr), "");
    ASSERT_EQ(font.BuildFZXImage(fzx), "");
    fs::create_directories(dir / "in" / "more");
    fs::create_directory(dir / "out");
    for (const char* name : {"in/a.fzx", "in/more/a.fzx", "in/c.fzx"})
        ASSERT_TRUE(WriteFileReplacing(Path(name), fzx));
    for (const char* name : {"in/b.CHR", "in/c.chr"})
        ASSERT_TRUE(WriteFileReplacing(Path(name), chr));
    ASSERT_TRUE(WriteFileReplacing(Path("in/bad.fzx"), std::vector<std::uint8_t>{8, 0}));

    TRun run = RunCli({"convert", Path("in/a.fzx"), Path("in/bad.fzx"), Path("in/b.CHR"),
                       Path("in/more/a.fzx"), Path("missing.chr"), "--out-dir", Path("out"), "--to",
                       ".FZX"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "quorrel-cli: \"" + Path("in/bad.fzx") +
                           "\": Unexpected end of file while reading header!\n"
                           "quorrel-cli: \"" +
                           Path("in/more/a.fzx") + "\": \"" + Path("out/a.fzx") +
                           "\" is written from \"" + Path("in/a.fzx") +
                           "\" already\n"
                           "quorrel-cli: Cannot open file \"" +
                           Path("missing.chr") +
                           "\": No such file or directory\n"
                           "quorrel-cli: convert: 3 of 5 fonts not converted\n");
    EXPECT_EQ(temp.Entries(), (std::set<std::string>{"in", "out"}));
    EXPECT_EQ(ReadFileBytes(Path("out/a.fzx")), fzx);
    EXPECT_EQ(ReadFileBytes(Path("out/b.fzx")), fzx);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "out"), fs::directory_iterator()), 2);

    // Into the inputs' own folder: c.chr would become the input c.fzx.
    run = RunCli(
        {"convert", Path("in/c.chr"), Path("in/c.fzx"), "--out-dir", Path("in"), "--to", "fzx"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "quorrel-cli: \"" + Path("in/c.chr") + "\": \"" + Path("in/c.fzx") +
                           "\" would replace the input \"" + Path("in/c.fzx") +
                           "\"\n"
                           "quorrel-cli: convert: 1 of 2 fonts not converted\n");
    EXPECT_EQ(ReadFileBytes(Path("in/c.fzx")), fzx);

    // All well: nothing said, status 0.
    run = RunCli(
        {"convert", Path("in/a.fzx"), Path("in/b.CHR"), "--out-dir", Path("out"), "--to", "udg"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(ReadFileBytes(Path("out/a.udg")), chr);
    EXPECT_EQ(ReadFileBytes(Path("out/b.udg")), chr);
}

TEST_F(CliTest, FailuresReportAndWriteNothing) {
    TFZXFont font;
    MakeFixture(font);
    ASSERT_EQ(font.SaveFZX(Path("wide.fzx")), "");
    ASSERT_TRUE(WriteFileReplacing(Path("text.txt"), std::vector<std::uint8_t>(768, 0)));
    ASSERT_TRUE(WriteFileReplacing(Path("odd.chr"), std::vector<std::uint8_t>(7, 0)));
    ASSERT_TRUE(WriteFileReplacing(Path("short.fzx"), std::vector<std::uint8_t>{8, 0}));
    ASSERT_TRUE(WriteFileReplacing(Path("keep.chr"), std::vector<std::uint8_t>{1, 2, 3}));
    ASSERT_TRUE(WriteFileReplacing(Path("huge.fzx"), std::vector<std::uint8_t>{}));
    fs::resize_file(Path("huge.fzx"), 300u << 20); // sparse: no room taken on disk
#ifndef _WIN32
    // A pipe would wait for a writer forever: refused at once.
    ASSERT_EQ(::mkfifo(Path("pipe.fzx").c_str(), 0600), 0);
#endif
    const std::set<std::string> before = Entries();

    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message; // standard error, without the line after a usage mistake
    };
    const std::string cannotOpen =
        "quorrel-cli: Cannot open file \"" + Path("missing.fzx") + "\": ";
    const Case cases[] = {
        {{"info"}, 2, "quorrel-cli: info: no font given"},
        {{"info", Path("wide.fzx"), Path("wide.fzx")},
         2,
         "quorrel-cli: info: more than one font given"},
        {{"info", "--yaml", Path("wide.fzx")}, 2, "quorrel-cli: info: unknown option '--yaml'"},
        {{"convert"}, 2, "quorrel-cli: convert: needs an input and an output file"},
        {{"convert", Path("wide.fzx")},
         2,
         "quorrel-cli: convert: needs an input and an output file"},
        {{"convert", Path("wide.fzx"), Path("x.fzx"), Path("y.fzx")},
         2,
         "quorrel-cli: convert: needs an input and an output file"},
        {{"convert", "--json", Path("wide.fzx"), Path("x.fzx")},
         2,
         "quorrel-cli: convert: unknown option '--json'"},
        {{"convert", Path("wide.fzx"), "--out-dir", Path("")},
         2,
         "quorrel-cli: convert: --out-dir and --to go together"},
        {{"convert", Path("wide.fzx"), "--to", "fzx"},
         2,
         "quorrel-cli: convert: --out-dir and --to go together"},
        {{"convert", "--out-dir", Path(""), "--to", "fzx"},
         2,
         "quorrel-cli: convert: needs at least one input file"},
        {{"convert", Path("wide.fzx"), "--out-dir", Path(""), "--to", "txt"},
         2,
         "quorrel-cli: convert: --to must be a format written: fzx, chr, udg, asm, bdf, psf.gz, "
         "psf, yaff, png"},
        {{"convert", Path("wide.fzx"), "--out-dir", Path("out"), "--to", "fzx"},
         1,
         "quorrel-cli: convert: \"" + Path("out") + "\": no such folder"},
        {{"info", Path("text.txt")}, 1, "quorrel-cli: Invalid file extension!"},
        {{"info", Path("out.asm")}, 1, "quorrel-cli: Invalid file extension!"},
        {{"convert", Path("text.txt"), Path("x.fzx")}, 1, "quorrel-cli: Invalid file extension!"},
        {{"convert", Path("wide.fzx"), Path("x.txt")},
         1,
         "quorrel-cli: Illegal file extension! File not saved."},
        {{"convert", Path("wide.fzx"), Path("x")},
         1,
         "quorrel-cli: Illegal file extension! File not saved."},
        {{"convert", Path("wide.fzx"), Path("keep.chr")},
         1,
         "quorrel-cli: Editor contains no compatible data for CHR file (768 bytes)! "
         "Body height is 9, not 8."},
        {{"info", Path("odd.chr")}, 1, "quorrel-cli: File size must be 8..768 bytes!"},
        {{"convert", Path("huge.fzx"), Path("x.fzx")},
         1,
         "quorrel-cli: Last character value must be in the range 32..255!"},
        {{"convert", Path("odd.chr"), Path("x.fzx")},
         1,
         "quorrel-cli: File size must be 8..768 bytes!"},
        {{"convert", Path("short.fzx"), Path("x.chr")},
         1,
         "quorrel-cli: Unexpected end of file while reading header!"},
        {{"info", Path("missing.fzx")}, 1, cannotOpen + "No such file or directory"},
#ifndef _WIN32
        {{"info", Path("pipe.fzx")},
         1,
         "quorrel-cli: Cannot open file \"" + Path("pipe.fzx") + "\": not a regular file"},
#endif
        {{"convert", Path("missing.fzx"), Path("x.fzx")},
         1,
         cannotOpen + "No such file or directory"},
        {{"convert", Path("wide.fzx"), Path("no/such/dir/x.fzx")},
         1,
         "quorrel-cli: Cannot create file \"" + Path("no/such/dir/x.fzx") +
             "\": No such file or directory"},
    };
    for (const auto& c : cases) {
        std::string line;
        for (const auto& a : c.args)
            line += " " + a;
        SCOPED_TRACE(line);
        const TRun run = RunCli(c.args);
        EXPECT_EQ(run.Status, c.status);
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, c.message + (c.status == 2 ? kTryHelp : "\n"));
        EXPECT_EQ(Entries(), before);
    }
    EXPECT_EQ(ReadFileBytes(Path("keep.chr")), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(CliTest, HelpVersionAndUsageMistakes) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out; // the start of standard output
        std::string err; // standard error, without the line after a usage mistake
    };
    const std::string usage = "Usage: quorrel-cli COMMAND [ARGUMENTS]\n";
    const Case cases[] = {
        {{"--help"}, 0, usage, ""},
        {{"-h"}, 0, usage, ""},
        {{"help"}, 0, usage, ""},
        {{"info", "--help"}, 0, usage, ""},
        {{"convert", Path("a.fzx"), Path("b.fzx"), "-h"}, 0, usage, ""},
        {{"--version"}, 0, "quorrel-cli ", ""},
        {{"-V"}, 0, "quorrel-cli ", ""},
        {{}, 2, "", "quorrel-cli: no command given"},
        {{"frobnicate"}, 2, "", "quorrel-cli: unknown command 'frobnicate'"},
        // The value of an option is no request for help.
        {{"render", "--text", "--help"},
         2,
         "",
         "quorrel-cli: render: needs a font file and an output picture"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const TRun run = RunCli(c.args);
        EXPECT_EQ(run.Status, c.status);
        EXPECT_EQ(run.Out.substr(0, c.out.size()), c.out);
        EXPECT_EQ(run.Out.empty(), c.out.empty());
        EXPECT_EQ(run.Err, c.err.empty() ? "" : c.err + kTryHelp);
    }
    EXPECT_TRUE(Entries().empty());
}

// Every shared font: info in both forms agrees with the font, the JSON holds
// the whole font, and convert writes what the font saves itself.
TEST_F(CliTest, EverySharedFont) {
    QUORREL_REQUIRE_SHARED_FONTS();
    auto files = testdata::FontFiles("fzx", ".fzx");
    const auto chrFiles = testdata::FontFiles("chr", ".chr");
    files.insert(files.end(), chrFiles.begin(), chrFiles.end());
    ASSERT_GT(files.size(), 12u);
    for (const auto& file : files) {
        SCOPED_TRACE(file.string());
        const bool isChr = file.extension() == ".chr";
        TFZXFont font;
        ASSERT_EQ(isChr ? font.LoadCHR(file.string()) : font.LoadFZX(file.string()), "");

        const TRun plain = RunCli({"info", file.string()});
        ASSERT_EQ(plain.Status, 0) << plain.Err;
        const std::string head =
            "file: " + file.string() + "\nheight: " + std::to_string(font.Height()) +
            "\ntracking: " + std::to_string(font.Tracking()) +
            "\nlastchar: " + std::to_string(font.LastChar()) +
            "\nglyphs: " + std::to_string(font.LastChar() - 31) +
            "\nsize: " + std::to_string(font.FZXFileSize()) +
            "\nchr-compatible: " + (font.IsCHRCompatible() ? "yes" : "no") + "\n";
        std::string warnings;
        for (const auto& line : FontWarningLines(font))
            warnings += line + "\n";
        EXPECT_EQ(plain.Out, head + warnings);

        const TRun json = RunCli({"info", "--json", file.string()});
        ASSERT_EQ(json.Status, 0) << json.Err;
        TFZXFont fromJson;
        FontFromJson(json.Out, fromJson);
        std::vector<std::uint8_t> expected, rebuilt;
        ASSERT_EQ(font.BuildFZXImage(expected), "");
        ASSERT_EQ(fromJson.BuildFZXImage(rebuilt), "");
        EXPECT_EQ(rebuilt, expected);

        const TRun toFzx = RunCli({"convert", file.string(), Path("out.fzx")});
        ASSERT_EQ(toFzx.Status, 0) << toFzx.Err;
        EXPECT_EQ(ReadFileBytes(Path("out.fzx")), expected);

        const TRun toAsm = RunCli({"convert", file.string(), Path("out.asm")});
        ASSERT_EQ(toAsm.Status, 0) << toAsm.Err;
        EXPECT_EQ(ReadText(dir / "out.asm"), font.BuildASMText(Path("out.asm")));

        fs::remove(Path("out.udg"));
        const TRun toUdg = RunCli({"convert", file.string(), Path("out.udg")});
        std::vector<std::uint8_t> chr;
        if (font.BuildCHRImage(chr).empty()) {
            ASSERT_EQ(toUdg.Status, 0) << toUdg.Err;
            EXPECT_EQ(ReadFileBytes(Path("out.udg")), chr);
            if (isChr) {
                EXPECT_EQ(chr, ReadFileBytes(file.string()));
            }
        } else {
            EXPECT_EQ(toUdg.Status, 1);
            EXPECT_EQ(toUdg.Err,
                      "quorrel-cli: Editor contains no compatible data for CHR file (768 bytes)! " +
                          font.CHRIncompatibility() + "\n");
            EXPECT_FALSE(fs::exists(Path("out.udg")));
        }
    }
}

} // namespace
