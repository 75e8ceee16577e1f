#include "formats/fontimport.h"

#include <algorithm>

#include "model/font.h"
#include "model/updatescope.h"

namespace {
constexpr int kMaxKern = 3;
constexpr int kMaxLeading = 15;
constexpr int kFZXMaxWidth = 16;
constexpr int kEditorMaxWidth = 256;
constexpr int kEditorMaxRows = 192;

std::string RowsText(int n) {
    return std::to_string(n) + (n == 1 ? " row" : " rows");
}
std::string Pixels(int n) {
    return std::to_string(n) + (n == 1 ? " pixel" : " pixels");
}

// First and last inked row and column of a bitmap; Any false without ink.
struct TInkBox {
    bool Any = false;
    int Top = 0, Bottom = -1, Left = 0, Right = -1;
};

TInkBox InkBox(const TStringList& rows) {
    TInkBox box;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string& row = rows[r];
        const std::size_t first = row.find('1');
        if (first == std::string::npos) continue;
        const int last = static_cast<int>(row.rfind('1'));
        const int y = static_cast<int>(r);
        if (!box.Any) {
            box = {true, y, y, static_cast<int>(first), last};
        } else {
            box.Bottom = y;
            box.Left = std::min(box.Left, static_cast<int>(first));
            box.Right = std::max(box.Right, last);
        }
    }
    return box;
}

// "32, 40 to 45, 50": a sorted list of codes in short form.
std::string CodeRanges(const std::vector<int>& codes) {
    std::string text;
    for (std::size_t i = 0; i < codes.size();) {
        std::size_t j = i;
        while (j + 1 < codes.size() && codes[j + 1] == codes[j] + 1)
            ++j;
        if (!text.empty()) text += ", ";
        text += std::to_string(codes[i]);
        if (j > i) text += (j == i + 1 ? ", " : " to ") + std::to_string(codes[j]);
        i = j + 1;
    }
    return text;
}
} // namespace

std::string CharacterName(int code, const std::string& label) {
    std::string name = "Character " + std::to_string(code);
    if (!label.empty()) name += " (" + label + ")";
    return name;
}

TPlacedGlyph PlaceGlyph(const TSourceGlyph& glyph, int tracking, std::vector<std::string>& notes) {
    const std::string name = CharacterName(glyph.Code, glyph.Label);
    TPlacedGlyph placed;
    // A bitmap that starts left of the pen is what the kern is for.
    placed.Kern = std::min(kMaxKern, std::max(0, -glyph.Left));
    const int advanceWidth = glyph.Advance - tracking + placed.Kern;
    const TInkBox ink = InkBox(glyph.Rows);

    if (!ink.Any) {
        placed.Leading = std::min(kMaxLeading, std::max(0, glyph.Top));
        placed.Width = std::max(1, advanceWidth);
        if (advanceWidth < 1)
            notes.push_back(name + ": advance " + std::to_string(glyph.Advance) +
                            " is too small for FZX; width set to 1");
        return placed;
    }

    // Column of the bitmap's first column in the glyph's rows.
    int origin = glyph.Left + placed.Kern;
    if (origin + ink.Left < 0) {
        const int move = -(origin + ink.Left);
        origin += move;
        notes.push_back(name + ": ink starts " + Pixels(-(glyph.Left + ink.Left)) +
                        " left of the pen, beyond the kern range; moved " + Pixels(move) +
                        " right");
    }
    const int inkRight = origin + ink.Right + 1;
    placed.Width = std::max({advanceWidth, inkRight, 1});
    if (inkRight > advanceWidth && inkRight > 1)
        notes.push_back(name + ": ink reaches " + Pixels(inkRight - advanceWidth) +
                        " right of the advance; width raised to " + std::to_string(placed.Width));
    else if (advanceWidth < 1)
        notes.push_back(name + ": advance " + std::to_string(glyph.Advance) +
                        " is too small for FZX; width set to 1");
    if (placed.Width > kEditorMaxWidth)
        notes.push_back(name + ": " + std::to_string(placed.Width) +
                        " pixels wide, more than the editor's " + std::to_string(kEditorMaxWidth));

    const int inkTop = glyph.Top + ink.Top;
    const int blankAbove = std::max(0, inkTop - kMaxLeading);
    placed.Leading = inkTop - blankAbove;
    const std::string blank(static_cast<std::size_t>(placed.Width), '0');
    TStringList rows(static_cast<std::size_t>(blankAbove), blank);
    for (int r = ink.Top; r <= ink.Bottom; ++r) {
        const std::string& source = glyph.Rows[static_cast<std::size_t>(r)];
        std::string row = blank;
        // Blank columns outside the width fall away; every ink column is inside.
        for (std::size_t c = 0; c < source.size(); ++c) {
            const int x = origin + static_cast<int>(c);
            if (source[c] == '1' && x >= 0 && x < placed.Width)
                row[static_cast<std::size_t>(x)] = '1';
        }
        rows.push_back(std::move(row));
    }
    if (inkTop + (ink.Bottom - ink.Top + 1) > kEditorMaxRows)
        notes.push_back(name + ": reaches " + std::to_string(inkTop + ink.Bottom - ink.Top + 1) +
                        " rows down, more than the editor's " + std::to_string(kEditorMaxRows));
    placed.Rows = JoinText(rows, '|');
    return placed;
}

