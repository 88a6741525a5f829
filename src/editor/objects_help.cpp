#include "editor/objects_help.h"

#include <algorithm>
#include <map>

#include "model/errors.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

// What the built-in document says about each object, after its title line.
const std::map<int, std::vector<std::string>>& descriptions() {
  static const std::map<int, std::vector<std::string>> text = {
      {1,
       {"Dirt is dug away by the Little Fellow.", "Rocks and diamonds resting on dirt stay put."}},
      {2,
       {"The player. Exactly one Little Fellow starts in a level",
        "(a second player is Fellow2). Dig, collect and reach the exit."}},
      {3,
       {"Rocks fall when nothing is below them and roll off round objects.",
        "A falling rock kills the player and the creatures it lands on.",
        "The Little Fellow can push a rock sideways into empty space."}},
      {4, {"Collect enough diamonds to open the exit.", "Diamonds fall and roll like rocks."}},
      {5, {"Bugs follow the wall on their left. Their explosion leaves diamonds."}},
      {6,
       {"Solid wall cannot be destroyed, not even by explosions.",
        "Use it for the border of a level."}},
      {7, {"The exit opens when enough diamonds have been collected."}},
      {8, {"An open exit: step in to finish the level."}},
      {9, {"A bomb explodes when it falls or when something falls on it."}},
      {11,
       {"Amoeba grows into empty space and dirt.",
        "Enclosed amoeba turns into diamonds, too much of it into rocks."}},
      {12, {"A nut cracks into an emerald when a rock falls on it."}},
      {13, {"Emeralds count like diamonds; they fall and roll."}},
      {14,
       {"A yam walks a random direction. Its explosion leaves the",
        "objects of the level's yam patterns."}},
      {15,
       {"Grover: the object a conversion puts where it found",
        "something it could not translate. Replace it before playing."}},
      {16,
       {"A magic wall turns falling rocks into diamonds and diamonds",
        "into rocks while it runs."}},
      {19, {"A terminal: a switch the player can use."}},
      {30, {"A hidden exit looks like wall until it opens."}},
      {42, {"Slime lets objects sink through it slowly."}},
      {57, {"Keys open the doors of their colour."}},
      {58, {"Keys open the doors of their colour."}},
      {59, {"Keys open the doors of their colour."}},
      {60, {"Keys open the doors of their colour."}},
      {61, {"The robot moves towards the player."}},
      {62, {"Acid destroys whatever falls into it."}},
      {68, {"Invisible wall: solid, but not drawn in the game."}},
      {71, {"Dynamite can be collected and lit by the player."}},
      {72, {"Turning the wheel makes the creatures move around it."}},
      {77, {"Quicksand lets rocks sink through it."}},
      {92, {"A utility disk explodes when it is pushed or falls."}},
      {99, {"A supabomb explodes with a large blast."}},
      {150, {"Snik snaks hunt along walls; their explosion is deadly."}},
      {154, {"Expanding wall grows into empty space next to it."}},
      {155, {"This expanding wall grows to the left and right only."}},
      {156, {"This expanding wall grows up and down only."}},
      {157, {"Glue holds the Little Fellow for a while."}},
  };
  return text;
}

std::vector<std::string> builtInDocument() {
  std::vector<std::string> doc;
  const auto& text = descriptions();
  for (int n = 0; n <= ObjectsHelp::kLastObject; ++n) {
    doc.push_back(ObjectsHelp::marker(n));
    if (n == 0) {
      doc.push_back("Sorry, no help yet ...");
      continue;
    }
    const std::string name = ObjectCatalogue::builtInName(n);
    if (name.empty()) continue;  // objects without a name have no help
    doc.push_back(formatObjectItem(n, name));
    doc.push_back("");
    if (auto it = text.find(n); it != text.end()) {
      doc.insert(doc.end(), it->second.begin(), it->second.end());
    }
  }
  doc.push_back(ObjectsHelp::marker(ObjectsHelp::kSections));
  return doc;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

}  // namespace

