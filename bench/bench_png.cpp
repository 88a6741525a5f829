// A level as a PNG picture (what `prvl render` does) against zlib's fastest
// level compressing the same raw RGB pixels: time, size and peak memory.
#include <zlib.h>

#include "bench_levels.h"
#include "bench_support.h"
#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/game_format.h"
#include "render/default_sprites.h"
#include "render/level_picture.h"
#include "render/level_renderer.h"

namespace {

using namespace pyrovel;

constexpr int kCell = 32;
constexpr double kMiB = 1024.0 * 1024.0;

const SpriteStrip& defaultStrip() {
  static const SpriteStrip strip(std::make_shared<const ImageLibrary>(makeDefaultImageLibrary()),
                                 makeDefaultObjectTable());
  return strip;
}

// The picture as plain RGB bytes, what a generic compressor would be given.
Bytes rawRgb(const PixelBuffer& picture) {
  Bytes raw(picture.pixels.size() * 3);
  std::size_t i = 0;
  for (std::uint32_t p : picture.pixels) {
    raw[i++] = static_cast<std::uint8_t>(p >> 16);
    raw[i++] = static_cast<std::uint8_t>(p >> 8);
    raw[i++] = static_cast<std::uint8_t>(p);
  }
  return raw;
}

Bytes zlibFastest(const Bytes& raw) {
  uLongf size = compressBound(raw.size());
  Bytes out(size);
  compress2(out.data(), &size, raw.data(), raw.size(), 1);
  out.resize(size);
  return out;
}

Bytes typicalLevelRaw() {
  const auto map = bench::typicalLevel();
  PixelBuffer picture(kMaxLevelSide * kCell, kMaxLevelSide * kCell);
  drawLevel(*map, 1, kGameLayer, defaultStrip(), kCell, picture);
  return rawRgb(picture);
}

void BM_RenderPng(benchmark::State& state) {
  const auto map = bench::typicalLevel();
  const Bytes raw = typicalLevelRaw();
  const std::string png = bench::tempPath("prvl_bench_level.png");
  const std::string gz = bench::tempPath("prvl_bench_level.z");
  bench::compareTimes(
      state, "`prvl render --cell 32` of a 128 x 128 level, in process",
      "zlib level 1 of its raw RGB pixels, written", 1.5,
      [&] { writePng(png, levelPictureRows(*map, 1, kGameLayer, defaultStrip(), kCell)); },
      [&] { writeFileAtomically(gz, zlibFastest(raw)); }, 3);
}
BENCHMARK(BM_RenderPng)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PngSize(benchmark::State& state) {
  const auto map = bench::typicalLevel();
  const Bytes raw = typicalLevelRaw();
  std::size_t size = 0;
  for (auto _ : state)
    size = encodePng(levelPictureRows(*map, 1, kGameLayer, defaultStrip(), kCell)).size();
  bench::record(state, {"its PNG", "the raw RGB pixels", "MiB", static_cast<double>(size) / kMiB,
                        static_cast<double>(raw.size()) / kMiB, 0.15});
}
BENCHMARK(BM_PngSize)->Iterations(1)->Unit(benchmark::kMillisecond);

// Peak memory of the whole command, started as a process of its own.
void BM_RenderPeakMemory(benchmark::State& state) {
  const auto map = bench::typicalLevel();
  SilentFrontend ui;
  const std::string level = bench::tempPath("prvl_bench_level.map");
  writeLevel(*map, ui, level);
  const std::string prvl = bench::programFolder() + "/prvl";
  const std::string png = bench::tempPath("prvl_bench_level.png");
  std::size_t peak = 0;
  for (auto _ : state) {
    peak = bench::peakMemoryOf({prvl, "render", level, "--level", "0", "--cell", "32", "-o", png});
  }
  const double raw = static_cast<double>(kMaxLevelSide * kCell) * kMaxLevelSide * kCell * 3;
  bench::record(state, {"peak memory of that `prvl render`", "the raw RGB pixels", "MiB",
                        static_cast<double>(peak) / kMiB, raw / kMiB, 1.5});
}
BENCHMARK(BM_RenderPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
