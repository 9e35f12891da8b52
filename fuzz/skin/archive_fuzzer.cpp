// libFuzzer entry for the packed skin archive reader and the skin built from it.
#include "fuzz/skin/SkinFuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzSkinArchive(data, size);
    return 0;
}
