#include "editor/level_test.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cctype>
#include <charconv>
#include <cstring>

#include "editor/player_folders.h"
#include "formats/bd4_record.h"
#include "formats/bdcff.h"
#include "formats/em_formats.h"
#include "model/errors.h"
#include "model/file_io.h"
#include "model/game_format.h"
#include "model/ini_file.h"

namespace pyrovel {

namespace {

constexpr std::size_t kBd4TestBlock = 2084;  // map and yam bytes
constexpr std::size_t kBd4TestStart = 2096;  // player start word and two zero bytes

std::string lowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

bool needsWindowsRunner(const std::string& program) {
#ifdef _WIN32
  (void)program;
  return false;
#else
  const std::string name = lowerCase(fileNamePart(program));
  return name.size() > 4 && name.compare(name.size() - 4, 4, ".exe") == 0;
#endif
}

std::string findWindowsRunner(const std::string& runner) {
  if (runner.empty()) return {};
  return SystemLauncher::resolveProgram(runner, {});
}

std::string windowsRunnerMissing(const std::string& program, const std::string& runner) {
  const std::string what = program + " is a Windows program. ";
  const std::string how =
      "Install Wine (the package \"wine\") to run it, or name the program that runs Windows "
      "programs under Options, File Locations, \"Run Windows programs with\".";
  if (runner.empty()) return what + "No program to run it with is set. " + how;
  return what + "The program to run it with, \"" + runner + "\", was not found. " + how;
}

namespace {

TestOutcome notFound(LevelTestContext& ctx, const char* caption, const char* text) {
  ctx.ui.message(caption, text);
  ctx.ui.showFileLocations();
  return TestOutcome::PlayerNotFound;
}

// Starts a player that runs alongside the editor; a failed start is told.
// Where the system cannot start a Windows program itself, the runner of the
// settings starts it, the player's path its one argument.
TestOutcome startPlayer(LevelTestContext& ctx, const std::string& program, const std::string& dir,
                        bool wait) {
  ProgramLauncher& exec = ctx.launcher;
  exec.reset();
  exec.programName = program;
  if (needsWindowsRunner(program)) {
    const std::string runner = findWindowsRunner(ctx.config.windowsRunner);
    if (runner.empty()) {
      ctx.ui.message(testmsg::kRunnerCaption,
                     windowsRunnerMissing(fileNamePart(program), ctx.config.windowsRunner));
      ctx.ui.showFileLocations();  // where the runner is set
      return TestOutcome::LaunchFailed;
    }
    exec.programName = runner;
    exec.programArguments = {program};
  }
  exec.setWorkingFolder(dir);
  exec.waitForEnd = wait;
  exec.changeFolder = true;
  try {
    exec.execute();
  } catch (const LaunchError& e) {
    ctx.ui.inform(e.what());
    return TestOutcome::LaunchFailed;
  }
  return TestOutcome::Started;
}

int speedNumber(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) {
    throw LevelError("The game speed \"" + text + "\" is not a whole number.");
  }
  return value;
}

std::string optionsFile(const std::string& gameDir) {
  if (auto found = findFileNoCase(gameDir, "Opt.bdi")) return *found;
  return joinPath(gameDir, "Opt.bdi");
}

[[noreturn]] void bd4Fail(const std::string& path, std::size_t offset, const std::string& what) {
  throw LevelError(path, std::nullopt, offset, what);
}

void writeAllAt(int fd, const std::uint8_t* data, std::size_t size, std::size_t offset,
                const std::string& path) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pwrite(fd, data + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      bd4Fail(path, offset + done, std::string("write error: ") + std::strerror(errno));
    }
    done += static_cast<std::size_t>(n);
  }
}

