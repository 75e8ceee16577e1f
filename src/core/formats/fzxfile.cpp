// Reading and writing FZX files: a 3-byte header, a 3-byte table entry per
// character, a terminator word and the definitions back to back.

#include "formats/fileio.h"
#include "formats/ownformats.h"
#include "model/font.h"
#include "model/updatescope.h"

namespace {

int Word(const std::uint8_t* p) {
    return p[0] | (p[1] << 8);
}

// The most bytes the reader can use from any file. Codes 32 to 255 give at
// most 224 table entries, so the terminator word lies at 3 + 3 * 224 at the
// latest, and the reader takes that word unmasked: no definition ends more
// than 0xFFFF bytes behind it (each one ends where the next one starts, the
// last where the terminator points). Anything longer is bytes the reader never
// looks at, so only that much of a file is read.
constexpr std::size_t kMaxTableEnd = 3 + 3 * 224;
static_assert(kMaxFZXFileSize == kMaxTableEnd + 0xFFFF);
} // namespace

std::string TFZXFont::LoadFZX(const std::string& fileName) {
    std::vector<std::uint8_t> bytes;
    ReadFileHead(fileName, kMaxFZXFileSize, bytes);
    return LoadFZXBytes(bytes.data(), bytes.size());
}

std::string TFZXFont::LoadFZXBytes(const std::uint8_t* data, std::size_t size) {
    std::size_t pos = 0;
    auto fits = [&](std::size_t n) { return pos + n <= size; };
    std::string error;

    if (!fits(3)) {
        SetCurrent(-1);
        return "Unexpected end of file while reading header!";
    }
    const int height = data[0], tracking = data[1], lastChar = data[2];
    pos = 3;
    if (lastChar < 32) {
        SetCurrent(-1);
        return "Last character value must be in the range 32..255!";
    }

    {
        TFontUpdate update(*this);
        Clear();
        FUndoList.Clear();
        FHeight = height;
        FTracking = tracking;
        FLastChar = lastChar;

        for (int code = 32; code <= lastChar; ++code) {
            const std::size_t p = pos;
            if (!fits(3)) {
                error = "Unexpected end of file while reading character definitions!";
                break;
            }
            const int offsetWord = Word(data + p);
            const int info = data[p + 2];
            pos += 3;
            TFZXChar* previous = FGlyphs.empty() ? nullptr : FGlyphs.back().get();
            TFZXChar& glyph = AppendGlyph();
            TGlyphUpdate glyphUpdate(glyph);
            glyph.SetDataOffset((offsetWord & 0x3FFF) + static_cast<int>(p));
            glyph.SetKern(offsetWord >> 14);
            glyph.SetLeading(info >> 4);
            glyph.SetWidth((info & 0x0F) + 1);
            glyph.SetDataLength(0);
            if (previous) previous->SetDataLength(glyph.DataOffset() - previous->DataOffset());
        }

        if (error.empty()) {
            const std::size_t t = pos;
            if (!fits(2)) {
                error = "Unexpected end of file while reading terminator!";
            } else {
                FTerminusOffset = Word(data + t) + static_cast<int>(t);
                pos += 2;
                TFZXChar& last = *FGlyphs.back();
                last.SetDataLength(FTerminusOffset - last.DataOffset());
            }
        }

        if (error.empty()) {
            for (int i = 0; i < Count(); ++i) {
                const TFZXChar& g = Glyph(i);
                if (g.DataLength() < 0) {
                    error = "Character length on character [" + std::to_string(i + 32) +
                            "] is less than zero!";
                    break;
                }
                if (static_cast<std::size_t>(g.DataOffset()) +
                        static_cast<std::size_t>(g.DataLength()) >
                    size) {
                    error = "Character [" + std::to_string(i + 32) +
                            "] definition offset exceeds file size!";
                    break;
                }
            }
        }

        // Each definition is read where its offset points, with the length the
        // driver draws it with, so padding before or between definitions (which
        // the driver skips) is skipped too; the bounds test has kept every one
        // of them inside the file.
        if (error.empty()) {
            for (int i = 0; i < Count(); ++i) {
                TFZXChar& g = Glyph(i);
                const std::size_t length = static_cast<std::size_t>(g.DataLength());
                if (length == 0) continue;
                g.SetRows(
                    std::string(reinterpret_cast<const char*>(data + g.DataOffset()), length));
            }
        }

        if (error.empty()) {
            for (auto& g : FGlyphs) {
                g->DecodeFZXBytes();
                g->Normalize();
            }
            SetModified(false);
            FCurrentIndex = -1;
        }
    }
    SetCurrent(-1);
    return error;
}

std::string TFZXFont::BuildFZXImage(std::vector<std::uint8_t>& image) const {
    image.clear();
    // A font without its full glyph list (only left by a failed read) has
    // nothing coherent to write.
    if (FLastChar < 32 || Count() < FLastChar - 31) return kFileWriteError;

    // A byte holds the height: a larger one (from an import) would be cut.
    if (FHeight > 255) return "Body height exceeds 255 pixels! File not saved.";
    image.reserve(static_cast<std::size_t>(FZXFileSize()));
    image.push_back(static_cast<std::uint8_t>(FHeight));
    image.push_back(static_cast<std::uint8_t>(FTracking));
    image.push_back(static_cast<std::uint8_t>(FLastChar));

    int d = 3 * FLastChar - 88;
    for (int i = 0; i < FLastChar - 31; ++i) {
        const TFZXChar& g = Glyph(i);
        const int rel = d - static_cast<int>(image.size());
        if (rel >= 16384) return "Character offset exceeds 16384 bytes! File not saved.";
        if (g.Width() > 16) return "Character width exceeds 16 pixels! File not saved.";
        const int word = (g.Kern() * 16384 + rel) & 0xFFFF;
        image.push_back(static_cast<std::uint8_t>(word & 0xFF));
        image.push_back(static_cast<std::uint8_t>(word >> 8));
        // Scaling can leave an empty glyph 0 pixels wide, which the 4-bit
        // field cannot hold (it would read back 16 wide): store it as 1.
        image.push_back(static_cast<std::uint8_t>(g.Leading() * 16 + FZXWidthField(g.Width())));
        d += g.DataSize();
    }
    const int rel = d - static_cast<int>(image.size());
    if (rel >= 16384) return "Terminator exceeds 16384 bytes! File not saved.";
    image.push_back(static_cast<std::uint8_t>(rel & 0xFF));
    image.push_back(static_cast<std::uint8_t>((rel >> 8) & 0xFF));

    for (int i = 0; i < FLastChar - 31; ++i) {
        const std::vector<std::uint8_t> definition = Glyph(i).DefinitionBytes();
        image.insert(image.end(), definition.begin(), definition.end());
    }
    return std::string();
}

std::string TFZXFont::SaveFZX(const std::string& fileName) {
    std::vector<std::uint8_t> image;
    const std::string error = BuildFZXImage(image);
    return error.empty() ? WriteSavedImage(fileName, image) : error;
}

std::string TFZXFont::WriteSavedImage(const std::string& fileName,
                                      const std::vector<std::uint8_t>& image) {
    if (!WriteFileReplacing(fileName, image)) return kFileWriteError;
    MarkSaved();
    return std::string();
}

void TFZXFont::MarkSaved() {
    FUndoList.Clear();
    SetModified(false);
    Changed();
}
