// The libFuzzer entry of one harness; the build compiles it once per name
// in harnesses.txt with PYROVEL_FUZZ_HARNESS set to that name.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return pyrovel::fuzz::runTarget(PYROVEL_FUZZ_HARNESS, data, size);
}
