// Every input a fuzz harness ever crashed or hung on (tests/fuzz_regressions/)
// and every seed of its corpus (fuzz/corpus/) runs through the harness's
// entry point in the normal build: a clear error or a sound result, never a
// crash. One case per harness.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "fuzz/fuzz_targets.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = PYROVEL_SOURCE_DIR;

std::vector<std::string> listedHarnesses() {
  std::ifstream in(kSource / "fuzz" / "harnesses.txt");
  std::vector<std::string> names;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) names.push_back(line);
  }
  return names;
}

// The build makes one fuzzer per listed name, and the list must name every
// reader the harnesses know: a new levelset format or import filter gets
// its fuzzer by a line in harnesses.txt.
TEST(FuzzHarnesses, TheBuildListNamesEveryReader) {
  EXPECT_EQ(listedHarnesses(), fuzz::harnessNames());
}

class FuzzCorpus : public ::testing::TestWithParam<std::string> {};

TEST_P(FuzzCorpus, EveryKeptInputReadsWithoutACrash) {
  const std::string& harness = GetParam();
  int inputs = 0;
  for (const fs::path& folder :
       {kSource / "fuzz" / "corpus" / harness, kSource / "tests" / "fuzz_regressions" / harness}) {
    if (!fs::is_directory(folder)) continue;
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(folder)) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
      SCOPED_TRACE(file.string());
      const std::vector<std::uint8_t> bytes = testing::readAll(file.string());
      fuzz::runTarget(harness, bytes.data(), bytes.size());
      ++inputs;
    }
  }
  EXPECT_GT(inputs, 0) << "no seed for " << harness;
}

std::string harnessName(const ::testing::TestParamInfo<std::string>& harness) {
  return harness.param;
}
INSTANTIATE_TEST_SUITE_P(Harness, FuzzCorpus, ::testing::ValuesIn(listedHarnesses()), harnessName);

}  // namespace
}  // namespace pyrovel
