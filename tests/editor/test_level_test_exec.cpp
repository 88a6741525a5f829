// The program launcher: its properties, error texts and path rule, and
// real processes started in a folder of their own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "editor/program_launcher.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

namespace fs = std::filesystem;

TEST(AppExec, ErrorTexts) {
  EXPECT_EQ(launchErrorText(-1), "Pas d'exécution");
  EXPECT_EQ(launchErrorText(0),
            "Système dépassé en capacité mémoire, exécutable corrompu, ou réallocations invalides");
  EXPECT_EQ(launchErrorText(2), "Fichier non trouvé");
  EXPECT_EQ(launchErrorText(3), "Chemin non trouvé");
  EXPECT_EQ(launchErrorText(13), "Application écrite pour MS-DOS 4.0");
  EXPECT_EQ(launchErrorText(21), "Application nécessitant des extensions 32-bit");
  EXPECT_EQ(launchErrorText(32), "Pas d'erreur");
  EXPECT_EQ(launchErrorText(193), "Pas d'erreur");
  for (int code : {1, 4, 7, 9, 17, 18, 22, 31, -2}) EXPECT_EQ(launchErrorText(code), "") << code;
}

TEST(AppExec, TrailingSeparatorGoesExceptFromARoot) {
  EXPECT_EQ(trimWorkingFolder("C:\\"), "C:\\");
  EXPECT_EQ(trimWorkingFolder("C:\\Games\\"), "C:\\Games");
  EXPECT_EQ(trimWorkingFolder("C:\\Games"), "C:\\Games");
  EXPECT_EQ(trimWorkingFolder("/"), "/");
  EXPECT_EQ(trimWorkingFolder("/games/bd4/"), "/games/bd4");
  EXPECT_EQ(trimWorkingFolder("/games/bd4//"), "/games/bd4");
  EXPECT_EQ(trimWorkingFolder(""), "");
  RecordingLauncher exec;
  exec.setWorkingFolder("/games/");
  EXPECT_EQ(exec.workingFolder(), "/games");
}

TEST(AppExec, ExecuteHandsOverWhatThePropertiesSay) {
  RecordingLauncher exec;
  EXPECT_EQ(exec.errorNumber, -1);
  EXPECT_TRUE(exec.changeFolder);
  EXPECT_FALSE(exec.waitForEnd);
  EXPECT_EQ(exec.windowState, LaunchWindowState::Normal);
  exec.programName = "emcgame.exe";
  exec.programArguments = {"-level", "my cave"};
  exec.setWorkingFolder("/games/emc/");
  EXPECT_EQ(exec.commandLine(), "emcgame.exe -level my cave");
  exec.execute();
  ASSERT_EQ(exec.launches.size(), 1u);
  EXPECT_EQ(exec.launches[0].program, "emcgame.exe");
  EXPECT_EQ(exec.launches[0].arguments, (std::vector<std::string>{"-level", "my cave"}));
  EXPECT_EQ(exec.launches[0].workingDir, "/games/emc");
  EXPECT_EQ(exec.errorNumber, -1);  // not waited for: nothing known yet

  exec.changeFolder = false;  // the folder is then not the program's
  exec.waitForEnd = true;
  exec.execute();
  EXPECT_EQ(exec.launches[1].workingDir, "");
  EXPECT_TRUE(exec.launches[1].wait);
  EXPECT_EQ(exec.errorNumber, 0);

  exec.reset();
  EXPECT_EQ(exec.programName, "");
  EXPECT_EQ(exec.workingFolder(), "");
  EXPECT_TRUE(exec.programArguments.empty());
  EXPECT_EQ(exec.errorNumber, -1);
}

TEST(AppExec, FailuresRaiseTheirExceptions) {
  RecordingLauncher exec;
  exec.programName = "x";
  exec.next = {ProgramLauncher::Outcome::StartFailed, EACCES, "x: Permission denied"};
  try {
    exec.execute();
    FAIL();
  } catch (const LaunchStartError& e) {
    EXPECT_STREQ(e.what(),
                 "Tentative de liaison dynamique à une tâche, ou erreur de partage, ou erreur de "
                 "protection réseau");
  }
  EXPECT_EQ(exec.errorNumber, EACCES);

  // A failure the table has no text for is never reported as "no error".
  exec.next = {ProgramLauncher::Outcome::StartFailed, EMFILE, "Too many open files"};
  try {
    exec.execute();
    FAIL();
  } catch (const LaunchStartError& e) {
    EXPECT_STREQ(e.what(), "Too many open files");
  }

  exec.next = {ProgramLauncher::Outcome::ChDirFailed, ENOENT,
               "/nowhere: No such file or directory"};
  EXPECT_THROW(exec.execute(), LaunchFolderError);
  EXPECT_THROW(exec.execute(), LaunchError);
}

