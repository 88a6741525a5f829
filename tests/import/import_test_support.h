#pragma once
// Shared by the import tests: a session with a front end that also keeps
// the conversion panel's lines, and files written into a temporary folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/editor_session.h"
#include "support/test_support.h"

namespace pyrovel::testing {

class RecordingFrontend : public ScriptedFrontend {
 public:
  std::vector<std::string> panelLines;  // labels shown on the conversion panel
  int lastMax = -1;                     // 0 once the panel was hidden
  void progress(int, int max, std::string_view label) override {
    lastMax = max;
    if (!label.empty() && (panelLines.empty() || panelLines.back() != label)) {
      panelLines.emplace_back(label);
    }
  }
};

struct ImportFixture : ::testing::Test {
  RecordingFrontend ui;
  EditorSession session{ui};
  TempDir dir;

  std::string file(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = dir.path(name);
    writeAll(path, bytes);
    return path;
  }
  std::string textFile(const std::string& name, const std::string& text) {
    return file(name, std::vector<std::uint8_t>(text.begin(), text.end()));
  }
  std::int32_t cell(int slot, int x, int y) const {
    return session.map.cell(kGameLayer, slot, x, y);
  }
  LevelHeader& header(int slot) { return session.map.header(slot); }
  // Makes `slot` current, as the dialog leaves it before an import.
  void at(int slot) { session.map.currentLevel = slot; }
};

}  // namespace pyrovel::testing
