#pragma once
// The program launcher `ProgramLauncher`: starts an external player (or any
// program) in a folder of its own, optionally waiting for it to end.
//
// `programName` is the program itself and each entry of `programArguments` is one
// argument: nothing is split at blanks, so folders with blanks in their
// names work. The launch never changes the editor's own current directory;
// the started program alone runs in `workingFolder`.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace pyrovel {

class LaunchError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// Changing to `workingFolder` failed; the text is the system's description.
class LaunchFolderError : public LaunchError {
 public:
  using LaunchError::LaunchError;
};
// The program could not be started; the text comes from launchErrorText.
class LaunchStartError : public LaunchError {
 public:
  using LaunchError::LaunchError;
};

enum class LaunchWindowState { Normal = 1, Minimized = 2, Maximized = 3 };

// The launcher's error texts by code; empty for codes without a text.
std::string launchErrorText(int code);

// The launcher's codes for a system error number (errno) of a failed
// start, or nothing when the table has no equivalent.
std::optional<int> launchCodeForErrno(int errnoValue);

// A trailing separator is dropped unless the path is a root ("/", "C:\").
std::string trimWorkingFolder(const std::string& path);

class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;

  std::string programName;
  std::vector<std::string> programArguments;
  bool changeFolder = true;
  bool waitForEnd = false;
  LaunchWindowState windowState = LaunchWindowState::Normal;
  int errorNumber = -1;

  const std::string& workingFolder() const { return workingFolder_; }
  void setWorkingFolder(const std::string& path) { workingFolder_ = trimWorkingFolder(path); }

  // Clears programName, workingFolder and programArguments; errorNumber becomes -1.
  void reset();
  // programName followed by each parameter after one blank (for messages).
  std::string commandLine() const;
  // Starts the program. A failed change of folder throws LaunchFolderError, a
  // failed start sets errorNumber to the system's error number and throws
  // LaunchStartError; a waited run ends with errorNumber 0.
  void execute();

  // What one launch asks of the system.
  struct Launch {
    std::string program;                 // programName
    std::vector<std::string> arguments;  // programArguments
    std::string workingDir;              // empty: the editor's own
    bool wait = false;
    LaunchWindowState windowState = LaunchWindowState::Normal;
  };
  struct Outcome {
    enum Kind { Started, ChDirFailed, StartFailed } kind = Started;
    int error = 0;       // errno of the failure
    std::string detail;  // the system's description of it
  };

 protected:
  virtual Outcome launch(const Launch& request) = 0;

 private:
  std::string workingFolder_;
};

// Starts real processes (fork and exec). Programs not waited for are
// reaped at the next launch and when the launcher goes.
class SystemLauncher : public ProgramLauncher {
 public:
  SystemLauncher() = default;
  SystemLauncher(const SystemLauncher&) = delete;
  SystemLauncher& operator=(const SystemLauncher&) = delete;
  ~SystemLauncher() override;

  // The file a program name stands for: a name with a separator is taken
  // relative to the working folder, a bare name is looked for in the
  // working folder (letter case ignored) and then along PATH. Empty when
  // nothing is found.
  static std::string resolveProgram(const std::string& program, const std::string& workingDir);

 protected:
  Outcome launch(const Launch& request) override;
  // Blocks until the process ends. The window replaces it by a wait that
  // keeps the editor painting; a wait given up leaves the pid to `adopt`.
  virtual void waitForExit(int pid);
  // A process the launcher no longer waits for; reaped when it has ended.
  void adopt(int pid) { unwaited_.push_back(pid); }
  // True when the process has ended (and is reaped now).
  static bool hasEnded(int pid);

 private:
  void reapEnded();
  std::vector<int> unwaited_;
};

// Records every launch instead of starting anything: for tests, and for
// checking what a test run would start.
class RecordingLauncher : public ProgramLauncher {
 public:
  std::vector<Launch> launches;
  Outcome next;  // what the next launches report (Started by default)

 protected:
  Outcome launch(const Launch& request) override {
    launches.push_back(request);
    return next;
  }
};

}  // namespace pyrovel
