// prvl info: the levels of any levelmap the editor opens.
#include <iostream>
#include <sstream>

#include "cli/cli_frontend.h"
#include "cli/commands.h"
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
  if (!session.readlevel(file)) {
    std::cerr << "prvl info: " << file << ": no reader for this kind of file\n";
    return 1;
  }
  const Levelmap& map = session.map;

  std::ostringstream out;
  if (json) out << "{\"file\": " << jsonString(file) << ", \"levels\": [";
  bool first = true;
  for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    if (map.IsEmptyLevel(slot)) continue;
    const LevelHeader& h = map.header(slot);
    const int number = Levelmap::levelNumber(slot);
    const bool background = h.HasBackgroundLayer() != 0;
    if (json) {
      out << (first ? "" : ", ") << "{\"number\": " << number << ", \"width\": " << h.Width()
          << ", \"height\": " << h.Height() << ", \"title\": " << jsonString(h.Title())
          << ", \"author\": " << jsonString(h.Author()) << ", \"player\": [" << h.PlayerX() << ", "
          << h.PlayerY() << "], \"diamonds\": " << h.diamondsToCollect()
          << ", \"time\": " << h.LevelTime()
          << ", \"background\": " << (background ? "true" : "false") << "}";
    } else {
      out << "Level " << number << ": " << h.Width() << " x " << h.Height() << "  \"" << h.Title()
          << "\" by " << h.Author() << "  player " << h.PlayerX() << "," << h.PlayerY()
          << "  diamonds " << h.diamondsToCollect() << "  time " << h.LevelTime()
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
  if (!session.ReaderInfo.empty() && !json) std::cerr << session.ReaderInfo << "\n";
  for (const std::string& line : session.Messagememo) std::cerr << line << "\n";
  return 0;
}

}  // namespace pyrovel::cli
