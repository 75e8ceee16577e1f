// Identities of the transforms over every glyph of the community FZX fonts.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "formats/fileio.h"
#include "model/font.h"
#include "shareddata.h"
#include "shell/historysteps.h"

namespace {

struct GlyphState {
    std::string Rows;
    int Leading, Width, Kern;
    bool operator==(const GlyphState& o) const {
        return Rows == o.Rows && Leading == o.Leading && Width == o.Width && Kern == o.Kern;
    }
};

GlyphState StateOf(const TFZXChar& g) {
    return {g.Rows(), g.Leading(), g.Width(), g.Kern()};
}

std::ostream& operator<<(std::ostream& out, const GlyphState& s) {
    return out << "rows " << s.Rows << " leading " << s.Leading << " width " << s.Width << " kern "
               << s.Kern;
}

// The fonts are read once; each test reloads its own copy from the bytes.
const std::vector<std::vector<std::uint8_t>>& FontImages() {
    static const auto images = [] {
        std::vector<std::vector<std::uint8_t>> list;
        for (const auto& path : testdata::FontFiles("fzx", ".fzx"))
            list.push_back(ReadFileBytes(path.string()));
        return list;
    }();
    return images;
}

std::unique_ptr<TFZXFont> LoadImage(const std::vector<std::uint8_t>& image) {
    auto font = std::make_unique<TFZXFont>();
    EXPECT_EQ(font->LoadFZXBytes(image.data(), image.size()), "");
    return font;
}

// Whether the glyph lies inside its cell: the vertical operations work on the
// cell, so only there do they rotate or mirror without losing blank rows.
bool FitsCell(const TFZXChar& g) {
    return g.Leading() + g.RowCount() <= g.FontHeight();
}

GlyphState Expanded(const TFZXChar& g) {
    TFZXChar copy(g.Font());
    copy.SetAll(g.Rows(), g.Leading(), g.Width(), g.Kern());
    copy.Expand();
    return StateOf(copy);
}

TEST(TransformsRealFonts, TwiceOrBackAndForthIsIdentity) {
    QUORREL_REQUIRE_SHARED_FONTS();
    for (const auto& image : FontImages()) {
        auto font = LoadImage(image);
        const int height = font->Height();
        for (int i = 0; i < font->Count(); ++i) {
            TFZXChar& g = font->Glyph(i);
            const GlyphState original = StateOf(g);
            SCOPED_TRACE(i + 32);

            g.FlipHorizontal();
            g.FlipHorizontal();
            ASSERT_EQ(StateOf(g), original);
            for (const int n : {1, 3, g.Width() + 2}) {
                g.RollLeft(n);
                g.RollRight(n);
                ASSERT_EQ(StateOf(g), original);
            }

            // The vertical operations work on the body picture, so that is
            // what comes back: an empty glyph's Leading means nothing there.
            const GlyphState body = Expanded(g);
            // A glyph reaching below the body comes back moved up into it.
            if (!FitsCell(g)) continue;
            g.FlipVertical();
            g.FlipVertical();
            ASSERT_EQ(Expanded(g), body);
            for (const int n : {1, height - 1, height}) {
                g.RollUp(n);
                g.RollDown(n);
                ASSERT_EQ(Expanded(g), body) << "roll by " << n;
            }
            g.RollUp(height);
            ASSERT_EQ(Expanded(g), body);
            if (g.RowCount() > 0) {
                ASSERT_EQ(StateOf(g), original);
            }
        }
    }
}

TEST(TransformsRealFonts, UndoingAnAllGlyphCommandRestoresEveryGlyph) {
    QUORREL_REQUIRE_SHARED_FONTS();
    const TCharOperation codes[] = {coItalic,     coBold,        coAdjustTop,     coAdjustBottom,
                                    coAdjustLeft, coAdjustRight, coAdjustHCenter, coAdjustVCenter,
                                    coClear,      coScale};
    for (const auto& image : FontImages()) {
        auto font = LoadImage(image);
        font->SetCurrent(0);
        std::vector<GlyphState> before;
        for (int i = 0; i < font->Count(); ++i)
            before.push_back(StateOf(font->Glyph(i)));
        // Scaling halves the width.
        font->OnGetScaleFactors = [](double& w, double& h) {
            w = 0.5;
            h = 1.0;
            return true;
        };
        for (const TCharOperation code : codes) {
            SCOPED_TRACE(code);
            font->ApplyToAll(code);
            std::vector<GlyphState> after;
            for (int i = 0; i < font->Count(); ++i)
                after.push_back(StateOf(font->Glyph(i)));
            const int steps = 2 * font->Count();
            ASSERT_EQ(UndoRedoSteps(*font, 0, steps), steps);
            EXPECT_EQ(font->CurrentIndex(), 0);
            for (int i = 0; i < font->Count(); ++i)
                ASSERT_EQ(StateOf(font->Glyph(i)), before[static_cast<std::size_t>(i)])
                    << "code " << i + 32;
            // Redoing the group gives the command's result again.
            ASSERT_EQ(UndoRedoSteps(*font, 1, steps), steps);
            for (int i = 0; i < font->Count(); ++i)
                ASSERT_EQ(StateOf(font->Glyph(i)), after[static_cast<std::size_t>(i)])
                    << "code " << i + 32;
            ASSERT_EQ(UndoRedoSteps(*font, 0, steps), steps);
        }
    }
}

TEST(TransformsRealFonts, ScalingByOneKeepsTheBody) {
    QUORREL_REQUIRE_SHARED_FONTS();
    for (const auto& image : FontImages()) {
        auto font = LoadImage(image);
        for (int i = 0; i < font->Count(); ++i) {
            TFZXChar& g = font->Glyph(i);
            SCOPED_TRACE(i + 32);
            // The body in expanded form, cut at the body's last row, in
            // normal form again.
            TStringList rows;
            SplitText(rows, g.Rows(), '|');
            const std::string blank(static_cast<std::size_t>(g.Width()), '0');
            rows.insert(rows.begin(), static_cast<std::size_t>(g.Leading()), blank);
            rows.resize(static_cast<std::size_t>(font->Height()), blank);
            TFZXChar expected(font.get());
            expected.SetAll(JoinText(rows, '|'), 0, g.Width(), g.Kern());
            expected.Normalize();

            ASSERT_TRUE(g.Scale(1.0, 1.0));
            ASSERT_EQ(StateOf(g), StateOf(expected));
        }
    }
}

} // namespace
