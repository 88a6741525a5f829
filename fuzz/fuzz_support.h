#pragma once
// What every fuzz harness shares: a scratch folder of the process's own for
// entry points that take a path, the checks a sound result must pass, and
// the sparse form of large images (a disk image is mostly zeros; the fuzzer
// mutates the blocks that matter instead of a megabyte of padding).
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "model/bytes.h"
#include "model/levelmap.h"

namespace pyrovel::fuzz {

// A folder of this process's own in the system's temporary folder, made on
// first use and removed when the process ends.
const std::string& scratchFolder();
// Writes `data` to a file named `name` in the scratch folder; its path.
std::string writeScratchFile(std::string_view name, std::span<const std::uint8_t> data);

// A harness check that failed: says what and aborts, so the fuzzer keeps
// the input as a crash and a test run fails.
[[noreturn]] void fail(const std::string& what);
// For checks that run once per input; the message is built either way.
inline void expect(bool condition, const std::string& what) {
  if (!condition) fail(what);
}

// Every level is at most 128 x 128 and the current level and layer exist:
// what the editor needs to show and save any levelmap a reader leaves.
void expectLevelsFit(const Levelmap& map);
// Both levelmaps hold the same levels: sizes and both layers' cells inside
// each level that is not empty in `expected`. `what` names the comparison in the failure.
void expectSameCells(const Levelmap& expected, const Levelmap& actual, std::string_view what);

// The sparse form: a 4-byte little-endian image size (at most `maxSize`),
// then runs of a 4-byte offset, a 2-byte length and that many bytes, laid
// over an image of zeros. Offsets wrap at the image size and runs are cut
// at its end, so every input gives an image.
Bytes expandSparseImage(std::span<const std::uint8_t> input, std::size_t maxSize);
// The sparse form of an image, for the seed corpus.
Bytes sparseImageOf(const Bytes& image);

}  // namespace pyrovel::fuzz
