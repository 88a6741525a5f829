#include "fuzz/fuzz_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace pyrovel::fuzz {

namespace {

// Removes the folder when the process ends normally; after a crash the
// fuzzer's reproducer is what counts, not the scratch files.
class ScratchFolder {
 public:
  ScratchFolder() {
    path_ = (std::filesystem::temp_directory_path() / ("prvl-fuzz-" + std::to_string(::getpid())))
                .string();
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

const std::string& scratchFolder() {
  static const ScratchFolder folder;
  return folder.path();
}

std::string writeScratchFile(std::string_view name, std::span<const std::uint8_t> data) {
  const std::string path = scratchFolder() + "/" + std::string(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  if (!out) fail("cannot write the scratch file " + path);
  return path;
}

void fail(const std::string& what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
  std::abort();
}

void expectLevelsFit(const Levelmap& map) {
  if (map.currentLevel < kFirstSlot || map.currentLevel > kLastSlot) {
    fail("current level " + std::to_string(map.currentLevel) + " is no level");
  }
  if (map.currentLayer != kGameLayer && map.currentLayer != kBackgroundLayer) {
    fail("current layer " + std::to_string(map.currentLayer) + " is no layer");
  }
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    const LevelHeader& h = map.header(slot);
    if (h.width() > kMaxLevelSide || h.height() > kMaxLevelSide) {
      fail("level " + std::to_string(Levelmap::levelNumber(slot)) + " is " +
           std::to_string(h.width()) + " x " + std::to_string(h.height()) +
           ", larger than its grid");
    }
  }
}

// The messages are built only for a failure: the checks run on every cell
// of every input.
void expectSameCells(const Levelmap& expected, const Levelmap& actual, std::string_view what) {
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    // A format of a fixed number of records writes something for an empty slot.
    if (expected.isEmptyLevel(slot)) continue;
    const LevelHeader& a = expected.header(slot);
    const LevelHeader& b = actual.header(slot);
    auto level = [&] {
      return std::string(what) + ": level " + std::to_string(Levelmap::levelNumber(slot));
    };
    if (a.width() != b.width() || a.height() != b.height()) {
      fail(level() + " is " + std::to_string(b.width()) + " x " + std::to_string(b.height()) +
           " instead of " + std::to_string(a.width()) + " x " + std::to_string(a.height()));
    }
    for (int layer : {kGameLayer, kBackgroundLayer}) {
      for (int x = 0; x < a.width(); ++x) {
        for (int y = 0; y < a.height(); ++y) {
          const int want = expected.cell(layer, slot, x, y), got = actual.cell(layer, slot, x, y);
          if (want != got) {
            fail(level() + " layer " + std::to_string(layer) + " cell (" + std::to_string(x) +
                 ", " + std::to_string(y) + ") is " + std::to_string(got) + " instead of " +
                 std::to_string(want));
          }
        }
      }
    }
  }
}

Bytes expandSparseImage(std::span<const std::uint8_t> input, std::size_t maxSize) {
  if (input.size() < 4) return {};
  const std::size_t size = getU32le(input.data()) % (maxSize + 1);
  Bytes image(size, 0);
  std::size_t at = 4;
  while (size > 0 && input.size() - at >= 6) {
    std::size_t offset = getU32le(&input[at]) % size;
    std::size_t length = getU16le(&input[at + 4]);
    at += 6;
    length = std::min<std::size_t>({length, input.size() - at, size - offset});
    std::copy_n(input.begin() + static_cast<std::ptrdiff_t>(at), length,
                image.begin() + static_cast<std::ptrdiff_t>(offset));
    at += length;
  }
  return image;
}

Bytes sparseImageOf(const Bytes& image) {
  ByteWriter out;
  out.u32le(static_cast<std::uint32_t>(image.size()));
  // Runs of non-zero bytes; gaps of fewer than 8 zeros stay inside a run.
  std::size_t i = 0;
  while (i < image.size()) {
    if (image[i] == 0) {
      ++i;
      continue;
    }
    std::size_t end = i, zeros = 0;
    for (std::size_t j = i; j < image.size() && zeros < 8 && j - i < 0xFFFF; ++j) {
      zeros = image[j] == 0 ? zeros + 1 : 0;
      if (image[j] != 0) end = j + 1;
    }
    out.u32le(static_cast<std::uint32_t>(i));
    out.u16le(static_cast<std::uint16_t>(end - i));
    out.bytes(std::span<const std::uint8_t>(image).subspan(i, end - i));
    i = end;
  }
  return out.take();
}

}  // namespace pyrovel::fuzz
