// prvl render: one level of any levelmap the editor opens, drawn with the
// sprite set as the level view draws it, written as PNG.
#include <unistd.h>

#include <climits>
#include <iostream>

#include "cli/cli_frontend.h"
#include "cli/commands.h"
#include "editor/levelmap_files.h"
#include "model/editor_session.h"
#include "model/startup.h"
#include "render/level_picture.h"

namespace pyrovel::cli {

namespace {

constexpr int kMaxCell = 64;  // 128 cells of 64 pixels already make an 8192-pixel picture

std::string executableFolder() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  std::string exe(path, static_cast<std::size_t>(n));
  const std::size_t slash = exe.rfind('/');
  return slash == std::string::npos ? "." : exe.substr(0, slash);
}

bool parseInt(const std::string& text, int& value) {
  try {
    std::size_t used = 0;
    value = std::stoi(text, &used);
    return used == text.size();
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

SpriteStrip loadCliSprites(const std::string& imlOption) {
  const std::string iml = imlOption.empty()
                              ? findDataFolder(executableFolder()) + "/" + kDefaultImageLibrary
                              : imlOption;
  SpriteStrip strip;
  loadSpriteStrip(strip, iml, objectTableNameFor(iml));
  return strip;
}

int cmdRender(const Args& args) {
  static constexpr const char* kUsage =
      "usage: prvl render FILE --level N -o OUT.png [--cell PX] [--layer game|background] "
      "[--iml PATH]\n";
  std::string file, out, iml, layerName = "game";
  int level = -1, cell = 16;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--level" && hasValue) {
      if (!parseInt(args[++i], level)) level = -2;
    } else if (a == "--cell" && hasValue) {
      if (!parseInt(args[++i], cell)) cell = -1;
    } else if ((a == "-o" || a == "--output") && hasValue) {
      out = args[++i];
    } else if (a == "--layer" && hasValue) {
      layerName = args[++i];
    } else if (a == "--iml" && hasValue) {
      iml = args[++i];
    } else if (file.empty() && a.rfind("-", 0) != 0) {
      file = a;
    } else {
      std::cerr << "prvl render: unexpected argument '" << a << "'\n" << kUsage;
      return 2;
    }
  }
  if (file.empty() || out.empty() || level == -1) {
    std::cerr << kUsage;
    return 2;
  }
  if (level < 0 || level > kLastSlot - 1) {
    std::cerr << "prvl render: --level takes a level number from 0 to " << kLastSlot - 1 << "\n";
    return 2;
  }
  if (cell < 1 || cell > kMaxCell) {
    std::cerr << "prvl render: --cell takes a size from 1 to " << kMaxCell << " pixels\n";
    return 2;
  }
  if (layerName != "game" && layerName != "background") {
    std::cerr << "prvl render: --layer is game or background\n";
    return 2;
  }

  const SpriteStrip strip = loadCliSprites(iml);
  CliFrontend ui;
  EditorSession session(ui);
  if (!readLevelmap(session, file)) {
    std::cerr << "prvl render: " << file << ": no reader for this kind of file\n";
    return 1;
  }
  const int slot = level + 1;
  const Levelmap& map = session.map;
  if (map.isEmptyLevel(slot)) {
    std::cerr << "prvl render: level " << level << " of " << file << " is empty\n";
    return 1;
  }
  writePng(out, levelPictureRows(map, slot, layerName == "game" ? kGameLayer : kBackgroundLayer,
                                 strip, cell));
  return 0;
}

}  // namespace pyrovel::cli
