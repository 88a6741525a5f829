// Reading BDCFF levelsets: caves fill slots 1, 2, ... in file order
// (formats/bdcff_cave.h reads them). Lines of a cave the editor does not use
// are kept per level and written back by the export.
#include <algorithm>
#include <string_view>
#include <vector>

#include "formats/bdcff_cave.h"
#include "formats/bdcff_das_text.h"
#include "formats/levelset_io.h"
#include "model/errors.h"
#include "model/version.h"

namespace pyrovel {

void readBdcff(LevelsetRead& read, const Bytes& data, const std::string& path) {
  read.report.readerNote =
      std::string("Imported with BDCFF importfilter V0.1 beta. Editor version:") + kEditorVersion;
  // "Append levelset" fills from the current level on, like the DAS reader.
  const int first =
      read.appending ? std::clamp(read.map.currentLevel, kFirstSlot, kLastSlot) : kFirstSlot;
  int slot = first;
  {
    LevelsetReadEnd end(read);
    read.ui.progress(0, kLastSlot, "BDCFF import");
    BdcffLevelsetRead caves =
        readBdcffLevelset(asText(data), path, read.map, first, read.report.notes,
                          [&](int filled) { read.ui.progress(filled, kLastSlot, "BDCFF import"); });
    slot = caves.nextSlot;
    // Appended caves join the game the levelmap has, if it has one.
    if (!read.appending || read.map.bdcffGame.empty())
      read.map.bdcffGame = std::move(caves.gameLines);
  }
  // A file without caves is not a levelset: nothing is opened. The reader's
  // first note says why when a cave was there but could not be taken.
  if (slot == first) {
    const auto& notes = read.report.notes;
    throw LevelError(path, std::nullopt, std::nullopt,
                     "no BDCFF cave found" + (notes.empty() ? "" : " (" + notes.front() + ")"));
  }
  // The slot after the last cave is prepared as the next level to fill.
  if (slot <= kLastSlot) {
    LevelHeader& next = read.map.header(slot);
    next.setTitle("Cave" + std::to_string(slot));
    next.setHatchTime(24);
    next.setAmoebaGrowth(24);
  }
}

}  // namespace pyrovel
