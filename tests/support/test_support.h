#pragma once
// Helpers shared by the test suites.
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/frontend.h"

namespace pyrovel::testing {

// A front end with scripted answers that records what it was asked and told.
class ScriptedFrontend : public Frontend {
 public:
  std::deque<Answer> answers;  // taken in order; No when empty
  std::vector<std::string> questions;
  std::vector<std::string> messages;
  unsigned changes = 0;
  std::deque<std::string> openChoices;
  std::deque<SaveAsChoice> saveAsChoices;
  std::vector<std::string> saveAsProposals;  // the names the save-as dialog proposed

  Answer ask(std::string_view q, bool) override {
    questions.emplace_back(q);
    if (answers.empty()) return Answer::No;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void inform(std::string_view text) override { messages.emplace_back(text); }
  void changed(unsigned what) override { changes |= what; }
  std::optional<std::string> chooseOpenFile(bool) override {
    if (openChoices.empty()) return std::nullopt;
    auto p = openChoices.front();
    openChoices.pop_front();
    return p;
  }
  std::optional<SaveAsChoice> chooseSaveAs(const std::string& proposed) override {
    saveAsProposals.push_back(proposed);
    if (saveAsChoices.empty()) return std::nullopt;
    auto c = saveAsChoices.front();
    saveAsChoices.pop_front();
    return c;
  }
};

// A fresh temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  std::string path(const std::string& name) const { return (dir_ / name).string(); }
  const std::filesystem::path& dir() const { return dir_; }

 private:
  std::filesystem::path dir_;
};

// Points the system's temporary folder (TMPDIR) at a folder of the test's
// own while the object lives, so a test that looks at what lands there never
// sees the files of tests running beside it.
class OwnTemporaryFolder {
 public:
  OwnTemporaryFolder();
  ~OwnTemporaryFolder();
  OwnTemporaryFolder(const OwnTemporaryFolder&) = delete;
  OwnTemporaryFolder& operator=(const OwnTemporaryFolder&) = delete;
  // The files and folders in it.
  int fileCount() const;

 private:
  TempDir dir_;
  std::optional<std::string> saved_;
};

// The shared corpus of real files from other projects, when present.
std::string corpusPath(const std::string& relative);  // empty when missing

std::vector<std::uint8_t> readAll(const std::string& path);

// prvl run as a user runs it: its exit code and what it printed (standard
// output and error together).
struct ProcessOutcome {
  int status = -1;  // the exit code; -1 when it did not exit normally
  std::string out;
  bool has(const std::string& text) const { return out.find(text) != std::string::npos; }
};
ProcessOutcome prvl(const std::string& args);
// A shell command line, run the same way.
ProcessOutcome runCommand(const std::string& commandLine);
void writeAll(const std::string& path, const std::vector<std::uint8_t>& data);

}  // namespace pyrovel::testing
