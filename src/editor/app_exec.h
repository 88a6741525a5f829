#pragma once
// The program launcher `TAppExec`: starts an external player (or any
// program) in a folder of its own, optionally waiting for it to end.
//
// `ExeName` is the program itself and each entry of `ExeParams` is one
// argument: nothing is split at blanks, so folders with blanks in their
// names work. The launch never changes the editor's own current directory;
// the started program alone runs in `ExePath`.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace pyrovel {

class EAppExec : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// Changing to `ExePath` failed; the text is the system's description.
class EAppExecChDir : public EAppExec {
 public:
  using EAppExec::EAppExec;
};
// The program could not be started; the text comes from appExecErrorText.
class EAppExecWinExec : public EAppExec {
 public:
  using EAppExec::EAppExec;
};

enum class ExecWindowState { Normal = 1, Minimized = 2, Maximized = 3 };

// The launcher's error texts by code; empty for codes without a text.
std::string appExecErrorText(int code);

// The launcher's codes for a system error number (errno) of a failed
// start, or nothing when the table has no equivalent.
std::optional<int> appExecCodeForErrno(int errnoValue);

// A trailing separator is dropped unless the path is a root ("/", "C:\").
std::string trimExePath(const std::string& path);

class TAppExec {
 public:
  virtual ~TAppExec() = default;

  std::string ExeName;
  std::vector<std::string> ExeParams;
  bool ChangeDir = true;
  bool Wait = false;
  ExecWindowState WindowState = ExecWindowState::Normal;
  int ErrNo = -1;

  const std::string& ExePath() const { return exePath_; }
  void setExePath(const std::string& path) { exePath_ = trimExePath(path); }

  // Clears ExeName, ExePath and ExeParams; ErrNo becomes -1.
  void reset();
  // ExeName followed by each parameter after one blank (for messages).
  std::string commandLine() const;
  // Starts the program. A failed change of folder throws EAppExecChDir, a
  // failed start sets ErrNo to the system's error number and throws
  // EAppExecWinExec; a waited run ends with ErrNo 0.
  void Execute();

  // What one launch asks of the system.
  struct Launch {
    std::string program;                 // ExeName
    std::vector<std::string> arguments;  // ExeParams
    std::string workingDir;              // empty: the editor's own
    bool wait = false;
    ExecWindowState windowState = ExecWindowState::Normal;
  };
  struct Outcome {
    enum Kind { Started, ChDirFailed, StartFailed } kind = Started;
    int error = 0;  // errno of the failure
    std::string detail;  // the system's description of it
  };

 protected:
  virtual Outcome launch(const Launch& request) = 0;

 private:
  std::string exePath_;
};

// Starts real processes (fork and exec). Programs not waited for are
// reaped at the next launch and when the launcher goes.
class SystemAppExec : public TAppExec {
 public:
  SystemAppExec() = default;
  SystemAppExec(const SystemAppExec&) = delete;
  SystemAppExec& operator=(const SystemAppExec&) = delete;
  ~SystemAppExec() override;

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
class RecordingAppExec : public TAppExec {
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
