// The bench program: Google Benchmark's runner, then the table of figures,
// references and ratios; with --table=PATH also written there as Markdown.
// Commands added with addCommand (the editor's start and its reference)
// run instead of the benchmarks when named as the first argument.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>

#include "bench_support.h"
#include "model/file_io.h"

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

std::map<std::string, Command>& commands() {
  static std::map<std::string, Command> table;
  return table;
}

void addCommand(const char* name, Command run) {
  commands()[name] = run;
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
         "Written by `make bench` (`prvl_bench --table=docs/performance.md`); the figures\n"
         "are of the machine it last ran on, so only the ratios carry over. Each figure is\n"
         "compared with a reference measured in the same run and timed the same way:\n"
         "interleaved rounds, the best round of each side. Whole-process figures start\n"
         "`prvl` and, as reference, `prvl_bench_io`, a program as small as `prvl` that only\n"
         "reads (and sums) or copies the same file, so process start is on both sides. The\n"
         "editor's start is timed from starting the process to its main window being shown\n"
         "(without the splash), against a bare Qt main window; both run from the bench\n"
         "program on Qt's offscreen platform. The goal is the largest ratio that is still\n"
         "good enough; rows without one explain the others.\n\n"
      << markdownTable();
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder);
  writeFileAtomically(path, doc.str());
}

}  // namespace

}  // namespace pyrovel::bench

int main(int argc, char** argv) {
  using namespace pyrovel::bench;
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
