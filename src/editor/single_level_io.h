#pragma once
// "Export Level" and "Import level": the current level written to one file
// in one of five formats, and files of one of nine formats read into
// consecutive levels from the current level on. The dialogs choose the
// format by filter index (from 1); everything else happens here.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/levelmap.h"

namespace pyrovel {

class EditorSession;

// --- export ----------------------------------------------------------------

struct LevelExportFormat {
  int index;             // the dialog's filter index, from 1
  const char* name;      // as the dialog shows it
  const char* patterns;  // the dialog's file patterns
};
// The export dialog's file types in its order.
std::span<const LevelExportFormat> levelExportFormats();
// "name|patterns|name|patterns..."
std::string exportFilterText();

// The name the export dialog proposes: the level's title and ".lev".
std::string proposedExportName(const Levelmap& map);

// Writes the current level (current layer) to `path` in the format of the
// filter index. The Emerald Mine writers wall off the cells beyond a level
// smaller than theirs in the file only. Returns a note when the level had to
// be cut to fit the format.
std::optional<std::string> exportLevel(const Levelmap& map, int filterIndex,
                                       const std::string& path);

// --- import ----------------------------------------------------------------

inline constexpr const char* kDc2DisabledMessage =
    "This function is disabled on request of Velmar, author of Diamond Caves II";
// Diamond Caves II levels are not imported on the one computer whose name
// (in any letter case) is this.
inline constexpr const char* kDc2BlockedComputer = "VELMA";
bool dc2ImportDisabledOn(std::string_view computerName);

// The development page's switches for the Construction Kit's unknown bytes.
struct UnknownByteView {
  bool viewUnknown = false;
  bool clearInBetween = false;
  bool viewOnly = false;
  std::string onlyKey;  // the line to show with viewOnly ("unknown2.3")
  // Receives the lines; `clearFirst` empties the page's memo before.
  std::function<void(bool clearFirst, const std::vector<std::string>& lines)> show;
};

struct LevelImportOptions {
  std::string computerName;
  UnknownByteView unknownBytes;
};

struct LevelImportResult {
  bool refused = false;                  // the Diamond Caves II refusal: nothing was read
  std::vector<int> filledSlots;          // in the order of the files
  std::vector<std::string> turnedDown;   // files a routine would not read
  std::vector<std::string> notImported;  // files left over after level 99
};

// Reads `paths` in order with the routine of the filter index, each into
// the current level, stepping on after each. Level 99 receives one file at
// most: the files left over are named in a message and not read. Afterwards
// the last level filled is shown (or the level the import started on), the
// levelmap counts as changed and the level list is refreshed. An error in a
// file ends the import there, after the same closing steps; the levels
// filled until then stay filled.
LevelImportResult importLevel(EditorSession& session, int filterIndex,
                              const std::vector<std::string>& paths,
                              const LevelImportOptions& options = {});

}  // namespace pyrovel
