#pragma once
// What a levelset reader does however its read ends, normally or by an
// error: the conversion gauge is hidden, slots left 0 wide or high become
// 1 x 1 like every empty slot, and the message panel is shown when the read
// added memo lines. The levels read before an error stay usable.
#include <cstddef>

#include "formats/bd4_levelset.h"
#include "model/editor_session.h"

namespace pyrovel {

class LevelsetReadEnd {
 public:
  explicit LevelsetReadEnd(EditorSession& session)
      : session_(session), messagesBefore_(session.messages.size()) {}
  LevelsetReadEnd(const LevelsetReadEnd&) = delete;
  LevelsetReadEnd& operator=(const LevelsetReadEnd&) = delete;
  ~LevelsetReadEnd() {
    session_.ui().progress(0, 0, {});
    raiseZeroSizes(session_.map);
    if (session_.messages.size() != messagesBefore_) session_.notify(kMessages);
  }

 private:
  EditorSession& session_;
  std::size_t messagesBefore_;
};

}  // namespace pyrovel
