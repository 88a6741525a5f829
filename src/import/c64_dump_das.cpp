// Writing the converter's DAS text and handing it to the DAS reader.
#include "import/c64_dump_das.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "formats/levelset_io.h"
#include "model/errors.h"

namespace pyrovel {

void DasTextWriter::line(std::string_view text) {
  std::string& l = lines_.emplace_back();
  for (const char c : text) {
    if (c != '\r' && c != '\n') l += c;
  }
}

std::string DasTextWriter::text() const {
  std::string out;
  for (const std::string& l : lines_) {
    out += l;
    out += "\r\n";
  }
  return out;
}

namespace {

// Owns a temporary file: removed when it goes out of scope.
class TempFile {
 public:
  TempFile() {
    std::error_code ec;
    std::filesystem::path dir = std::filesystem::temp_directory_path(ec);
    if (ec) dir = "/tmp";
    std::string pattern = (dir / "prvl-c64-das-XXXXXX").string();
    fd_ = mkstemp(pattern.data());
    if (fd_ < 0) {
      throw LevelError(pattern, std::nullopt, std::nullopt,
                       std::string("cannot create a temporary file: ") + std::strerror(errno));
    }
    path_ = pattern;
  }
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    std::remove(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  void write(std::string_view text) {
    std::size_t done = 0;
    while (done < text.size()) {
      const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        throw LevelError(path_, std::nullopt, done,
                         std::string("cannot write the temporary file: ") + std::strerror(errno));
      }
      done += static_cast<std::size_t>(n);
    }
    ::close(fd_);
    fd_ = -1;
  }
  const std::string& path() const { return path_; }

 private:
  int fd_ = -1;
  std::string path_;
};

}  // namespace

void readDasText(EditorSession& session, std::string_view text) {
  TempFile file;
  file.write(text);
  readDasLevels(session, file.path());
}

}  // namespace pyrovel
