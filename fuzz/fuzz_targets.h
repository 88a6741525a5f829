#pragma once
// The entry points the fuzz harnesses drive, by harness name. The libFuzzer
// main of each harness and the regression test both run inputs through
// runTarget, so a reproducer replays in the normal build exactly as the
// fuzzer found it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pyrovel::fuzz {

// Every harness name, in the order of `fuzz/harnesses.txt`: "levelset_<key>"
// for each row of the levelset format table that reads, "import_<key>" for
// each import filter with a routine, and one name per other reader.
std::vector<std::string> harnessNames();
bool isHarness(std::string_view name);

// Runs one input through the named harness's entry point and checks the
// result. A clear error from the reader is a good outcome; a crash, a failed
// check or an error of any other kind is a finding. Returns 0, as libFuzzer
// wants.
int runTarget(std::string_view harness, const std::uint8_t* data, std::size_t size);

}  // namespace pyrovel::fuzz
