// BDCFF import of a 100-cave levelset against reading the same file's bytes:
// the ratio of the two times is what the import itself costs.
#include <filesystem>
#include <string>

#include "bench_support.h"
#include "formats/levelset_io.h"
#include "model/file_io.h"

namespace {

using namespace pyrovel;

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
    const std::string file =
        (std::filesystem::temp_directory_path() / "pyrovel_bench_100_caves.bd").string();
    writeFileAtomically(file, text);
    return file;
  }();
  return path;
}

void BM_BdcffImport100Caves(benchmark::State& state) {
  const std::string& path = hundredCaveFile();
  SilentFrontend ui;
  Levelmap map;
  bench::compareTimes(
      state, "BDCFF import of 100 caves of 40 x 22", "reading the file", 0,
      [&] {
        const Bytes data = readFileBytes(path);
        ReadReport report;
        LevelsetRead read{map, report, ui, false};
        readBdcff(read, data, path);
        benchmark::DoNotOptimize(map.cell(0, 100, 39, 21));
      },
      [&] { benchmark::DoNotOptimize(readFileBytes(path)); });
}
BENCHMARK(BM_BdcffImport100Caves)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
