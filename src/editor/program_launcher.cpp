#include "editor/program_launcher.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "editor/player_folders.h"

namespace pyrovel {

namespace fs = std::filesystem;

std::string launchErrorText(int code) {
  switch (code) {
    case -1:
      return "Pas d'exécution";
    case 0:
      return "Système dépassé en capacité mémoire, exécutable corrompu, ou réallocations invalides";
    case 2:
      return "Fichier non trouvé";
    case 3:
      return "Chemin non trouvé";
    case 5:
      return "Tentative de liaison dynamique à une tâche, ou erreur de partage, ou erreur de "
             "protection réseau";
    case 6:
      return "Librairie nécessitant des segments de données séparés pour chaque tâche";
    case 8:
      return "Mémoire insuffisante pour démarrer l'application";
    case 10:
      return "Version de Windows incorrecte";
    case 11:
      return "Exécutable invalide, application non Windows, ou erreur dans l'image du fichier .EXE";
    case 12:
      return "Application écrite pour un système d'exploitation différent";
    case 13:
      return "Application écrite pour MS-DOS 4.0";
    case 14:
      return "Type d'exécutable inconnu";
    case 15:
      return "Tentative de chargement d'une application en mode réel (développée pour une version "
             "antérieure de Windows)";
    case 16:
      return "Tentative de chargement d'une seconde instance d'un exécutable contenant plusieurs "
             "segments de données non marqués en lecture seule";
    case 19:
      return "Tentative de chargement d'un exécutable compressé. Le fichier doit être décompressé "
             "avant de pouvoir être chargé";
    case 20:
      return "Fichier Dynamic-link library (DLL) invalide. Une des DLLs requises pour exécuter "
             "cette application est corrompue";
    case 21:
      return "Application nécessitant des extensions 32-bit";
    default:
      break;
  }
  return code >= 32 ? "Pas d'erreur" : "";
}

std::optional<int> launchCodeForErrno(int errnoValue) {
  switch (errnoValue) {
    case ENOENT:
      return 2;
    case ENOTDIR:
    case ELOOP:
    case ENAMETOOLONG:
      return 3;
    case EACCES:
    case EPERM:
    case ETXTBSY:
      return 5;
    case ENOMEM:
    case EAGAIN:
      return 8;
    case ENOEXEC:
      return 11;
    case ELIBBAD:
      return 20;
    default:
      break;
  }
  return std::nullopt;
}

std::string trimWorkingFolder(const std::string& path) {
  auto isSeparator = [](char c) { return c == '/' || c == '\\'; };
  auto isRoot = [&](const std::string& p) {
    if (p.size() == 1 && isSeparator(p[0])) return true;  // "/"
    return p.size() == 3 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':' &&
           isSeparator(p[2]);  // "C:\"
  };
  std::string trimmed = path;
  while (!trimmed.empty() && isSeparator(trimmed.back()) && !isRoot(trimmed)) trimmed.pop_back();
  return trimmed;
}

void ProgramLauncher::reset() {
  programName.clear();
  workingFolder_.clear();
  programArguments.clear();
  errorNumber = -1;
}

std::string ProgramLauncher::commandLine() const {
  std::string line = programName;
  for (const std::string& p : programArguments) line += " " + p;
  return line;
}

void ProgramLauncher::execute() {
  Launch request;
  request.program = programName;
  request.arguments = programArguments;
  if (changeFolder && !workingFolder_.empty()) request.workingDir = workingFolder_;
  request.wait = waitForEnd;
  request.windowState = windowState;
  const Outcome outcome = launch(request);
  switch (outcome.kind) {
    case Outcome::ChDirFailed:
      throw LaunchFolderError(outcome.detail.empty() ? std::strerror(outcome.error)
                                                     : outcome.detail);
    case Outcome::StartFailed: {
      errorNumber = outcome.error;
      // Codes without a text (and those the table calls "no error") would
      // leave a failure unexplained: the system's own words are used then.
      const std::optional<int> code = launchCodeForErrno(outcome.error);
      std::string text = code ? launchErrorText(*code) : std::string();
      if (text.empty())
        text = outcome.detail.empty() ? std::strerror(outcome.error) : outcome.detail;
      throw LaunchStartError(text);
    }
    case Outcome::Started:
      if (waitForEnd) errorNumber = 0;
      break;
  }
}

// --- real processes -------------------------------------------------------------

namespace {

bool isExecutableFile(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec) && ::access(p.c_str(), X_OK) == 0;
}

// What the child reports through the pipe before it runs the program.
struct ChildFailure {
  int stage;  // 1: chdir, 2: exec
  int error;
};

}  // namespace