void TFontImport::Add(TSourceGlyph glyph) {
    if (glyph.Code < 32 || glyph.Code > 255) {
        ++FReport.Skipped;
        return;
    }
    const int kept = FIndexOfCode[static_cast<std::size_t>(glyph.Code)];
    if (kept >= 0) {
        const std::string& first = FGlyphs[static_cast<std::size_t>(kept)].Label;
        FReport.Lines.push_back(
            CharacterName(glyph.Code, glyph.Label) + ": the code is taken by an earlier glyph" +
            (first.empty() ? std::string() : " (" + first + ")") + "; this one is left out");
        return;
    }
    FIndexOfCode[static_cast<std::size_t>(glyph.Code)] = Count();
    FGlyphs.push_back(std::move(glyph));
}

std::string TFontImport::Fill(TFZXFont& font) {
    if (FGlyphs.empty()) return "The file holds no characters with codes 32 to 255.";

    // Ink above the top of the line moves every glyph down alike, so the
    // characters keep their places relative to each other.
    int raise = 0;
    int raised = 0;
    for (const TSourceGlyph& g : FGlyphs) {
        const TInkBox ink = InkBox(g.Rows);
        if (ink.Any && g.Top + ink.Top < 0) {
            raise = std::max(raise, -(g.Top + ink.Top));
            ++raised;
        }
    }
    int height = Height;
    if (raise > 0) {
        height += raise;
        FReport.Lines.push_back(std::to_string(raised) + " character" +
                                (raised == 1 ? " reaches" : "s reach") + " up to " +
                                RowsText(raise) + " above the line: every character moved " +
                                RowsText(raise) + " down, height raised from " +
                                std::to_string(Height) + " to " + std::to_string(height));
    }

    if (height > 255)
        FReport.Lines.push_back("Height " + std::to_string(height) +
                                " is more than the 255 FZX holds (lower it before saving FZX)");

    int lastCode = 32;
    for (const TSourceGlyph& g : FGlyphs)
        lastCode = std::max(lastCode, g.Code);

    std::vector<TPlacedGlyph> placed(static_cast<std::size_t>(lastCode - 31));
    std::vector<bool> given(placed.size(), false);
    std::vector<int> wide, missing;
    for (int code = 32; code <= lastCode; ++code) {
        const int index = FIndexOfCode[static_cast<std::size_t>(code)];
        if (index < 0) continue;
        TSourceGlyph g = FGlyphs[static_cast<std::size_t>(index)];
        g.Top += raise;
        const std::size_t at = static_cast<std::size_t>(code - 32);
        placed[at] = PlaceGlyph(g, Tracking, FReport.Lines);
        given[at] = true;
        if (placed[at].Width > kFZXMaxWidth) wide.push_back(code);
    }
    const int spaceWidth = given[0] ? placed[0].Width : 8;
    for (std::size_t at = 0; at < placed.size(); ++at) {
        if (given[at]) continue;
        placed[at].Width = spaceWidth;
        missing.push_back(static_cast<int>(at) + 32);
    }
    if (!missing.empty())
        FReport.Lines.push_back("Not in the file, left empty: " + CodeRanges(missing));
    if (!wide.empty())
        FReport.Lines.push_back(
            "Wider than the 16 pixels FZX holds (narrow them before saving FZX): " +
            CodeRanges(wide));
    if (FReport.Skipped > 0)
        FReport.Lines.push_back(std::to_string(FReport.Skipped) + " character" +
                                (FReport.Skipped == 1 ? "" : "s") +
                                " outside codes 32 to 255 left out");

    TFontUpdate update(font);
    font.Clear();
    font.SetHeight(height);
    font.SetTracking(Tracking);
    font.SetLastChar(lastCode);
    for (std::size_t at = 0; at < placed.size(); ++at) {
        TFZXChar& glyph = font.Glyph(static_cast<int>(at));
        const TPlacedGlyph& p = placed[at];
        glyph.SetAll(p.Rows, p.Leading, p.Width, p.Kern);
        glyph.Normalize();
    }
    font.SetModified(false);
    return std::string();
}
