// prvl info: the levels of any levelmap the editor opens.
#include <iostream>
#include <sstream>

#include "cli/cli_frontend.h"
#include "cli/commands.h"
#include "editor/levelmap_files.h"
#include "model/editor_session.h"
#include "model/json.h"

namespace pyrovel::cli {

int cmdInfo(const Args& args) {
  std::string file;
  bool json = false;
  for (const std::string& a : args) {
    if (a == "--json")
      json = true;
    else if (file.empty())
      file = a;
    else {
      std::cerr << "prvl info: unexpected argument '" << a << "'\n";
      return 2;
    }
  }
  if (file.empty()) {
    std::cerr << "usage: prvl info FILE [--json]\n";
    return 2;
  }
  CliFrontend ui;
  EditorSession session(ui);
  if (!readLevelmap(session, file)) {
    std::cerr << "prvl info: " << file << ": no reader for this kind of file\n";
    return 1;
  }
  const Levelmap& map = session.map;

  std::ostringstream out;
  if (json) out << "{\"file\": " << jsonString(file) << ", \"levels\": [";
  bool first = true;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    if (map.isEmptyLevel(slot)) continue;
    const LevelHeader& h = map.header(slot);
    const int number = Levelmap::levelNumber(slot);
    const bool background = h.hasBackgroundLayer() != 0;
    if (json) {
      out << (first ? "" : ", ") << "{\"number\": " << number << ", \"width\": " << h.width()
          << ", \"height\": " << h.height() << ", \"title\": " << jsonString(h.title())
          << ", \"author\": " << jsonString(h.author()) << ", \"player\": [" << h.playerX() << ", "
          << h.playerY() << "], \"diamonds\": " << h.diamondsToCollect()
          << ", \"time\": " << h.levelTime()
          << ", \"background\": " << (background ? "true" : "false") << "}";
    } else {
      out << "Level " << number << ": " << h.width() << " x " << h.height() << "  \"" << h.title()
          << "\" by " << h.author() << "  player " << h.playerX() << "," << h.playerY()
          << "  diamonds " << h.diamondsToCollect() << "  time " << h.levelTime()
          << (background ? "  background layer" : "") << "\n";
    }
    first = false;
  }
  if (json)
    out << "]}\n";
  else if (first)
    out << "no levels\n";
  std::cout << out.str();
  // The reader's note and what it could not convert go to standard error, so
  // standard output stays clean for scripts.
  if (!session.readerNote.empty() && !json) std::cerr << session.readerNote << "\n";
  for (const std::string& line : session.messages) std::cerr << line << "\n";
  return 0;
}

}  // namespace pyrovel::cli
