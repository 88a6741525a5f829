// Testing a level in the four players: the files written into each
// player's folder, the not-found rules and what is started.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "editor/level_test.h"
#include "editor/player_folders.h"
#include "formats/em_codes.h"
#include "model/editor_session.h"
#include "model/errors.h"
#include "model/ini_file.h"
#include "model/startup.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

namespace fs = std::filesystem;
using testing::readAll;
using testing::writeAll;

struct RecordingTestUi : LevelTestFrontend {
  std::vector<std::pair<std::string, std::string>> boxes;  // caption, text
  std::vector<std::string> messages;
  int fileLocations = 0;
  void message(std::string_view caption, std::string_view text) override {
    boxes.emplace_back(caption, text);
  }
  void inform(std::string_view text) override { messages.emplace_back(text); }
  void showFileLocations() override { ++fileLocations; }
};

// A launcher that also lets a test look at the player's folder while the
// "player" runs.
class WatchingExec : public RecordingLauncher {
 public:
  std::function<void()> whileRunning;

 protected:
  Outcome launch(const Launch& request) override {
    if (whileRunning) whileRunning();
    return RecordingLauncher::launch(request);
  }
};

void touch(const std::string& path) {
  writeAll(path, {'x'});
}

class LevelTestTest : public ::testing::Test {
 protected:
  testing::ScriptedFrontend frontend;
  EditorSession s{frontend};
  testing::TempDir tmp;
  Configuration config;
  GameTestOptions options;
  WatchingExec exec;
  RecordingTestUi ui;
  LevelTestContext ctx{s.map, config, options, exec, ui};

  std::string runner;  // the program that starts the players' Windows programs

  void SetUp() override {
    prepareEmptyLevelmap(s);
    s.map.fileName = "mine.map";
    runner = tmp.path("run-windows");
    writeAll(runner, {'#', '!', '/', 'b', 'i', 'n', '/', 's', 'h', '\n'});
    fs::permissions(runner, fs::perms::owner_all);
    config.windowsRunner = runner;
  }
  // The runner was started with the player as its one argument.
  void expectStartedThroughRunner(const std::string& player) {
    ASSERT_EQ(exec.launches.size(), 1u);
    EXPECT_EQ(exec.launches[0].program, runner);
    EXPECT_EQ(exec.launches[0].arguments, std::vector<std::string>{player});
  }
  std::string folder(const std::string& name) {
    const std::string dir = tmp.path(name);
    fs::create_directories(dir);
    return dir;
  }
  // Level 0 as a w x h level of Dirt, a wall at (2, 1), the player at (1, 1).
  void makeLevel(int w, int h) {
    LevelHeader& head = s.map.current();
    head.setWidth(w);
    head.setHeight(h);
    for (int x = 0; x < w; ++x) {
      for (int y = 0; y < h; ++y) s.map.at(x, y) = obj::Dirt;
    }
    s.map.at(2, 1) = obj::SolidWall;
    s.map.at(1, 1) = obj::LittleFellow;
    head.setPlayerX(1);
    head.setPlayerY(1);
  }
  void expectNotFound(const char* caption, const char* text) {
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].first, caption);
    EXPECT_EQ(ui.boxes[0].second, text);
    EXPECT_EQ(ui.fileLocations, 1);
    EXPECT_TRUE(exec.launches.empty());
  }
};

// --- the game ------------------------------------------------------------------

