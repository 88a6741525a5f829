// The installed programs as a user meets them: `cmake --install` into a
// fresh prefix, then prvl and the editor run from there, out of another
// folder, without the build folder's files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/test_support.h"

namespace pyrovel {
namespace {

namespace fs = std::filesystem;
using testing::runCommand;

const std::string kShare = "share/pyrovel-level-editor/";
const std::string kAppId = "org.pyrovel.LevelEditor";

bool onPath(const std::string& tool) {
  return runCommand("command -v " + tool).status == 0;
}

std::string readText(const fs::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class InstalledTree : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    prefix_ = new testing::TempDir;
    const testing::ProcessOutcome r =
        runCommand(std::string(PYROVEL_CMAKE) + " --install " + PYROVEL_BUILD_DIR + " --prefix " +
                   prefix_->dir().string());
    installLog_ = new std::string(r.out);
    installed_ = r.status == 0;
  }
  static void TearDownTestSuite() {
    delete prefix_;
    delete installLog_;
  }
  void SetUp() override { ASSERT_TRUE(installed_) << *installLog_; }

  static fs::path at(const std::string& relative) { return prefix_->dir() / relative; }
  static bool editorBuilt() { return fs::exists(std::string(PYROVEL_BIN_DIR) + "/prvl-editor"); }

  static testing::TempDir* prefix_;
  static std::string* installLog_;
  static bool installed_;
};
testing::TempDir* InstalledTree::prefix_ = nullptr;
std::string* InstalledTree::installLog_ = nullptr;
bool InstalledTree::installed_ = false;

TEST_F(InstalledTree, HoldsTheProgramsDataAndDesktopFiles) {
  std::vector<std::string> expected = {
      "bin/prvl",
      kShare + "Emerald.iml",
      kShare + "Emerald.bam",
      kShare + "Edit.bdi",
      kShare + "user-guide.md",
      kShare + "demo.map",
      "share/applications/" + kAppId + ".desktop",
      "share/metainfo/" + kAppId + ".metainfo.xml",
      "share/mime/packages/pyrovel-level-editor.xml",
      "share/icons/hicolor/scalable/apps/" + kAppId + ".svg",
      "share/man/man1/prvl.1",
  };
  for (const char* size : {"16", "22", "24", "32", "48", "64", "128", "256"}) {
    expected.push_back("share/icons/hicolor/" + std::string(size) + "x" + size + "/apps/" + kAppId +
                       ".png");
  }
  if (editorBuilt()) expected.push_back("bin/prvl-editor");
  for (const std::string& file : expected) EXPECT_TRUE(fs::exists(at(file))) << file;
}

// The installed prvl finds the installed sprite set: its picture is the one
// the build's prvl draws with the sprite set beside it.
TEST_F(InstalledTree, PrvlRendersWithTheInstalledSpritesFromAnotherFolder) {
  testing::TempDir work;
  const std::string demo = at(kShare + "demo.map").string();
  const testing::ProcessOutcome installed =
      runCommand("cd " + work.dir().string() + " && " + at("bin/prvl").string() + " render " +
                 demo + " --level 0 -o installed.png");
  ASSERT_EQ(installed.status, 0) << installed.out;
  ASSERT_EQ(testing::prvl("render " + demo + " --level 0 -o " + work.path("built.png")).status, 0);
  EXPECT_EQ(testing::readAll(work.path("installed.png")), testing::readAll(work.path("built.png")));

  EXPECT_EQ(runCommand(at("bin/prvl").string() + " --version").out,
            "prvl " + std::string(PYROVEL_VERSION) + "\n");
}

// The man page names every command `prvl --help` lists.
TEST_F(InstalledTree, ManPageCoversEveryCommand) {
  const std::string page = readText(at("share/man/man1/prvl.1"));
  std::istringstream help(testing::prvl("--help").out);
  std::string line;
  int commands = 0;
  bool inList = false;
  while (std::getline(help, line)) {
    if (line == "commands:") inList = true;
    if (!inList || line.rfind("  ", 0) != 0 || line.size() < 3 || line[2] == ' ') continue;
    const std::string name = line.substr(2, line.find(' ', 2) - 2);
    const bool named = page.find(".BI " + name + " ") != std::string::npos ||
                       page.find(".BI \"" + name + " ") != std::string::npos;
    EXPECT_TRUE(named) << name;
    ++commands;
  }
  EXPECT_GE(commands, 9);
  EXPECT_EQ(page.find('@'), std::string::npos) << "a placeholder was not filled in";
}

TEST_F(InstalledTree, EditorStartsOnTheOffscreenPlatform) {
  if (!editorBuilt()) GTEST_SKIP() << "prvl-editor is not built (no Qt 6)";
  testing::TempDir home;
  const std::string editor = "cd " + home.dir().string() + " && HOME=" + home.dir().string() +
                             " XDG_CONFIG_HOME=" + home.path("config") +
                             " QT_QPA_PLATFORM=offscreen " + at("bin/prvl-editor").string();
  const testing::ProcessOutcome started =
      runCommand(editor + " --check " + at(kShare + "demo.map").string());
  EXPECT_EQ(started.status, 0) << started.out;
  // Qt may add notes about the session on standard error.
  EXPECT_TRUE(runCommand(editor + " --version").has("prvl-editor " + std::string(PYROVEL_VERSION)));
  EXPECT_EQ(runCommand(editor + " --no-such-option").status, 2);
}

// The validators of the desktop's file formats, when the machine has them
// (`make test` installs them).
TEST_F(InstalledTree, DesktopEntryMimeTypesAndMetainfoValidate) {
  if (onPath("desktop-file-validate")) {
    const testing::ProcessOutcome r = runCommand(
        "desktop-file-validate " + at("share/applications/" + kAppId + ".desktop").string());
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, "");
  }
  if (onPath("appstreamcli")) {
    const testing::ProcessOutcome r =
        runCommand("appstreamcli validate --no-net " +
                   at("share/metainfo/" + kAppId + ".metainfo.xml").string());
    EXPECT_EQ(r.status, 0) << r.out;
  }
  if (onPath("update-mime-database")) {
    const testing::ProcessOutcome r =
        runCommand("update-mime-database " + at("share/mime").string());
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_TRUE(fs::exists(at("share/mime/application/x-pyrovel-levelmap.xml")));
  }
  // Every type the launcher offers to open is one the package defines.
  const std::string desktop = readText(at("share/applications/" + kAppId + ".desktop"));
  const std::string types = readText(at("share/mime/packages/pyrovel-level-editor.xml"));
  std::istringstream list(desktop.substr(desktop.find("MimeType=") + 9));
  std::string type;
  while (std::getline(list, type, ';') && type.find('\n') == std::string::npos) {
    EXPECT_NE(types.find("type=\"" + type + "\""), std::string::npos) << type;
  }
}

}  // namespace
}  // namespace pyrovel