ObjectsHelp::ObjectsHelp() : ObjectsHelp(builtInDocument()) {}

ObjectsHelp::ObjectsHelp(std::vector<std::string> document) : document_(std::move(document)) {
  scanText();
}

int ObjectsHelp::findMarker(int n, int from) const {
  const std::string m = marker(n);
  const auto start =
      document_.begin() +
      std::min<std::size_t>(static_cast<std::size_t>(std::max(from, 0)), document_.size());
  const auto it = std::find(start, document_.end(), m);
  return it == document_.end() ? -1 : static_cast<int>(it - document_.begin());
}

void ObjectsHelp::scanText() {
  std::vector<int> offsets;
  int from = 0;
  for (int n = 0; n < kSections; ++n) {
    // Markers come in order, so each is looked for after the one before.
    const int at = findMarker(n, std::max(from, n));
    if (at < 0) {
      throw LevelError("ObjectsHelp.txt", std::nullopt, std::nullopt,
                       "the help document has no marker " + marker(n));
    }
    offsets.push_back(at + 1);
    from = at + 1;
  }
  const int closing = findMarker(kSections, from);
  end_ = closing < 0 ? static_cast<int>(document_.size()) : closing;
  offsets_ = std::move(offsets);
}

std::vector<std::string> ObjectsHelp::section(int n) const {
  if (n < 0 || n > kLastObject) return {};
  const int first = offsets_[static_cast<std::size_t>(n)];
  // The section ends at the next marker line.
  const int last = n < kLastObject ? offsets_[static_cast<std::size_t>(n) + 1] - 1 : end_;
  return {document_.begin() + first, document_.begin() + last};
}

int ObjectsHelp::displayObjectHelp(int nameCount) {
  if (current_ >= nameCount || current_ > kLastObject || current_ < 0) current_ = 0;
  return current_;
}

void ObjectsHelp::insertText(const std::vector<std::string>& lines) {
  if (current_ < 0 || current_ > kLastObject) return;  // no section to write into
  const int n = current_;
  for (const auto& line : lines) {
    if (line.size() > 4 && line.starts_with("--") && line.ends_with("--") &&
        line.find_first_not_of("0123456789", 2) == line.size() - 2) {
      throw LevelError("ObjectsHelp.txt", std::nullopt, std::nullopt,
                       "a help text may not hold the section marker line " + line);
    }
  }
  const int first = offsets_[static_cast<std::size_t>(n)];
  const int last = n < kLastObject ? offsets_[static_cast<std::size_t>(n) + 1] - 1 : end_;
  std::vector<std::string> doc(document_.begin(), document_.begin() + first);
  doc.insert(doc.end(), lines.begin(), lines.end());
  doc.insert(doc.end(), document_.begin() + last, document_.end());
  document_ = std::move(doc);
  scanText();
}

void ObjectsHelp::writeBack(const std::vector<std::string>& shownText) {
  if (changed_) insertText(shownText);
  changed_ = false;
}

void ObjectsHelp::select(int n, const std::vector<std::string>& shownText) {
  writeBack(shownText);
  current_ = n;
}

void ObjectsHelp::nextObject(const std::vector<std::string>& shownText) {
  writeBack(shownText);
  if (current_ < kLastObject) ++current_;
}

void ObjectsHelp::previousObject(const std::vector<std::string>& shownText) {
  writeBack(shownText);
  if (current_ > 0) --current_;
}

std::vector<std::string> ObjectsHelp::saveText(const std::string& directory) const {
  std::vector<std::string> offsetLines;
  for (int o : offsets_) offsetLines.push_back(std::to_string(o));
  const std::string help = directory + "/ObjectsHelp.txt";
  const std::string offsets = directory + "/Offsets.txt";
  writeFileAtomically(help, joinLines(document_));
  writeFileAtomically(offsets, joinLines(offsetLines));
  return {help, offsets};
}

}  // namespace pyrovel
