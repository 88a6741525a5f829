// Opening and saving levelmaps: `prvl info` and `prvl convert` as whole
// processes against the bench program reading (and summing) or copying the
// same file, the save alone in process, and what an empty levelmap costs.
#include <malloc.h>

#include "bench_levels.h"
#include "bench_support.h"
#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/game_format.h"

namespace {

using namespace pyrovel;

constexpr int kProcessRounds = 9;

std::string savedMap(const char* name, Levelmap& map) {
  SilentFrontend ui;
  const std::string file = bench::tempPath(name);
  writeLevel(map, ui, file);
  return file;
}

// The largest levelmap (6.6 MB) and one with a single level, written once.
const std::string& fullMapFile() {
  static const std::string path = savedMap("prvl_bench_full.map", *bench::fullLevelmap());
  return path;
}

const std::string& oneLevelFile() {
  static const std::string path = savedMap("prvl_bench_one.map", *bench::typicalLevel());
  return path;
}

std::string prvl() {
  return bench::programFolder() + "/prvl";
}

std::string reference() {
  return bench::referenceProgram();
}

void compareInfo(benchmark::State& state, const std::string& file, const std::string& what,
                 double limit) {
  bench::compareTimes(
      state, "`prvl info` on " + what, "a process reading and summing it", limit,
      [&] {
        bench::runProgram({prvl(), "info", file});
      },
      [&] {
        bench::runProgram({reference(), "--read-and-sum", file});
      },
      kProcessRounds);
}

void BM_InfoOneLevel(benchmark::State& state) {
  compareInfo(state, oneLevelFile(), "a one-level map", 2.0);
}
BENCHMARK(BM_InfoOneLevel)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_InfoFullLevelmap(benchmark::State& state) {
  compareInfo(state, fullMapFile(), "100 levels of 128 x 128, both layers (6.6 MB)", 1.5);
}
BENCHMARK(BM_InfoFullLevelmap)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ConvertFullLevelmap(benchmark::State& state) {
  const std::string out = bench::tempPath("prvl_bench_converted.map");
  bench::compareTimes(
      state, "`prvl convert` of that map to .map", "a process reading it and writing it atomically",
      1.5,
      [&] {
        bench::runProgram({prvl(), "convert", fullMapFile(), out});
      },
      [&] {
        bench::runProgram({reference(), "--copy", fullMapFile(), out});
      },
      kProcessRounds);
}
BENCHMARK(BM_ConvertFullLevelmap)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// In process: reading the map, against reading its bytes.
void BM_ReadLevelmap(benchmark::State& state) {
  const std::string& path = fullMapFile();
  bench::compareTimes(
      state, "reading that map in process", "reading its bytes", 0,
      [&] {
        Levelmap target;
        readGrot3Level(target, readFileBytes(path), path);
        benchmark::DoNotOptimize(target.cell(kGameLayer, 100, 127, 127));
      },
      [&] { benchmark::DoNotOptimize(readFileBytes(path)); });
}
BENCHMARK(BM_ReadLevelmap)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// In process: encoding and the atomic save, against saving the same bytes.
void BM_WriteLevelmap(benchmark::State& state) {
  const auto map = bench::fullLevelmap();
  SilentFrontend ui;
  const std::string path = bench::tempPath("prvl_bench_write.map");
  const Bytes bytes = encodeLevelmap(*map, ui);
  bench::compareTimes(
      state, "saving that map in process", "an atomic write of the same bytes", 0,
      [&] { writeLevel(*map, ui, path); }, [&] { writeFileAtomically(path, bytes); });
}
BENCHMARK(BM_WriteLevelmap)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

std::size_t heapInUse() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

void BM_EmptyLevelmapMemory(benchmark::State& state) {
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::size_t before = heapInUse();
    auto map = std::make_unique<Levelmap>();
    bytes = heapInUse() - before;
    benchmark::DoNotOptimize(map->cell(kGameLayer, 1, 0, 0));
  }
  bench::record(state, {"heap of an empty levelmap", "1 MiB", "MiB",
                        static_cast<double>(bytes) / (1024.0 * 1024.0), 1.0, 1.0});
}
BENCHMARK(BM_EmptyLevelmapMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
