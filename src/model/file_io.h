#pragma once
// Whole-file reads and atomic whole-file writes.
#include <span>
#include <string>

#include "model/bytes.h"

namespace pyrovel {

// Throws a LevelError naming the path when something other than a plain
// file is there (a folder, a named pipe, a device, a socket); a missing
// path passes.
void requirePlainFile(const std::string& path);

// Reads the whole file; throws LevelError naming the file when it cannot.
Bytes readFileBytes(const std::string& path);

// Reads at most n bytes from the start of the file (fewer when it is short).
Bytes readFileHead(const std::string& path, std::size_t n);

bool fileExists(const std::string& path);

// A file written through a temporary beside the target, flushed to disk and
// only then renamed over it, so a failed save never destroys the file that
// was there. The bytes may come in pieces, so a large file need not be put
// together in memory first. Every failure throws a LevelError naming the
// target; without commit() (an error while writing, an exception in the
// caller) the temporary file is removed and the target stays as it was.
class AtomicFile {
 public:
  explicit AtomicFile(std::string path);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Puts the bytes at `offset` of the file, in any order.
  void writeAt(std::size_t offset, std::span<const std::uint8_t> bytes);
  // Flushes to disk, keeps the permissions an existing target had and
  // renames the temporary file over the target.
  void commit();

 private:
  [[noreturn]] void fail(const std::string& what, int error);

  std::string path_;
  std::string temporary_;
  int fd_ = -1;
};

// One AtomicFile write of the whole content.
void writeFileAtomically(const std::string& path, const Bytes& data);
void writeFileAtomically(const std::string& path, const std::string& text);

// The part after the last '/', and the extension from the last dot (dot
// included, empty when there is none) of that part.
std::string fileNamePart(const std::string& path);
std::string extensionOf(const std::string& path);

}  // namespace pyrovel
