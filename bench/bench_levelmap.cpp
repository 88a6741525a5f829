// Reading and writing a full levelmap (100 levels of 128 x 128 with
// background layers) against a raw read or write of the same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "bench_support.h"
#include "model/file_io.h"
#include "model/game_format.h"

namespace {

using namespace pyrovel;

std::unique_ptr<Levelmap> fullLevelmap() {
  auto map = std::make_unique<Levelmap>();
  for (int slot = 1; slot <= 100; ++slot) {
    LevelHeader& h = map->header(slot);
    h.setWidth(128);
    h.setHeight(128);
    h.setHasBackgroundLayer(1);
    for (int x = 0; x < 128; ++x)
      for (int y = 0; y < 128; ++y) {
        map->cell(kGameLayer, slot, x, y) = (x * 7 + y * 3 + slot) % 256;
        map->cell(kBackgroundLayer, slot, x, y) = (x + y) % 256;
      }
  }
  return map;
}

std::string benchPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

// Reading: the whole file read and parsed, against reading its bytes only.
void BM_ReadLevelmap(benchmark::State& state) {
  auto map = fullLevelmap();
  SilentFrontend ui;
  const std::string path = benchPath("prvl_bench_read.map");
  writeLevel(*map, ui, path);
  const double raw = bench::secondsPerCall([&] { benchmark::DoNotOptimize(readFileBytes(path)); });
  auto target = std::make_unique<Levelmap>();
  bench::runAgainstBaseline(state, raw, [&] {
    Bytes data = readFileBytes(path);
    readGrot3Level(*target, data, path);
  });
}

// Writing: encoding and the atomic save, against saving the same bytes.
void BM_WriteLevelmap(benchmark::State& state) {
  auto map = fullLevelmap();
  SilentFrontend ui;
  const std::string path = benchPath("prvl_bench_write.map");
  const Bytes bytes = encodeLevelmap(*map, ui);
  const double raw = bench::secondsPerCall([&] { writeFileAtomically(path, bytes); });
  bench::runAgainstBaseline(state, raw, [&] { writeLevel(*map, ui, path); });
}

BENCHMARK(BM_ReadLevelmap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteLevelmap)->Unit(benchmark::kMillisecond);

}  // namespace
