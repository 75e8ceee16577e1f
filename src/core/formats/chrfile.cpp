// Reading and writing CHR and UDG files: 8-byte blocks of 8 x 8 pixels, one
// per character from code 32 on, no header. Both extensions share the format.

#include "formats/fileio.h"
#include "formats/ownformats.h"
#include "model/font.h"
#include "model/updatescope.h"

namespace {
constexpr std::size_t kBlockSize = 8;
constexpr std::size_t kMaxBlocks = kMaxCHRFileSize / kBlockSize;
constexpr const char* kCHRSizeError = "File size must be 8..768 bytes!";
} // namespace

std::string TFZXFont::LoadCHR(const std::string& fileName) {
    // A larger file gets the size message without being read.
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(fileName, kMaxBlocks * kBlockSize, bytes)) return kCHRSizeError;
    return LoadCHRBytes(bytes.data(), bytes.size());
}

std::string TFZXFont::LoadCHRBytes(const std::uint8_t* data, std::size_t size) {
    const std::size_t blocks = size / kBlockSize;
    if (blocks < 1 || blocks > kMaxBlocks || size != blocks * kBlockSize) return kCHRSizeError;

    // The empty font is announced before the blocks are read.
    Clear();
    FUndoList.Clear();
    FTracking = 0;
    FHeight = 8;
    FLastChar = static_cast<int>(blocks) + 31;
    {
        TFontUpdate update(*this);
        for (std::size_t k = 0; k < blocks; ++k) {
            TFZXChar& glyph = AppendGlyph();
            glyph.SetKern(0);
            glyph.SetWidth(8);
            glyph.SetLeading(0);
            TStringList rows;
            for (std::size_t b = 0; b < kBlockSize; ++b)
                rows.push_back(ByteToBits(data[k * kBlockSize + b]));
            glyph.SetRows(JoinText(rows, '|'));
            glyph.Normalize();
        }
    }
    SetModified(false);
    FCurrentIndex = -1;
    Changed();
    return std::string();
}

std::string TFZXFont::BuildCHRImage(std::vector<std::uint8_t>& image) const {
    image.clear();
    if (!IsCHRCompatible()) return "Editor contains no compatible data for CHR file (768 bytes)!";
    image.reserve(kBlockSize * static_cast<std::size_t>(FLastChar - 31));
    for (int i = 0; i < FLastChar - 31; ++i) {
        const TFZXChar& g = Glyph(i);
        const std::size_t start = image.size();
        image.insert(image.end(), static_cast<std::size_t>(g.Leading()), 0);
        TStringList rows;
        SplitText(rows, g.Rows(), '|');
        for (auto& row : rows)
            image.push_back(TakeByte(row));
        // Compatibility keeps Leading + rows within 8, so only padding is left.
        image.resize(start + kBlockSize, 0);
    }
    return std::string();
}

std::string TFZXFont::SaveCHR(const std::string& fileName) {
    std::vector<std::uint8_t> image;
    const std::string error = BuildCHRImage(image);
    return error.empty() ? WriteSavedImage(fileName, image) : error;
}
