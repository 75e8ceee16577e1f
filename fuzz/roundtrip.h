#pragma once
// The round-trip property of a format's reader and writer: a font the reader
// accepts and the writer can write reads back exactly, with nothing to report.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "formats/fontformats.h"
#include "model/font.h"

// Lines about what FZX or the editor cannot hold describe the font itself;
// any other line would be a change made on reading the writer's own file.
inline bool DescribesTheFont(const std::string& line) {
    return line.rfind("Wider than the 16 pixels", 0) == 0 || line.rfind("Height ", 0) == 0 ||
           line.find("more than the editor's") != std::string::npos;
}

template <typename Reader, typename Writer>
void CheckTextFormatRoundTrip(const std::uint8_t* data, std::size_t size, Reader read,
                              Writer write) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    TFZXFont font;
    TImportReport report;
    if (!read(font, bytes, TImportOptions(), report).empty()) return;
    if (font.Count() != font.LastChar() - 31) std::abort();

    std::vector<std::uint8_t> written;
    if (!write(font, TExportOptions(), written).empty()) return;
    TFZXFont again;
    TImportReport second;
    if (!read(again, written, TImportOptions(), second).empty()) std::abort();
    if (second.Skipped != 0) std::abort();
    for (const std::string& line : second.Lines)
        if (!DescribesTheFont(line)) std::abort();
    if (again.Height() != font.Height() || again.Tracking() != font.Tracking() ||
        again.Count() != font.Count())
        std::abort();
    for (int i = 0; i < font.Count(); ++i) {
        const TFZXChar &a = font.Glyph(i), &b = again.Glyph(i);
        if (a.Rows() != b.Rows() || a.Width() != b.Width() || a.Leading() != b.Leading() ||
            a.Kern() != b.Kern())
            std::abort();
    }
}
