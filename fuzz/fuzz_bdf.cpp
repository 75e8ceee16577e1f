// Feeds arbitrary bytes to the BDF reader; whatever it accepts must also be
// writable as BDF and read back to the same font without a report line.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "formats/bdffile.h"
#include "roundtrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckTextFormatRoundTrip(data, size, ReadBDF, WriteBDF);
    return 0;
}
