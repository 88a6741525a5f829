#include "editor/status_readout.h"

#include <cctype>

#include "model/object_catalogue.h"

namespace pyrovel {

namespace {

// The key starts with the level number, so a match must not follow a digit:
// level 3's key would otherwise also match the notes of level 13.
bool containsLevelKey(const std::string& line, const std::string& key) {
  for (auto at = line.find(key); at != std::string::npos; at = line.find(key, at + 1)) {
    if (at == 0 || !std::isdigit(static_cast<unsigned char>(line[at - 1]))) return true;
  }
  return false;
}

}  // namespace

std::string coordinatesText(CellPos cell) {
  return "Co: " + std::to_string(cell.x) + "," + std::to_string(cell.y);
}

std::string objectText(const EditorSession& session, CellPos cell) {
  const Levelmap& map = session.map;
  if (!insideLevel(map.current(), cell.x, cell.y)) return "Outside level area";
  const int object = map.at(cell.x, cell.y);
  const std::string item = "Object " + session.catalogue.label(object);
  if (object != obj::Grover) return item;
  // Importers leave "Unsupported at level n:x,y :code" for what became a Grover.
  const std::string key = std::to_string(Levelmap::levelNumber(map.currentLevel)) + ":" +
                          std::to_string(cell.x) + "," + std::to_string(cell.y) + " :";
  const std::string* found = nullptr;
  for (const std::string& line : session.messages) {
    if (containsLevelKey(line, key)) found = &line;
  }
  return found ? *found : item + " (unknown conversion)";
}

}  // namespace pyrovel