TEST_F(LevelTestTest, GameGetsTheTestFileAndOptionsAndIsWaitedFor) {
  config.gameDir = folder("game");
  touch(config.gameDir + "/pyrovel.exe");  // any spelling of the name
  // Entries of the game's own stay.
  IniFile own;
  own.writeString("Options", "Language", "nl");
  own.writeInteger("Messages", "Testing", 0);
  own.save(config.gameDir + "/Opt.bdi");
  options.resolution = "800x600";
  options.speed = "12";
  options.spriteSet = "brel.iml";
  options.windowed = "yes";
  options.soundEffects = "yes";
  makeLevel(40, 22);
  const fs::path editorDir = fs::current_path();

  int testingWhileRunning = -1;
  exec.whileRunning = [&] {
    testingWhileRunning =
        IniFile::load(config.gameDir + "/Opt.bdi").readInteger("Messages", "Testing", -1);
  };
  EXPECT_EQ(testLevelExternally(ctx), TestOutcome::Started);

  const auto file = readAll(config.gameDir + "/test.tmp");
  ASSERT_EQ(file.size(), 398u + 460u + 2u * 40u * 22u);  // 2618
  EXPECT_EQ(std::string(file.begin(), file.begin() + 12), "GrotPRV V2.0");
  EXPECT_EQ(file[398], 40);  // the record's width
  EXPECT_EQ(file[399], 22);
  // Row 1, column 2: the wall, a little-endian u16.
  const std::size_t wall = 398 + 460 + 2 * (40 * 1 + 2);
  EXPECT_EQ(file[wall], obj::SolidWall);
  EXPECT_EQ(file[wall + 1], 0);

  EXPECT_EQ(testingWhileRunning, 1);
  const IniFile opt = IniFile::load(config.gameDir + "/Opt.bdi");
  EXPECT_EQ(opt.readInteger("Messages", "Testing", -1), 0);
  EXPECT_EQ(opt.readInteger("Messages", "TestLevel", -1), 0);
  EXPECT_EQ(opt.readString("Options", "GameResolution", ""), "800x600");
  EXPECT_EQ(opt.readString("Options", "SoundFX", ""), "yes");
  EXPECT_EQ(opt.readInteger("Options", "Speed", -1), 12);
  EXPECT_EQ(opt.readInteger("Options", "WindowMode", -1), 1);
  EXPECT_EQ(opt.readString("Last Game", "Look", ""), "brel.iml");
  EXPECT_EQ(opt.readString("Options", "Language", ""), "nl");

  expectStartedThroughRunner(config.gameDir + "/pyrovel.exe");
  EXPECT_EQ(exec.launches[0].workingDir, config.gameDir);
  EXPECT_TRUE(exec.launches[0].wait);
  EXPECT_EQ(exec.errorNumber, 0);
  // The editor stays where it was, and so does the levelmap's own name.
  EXPECT_EQ(fs::current_path(), editorDir);
  EXPECT_EQ(s.map.fileName, "mine.map");
  EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(LevelTestTest, GameOptionsDefaultToTheOptionsWindowsValues) {
  config.gameDir = folder("game");
  touch(config.gameDir + "/Pyrovel.exe");
  EXPECT_EQ(testLevel(ctx), TestOutcome::Started);
  const IniFile opt = IniFile::load(config.gameDir + "/Opt.bdi");
  EXPECT_EQ(opt.readString("Options", "GameResolution", ""), "640x480");
  EXPECT_EQ(opt.readString("Options", "SoundFX", ""), "no");
  EXPECT_EQ(opt.readInteger("Options", "Speed", -1), 8);
  EXPECT_EQ(opt.readInteger("Options", "WindowMode", -1), 0);
  EXPECT_EQ(opt.readString("Last Game", "Look", ""), "emerald.iml");
}

TEST_F(LevelTestTest, GameFolderMissingWritesNothing) {
  config.gameDir = tmp.path("nowhere");
  EXPECT_EQ(testLevelExternally(ctx), TestOutcome::PlayerNotFound);
  expectNotFound("Pyrovel not Found",
                 "Pyrovel was not found, please supply the correct directory in the Options Menu.");
  EXPECT_FALSE(fs::exists(config.gameDir));
}

TEST_F(LevelTestTest, GameProgramMissingIsNoticedAfterTheFilesAreWritten) {
  config.gameDir = folder("game");
  EXPECT_EQ(testLevel(ctx), TestOutcome::PlayerNotFound);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].first, "Pyrovel not Found");
  EXPECT_EQ(ui.boxes[0].second.rfind(
                "Pyrovel was not found, please supply the correct Pyrovel directory in the Options "
                "Menu. If you do not have Pyrovel, download it from ",
                0),
            0u);
  EXPECT_EQ(ui.fileLocations, 1);
  EXPECT_TRUE(fs::exists(config.gameDir + "/test.tmp"));
  EXPECT_EQ(IniFile::load(config.gameDir + "/Opt.bdi").readInteger("Messages", "Testing", -1), 0);
}

