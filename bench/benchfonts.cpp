#include "benchfonts.h"

#include <filesystem>

namespace {
std::string Pattern(int width, int row, int seed) {
    std::string text(static_cast<std::size_t>(width), '0');
    for (int x = 0; x < width; ++x)
        if (((x * 7 + row * 13 + seed * 31) % 3) == 0) text[static_cast<std::size_t>(x)] = '1';
    return text;
}

std::unique_ptr<TFZXFont> MakeFont(int width, int height) {
    auto font = std::make_unique<TFZXFont>();
    font->SetHeight(height);
    font->SetLastChar(255);
    for (int i = 0; i < font->Count(); ++i) {
        TFZXChar& glyph = font->Glyph(i);
        glyph.SetWidth(width);
        std::string rows;
        for (int y = 0; y < height; ++y) {
            if (y) rows += '|';
            rows += Pattern(width, y, i);
        }
        glyph.SetRows(rows);
        glyph.Normalize();
    }
    font->SetCurrent(0);
    return font;
}
} // namespace

const char* const kTypicalFontName = "ao/Cheveron/Cheveron.fzx";

std::unique_ptr<TFZXFont> MakeLargestFont() {
    return MakeFont(256, 192);
}

std::unique_ptr<TFZXFont> MakeLargestFzxFont() {
    // 224 x 2 bytes x 36 rows + 3 x 255 - 88 bytes stays below the limit.
    return MakeFont(16, 36);
}

std::unique_ptr<TFZXFont> LoadTypicalFont() {
    const auto path =
        std::filesystem::path(QUORREL_SHARED_DIR) / "fonts" / "fzx" / kTypicalFontName;
    if (!std::filesystem::exists(path)) return nullptr;
    auto font = std::make_unique<TFZXFont>();
    if (!font->LoadFZX(path.string()).empty()) return nullptr;
    font->SetCurrent('W' - 32);
    return font;
}
