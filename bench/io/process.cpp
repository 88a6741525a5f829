#include "io/process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <stdexcept>

#include "model/file_io.h"

extern char** environ;

namespace pyrovel::bench {

std::string programFolder() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  return std::filesystem::path(std::string(path, static_cast<std::size_t>(n)))
      .parent_path()
      .string();
}

std::string tempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

std::string referenceProgram() {
  return programFolder() + "/prvl_bench_io";
}

std::size_t spawnAndWait(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int error = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) throw std::runtime_error("cannot start " + argv[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(argv[0] + " failed");
  return static_cast<std::size_t>(usage.ru_maxrss) * 1024;
}

void runProgram(const std::vector<std::string>& argv) {
  spawnAndWait(argv);
}

std::size_t peakMemoryOf(const std::vector<std::string>& argv) {
  const std::string result = tempPath("prvl_bench_peak.txt");
  std::vector<std::string> measured{referenceProgram(), "--measure-peak", result};
  measured.insert(measured.end(), argv.begin(), argv.end());
  spawnAndWait(measured);
  const Bytes text = readFileBytes(result);
  return std::stoull(std::string(text.begin(), text.end()));
}

}  // namespace pyrovel::bench
