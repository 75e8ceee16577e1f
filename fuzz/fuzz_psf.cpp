// Feeds arbitrary bytes to the PSF reader; whatever it accepts and the PSF
// writer can write (widths up to 8, heights up to 32) must read back to the
// same font without a report line.

#include <cstdint>

#include "formats/psffile.h"
#include "roundtrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckTextFormatRoundTrip(data, size, ReadPSF, WritePSF);
    return 0;
}
