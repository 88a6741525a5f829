#include "model/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace pyrovel {

namespace {
[[noreturn]] void ioFail(const std::string& path, const std::string& what) {
  throw LevelError(path, std::nullopt, std::nullopt, what);
}
}  // namespace

Bytes readFileBytes(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) ioFail(path, "is a folder, not a file");
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
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) ioFail(path, "is a folder, not a file");
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

void writeFileAtomically(const std::string& path, const Bytes& data) {
  namespace fs = std::filesystem;
  fs::path target(path);
  fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string tmpl = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) ioFail(path, std::string("cannot create a temporary file: ") + std::strerror(errno));
  std::string tmp(name.data());
  auto cleanup = [&](const std::string& what) {
    int saved = errno;
    ::close(fd);
    ::unlink(tmp.c_str());
    ioFail(path, what + ": " + std::strerror(saved));
  };
  std::size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      cleanup("write error");
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) cleanup("cannot flush to disk");
  // Keep the permissions an existing file had; new files get the usual 0644.
  struct stat st {};
  mode_t mode = (::stat(path.c_str(), &st) == 0) ? (st.st_mode & 07777) : 0644;
  ::fchmod(fd, mode);
  if (::close(fd) != 0) {
    ::unlink(tmp.c_str());
    ioFail(path, std::string("cannot close the temporary file: ") + std::strerror(errno));
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    int saved = errno;
    ::unlink(tmp.c_str());
    ioFail(path, std::string("cannot replace the file: ") + std::strerror(saved));
  }
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
