// The program launcher: its properties, error texts and path rule, and
// real processes started in a folder of their own.
#include <gtest/gtest.h>

#include <cerrno>
#include <unistd.h>

#include <filesystem>

#include "editor/app_exec.h"
#include "support/test_support.h"

namespace pyrovel {
namespace {

namespace fs = std::filesystem;

TEST(AppExec, ErrorTexts) {
  EXPECT_EQ(appExecErrorText(-1), "Pas d'exécution");
  EXPECT_EQ(appExecErrorText(0),
            "Système dépassé en capacité mémoire, exécutable corrompu, ou réallocations invalides");
  EXPECT_EQ(appExecErrorText(2), "Fichier non trouvé");
  EXPECT_EQ(appExecErrorText(3), "Chemin non trouvé");
  EXPECT_EQ(appExecErrorText(13), "Application écrite pour MS-DOS 4.0");
  EXPECT_EQ(appExecErrorText(21), "Application nécessitant des extensions 32-bit");
  EXPECT_EQ(appExecErrorText(32), "Pas d'erreur");
  EXPECT_EQ(appExecErrorText(193), "Pas d'erreur");
  for (int code : {1, 4, 7, 9, 17, 18, 22, 31, -2}) EXPECT_EQ(appExecErrorText(code), "") << code;
}

TEST(AppExec, TrailingSeparatorGoesExceptFromARoot) {
  EXPECT_EQ(trimExePath("C:\\"), "C:\\");
  EXPECT_EQ(trimExePath("C:\\Games\\"), "C:\\Games");
  EXPECT_EQ(trimExePath("C:\\Games"), "C:\\Games");
  EXPECT_EQ(trimExePath("/"), "/");
  EXPECT_EQ(trimExePath("/games/bd4/"), "/games/bd4");
  EXPECT_EQ(trimExePath("/games/bd4//"), "/games/bd4");
  EXPECT_EQ(trimExePath(""), "");
  RecordingAppExec exec;
  exec.setExePath("/games/");
  EXPECT_EQ(exec.ExePath(), "/games");
}

TEST(AppExec, ExecuteHandsOverWhatThePropertiesSay) {
  RecordingAppExec exec;
  EXPECT_EQ(exec.ErrNo, -1);
  EXPECT_TRUE(exec.ChangeDir);
  EXPECT_FALSE(exec.Wait);
  EXPECT_EQ(exec.WindowState, ExecWindowState::Normal);
  exec.ExeName = "emcgame.exe";
  exec.ExeParams = {"-level", "my cave"};
  exec.setExePath("/games/emc/");
  EXPECT_EQ(exec.commandLine(), "emcgame.exe -level my cave");
  exec.Execute();
  ASSERT_EQ(exec.launches.size(), 1u);
  EXPECT_EQ(exec.launches[0].program, "emcgame.exe");
  EXPECT_EQ(exec.launches[0].arguments, (std::vector<std::string>{"-level", "my cave"}));
  EXPECT_EQ(exec.launches[0].workingDir, "/games/emc");
  EXPECT_EQ(exec.ErrNo, -1);  // not waited for: nothing known yet

  exec.ChangeDir = false;  // the folder is then not the program's
  exec.Wait = true;
  exec.Execute();
  EXPECT_EQ(exec.launches[1].workingDir, "");
  EXPECT_TRUE(exec.launches[1].wait);
  EXPECT_EQ(exec.ErrNo, 0);

  exec.reset();
  EXPECT_EQ(exec.ExeName, "");
  EXPECT_EQ(exec.ExePath(), "");
  EXPECT_TRUE(exec.ExeParams.empty());
  EXPECT_EQ(exec.ErrNo, -1);
}

TEST(AppExec, FailuresRaiseTheirExceptions) {
  RecordingAppExec exec;
  exec.ExeName = "x";
  exec.next = {TAppExec::Outcome::StartFailed, EACCES, "x: Permission denied"};
  try {
    exec.Execute();
    FAIL();
  } catch (const EAppExecWinExec& e) {
    EXPECT_STREQ(e.what(),
                 "Tentative de liaison dynamique à une tâche, ou erreur de partage, ou erreur de "
                 "protection réseau");
  }
  EXPECT_EQ(exec.ErrNo, EACCES);

  // A failure the table has no text for is never reported as "no error".
  exec.next = {TAppExec::Outcome::StartFailed, EMFILE, "Too many open files"};
  try {
    exec.Execute();
    FAIL();
  } catch (const EAppExecWinExec& e) {
    EXPECT_STREQ(e.what(), "Too many open files");
  }

  exec.next = {TAppExec::Outcome::ChDirFailed, ENOENT, "/nowhere: No such file or directory"};
  EXPECT_THROW(exec.Execute(), EAppExecChDir);
  EXPECT_THROW(exec.Execute(), EAppExec);
}

// --- real processes -------------------------------------------------------------

TEST(SystemAppExec, RunsInItsFolderWithoutMovingTheEditor) {
  testing::TempDir tmp;
  const fs::path editorDir = fs::current_path();
  SystemAppExec exec;
  exec.ExeName = "/bin/sh";
  exec.ExeParams = {"-c", "pwd > where.txt"};
  exec.setExePath(tmp.dir().string() + "/");
  exec.Wait = true;
  exec.Execute();
  EXPECT_EQ(exec.ErrNo, 0);
  const auto out = testing::readAll(tmp.path("where.txt"));
  EXPECT_EQ(fs::path(std::string(out.begin(), out.end() - 1)), fs::canonical(tmp.dir()));
  EXPECT_EQ(fs::current_path(), editorDir);
}

TEST(SystemAppExec, BareNamesAreFoundInTheFolderWhateverTheirCase) {
  testing::TempDir tmp;
  const std::string script = tmp.path("Player.SH");
  testing::writeAll(script, {'#', '!', '/', 'b', 'i', 'n', '/', 's', 'h', '\n', 't', 'o', 'u', 'c', 'h', ' ',
                             'r', 'a', 'n', '\n'});
  fs::permissions(script, fs::perms::owner_all);
  EXPECT_EQ(SystemAppExec::resolveProgram("player.sh", tmp.dir().string()), script);
  EXPECT_EQ(SystemAppExec::resolveProgram("player.sh", tmp.path("missing")), "");
  EXPECT_NE(SystemAppExec::resolveProgram("sh", tmp.dir().string()), "");  // along PATH

  SystemAppExec exec;
  exec.ExeName = "player.sh";
  exec.setExePath(tmp.dir().string());
  exec.Wait = true;
  exec.Execute();
  EXPECT_TRUE(fs::exists(tmp.path("ran")));
}

TEST(SystemAppExec, StartFailuresAreTold) {
  testing::TempDir tmp;
  SystemAppExec exec;
  exec.ExeName = "no-such-player.exe";
  exec.setExePath(tmp.dir().string());
  try {
    exec.Execute();
    FAIL();
  } catch (const EAppExecWinExec& e) {
    EXPECT_STREQ(e.what(), "Fichier non trouvé");
  }
  EXPECT_EQ(exec.ErrNo, ENOENT);

  // A Windows program copied onto a system that cannot run it.
  testing::writeAll(tmp.path("game.exe"), {'M', 'Z', 0, 0});
  exec.ExeName = "game.exe";
  EXPECT_THROW(exec.Execute(), EAppExecWinExec);
  EXPECT_EQ(exec.ErrNo, EACCES);

  exec.ExeName = "/bin/sh";
  exec.setExePath(tmp.path("missing"));
  EXPECT_THROW(exec.Execute(), EAppExecChDir);
  exec.ChangeDir = false;  // then the folder does not matter
  exec.ExeParams = {"-c", "exit 0"};
  exec.Wait = true;
  EXPECT_NO_THROW(exec.Execute());
}

TEST(SystemAppExec, PlayersNotWaitedForAreStartedAndLeftRunning) {
  testing::TempDir tmp;
  SystemAppExec exec;
  exec.ExeName = "/bin/sh";
  exec.ExeParams = {"-c", "touch started"};
  exec.setExePath(tmp.dir().string());
  exec.Execute();
  EXPECT_EQ(exec.ErrNo, -1);
  for (int i = 0; i < 200 && !fs::exists(tmp.path("started")); ++i) {
    ::usleep(10000);
  }
  EXPECT_TRUE(fs::exists(tmp.path("started")));
}

}  // namespace
}  // namespace pyrovel
