#include "spectrum/printroutine.h"

// Written by spectrum/embed.cmake from the two assemblies of each routine.
#define QUORREL_ROUTINE_DATA(name)                                                                 \
    namespace name##_data {                                                                        \
        extern const unsigned char kCode[];                                                        \
        extern const unsigned kCodeSize;                                                           \
        extern const unsigned short kRelocations[];                                                \
        extern const unsigned kRelocationCount;                                                    \
        extern const unsigned char kSource[];                                                      \
        extern const unsigned kSourceSize;                                                         \
    }
QUORREL_ROUTINE_DATA(fzxprint)
QUORREL_ROUTINE_DATA(fzxcompact)

namespace {

struct TRoutineData {
    const unsigned char* Code;
    unsigned CodeSize;
    const unsigned short* Relocations;
    unsigned RelocationCount;
    const unsigned char* Source;
    unsigned SourceSize;
};

TRoutineData Data(TPrintRoutine kind) {
    if (kind == TPrintRoutine::Compact) {
        using namespace fzxcompact_data;
        return {kCode, kCodeSize, kRelocations, kRelocationCount, kSource, kSourceSize};
    }
    using namespace fzxprint_data;
    return {kCode, kCodeSize, kRelocations, kRelocationCount, kSource, kSourceSize};
}

} // namespace

std::vector<std::uint8_t> PrintRoutineAt(std::uint16_t org, TPrintRoutine kind) {
    const TRoutineData d = Data(kind);
    std::vector<std::uint8_t> code(d.Code, d.Code + d.CodeSize);
    // Assembled at 0x0000, each of its own addresses is an offset; every
    // listed byte is the high byte of such a word, its low byte just before.
    for (unsigned i = 0; i < d.RelocationCount; ++i) {
        const unsigned at = d.Relocations[i];
        const unsigned word = code[at - 1] | (code[at] << 8);
        const unsigned moved = (word + org) & 0xFFFF;
        code[at - 1] = static_cast<std::uint8_t>(moved & 0xFF);
        code[at] = static_cast<std::uint8_t>(moved >> 8);
    }
    return code;
}

std::size_t PrintRoutineSize(TPrintRoutine kind) {
    return Data(kind).CodeSize;
}

std::string PrintRoutineSource(TPrintRoutine kind) {
    const TRoutineData d = Data(kind);
    return std::string(reinterpret_cast<const char*>(d.Source), d.SourceSize);
}
