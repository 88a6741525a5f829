#pragma once
// What a whole-levelset reader works on. It is handed the file's bytes and a
// levelmap that is not the one being edited (a fresh one, or a copy of it
// when appending), and leaves its notes in a report; the caller decides what
// the editor takes from both. A reader that throws leaves nothing behind.
#include <string>
#include <vector>

#include "model/bytes.h"
#include "model/frontend.h"
#include "model/levelmap.h"

namespace pyrovel {

struct ReadReport {
  std::vector<std::string> notes;  // lines for the message panel (stderr on the command line)
  std::string readerNote;          // which reader took the file, for the information panel
};

struct LevelsetRead {
  Levelmap& map;
  ReadReport& report;
  Frontend& ui;            // the progress gauge, questions and warnings
  bool appending = false;  // levels go from the map's current level on, not from level 0
};

using LevelsetReader = void (*)(LevelsetRead& read, const Bytes& data, const std::string& path);
// A writer gives the file's bytes; notes say what did not fit the format.
using LevelsetEncoder = Bytes (*)(const Levelmap& map, std::vector<std::string>& notes);

// What a levelset reader does however its read ends, normally or by an
// error: the conversion gauge is hidden and slots left 0 wide or high become
// 1 x 1 like every empty slot. The levels read before an error stay in the
// reader's levelmap (the caller throws that levelmap away on an error).
class LevelsetReadEnd {
 public:
  explicit LevelsetReadEnd(LevelsetRead& read) : read_(read) {}
  LevelsetReadEnd(const LevelsetReadEnd&) = delete;
  LevelsetReadEnd& operator=(const LevelsetReadEnd&) = delete;
  ~LevelsetReadEnd();

 private:
  LevelsetRead& read_;
};

// After a read: slots with a width or height of 0 get 1, as empty slots have.
void raiseZeroSizes(Levelmap& map);

}  // namespace pyrovel
