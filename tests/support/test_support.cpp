#include "support/test_support.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

namespace pyrovel::testing {

TempDir::TempDir() {
  std::random_device rd;
  dir_ = std::filesystem::temp_directory_path() /
         ("pyrovel-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
  std::filesystem::create_directories(dir_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(dir_, ec);
}

OwnTemporaryFolder::OwnTemporaryFolder() {
  if (const char* old = std::getenv("TMPDIR")) saved_ = old;
  setenv("TMPDIR", dir_.dir().c_str(), 1);
}

OwnTemporaryFolder::~OwnTemporaryFolder() {
  saved_ ? setenv("TMPDIR", saved_->c_str(), 1) : unsetenv("TMPDIR");
}

int OwnTemporaryFolder::fileCount() const {
  const std::filesystem::directory_iterator files(dir_.dir());
  return static_cast<int>(std::distance(begin(files), end(files)));
}

std::string corpusPath(const std::string& relative) {
  const std::filesystem::path p =
      std::filesystem::path(PYROVEL_SOURCE_DIR) / ".." / "shared" / "corpus" / relative;
  std::error_code ec;
  return std::filesystem::exists(p, ec) ? p.string() : std::string();
}

std::vector<std::uint8_t> readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const std::string& path, const std::vector<std::uint8_t>& data) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

ProcessOutcome prvl(const std::string& args) {
  return runCommand(std::string(PYROVEL_BIN_DIR) + "/prvl " + args);
}

ProcessOutcome runCommand(const std::string& commandLine) {
  const std::string cmd = commandLine + " 2>&1";
  ProcessOutcome r;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  std::array<char, 4096> buf{};
  std::size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
  const int raw = pclose(p);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

}  // namespace pyrovel::testing
