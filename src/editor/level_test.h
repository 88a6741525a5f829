#pragma once
// Testing the current level in an external player: the level is written in
// that player's format into the player's folder and the player is started.
//
//   game          test.tmp (the one-level test file) and Opt.bdi, then the
//                 game is started and waited for
//   BD4           record 81 of bd4.lev, changed in place, then bd4.exe
//   EMC player    cave/test.lev (Emerald Mine V6), then emcgame.exe
//   Boulderflash  levels/test.xml (BDCFF tags), then boulderflash.exe
//
// The levelmap's own file name is left alone: a later save still goes to
// the levelmap's file, never over a test file.
#include <string>
#include <string_view>

#include "editor/program_launcher.h"
#include "model/configuration.h"
#include "model/levelmap.h"

namespace pyrovel {

// The "Pyrovel Options" of the Options window, handed to the game in Opt.bdi.
struct GameTestOptions {
  std::string resolution = "640x480";
  std::string speed = "8";
  std::string spriteSet = "emerald.iml";
  std::string windowed = "no";      // "yes" or "no"
  std::string soundEffects = "no";  // "yes" or "no"
};

// What a test run needs from the window.
class LevelTestFrontend {
 public:
  virtual ~LevelTestFrontend() = default;
  // A message box with its own caption and an OK button.
  virtual void message(std::string_view caption, std::string_view text) = 0;
  // A plain message.
  virtual void inform(std::string_view text) = 0;
  // Opens the Options window on its "File Locations" page.
  virtual void showFileLocations() = 0;
};

enum class TestOutcome {
  Started,         // the player ran (the game) or was started (the others)
  PlayerNotFound,  // the not-found message was shown, the Options window opened
  TooLarge,        // BD4 only: the level is larger than 64 x 32
  LaunchFailed,    // the player could not be started; the message was shown
};

// Messages and captions of the test runs.
namespace testmsg {
inline constexpr const char* kPyrovelNotFound =
    "Pyrovel was not found, please supply the correct directory in the Options Menu.";
inline constexpr const char* kPyrovelExeNotFound =
    "Pyrovel was not found, please supply the correct Pyrovel directory in the Options Menu. If "
    "you do not have Pyrovel, download it from the maker's web page.";
inline constexpr const char* kPyrovelCaption = "Pyrovel not Found";
inline constexpr const char* kBd4NotFound =
    "BD4 was not found, please supply the correct BD4 directory in the Options Menu. Please read "
    "the readme and editor help before exporting levels to BD4.";
inline constexpr const char* kBd4Caption = "BD4 not Found";
inline constexpr const char* kBd4TooLarge = "BD4 has a maximum level size of 64x32. ";
inline constexpr const char* kEmcNotFound =
    "EMC Player was not found, please supply the correct directory in the Options Menu.";
inline constexpr const char* kEmcCaption = "EMC player not found";
inline constexpr const char* kBoulderflashNotFound =
    "Boulderflash was not found, please supply the correct directory in the Options Menu.";
inline constexpr const char* kBoulderflashCaption = "Boulderflash not found";
inline constexpr const char* kRunnerCaption = "Cannot run Windows programs";
}  // namespace testmsg

// The test slot of bd4.lev: record 81, counted from 0.
inline constexpr std::size_t kBd4TestRecordOffset = 81 * 2106;

struct LevelTestContext {
  Levelmap& map;
  const Configuration& config;
  const GameTestOptions& options;
  ProgramLauncher& launcher;
  LevelTestFrontend& ui;
};

// True where the system cannot start `program` itself: a Windows program
// (".exe", any case) on a system other than Windows.
bool needsWindowsRunner(const std::string& program);
// The runner's program file (looked up along PATH), or empty when it is not
// set or not found.
std::string findWindowsRunner(const std::string& runner);
// The message when a Windows program cannot be started for want of a
// runner: it names what to install and where the runner is set.
std::string windowsRunnerMissing(const std::string& program, const std::string& runner);

// Runs the test for the chosen target (config.testTarget).
TestOutcome testLevelExternally(LevelTestContext& ctx);

// The four targets.
TestOutcome testLevel(LevelTestContext& ctx);  // the game
TestOutcome exportBd4TestLevel(LevelTestContext& ctx);
TestOutcome testlevelInEmc(LevelTestContext& ctx);
TestOutcome testlevelInBoulderflash(LevelTestContext& ctx);

// Writes the options and "Testing" into Opt.bdi; other entries are kept.
void writeGameTestOptions(const std::string& optPath, const GameTestOptions& options);
void setTestingFlag(const std::string& optPath, int value);

// Puts the current level into record 81 of a BD4 level file in place: the
// map and yam bytes, the "t" marks at 1983 and 2047 and the player start
// with two zero bytes after it. Every other byte of the file stays. A file
// too short to hold record 81 is refused before anything is written.
void writeBd4TestRecord(const Levelmap& map, const std::string& levPath);

}  // namespace pyrovel
