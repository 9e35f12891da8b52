// libFuzzer entry for the settings file: decoding, reading every key, writing and erasing.
#include "fuzz/platform/IniFuzzHarness.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const TIniFuzzSummary summary = FuzzIniFile(data, size);
    if (!summary.Finding.empty()) {
        std::fprintf(stderr, "finding: %s\n", summary.Finding.c_str());
        std::abort();
    }
    return 0;
}