std::string SystemLauncher::resolveProgram(const std::string& program,
                                           const std::string& workingDir) {
  if (program.empty()) return {};
  std::error_code ec;
  const fs::path base = workingDir.empty() ? fs::current_path(ec) : fs::absolute(workingDir, ec);
  if (program.find('/') != std::string::npos) {
    fs::path p(program);
    if (p.is_relative()) p = base / p;
    if (fs::exists(p, ec)) return p.lexically_normal().string();
    // A Windows spelling of the name: look the last part up ignoring case.
    if (auto found = findFileNoCase(p.parent_path().string(), p.filename().string())) return *found;
    return {};
  }
  if (auto found = findFileNoCase(base.string(), program)) return *found;
  if (const char* path = std::getenv("PATH")) {
    std::stringstream dirs(path);
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
      if (dir.empty()) continue;
      const fs::path candidate = fs::path(dir) / program;
      if (isExecutableFile(candidate)) return candidate.string();
    }
  }
  return {};
}

SystemLauncher::~SystemLauncher() {
  reapEnded();
}

bool SystemLauncher::hasEnded(int pid) {
  int status = 0;
  const pid_t r = ::waitpid(pid, &status, WNOHANG);
  return r == pid || (r < 0 && errno == ECHILD);
}

void SystemLauncher::reapEnded() {
  unwaited_.erase(std::remove_if(unwaited_.begin(), unwaited_.end(), hasEnded), unwaited_.end());
}

void SystemLauncher::waitForExit(int pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

ProgramLauncher::Outcome SystemLauncher::launch(const Launch& request) {
  reapEnded();
  Outcome outcome;
  if (!request.workingDir.empty()) {
    std::error_code ec;
    if (!fs::is_directory(request.workingDir, ec)) {
      outcome.kind = Outcome::ChDirFailed;
      outcome.error = fs::exists(request.workingDir, ec) ? ENOTDIR : ENOENT;
      outcome.detail = request.workingDir + ": " + std::strerror(outcome.error);
      return outcome;
    }
  }
  const std::string program = resolveProgram(request.program, request.workingDir);
  if (program.empty()) {
    outcome.kind = Outcome::StartFailed;
    outcome.error = ENOENT;
    outcome.detail = request.program + ": " + std::strerror(ENOENT);
    return outcome;
  }

  // Everything the child needs is prepared here: after fork it may only
  // make calls that are safe in a copy of a threaded process.
  std::vector<std::string> args;
  args.push_back(request.program);
  args.insert(args.end(), request.arguments.begin(), request.arguments.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const char* dir = request.workingDir.empty() ? nullptr : request.workingDir.c_str();

  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) {
    outcome.kind = Outcome::StartFailed;
    outcome.error = errno;
    outcome.detail = std::strerror(errno);
    return outcome;
  }
  const pid_t pid = ::fork();
  if (pid < 0) {
    const int error = errno;
    ::close(report[0]);
    ::close(report[1]);
    outcome.kind = Outcome::StartFailed;
    outcome.error = error;
    outcome.detail = std::strerror(error);
    return outcome;
  }
  if (pid == 0) {
    ::close(report[0]);
    ::setsid();  // the player lives on its own, not in the editor's session
    ChildFailure failure{0, 0};
    if (dir && ::chdir(dir) != 0) {
      failure = {1, errno};
    } else {
      ::execv(program.c_str(), argv.data());
      failure = {2, errno};
    }
    [[maybe_unused]] ssize_t n = ::write(report[1], &failure, sizeof failure);
    ::_exit(127);
  }
  ::close(report[1]);
  // The pipe closes unread when exec succeeds (close-on-exec).
  ChildFailure failure{0, 0};
  ssize_t got;
  do {
    got = ::read(report[0], &failure, sizeof failure);
  } while (got < 0 && errno == EINTR);
  ::close(report[0]);
  if (got == static_cast<ssize_t>(sizeof failure)) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    outcome.kind = failure.stage == 1 ? Outcome::ChDirFailed : Outcome::StartFailed;
    outcome.error = failure.error;
    outcome.detail =
        (failure.stage == 1 ? request.workingDir : program) + ": " + std::strerror(failure.error);
    return outcome;
  }
  if (request.wait) {
    waitForExit(pid);
  } else {
    adopt(pid);
  }
  return outcome;
}

}  // namespace pyrovel
