#pragma once
// Object numbers 0..255: their names (as item texts "0 :Empty Space") and
// the families the game's save uses to classify a levelmap.
#include <string>
#include <vector>

namespace pyrovel {

namespace obj {
inline constexpr int EmptySpace = 0, Dirt = 1, LittleFellow = 2, Rock = 3, Diamond = 4,
                     SolidWall = 6, Magicwall = 16, YamRandom = 14, Grover = 15, YamUp = 89,
                     WellSign = 216, Fellow2 = 237;
}

class ObjectCatalogue {
 public:
  static constexpr int kBuiltInItems = 275;

  ObjectCatalogue();  // the built-in list

  // Replaces the whole list by these lines (the contents of Objectlist.txt).
  void replaceLines(std::vector<std::string> lines);
  void loadFile(const std::string& path);  // throws LevelError when unreadable

  // The item text, e.g. "2 :LittleFellow"; empty for numbers beyond the list.
  const std::string& item(int number) const;
  // The item as the windows show it, whatever the list's spacing:
  // "2: LittleFellow" for "2 :LittleFellow" and "52:Door"; empty like item().
  std::string label(int number) const;
  int size() const { return static_cast<int>(items_.size()); }
  const std::vector<std::string>& items() const { return items_; }

  // The built-in name after the colon ("LittleFellow"), empty when unnamed.
  static std::string builtInName(int number);
  // Family 0..8 of an object number (Part of the save's classification).
  static int family(int number);

 private:
  std::vector<std::string> items_;
};

// The item text for a number and a name, formatted as the lists show it:
// one space after a one-digit number ("0 :Empty Space", "10:Explosion").
std::string formatObjectItem(int number, const std::string& name);

}  // namespace pyrovel
