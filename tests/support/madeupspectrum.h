#pragma once
// Small made-up Spectrum material for the font finder's tests: an 8 x 8
// character set drawn from strokes (no real font needed), bytes that stand
// for code, and tape and snapshot files built byte by byte.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "model/font.h"

namespace testdata {

using TBytes = std::vector<std::uint8_t>;

// 96 characters from the space: letters and digits as boxes of three widths
// with bars chosen by the code, lower case half as high, punctuation as
// fonts draw it.
inline TBytes MadeUpSet() {
    TBytes set(768, 0);
    for (int code = 33; code < 128; ++code) {
        std::uint8_t* c = &set[static_cast<std::size_t>(code - 32) * 8];
        switch (code) {
        case '-':
            c[4] = 0x3C;
            continue;
        case '.':
            c[5] = c[6] = 0x18;
            continue;
        case ',':
            c[5] = c[6] = 0x18, c[7] = 0x30;
            continue;
        case '_':
            c[7] = 0x7E;
            continue;
        case ':':
            c[2] = c[5] = 0x18;
            continue;
        case ';':
            c[2] = c[5] = 0x18, c[6] = 0x30;
            continue;
        case '=':
            c[2] = c[5] = 0x3C;
            continue;
        case '\'':
            c[1] = c[2] = 0x08;
            continue;
        case '"':
            c[1] = c[2] = 0x24;
            continue;
        case '`':
            c[1] = c[2] = 0x10;
            continue;
        default:
            break;
        }
        const bool lower = code >= 'a' && code <= 'z';
        const int top = lower ? 3 : 1, bottom = 6, width = 3 + code % 3;
        const int bars = (code / 3) % 16;
        const std::uint8_t left = 0x40, right = static_cast<std::uint8_t>(0x40 >> width);
        const std::uint8_t bar = static_cast<std::uint8_t>(0x80 - right); // from the left stem on
        for (int r = top; r <= bottom; ++r)
            c[r] = left | right;
        if (bars & 1) c[top] = bar;
        if (bars & 2) c[(code / 48) % 2 ? 3 : 4] |= bar;
        if (bars & 4) c[bottom] = bar;
        if (bars & 8) c[top + 1] |= 0x20;
    }
    return set;
}

// The same set as an FZX font, as the editor writes it (empty when the set
// could not be read or written, which the finder tests would then show).
inline TBytes MadeUpFzx() {
    TFZXFont font;
    const TBytes set = MadeUpSet();
    TBytes fzx;
    if (font.LoadCHRBytes(set.data(), set.size()).empty()) font.BuildFZXImage(fzx);
    return fzx;
}

// Bytes standing for code and data: random, but the same every run.
inline TBytes MadeUpCode(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    TBytes bytes(size);
    for (std::uint8_t& b : bytes)
        b = static_cast<std::uint8_t>(random());
    return bytes;
}

// One .tap block: length, flag, data, checksum.
inline void AppendTapBlock(TBytes& tap, std::uint8_t flag, const TBytes& data) {
    const std::size_t length = data.size() + 2;
    tap.push_back(static_cast<std::uint8_t>(length));
    tap.push_back(static_cast<std::uint8_t>(length >> 8));
    std::uint8_t sum = flag;
    tap.push_back(flag);
    for (std::uint8_t b : data) {
        tap.push_back(b);
        sum ^= b;
    }
    tap.push_back(sum);
}

// A tape of a code file: its header (loaded at address) and its data.
inline TBytes CodeTape(const TBytes& code, unsigned address) {
    TBytes header{3, 'f', 'o', 'n', 't', 's', ' ', ' ', ' ', ' ', ' '};
    for (unsigned word : {static_cast<unsigned>(code.size()), address, 32768u}) {
        header.push_back(static_cast<std::uint8_t>(word));
        header.push_back(static_cast<std::uint8_t>(word >> 8));
    }
    TBytes tap;
    AppendTapBlock(tap, 0x00, header);
    AppendTapBlock(tap, 0xFF, code);
    return tap;
}

// A 48K .z80 snapshot (version 1, uncompressed) of memory from 0x4000 on.
inline TBytes Snapshot48(const TBytes& memory) {
    TBytes z80(30, 0);
    z80[6] = 0x00; // PC 0x8000: a version 1 file
    z80[7] = 0x80;
    z80[8] = 0x00; // SP
    z80[9] = 0xFF;
    z80[12] = 0x02; // border 1, not compressed
    z80[27] = z80[28] = 0;
    z80[29] = 1; // interrupt mode 1
    z80.insert(z80.end(), memory.begin(), memory.end());
    return z80;
}

} // namespace testdata

namespace testdata {

// A 128K .sna snapshot: 8 pages of 16K (page 0 paged in at 0xC000).
inline TBytes Snapshot128(const std::vector<TBytes>& pages) {
    TBytes sna(27, 0);
    sna[23] = 0x00; // SP 0xFF00
    sna[24] = 0xFF;
    sna[25] = 1; // interrupt mode
    for (int page : {5, 2, 0})
        sna.insert(sna.end(), pages[static_cast<std::size_t>(page)].begin(),
                   pages[static_cast<std::size_t>(page)].end());
    sna.insert(sna.end(), {0x00, 0x80, 0x10, 0x00}); // PC, port 0x7FFD, no TR-DOS
    for (int page : {1, 3, 4, 6, 7})
        sna.insert(sna.end(), pages[static_cast<std::size_t>(page)].begin(),
                   pages[static_cast<std::size_t>(page)].end());
    return sna;
}

} // namespace testdata