// --- real processes -------------------------------------------------------------

TEST(SystemLauncher, RunsInItsFolderWithoutMovingTheEditor) {
  testing::TempDir tmp;
  const fs::path editorDir = fs::current_path();
  SystemLauncher exec;
  exec.programName = "/bin/sh";
  exec.programArguments = {"-c", "pwd > where.txt"};
  exec.setWorkingFolder(tmp.dir().string() + "/");
  exec.waitForEnd = true;
  exec.execute();
  EXPECT_EQ(exec.errorNumber, 0);
  const auto out = testing::readAll(tmp.path("where.txt"));
  EXPECT_EQ(fs::path(std::string(out.begin(), out.end() - 1)), fs::canonical(tmp.dir()));
  EXPECT_EQ(fs::current_path(), editorDir);
}

TEST(SystemLauncher, BareNamesAreFoundInTheFolderWhateverTheirCase) {
  testing::TempDir tmp;
  const std::string script = tmp.path("Player.SH");
  testing::writeAll(script, {'#', '!', '/', 'b', 'i', 'n', '/', 's', 'h', '\n',
                             't', 'o', 'u', 'c', 'h', ' ', 'r', 'a', 'n', '\n'});
  fs::permissions(script, fs::perms::owner_all);
  EXPECT_EQ(SystemLauncher::resolveProgram("player.sh", tmp.dir().string()), script);
  EXPECT_EQ(SystemLauncher::resolveProgram("player.sh", tmp.path("missing")), "");
  EXPECT_NE(SystemLauncher::resolveProgram("sh", tmp.dir().string()), "");  // along PATH

  SystemLauncher exec;
  exec.programName = "player.sh";
  exec.setWorkingFolder(tmp.dir().string());
  exec.waitForEnd = true;
  exec.execute();
  EXPECT_TRUE(fs::exists(tmp.path("ran")));
}

TEST(SystemLauncher, StartFailuresAreTold) {
  testing::TempDir tmp;
  SystemLauncher exec;
  exec.programName = "no-such-player.exe";
  exec.setWorkingFolder(tmp.dir().string());
  try {
    exec.execute();
    FAIL();
  } catch (const LaunchStartError& e) {
    EXPECT_STREQ(e.what(), "Fichier non trouvé");
  }
  EXPECT_EQ(exec.errorNumber, ENOENT);

  // A Windows program copied onto a system that cannot run it.
  testing::writeAll(tmp.path("game.exe"), {'M', 'Z', 0, 0});
  exec.programName = "game.exe";
  EXPECT_THROW(exec.execute(), LaunchStartError);
  EXPECT_EQ(exec.errorNumber, EACCES);

  exec.programName = "/bin/sh";
  exec.setWorkingFolder(tmp.path("missing"));
  EXPECT_THROW(exec.execute(), LaunchFolderError);
  exec.changeFolder = false;  // then the folder does not matter
  exec.programArguments = {"-c", "exit 0"};
  exec.waitForEnd = true;
  EXPECT_NO_THROW(exec.execute());
}

TEST(SystemLauncher, PlayersNotWaitedForAreStartedAndLeftRunning) {
  testing::TempDir tmp;
  SystemLauncher exec;
  exec.programName = "/bin/sh";
  exec.programArguments = {"-c", "touch started"};
  exec.setWorkingFolder(tmp.dir().string());
  exec.execute();
  EXPECT_EQ(exec.errorNumber, -1);
  for (int i = 0; i < 200 && !fs::exists(tmp.path("started")); ++i) {
    ::usleep(10000);
  }
  EXPECT_TRUE(fs::exists(tmp.path("started")));
}

}  // namespace
}  // namespace pyrovel
