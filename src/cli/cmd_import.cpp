// prvl import: single levels of other games into consecutive levels of a
// levelmap, with the routines of the editor's "Import Level" dialog.
#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <iostream>

#include "cli/cli_frontend.h"
#include "cli/commands.h"
#include "editor/levelmap_files.h"
#include "import/import_filters.h"
#include "import/mikeysoft_level.h"
#include "model/editor_session.h"
#include "model/file_io.h"
#include "model/game_format.h"
#include "model/text_case.h"

namespace pyrovel::cli {

namespace {

constexpr const char* kUsage =
    "usage: prvl import OUT.map FILE... [--type N|name] [--into LEVELMAP]\n"
    "types:";

// The conversion panel's lines go to standard error like the other notes.
class ImportFrontend : public CliFrontend {
 public:
  void progress(int, int max, std::string_view label) override {
    if (max <= 0 || label.empty() || label == last_) return;
    last_ = label;
    std::cerr << "prvl: " << label << "\n";
  }

 private:
  std::string last_;
};

void printUsage() {
  std::cerr << kUsage;
  for (const ImportFilter& f : importFilters()) {
    std::cerr << "\n  " << f.index << " " << f.key << "  \"" << f.name << "\" (" << f.patterns
              << ")" << (f.routine ? "" : " - not available yet");
  }
  std::cerr << "\n";
}

}  // namespace

int cmdImport(const Args& args) {
  std::string out, type, into;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "--type" || args[i] == "--into") && i + 1 < args.size()) {
      (args[i] == "--type" ? type : into) = args[i + 1];
      ++i;
    } else if (args[i].rfind("--", 0) == 0) {
      std::cerr << "prvl import: unknown option '" << args[i] << "'\n";
      printUsage();
      return 2;
    } else if (out.empty()) {
      out = args[i];
    } else {
      files.push_back(args[i]);
    }
  }
  if (out.empty() || files.empty()) {
    printUsage();
    return 2;
  }

  // Every file's filter is settled before anything is read.
  std::vector<const ImportFilter*> filters;
  const ImportFilter* chosen = type.empty() ? nullptr : findImportFilter(type);
  if (!type.empty() && !chosen) {
    std::cerr << "prvl import: unknown type '" << type << "'\n";
    printUsage();
    return 2;
  }
  for (const std::string& file : files) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
      std::cerr << "prvl import: " << file << ": is a folder, not a level file\n";
      return 1;
    }
    const ImportFilter* f = chosen ? chosen : importFilterForExtension(file);
    if (!f) {
      std::cerr << "prvl import: " << file << ": cannot tell the kind of level; say --type\n";
      return 2;
    }
    if (!f->routine) {
      std::cerr << "prvl import: \"" << f->name << "\" levels cannot be imported yet\n";
      return 2;
    }
    filters.push_back(f);
  }

  ImportFrontend ui;
  EditorSession session(ui);
  Levelmap& map = session.map;
  int slot = kFirstSlot;
  if (!into.empty()) {
    if (!readLevelmap(session, into)) {
      std::cerr << "prvl import: " << into << ": no reader for this kind of file\n";
      return 1;
    }
    while (slot <= kLastSlot && !map.isEmptyLevel(slot)) ++slot;
  }
  const int room = kLastSlot - slot + 1;
  if (static_cast<int>(files.size()) > room) {
    std::cerr << "prvl import: " << files.size() << " files do not fit: "
              << (room == 0 ? std::string("no empty level left")
                            : "levels " + std::to_string(Levelmap::levelNumber(slot)) +
                                  " to 99 hold " + std::to_string(room))
              << "\n";
    return 1;
  }

  // Stepping on to the next level makes it at least 3 x 3, as showing a
  // level does; slots that receive nothing keep their size in the file.
  std::array<std::pair<int, int>, kSlotCount> sizes{};
  for (int s = 0; s < kSlotCount; ++s) sizes[s] = {map.header(s).width(), map.header(s).height()};
  std::vector<bool> filled(kSlotCount, false);
  bool everyFileIn = true;

  for (std::size_t i = 0; i < files.size(); ++i) {
    const ImportFilter& f = *filters[i];
    map.currentLevel = slot;
    const std::size_t memoBefore = session.messages.size();
    auto printNotes = [&] {
      for (std::size_t m = memoBefore; m < session.messages.size(); ++m) {
        std::cerr << "prvl: " << session.messages[m] << "\n";
      }
    };
    bool read = false;
    try {
      read = f.routine(session, files[i]);
    } catch (...) {
      printNotes();
      throw;  // reported by main; nothing is written
    }
    printNotes();
    if (std::string_view(f.key) == "bou") {  // fills no level
      std::cout << files[i] << ": descrambled into " << mikeysoftScratchPath(files[i]) << "\n";
    } else if (!read) {
      std::cerr << files[i] << ": not imported\n";
      everyFileIn = false;
    } else {
      filled[slot] = true;
      std::cout << files[i] << " -> level " << Levelmap::levelNumber(slot) << "\n";
      ++slot;
    }
  }
  // A levelmap that lacks a file the user asked for is not written.
  if (!everyFileIn) {
    std::cerr << "prvl import: not every file came in; " << out << " is not written\n";
    return 1;
  }
  for (int s = kFirstSlot; s <= kLastSlot; ++s) {
    if (filled[s]) continue;
    map.header(s).setWidth(sizes[s].first);
    map.header(s).setHeight(sizes[s].second);
  }
  writeLevel(session.map, ui, out);
  return 0;
}

}  // namespace pyrovel::cli
