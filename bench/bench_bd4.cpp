// Saving a BD4 levelset from a levelmap of 100 levels against a raw atomic
// write of the same bytes: the ratio is what fitting and encoding cost.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench_support.h"
#include "formats/bd4_levelset.h"
#include "formats/levelset_io.h"
#include "model/editor_session.h"
#include "model/file_io.h"

namespace {

using namespace pyrovel;

std::string bd4BenchPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

// 100 levels of 40 x 22 with a mix of objects that the EM tables know and
// do not know.
void fillHundredLevels(Levelmap& map) {
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    LevelHeader& h = map.header(slot);
    h.setWidth(40);
    h.setHeight(22);
    map.clearLayer(kGameLayer, slot);
    for (int x = 1; x < 39; ++x) {
      for (int y = 2; y < 21; ++y) map.cell(kGameLayer, slot, x, y) = (x * 7 + y * 3 + slot) % 256;
    }
    for (int p = 0; p < 4; ++p) h.setYam(p, 1, 1, 4);
    h.setLevelTime(150);
    h.setDiamondsToCollect(25);
  }
}

void BM_SaveasBD4_100Levels(benchmark::State& state) {
  SilentFrontend ui;
  auto session = std::make_unique<EditorSession>(ui);
  fillHundredLevels(session->map);
  const std::string path = bd4BenchPath("prvl_bench_set.lev");
  std::vector<std::string> notes;
  const Bytes bytes = encodeBd4Levelset(session->map, notes);
  bench::compareTimes(
      state, "BD4 save of 100 levels of 40 x 22", "an atomic write of the same bytes", 0,
      [&] { writeFileAtomically(path, encodeBd4Levelset(session->map, notes)); },
      [&] { writeFileAtomically(path, bytes); });
}
BENCHMARK(BM_SaveasBD4_100Levels)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