TEST_F(LevelTestTest, GameThatCannotStartLeavesTestingOff) {
  config.gameDir = folder("game");
  touch(config.gameDir + "/Pyrovel.exe");
  exec.next = {ProgramLauncher::Outcome::StartFailed, ENOEXEC, "exec format error"};
  EXPECT_EQ(testLevel(ctx), TestOutcome::LaunchFailed);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0],
            "Exécutable invalide, application non Windows, ou erreur dans l'image du fichier .EXE");
  EXPECT_EQ(IniFile::load(config.gameDir + "/Opt.bdi").readInteger("Messages", "Testing", -1), 0);
}

TEST_F(LevelTestTest, BadGameSpeedStopsBeforeAnythingIsWritten) {
  config.gameDir = folder("game");
  touch(config.gameDir + "/Pyrovel.exe");
  options.speed = "fast";
  EXPECT_THROW(testLevel(ctx), LevelError);
  EXPECT_FALSE(fs::exists(config.gameDir + "/test.tmp"));
  EXPECT_FALSE(fs::exists(config.gameDir + "/Opt.bdi"));
  EXPECT_TRUE(exec.launches.empty());
}

// --- BD4 -------------------------------------------------------------------------

class Bd4TestTest : public LevelTestTest {
 protected:
  static constexpr std::size_t kRecord = 2106;
  static constexpr std::size_t kSlot = 81 * kRecord;  // 170586
  std::string lev;
  std::vector<std::uint8_t> original;

  void SetUp() override {
    LevelTestTest::SetUp();
    config.testTarget = TestTarget::BD4;
    config.bd4Dir = folder("bd4");
    touch(config.bd4Dir + "/bd4.exe");
    lev = config.bd4Dir + "/BD4.LEV";  // found whatever its spelling
    // 83 records of a pattern, so any byte written shows.
    original.resize(83 * kRecord);
    for (std::size_t i = 0; i < original.size(); ++i)
      original[i] = static_cast<std::uint8_t>(i * 7 + 3);
    writeAll(lev, original);
  }
};

TEST_F(Bd4TestTest, WritesOnlyTheNamedBytesOfRecord81) {
  makeLevel(20, 10);
  s.map.current().setPlayerX(5);
  s.map.current().setPlayerY(4);
  EXPECT_EQ(testLevelExternally(ctx), TestOutcome::Started);

  const auto file = readAll(lev);
  ASSERT_EQ(file.size(), original.size());
  // Everything before and after the record, and the header bytes the test
  // keeps, are as they were.
  for (std::size_t i = 0; i < file.size(); ++i) {
    const bool inRecord = i >= kSlot && i < kSlot + kRecord;
    const std::size_t r = i - kSlot;
    const bool kept = !inRecord || (r >= 2084 && r < 2096) || r >= 2100;
    if (kept) {
      ASSERT_EQ(file[i], original[i]) << "byte " << i;
    }
  }
  const std::uint8_t* rec = &file[kSlot];
  EXPECT_EQ(rec[64 * 1 + 2], emExportCode(obj::SolidWall));  // the wall at (2, 1)
  EXPECT_EQ(rec[64 * 2 + 3], emExportCode(obj::Dirt));
  EXPECT_EQ(rec[64 * 0 + 25], 131);  // walled off right of the level
  EXPECT_EQ(rec[64 * 20 + 3], 131);  // and below it
  EXPECT_EQ(rec[1983], 't');         // (63, 30)
  EXPECT_EQ(rec[2047], 't');         // (63, 31)
  EXPECT_EQ(rec[2046], 131);         // (62, 31) keeps its map byte
  EXPECT_EQ(rec[2048 + 9 * 1 + 3 * 2 + 0], emYamCode(s.map.current().yam(1, 2, 0)));
  EXPECT_EQ(rec[2096], (64 * 4 + 5) >> 8);
  EXPECT_EQ(rec[2097], (64 * 4 + 5) & 0xFF);
  EXPECT_EQ(rec[2098], 0);
  EXPECT_EQ(rec[2099], 0);

  expectStartedThroughRunner(config.bd4Dir + "/bd4.exe");
  EXPECT_EQ(exec.launches[0].workingDir, config.bd4Dir);
  EXPECT_FALSE(exec.launches[0].wait);
  // Fitting walls off the cells beyond the level in the levelmap too.
  EXPECT_EQ(s.map.at(20, 0), obj::SolidWall);
  EXPECT_EQ(s.map.fileName, "mine.map");
}

