#pragma once
// The reader of one BDCFF cave, used by readBdcffLevelset (bdcff_cave.h):
// it takes the cave's lines one by one, then draws the cave into a level
// slot and fills the level record and the kept lines. Its parts live by
// role: the lines and keys in bdcff_cave_reader.cpp, the map and the fills
// in bdcff_cave_drawing.cpp, the level record in bdcff_cave_record.cpp.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/bdcff_elements.h"
#include "formats/bdcff_grid.h"
#include "formats/bdcff_record_keys.h"
#include "model/levelmap.h"

namespace pyrovel::bdcff_read {

struct Line {
  std::string_view text;     // as the file has it
  std::string_view trimmed;  // trimLine(text)
  std::size_t number;        // 1-based line of the file
};

// What the file says outside its caves that the caves use.
struct FileContext {
  std::string file;
  BdcffMapCodes codes;
  std::string gameAuthor;
  int caveWidth = 40, caveHeight = 22;
  int intermissionWidth = 20, intermissionHeight = 12;
};

std::string_view firstWord(std::string_view text);
bool isTrue(std::string_view value);
std::optional<double> realNumber(std::string_view word);
// "Key=value" split at the first '='; an empty key when there is none.
std::pair<std::string_view, std::string_view> keyValue(std::string_view trimmed);
// Two numbers "w h" (the rest of the line ignored).
std::optional<std::pair<int, int>> sizePair(std::string_view value);

// The keys of a cave the reader takes; every other key is only kept.
enum class CaveKey {
  Other,
  Record,  // one the level record holds (bdcff_record_keys.h)
  InitialFill,
  InitialBorder,
  RandomFill,  // or RandomFillC64
  RandSeed,    // or RandomSeed
  Size,
};
CaveKey caveKeyOf(std::string_view key);

// A value of the cave with the line it came from.
template <typename T>
struct Given {
  std::optional<T> value;
  std::size_t line = 0;
  void set(T v, std::size_t at) {
    value = std::move(v);
    line = at;
  }
};

// A line of the cave kept for its kept lines.
struct MemoLine {
  enum class Kind {
    Kept,     // a key or section the editor does not use
    Drawing,  // made the drawn cave: dropped when the cave was drawn
    Record,   // a key the level record holds: kept when its writer would write it otherwise
  };
  std::string_view text;
  Kind kind;
};

// The lines a cave reader sorts, kept from cave to cave of a file: their
// room is made once, not for every cave.
struct CaveLines {
  std::vector<MemoLine> memo;
  std::vector<Line> mapRows, objectLines;
  std::vector<std::string_view> otherLevels;  // [Level=...] groups without level 1
};

class CaveReader {
 public:
  CaveReader(const FileContext& ctx, CaveLines& lines, std::size_t caveLine, int ordinal);

  // Sorts one line of the cave into keys, sections and kept lines.
  void take(std::string_view text, std::string_view trimmed, std::size_t number);

  // The first half of storing the cave in `slot`, once its lines are taken
  // (`closed`: ended by [/cave]): checks that it is whole and big enough to
  // be a level, and draws its map or its fill into the slot's grid. Returns
  // why when the cave is left out; the slot is then untouched.
  std::optional<std::string> begin(Levelmap& map, int slot, bool closed);
  // The second half: the border and objects of a drawn cave, the level
  // record and the kept lines, and the notes.
  void finish(Levelmap& map, int slot, std::vector<std::string>& notes);

 private:
  std::string caveName(bool capital = true) const;
  void problem(std::size_t line, std::string text) {
    problems_.emplace_back(line, std::move(text));
  }
  static bool groupHasLevelOne(std::string_view list);
  // A key the level record holds.
  void takeKey(BdcffRecordKey key, std::string_view value, std::size_t line);
  // The keys a drawn cave is made of (kept only for a map cave).
  bool drawingKey(CaveKey key, std::string_view value, std::size_t line);

  // bdcff_cave_drawing.cpp
  std::pair<int, int> drawnSize();
  void startFill(BdcffGrid& grid);
  void drawBorder(BdcffGrid& grid);
  // What the rows of a [map] measure, read once before the grid is made.
  struct MapExtent {
    std::size_t rows = 0;       // at most 128
    std::size_t widest = 0;     // codes of the widest row, at most 128
    std::size_t narrowest = 0;  // codes of the narrowest row
    bool cut = false;           // rows or codes beyond 128 left out
  };
  MapExtent mapExtent() const;
  void readMap(BdcffGrid& grid, const MapExtent& extent);

  // bdcff_cave_record.cpp
  int fit(std::string_view key, int value, int max, std::size_t line);
  void commit(LevelHeader& h, KeptLines& memo, const BdcffGrid& grid, bool drawnByMap);

  const FileContext& ctx_;
  std::size_t caveLine_;
  int ordinal_;
  bool closed_ = false;
  std::size_t lastLine_ = caveLine_;  // the last line taken

  std::string_view otherSection_;  // inside [demo] and the like: kept as it is
  bool levelActive_ = true;        // inside [objects]: the lines are for level 1

  std::vector<MemoLine>& memo_;
  std::vector<Line>& mapRows_;
  std::vector<Line>& objectLines_;
  std::vector<std::string_view>& otherLevels_;
  bool drawnByMap_ = false;
  std::optional<BdcffGrid> grid_;
  bool mapOpen_ = false, mapClosed_ = false, objectsOpen_ = false, objectsClosed_ = false;
  std::size_t mapLine_ = 0, objectsLine_ = 0;

  // Views into the file's text, which outlives the reader.
  Given<std::string_view> name_, author_, initialFill_, border_, randomFill_;
  Given<int> diamonds_, caveTime_, magicTime_, diamondValue_, extraValue_, amoebaTime_, slimeC64_,
      seed_;
  Given<double> amoebaThreshold_, slime_;
  Given<bool> intermission_;
  Given<std::pair<int, int>> size_;
  std::vector<std::pair<std::size_t, std::string>> problems_;
};

}  // namespace pyrovel::bdcff_read
