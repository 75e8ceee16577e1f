// Feeds arbitrary bytes to the yaff reader; whatever it accepts must also be
// writable as yaff and read back to the same font without a report line.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "formats/yafffile.h"
#include "roundtrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckTextFormatRoundTrip(data, size, ReadYaff, WriteYaff);
    return 0;
}
