#include "model/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>

namespace pyrovel {

namespace {
[[noreturn]] void ioFail(const std::string& path, const std::string& what) {
  throw LevelError(path, std::nullopt, std::nullopt, what);
}

// What a path names when it is there and not a plain file; empty otherwise.
// A pipe or a device would block a read (or never end it), so such a path
// is turned down before anything opens it.
std::string notAPlainFile(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return {};
  if (S_ISREG(st.st_mode)) return {};
  if (S_ISDIR(st.st_mode)) return "is a folder, not a file";
  if (S_ISFIFO(st.st_mode)) return "is a named pipe (FIFO), not a file";
  if (S_ISSOCK(st.st_mode)) return "is a socket, not a file";
  if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return "is a device, not a file";
  return "is not a plain file";
}
}  // namespace

void requirePlainFile(const std::string& path) {
  if (std::string why = notAPlainFile(path); !why.empty()) ioFail(path, why);
}

Bytes readFileBytes(const std::string& path) {
  requirePlainFile(path);
  std::ifstream in(path, std::ios::binary);
  if (!in) ioFail(path, std::string("cannot open for reading: ") + std::strerror(errno));
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  if (size < 0) ioFail(path, "cannot determine the file size");
  in.seekg(0, std::ios::beg);
  Bytes data(static_cast<std::size_t>(size));
  if (size > 0 && !in.read(reinterpret_cast<char*>(data.data()), size)) {
    ioFail(path, "read error");
  }
  return data;
}

Bytes readFileHead(const std::string& path, std::size_t n) {
  requirePlainFile(path);
  std::ifstream in(path, std::ios::binary);
  if (!in) ioFail(path, std::string("cannot open for reading: ") + std::strerror(errno));
  Bytes data(n);
  in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(n));
  data.resize(static_cast<std::size_t>(in.gcount()));
  return data;
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)) {
  namespace fs = std::filesystem;
  requirePlainFile(path_);  // a pipe or device named as the target is never replaced
  fs::path target(path_);
  fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string tmpl = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  fd_ = ::mkstemp(name.data());
  if (fd_ < 0)
    ioFail(path_, std::string("cannot create a temporary file: ") + std::strerror(errno));
  temporary_ = name.data();
}

AtomicFile::~AtomicFile() {
  if (temporary_.empty()) return;  // committed, or never created
  if (fd_ >= 0) ::close(fd_);
  ::unlink(temporary_.c_str());
}

void AtomicFile::fail(const std::string& what, int error) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  ::unlink(temporary_.c_str());
  temporary_.clear();
  ioFail(path_, what + ": " + std::strerror(error));
}

void AtomicFile::writeAt(std::size_t offset, std::span<const std::uint8_t> bytes) {
  if (fd_ < 0) ioFail(path_, "written after it was closed");
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n =
        ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      fail("write error", errno);
    }
    done += static_cast<std::size_t>(n);
  }
}

void AtomicFile::commit() {
  if (fd_ < 0) ioFail(path_, "committed after it was closed");
  if (::fsync(fd_) != 0) fail("cannot flush to disk", errno);
  // Keep the permissions an existing file had; new files get the usual 0644.
  struct stat st {};
  mode_t mode = (::stat(path_.c_str(), &st) == 0) ? (st.st_mode & 07777) : 0644;
  ::fchmod(fd_, mode);
  const int closed = ::close(fd_);
  fd_ = -1;
  if (closed != 0) fail("cannot close the temporary file", errno);
  if (std::rename(temporary_.c_str(), path_.c_str()) != 0) fail("cannot replace the file", errno);
  temporary_.clear();
}

void writeFileAtomically(const std::string& path, const Bytes& data) {
  AtomicFile file(path);
  file.writeAt(0, data);
  file.commit();
}

void writeFileAtomically(const std::string& path, const std::string& text) {
  writeFileAtomically(path, Bytes(text.begin(), text.end()));
}

std::string fileNamePart(const std::string& path) {
  auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string extensionOf(const std::string& path) {
  std::string name = fileNamePart(path);
  auto dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

}  // namespace pyrovel
