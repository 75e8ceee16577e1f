#include "spectrum/printroutine.h"

// Written by spectrum/embed.cmake from the two assemblies of the routine.
namespace printroutine_data {
extern const unsigned char kCode[];
extern const unsigned kCodeSize;
extern const unsigned short kRelocations[];
extern const unsigned kRelocationCount;
extern const unsigned char kSource[];
extern const unsigned kSourceSize;
} // namespace printroutine_data

std::vector<std::uint8_t> PrintRoutineAt(std::uint16_t org) {
    using namespace printroutine_data;
    std::vector<std::uint8_t> code(kCode, kCode + kCodeSize);
    // Assembled at 0x0000, each of its own addresses is an offset; every
    // listed byte is the high byte of such a word, its low byte just before.
    for (unsigned i = 0; i < kRelocationCount; ++i) {
        const unsigned at = kRelocations[i];
        const unsigned word = code[at - 1] | (code[at] << 8);
        const unsigned moved = (word + org) & 0xFFFF;
        code[at - 1] = static_cast<std::uint8_t>(moved & 0xFF);
        code[at] = static_cast<std::uint8_t>(moved >> 8);
    }
    return code;
}

std::size_t PrintRoutineSize() {
    return printroutine_data::kCodeSize;
}

std::string PrintRoutineSource() {
    using namespace printroutine_data;
    return std::string(reinterpret_cast<const char*>(kSource), kSourceSize);
}