TEST_F(Bd4TestTest, LargerThan64By32IsRefusedAndChangesNothing) {
  makeLevel(64, 33);
  const LevelGrid before = s.map.grid(0, 1);
  EXPECT_EQ(exportBd4TestLevel(ctx), TestOutcome::TooLarge);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"BD4 has a maximum level size of 64x32. "});
  EXPECT_EQ(readAll(lev), original);
  EXPECT_TRUE(exec.launches.empty());
  EXPECT_EQ(s.map.grid(0, 1), before);

  makeLevel(65, 20);
  EXPECT_EQ(exportBd4TestLevel(ctx), TestOutcome::TooLarge);
  EXPECT_EQ(readAll(lev), original);
}

TEST_F(Bd4TestTest, LevelFileTooShortForRecord81IsLeftAlone) {
  makeLevel(20, 10);
  original.resize(80 * kRecord);  // a levelset of 80 records has no test slot
  writeAll(lev, original);
  try {
    exportBd4TestLevel(ctx);
    FAIL() << "a short bd4.lev was accepted";
  } catch (const LevelError& e) {
    EXPECT_NE(std::string(e.what()).find("record 81"), std::string::npos) << e.what();
  }
  EXPECT_EQ(readAll(lev), original);
  EXPECT_TRUE(exec.launches.empty());
}

TEST_F(Bd4TestTest, BothFilesAreNeeded) {
  fs::remove(config.bd4Dir + "/bd4.exe");
  EXPECT_EQ(testLevelExternally(ctx), TestOutcome::PlayerNotFound);
  expectNotFound("BD4 not Found",
                 "BD4 was not found, please supply the correct BD4 directory in the Options Menu. "
                 "Please read the readme and editor help before exporting levels to BD4.");
  EXPECT_EQ(readAll(lev), original);

  ui = {};
  touch(config.bd4Dir + "/bd4.exe");
  fs::remove(lev);
  EXPECT_EQ(exportBd4TestLevel(ctx), TestOutcome::PlayerNotFound);
  EXPECT_EQ(ui.boxes.at(0).first, "BD4 not Found");
}

TEST_F(Bd4TestTest, StartFailureIsToldAfterTheRecordIsWritten) {
  makeLevel(20, 10);
  exec.next = {ProgramLauncher::Outcome::StartFailed, ENOENT, ""};
  EXPECT_EQ(exportBd4TestLevel(ctx), TestOutcome::LaunchFailed);
  EXPECT_EQ(ui.messages, std::vector<std::string>{"Fichier non trouvé"});
  EXPECT_EQ(readAll(lev)[kSlot + 1983], 't');
}

// --- EMC player and Boulderflash ----------------------------------------------

TEST_F(LevelTestTest, EmcPlayerGetsAV6LevelInItsCaveFolder) {
  config.testTarget = TestTarget::Emerald;
  config.emeraldDir = folder("emc");
  touch(config.emeraldDir + "/EMCGAME.EXE");
  makeLevel(30, 12);
  EXPECT_EQ(testLevelExternally(ctx), TestOutcome::Started);
  const auto lev = readAll(config.emeraldDir + "/cave/test.lev");
  ASSERT_EQ(lev.size(), 2172u);
  EXPECT_EQ(lev[64 * 1 + 2], emExportCode(obj::SolidWall));
  EXPECT_EQ(lev[64 * 0 + 40], 131);
  expectStartedThroughRunner(config.emeraldDir + "/EMCGAME.EXE");
  EXPECT_EQ(exec.launches[0].workingDir, config.emeraldDir);
  EXPECT_FALSE(exec.launches[0].wait);
  EXPECT_EQ(s.map.fileName, "mine.map");
}

