// Reading BDCFF levelsets: caves fill slots 1, 2, ... in file order
// (formats/bdcff_cave.h reads them). Lines of a cave the editor does not use
// are kept per level and written back by the export.
#include <algorithm>
#include <string_view>
#include <vector>

#include "formats/bdcff_cave.h"
#include "formats/bdcff_das_text.h"
#include "formats/levelset_io.h"
#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/version.h"

namespace pyrovel {

namespace {

// Hides the conversion gauge however the import ends.
struct GaugeShown {
  explicit GaugeShown(Frontend& frontend) : ui(frontend) {
    ui.progress(0, kLastSlot, "BDCFF import");
  }
  ~GaugeShown() { ui.progress(0, 0, ""); }
  Frontend& ui;
};

}  // namespace

void importBdcff(EditorSession& session, const std::string& path) {
  session.readerNote =
      std::string("Imported with BDCFF importfilter V0.1 beta. Editor version:") + kEditorVersion;
  const Bytes data = readFileBytes(path);
  const std::size_t messagesBefore = session.messages.size();
  // "Append levelset" fills from the current level on, like the DAS reader.
  const int first =
      session.appending ? std::clamp(session.map.currentLevel, kFirstSlot, kLastSlot) : kFirstSlot;
  int slot = first;
  {
    GaugeShown gauge(session.ui());
    slot = readBdcffLevelset(asText(data), path, session.map, first, session.messages,
                             [&](int filled) {
                               session.ui().progress(filled, kLastSlot, "BDCFF import");
                             })
               .nextSlot;
  }
  // The slot after the last cave is prepared as the next level to fill; after
  // a 100th cave there is none, and a file without caves changes nothing.
  if (slot == first) {
    session.messages.push_back("No BDCFF cave found in " + path);
  } else if (slot <= kLastSlot) {
    LevelHeader& next = session.map.header(slot);
    next.setTitle("Cave" + std::to_string(slot));
    next.setHatchTime(24);
    next.setAmoebaGrowth(24);
  }
  if (session.messages.size() != messagesBefore) session.notify(kMessages);
}

}  // namespace pyrovel
