// libFuzzer entry for the options text parser and the section and image value builders.
#include "fuzz/skin/SkinFuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzSkinOptions(data, size);
    return 0;
}
