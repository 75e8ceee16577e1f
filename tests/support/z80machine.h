#pragma once
// A bare 48K Spectrum for tests and benchmarks: a Z80 (libz80ex) over 64 KB
// of plain memory, no ROM. Calls a routine until it returns, counts its
// T-states and records every write outside the regions allowed; on request
// the ULA's frame interrupt is raised while it runs.

#include <z80ex/z80ex.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "raster/raster.h"

namespace z80test {

class TZ80Machine {
  public:
    TZ80Machine() : Memory(0x10000, 0) {
        FCpu = z80ex_create(&Read, this, &Write, this, &PortRead, this, &PortWrite, this, &IntRead,
                            this);
    }
    ~TZ80Machine() { z80ex_destroy(FCpu); }
    TZ80Machine(const TZ80Machine&) = delete;
    TZ80Machine& operator=(const TZ80Machine&) = delete;

    std::vector<std::uint8_t> Memory;
    // Writes are allowed to [first, last] ranges; others are counted.
    std::vector<std::pair<unsigned, unsigned>> Writable;
    int StrayWrites = 0;
    unsigned FirstStray = 0;

    void Load(unsigned address, const std::vector<std::uint8_t>& bytes) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            Memory[(address + i) & 0xFFFF] = bytes[i];
    }

    // Runs the routine at pc with the registers given until it returns to the
    // sentinel address 0; false when it has not returned within limit
    // T-states. Tstates then holds what it took, the call's own CALL and RET
    // left out (the routine runs from its first instruction).
    bool Call(unsigned pc, unsigned hl, unsigned de, unsigned bc, long long limit = 200000000LL) {
        z80ex_reset(FCpu);
        const unsigned sp = 0x5FF0;
        Memory[sp] = 0;
        Memory[sp + 1] = 0;
        z80ex_set_reg(FCpu, regSP, static_cast<Z80EX_WORD>(sp));
        z80ex_set_reg(FCpu, regPC, static_cast<Z80EX_WORD>(pc));
        z80ex_set_reg(FCpu, regHL, static_cast<Z80EX_WORD>(hl));
        z80ex_set_reg(FCpu, regDE, static_cast<Z80EX_WORD>(de));
        z80ex_set_reg(FCpu, regBC, static_cast<Z80EX_WORD>(bc));
        // Registers a caller may keep: IX, IY and the alternate set.
        const Z80_REG_T kept[] = {regIX, regIY, regAF_, regBC_, regDE_, regHL_};
        const Z80EX_WORD values[] = {0x1357, 0x5C3A, 0x2468, 0x1122, 0x3344, 0x5566};
        for (int i = 0; i < 6; ++i)
            z80ex_set_reg(FCpu, kept[i], values[i]);
        z80ex_set_reg(FCpu, regIFF1, InterruptsOn ? 1 : 0);
        z80ex_set_reg(FCpu, regIFF2, InterruptsOn ? 1 : 0);
        if (InterruptMode != 0) {
            z80ex_set_reg(FCpu, regIM, static_cast<Z80EX_WORD>(InterruptMode));
            z80ex_set_reg(FCpu, regI, InterruptVector);
        }
        Tstates = 0;
        InterruptsTaken = 0;
        LowestSP = HighestSP = sp;
        long long lastFrame = -1; // the frame whose interrupt was taken
        while (Tstates < limit) {
            Tstates += z80ex_step(FCpu);
            const long long sinceFirst = Tstates - FramePhase;
            const unsigned nowSP = z80ex_get_reg(FCpu, regSP);
            LowestSP = std::min(LowestSP, nowSP);
            HighestSP = std::max(HighestSP, nowSP);
            if (z80ex_last_op_type(FCpu) == 0 && z80ex_get_reg(FCpu, regPC) == 0) {
                // Interrupts whose whole length passed before the return.
                InterruptsRaised = sinceFirst < kIntLength
                                       ? 0
                                       : static_cast<int>((sinceFirst - kIntLength) / kFrame + 1);
                KeptRegisters = true;
                for (int i = 0; i < 6; ++i)
                    KeptRegisters = KeptRegisters && z80ex_get_reg(FCpu, kept[i]) == values[i];
                InterruptsOnAtReturn = z80ex_get_reg(FCpu, regIFF1) != 0;
                return true;
            }
            if (InterruptMode != 0 && sinceFirst >= 0 && sinceFirst % kFrame < kIntLength &&
                sinceFirst / kFrame != lastFrame) {
                // Held low for its whole length: taken at the first
                // instruction boundary where the processor accepts it.
                const int t = z80ex_int(FCpu);
                if (t > 0) {
                    Tstates += t;
                    lastFrame = sinceFirst / kFrame;
                    ++InterruptsTaken;
                }
            }
        }
        return false;
    }
    long long Tstates = 0;
    // After Call: IX, IY, AF', BC', DE' and HL' hold what they held before.
    bool KeptRegisters = false;
    // Call starts with interrupts enabled when set; after
    // it, whether the routine returned with them enabled.
    bool InterruptsOn = false;
    bool InterruptsOnAtReturn = false;

    // The frame interrupt for Call: INT held for 32 T-states every 69,888,
    // the first FramePhase T-states after the call, in mode 1 (the handler
    // at 0x0038) or mode 2 (the vector at InterruptVector * 256 + 255); 0
    // raises none.
    static constexpr long long kFrame = 69888;
    static constexpr long long kIntLength = 32;
    int InterruptMode = 0;
    std::uint8_t InterruptVector = 0;
    long long FramePhase = 0;
    // After Call: the interrupts raised (whole) before the return, those the
    // processor took, and the lowest and highest SP after any instruction.
    int InterruptsRaised = 0;
    int InterruptsTaken = 0;
    unsigned LowestSP = 0;
    unsigned HighestSP = 0;