TEST_F(LevelTestTest, EmcPlayerNotFound) {
  config.testTarget = TestTarget::Emerald;
  config.emeraldDir = folder("emc");  // the folder alone is not enough
  EXPECT_EQ(testLevelExternally(ctx), TestOutcome::PlayerNotFound);
  expectNotFound(
      "EMC player not found",
      "EMC Player was not found, please supply the correct directory in the Options Menu.");
  EXPECT_FALSE(fs::exists(config.emeraldDir + "/cave"));

  ui = {};
  config.emeraldDir = tmp.path("missing");
  EXPECT_EQ(testLevelExternally(ctx), TestOutcome::PlayerNotFound);
  EXPECT_EQ(ui.fileLocations, 1);
}

TEST_F(LevelTestTest, BoulderflashNeedsItsSwfNotJustTheProgram) {
  config.testTarget = TestTarget::Boulderflash;
  config.boulderflashDir = folder("flash");
  touch(config.boulderflashDir + "/boulderflash.exe");
  EXPECT_EQ(testLevelExternally(ctx), TestOutcome::PlayerNotFound);
  expectNotFound(
      "Boulderflash not found",
      "Boulderflash was not found, please supply the correct directory in the Options Menu.");
  EXPECT_FALSE(fs::exists(config.boulderflashDir + "/levels"));
}

TEST_F(LevelTestTest, BoulderflashGetsTheLevelAsBdcffTags) {
  config.testTarget = TestTarget::Boulderflash;
  config.boulderflashDir = folder("flash");
  fs::create_directories(config.boulderflashDir + "/Levels");  // its own spelling is used
  touch(config.boulderflashDir + "/boulderflash.swf");
  touch(config.boulderflashDir + "/boulderflash.exe");
  makeLevel(10, 6);
  EXPECT_EQ(testLevelExternally(ctx), TestOutcome::Started);
  const auto xml = readAll(config.boulderflashDir + "/Levels/test.xml");
  const std::string text(xml.begin(), xml.end());
  EXPECT_EQ(text.rfind("<bdcff>\r\n<game>\r\n", 0), 0u) << text.substr(0, 40);
  expectStartedThroughRunner(config.boulderflashDir + "/boulderflash.exe");
  EXPECT_EQ(exec.launches[0].workingDir, config.boulderflashDir);
  EXPECT_FALSE(exec.launches[0].wait);
}

// --- Windows programs through a runner ---------------------------------------------

TEST_F(LevelTestTest, WindowsPlayersNeedARunnerAndTheMessageNamesWhatToInstall) {
  config.testTarget = TestTarget::Emerald;
  config.emeraldDir = folder("emc");
  touch(config.emeraldDir + "/emcgame.exe");
  makeLevel(10, 6);

  // None set: nothing is started, and the message says what would help.
  config.windowsRunner.clear();
  EXPECT_EQ(testLevelExternally(ctx), TestOutcome::LaunchFailed);
  EXPECT_TRUE(exec.launches.empty());
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].first, testmsg::kRunnerCaption);
  EXPECT_NE(ui.boxes[0].second.find("emcgame.exe is a Windows program"), std::string::npos);
  EXPECT_NE(ui.boxes[0].second.find("Install Wine"), std::string::npos);
  EXPECT_NE(ui.boxes[0].second.find("Run Windows programs with"), std::string::npos);

  // One set that is not there: named in the message.
  config.windowsRunner = "no-such-runner-here";
  EXPECT_EQ(testLevelExternally(ctx), TestOutcome::LaunchFailed);
  EXPECT_TRUE(exec.launches.empty());
  ASSERT_EQ(ui.boxes.size(), 2u);
  EXPECT_NE(ui.boxes[1].second.find("\"no-such-runner-here\", was not found"), std::string::npos);

  // Programs that are not Windows programs start by themselves.
  EXPECT_TRUE(needsWindowsRunner("/games/emc/EMCGAME.EXE"));
  EXPECT_FALSE(needsWindowsRunner("/games/flash/boulderflash"));
  EXPECT_FALSE(needsWindowsRunner("/games/exe"));
}

