// The bench program: Google Benchmark's runner, then the table of figures,
// references and ratios; with --table=PATH also written there as Markdown.
// Two reference commands of its own (--read-and-sum FILE, --copy IN OUT)
// let whole-process figures compare with a process that does only the I/O;
// --measure-peak FILE PROGRAM... runs a program and writes its peak memory.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "bench_support.h"
#include "model/file_io.h"

extern char** environ;

namespace pyrovel::bench {

std::vector<Row>& table() {
  static std::vector<Row> rows;
  return rows;
}

void record(benchmark::State& state, const Row& row) {
  state.counters["figure"] = row.value;
  state.counters["reference"] = row.referenceValue;
  state.counters["ratio"] = row.ratio();
  state.counters["limit"] = row.limit;
  table().push_back(row);
}

std::string programFolder() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  return std::filesystem::path(std::string(path, static_cast<std::size_t>(n)))
      .parent_path()
      .string();
}

namespace {

// Starts a program with its standard output thrown away, waits for it and
// returns its peak resident memory in bytes.
std::size_t spawnAndWait(char* const* args) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int error = posix_spawn(&pid, args[0], &actions, nullptr, args, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) throw std::runtime_error(std::string("cannot start ") + args[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error(std::string(args[0]) + " failed");
  return static_cast<std::size_t>(usage.ru_maxrss) * 1024;
}

std::vector<char*> argumentsOf(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  return args;
}

}  // namespace

std::map<std::string, Command>& commands() {
  static std::map<std::string, Command> table;
  return table;
}

void addCommand(const char* name, Command run) {
  commands()[name] = run;
}

std::string tempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

void runProgram(const std::vector<std::string>& argv) {
  spawnAndWait(argumentsOf(argv).data());
}

// A child started straight from this big process would be charged its peak
// memory too (the kernel keeps it across exec), so the measured program is
// started from a fresh, small copy of the bench program (--measure-peak).
std::size_t peakMemoryOf(const std::vector<std::string>& argv) {
  const std::string result = tempPath("prvl_bench_peak.txt");
  std::vector<std::string> measured{programFolder() + "/prvl_bench", "--measure-peak", result};
  measured.insert(measured.end(), argv.begin(), argv.end());
  spawnAndWait(argumentsOf(measured).data());
  const Bytes text = readFileBytes(result);
  return std::stoull(std::string(text.begin(), text.end()));
}

namespace {

std::string formatted(double v) {
  char text[32];
  std::snprintf(text, sizeof text, v >= 100 ? "%.0f" : v >= 10 ? "%.1f" : "%.2f", v);
  return text;
}

// Rows without a goal are there to explain the others.
std::string goal(const Row& r) {
  if (r.limit <= 0) return "-";
  return (r.ratio() <= r.limit ? "at most " : "**over** ") + formatted(r.limit);
}

std::string markdownTable() {
  std::ostringstream out;
  out << "| figure | value | reference | value | ratio | goal |\n"
      << "|---|---|---|---|---|---|\n";
  for (const Row& r : table()) {
    out << "| " << r.figure << " | " << formatted(r.value) << ' ' << r.unit << " | " << r.reference
        << " | " << formatted(r.referenceValue) << ' ' << r.unit << " | " << formatted(r.ratio())
        << " | " << goal(r) << " |\n";
  }
  return out.str();
}

void writeTable(const std::string& path) {
  std::ostringstream doc;
  doc << "# Performance\n\n"
         "Written by `make bench` (the Release build's `prvl_bench --table=...`). Each figure\n"
         "is compared with a reference measured in the same run and timed the same way:\n"
         "interleaved rounds, the best round of each side. Whole-process figures start the\n"
         "program (`prvl`) and, as reference, the bench program itself reading the same\n"
         "file (`--read-and-sum`, `--copy`), so process start is on both sides. The goal is\n"
         "the largest ratio that is still good enough; rows without one explain the others.\n\n"
      << markdownTable();
  writeFileAtomically(path, doc.str());
}

// The reference processes: only the input and output of the figures they
// stand beside.
int readAndSum(const std::string& path) {
  const Bytes bytes = readFileBytes(path);
  unsigned sum = 0;
  for (std::uint8_t b : bytes) sum += b;
  std::printf("%u\n", sum);
  return 0;
}

int copyFile(const std::string& from, const std::string& to) {
  writeFileAtomically(to, readFileBytes(from));
  return 0;
}

int measurePeak(const std::string& resultFile, char* const* args) {
  writeFileAtomically(resultFile, std::to_string(spawnAndWait(args)));
  return 0;
}

}  // namespace

}  // namespace pyrovel::bench

int main(int argc, char** argv) {
  using namespace pyrovel::bench;
  if (argc == 3 && std::strcmp(argv[1], "--read-and-sum") == 0) return readAndSum(argv[2]);
  if (argc == 4 && std::strcmp(argv[1], "--copy") == 0) return copyFile(argv[2], argv[3]);
  if (argc > 3 && std::strcmp(argv[1], "--measure-peak") == 0)
    return measurePeak(argv[2], argv + 3);
  if (argc > 1) {
    const auto command = commands().find(argv[1]);
    if (command != commands().end()) return command->second(argc, argv);
  }
  std::string tablePath;
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--table=", 8) == 0)
      tablePath = argv[i] + 8;
    else
      args.push_back(argv[i]);
  }
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::cout << '\n' << markdownTable();
  if (!tablePath.empty()) writeTable(tablePath);
  return 0;
}
