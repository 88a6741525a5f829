#include "support/test_support.h"

#include <fstream>
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

}  // namespace pyrovel::testing