TEST_F(LevelTestTest, GameRunsThroughARealRunnerInItsFolder) {
  // A runner that notes where it runs and what it was given, as wine would
  // be started.
  const std::string log = tmp.path("runner.log");
  const std::string script = "#!/bin/sh\npwd > '" + log + "'\nfor a in \"$@\"; do echo \"$a\" >> '" +
                             log + "'; done\n";
  writeAll(runner, std::vector<std::uint8_t>(script.begin(), script.end()));
  config.gameDir = folder("my game");
  touch(config.gameDir + "/Pyrovel.exe");
  makeLevel(12, 8);
  SystemLauncher system;
  LevelTestContext real{s.map, config, options, system, ui};
  EXPECT_EQ(testLevelExternally(real), TestOutcome::Started);  // waited for
  const auto written = readAll(log);
  EXPECT_EQ(std::string(written.begin(), written.end()),
            fs::canonical(config.gameDir).string() + "\n" + config.gameDir + "/Pyrovel.exe\n");
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(IniFile::load(config.gameDir + "/Opt.bdi").readInteger("Messages", "Testing", -1), 0);
}

// --- the folder finder and names -------------------------------------------------

TEST(PlayerFolders, FinderRules) {
  testing::TempDir tmp;
  const std::string dir = tmp.dir().string();
  FolderCheck check = checkPlayerFolder(TestTarget::Pyrovel, dir);
  EXPECT_EQ(check.result, FolderCheck::NotFound);
  EXPECT_EQ(check.label, "File not Found");

  // The game's program without its sprite set does not count, and says nothing.
  touch(dir + "/Pyrovel.exe");
  check = checkPlayerFolder(TestTarget::Pyrovel, dir);
  EXPECT_EQ(check.result, FolderCheck::Incomplete);
  EXPECT_EQ(check.label, "");

  touch(dir + "/Emerald.iml");
  check = checkPlayerFolder(TestTarget::Pyrovel, dir);
  EXPECT_EQ(check.result, FolderCheck::Found);
  EXPECT_EQ(check.label, "Pyrovel found!");

  EXPECT_EQ(checkPlayerFolder(TestTarget::BD4, dir).label, "File not Found");
  touch(dir + "/bd4.exe");
  EXPECT_EQ(checkPlayerFolder(TestTarget::BD4, dir).label, "BD4 found!");
  touch(dir + "/emcgame.exe");
  EXPECT_EQ(checkPlayerFolder(TestTarget::Emerald, dir).label, "EMC player found!");
  touch(dir + "/boulderflash.exe");
  EXPECT_EQ(checkPlayerFolder(TestTarget::Boulderflash, dir).label, "File not Found");
  touch(dir + "/BoulderFlash.SWF");
  EXPECT_EQ(checkPlayerFolder(TestTarget::Boulderflash, dir).label, "Boulderflash found!");
  EXPECT_EQ(checkPlayerFolder(TestTarget::BD4, tmp.path("missing")).label, "File not Found");

  EXPECT_EQ(std::string(playerInfo(TestTarget::Emerald).prompt),
            "Please specify the directory of Emerald Mine Player");
}

TEST(PlayerFolders, NamesAreFoundWhateverTheirCase) {
  testing::TempDir tmp;
  const std::string dir = tmp.dir().string();
  touch(dir + "/Bd4.Exe");
  fs::create_directories(dir + "/CAVE");
  EXPECT_EQ(findFileNoCase(dir, "bd4.exe"), dir + "/Bd4.Exe");
  EXPECT_EQ(findFileNoCase(dir, "bd4.lev"), std::nullopt);
  EXPECT_EQ(findFileNoCase(dir, "cave"), std::nullopt);  // a folder is not a file
  EXPECT_EQ(findFolderNoCase(dir, "cave"), dir + "/CAVE");
  EXPECT_EQ(folderInside(dir, "cave"), dir + "/CAVE");
  EXPECT_EQ(folderInside(dir, "levels"), dir + "/levels");
  EXPECT_TRUE(fs::is_directory(dir + "/levels"));
  // The exact spelling wins over others.
  touch(dir + "/bd4.exe");
  EXPECT_EQ(findFileNoCase(dir, "bd4.exe"), dir + "/bd4.exe");

  EXPECT_EQ(joinPath("/games", "bd4.exe"), "/games/bd4.exe");
  EXPECT_EQ(joinPath("/games/", "bd4.exe"), "/games/bd4.exe");
  EXPECT_EQ(joinPath("C:\\Games\\", "bd4.exe"), "C:\\Games\\bd4.exe");
}

}  // namespace
}  // namespace pyrovel
