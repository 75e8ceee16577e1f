#include "finder/fontfinder.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>

#include "finder/charsetscan.h"
#include "finder/fzxscan.h"
#include "model/font.h"

namespace {

constexpr std::size_t kCell = 8;

// The best finds that overlap none better: neighbouring offsets of one set,
// a shorter set inside a longer one, the cells inside an FZX font. Kept finds
// never overlap, so per area they are ordered by offset and a new one need
// only be held against its neighbours there.
std::vector<TFoundFont> Merge(std::vector<TFoundFont> all) {
    std::stable_sort(all.begin(), all.end(), [](const TFoundFont& a, const TFoundFont& b) {
        if (a.Score != b.Score) return a.Score > b.Score;
        if (a.Area != b.Area) return a.Area < b.Area;
        return a.Offset < b.Offset;
    });
    std::vector<TFoundFont> kept;
    std::map<std::pair<std::size_t, std::size_t>, std::size_t> ends; // (area, offset) -> end
    for (const TFoundFont& f : all) {
        const auto next = ends.lower_bound({f.Area, f.Offset});
        if (next != ends.end() && next->first.first == f.Area &&
            next->first.second < f.Offset + f.Length)
            continue;
        if (next != ends.begin()) {
            const auto before = std::prev(next);
            if (before->first.first == f.Area && before->second > f.Offset) continue;
        }
        ends[{f.Area, f.Offset}] = f.Offset + f.Length;
        kept.push_back(f);
    }
    return kept;
}

} // namespace

std::vector<TFoundFont> FindFonts(const std::vector<TScanArea>& areas,
                                  const std::function<bool(std::size_t, std::size_t)>& progress) {
    std::size_t total = 0, done = 0;
    for (const TScanArea& area : areas)
        total += area.Bytes.size();
    std::vector<TFoundFont> all;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (progress && !progress(done, total)) break;
        for (const TFoundFont& f : ScanCharsets(areas[i], i))
            all.push_back(f);
        for (const TFoundFont& f : ScanFzx(areas[i], i))
            all.push_back(f);
        done += areas[i].Bytes.size();
    }
    if (progress) progress(done, total);
    return Merge(std::move(all));
}

std::vector<std::uint8_t> FoundFontFile(const std::vector<TScanArea>& areas,
                                        const TFoundFont& found) {
    const std::vector<std::uint8_t>& bytes = areas[found.Area].Bytes;
    const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(found.Offset);
    std::vector<std::uint8_t> file;
    if (found.Kind == TFoundKind::Fzx) {
        file.assign(first, first + static_cast<std::ptrdiff_t>(found.Length));
        return file;
    }
    // CHR data starts at the space; UDG blocks go where a CHR file holds
    // codes 32 on, as UDG files do.
    const int lead = found.Kind == TFoundKind::Udg ? 0 : found.FirstCode - 32;
    file.assign(static_cast<std::size_t>(lead) * kCell, 0);
    file.insert(file.end(), first, first + static_cast<std::ptrdiff_t>(found.Length));
    return file;
}

std::string ReadFoundFont(TFZXFont& font, const std::vector<TScanArea>& areas,
                          const TFoundFont& found) {
    const std::vector<std::uint8_t> file = FoundFontFile(areas, found);
    TFZXFont scratch;
    const std::string error = found.Kind == TFoundKind::Fzx
                                  ? scratch.LoadFZXBytes(file.data(), file.size())
                                  : scratch.LoadCHRBytes(file.data(), file.size());
    if (error.empty()) font.TakeOver(scratch);
    return error;
}

std::string ReadFontAtPlace(TFZXFont& font, const std::vector<TScanArea>& areas,
                            const std::string& place) {
    std::size_t area = 0, offset = 0;
    if (!FindPlace(areas, place, area, offset)) return "no place " + place + " in the file";
    const std::vector<std::uint8_t>& bytes = areas[area].Bytes;
    // What the scan finds there (without scanning the rest), else the bytes
    // the user points at as a set of 96.
    TFoundFont f;
    if ((f.Length = FzxLengthAt(bytes, offset)) > 0) {
        f.Kind = TFoundKind::Fzx;
        f.LastCode = bytes[offset + 2];
    } else {
        f = CharsetAt(areas[area], offset);
        if (f.Score == 0) f.Length = 96 * kCell;
    }
    f.Area = area;
    f.Offset = offset;
    if (offset + f.Length > bytes.size())
        return "no FZX font at " + place + ", and too little room there for an 8x8 set";
    return ReadFoundFont(font, areas, f);
}

std::string FoundFontText(const std::vector<TScanArea>& areas, const TFoundFont& found) {
    const TScanArea& area = areas[found.Area];
    std::string text = FoundKindText(found.Kind) + " " + std::to_string(found.FirstCode) + "-" +
                       std::to_string(found.LastCode);
    if (area.LoadAddress >= 0 && !area.Name.empty()) {
        char address[16];
        std::snprintf(address, sizeof address, "0x%04X",
                      static_cast<unsigned>(area.LoadAddress + found.Offset) & 0xFFFFu);
        text += std::string(", address ") + address;
    }
    return text + ", score " + std::to_string(found.Score);
}