// Closes the descriptor on every way out.
struct FileHandle {
  int fd;
  ~FileHandle() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

// --- the game ---------------------------------------------------------------------

void writeGameTestOptions(const std::string& optPath, const GameTestOptions& options) {
  const int speed = speedNumber(options.speed);
  IniFile ini = IniFile::load(optPath);
  ini.writeInteger("Messages", "Testing", 1);
  ini.writeInteger("Messages", "TestLevel", 0);
  ini.writeString("Options", "GameResolution", options.resolution);
  ini.writeString("Options", "SoundFX", options.soundEffects);
  ini.writeInteger("Options", "Speed", speed);
  ini.writeInteger("Options", "WindowMode", options.windowed == "yes" ? 1 : 0);
  ini.writeString("Last Game", "Look", options.spriteSet);
  ini.save(optPath);
}

void setTestingFlag(const std::string& optPath, int value) {
  IniFile ini = IniFile::load(optPath);
  ini.writeInteger("Messages", "Testing", value);
  ini.save(optPath);
}

TestOutcome testLevel(LevelTestContext& ctx) {
  const std::string& dir = ctx.config.gameDir;
  if (!folderExists(dir)) return notFound(ctx, testmsg::kPyrovelCaption, testmsg::kPyrovelNotFound);
  speedNumber(ctx.options.speed);  // a bad option stops the test before anything is written

  writeTestLevelFile(ctx.map, joinPath(dir, "test.tmp"));
  const std::string opt = optionsFile(dir);
  writeGameTestOptions(opt, ctx.options);

  // "Testing" is 1 exactly while the game runs from the editor, so it goes
  // back to 0 whatever happens to the run.
  TestOutcome outcome = TestOutcome::Started;
  try {
    if (const auto exe = findFileNoCase(dir, "Pyrovel.exe")) {
      outcome = startPlayer(ctx, *exe, dir, /*wait=*/true);
    } else {
      outcome = notFound(ctx, testmsg::kPyrovelCaption, testmsg::kPyrovelExeNotFound);
    }
  } catch (...) {
    setTestingFlag(opt, 0);
    throw;
  }
  setTestingFlag(opt, 0);
  return outcome;
}

// --- BD4 ---------------------------------------------------------------------------

void writeBd4TestRecord(const Levelmap& levelmap, const std::string& levPath) {
  Levelmap map = levelmap.clone();  // fitting walls off cells: never in the edited levelmap
  const int slot = map.currentLevel, layer = map.currentLayer;
  const Bd4Record record = writeBd4Record(map, slot, layer);  // fits the level first
  std::array<std::uint8_t, kBd4TestBlock> block{};
  std::memcpy(block.data(), record.data(), kBd4TestBlock);
  // The test slot keeps the last map byte but one as the map has it, and
  // marks the last cells of the two bottom rows instead.
  encodeEmMap(map, slot, layer, std::span<std::uint8_t>(block.data(), kEmMapBytes));
  block[1983] = 't';
  block[2047] = 't';
  const LevelHeader& h = map.header(slot);
  const std::uint16_t start = encodeStartWord(h.playerX(), h.playerY());
  const std::array<std::uint8_t, 4> startBytes{static_cast<std::uint8_t>(start >> 8),
                                               static_cast<std::uint8_t>(start & 0xFF), 0, 0};

  FileHandle file{::open(levPath.c_str(), O_WRONLY | O_CLOEXEC)};  // never created, never cut
  if (file.fd < 0)
    bd4Fail(levPath, 0, std::string("cannot open for writing: ") + std::strerror(errno));
  struct stat st {};
  if (::fstat(file.fd, &st) != 0)
    bd4Fail(levPath, 0, std::string("cannot read the size: ") + std::strerror(errno));
  const std::size_t needed = kBd4TestRecordOffset + kBd4RecordSize;
  if (!S_ISREG(st.st_mode) || static_cast<std::size_t>(st.st_size) < needed) {
    bd4Fail(levPath, kBd4TestRecordOffset,
            "too short for the test record 81: " + std::to_string(st.st_size) +
                " bytes, at least " + std::to_string(needed) + " needed; nothing was written");
  }
  writeAllAt(file.fd, block.data(), block.size(), kBd4TestRecordOffset, levPath);
  writeAllAt(file.fd, startBytes.data(), startBytes.size(), kBd4TestRecordOffset + kBd4TestStart,
             levPath);
  if (::fsync(file.fd) != 0)
    bd4Fail(levPath, 0, std::string("cannot flush to disk: ") + std::strerror(errno));
  const int fd = file.fd;
  file.fd = -1;
  if (::close(fd) != 0) bd4Fail(levPath, 0, std::string("close error: ") + std::strerror(errno));
}

TestOutcome exportBd4TestLevel(LevelTestContext& ctx) {
  const std::string& dir = ctx.config.bd4Dir;
  const auto lev = folderExists(dir) ? findFileNoCase(dir, "bd4.lev") : std::nullopt;
  const auto exe = folderExists(dir) ? findFileNoCase(dir, "bd4.exe") : std::nullopt;
  if (!lev || !exe) return notFound(ctx, testmsg::kBd4Caption, testmsg::kBd4NotFound);
  // Checked before the level is fitted, so a refused test changes nothing.
  const LevelHeader& h = ctx.map.current();
  if (h.width() > kEmMapWidth || h.height() > kEmMapHeight) {
    ctx.ui.inform(testmsg::kBd4TooLarge);
    return TestOutcome::TooLarge;
  }
  writeBd4TestRecord(ctx.map, *lev);
  return startPlayer(ctx, *exe, dir, /*wait=*/false);
}

// --- EMC player and Boulderflash ----------------------------------------------------

TestOutcome testlevelInEmc(LevelTestContext& ctx) {
  const std::string& dir = ctx.config.emeraldDir;
  const auto exe = folderExists(dir) ? findFileNoCase(dir, "emcgame.exe") : std::nullopt;
  if (!exe) return notFound(ctx, testmsg::kEmcCaption, testmsg::kEmcNotFound);
  exportToEm(ctx.map, joinPath(folderInside(dir, "cave"), "test.lev"), 6);
  return startPlayer(ctx, *exe, dir, /*wait=*/false);
}

TestOutcome testlevelInBoulderflash(LevelTestContext& ctx) {
  const std::string& dir = ctx.config.boulderflashDir;
  if (!folderExists(dir) || !findFileNoCase(dir, "boulderflash.swf")) {
    return notFound(ctx, testmsg::kBoulderflashCaption, testmsg::kBoulderflashNotFound);
  }
  exportToBdcff(ctx.map, joinPath(folderInside(dir, "levels"), "test.xml"), /*xml=*/true);
  // Without the program the start fails and says so.
  const std::string exe =
      findFileNoCase(dir, "boulderflash.exe").value_or(joinPath(dir, "boulderflash.exe"));
  return startPlayer(ctx, exe, dir, /*wait=*/false);
}

TestOutcome testLevelExternally(LevelTestContext& ctx) {
  switch (ctx.config.testTarget) {
    case TestTarget::BD4:
      return exportBd4TestLevel(ctx);
    case TestTarget::Emerald:
      return testlevelInEmc(ctx);
    case TestTarget::Boulderflash:
      return testlevelInBoulderflash(ctx);
    case TestTarget::Pyrovel:
      break;
  }
  return testLevel(ctx);
}

}  // namespace pyrovel
