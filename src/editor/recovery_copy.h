#pragma once
// The recovery copy: while the levelmap has unsaved changes the editor keeps
// a copy of it, in the game's own format, in a folder of its own, so that a
// crash loses at most the last few moments of work. A note beside the copy
// says which file it stands for and when it was written, so that the next
// start can name it when it offers it back.
#include <cstdint>
#include <optional>
#include <string>

#include "model/bytes.h"

namespace pyrovel {

class EditorSession;

struct RecoveryNote {
  std::string path;            // the levelmap's file; empty when it has none yet
  std::string fileName;        // the name the editor showed ("New.map" for a new levelmap)
  std::int64_t writtenAt = 0;  // seconds since 1970-01-01 UTC
  int level = 1;               // the slot that was shown
};

class RecoveryCopy {
 public:
  // The folder is made when the first copy is written.
  explicit RecoveryCopy(std::string folder);

  // Now and then and when another level is shown: writes the copy and its
  // note while the levelmap has unsaved changes (not again while nothing
  // changed), removes them once it has none. Throws when the folder cannot
  // be written.
  void keep(const EditorSession& session, std::int64_t now);
  // The note of a copy an earlier run left, nothing when there is none.
  // Throws LevelError when only half of it is there or the note is damaged.
  std::optional<RecoveryNote> find() const;
  // Reads the copy into the session under the name and path it stood for,
  // with the level it showed, and unsaved. A damaged copy throws
  // LevelError and the session stays as it was.
  void restore(EditorSession& session) const;
  // A save or a normal close: the copy and its note go.
  void remove();

  std::string copyPath() const;
  std::string notePath() const;

 private:
  std::string folder_;
  // What was written last, so an unchanged levelmap is not written again.
  Bytes written_;
  RecoveryNote writtenNote_;
};

}  // namespace pyrovel
