#include "finder/fzxscan.h"

#include <algorithm>

namespace {

constexpr int kMinCharacters = 16;
constexpr unsigned kMaxRows = 64; // of the body and of one definition

unsigned Word(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | static_cast<unsigned>(bytes[at + 1]) << 8;
}

} // namespace

std::size_t FzxLengthAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    const std::size_t size = bytes.size();
    if (offset + 3 > size) return 0;
    const unsigned height = bytes[offset], lastChar = bytes[offset + 2];
    if (height == 0 || height > kMaxRows || lastChar < 32 + kMinCharacters - 1) return 0;
    const std::size_t count = lastChar - 31;
    const std::size_t tableEnd = offset + 3 + 3 * count + 2;
    if (tableEnd > size) return 0;
    // The first definition starts right after the terminator, as every FZX
    // writer puts it; this alone rules out nearly every other offset.
    std::size_t expected = tableEnd;
    int inked = 0;
    for (std::size_t k = 0; k <= count; ++k) {
        const std::size_t p = offset + 3 + 3 * k;
        const std::size_t start = p + (Word(bytes, p) & (k < count ? 0x3FFFu : 0xFFFFu));
        if (k == 0 && start != expected) return 0;
        if (start < expected || start > size) return 0;
        if (k > 0) {
            // The previous definition: whole rows of its width's bytes.
            const unsigned info = bytes[p - 1];
            const std::size_t rowBytes = (info & 0x0F) >= 8 ? 2 : 1;
            const std::size_t defined = start - expected;
            if (defined % rowBytes != 0 || defined / rowBytes > kMaxRows) return 0;
            inked += defined > 0;
        }
        if (k < count) {
            expected = start;
        } else {
            return inked * 2 >= static_cast<int>(count) ? start - offset : 0;
        }
    }
    return 0;
}

std::vector<TFoundFont> ScanFzx(const TScanArea& area, std::size_t areaIndex) {
    std::vector<TFoundFont> found;
    const std::vector<std::uint8_t>& bytes = area.Bytes;
    for (std::size_t o = 0; o + 8 < bytes.size(); ++o) {
        // Quick test first: the first entry points just past the table.
        const unsigned lastChar = bytes[o + 2];
        if (lastChar < 32 || (Word(bytes, o + 3) & 0x3FFFu) != 3 * (lastChar - 31) + 2) continue;
        const std::size_t length = FzxLengthAt(bytes, o);
        if (length == 0) continue;
        TFoundFont f;
        f.Area = areaIndex;
        f.Offset = o;
        f.Length = length;
        f.Kind = TFoundKind::Fzx;
        f.FirstCode = 32;
        f.LastCode = static_cast<int>(lastChar);
        // The table's consistency is hard to fake; more characters, surer.
        f.Score = std::min(100, 80 + static_cast<int>(lastChar - 31) / 5);
        found.push_back(f);
    }
    return found;
}