    // Runs from pc with the stack at sp until the processor halts; false
    // when it has not within limit T-states.
    bool RunToHalt(unsigned pc, unsigned sp, long long limit = 200000000LL) {
        z80ex_reset(FCpu);
        z80ex_set_reg(FCpu, regSP, static_cast<Z80EX_WORD>(sp));
        z80ex_set_reg(FCpu, regPC, static_cast<Z80EX_WORD>(pc));
        z80ex_set_reg(FCpu, regIY, 0x5C3A);
        Tstates = 0;
        while (Tstates < limit) {
            Tstates += z80ex_step(FCpu);
            if (z80ex_doing_halt(FCpu)) return true;
        }
        return false;
    }
    // The last value written to the ULA's port (any even port), or -1.
    int Ula = -1;

    // For running a ROM: writes below 0x4000 are ignored, and the keys held
    // (a bit for each key of the eight half rows, as the ULA reads them).
    bool RomLocked = false;
    std::uint8_t Keys[8] = {};

    // Blocks of a tape as a .tap file holds them (flag, data, checksum): the
    // ROM's LD-BYTES (0x0556) takes the next one at once, as an emulator's
    // tape trap does.
    std::vector<std::vector<std::uint8_t>> Tape;

    // Runs from where the processor is, with the 50 Hz interrupt, for frames.
    void RunFrames(int frames) {
        for (int f = 0; f < frames; ++f) {
            long long t = 0;
            while (t < 69888) {
                if (!Tape.empty() && z80ex_get_reg(FCpu, regPC) == 0x0556 &&
                    z80ex_last_op_type(FCpu) == 0)
                    LoadBlock();
                t += z80ex_step(FCpu);
            }
            z80ex_int(FCpu);
        }
    }
    // Starts the processor from address 0, as when the machine is switched on.
    void Reset() { z80ex_reset(FCpu); }

    // The screen bitmap at 0x4000, decoded from its interleaved rows: black
    // for a set bit, white for a clear one.
    TRaster Screen() const {
        TRaster raster(256, 192, clWhite);
        for (int y = 0; y < 192; ++y) {
            const unsigned row = 0x4000 | ((y & 0xC0) << 5) | ((y & 7) << 8) | ((y & 0x38) << 2);
            for (int x = 0; x < 256; ++x)
                if (Memory[row + static_cast<unsigned>(x >> 3)] & (0x80 >> (x & 7)))
                    raster.SetPixel(x, y, clBlack);
        }
        return raster;
    }

  private:
    // LD-BYTES: A = the flag wanted, IX = where, DE = how many; returns with
    // carry set when loaded.
    void LoadBlock() {
        const std::vector<std::uint8_t> block = Tape.front();
        Tape.erase(Tape.begin());
        unsigned af = z80ex_get_reg(FCpu, regAF);
        unsigned ix = z80ex_get_reg(FCpu, regIX);
        const unsigned length = z80ex_get_reg(FCpu, regDE);
        const bool loaded = !block.empty() && block[0] == (af >> 8) && block.size() >= length + 2;
        if (loaded) {
            for (unsigned i = 0; i < length; ++i)
                Memory[(ix + i) & 0xFFFF] = block[1 + i];
            ix += length;
            z80ex_set_reg(FCpu, regIX, static_cast<Z80EX_WORD>(ix & 0xFFFF));
            z80ex_set_reg(FCpu, regDE, 0);
        }
        af = loaded ? (af | 1) : (af & ~1u);
        z80ex_set_reg(FCpu, regAF, static_cast<Z80EX_WORD>(af));
        const unsigned sp = z80ex_get_reg(FCpu, regSP); // RET
        z80ex_set_reg(FCpu, regPC,
                      static_cast<Z80EX_WORD>(Memory[sp] | (Memory[(sp + 1) & 0xFFFF] << 8)));
        z80ex_set_reg(FCpu, regSP, static_cast<Z80EX_WORD>((sp + 2) & 0xFFFF));
    }

    static Z80EX_BYTE Read(Z80EX_CONTEXT*, Z80EX_WORD addr, int, void* self) {
        return static_cast<TZ80Machine*>(self)->Memory[addr];
    }
    static void Write(Z80EX_CONTEXT*, Z80EX_WORD addr, Z80EX_BYTE value, void* self) {
        auto* m = static_cast<TZ80Machine*>(self);
        if (m->RomLocked && addr < 0x4000) return;
        bool ok = m->Writable.empty();
        for (const auto& range : m->Writable)
            ok = ok || (addr >= range.first && addr <= range.second);
        if (!ok && m->StrayWrites++ == 0) m->FirstStray = addr;
        m->Memory[addr] = value;
    }
    static Z80EX_BYTE PortRead(Z80EX_CONTEXT*, Z80EX_WORD port, void* self) {
        Z80EX_BYTE value = 0xFF;
        if ((port & 1) != 0) return value;
        for (int row = 0; row < 8; ++row)
            if ((port & (0x100 << row)) == 0)
                value &= static_cast<Z80EX_BYTE>(~static_cast<TZ80Machine*>(self)->Keys[row]);
        return value;
    }
    static void PortWrite(Z80EX_CONTEXT*, Z80EX_WORD port, Z80EX_BYTE value, void* self) {
        if ((port & 1) == 0) static_cast<TZ80Machine*>(self)->Ula = value;
    }
    static Z80EX_BYTE IntRead(Z80EX_CONTEXT*, void*) { return 0xFF; }

    Z80EX_CONTEXT* FCpu = nullptr;
};

} // namespace z80test
