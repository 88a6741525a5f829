// Single levels in and out of the levelmap.
#include "editor/single_level_io.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <exception>
#include <utility>

#include "formats/bdcff.h"
#include "formats/em_formats.h"
#include "formats/single_level_file.h"
#include "import/ck_cave_import.h"
#include "import/import_filters.h"
#include "import/import_target.h"
#include "model/editor_session.h"
#include "model/errors.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

constexpr std::array<LevelExportFormat, 5> kExportFormats{{
    {1, "Pyrovel level", "*.lev"},
    {2, "Emerald Mine level V4", "*.*"},
    {3, "Emerald Mine level V6", "*.*"},
    {4, "Boulderdash Common File Format", "*.bd"},
    {5, "Boulderdash Common File Format XML", "*.xml"},
}};

constexpr int kCavFilter = 3;
constexpr int kDc2Filter = 5;

std::string upperCase(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return out;
}

// The Construction Kit routine with the development page's view of the
// bytes nobody knows the meaning of.
bool importCavWithView(EditorSession& session, const std::string& path,
                       const UnknownByteView& view) {
  CavImportOptions options;
  if (view.viewUnknown && view.show) {
    options.showUnknownBytes = [&view](const CavUnknownBytes& bytes) {
      const auto lines =
          view.viewOnly ? cavUnknownByteLines(bytes, view.onlyKey) : cavUnknownByteLines(bytes);
      view.show(view.clearInBetween, lines);
    };
  }
  return importCkCave(session, path, options);
}

std::string listOfNames(const std::vector<std::string>& paths) {
  std::string text;
  for (const std::string& p : paths) text += (text.empty() ? "" : ", ") + fileNamePart(p);
  return text;
}

}  // namespace

std::span<const LevelExportFormat> levelExportFormats() {
  return kExportFormats;
}

std::string exportFilterText() {
  std::string text;
  for (const LevelExportFormat& f : kExportFormats) {
    if (!text.empty()) text += '|';
    text += std::string(f.name) + "|" + f.patterns;
  }
  return text;
}

std::string proposedExportName(const Levelmap& map) {
  return map.current().title() + ".lev";
}

std::optional<std::string> exportLevel(const Levelmap& map, int filterIndex,
                                       const std::string& path) {
  switch (filterIndex) {
    case 1:
      writeFileAtomically(path, encodeSingleLevel(map));
      return std::nullopt;
    case 2:
      return exportToEm(map, path, 4);
    case 3:
      return exportToEm(map, path, 6);
    case 4:
      exportToBdcff(map, path, false);
      return std::nullopt;
    case 5:
      exportToBdcff(map, path, true);
      return std::nullopt;
    default:
      throw LevelError("no level export format " + std::to_string(filterIndex));
  }
}

bool dc2ImportDisabledOn(std::string_view computerName) {
  return upperCase(computerName) == kDc2BlockedComputer;
}

LevelImportResult importLevel(EditorSession& session, int filterIndex,
                              const std::vector<std::string>& paths,
                              const LevelImportOptions& options) {
  LevelImportResult result;
  const ImportFilter* filter = findImportFilter(std::to_string(filterIndex));
  if (!filter) throw LevelError("no level import filter " + std::to_string(filterIndex));
  if (!filter->routine) {
    throw LevelError(std::string("\"") + filter->name + "\" levels cannot be imported yet");
  }
  // The levelmap's own note stays for its other levels; each imported level
  // carries the note of its import in its undo step.
  const std::string levelmapNote = std::exchange(session.readerNote, {});
  if (filterIndex == kDc2Filter && dc2ImportDisabledOn(options.computerName)) {
    session.ui().inform(kDc2DisabledMessage);
    result.refused = true;
    return result;
  }

  Levelmap& map = session.map;
  const int startSlot = map.currentLevel;
  const std::size_t memoBefore = session.messages.size();
  auto finish = [&] {
    // The last level that received a file is shown.
    session.selectLevel(result.filledSlots.empty() ? startSlot : result.filledSlots.back());
    session.readerNote = levelmapNote;
    map.modified = true;
    session.updateLevelList();
    unsigned what = kLevelList | kLevelShown | kProperties | kReaderInfo;
    if (session.messages.size() != memoBefore) what |= kMessages;
    session.notify(what);
  };

  // The Mikeysoft routine only descrambles into a file of its own.
  const bool fillsLevel = std::string_view(filter->key) != "bou";
  auto readOne = [&](const std::string& path) {
    // The notes of each file come under its name in the message panel.
    const std::size_t notesBefore = session.messages.size();
    const bool read = filterIndex == kCavFilter
                          ? importCavWithView(session, path, options.unknownBytes)
                          : filter->routine(session, path);
    session.nameMessageSource(notesBefore, fileNamePart(path));
    return read;
  };
  try {
    int candidate = startSlot;
    for (std::size_t i = 0; i < paths.size(); ++i) {
      if (!fillsLevel) {
        if (!readOne(paths[i])) result.turnedDown.push_back(paths[i]);
        continue;
      }
      // Each file into a level of its own: one that holds nothing, or one
      // the user agreed to replace.
      const auto slot =
          candidate <= kLastSlot ? chooseImportSlot(session, candidate) : std::nullopt;
      if (!slot || std::find(result.filledSlots.begin(), result.filledSlots.end(), *slot) !=
                       result.filledSlots.end()) {
        result.notImported.assign(paths.begin() + static_cast<std::ptrdiff_t>(i), paths.end());
        break;
      }
      LevelImport level(session, *slot);
      if (readOne(paths[i])) {
        level.keep();
        // Each filled level gets its undo step, which carries the reader's
        // note (the importer may have stepped on to the next level).
        session.selectLevel(*slot);
        session.recordStepFrom(*level.takeLevelBefore(), "Import",
                               std::exchange(session.readerNote, {}));
        result.filledSlots.push_back(*slot);
        candidate = *slot + 1;
      } else {
        result.turnedDown.push_back(paths[i]);
      }
    }
  } catch (...) {
    finish();
    throw;
  }
  finish();
  if (!result.notImported.empty()) {
    session.ui().inform(std::to_string(result.notImported.size()) +
                        " file(s) not imported, for want of a level to put them in (" +
                        listOfNames(result.notImported) + ")");
  }
  return result;
}

}  // namespace pyrovel
