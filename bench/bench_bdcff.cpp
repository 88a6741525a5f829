// BDCFF import of a 100-cave levelset against reading the same file's bytes:
// the ratio of the two times is what the import itself costs.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bench_levels.h"
#include "bench_support.h"
#include "formats/bdcff_random.h"
#include "formats/levelset_io.h"
#include "model/file_io.h"

namespace {

using namespace pyrovel;

// One read of a BDCFF file as the editor does it: the bytes, then the reader
// filling `map`.
void readBdcffFile(const std::string& path, Levelmap& map, Frontend& ui) {
  const Bytes data = readFileBytes(path);
  ReadReport report;
  LevelsetRead read{map, report, ui, false};
  readBdcff(read, data, path);
}

// A levelset of 100 caves of 40 x 22 with two-character codes and a few
// kept lines each, written once into the temporary folder.
const std::string& hundredCaveFile() {
  static const std::string path = [] {
    std::string text = "[BDCFF]\n[game]\n[mapcodes]\nLength=2\n[/mapcodes]\n";
    const char* codes[] = {"..", "RR", "$1", "  ", "Ws", "Bl", "Nu", "Dy", "am", "ZZ"};
    for (int cave = 0; cave < 100; ++cave) {
      text += "[cave]\nName=Cave number " + std::to_string(cave) +
              "\nDiamondsRequired=25\nCaveTime=150\nMagicWallTime=20\nColors=Black Orange\n"
              "Intermission=false\nSize=40 22\n[map]\n";
      for (int y = 0; y < 22; ++y) {
        for (int x = 0; x < 40; ++x) text += codes[(x * 7 + y * 3 + cave) % 10];
        text += "\n";
      }
      text += "[/map]\n[/cave]\n";
    }
    text += "[/game]\n[/BDCFF]\n";
    return bench::temporaryTextFile("pyrovel_bench_100_caves.bd", text);
  }();
  return path;
}

void BM_BdcffImport100Caves(benchmark::State& state) {
  const std::string& path = hundredCaveFile();
  SilentFrontend ui;
  auto map = std::make_unique<Levelmap>();
  bench::compareTimes(
      state, "BDCFF import of 100 caves of 40 x 22", "reading the file", 0,
      [&] {
        readBdcffFile(path, *map, ui);
        benchmark::DoNotOptimize(map->cell(0, 100, 39, 21));
      },
      [&] { benchmark::DoNotOptimize(readFileBytes(path)); });
}
BENCHMARK(BM_BdcffImport100Caves)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// The cells of the 100 caves of 40 x 22 the file gives, cave by cave.
std::vector<std::int32_t> cellsOf(const std::string& path) {
  SilentFrontend ui;
  auto read = std::make_unique<Levelmap>();
  readBdcffFile(path, *read, ui);
  std::vector<std::int32_t> cells;
  for (int slot = 1; slot <= 100; ++slot) {
    for (int y = 0; y < 22; ++y) {
      for (int x = 0; x < 40; ++x) cells.push_back(read->cell(0, slot, x, y));
    }
  }
  return cells;
}

// The reference of the object-cave rows: reading the file's bytes and
// writing the cells it gives into a levelmap.
void readAndWriteCells(const std::string& path, const std::vector<std::int32_t>& cells,
                       Levelmap& target) {
  const Bytes bytes = readFileBytes(path);
  benchmark::DoNotOptimize(bytes.data());
  std::size_t i = 0;
  for (int slot = 1; slot <= 100; ++slot) {
    for (int y = 0; y < 22; ++y) {
      for (int x = 0; x < 40; ++x) target.cell(0, slot, x, y) = cells[i++];
    }
  }
  benchmark::ClobberMemory();
}

// The import against what it cannot do without: reading the file's bytes
// and writing the cells of its 100 caves into a levelmap (x_baseline). The
// reader takes one plain path for each job and keeps the file's element of
// every cell, about 7 times the reference and well under a millisecond for
// the 100 caves: good enough, so the goal is 8.
void BM_BdcffImport100ObjectCaves(benchmark::State& state) {
  const std::string& path = bench::hundredObjectCavesFile();
  SilentFrontend ui;
  auto read = std::make_unique<Levelmap>();
  const std::vector<std::int32_t> cells = cellsOf(path);
  auto target = std::make_unique<Levelmap>();
  bench::compareTimes(
      state, "BDCFF import of 100 caves drawn by [objects]",
      "reading the file and writing the cells it gives", 8,
      [&] {
        readBdcffFile(path, *read, ui);
        benchmark::DoNotOptimize(read->cell(0, 100, 39, 21));
      },
      [&] { readAndWriteCells(path, cells, *target); });
}
BENCHMARK(BM_BdcffImport100ObjectCaves)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The game's random fill of those caves alone: one value of the generator
// for each cell inside the border, read from the values laid out once.
// Against the same reference, this row shows how much of the import's
// ratio the fill accounts for.
void BM_BdcffRandomFillAlone(benchmark::State& state) {
  const std::string& path = bench::hundredObjectCavesFile();
  const std::array<RandomFillEntry, 4> entries{{{1, 60}, {2, 50}, {3, 9}, {4, 2}}};
  std::vector<Cell> cave(40 * kGridSide);
  RandomFillColumns job;
  job.width = 40;
  job.height = 22;
  const std::array<Cell, 256> pick = randomFillPick(0, entries);
  job.pick = pick.data();
  job.cells = cave.data();
  job.step = kGridSide;
  const std::vector<std::int32_t> cells = cellsOf(bench::hundredObjectCavesFile());
  auto target = std::make_unique<Levelmap>();
  bench::compareTimes(
      state, "the random fill alone of those 100 caves",
      "reading the file and writing the cells it gives", 0,
      [&] {
        for (int seed = 0; seed < 100; ++seed) {
          job.seed = seed;
          c64RandomFillColumns(job);
          benchmark::DoNotOptimize(cave.data());
        }
      },
      [&] { readAndWriteCells(path, cells, *target); });
}
BENCHMARK(BM_BdcffRandomFillAlone)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
